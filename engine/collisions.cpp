// Collisions: a head on its own body or on a wall ends the game for both.
#include "game.h"

namespace ouroboard {

void Game::Collide() {
  if (HeadHit(Body1, Len1) || (OnePlayer == False && HeadHit(Body2, Len2))) GameOver();
}

// The other snake is never deadly; the tail cell left by this tick's move is
// already free because the move shifted the body first.
bool Game::HeadHit(const SlotArray& body, Int16 len) const {
  const Cell head = body[len];
  for (int i = 0; i <= len - 1; ++i)
    if (body[i] == head || Obstacle[head] != False) return true;
  return false;
}

// The level goes back to the first before Reset, which starts the snakes on
// the layout of the level that will be played.
void Game::GameOver() {
  Level = levels::FirstLevel;
  Reset();
  ZeroScores();  // the labels keep the lost game's scores until they next change
  widgets.Timer1.Enabled = false;
  ShowEndScreen(Picture::GameOver);
}

}  // namespace ouroboard
