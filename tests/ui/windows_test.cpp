// The settings window, the help window and the end screen, driven through
// the main window as a player would.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

class SettingsTest : public TableTest {
 protected:
  Settings* open() {
    choose("p2");
    game().Score1 = 800;
    game().Score2 = 300;
    table.game().Reset();
    table.sync();
    choose("set");
    Settings* window = table.settingsWindow();
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000));
    return window;
  }
  QWidget* choice(Settings* window, const char* row, int index) {
    return child(window, QStringLiteral("%1(%2)").arg(QLatin1String(row)).arg(index));
  }
  QString label(const char* name) { return child<QLabel>(table.clientArea(), QLatin1String(name))->text(); }
  static void type(Settings* window, std::initializer_list<Qt::Key> keys) {
    for (const Qt::Key key : keys) QTest::keyClick(window->focusWidget(), key);
  }
  QImage looks(Settings* window) { return window->grab(child(window, "SB")->geometry()).toImage(); }
};

TEST_F(SettingsTest, OpensOnAStoppedClockWithThePicturesInUse) {
  Settings* window = open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "SETTINGS");
  EXPECT_EQ(window->windowType(), Qt::Tool) << "no task-bar entry";
  EXPECT_FALSE(window->isModal());
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_TRUE(shows(child(window, "SBF"), Picture::Snake4));
  EXPECT_TRUE(shows(child(window, "SBF2"), Picture::Snake1));
  EXPECT_TRUE(shows(child(window, "SOF"), Picture::Obstacle2));
  for (int i = 0; i < SnakePictureCount; ++i) {
    EXPECT_TRUE(shows(choice(window, "SB", i), SnakePicture(i)));
    EXPECT_TRUE(shows(choice(window, "SB2", i), SnakePicture(i)));
  }
  for (int i = 0; i < ObstaclePictureCount; ++i)
    EXPECT_TRUE(shows(choice(window, "SO", i), ObstaclePicture(i)));
  // The rows take the focus from the Tab key alone, so a click leaves it on OK.
  const std::map<QString, Qt::FocusPolicy> focusable = {
      {"SB", Qt::TabFocus}, {"SB2", Qt::TabFocus}, {"SO", Qt::TabFocus}, {"Command1", Qt::StrongFocus}};
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const auto policy = focusable.find(widget->objectName());
    EXPECT_EQ(widget->focusPolicy(), policy == focusable.end() ? Qt::NoFocus : policy->second)
        << widget->objectName().toStdString();
  }
  EXPECT_EQ(child(window, "Command1")->toolTip(), "OK");
}

TEST_F(SettingsTest, OkAppliesTheLastChoiceOfEachRowAndRestarts) {
  Settings* window = open();
  ASSERT_NE(window, nullptr);
  click(choice(window, "SB", 0));
  click(choice(window, "SB", 2));
  click(choice(window, "SB2", 3));
  click(choice(window, "SO", 6));
  click(choice(window, "SO", 5));
  EXPECT_TRUE(shows(child(window, "SBF"), Picture::Snake2));
  EXPECT_TRUE(shows(child(window, "SBF2"), Picture::Snake3));
  EXPECT_TRUE(shows(child(window, "SOF"), Picture::Obstacle5));
  EXPECT_EQ(shown().SBlock, Picture::Snake4) << "nothing applies before OK";

  click(child(window, "Command1"));
  settle();
  EXPECT_EQ(table.settingsWindow(), nullptr);
  EXPECT_EQ(shown().SBlock, Picture::Snake2);
  EXPECT_EQ(shown().IM2P, Picture::Snake3);
  EXPECT_EQ(shown().Obs, Picture::Obstacle5);
  EXPECT_EQ(game().Score1, 0);
  EXPECT_EQ(label("Label1"), "0");
  EXPECT_EQ(label("Label2"), "0");
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_EQ(action("PR")->text(), "PAUSE");
  EXPECT_EQ(shown().TableBlock[Game::PlayerOneStart], Picture::Snake2)
      << "the restart paints with the new snake";
}

