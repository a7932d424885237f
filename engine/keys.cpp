// Steering: quarter turns only, arrows for player 1 and W, A, S, D for player 2.
#include "game.h"

namespace ouroboard {

void Game::Form_KeyDown(Int16 keyCode) {
  Steer(One(), keyCode, Key::LeftArrow, Key::UpArrow, Key::RightArrow, Key::DownArrow);
  Steer(Two(), keyCode, Key::A, Key::W, Key::D, Key::S);
}

// A key is judged against the heading of the snake's last move, not against a
// turn already chosen since: within one tick the last accepted key wins, and a
// snake can never be turned back onto its own neck.
void Game::Steer(Player player, Int16 keyCode, Int16 leftKey, Int16 upKey, Int16 rightKey, Int16 downKey) {
  const Int16 moving = player.Moved;
  const bool vertical = moving > 2;
  const bool horizontal = moving < 3;
  Int16& heading = player.Dir[player.Len];
  if (vertical && keyCode == leftKey)
    heading = Heading::Left;
  else if (horizontal && keyCode == upKey)
    heading = Heading::Up;
  else if (vertical && keyCode == rightKey)
    heading = Heading::Right;
  else if (horizontal && keyCode == downKey)
    heading = Heading::Down;
}

}  // namespace ouroboard
