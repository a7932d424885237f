// Steering keys reach the game from anywhere in the main window, and only there.
#include <QKeySequence>
#include <QMenuBar>
#include <QRegularExpression>

#include "board.h"
#include "hlpfrm.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

struct KeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int player;  // 0: no snake turns
  Int16 heading;
};

std::string keyName(const KeyCase& press) {
  QString name = QKeySequence(press.key | press.modifiers).toString();
  name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
  return name.toStdString();
}

void PrintTo(const KeyCase& press, std::ostream* out) { *out << keyName(press); }

class KeyTest : public TableTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    pause();
    choose("p2");  // both snakes head right
  }
  Int16 heading(int player) { return player == 1 ? game().Dir1[game().Len1] : game().Dir2[game().Len2]; }
  // The widgets a key may be sent to while the main window is active.
  std::vector<QWidget*> receivers() {
    return {&table,        table.menuBar(),         table.clientArea(),
            table.board(), onClient("SpeedPic(3)"), onClient("Label1")};
  }
};

TEST_P(KeyTest, KeyTurnsItsPlayersSnakeWhateverHasTheFocus) {
  const KeyCase& press = GetParam();
  for (QWidget* receiver : receivers()) {
    choose("p2");
    QTest::keyClick(receiver, press.key, press.modifiers);
    for (const int player : {1, 2}) {
      const Int16 expected = player == press.player ? press.heading : Heading::Right;
      EXPECT_EQ(heading(player), expected)
          << "player " << player << " via " << receiver->objectName().toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest,
                         ::testing::Values(KeyCase{Qt::Key_Up, {}, 1, Heading::Up},
                                           KeyCase{Qt::Key_Down, {}, 1, Heading::Down},
                                           KeyCase{Qt::Key_Left, {}, 0, 0}, KeyCase{Qt::Key_Right, {}, 0, 0},
                                           KeyCase{Qt::Key_W, {}, 2, Heading::Up},
                                           KeyCase{Qt::Key_S, {}, 2, Heading::Down},
                                           KeyCase{Qt::Key_W, Qt::ShiftModifier, 2, Heading::Up},
                                           KeyCase{Qt::Key_S, Qt::ShiftModifier, 2, Heading::Down},
                                           KeyCase{Qt::Key_Down, Qt::KeypadModifier, 1, Heading::Down},
                                           KeyCase{Qt::Key_Space, {}, 0, 0}, KeyCase{Qt::Key_Q, {}, 0, 0},
                                           KeyCase{Qt::Key_8, {}, 0, 0}, KeyCase{Qt::Key_Return, {}, 0, 0}),
                         [](const auto& info) { return "Key_" + keyName(info.param); });

// A turn up or down first, so that the left and right keys act.
TEST_F(KeyTest, LeftAndRightKeysTurnAVerticalSnake) {
  QTest::keyClick(&table, Qt::Key_Up);
  QTest::keyClick(&table, Qt::Key_W);
  table.tick();
  QTest::keyClick(table.menuBar(), Qt::Key_Left);
  QTest::keyClick(table.menuBar(), Qt::Key_D);
  EXPECT_EQ(heading(1), Heading::Left);
  EXPECT_EQ(heading(2), Heading::Right);
}

// Nothing in the main window can take the focus away from its key handling.
TEST_F(KeyTest, NoWidgetOfTheMainWindowTakesTheFocus) {
  for (QWidget* widget : table.findChildren<QWidget*>()) {
    if (widget->window() != &table) continue;
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
  }
}

// Keys typed into other windows are theirs.
TEST_F(KeyTest, KeysInOtherWindowsDoNotSteer) {
  choose("hlp");
  ASSERT_NE(table.helpWindow(), nullptr);
  QWidget* text = child(table.helpWindow(), "Text1");
  QTest::keyClick(text, Qt::Key_Down);
  QTest::keyClick(table.helpWindow(), Qt::Key_S);
  EXPECT_EQ(heading(1), Heading::Right);
  EXPECT_EQ(heading(2), Heading::Right);
}

}  // namespace
}  // namespace ouroboard::testing
