// The computer player: reads the board as a player sees it (the walls, both
// snakes and the food item, never the random generator or the food to come)
// and answers the heading its snake should take on the next move.
//
//   Brain brain(Skill::Hard, seed);
//   game.TurnPlayer(2, brain.decide(game, 2));   // just before each tick
//
// The answer goes through the game's own turn rule like a key press, so the
// brain cannot bend the rules. It keeps all its working memory inside the
// object: a decision allocates nothing.
#pragma once

#include <array>
#include <cstdint>

#include "game.h"

namespace ouroboard {

enum class Skill { Easy, Normal, Hard };

class Brain {
 public:
  // The seed drives the human slips of Easy and Normal; the same seed and the
  // same games give the same answers.
  Brain(Skill skill, std::uint64_t seed);

  // The skill applies from the next decision.
  void setSkill(Skill skill) { skill_ = skill; }
  Skill skill() const { return skill_; }

  // The heading (Heading::Right .. Heading::Down) for the player's next move,
  // at most one decision a move. Game::NoTurn when that player has no snake
  // in play.
  Int16 decide(const Game& game, Int16 player);

 private:
  // A snake as the planner imagines it: cells from the tail (0) to the head
  // (len), and whether it has just eaten and keeps its tail one move longer.
  struct Body {
    std::array<Cell, CellCount> cells;
    int len = 0;
    int grow = 0;
    Cell head() const { return cells[len]; }
  };

  // What one flood from a cell found.
  struct Reach {
    int room = 0;        // cells the head could enter
    int toTail = -1;     // moves to the tail's cell, -1 when out of reach
    int toFood = -1;     // moves to the food, -1 when out of reach
  };

  struct Move {
    Int16 heading = 0;
    Cell cell = 0;
    Reach reach;
  };

  Int16 decideHard(Int16 moving);
  Int16 decideHuman(Int16 moving);
  bool planToFood(Int16& heading);
  void weighMoves(Int16 moving);
  void mark(const Body& body);
  Reach flood(Cell start, Cell tail, Cell stopAt);
  void distancesToFood(bool wrapAware);
  void noticeFood();
  int roll(int sides);

  Skill skill_;
  MixingRandom random_;

  // The board as read for this decision.
  std::array<Int16, CellCount> walled_{};  // Never on a wall, 0 elsewhere
  Cell food_ = 0;
  Body snake_{};

  // Working memory, reused by every decision.
  Body imagined_{};
  std::array<Int16, CellCount> freeAt_{};  // first move on which a head may enter the cell
  std::array<Int16, CellCount> dist_{};
  std::array<Cell, CellCount> cameFrom_{};
  std::array<Cell, CellCount> queue_{};
  std::array<Int16, CellCount> foodDist_{};  // static distances to the food, for the human skills
  std::array<Move, 3> moves_{};
  int moveCount_ = 0;

  // What the brain remembers between moves.
  Cell knownFood_ = -1;
  int waited_ = 0;         // moves since the food item appeared
  int noticeAfter_ = 0;    // moves before a human skill notices it
  bool seesWrap_ = true;   // whether this food item is planned across the board's edges
  bool lateLast_ = false;  // reacted late on the last move
};

}  // namespace ouroboard
