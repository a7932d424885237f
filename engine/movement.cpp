// Moving the snakes one cell on a board that wraps at its edges.
#include <cmath>

#include "game.h"

namespace ouroboard {

void Game::MoveSnake() {
  Move(One());
  if (OnePlayer != False) return;
  Move(Two());
}

// Shifts the body one slot towards the tail, then steps the head; a turn
// waiting for this move becomes the head's heading.
void Game::Move(Player player) {
  const Int16 heading = player.Dir[player.Len];
  if (heading < Heading::Right || heading > Heading::Down) return;
  const int head = player.Len;
  for (int i = 0; i < head; ++i) {
    player.Body[i] = player.Body[i + 1];
    player.Dir[i] = player.Dir[i + 1];
  }
  player.Body[head] = Step(player.Body[head], heading);
  player.Moved = heading;
  if (player.Waiting == NoTurn) return;
  player.Dir[head] = player.Waiting;
  player.Waiting = NoTurn;
}

// A left or right step wraps when the column before or after the step lies on
// the other edge, which shows as a whole quotient of the index by 30.
Cell Game::Step(Cell head, Int16 heading) {
  int cell = head;
  const auto onRowEdge = [this](int dividend) {
    RowTmp = static_cast<Int16>(std::nearbyint(dividend / 30.0));
    FracTmp = dividend / 30.0 - RowTmp;
    return FracTmp == 0;
  };
  switch (heading) {
    case Heading::Right:
      cell += 1;
      if (onRowEdge(cell)) cell -= BoardSide;
      break;
    case Heading::Left:
      cell -= 1;
      if (onRowEdge(cell + 1)) cell += BoardSide;
      break;
    case Heading::Up:
      cell -= BoardSide;
      if (cell < 0) cell += CellCount;
      break;
    case Heading::Down:
      cell += BoardSide;
      if (cell > CellCount - 1) cell -= CellCount;
      break;
  }
  return static_cast<Cell>(cell);
}

}  // namespace ouroboard
