#include "fixture.h"

namespace ouroboard::testing {
namespace {

class PaintingTest : public GameTest {};

TEST_F(PaintingTest, StartUpShowsOnlyTheFoodOnTheBackground) {
  Load();
  const auto& w = game.widgets;
  for (int i = 0; i < CellCount; ++i) {
    const Picture expected = i == game.FoodCell ? w.FBlock : Picture::Empty;
    ASSERT_EQ(w.TableBlock[i], expected) << "cell " << i;
  }
  EXPECT_EQ(game.Level, 1);
  EXPECT_EQ(game.Campaign, False);
  EXPECT_EQ(game.OnePlayer, True);
  EXPECT_TRUE(w.classicChecked && w.p1Checked);
  EXPECT_FALSE(w.cpnChecked || w.p2Checked);
  EXPECT_EQ(w.Label1, "0");
  EXPECT_FALSE(w.Image4Visible || w.Label2Visible);
}

TEST_F(PaintingTest, ResetLaysOutBothSnakesAndLeavesTheRestToMinusOne) {
  LoadTwoPlayers();
  for (int k = 0; k < CellCount; ++k) {
    const bool used = k <= 5;
    ASSERT_EQ(game.Body1[k], used ? 100 + k : -1) << k;
    ASSERT_EQ(game.Body2[k], used ? 160 + k : -1) << k;
    ASSERT_EQ(game.Dir1[k], used ? 1 : -1) << k;
    ASSERT_EQ(game.Dir2[k], used ? 1 : -1) << k;
  }
  EXPECT_TRUE(game.widgets.Image4Visible && game.widgets.Label2Visible);
  EXPECT_EQ(game.widgets.TableBlock[165], game.widgets.IM2P);
}

TEST_F(PaintingTest, OnePlayerResetKeepsPlayerTwoAndShowsScoresUntouched) {
  LoadTwoPlayers();
  game.Timer1_Timer();
  const SlotArray body2 = game.Body2;
  game.OnePlayer = True;
  game.Score1 = 800;
  game.Eaten2 = 3;
  game.Reset();
  EXPECT_EQ(game.Body2, body2);
  EXPECT_EQ(game.Eaten2, 0);
  EXPECT_EQ(game.widgets.Label1, "800");
  EXPECT_EQ(game.widgets.Label2, "0");
  EXPECT_EQ(game.Score1, 800);
  EXPECT_FALSE(game.widgets.Image4Visible || game.widgets.Label2Visible);
}

TEST_F(PaintingTest, TableNeverPaintsTheFoodCellOrObstacles) {
  Load();
  game.cpn_Click();
  game.Level = 2;
  game.SetObstacles();
  game.widgets.TableBlock.fill(Picture::Snake2);
  game.TABLE();
  EXPECT_EQ(CountCells(Picture::Snake2), 116 + 1);
  EXPECT_EQ(game.widgets.TableBlock[game.FoodCell], Picture::Snake2);
}

TEST_F(PaintingTest, CellsPaintedBeforeAHolderChangesKeepTheOldPicture) {
  Load();
  game.cpn_Click();
  game.Level = 3;
  game.SetObstacles();
  game.widgets.Obs = Picture::Obstacle5;
  game.widgets.SBlock = Picture::Snake0;
  game.Timer1_Timer();
  EXPECT_EQ(game.widgets.TableBlock[0], Picture::Obstacle2);
  EXPECT_EQ(game.widgets.TableBlock[game.Body1[game.Len1]], Picture::Snake0);
  game.SetObstacles();
  EXPECT_EQ(game.widgets.TableBlock[0], Picture::Obstacle5);
}

TEST_F(PaintingTest, SharedCellShowsPlayerTwo) {
  LoadTwoPlayers();
  game.Body2[game.Len2] = game.Body1[game.Len1];
  game.DrawSnake();
  EXPECT_EQ(game.widgets.TableBlock[game.Body1[game.Len1]], game.widgets.IM2P);
}

class FoodTest : public GameTest {
 protected:
  void SetUp() override { LoadTwoPlayers(); }
};

// Cells that are never food: rows 0-2 and 27-29 cannot be drawn, and a drawn
// cell under a snake or a wall is drawn again until a free one comes up.
TEST_F(FoodTest, RejectsSnakesAndWallsAndRetriesWithAFreshSeed) {
  game.cpn_Click();
  game.Level = 7;
  game.SetObstacles();
  game.Len2 = 20;
  for (int k = 6; k <= 20; ++k) game.Body2[k] = static_cast<Cell>(400 + k);
  const int taken[] = {102, 105, 163,
                       418, 213, 783};  // player 1, player 2 (head and beyond player 1's length), walls
  for (const int cell : taken) random.queued.push_back(static_cast<float>((cell - 100 + 0.5) / 700.0));
  random.QueueFood(500, 3);
  random.seeds.clear();
  game.MakeFood();
  EXPECT_EQ(game.FoodCell, 500);
  EXPECT_EQ(game.widgets.FBlock, Picture::Food3);
  EXPECT_EQ(game.widgets.TableBlock[500], Picture::Food3);
  EXPECT_EQ(random.seeds.size(), std::size(taken) + 2);  // one seed per draw
}

// A one-player game still avoids player 2's leftovers in slots 0..Len1.
TEST_F(FoodTest, OnePlayerAvoidsWhatPlayerTwoLeftUpToPlayerOnesLength) {
  game.Len2 = 20;
  for (int k = 6; k <= 20; ++k) game.Body2[k] = static_cast<Cell>(400 + k);
  random.queued.push_back(static_cast<float>((164 - 100 + 0.5) / 700.0));
  random.QueueFood(418);
  game.p1_Click();
  EXPECT_EQ(game.FoodCell, 418);
}

TEST_F(FoodTest, SeedIsMinuteTimesSecond) {
  clock.minute = 59;
  clock.second = 59;
  random.seeds.clear();
  game.MakeFood();
  ASSERT_FALSE(random.seeds.empty());
  EXPECT_EQ(random.seeds.front(), 3481);
}

TEST_F(FoodTest, ExtremeDrawsStayOnTheBoard) {
  Lay(game.Body1, game.Dir1, game.Len1, 465, Heading::Right);
  random.queued = {0.0f, 0.0f};
  game.MakeFood();
  EXPECT_EQ(game.FoodCell, 100);
  EXPECT_EQ(game.widgets.FBlock, Picture::Food0);
  random.queued = {0.99999994f, 0.99999994f};
  game.MakeFood();
  EXPECT_EQ(game.FoodCell, 799);
  EXPECT_EQ(game.widgets.FBlock, Picture::Food4);
}

// The real generator with a frozen clock (the whole of minute 0 seeds 0):
// placements stay inside rows 3..26, off both snakes, and still vary.
TEST(FoodPlacement, FrozenClockStillGivesFreshFreeCells) {
  FakeClock clock;
  clock.minute = 0;
  MixingRandom random;
  Game game(clock, random);
  game.Form_Load();
  game.p2_Click();
  std::array<int, CellCount> hits{};
  for (int i = 0; i < 5000; ++i) {
    game.MakeFood();
    ++hits[game.FoodCell];
  }
  int distinct = 0;
  for (int cell = 0; cell < CellCount; ++cell) {
    const bool allowed =
        cell >= 100 && cell <= 799 && !(cell >= 100 && cell <= 105) && !(cell >= 160 && cell <= 165);
    if (!allowed) {
      EXPECT_EQ(hits[cell], 0) << "cell " << cell;
    }
    distinct += hits[cell] > 0;
  }
  EXPECT_GT(distinct, 600);
}

}  // namespace
}  // namespace ouroboard::testing
