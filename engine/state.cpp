// Start-up and Reset: a fresh game, or a fresh campaign level.
#include <charconv>

#include "game.h"
#include "levels.h"

namespace ouroboard {

std::string ScoreText(float score) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, score, std::chars_format::fixed);
  return {text, result.ptr};
}

void Game::Form_Load() {
  ZeroScores();
  OnePlayer = True;
  widgets.p1Checked = true;
  widgets.classicChecked = true;
  Reset();
  Level = levels::FirstLevel;
  Campaign = False;
  TABLE();
  widgets.Timer1.Enabled = true;
  widgets.Timer1.Interval = SpeedIntervals[2];
  for (int i = 0; i < SpeedStepCount; ++i)
    widgets.SpeedPic[i] = i <= 2 ? widgets.SpeedUp[i] : widgets.SpeedDown[i];
}

void Game::Reset() {
  Player one = One();
  one.Body.fill(-1);
  one.Dir.fill(Heading::Unused);
  Len1 = StartLen;
  Start1 = PlayerOneStart;
  widgets.Label1 = ScoreText(Score1);
  widgets.Label2 = ScoreText(Score2);
  PlaceSnake(one, Start1);
  if (OnePlayer == False) {
    Player two = Two();
    two.Body.fill(-1);
    two.Dir.fill(Heading::Unused);
    Len2 = StartLen;
    Start2 = FreeStartForPlayerTwo();
    PlaceSnake(two, Start2);
  }
  Waiting1 = NoTurn;
  Waiting2 = NoTurn;
  DrawSnake();
  MakeFood();
  Eaten1 = 0;
  Eaten2 = 0;
  widgets.Image4Visible = OnePlayer == False;
  widgets.Label2Visible = OnePlayer == False;
}

// Lays the snake out in a row, tail to the left of its head, heading right.
void Game::PlaceSnake(Player player, Cell head) {
  for (int k = 0; k <= player.Len; ++k) {
    player.Body[k] = static_cast<Cell>(head - (player.Len - k));
    player.Dir[k] = Heading::Right;
  }
  player.Moved = Heading::Right;
}

// Player 2 starts at 160..165 unless the walls of the level about to be
// played cover that row; then it starts on the first row below whose snake
// cells and the two cells ahead of the head are free, so no level begins with
// player 2 inside or facing a wall. The walls standing now may be those of a
// level just lost or passed, so the layout is looked up, not the board.
Cell Game::FreeStartForPlayerTwo() const {
  const levels::Layout walls = levels::ObstacleLayout(Campaign == True ? Level : levels::FirstLevel);
  const int column = PlayerTwoStart % BoardSide;
  for (int row = PlayerTwoStart / BoardSide; row < BoardSide; ++row) {
    const int head = row * BoardSide + column;
    bool free = true;
    for (int cell = head - StartLen; cell <= head + 2; ++cell) free = free && !walls[cell];
    if (free) return static_cast<Cell>(head);
  }
  return PlayerTwoStart;
}

}  // namespace ouroboard
