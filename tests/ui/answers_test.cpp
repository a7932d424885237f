// Keys and windows that always answer: the clock behind the end screens, the
// end screen's keys from the main window, its task-bar entry, the shortcuts
// from every window and on every layout, and the speed keys.
#include <QPushButton>
#include <QSignalSpy>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

class AnswersTest : public TableTest {
 protected:
  // An end screen as the game puts it up: the lost game and the passed level
  // stop the clock, the passed level hides the main window.
  void putUp(Picture card) {
    const bool holds = card == Picture::GameOver || card == Picture::LevelProceed;
    game().widgets.EndScreen = {true, card, game().widgets.EndScreen.ShowCount + 1u};
    game().widgets.Timer1.Enabled = !holds;
    game().widgets.MainWindowVisible = card != Picture::LevelProceed;
    table.sync();
  }
  bool running() { return table.gameClock().isActive(); }
  bool endScreenUp() { return table.endScreen() != nullptr && table.endScreen()->isVisible(); }
};

enum class Starter { Resume, P, HelpClosed, SettingsOk, NewGame };

struct ClockCase {
  Starter starter;
  std::optional<Picture> card;
  bool endScreenStays;
  bool runs;
};

void PrintTo(const ClockCase& c, std::ostream* out) {
  *out << int(c.starter) << " on " << (c.card ? int(*c.card) : -1);
}

class ClockRuleTest : public AnswersTest, public ::testing::WithParamInterface<ClockCase> {};

// Whatever starts the clock: behind a lost game or a passed level only the
// screen's dismissal does; the screens that end a mode run the next game,
// which PAUSE and P pause there. A pause the player chose outlasts Help.
TEST_P(ClockRuleTest, OnlyTheDismissalStartsTheClockBehindAnEndScreen) {
  const ClockCase& c = GetParam();
  if (c.card)
    putUp(*c.card);
  else
    pause();
  switch (c.starter) {
    case Starter::Resume:
      choose("PR");
      break;
    case Starter::P:
      if (c.card) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(table.endScreen()));
      }
      QTest::keyClick(QApplication::activeWindow(), Qt::Key_P);
      break;
    case Starter::HelpClosed:
      choose("hlp");
      table.helpWindow()->close();
      break;
    case Starter::SettingsOk:
      choose("set");
      click(child(table.settingsWindow(), "Command1"));
      break;
    case Starter::NewGame:
      choose("NG");
      break;
  }
  settle();
  EXPECT_EQ(endScreenUp(), c.endScreenStays);
  EXPECT_EQ(running(), c.runs);
  EXPECT_EQ(table.isVisible(), !endScreenUp() || c.card != Picture::LevelProceed);
}

std::vector<ClockCase> clockCases() {
  std::vector<ClockCase> cases;
  const std::optional<Picture> cards[] = {std::nullopt, Picture::GameOver, Picture::LevelProceed,
                                          Picture::ClassicOver, Picture::CampaignOver};
  for (const Starter starter :
       {Starter::Resume, Starter::P, Starter::HelpClosed, Starter::SettingsOk, Starter::NewGame})
    for (const auto& card : cards) {
      const bool holds = card == Picture::GameOver || card == Picture::LevelProceed;
      const bool pauseCommand = starter == Starter::Resume || starter == Starter::P;
      const bool pauses = pauseCommand && card && !holds;  // the game behind the screen
      const bool closes = starter == Starter::NewGame || (pauseCommand && !pauses);
      const bool stays = card.has_value() && !closes;
      const bool playerPaused = !card && starter == Starter::HelpClosed;  // before Help opened
      cases.push_back({starter, card, stays, !(holds && stays) && !pauses && !playerPaused});
    }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Answers, ClockRuleTest, ::testing::ValuesIn(clockCases()));

TEST_F(AnswersTest, EndScreenKeysWorkFromTheMainWindowAndRestoringHandsItTheKeyboard) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
    putUp(Picture::GameOver);
    QTest::keyClick(&table, key);
    EXPECT_FALSE(shown().EndScreen.Shown) << key;
    settle();
  }
  putUp(Picture::GameOver);
  table.showMinimized();
  table.showNormal();
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == table.endScreen(); }, 1000));
}

// The desktop hands a restored main window the keyboard; the game passes it
// on to the Help window open over it.
TEST_F(AnswersTest, RestoringBringsAnOpenHelpBackWithTheKeyboard) {
  choose("hlp");
  ASSERT_TRUE(QTest::qWaitForWindowActive(table.helpWindow()));
  table.showMinimized();
  table.activateWindow();
  table.showNormal();
  EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == table.helpWindow(); }, 1000));
}

// A click on a speed bar asks the game as the speed keys do, through the intents.
TEST_F(AnswersTest, ASpeedBarClickGoesThroughTheIntents) {
  QSignalSpy asked(&table.intents(), &Intents::asked);
  click(onClient(QStringLiteral("SpeedPic(4)")));
  EXPECT_EQ(asked.size(), 1);
  EXPECT_EQ(table.gameClock().interval(), Game::SpeedIntervals[4]);
}

