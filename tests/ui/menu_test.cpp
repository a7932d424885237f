// The menu bar: its tree, the commands' effect on the game and on the marks,
// the pause item's caption and the speed indicator.
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

QStringList captions(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* item : actions) texts << item->text();
  return texts;
}

TEST_F(TableTest, MenuTreeHasTheItemsInOrder) {
  EXPECT_EQ(captions(table.menuBar()->actions()), (QStringList{"Options", "Help", "PAUSE"}));
  auto* opt = child<QMenu>(&table, QStringLiteral("opt"));
  auto* aa = child<QMenu>(&table, QStringLiteral("aa"));
  auto* mde = child<QMenu>(&table, QStringLiteral("mde"));
  auto* skill = child<QMenu>(&table, QStringLiteral("skill"));
  EXPECT_EQ(captions(opt->actions()),
            (QStringList{"New Game", "Players", "Mode", "Computer Skill", "Settings", "Exit"}));
  EXPECT_EQ(captions(aa->actions()), (QStringList{"1 Player", "2 Player", "Against the Computer"}));
  EXPECT_EQ(captions(mde->actions()), (QStringList{"Classic", "Campaign"}));
  EXPECT_EQ(captions(skill->actions()), (QStringList{"Easy", "Normal", "Hard"}));
}

TEST_F(TableTest, StartsAsOnePlayerClassicGameAtStepTwo) {
  for (const char* name : {"p1", "classic", "normal"}) EXPECT_TRUE(action(name)->isChecked()) << name;
  for (const char* name : {"p2", "pc", "cpn", "easy", "hard"}) EXPECT_FALSE(action(name)->isChecked()) << name;
  EXPECT_EQ(action("PR")->text(), "PAUSE");
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_EQ(table.gameClock().interval(), 150);
  EXPECT_EQ(table.gameClock().timerType(), Qt::PreciseTimer);
  for (int i = 0; i < SpeedStepCount; ++i) {
    const Picture expected = i <= 2 ? SpeedLitPicture(i) : SpeedUnlitPicture(i);
    EXPECT_TRUE(shows(onClient(QStringLiteral("SpeedPic(%1)").arg(i)), expected)) << i;
  }
  EXPECT_EQ(child<QLabel>(table.clientArea(), "Label1")->text(), "0");
  EXPECT_FALSE(onClient("Image4")->isVisible());
  EXPECT_FALSE(onClient("Label2")->isVisible());
}

struct ChoiceCase {
  const char* item;
  const char* other;  // the item whose mark goes off
  bool onePlayer;
  bool campaign;
};

void PrintTo(const ChoiceCase& choice, std::ostream* out) { *out << choice.item; }

class ChoiceTest : public TableTest, public ::testing::WithParamInterface<ChoiceCase> {};

// Choosing an item, also when it is marked already, leaves exactly it marked,
// restarts the game and leaves the clock as it was.
TEST_P(ChoiceTest, MarksTheChoiceAndRestartsWithoutTouchingTheClock) {
  const ChoiceCase& choice = GetParam();
  for (const bool running : {true, false}) {
    if (!running) pause();
    for (int time = 0; time < 2; ++time) {
      game().Score1 = 800;
      choose(choice.item);
      EXPECT_TRUE(action(choice.item)->isChecked());
      EXPECT_FALSE(action(choice.other)->isChecked());
      EXPECT_EQ(game().Score1, 0);
      EXPECT_EQ(game().Body1[Game::StartLen], Game::PlayerOneStart);
      EXPECT_EQ(table.gameClock().isActive(), running);
      EXPECT_EQ(action("PR")->text(), running ? "PAUSE" : "RESUME");
    }
  }
  if (choice.onePlayer) {
    EXPECT_EQ(game().OnePlayer, True);
  } else if (std::string(choice.item) == "p2") {
    EXPECT_EQ(game().OnePlayer, False);
    EXPECT_TRUE(onClient("Image4")->isVisible());
    EXPECT_TRUE(onClient("Label2")->isVisible());
  }
  if (choice.campaign) {
    EXPECT_EQ(game().Campaign, True);
  }
}

