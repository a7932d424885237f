// The tick of the game clock, and the speed indicator.
#include <algorithm>

#include "game.h"

namespace ouroboard {

// Every tick runs all of its steps in this order, even when the progression
// test or a collision has just stopped the clock.
void Game::Timer1_Timer() {
  TestProgress();
  MoveSnake();
  TABLE();
  DrawSnake();
  Collide();
  EatFood();
}

// Afterwards steps 0..index are lit and the rest unlit; the game restarts at
// the new speed with both scores at zero.
void Game::SpeedPic_Click(Int16 index) {
  if (index < 0 || index >= SpeedStepCount) return;
  auto& pics = widgets.SpeedPic;
  const bool lit = pics[index] == widgets.SpeedUp[index];
  if (lit && index != SpeedStepCount - 1) {
    for (int i = index + 1; i < SpeedStepCount; ++i) pics[i] = widgets.SpeedDown[i];
    pics[index] = widgets.SpeedUp[index];
  } else if (!lit) {
    for (int i = 0; i <= index; ++i) pics[i] = widgets.SpeedUp[i];
  }
  widgets.Timer1.Interval = SpeedIntervals[index];
  ZeroScores();
  Reset();
}

Int16 Game::SpeedStep() const {
  const auto* found = std::find(SpeedIntervals.begin(), SpeedIntervals.end(), widgets.Timer1.Interval);
  return found == SpeedIntervals.end() ? Int16{0} : static_cast<Int16>(found - SpeedIntervals.begin());
}

}  // namespace ouroboard
