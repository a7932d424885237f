// The game played from the keyboard alone: shortcuts, the menu bar, the end
// screen, closing windows, pausing when nobody watches, and the title.
#include "input/keyboard.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

class KeyboardTest : public TableTest {
 protected:
  Int16 heading1() { return game().Dir1[game().Len1]; }
  QMenu* options() { return table.menuBar()->findChild<QMenu*>("opt"); }
  // A window's keys work once the window is the active one.
  static bool becomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
  }
  bool waitForClock(bool running) {
    return QTest::qWaitFor([&] { return table.gameClock().isActive() == running; }, 1000);
  }
};

struct ShortcutCase {
  QKeyCombination keys;
  const char* action;
  const char* caption;
};

// Each shortcut chooses its menu item, whose caption stays the game's own.
TEST_F(KeyboardTest, ShortcutsChooseTheirCommands) {
  const ShortcutCase cases[] = {
      {Qt::Key_P, "PR", "RESUME"}, {Qt::Key_Pause, "PR", "PAUSE"},        {Qt::Key_F2, "NG", "New Game"},
      {Qt::Key_F1, "hlp", "Help"}, {Qt::CTRL | Qt::Key_Q, "ext", "Exit"},
  };
  // Exit would end the test program; that it ends the game is shown end to end.
  QObject::disconnect(action("ext"), &QAction::triggered, &table, nullptr);
  for (const ShortcutCase& shortcut : cases) {
    QAction* item = action(shortcut.action);
    QSignalSpy chosen(item, &QAction::triggered);
    QTest::keyClick(&table, shortcut.keys.key(), shortcut.keys.keyboardModifiers());
    EXPECT_EQ(chosen.size(), 1) << shortcut.action;
    EXPECT_EQ(item->text(), shortcut.caption);
    if (QWidget* help = table.helpWindow()) help->close();
    settle();
  }
  EXPECT_EQ(action("NG")->shortcut().toString(), "F2") << "shown beside the caption";
}

// Alt alone leaves the menu bar alone: the arrows still steer.
TEST_F(KeyboardTest, LoneAltLeavesTheArrowsSteering) {
  pause();
  QTest::keyClick(&table, Qt::Key_Alt);
  EXPECT_EQ(table.menuBar()->activeAction(), nullptr);
  QTest::keyClick(&table, Qt::Key_Up);
  EXPECT_EQ(heading1(), Heading::Up);
}

TEST_F(KeyboardTest, F10OpensOptions) {
  QTest::keyClick(&table, Qt::Key_F10);
  EXPECT_EQ(table.menuBar()->activeAction(), options()->menuAction());
  EXPECT_TRUE(options()->isVisible());
  options()->hide();
}

// Any of the four keys dismisses the end screen as a click would; before
// that, the steering keys set the first turn of the next level.
TEST_F(KeyboardTest, EndScreenKeysDismissAndSteeringKeysReachTheGame) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
    choose("cpn");
    game().Eaten1 = 25;
    table.tick();
    const QPointer<EndScreen> screen = table.endScreen();
    ASSERT_NE(screen, nullptr);
    QTest::keyClick(screen, Qt::Key_Down);
    EXPECT_EQ(heading1(), Heading::Down);
    EXPECT_FALSE(screen.isNull());
    QTest::keyClick(screen, key);
    settle();
    EXPECT_TRUE(screen.isNull()) << QKeySequence(key).toString().toStdString();
    EXPECT_TRUE(table.isVisible());
    EXPECT_TRUE(table.gameClock().isActive());
    EXPECT_EQ(game().Level, 2);
  }
}

TEST_F(KeyboardTest, EscapeClosesHelpAndRestartsTheClock) {
  choose("hlp");
  const QPointer<HlpFrm> help = table.helpWindow();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(becomesActive(help));
  QTest::keyClick(child(help, "Text1"), Qt::Key_Escape);
  settle();
  EXPECT_TRUE(help.isNull());
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_TRUE(becomesActive(&table)) << "the arrows steer at once";
}

