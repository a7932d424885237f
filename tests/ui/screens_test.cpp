// Where the windows open: on small screens, and with two screens side by side.
#include <QGuiApplication>
#include <QScreen>

#include "board.h"
#include "hlpfrm.h"
#include "settings.h"
#include "style.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

TEST(Placement, CentresWhereTheWindowFitsAndKeepsItsTopLeftOnScreen) {
  const struct {
    const char* what;
    QSize size;
    QPoint centre;
    QRect available;
    QPoint expected;
  } cases[] = {
      {"fits: centred", {707, 566}, {512, 384}, {0, 0, 1024, 768}, {159, 102}},
      {"640 x 480: top-left corner", {707, 566}, {320, 240}, {0, 0, 640, 480}, {0, 0}},
      {"small second screen", {707, 566}, {1344, 240}, {1024, 0, 640, 480}, {1024, 0}},
      {"centred near the edge: pulled on screen", {613, 537}, {1000, 700}, {0, 0, 1024, 768}, {411, 231}},
  };
  for (const auto& c : cases) EXPECT_EQ(centredPosition(c.size, c.centre, c.available), c.expected) << c.what;
}

// Runs with two screens side by side (two_screens.json); the player has
// moved the main window to the right-hand one.
class TwoScreens : public TableTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 2) << "needs the two-screen configuration";
    TableTest::SetUp();
    right = QGuiApplication::screens()[1];
    table.move(right->geometry().topLeft() + QPoint(200, 100));
    ASSERT_EQ(table.screen(), right);
  }
  // Within the few pixels by which a window's frame may differ from the main window's.
  void expectCentredOver(QWidget* window, const QRect& area) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->screen(), right) << window->objectName().toStdString();
    const QPoint offset = window->geometry().center() - area.center();
    EXPECT_LE(offset.manhattanLength(), 6) << window->objectName().toStdString();
  }
  void expectCentredOverTheMainWindow(QWidget* window) { expectCentredOver(window, table.geometry()); }
  QScreen* right = nullptr;
};

// The end screen leaves the score panel in sight: it is centred over the board.
TEST_F(TwoScreens, SettingsHelpAndTheEndScreenOpenOverTheMainWindow) {
  choose("set");
  expectCentredOverTheMainWindow(table.settingsWindow());
  choose("hlp");
  expectCentredOverTheMainWindow(table.helpWindow());
  crashPlayerOne();
  const QWidget* board = table.board();
  expectCentredOver(table.endScreen(), QRect(board->mapToGlobal(QPoint(0, 0)), board->size()));
  EXPECT_FALSE(table.endScreen()->geometry().intersects(
      QRect(onClient("Label1")->mapToGlobal(QPoint(0, 0)), onClient("Label1")->size())))
      << "the score stays readable";
}

}  // namespace
}  // namespace ouroboard::testing
