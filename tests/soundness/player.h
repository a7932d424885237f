// A restless player for long unattended games: steers both snakes towards
// the food, around the walls and away from pockets smaller than the snake,
// with the odd slip, and now and then pauses, changes speed, players or mode,
// opens and closes the other windows, presses stray keys and leaves end
// screens up for a while.
#pragma once

#include <array>
#include <random>

#include "session.h"

namespace ouroboard::testing {

class BusyPlayer {
 public:
  // One player in three is restless; the others mostly play, long enough to
  // finish a campaign or a classic game now and then.
  explicit BusyPlayer(unsigned seed) : dice_(seed), asides_(seed % 3 == 0 ? 50 : 2) {}

  // The player's next command for the game as it stands.
  Command Next(const Session& session);

  // How a game starts: players, mode and speed chosen at random.
  std::vector<Command> Opening();

 private:
  struct Snake {
    int player;
    const SlotArray& body;
    Int16 len;
    std::array<Int16, 4> keys;  // right, left, up, down
  };

  int Roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(dice_); }
  Command WhileStopped(const Session& session);
  Command Aside(const Session& session);
  Command Steer(const Session& session);
  int Choose(const Game& game, const Snake& snake, int moving);
  const std::vector<int>& DistancesToFood(const Game& game);
  int Room(const Game& game, const Snake& snake, int cell, int cap);

  std::mt19937 dice_;
  int asides_;                     // in a thousand commands while the clock runs
  std::vector<Command> steering_;  // keys still to press before the next tick
  bool steered_ = false;
  std::vector<int> distance_;
  int distanceFrom_ = -1;
  int distanceLevel_ = -1;
  std::vector<unsigned> mark_ = std::vector<unsigned>(CellCount);  // cells seen by the last Room
  unsigned stamp_ = 0;
};

}  // namespace ouroboard::testing
