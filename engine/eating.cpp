// Eating: the snake grows at its tail, a new item appears, the score rises.
#include "game.h"

namespace ouroboard {

void Game::EatFood() {
  if (Body1[Len1] == FoodCell) Eat(One());
  if (OnePlayer == False && Body2[Len2] == FoodCell) Eat(Two());
}

void Game::Eat(Player player) {
  const Int16 len = ++player.Len;
  for (int i = len; i >= 1; --i) {
    player.Body[i] = player.Body[i - 1];
    player.Dir[i] = player.Dir[i - 1];
  }
  player.Body[0] = FoodCell;
  MakeFood();
  // 100 points at the slowest step up to 1000 at the fastest.
  const double points = 1000.0 - (widgets.Timer1.Interval / 25.0 - 1.0) * 100.0;
  player.Score = static_cast<float>(points + player.Score);
  player.Label = ScoreText(player.Score);
  ++player.Eaten;
}

}  // namespace ouroboard
