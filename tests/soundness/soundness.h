// What "the game is sound" means, written once: every rule about the game's
// state that holds between any two events once the game has loaded. The
// engine tests, the soak and the fuzzer all judge the game by it.
#pragma once

#include <string>
#include <vector>

#include "game.h"

namespace ouroboard::testing {

// Only a tick repaints the whole board: a restart by a command leaves the old
// food item's picture on the board until then.
enum class After { Command, Tick };

// Every rule the game breaks, each as a sentence; empty when the game is sound.
std::vector<std::string> SoundnessFaults(const Game& game, After after);

}  // namespace ouroboard::testing