INSTANTIATE_TEST_SUITE_P(Items, ChoiceTest,
                         ::testing::Values(ChoiceCase{"p1", "p2", true, false},
                                           ChoiceCase{"p2", "p1", false, false},
                                           ChoiceCase{"classic", "cpn", true, false},
                                           ChoiceCase{"cpn", "classic", true, true}),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(TableTest, PauseItemOnTheBarTogglesTheClockAndNamesItsNextEffect) {
  QMenuBar* bar = table.menuBar();
  QAction* pr = action("PR");
  for (const bool runningAfter : {false, true, false}) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(pr).center());
    EXPECT_EQ(table.gameClock().isActive(), runningAfter);
    EXPECT_EQ(pr->text(), runningAfter ? "PAUSE" : "RESUME");
  }
}

TEST_F(TableTest, NewGameRestartsTheModeInForceAndStartsTheClock) {
  choose("cpn");
  pause();
  game().Score1 = 900;
  game().Level = 4;
  choose("NG");
  EXPECT_EQ(game().Campaign, True);
  EXPECT_EQ(game().Level, 1);
  EXPECT_EQ(game().Score1, 0);
  EXPECT_TRUE(action("cpn")->isChecked());
  EXPECT_TRUE(table.gameClock().isActive());
  EXPECT_EQ(action("PR")->text(), "PAUSE");
}

struct SpeedCase {
  std::vector<int> clicks;
  int litSteps;
  int interval;
};

std::string speedName(const SpeedCase& speed) {
  std::string name = "step";
  for (const int step : speed.clicks) name.append(1, '_').append(std::to_string(step));
  return name;
}

void PrintTo(const SpeedCase& speed, std::ostream* out) { *out << speedName(speed); }

class SpeedTest : public TableTest, public ::testing::WithParamInterface<SpeedCase> {};

// Clicks with the mouse on the bars; afterwards exactly the steps up to the
// last one clicked are lit, and the bars stand on one line.
TEST_P(SpeedTest, ClickLightsStepsUpToTheClickedOne) {
  const SpeedCase& speed = GetParam();
  pause();
  for (const int step : speed.clicks) {
    game().Score1 = 700;
    click(onClient(QStringLiteral("SpeedPic(%1)").arg(step)));
  }
  for (int i = 0; i < SpeedStepCount; ++i) {
    QWidget* bar = onClient(QStringLiteral("SpeedPic(%1)").arg(i));
    const Picture expected = i < speed.litSteps ? SpeedLitPicture(i) : SpeedUnlitPicture(i);
    EXPECT_TRUE(shows(bar, expected)) << "step " << i;
    EXPECT_EQ(bar->geometry().bottom() + 1, 184) << "step " << i;
  }
  EXPECT_EQ(table.gameClock().interval(), speed.interval);
  EXPECT_FALSE(table.gameClock().isActive()) << "a speed click does not resume a paused game";
  EXPECT_EQ(child<QLabel>(table.clientArea(), "Label1")->text(), "0");
}

// The click cases themselves are the engine's; these check the mouse reaches them.
INSTANTIATE_TEST_SUITE_P(Clicks, SpeedTest,
                         ::testing::Values(SpeedCase{{0}, 1, 250}, SpeedCase{{6, 6}, 7, 25},
                                           SpeedCase{{6, 3}, 4, 100}),
                         [](const auto& info) { return speedName(info.param); });

// Exit and the close box end the program at once, also while another
// window is open.
TEST_F(TableTest, ExitAndTheCloseBoxEndTheEventLoop) {
  for (const bool byCloseBox : {false, true}) {
    choose("hlp");
    QTimer::singleShot(0, &table, [this, byCloseBox] {
      if (byCloseBox)
        table.close();
      else
        choose("ext");
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    table.show();
  }
}

}  // namespace
}  // namespace ouroboard::testing
