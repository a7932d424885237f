#include "intents.h"

#include "keymap.h"
#include "session.h"

namespace ouroboard {
namespace {

int playerOfKey(Int16 keyCode) {
  for (const SteeringKey& key : steeringKeys())
    if (key.code == keyCode) return key.player;
  return 0;
}

}  // namespace

template <typename Command>
void Intents::ask(Command&& command) {
  emit asked();
  session_.run(std::forward<Command>(command));
}

void Intents::steerByKey(Int16 keyCode) {
  if (computerPlayer_ != 0 && playerOfKey(keyCode) == computerPlayer_) return;
  ask([keyCode](Game& game) { game.Form_KeyDown(keyCode); });
}

void Intents::turn(int player, Int16 heading) {
  if (player == computerPlayer_) return;
  ask([player, heading](Game& game) { game.TurnPlayer(static_cast<Int16>(player), heading); });
}

void Intents::computerTurn(Int16 heading) {
  if (computerPlayer_ == 0 || heading == Game::NoTurn) return;
  ask([player = computerPlayer_, heading](Game& game) { game.TurnPlayer(static_cast<Int16>(player), heading); });
}

void Intents::pauseOrResume() { ask(&Game::PR_Click); }

void Intents::chooseSpeed(int step) {
  ask([step](Game& game) { game.SpeedPic_Click(static_cast<Int16>(step)); });
}

void Intents::changeSpeed(int by) {
  const int step = session_.game().SpeedStep() + by;
  if (step >= 0 && step < SpeedStepCount) chooseSpeed(step);
}

void Intents::newGame() { ask(&Game::NG_Click); }

void Intents::choosePlayers(int players) {
  computerPlayer_ = 0;
  ask(players == 1 ? &Game::p1_Click : &Game::p2_Click);
}

void Intents::playAgainstComputer() {
  computerPlayer_ = 2;
  ask(&Game::p2_Click);
}

void Intents::chooseCampaign(bool campaign) { ask(campaign ? &Game::cpn_Click : &Game::classic_Click); }

void Intents::openSettings() { ask(&Game::set_Click); }

void Intents::applySettings(Picture snake1, Picture snake2, Picture obstacle) {
  ask([=](Game& game) { game.SettingsApplied(snake1, snake2, obstacle); });
}

void Intents::openHelp() { ask(&Game::hlp_Click); }

void Intents::closeHelp() { ask(&Game::HelpClosed); }

void Intents::dismissEndScreen() {
  if (endScreenUp()) ask(&Game::EndScreenClicked);
}

void Intents::pauseIfRunning() { ask(&Game::OutOfSight); }

bool Intents::endScreenUp() const { return session_.game().widgets.EndScreen.Shown; }

bool Intents::plays(int player) const {
  return player == 1 || (player == 2 && session_.game().OnePlayer == False);
}

}  // namespace ouroboard
