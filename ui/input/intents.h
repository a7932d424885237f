// What a player asks of the game, whichever key, pad or window it came from:
// each request is turned into engine calls here and nowhere else.
#pragma once

#include "types.h"

namespace ouroboard {

class SnakeTable;

class Intents {
 public:
  explicit Intents(SnakeTable& table) : table_(table) {}

  // A steering key, by the game's virtual key code.
  void steerByKey(Int16 keyCode);
  // Player 1 or 2 asks to head right, left, up or down (the heading codes).
  void turn(int player, Int16 heading);
  void pauseOrResume();
  // The next (+1) or previous (-1) speed step, as a click on that bar.
  void changeSpeed(int by);
  void dismissEndScreen();
  // Nobody is watching any more, or a player lost their controller: a
  // running game pauses.
  void pauseIfRunning();
  bool endScreenUp() const;
  // Whether a player's snake is on the board in the game in force.
  bool plays(int player) const;

 private:
  SnakeTable& table_;
};

}  // namespace ouroboard