// Each row chosen by the keys alone, and a screen reader told which; Return
// on OK applies; no arrow steers.
TEST_F(SettingsTest, KeysChooseInEachRowAndReturnOnOkApplies) {
  Settings* window = open();
  ASSERT_NE(window, nullptr);
  type(window, {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space});
  type(window, {Qt::Key_Tab, Qt::Key_End, Qt::Key_Return});
  type(window,
       {Qt::Key_Tab, Qt::Key_End, Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Enter});
  EXPECT_TRUE(shows(child(window, "SBF"), Picture::Snake2));
  EXPECT_TRUE(shows(child(window, "SBF2"), Picture::Snake4));
  EXPECT_TRUE(shows(child(window, "SOF"), Picture::Obstacle4));
  EXPECT_EQ(child(window, "SB(2)")->accessibleName(), "Player 1 snake, picture 3 of 5");
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(child(window, "SB(2)"))->state().checked);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(child(window, "SB(4)"))->state().checked);
  EXPECT_EQ(game().Dir1[game().Len1], Heading::Right);
  type(window, {Qt::Key_Tab, Qt::Key_Return});
  settle();
  EXPECT_EQ(shown().SBlock, Picture::Snake2);
  EXPECT_EQ(shown().IM2P, Picture::Snake4);
  EXPECT_EQ(shown().Obs, Picture::Obstacle4);
}

// Clicks leave the window as it looked; the keyboard's focus, or a key, marks a picture.
TEST_F(SettingsTest, OnlyTheKeyboardMarksAPicture) {
  for (const Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::TabFocusReason, Qt::BacktabFocusReason}) {
    Settings* window = open();
    ASSERT_NE(window, nullptr);
    const QImage before = window->grab().toImage(), row = looks(window);
    click(choice(window, "SB", 0));
    click(choice(window, "SB", 4));  // back to the picture in use
    EXPECT_EQ(window->grab().toImage(), before);
    child(window, "SB")->setFocus(reason);
    EXPECT_EQ(looks(window) != row, reason != Qt::MouseFocusReason) << reason;
    type(window, {Qt::Key_Right});
    EXPECT_NE(looks(window), row) << reason;
    window->close();
    settle();
  }
}

TEST_F(SettingsTest, ChoosingSettingsTwiceKeepsOneWindow) {
  Settings* window = open();
  choose("set");
  settle();
  EXPECT_EQ(table.settingsWindow(), window);
  EXPECT_EQ(table.findChildren<Settings*>().size(), 1);
}

// Closing by the close box applies nothing, keeps the scores and leaves the
// game paused; the next opening starts from the pictures in use again, and
// shows the same OK picture instead of loading it anew.
TEST_F(SettingsTest, CloseBoxAppliesNothingAndKeepsTheScores) {
  Settings* window = open();
  ASSERT_NE(window, nullptr);
  const qint64 okIcon = child<QPushButton>(window, "Command1")->icon().cacheKey();
  click(choice(window, "SB", 0));
  click(choice(window, "SO", 0));
  window->close();
  settle();
  EXPECT_EQ(table.settingsWindow(), nullptr);
  EXPECT_EQ(shown().SBlock, Picture::Snake4);
  EXPECT_EQ(shown().Obs, Picture::Obstacle2);
  EXPECT_EQ(game().Score1, 800);
  EXPECT_EQ(game().Score2, 300);
  EXPECT_EQ(label("Label1"), "800");
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_EQ(action("PR")->text(), "RESUME");

  choose("set");
  ASSERT_NE(table.settingsWindow(), nullptr);
  EXPECT_TRUE(shows(child(table.settingsWindow(), "SBF"), Picture::Snake4));
  EXPECT_EQ(child<QPushButton>(table.settingsWindow(), "Command1")->icon().cacheKey(), okIcon);
}

TEST_F(TableTest, HelpStopsTheClockAndItsClosingRestartsIt) {
  choose("hlp");
  HlpFrm* help = table.helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Help");
  EXPECT_FALSE(help->isModal());
  EXPECT_FALSE(table.gameClock().isActive());
  auto* text = child<QPlainTextEdit>(help, "Text1");
  EXPECT_EQ(help->focusWidget(), text);
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_EQ(text->toPlainText(), helpText());
  EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QScrollBar* bar = text->verticalScrollBar();
  QTest::keyClick(text, Qt::Key_PageDown);
  const int page = bar->value();
  EXPECT_GE(page, bar->pageStep());
  QTest::keyClick(text, Qt::Key_Down);
  EXPECT_EQ(bar->value(), page + 1) << "the arrows scroll the text";

  // Choosing Help again brings the same window forward and stops the clock again.
  choose("PR");
  ASSERT_TRUE(table.gameClock().isActive());
  choose("hlp");
  EXPECT_EQ(table.helpWindow(), help);
  EXPECT_FALSE(table.gameClock().isActive());

  help->close();
  settle();
  EXPECT_EQ(table.helpWindow(), nullptr);
  EXPECT_TRUE(table.gameClock().isActive());
}

