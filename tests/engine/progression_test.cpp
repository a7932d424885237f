#include <functional>

#include "fixture.h"
#include "levels.h"

namespace ouroboard::testing {
namespace {

class ProgressionTest : public GameTest {
 protected:
  void SetUp() override { Load(); }

  void Campaign(int level, bool twoPlayers = false) {
    if (twoPlayers) game.p2_Click();
    game.cpn_Click();
    game.Level = static_cast<Int16>(level);
    game.SetObstacles();
  }
};

TEST_F(ProgressionTest, ClassicEndsAtOneHundredItems) {
  for (const int eaten : {99, 100, 101}) {
    game.classic_Click();
    game.Score1 = 4000;
    game.Len1 = 20;
    Lay(game.Body1, game.Dir1, game.Len1, 450, Heading::Right);
    game.Eaten1 = static_cast<Int16>(eaten);
    game.Timer1_Timer();
    const bool ends = eaten >= 100;
    EXPECT_EQ(game.widgets.EndScreen.Shown, ends) << eaten;
    if (!ends) continue;
    EXPECT_EQ(game.widgets.EndScreen.Background, Picture::ClassicOver);
    EXPECT_EQ(game.Caption(), "Ouroboard");
    EXPECT_TRUE(game.widgets.Timer1.Enabled);
    EXPECT_TRUE(game.widgets.MainWindowVisible);
    EXPECT_EQ(game.Score1, 4000);
    EXPECT_EQ(game.Eaten1, 0);
    EXPECT_EQ(game.Len1, Game::StartLen);
    EXPECT_EQ(game.Body1[game.Len1], 106);  // back at the start, and one move on
    game.EndScreenClicked();
  }
}

TEST_F(ProgressionTest, PlayerTwoCountsInTwoPlayerGames) {
  game.p2_Click();
  game.Eaten2 = 100;
  game.Timer1_Timer();
  EXPECT_EQ(game.widgets.EndScreen.Background, Picture::ClassicOver);
}

TEST_F(ProgressionTest, ALevelEndsAtExactlyTwentyFive) {
  for (const int eaten : {24, 26, 25}) {
    Campaign(2);
    game.Eaten1 = static_cast<Int16>(eaten);
    game.Timer1_Timer();
    EXPECT_EQ(game.widgets.EndScreen.Shown, eaten == 25) << eaten;
  }
}

// A passed level hides the board and stops the clock; the tick still makes
// its move from the start cells; the click lays out the next level.
TEST_F(ProgressionTest, PassingALevelLeadsThroughTheEndScreenToTheNext) {
  Campaign(1, true);
  game.Score1 = 2500;
  game.Eaten1 = 25;
  game.Timer1_Timer();
  const auto& w = game.widgets;
  EXPECT_EQ(game.Level, 2);
  EXPECT_EQ(game.Caption(), "Ouroboard — Level 2");
  EXPECT_EQ(w.EndScreen.Background, Picture::LevelProceed);
  EXPECT_FALSE(w.MainWindowVisible);
  EXPECT_FALSE(w.Timer1.Enabled);
  EXPECT_EQ(game.Score1, 2500);
  EXPECT_EQ(game.Body1[game.Len1], 106);
  EXPECT_EQ(game.Body2[game.Len2], 166);

  game.EndScreenClicked();
  EXPECT_TRUE(w.MainWindowVisible);
  EXPECT_TRUE(w.Timer1.Enabled);
  EXPECT_EQ(std::count(game.Obstacle.begin(), game.Obstacle.end(), True), 116);
  EXPECT_EQ(CountCells(w.Obs), 116);
}

// Help and the settings window may close while a passed level's end screen
// hides the board; the next level starts only with the click on that screen.
TEST_F(ProgressionTest, BetweenLevelsOnlyTheEndScreenStartsTheClock) {
  const std::function<void()> closings[] = {
      [this] { game.HelpClosed(); },
      [this] { game.SettingsApplied(Picture::Snake0, Picture::Snake1, Picture::Obstacle0); }};
  for (const auto& close : closings) {
    Campaign(1);
    game.Eaten1 = 25;
    game.Timer1_Timer();
    close();
    EXPECT_FALSE(game.widgets.Timer1.Enabled);
    game.EndScreenClicked();
    EXPECT_TRUE(game.widgets.Timer1.Enabled);
    EXPECT_EQ(game.Level, 2);
  }
}

// Classic always plays on the empty board, whatever level the campaign had reached.
TEST_F(ProgressionTest, ChoosingClassicClearsTheCampaignsWalls) {
  Campaign(4);
  game.classic_Click();
  EXPECT_EQ(std::count(game.Obstacle.begin(), game.Obstacle.end(), True), 0);
  game.Timer1_Timer();
  EXPECT_EQ(CountCells(game.widgets.Obs), 0);
}

TEST_F(ProgressionTest, PassingLevelSevenEndsTheCampaign) {
  Campaign(6);
  game.Eaten1 = 25;
  game.Timer1_Timer();
  EXPECT_EQ(game.Level, 7);
  EXPECT_EQ(game.widgets.EndScreen.Background, Picture::LevelProceed);
  game.EndScreenClicked();

  game.Eaten1 = 25;
  game.Timer1_Timer();
  EXPECT_EQ(game.Level, 1);
  EXPECT_EQ(game.Caption(), "Ouroboard — Level 1");
  EXPECT_EQ(game.widgets.EndScreen.Background, Picture::CampaignOver);
  EXPECT_TRUE(game.widgets.Timer1.Enabled);
  EXPECT_TRUE(game.widgets.MainWindowVisible);
  EXPECT_EQ(std::count(game.Obstacle.begin(), game.Obstacle.end(), True), 0);
}

// Whatever the random draws, the food of a new level never lies in its walls.
TEST_F(ProgressionTest, FoodOfTheNextLevelIsNeverInItsWalls) {
  for (int level = 1; level < 7; ++level) {
    for (int trial = 0; trial < 40; ++trial) {
      Campaign(level, trial % 2 == 1);
      const levels::Layout next = levels::ObstacleLayout(level + 1);
      // Offer a wall cell of the next level first; it must be refused.
      for (int cell = 100; cell < 800; ++cell)
        if (next[cell]) {
          random.queued.push_back(static_cast<float>((cell - 100 + 0.5) / 700.0));
          break;
        }
      game.Eaten1 = 25;
      game.Timer1_Timer();
      game.EndScreenClicked();
      ASSERT_EQ(game.Obstacle[game.FoodCell], False) << "level " << level + 1;
      random.queued.clear();
    }
  }
}

// Player 2 used to start inside level 3's wall and die on the first tick.
TEST_F(ProgressionTest, NoSnakeStartsInOrFacingAWall) {
  for (int level = 2; level <= 7; ++level) {
    Campaign(level - 1, true);
    game.Eaten2 = 25;
    game.Timer1_Timer();
    game.EndScreenClicked();
    ASSERT_EQ(game.Level, level);
    ASSERT_FALSE(game.widgets.EndScreen.Shown) << "level " << level;
    for (const auto* body : {&game.Body1, &game.Body2}) {
      const Int16 len = body == &game.Body1 ? game.Len1 : game.Len2;
      for (int k = 0; k <= len; ++k) EXPECT_EQ(game.Obstacle[(*body)[k]], False) << "level " << level;
      EXPECT_EQ(game.Obstacle[(*body)[len] + 1], False) << "level " << level << ": facing a wall";
    }
    const Cell start2 = level == 3 ? 195 : 165;
    EXPECT_EQ(game.Start2, start2) << "level " << level;
  }
}

}  // namespace
}  // namespace ouroboard::testing
