// Reads its input as a game: a sequence of commands (ticks, any key code,
// speed clicks with any index, every menu command, the settings applied with
// any pictures, help opened and closed, end-screen clicks at any time, the
// game going out of sight, the computer taking over or handing back either
// player at any skill), and stops at the first rule the game breaks.
#include <cstdio>
#include <cstdlib>
#include <span>

#include "session.h"
#include "soundness.h"

namespace {

void Stop(const std::vector<std::string>& faults) {
  for (const std::string& fault : faults) std::fprintf(stderr, "unsound: %s\n", fault.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ouroboard::testing;
  Session session;
  if (auto faults = SoundnessFaults(session.game(), After::Command); !faults.empty()) Stop(faults);
  std::span<const std::uint8_t> input(data, size);
  while (!session.exited()) {
    const std::optional<Command> command = Decode(input);
    if (!command) break;
    if (auto faults = session.Apply(*command); !faults.empty()) Stop(faults);
  }
  return 0;
}
