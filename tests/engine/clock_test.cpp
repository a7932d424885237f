#include "fixture.h"

namespace ouroboard::testing {
namespace {

class ClockTest : public GameTest {
 protected:
  void SetUp() override { Load(); }

  // The highest lit step, or -1 when the lit steps are not a run from step 0.
  int LitRun() const {
    const auto& w = game.widgets;
    int top = -1;
    for (int i = 0; i < SpeedStepCount; ++i) {
      const bool lit = w.SpeedPic[i] == w.SpeedUp[i];
      if (!lit && w.SpeedPic[i] != w.SpeedDown[i]) return -1;
      if (lit && top != i - 1) return -1;
      if (lit) top = i;
    }
    return top;
  }

  void ShowSteps(int top) {
    for (int i = 0; i < SpeedStepCount; ++i)
      game.widgets.SpeedPic[i] = i <= top ? game.widgets.SpeedUp[i] : game.widgets.SpeedDown[i];
  }
};

TEST_F(ClockTest, StartUpRunsAtStepTwo) {
  EXPECT_EQ(LitRun(), 2);
  EXPECT_EQ(game.widgets.Timer1.Interval, 150);
  EXPECT_TRUE(game.widgets.Timer1.Enabled);
}

// Lit before the click, clicked step -> lit steps afterwards are always 0..clicked.
TEST_F(ClockTest, EveryKindOfSpeedClickLeavesStepsZeroToK) {
  struct Case {
    int litBefore, clicked;
  };
  const Case cases[] = {
      {4, 1},  // a lit step below the highest
      {4, 4},  // the highest lit step
      {2, 5},  // an unlit step
      {2, 6},  // step 6 while unlit
      {6, 6},  // step 6 while lit
      {6, 0}, {0, 0}, {-1, 3},
  };
  for (const Case& c : cases) {
    ShowSteps(c.litBefore);
    game.Score1 = 700;
    game.SpeedPic_Click(static_cast<Int16>(c.clicked));
    EXPECT_EQ(LitRun(), c.clicked) << "lit " << c.litBefore << " clicked " << c.clicked;
    EXPECT_EQ(game.widgets.Timer1.Interval, Game::SpeedIntervals[c.clicked]);
    EXPECT_EQ(game.Score1, 0);
    EXPECT_EQ(game.widgets.Label1, "0");
    EXPECT_EQ(game.Body1[game.Len1], 105);
  }
}

TEST_F(ClockTest, SpeedClickWhilePausedKeepsTheClockStopped) {
  game.PR_Click();
  game.SpeedPic_Click(5);
  EXPECT_FALSE(game.widgets.Timer1.Enabled);
  EXPECT_EQ(game.widgets.Timer1.Interval, 50);
}

// Out of sight a running game pauses; a stopped one stays stopped.
TEST_F(ClockTest, OutOfSightPausesButNeverResumes) {
  for (int time = 0; time < 2; ++time) {
    game.OutOfSight();
    EXPECT_FALSE(game.widgets.Timer1.Enabled);
    EXPECT_EQ(game.widgets.PRCaption(), "RESUME");
  }
}

// What the player does around Help, written as P (pause or resume), H (open
// Help) and C (close it): closing Help resumes only a game that Help paused
// and that the player has not paused or resumed since.
TEST_F(ClockTest, ClosingHelpResumesOnlyWhatHelpPaused) {
  const std::pair<const char*, bool> cases[] = {
      {"HC", true},   {"PHC", false}, {"HPC", true},  {"HPPC", false},
      {"PHPC", true}, {"HHC", true},  {"HPHC", true}, {"HCPHC", false},
  };
  for (const auto& [moves, runsAfter] : cases) {
    Load();
    for (const char* move = moves; *move != 0; ++move) {
      if (*move == 'P') game.PR_Click();
      if (*move == 'H') game.hlp_Click();
      if (*move == 'C') game.HelpClosed();
    }
    EXPECT_EQ(game.widgets.Timer1.Enabled, runsAfter) << moves;
  }
}

// Behind a lost game or a passed level the command plays on and the screen
// goes; behind the screens that end a mode it pauses and resumes the game
// running there, and the screen stays.
TEST_F(ClockTest, PauseBehindAnEndScreen) {
  for (const Picture card :
       {Picture::GameOver, Picture::LevelProceed, Picture::ClassicOver, Picture::CampaignOver}) {
    const bool endsAMode = card == Picture::ClassicOver || card == Picture::CampaignOver;
    game.widgets.EndScreen = {true, card, 1};
    game.widgets.Timer1.Enabled = endsAMode;
    game.PR_Click();
    EXPECT_EQ(game.widgets.EndScreen.Shown, endsAMode) << int(card);
    EXPECT_EQ(game.widgets.Timer1.Enabled, !endsAMode) << int(card);
    game.PR_Click();
    EXPECT_EQ(game.widgets.EndScreen.Shown, endsAMode) << int(card);
    EXPECT_EQ(game.widgets.Timer1.Enabled, endsAMode) << int(card);
    game.widgets.EndScreen = {};
  }
}

TEST_F(ClockTest, ClicksOutsideTheIndicatorAreIgnored) {
  game.Score1 = 300;
  for (const Int16 index : {Int16{-1}, Int16{7}}) game.SpeedPic_Click(index);
  EXPECT_EQ(game.Score1, 300);
  EXPECT_EQ(LitRun(), 2);
}

TEST_F(ClockTest, SnakeCrossesARowInThirtyTicks) {
  for (int tick = 0; tick < 30; ++tick) game.Timer1_Timer();
  EXPECT_EQ(game.Body1[game.Len1], 105);
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
}

// The points per item follow the interval read at the moment of eating.
TEST_F(ClockTest, ScorePerFoodItemAtEverySpeedStep) {
  const int points[] = {100, 300, 500, 700, 800, 900, 1000};
  for (int step = 0; step < SpeedStepCount; ++step) {
    game.SpeedPic_Click(static_cast<Int16>(step));
    random.QueueFood(500);
    game.FoodCell = 106;
    game.Timer1_Timer();
    EXPECT_EQ(game.Score1, static_cast<float>(points[step])) << "step " << step;
    EXPECT_EQ(game.widgets.Label1, std::to_string(points[step]));
  }
}

TEST(ScoreText, WholeScoresShowAsPlainDigits) {
  const std::pair<float, const char*> cases[] = {
      {0, "0"}, {500, "500"}, {9999900, "9999900"}, {12345678, "12345678"}, {1e9f, "1000000000"}};
  for (const auto& [score, text] : cases) EXPECT_EQ(ScoreText(score), text);
}

}  // namespace
}  // namespace ouroboard::testing
