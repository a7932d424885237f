#include "brain.h"

#include <algorithm>

namespace ouroboard {
namespace {

constexpr Cell NoCell = -1;
constexpr Int16 Never = 0x7fff;
constexpr std::array<Int16, 4> Headings = {Heading::Right, Heading::Left, Heading::Up, Heading::Down};

// Each cell's neighbour in each heading (index heading - 1). The board wraps
// at its edges; a player who forgets that sees a flat board with no way
// across its edges.
using Neighbours = std::array<std::array<Cell, 4>, CellCount>;

constexpr Neighbours MakeNeighbours(bool wrapping) {
  Neighbours table{};
  for (int cell = 0; cell < CellCount; ++cell) {
    const int row = cell / BoardSide, column = cell % BoardSide;
    const auto at = [wrapping](int r, int c) {
      if (!wrapping && (r < 0 || r >= BoardSide || c < 0 || c >= BoardSide)) return NoCell;
      return static_cast<Cell>((r + BoardSide) % BoardSide * BoardSide + (c + BoardSide) % BoardSide);
    };
    table[cell] = {at(row, column + 1), at(row, column - 1), at(row - 1, column), at(row + 1, column)};
  }
  return table;
}

constexpr Neighbours Wrapping = MakeNeighbours(true);
constexpr Neighbours Flat = MakeNeighbours(false);

Cell Toward(Cell cell, Int16 heading) { return Wrapping[cell][heading - 1]; }

Int16 Reverse(Int16 heading) { return heading % 2 == 1 ? heading + 1 : heading - 1; }

// How the human skills slip.
struct Habits {
  int noticeMin, noticeMax;  // moves before a new food item is noticed
  int wrapInThree;           // food items in three planned across the edges
  int latePercent;           // turns taken a move late
};

constexpr Habits EasyHabits{2, 8, 0, 25};
constexpr Habits NormalHabits{0, 3, 2, 10};

const Habits& HabitsOf(Skill skill) { return skill == Skill::Easy ? EasyHabits : NormalHabits; }

// A head that can reach its tail can follow it for ever. The planner counts
// only the first moment each cell could be entered, not the moves a head
// can spend waiting for its body to pass, so a wide space lasts too: room
// for twice the snake, and no narrower than a sixth of the board, since a
// snake shut in a narrow dead end coils itself in.
bool Lasting(const auto& reach, int len) {
  return reach.toTail >= 0 || reach.room >= std::max(2 * (len + 1), CellCount / 6);
}

// Moves the hard player circles without a safe way to the food before it
// tries other ways.
constexpr int Patience = 300;

}  // namespace

Brain::Brain(Skill skill, std::uint64_t seed) : skill_(skill), random_(seed) {}

Int16 Brain::decide(const Game& game, Int16 player) {
  if (player != 1 && (player != 2 || game.OnePlayer != False)) return Game::NoTurn;
  const SlotArray& body = player == 1 ? game.Body1 : game.Body2;
  const Int16 len = player == 1 ? game.Len1 : game.Len2;
  if (len < 1 || len >= CellCount) return Game::NoTurn;
  for (int k = 0; k <= len; ++k) {
    if (body[k] < 0 || body[k] >= CellCount) return Game::NoTurn;
    snake_.cells[k] = body[k];
  }
  snake_.len = len;
  snake_.grow = 0;
  for (int cell = 0; cell < CellCount; ++cell) walled_[cell] = game.Obstacle[cell] != False ? Never : 0;
  food_ = game.FoodCell >= 0 && game.FoodCell < CellCount ? game.FoodCell : NoCell;
  const bool newFood = food_ != knownFood_;
  knownFood_ = food_;
  waited_ = newFood ? 0 : waited_ + 1;
  // The way the snake moves, read off its neck and head as a player sees it.
  Int16 moving = Heading::Right;
  for (const Int16 heading : Headings)
    if (Toward(snake_.cells[len - 1], heading) == snake_.head()) moving = heading;
  if (skill_ == Skill::Hard) return decideHard(moving);
  if (newFood) noticeFood();
  return decideHuman(moving);
}

// The shortest way to the food, taken only if the snake could still reach its
// own tail once it has eaten; otherwise the move that keeps the tail in reach
// and comes nearest the food, or failing that the move with the most room.
// A snake that has circled a long time without a safe way to the food
// wanders at random along safe moves until its coils open a way.
Int16 Brain::decideHard(Int16 moving) {
  Int16 heading = moving;
  if (planToFood(heading)) return heading;
  weighMoves(moving);
  const Move* best = nullptr;
  const bool restless = waited_ > Patience;
  const auto better = [this, restless](const Reach& a, const Reach& b) {
    if (restless) return roll(2) == 0;
    const int toA = a.toFood < 0 ? Never : a.toFood, toB = b.toFood < 0 ? Never : b.toFood;
    return toA != toB ? toA < toB : a.toTail > b.toTail;
  };
  for (int i = 0; i < moveCount_; ++i) {
    const Move& move = moves_[i];
    if (!Lasting(move.reach, snake_.len)) continue;
    if (best == nullptr || better(move.reach, best->reach)) best = &move;
  }
  if (best != nullptr) return best->heading;
  for (int i = 0; i < moveCount_; ++i)
    if (best == nullptr || moves_[i].reach.room > best->reach.room) best = &moves_[i];
  return best != nullptr ? best->heading : moving;
}

// A player who notices new food late, plans around its own body as if it
// were a wall, forgets the wrap-around now and then and turns a move late,
// but never steers into a pocket smaller than its snake.
Int16 Brain::decideHuman(Int16 moving) {
  const Habits& habits = HabitsOf(skill_);
  weighMoves(moving);
  const auto safe = [this](const Move& move) { return move.reach.toTail >= 0 || move.reach.room > snake_.len; };
  const Move* straight = nullptr;
  const Move* roomiest = nullptr;
  for (int i = 0; i < moveCount_; ++i) {
    if (moves_[i].heading == moving && safe(moves_[i])) straight = &moves_[i];
    if (roomiest == nullptr || moves_[i].reach.room > roomiest->reach.room) roomiest = &moves_[i];
  }
  if (roomiest == nullptr) return moving;
  const Move* wanted = straight;
  if (waited_ >= noticeAfter_ && food_ != NoCell) {
    distancesToFood(seesWrap_);
    for (int i = 0; i < moveCount_; ++i) {
      const Move& move = moves_[i];
      if (!safe(move) || foodDist_[move.cell] == Never) continue;
      if (wanted == nullptr || foodDist_[move.cell] < foodDist_[wanted->cell]) wanted = &move;
    }
  }
  if (wanted == nullptr) return roomiest->heading;
  if (wanted != straight && straight != nullptr && !lateLast_ && roll(100) < habits.latePercent) {
    lateLast_ = true;
    return moving;
  }
  lateLast_ = false;
  return wanted->heading;
}

void Brain::noticeFood() {
  const Habits& habits = HabitsOf(skill_);
  noticeAfter_ = habits.noticeMin + roll(habits.noticeMax - habits.noticeMin + 1);
  seesWrap_ = roll(3) < habits.wrapInThree;
}

// Follows the shortest way to the food, around the walls and through the
// cells the snake's body leaves in time, and imagines the snake after the
// meal: it must still reach its tail.
bool Brain::planToFood(Int16& heading) {
  if (food_ == NoCell) return false;
  mark(snake_);
  if (flood(snake_.head(), NoCell, food_).toFood < 0) return false;
  const int len = snake_.len;
  int k = len;
  Cell first = food_;
  for (Cell cell = food_; cell != snake_.head(); cell = cameFrom_[cell]) {
    if (k >= 0) imagined_.cells[k--] = cell;
    first = cell;
  }
  for (int slot = len; k >= 0; --slot) imagined_.cells[k--] = snake_.cells[slot];
  imagined_.len = len;
  imagined_.grow = 1;
  mark(imagined_);
  if (!Lasting(flood(food_, imagined_.cells[0], imagined_.cells[0]), len)) return false;
  for (const Int16 candidate : Headings)
    if (Toward(snake_.head(), candidate) == first) heading = candidate;
  return true;
}

// Every move that does not die at once, with what the snake could reach from
// there: its room, its tail and the food.
void Brain::weighMoves(Int16 moving) {
  mark(snake_);
  moveCount_ = 0;
  for (const Int16 heading : Headings) {
    const Cell cell = Toward(snake_.head(), heading);
    if (heading == Reverse(moving) || freeAt_[cell] > 1) continue;
    moves_[moveCount_++] = {heading, cell, {}};
  }
  const int len = snake_.len;
  for (int i = 0; i < moveCount_; ++i) {
    Move& move = moves_[i];
    for (int k = 0; k < len; ++k) imagined_.cells[k] = snake_.cells[k + 1];
    imagined_.cells[len] = move.cell;
    imagined_.len = len;
    imagined_.grow = move.cell == food_ ? 1 : 0;
    mark(imagined_);
    move.reach = flood(move.cell, imagined_.cells[0], NoCell);
  }
}

// A cell of the body is left behind one move after the slot below it: the
// tail's cell is free on the next move, unless the snake has just eaten.
void Brain::mark(const Body& body) {
  freeAt_ = walled_;
  for (int k = 0; k <= body.len; ++k)
    if (freeAt_[body.cells[k]] != Never) freeAt_[body.cells[k]] = static_cast<Int16>(k + 1 + body.grow);
}

// Breadth first from the head, entering a cell only on a move when it is
// free; stops at stopAt, or once it has found both the tail and the food. The
// room it counts is whole only when the tail is out of reach.
Brain::Reach Brain::flood(Cell start, Cell tail, Cell stopAt) {
  dist_.fill(-1);
  dist_[start] = 0;
  queue_[0] = start;
  int next = 0, end = 1;
  Reach reach;
  while (next < end) {
    const Cell cell = queue_[next++];
    ++reach.room;
    if (cell == food_ && reach.toFood < 0) reach.toFood = dist_[cell];
    if (cell == tail && cell != start) reach.toTail = dist_[cell];
    if (cell == stopAt || (reach.toTail >= 0 && reach.toFood >= 0)) break;
    const auto arrival = static_cast<Int16>(dist_[cell] + 1);
    for (const Cell neighbour : Wrapping[cell]) {
      if (dist_[neighbour] >= 0 || freeAt_[neighbour] > arrival) continue;
      dist_[neighbour] = arrival;
      cameFrom_[neighbour] = cell;
      queue_[end++] = neighbour;
    }
  }
  return reach;
}

// How far each cell is from the food for a player who sees its whole body as
// a wall, over the board as this player pictures it.
void Brain::distancesToFood(bool wrapAware) {
  const Neighbours& neighbours = wrapAware ? Wrapping : Flat;
  mark(snake_);
  foodDist_.fill(Never);
  foodDist_[food_] = 0;
  queue_[0] = food_;
  int next = 0, end = 1;
  while (next < end) {
    const Cell cell = queue_[next++];
    for (const Cell neighbour : neighbours[cell]) {
      if (neighbour == NoCell || foodDist_[neighbour] != Never || freeAt_[neighbour] != 0) continue;
      foodDist_[neighbour] = static_cast<Int16>(foodDist_[cell] + 1);
      queue_[end++] = neighbour;
    }
  }
}

int Brain::roll(int sides) {
  const int drawn = static_cast<int>(random_.Next() * static_cast<float>(sides));
  return drawn < sides ? drawn : sides - 1;
}

}  // namespace ouroboard
