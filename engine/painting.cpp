// Painting the board, and placing the food item.
#include <algorithm>
#include <cmath>

#include "game.h"
#include "levels.h"

namespace ouroboard {

void Game::TABLE() {
  for (int i = 0; i < CellCount; ++i)
    if (i != FoodCell && Obstacle[i] == False) widgets.TableBlock[i] = widgets.BBlock;
}

void Game::DrawSnake() {
  PaintSnake(One(), widgets.SBlock);
  if (OnePlayer == False) PaintSnake(Two(), widgets.IM2P);
}

void Game::PaintSnake(const Player& player, Picture picture) {
  for (int k = 0; k <= player.Len; ++k) widgets.TableBlock[player.Body[k]] = picture;
}

void Game::SetObstacles() {
  const levels::Layout layout = levels::ObstacleLayout(Level);
  for (int i = 0; i < CellCount; ++i) Obstacle[i] = layout[i] ? True : False;
  for (int i = 0; i < CellCount; ++i)
    if (Obstacle[i] == True) widgets.TableBlock[i] = widgets.Obs;
}

void Game::MakeFood() {
  do {
    ReseedFromClock();
    FoodCell = static_cast<Cell>(100 + Draw(700));  // rows 3..26 only
  } while (FoodCellTaken());
  ReseedFromClock();
  widgets.FBlock = widgets.FPIC[Draw(FoodPictureCount)];
  widgets.TableBlock[FoodCell] = widgets.FBlock;
}

// In a two-player game both whole snakes are avoided, so no food item ever
// hides under a segment of either snake. A one-player game also avoids what
// the last two-player game left of player 2, as far as player 1's length.
bool Game::FoodCellTaken() {
  const auto holds = [this](const SlotArray& body, Int16 len) {
    const auto end = body.begin() + len + 1;
    return std::find(body.begin(), end, FoodCell) != end;
  };
  return Obstacle[FoodCell] != False || holds(Body1, Len1) || holds(Body2, OnePlayer == False ? Len2 : Len1);
}

void Game::ReseedFromClock() {
  const int minute = clock_->Minute();
  const int second = clock_->Second();
  random_->Reseed(minute * second);
}

// A whole number in 0..count-1 from the next random value.
int Game::Draw(int count) {
  const int drawn = static_cast<int>(std::floor(static_cast<double>(random_->Next()) * count));
  return std::clamp(drawn, 0, count - 1);
}

}  // namespace ouroboard
