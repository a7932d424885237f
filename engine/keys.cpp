// Steering: quarter turns only, arrows for player 1 and W, A, S, D for player 2.
#include "game.h"

namespace ouroboard {
namespace {

// Codes of 0 or below count as sideways and codes of 5 or above as upright,
// so that a stray heading still takes a turn.
bool Upright(Int16 heading) { return heading > 2; }

bool QuarterTurn(Int16 from, Int16 to) { return Upright(from) != Upright(to); }

}  // namespace

void Game::Form_KeyDown(Int16 keyCode) {
  TurnPlayer(1, KeyHeading(keyCode, Key::LeftArrow, Key::UpArrow, Key::RightArrow, Key::DownArrow));
  TurnPlayer(2, KeyHeading(keyCode, Key::A, Key::W, Key::D, Key::S));
}

void Game::TurnPlayer(Int16 player, Int16 heading) {
  if (heading < Heading::Right || heading > Heading::Down) return;
  if (player == 1) Steer(One(), heading);
  if (player == 2) Steer(Two(), heading);
}

Int16 Game::KeyHeading(Int16 keyCode, Int16 leftKey, Int16 upKey, Int16 rightKey, Int16 downKey) {
  if (keyCode == leftKey) return Heading::Left;
  if (keyCode == upKey) return Heading::Up;
  if (keyCode == rightKey) return Heading::Right;
  if (keyCode == downKey) return Heading::Down;
  return NoTurn;
}

// The first turn since the last move sets the head's heading at once. A turn
// from that turn waits for the next move, so two quick keys make a U-turn
// instead of losing the second one; the reverse of the turn taken replaces it.
// Judging against the last move means no key can ever point the head back
// onto the neck.
void Game::Steer(Player player, Int16 wanted) {
  Int16& heading = player.Dir[player.Len];
  const bool turned = heading != player.Moved;
  if (!turned) {
    if (QuarterTurn(heading, wanted)) heading = wanted;
  } else if (QuarterTurn(heading, wanted)) {
    player.Waiting = wanted;
  } else if (wanted != heading) {
    heading = wanted;
    player.Waiting = NoTurn;
  }
}

}  // namespace ouroboard
