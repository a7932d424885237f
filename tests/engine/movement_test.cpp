#include "fixture.h"

namespace ouroboard::testing {
namespace {

struct EdgeMove {
  Int16 heading;
  Cell before;
  Cell after;
};

// The board is a torus: leaving on one edge re-enters on the opposite edge.
const EdgeMove kEdgeMoves[] = {
    {Heading::Right, 28, 29}, {Heading::Right, 29, 0},    {Heading::Right, 899, 870},
    {Heading::Left, 31, 30},  {Heading::Left, 0, 29},     {Heading::Left, 870, 899},
    {Heading::Up, 45, 15},    {Heading::Up, 15, 885},     {Heading::Up, 0, 870},
    {Heading::Down, 885, 15}, {Heading::Down, 899, 29},   {Heading::Right, 20, 21},
    {Heading::Left, 30, 59},  {Heading::Right, 449, 420}, {Heading::Down, 15, 45},
};

class MovementTest : public GameTest {
 protected:
  void SetUp() override { LoadTwoPlayers(); }

  // A one-cell snake on the given cell.
  static void Single(SlotArray& body, SlotArray& dir, Int16& len, Cell cell, Int16 heading) {
    len = 0;
    body[0] = cell;
    dir[0] = heading;
  }
};

TEST_F(MovementTest, HeadsWrapAtEveryEdgeForBothPlayers) {
  for (const EdgeMove& move : kEdgeMoves) {
    SCOPED_TRACE(::testing::Message() << "heading " << move.heading << " from " << move.before);
    Single(game.Body1, game.Dir1, game.Len1, move.before, move.heading);
    Single(game.Body2, game.Dir2, game.Len2, move.before, move.heading);
    game.MoveSnake();
    EXPECT_EQ(game.Body1[0], move.after);
    EXPECT_EQ(game.Body2[0], move.after);
  }
}

TEST_F(MovementTest, EveryCellStepsToItsNeighbourInEachDirection) {
  for (int cell = 0; cell < CellCount; ++cell) {
    const int row = cell / 30, column = cell % 30;
    const int expected[] = {row * 30 + (column + 1) % 30, row * 30 + (column + 29) % 30,
                            ((row + 29) % 30) * 30 + column, ((row + 1) % 30) * 30 + column};
    for (Int16 heading = Heading::Right; heading <= Heading::Down; ++heading) {
      Single(game.Body1, game.Dir1, game.Len1, static_cast<Cell>(cell), heading);
      game.MoveSnake();
      ASSERT_EQ(game.Body1[0], expected[heading - 1]) << "cell " << cell << " heading " << heading;
    }
  }
}

TEST_F(MovementTest, ShiftCarriesTheBodyAndTheTurnMovesDownOneSlot) {
  game.Len1 = 2;
  game.Body1[0] = 40, game.Body1[1] = 41, game.Body1[2] = 42;
  game.Dir1[0] = 1, game.Dir1[1] = 1, game.Dir1[2] = 3;
  game.MoveSnake();
  EXPECT_EQ((std::array{game.Body1[0], game.Body1[1], game.Body1[2]}), (std::array<Int16, 3>{41, 42, 12}));
  EXPECT_EQ((std::array{game.Dir1[0], game.Dir1[1], game.Dir1[2]}), (std::array<Int16, 3>{1, 3, 3}));
  game.MoveSnake();
  EXPECT_EQ((std::array{game.Body1[0], game.Body1[1], game.Body1[2]}), (std::array<Int16, 3>{42, 12, 882}));
  EXPECT_EQ(game.Dir1[0], 3);
}

TEST_F(MovementTest, OnePlayerLeavesPlayerTwoAlone) {
  game.OnePlayer = True;
  const SlotArray body2 = game.Body2, dir2 = game.Dir2;
  game.MoveSnake();
  EXPECT_EQ(game.Body2, body2);
  EXPECT_EQ(game.Dir2, dir2);
  EXPECT_EQ(game.Body1[5], 106);
}

TEST_F(MovementTest, HeadCodeOutsideOneToFourFreezesOnlyThatSnake) {
  for (const Int16 code : {Int16{0}, Int16{5}, Int16{-1}}) {
    game.Reset();
    game.Dir1[game.Len1] = code;
    const SlotArray body1 = game.Body1;
    game.MoveSnake();
    EXPECT_EQ(game.Body1, body1) << "code " << code;
    EXPECT_EQ(game.Body2[5], 166) << "code " << code;
  }
}

}  // namespace
}  // namespace ouroboard::testing
