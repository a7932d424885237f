#include "fixture.h"

namespace ouroboard::testing {
namespace {

class CollisionTest : public GameTest {
 protected:
  void SetUp() override { LoadTwoPlayers(); }

  // Player 1 curled up in the given cells, tail first.
  void CurlPlayerOne(Int16 len, std::initializer_list<Cell> cells, Int16 heading) {
    game.Len1 = len;
    int k = 0;
    for (const Cell cell : cells) {
      game.Body1[k] = cell;
      game.Dir1[k++] = heading;
    }
    game.Moved1 = heading;
  }
};

// A square loop: the head at 400 heading down onto 430, the cell the tail
// occupies before the move.
TEST_F(CollisionTest, TheTailCellJustLeftIsSafeButTheNextIsNot) {
  CurlPlayerOne(3, {430, 431, 401, 400}, Heading::Down);
  game.MoveSnake();
  game.Collide();
  EXPECT_FALSE(game.widgets.EndScreen.Shown);

  CurlPlayerOne(4, {460, 430, 431, 401, 400}, Heading::Down);
  game.MoveSnake();
  game.Collide();
  EXPECT_TRUE(game.widgets.EndScreen.Shown);
}

TEST_F(CollisionTest, TheOtherSnakeIsNeverDeadly) {
  Lay(game.Body2, game.Dir2, game.Len2, 106, Heading::Up);  // player 2 crosses player 1's path
  game.Moved2 = Heading::Up;
  game.Body2[game.Len2] = game.Body1[game.Len1];  // and both heads share a cell
  game.Collide();
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
  for (int tick = 0; tick < 3; ++tick) game.Timer1_Timer();
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
  EXPECT_TRUE(game.widgets.Timer1.Enabled);
}

TEST_F(CollisionTest, OnePlayerNeverTestsTheIdleSnake) {
  game.p1_Click();
  game.Body2[game.Len2] = game.Body2[0];  // player 2's leftovers bite themselves
  game.Timer1_Timer();
  EXPECT_FALSE(game.widgets.EndScreen.Shown);
}

// A death resets the snakes, shows the lost game's scores, then clears them,
// returns to level 1 and stops the clock behind the game-over screen.
TEST_F(CollisionTest, GameOverStepsOnAnObstacle) {
  game.cpn_Click();
  game.Level = 5;
  game.SetObstacles();
  game.Score1 = 900;
  game.Score2 = 300;
  game.widgets.Label1 = "900";
  Lay(game.Body1, game.Dir1, game.Len1, 218, Heading::Left);  // heading for column 7's wall
  game.Moved1 = Heading::Left;
  game.FoodCell = 300;
  game.Timer1_Timer();
  const auto& w = game.widgets;
  EXPECT_TRUE(w.EndScreen.Shown);
  EXPECT_EQ(w.EndScreen.Background, Picture::GameOver);
  EXPECT_FALSE(w.Timer1.Enabled);
  EXPECT_TRUE(w.MainWindowVisible);
  EXPECT_EQ(game.Level, 1);
  EXPECT_EQ(game.Score1, 0);
  EXPECT_EQ(game.Score2, 0);
  EXPECT_EQ(w.Label1, "900");
  EXPECT_EQ(w.Label2, "300");
  EXPECT_EQ(game.Body1[game.Len1], 105);
  EXPECT_EQ(game.Obstacle[7], True);  // walls stay until the end screen is clicked
  EXPECT_EQ(game.Campaign, True);
  EXPECT_EQ(game.Eaten1, 0);

  game.EndScreenClicked();
  EXPECT_FALSE(w.EndScreen.Shown);
  EXPECT_TRUE(w.Timer1.Enabled);
  EXPECT_EQ(std::count(game.Obstacle.begin(), game.Obstacle.end(), True), 0);
}

// EatFood still runs in the tick of a death, and finds nothing: the new food
// item avoids the snakes' start cells.
TEST_F(CollisionTest, DeathTickStillEatsNothing) {
  CurlPlayerOne(4, {460, 430, 431, 401, 400}, Heading::Down);
  game.Timer1_Timer();
  EXPECT_TRUE(game.widgets.EndScreen.Shown);
  EXPECT_EQ(game.Len1, 5);
  EXPECT_EQ(game.Eaten1, 0);
}

// Either player's death ends the game for both, once per tick.
TEST_F(CollisionTest, EachPlayerAloneOrBothInOneTickEndTheGameOnce) {
  for (const auto& [playerOneHits, playerTwoHits] : {std::pair{true, false}, {false, true}, {true, true}}) {
    game.p2_Click();
    if (playerOneHits) CurlPlayerOne(4, {460, 430, 431, 401, 400}, Heading::Down);
    if (playerTwoHits) {
      game.Len2 = 4;
      const Cell ring[] = {560, 530, 531, 501, 500};
      for (int k = 0; k <= 4; ++k) game.Body2[k] = ring[k], game.Dir2[k] = Heading::Down;
    }
    const unsigned shown = game.widgets.EndScreen.ShowCount;
    game.Timer1_Timer();
    EXPECT_EQ(game.widgets.EndScreen.ShowCount, shown + 1) << playerOneHits << playerTwoHits;
    EXPECT_EQ(game.widgets.EndScreen.Background, Picture::GameOver);
  }
}

// The walls of the lost level still stand when the game restarts behind the
// end screen; player 2 starts on its own row all the same, as level 1 has it.
TEST_F(CollisionTest, DeathOnLevelThreeStartsPlayerTwoOnItsUsualRow) {
  game.cpn_Click();
  game.Level = 3;
  game.SetObstacles();
  CurlPlayerOne(4, {460, 430, 431, 401, 400}, Heading::Down);
  game.Timer1_Timer();
  ASSERT_EQ(game.widgets.EndScreen.Background, Picture::GameOver);
  EXPECT_EQ(game.Body2[0], 160);
  EXPECT_EQ(game.Body2[game.Len2], 165);
}

}  // namespace
}  // namespace ouroboard::testing
