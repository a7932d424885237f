#include "player.h"

#include <algorithm>
#include <array>
#include <climits>

namespace ouroboard::testing {
namespace {

int Toward(int cell, int heading) {
  const int row = cell / BoardSide, column = cell % BoardSide;
  switch (heading) {
    case Heading::Right:
      return row * BoardSide + (column + 1) % BoardSide;
    case Heading::Left:
      return row * BoardSide + (column + BoardSide - 1) % BoardSide;
    case Heading::Up:
      return (row + BoardSide - 1) % BoardSide * BoardSide + column;
    default:
      return (row + 1) % BoardSide * BoardSide + column;
  }
}

// The heading of the snake's last move, read off its neck and head.
int Moving(const SlotArray& body, Int16 len) {
  for (int heading = Heading::Right; heading <= Heading::Down; ++heading)
    if (Toward(body[len - 1], heading) == body[len]) return heading;
  return Heading::Right;
}

}  // namespace

// In one game in four the computer steers player 1, in another player 1 and
// player 2, at a skill chosen at random.
std::vector<Command> BusyPlayer::Opening() {
  std::vector<Command> opening = {MenuCommand(Roll(2) ? MenuItem::OnePlayer : MenuItem::TwoPlayers),
                                  MenuCommand(Roll(2) ? MenuItem::Classic : MenuItem::Campaign),
                                  Command{Op::Speed, Int16(Roll(7))}};
  const int computers = Roll(4);
  if (computers >= 2) opening.push_back({Op::Computer, 1, Int16(Roll(3))});
  if (computers == 3) opening.push_back({Op::Computer, 2, Int16(Roll(3))});
  return opening;
}

Command BusyPlayer::Next(const Session& session) {
  if (!session.game().widgets.Timer1.Enabled) return WhileStopped(session);
  if (Roll(1000) < asides_) return Aside(session);
  return Steer(session);
}

// Windows stay up for a while; in the meantime stray keys and ticks that
// find the clock stopped.
Command BusyPlayer::WhileStopped(const Session& session) {
  if (session.game().widgets.EndScreen.Shown && Roll(4) == 0) return {Op::EndScreenClick};
  if (session.helpOpen() && Roll(4) == 0) return {Op::HelpClose};
  if (session.settingsOpen() && Roll(4) == 0)
    return Roll(2) ? Command{Op::SettingsClose}
                   : Command{Op::SettingsOk, Int16(Roll(SnakePictureCount)), Int16(Roll(SnakePictureCount)),
                             Int16(Roll(ObstaclePictureCount))};
  if (Roll(8) == 0) return MenuCommand(MenuItem::Pause);
  return Roll(3) == 0 ? KeyCommand(Int16(Roll(128))) : Command{Op::Tick};
}

Command BusyPlayer::Aside(const Session& session) {
  const int pick = Roll(100);
  if (pick < 40) return {Op::Time, Int16(Roll(60)), Int16(Roll(60))};
  if (pick < 55) return KeyCommand(Int16(Roll(65536) - 32768));
  if (pick < 60) return TurnCommand(Int16(Roll(4)), Int16(Roll(6)));
  if (pick < 66) return MenuCommand(MenuItem::Pause);
  if (pick < 68) return {Op::OutOfSight};
  if (pick < 73) return MenuCommand(MenuItem::Help);
  if (pick < 78) return MenuCommand(MenuItem::Settings);
  if (pick < 79) return {Op::Speed, Int16(Roll(13) - 3)};
  if (pick < 80) return MenuCommand(static_cast<MenuItem>(Roll(static_cast<int>(MenuItem::Settings))));
  if (session.game().widgets.EndScreen.Shown) return {Op::EndScreenClick};
  return {Op::Tick};
}

// A snake that turns into a pocket smaller than itself is lost: this counts
// the free cells it could reach from cell, up to cap; none when a wall or one
// of its own cells that stay on the next move is there.
int BusyPlayer::Room(const Game& game, const Snake& snake, int cell, int cap) {
  const unsigned taken = ++stamp_;
  for (int k = 1; k <= snake.len; ++k) mark_[snake.body[k]] = taken;
  const auto open = [&](int at) { return game.Obstacle[at] == False && mark_[at] != taken; };
  if (!open(cell)) return 0;
  std::vector<int> frontier = {cell};
  mark_[cell] = taken;
  int room = 0;
  while (!frontier.empty() && room < cap) {
    const int at = frontier.back();
    frontier.pop_back();
    ++room;
    for (int heading = Heading::Right; heading <= Heading::Down; ++heading) {
      const int next = Toward(at, heading);
      if (open(next)) mark_[next] = taken, frontier.push_back(next);
    }
  }
  return room;
}

// How far each cell is from the food, around the walls; worked out again
// only when the food or the level changes.
const std::vector<int>& BusyPlayer::DistancesToFood(const Game& game) {
  if (game.FoodCell == distanceFrom_ && game.Level == distanceLevel_) return distance_;
  distanceFrom_ = game.FoodCell;
  distanceLevel_ = game.Level;
  distance_.assign(CellCount, CellCount);
  std::vector<int> frontier = {game.FoodCell};
  distance_[game.FoodCell] = 0;
  for (std::size_t i = 0; i < frontier.size(); ++i) {
    const int at = frontier[i];
    for (int heading = Heading::Right; heading <= Heading::Down; ++heading) {
      const int next = Toward(at, heading);
      if (game.Obstacle[next] != False || distance_[next] <= distance_[at] + 1) continue;
      distance_[next] = distance_[at] + 1;
      frontier.push_back(next);
    }
  }
  return distance_;
}

// Straight on or a quarter turn: whichever leaves room to live and comes
// nearest the food; now and then a random quarter turn instead.
int BusyPlayer::Choose(const Game& game, const Snake& snake, int moving) {
  const std::vector<int>& distance = DistancesToFood(game);
  const int side = moving <= Heading::Left ? Heading::Up : Heading::Right;
  if (Roll(1000) < asides_ / 5) return side + Roll(2);  // a slip of the finger
  const int enough = snake.len + 2;
  int best = moving, bestScore = INT_MAX;
  for (const int heading : {moving, side, side + 1}) {
    const int next = Toward(snake.body[snake.len], heading);
    const int room = Room(game, snake, next, enough);
    if (room == 0) continue;
    const int score = (enough - room) * CellCount + distance[next];
    if (score < bestScore) best = heading, bestScore = score;
  }
  return best;
}

// Before each tick: the keys that turn each snake the computer does not
// steer towards the food, then the tick.
Command BusyPlayer::Steer(const Session& session) {
  const Game& game = session.game();
  if (!steered_) {
    steered_ = true;
    std::vector<Snake> snakes = {
        {1, game.Body1, game.Len1, {Key::RightArrow, Key::LeftArrow, Key::UpArrow, Key::DownArrow}}};
    if (game.OnePlayer == False) snakes.push_back({2, game.Body2, game.Len2, {Key::D, Key::A, Key::W, Key::S}});
    for (const Snake& snake : snakes) {
      if (session.computerSteers(snake.player)) continue;
      const int moving = Moving(snake.body, snake.len);
      const int wanted = Choose(game, snake, moving);
      if (wanted == moving) continue;
      // Half the turns come from a game controller.
      steering_.push_back(Roll(2) ? KeyCommand(snake.keys[wanted - 1])
                                  : TurnCommand(Int16(snake.player), Int16(wanted)));
    }
  }
  if (!steering_.empty()) {
    const Command key = steering_.back();
    steering_.pop_back();
    return key;
  }
  steered_ = false;
  return {Op::Tick};
}

}  // namespace ouroboard::testing