// A pause the player chose, before Help or with P in it, outlasts Help; the
// pause that Help made ends with it. The pause item names what it will do.
TEST_F(TableTest, ClosingHelpResumesOnlyAGameThatHelpPaused) {
  const struct {
    bool pausedBefore;
    int pInHelp;
    bool runsAfter;
  } cases[] = {{false, 0, true}, {true, 0, false}, {false, 2, false}, {true, 1, true}};
  for (const auto& c : cases) {
    if (c.pausedBefore == table.gameClock().isActive()) choose("PR");
    choose("hlp");
    ASSERT_NE(table.helpWindow(), nullptr);
    for (int i = 0; i < c.pInHelp; ++i) QTest::keyClick(table.helpWindow()->focusWidget(), Qt::Key_P);
    table.helpWindow()->close();
    settle();
    EXPECT_EQ(table.gameClock().isActive(), c.runsAfter) << c.pausedBefore << c.pInHelp;
    EXPECT_EQ(action("PR")->text(), c.runsAfter ? "PAUSE" : "RESUME");
  }
}

class EndScreenTest : public TableTest {
 protected:
  EndScreen* endScreen() {
    EndScreen* screen = table.endScreen();
    EXPECT_NE(screen, nullptr);
    if (screen != nullptr) {
      EXPECT_TRUE(screen->isVisible());
    }
    return screen;
  }
  void dismiss() {
    const QPointer<EndScreen> screen = endScreen();
    if (screen == nullptr) return;
    // A click anywhere counts, the frame included.
    QTest::mouseClick(screen, Qt::LeftButton, {}, QPoint(0, 0));
    settle();
    EXPECT_EQ(table.endScreen(), nullptr);
    EXPECT_TRUE(screen.isNull()) << "the window is destroyed";
  }
};

TEST_F(EndScreenTest, DeathShowsGameOverAndAClickResumesAtLevelOne) {
  choose("cpn");
  pause();
  game().Level = 5;
  game().SetObstacles();
  game().Score1 = 500;
  crashPlayerOne();
  EndScreen* screen = endScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_TRUE(shows(screen->picture(), Picture::GameOver));
  EXPECT_EQ(screen->windowType(), Qt::Tool);
  EXPECT_TRUE(screen->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_TRUE(table.isVisible());
  EXPECT_FALSE(screen->close()) << "only a click dismisses it";

  dismiss();
  EXPECT_EQ(game().Level, 1);
  EXPECT_EQ(game().Obstacle[0], False) << "level 1 has no walls";
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_TRUE(table.isVisible());
}

TEST_F(EndScreenTest, PassedLevelHidesTheMainWindowUntilTheClick) {
  choose("cpn");
  game().Eaten1 = 25;
  table.tick();
  EndScreen* screen = endScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_TRUE(shows(screen->picture(), Picture::LevelProceed));
  EXPECT_FALSE(table.isVisible());
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_EQ(game().Level, 2);

  dismiss();
  EXPECT_TRUE(table.isVisible());
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_EQ(shown().TableBlock[0], shown().Obs) << "level 2's walls are laid";
}

// "New Game" starts play on the board, not behind the game-over screen.
TEST_F(EndScreenTest, NewGameClosesTheEndScreen) {
  crashPlayerOne();
  ASSERT_NE(endScreen(), nullptr);
  choose("NG");
  settle();
  EXPECT_EQ(table.endScreen(), nullptr);
  EXPECT_TRUE(table.isVisible());
  EXPECT_TRUE(table.gameClock().isActive());
}

// A completed classic game leaves the clock running behind the end screen;
// a death behind it replaces the picture in the same window.
TEST_F(EndScreenTest, ClassicOverKeepsPlayingBehindTheScreen) {
  game().Eaten1 = 100;
  table.tick();
  EndScreen* screen = endScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_TRUE(shows(screen->picture(), Picture::ClassicOver));
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_TRUE(table.isVisible());

  crashPlayerOne();
  EXPECT_EQ(table.endScreen(), screen);
  EXPECT_TRUE(shows(screen->picture(), Picture::GameOver));
  EXPECT_FALSE(table.gameClock().isActive());

  dismiss();
  EXPECT_TRUE(table.gameClock().isActive());
}

}  // namespace
}  // namespace ouroboard::testing