TEST_F(AnswersTest, APassedLevelAloneOnTheScreenHasItsOwnTaskBarEntry) {
  putUp(Picture::LevelProceed);
  EXPECT_EQ(table.endScreen()->windowType(), Qt::Window);
  EXPECT_EQ(table.endScreen()->parent(), nullptr);
  EXPECT_EQ(table.endScreen()->windowTitle(), QGuiApplication::applicationDisplayName());
  choose("PR");
  settle();
  putUp(Picture::GameOver);
  EXPECT_EQ(table.endScreen()->windowType(), Qt::Tool);
}

// Each command's key from each window; on the end screen they also dismiss it.
TEST_F(AnswersTest, ShortcutsAnswerFromEveryWindow) {
  QObject::disconnect(action("ext"), &QAction::triggered, &table, nullptr);
  const std::pair<const char*, QKeyCombination> commands[] = {{"ext", Qt::CTRL | Qt::Key_Q},
                                                              {"hlp", QKeyCombination(Qt::Key_F1)},
                                                              {"NG", QKeyCombination(Qt::Key_F2)},
                                                              {"PR", QKeyCombination(Qt::Key_P)}};
  const std::function<QWidget*()> windows[] = {
      [this] {
        choose("hlp");
        return static_cast<QWidget*>(table.helpWindow()->focusWidget());
      },
      [this] {
        choose("set");
        return static_cast<QWidget*>(table.settingsWindow());
      },
      [this] {
        putUp(Picture::GameOver);
        EXPECT_TRUE(QTest::qWaitForWindowActive(table.endScreen()));
        return static_cast<QWidget*>(table.endScreen());
      }};
  for (const auto& open : windows) {
    for (const auto& [name, keys] : commands) {
      QWidget* window = open();
      QSignalSpy chosen(action(name), &QAction::triggered);
      QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
      EXPECT_EQ(chosen.size(), 1) << name << " from " << window->objectName().toStdString();
      for (QWidget* other : std::initializer_list<QWidget*>{table.helpWindow(), table.settingsWindow()})
        if (other) other->close();
      if (shown().EndScreen.Shown) choose("PR");
      settle();
    }
  }
}

struct PlaceCase {
  int key;
  Qt::KeyboardModifiers modifiers;
  quint32 scanCode;
  std::string_view chooses;  // empty: nothing
};

// Where the layout types no Latin letter, P and Ctrl+Q sit at their US places,
// on the main window and in Help's text alike.
TEST_F(AnswersTest, LetterShortcutsByPlaceWhereTheLayoutHasNoLatinLetter) {
  QObject::disconnect(action("ext"), &QAction::triggered, &table, nullptr);
  choose("hlp");
  const PlaceCase cases[] = {
      {0x0417, {}, 33, "PR"},                               // Russian Ze
      {0x03C0, {}, 33, "PR"},                               // Greek pi
      {0x0419, Qt::ControlModifier, 24, "ext"},             // Russian Short I
      {Qt::Key_Semicolon, Qt::ControlModifier, 24, "ext"},  // Greek
      {0x0419, {}, 24, ""},
      {Qt::Key_A, Qt::ControlModifier, 24, ""},  // AZERTY: Ctrl+A
  };
  for (QWidget* target : {static_cast<QWidget*>(&table), table.helpWindow()->focusWidget()})
    for (const PlaceCase& c : cases) {
      QSignalSpy pause(action("PR"), &QAction::triggered), exit(action("ext"), &QAction::triggered);
      QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, 0, 0);
      QApplication::sendEvent(target, &press);
      EXPECT_EQ(pause.size(), c.chooses == "PR" ? 1 : 0) << c.key;
      EXPECT_EQ(exit.size(), c.chooses == "ext" ? 1 : 0) << c.key;
    }
}

// As a click on the next or previous bar; nothing beyond either end.
TEST_F(AnswersTest, PlusAndMinusStepTheSpeed) {
  const struct {
    int from;
    Qt::Key key;
    int to;
  } cases[] = {{0, Qt::Key_Minus, 0}, {0, Qt::Key_Plus, 1}, {3, Qt::Key_Equal, 4},
               {3, Qt::Key_Minus, 2}, {6, Qt::Key_Plus, 6}, {6, Qt::Key_Minus, 5}};
  for (const auto& c : cases) {
    click(onClient(QStringLiteral("SpeedPic(%1)").arg(c.from)));
    game().Score1 = 500;
    QTest::keyClick(&table, c.key);
    EXPECT_EQ(table.gameClock().interval(), Game::SpeedIntervals[c.to]) << c.from << " " << c.key;
    EXPECT_EQ(game().Score1, c.from == c.to ? 500 : 0) << "a step restarts the game";
  }
}

}  // namespace
}  // namespace ouroboard::testing