// Escape on Settings is its close box: nothing applies, the clock stays stopped.
TEST_F(KeyboardTest, EscapeClosesSettingsWithoutApplying) {
  choose("set");
  const QPointer<Settings> settings = table.settingsWindow();
  ASSERT_NE(settings, nullptr);
  ASSERT_TRUE(becomesActive(settings));
  click(child(settings, "SB(0)"));
  QTest::keyClick(settings, Qt::Key_Tab);  // into a row, which leaves Escape alone
  QTest::keyClick(settings->focusWidget(), Qt::Key_Escape);
  settle();
  EXPECT_TRUE(settings.isNull());
  EXPECT_EQ(shown().SBlock, Picture::Snake4);
  EXPECT_FALSE(table.gameClock().isActive());
  EXPECT_TRUE(becomesActive(&table)) << "P resumes at once";
}

// Minimised, or with none of the game's windows active, a running game
// pauses and waits for the player to resume it.
TEST_F(KeyboardTest, GamePausesWhenMinimisedOrDeactivated) {
  table.showMinimized();
  EXPECT_TRUE(waitForClock(false));
  EXPECT_EQ(action("PR")->text(), "RESUME");
  table.showNormal();
  table.activateWindow();
  choose("PR");

  table.hide();
  EXPECT_TRUE(waitForClock(false));
  EXPECT_EQ(action("PR")->text(), "RESUME");
  table.show();
  QTest::qWait(50);
  EXPECT_FALSE(table.gameClock().isActive()) << "resuming is the player's choice";
}

// A classic game's end screen takes the focus and gives it back: the game
// plays on behind it throughout.
TEST_F(KeyboardTest, FocusMovingBetweenTheGamesWindowsKeepsPlaying) {
  game().Eaten1 = 100;
  table.tick();
  ASSERT_NE(table.endScreen(), nullptr);
  QTest::keyClick(table.endScreen(), Qt::Key_Space);
  settle();
  QTest::qWait(50);
  EXPECT_TRUE(table.gameClock().isActive());
}

TEST_F(KeyboardTest, CampaignTitleNamesTheLevel) {
  EXPECT_EQ(table.windowTitle(), "Ouroboard");
  choose("cpn");
  EXPECT_EQ(table.windowTitle(), "Ouroboard — Level 1");
  game().Eaten1 = 25;
  table.tick();
  EXPECT_EQ(table.windowTitle(), "Ouroboard — Level 2");
  choose("classic");
  EXPECT_EQ(table.windowTitle(), "Ouroboard");
}

struct PlaceCase {
  Qt::Key key;
  quint32 scanCode;
  std::optional<Int16> steers;
};

// Player 2's keys are found by where they sit; the arrows and, without a
// scan code, the letters by name.
TEST(SteeringKeyCode, PlayerTwoKeysByPlace) {
  const PlaceCase cases[] = {
      {Qt::Key_W, 25, Key::W},
      {Qt::Key_Z, 25, Key::W},                     // AZERTY
      {static_cast<Qt::Key>(0x0426), 25, Key::W},  // Russian
      {Qt::Key_A, 38, Key::A},
      {Qt::Key_Q, 38, Key::A},
      {Qt::Key_S, 39, Key::S},
      {Qt::Key_D, 40, Key::D},
      {Qt::Key_W, 52, std::nullopt},  // AZERTY's W sits at Z
      {Qt::Key_A, 24, std::nullopt},
      {Qt::Key_W, 0, Key::W},
      {Qt::Key_Up, 111, Key::UpArrow},
      {Qt::Key_Left, 0, Key::LeftArrow},
      {Qt::Key_P, 33, std::nullopt},
  };
  for (const PlaceCase& place : cases) {
    const QKeyEvent press(QEvent::KeyPress, place.key, {}, place.scanCode, 0, 0);
    EXPECT_EQ(steeringKeyCode(press), place.steers) << "scan code " << place.scanCode;
  }
}

}  // namespace
}  // namespace ouroboard::testing
