#include "soundness.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "levels.h"

namespace ouroboard::testing {
namespace {

constexpr int FirstFoodCell = 100;
constexpr int LastFoodCell = 799;

class Faults {
 public:
  template <typename... Parts>
  void Add(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    list_.push_back(text.str());
  }
  std::vector<std::string> Take() { return std::move(list_); }

 private:
  std::vector<std::string> list_;
};

struct Snake {
  const char* name;
  const SlotArray& body;
  const SlotArray& dir;
  Int16 len;
  Int16 eaten;
};

bool OnBoard(int cell) { return cell >= 0 && cell < CellCount; }

// Neighbours on the board as a torus: the walls, not the edges, stop a snake.
bool Adjacent(int a, int b) {
  const int rows = std::abs(a / BoardSide - b / BoardSide);
  const int columns = std::abs(a % BoardSide - b % BoardSide);
  const int rowStep = std::min(rows, BoardSide - rows);
  const int columnStep = std::min(columns, BoardSide - columns);
  return rowStep + columnStep == 1;
}

bool IsFood(Picture picture) { return picture >= Picture::Food0 && picture <= Picture::Food4; }

// A game lost on a walled level keeps that level's walls standing behind the
// game-over screen until the screen is clicked away.
bool GameOverShown(const Game& game) {
  return game.widgets.EndScreen.Shown && game.widgets.EndScreen.Background == Picture::GameOver;
}

std::vector<Snake> LiveSnakes(const Game& game) {
  std::vector<Snake> snakes = {{"player 1", game.Body1, game.Dir1, game.Len1, game.Eaten1}};
  if (game.OnePlayer == False) snakes.push_back({"player 2", game.Body2, game.Dir2, game.Len2, game.Eaten2});
  return snakes;
}

bool Holds(const Snake& snake, int cell) {
  const auto end = snake.body.begin() + snake.len + 1;
  return std::find(snake.body.begin(), end, cell) != end;
}

// Slot 0 repeats the head's cell right after a bite, until the next move.
void CheckBodyUnbroken(const Snake& snake, Faults& faults) {
  for (int k = 0; k < snake.len; ++k) {
    const bool justAte = k == 0 && snake.body[0] == snake.body[snake.len];
    if (!justAte && !Adjacent(snake.body[k], snake.body[k + 1]))
      faults.Add(snake.name, ": slots ", k, " and ", k + 1, " (cells ", snake.body[k], ", ",
                 snake.body[k + 1], ") do not touch");
  }
}

void CheckSnake(const Game& game, const Snake& snake, Faults& faults) {
  if (snake.len < 0 || snake.len >= CellCount) {
    faults.Add(snake.name, ": head slot ", snake.len, " outside 0..899");
    return;
  }
  if (snake.len != Game::StartLen + snake.eaten)
    faults.Add(snake.name, ": length ", snake.len, " after ", snake.eaten, " items, not 5 + items eaten");
  bool cellsValid = true;
  for (int k = 0; k < CellCount; ++k) {
    const bool used = k <= snake.len;
    if (used && !OnBoard(snake.body[k])) {
      faults.Add(snake.name, ": slot ", k, " holds cell ", snake.body[k]);
      cellsValid = false;
    }
    if (used && (snake.dir[k] < Heading::Right || snake.dir[k] > Heading::Down))
      faults.Add(snake.name, ": slot ", k, " heads ", snake.dir[k]);
    if (!used && (snake.body[k] != -1 || snake.dir[k] != Heading::Unused))
      faults.Add(snake.name, ": slot ", k, " above the head is not empty");
  }
  if (!cellsValid) return;
  CheckBodyUnbroken(snake, faults);
  if (GameOverShown(game)) return;
  for (int k = 0; k <= snake.len; ++k)
    if (game.Obstacle[snake.body[k]] != False) faults.Add(snake.name, ": slot ", k, " lies on a wall");
}

void CheckCounters(const Game& game, Faults& faults) {
  const int target = game.Campaign == True ? Game::LevelTarget : Game::ClassicTarget;
  for (const Int16 eaten : {game.Eaten1, game.Eaten2})
    if (eaten < 0 || eaten > target) faults.Add("a food counter at ", eaten, " outside 0..", target);
  if (game.OnePlayer != False && game.Eaten2 != 0) faults.Add("player 2 eats in a one-player game");
}

void CheckFood(const Game& game, const std::vector<Snake>& snakes, After after, Faults& faults) {
  const Cell food = game.FoodCell;
  if (food < FirstFoodCell || food > LastFoodCell) {
    faults.Add("food on cell ", food, " outside 100..799");
    return;
  }
  if (game.Obstacle[food] != False) faults.Add("food on a wall at ", food);
  for (const Snake& snake : snakes)
    if (snake.len >= 0 && snake.len < CellCount && Holds(snake, food))
      faults.Add("food under ", snake.name, " at ", food);
  const Widgets& shown = game.widgets;
  const auto& pictures = shown.FPIC;
  if (std::find(pictures.begin(), pictures.end(), shown.FBlock) == pictures.end())
    faults.Add("the food holder shows no food picture");
  if (shown.TableBlock[food] != shown.FBlock) faults.Add("the food cell ", food, " does not show the food");
  // A lost game's restart paints its new food item without a repaint of the board.
  const bool lostThisTick = GameOverShown(game) && !shown.Timer1.Enabled;
  if (after != After::Tick || lostThisTick) return;
  const auto count = std::count_if(shown.TableBlock.begin(), shown.TableBlock.end(), IsFood);
  if (count != 1) faults.Add(count, " food items on the board after a tick");
}

void CheckSpeed(const Game& game, Faults& faults) {
  const Widgets& shown = game.widgets;
  const auto& intervals = Game::SpeedIntervals;
  const auto step = std::find(intervals.begin(), intervals.end(), shown.Timer1.Interval);
  if (step == intervals.end()) {
    faults.Add("the clock ticks every ", shown.Timer1.Interval, " ms, not a speed step");
    return;
  }
  const auto highestLit = step - intervals.begin();
  for (int i = 0; i < SpeedStepCount; ++i) {
    const Picture expected = i <= highestLit ? shown.SpeedUp[i] : shown.SpeedDown[i];
    if (shown.SpeedPic[i] != expected)
      faults.Add("speed step ", i, " is ", i <= highestLit ? "unlit" : "lit", " at interval ",
                 shown.Timer1.Interval);
  }
}

void CheckLevel(const Game& game, Faults& faults) {
  if (game.Level < levels::FirstLevel || game.Level > levels::LastLevel) {
    faults.Add("level ", game.Level, " outside 1..7");
    return;
  }
  if (game.Campaign != True && game.Level != levels::FirstLevel)
    faults.Add("a classic game on level ", game.Level);
  if (GameOverShown(game)) return;
  const levels::Layout walls = levels::ObstacleLayout(game.Level);
  for (int i = 0; i < CellCount; ++i)
    if ((game.Obstacle[i] != False) != walls[i]) {
      faults.Add("the walls standing are not those of level ", game.Level, " (cell ", i, ")");
      return;
    }
}

// A lost game zeroes the scores but leaves the labels showing them until
// they next change.
void CheckLabel(const char* name, const std::string& label, float score, Faults& faults) {
  if (score < 0 || score != std::floor(score)) {
    faults.Add(name, " holds the score ", score, ", not a whole number");
    return;
  }
  const std::string digits = std::to_string(static_cast<long long>(score));
  if (label != digits && score != 0) faults.Add(name, " shows ", label, " for the score ", digits);
}

}  // namespace

std::vector<std::string> SoundnessFaults(const Game& game, After after) {
  Faults faults;
  const std::vector<Snake> snakes = LiveSnakes(game);
  for (const Snake& snake : snakes) CheckSnake(game, snake, faults);
  CheckCounters(game, faults);
  CheckFood(game, snakes, after, faults);
  CheckSpeed(game, faults);
  CheckLevel(game, faults);
  CheckLabel("Label1", game.widgets.Label1, game.Score1, faults);
  CheckLabel("Label2", game.widgets.Label2, game.Score2, faults);
  if (!game.widgets.MainWindowVisible && !game.widgets.EndScreen.Shown)
    faults.Add("the main window is hidden with no end screen up");
  const Picture card = game.widgets.EndScreen.Background;
  if (game.widgets.EndScreen.Shown && (card == Picture::GameOver || card == Picture::LevelProceed) &&
      game.widgets.Timer1.Enabled)
    faults.Add("the clock runs behind a game-over or level-passed screen");
  return faults.Take();
}

}  // namespace ouroboard::testing
