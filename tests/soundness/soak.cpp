// Long unattended games over many seeds, one or two players, classic and
// campaign, every speed, with the soundness rules checked after every call.
//
//   engine_soak                 a quarter of a million ticks (the test suite)
//   engine_soak --night         ten million ticks
//   engine_soak --seeds DIR     writes four games as the fuzzer's seeds
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "player.h"

namespace ouroboard::testing {
namespace {

constexpr long SuiteTicks = 250'000;
constexpr long NightTicks = 10'000'000;
constexpr long TicksPerGame = 8'000;

struct Tally {
  long ticks = 0;
  int games = 0;
  int deaths = 0;
  int levelsPassed = 0;
  int campaignsWon = 0;
  int classicsWon = 0;
  int highestLevel = 1;

  void Count(const Game& game, unsigned& shows) {
    const EndScreenView& screen = game.widgets.EndScreen;
    highestLevel = std::max<int>(highestLevel, game.Level);
    if (screen.ShowCount == shows) return;
    shows = screen.ShowCount;
    deaths += screen.Background == Picture::GameOver;
    levelsPassed += screen.Background == Picture::LevelProceed;
    campaignsWon += screen.Background == Picture::CampaignOver;
    classicsWon += screen.Background == Picture::ClassicOver;
  }
};

// Plays one game of the given seed; false when the game broke a rule.
bool Play(unsigned seed, long ticks, Tally& tally, Recorder* recorder = nullptr) {
  Session session;
  BusyPlayer player(seed);
  unsigned shows = 0;
  std::vector<Command> commands = player.Opening();
  for (std::size_t i = 0; session.ticks() < ticks; ++i) {
    const Command command = i < commands.size() ? commands[i] : player.Next(session);
    if (recorder != nullptr) recorder->Record(command);
    const std::vector<std::string> faults = session.Apply(command);
    tally.Count(session.game(), shows);
    if (faults.empty()) continue;
    std::fprintf(stderr, "soak: seed %u, after tick %ld, command %d (%d, %d, %d):\n", seed, session.ticks(),
                 static_cast<int>(command.op), command.a, command.b, command.c);
    for (const std::string& fault : faults) std::fprintf(stderr, "  %s\n", fault.c_str());
    return false;
  }
  tally.ticks += session.ticks();
  ++tally.games;
  return true;
}

int Soak(long ticks) {
  const auto start = std::chrono::steady_clock::now();
  Tally tally;
  for (unsigned seed = 1; tally.ticks < ticks; ++seed)
    if (!Play(seed, std::min(TicksPerGame, ticks - tally.ticks), tally)) return 1;
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf(
      "soak: %ld ticks in %d games, %.1f s: %d deaths, %d levels passed (highest level %d), "
      "%d campaigns and %d classic games completed; every rule held\n",
      tally.ticks, tally.games, took.count(), tally.deaths, tally.levelsPassed, tally.highestLevel,
      tally.campaignsWon, tally.classicsWon);
  // A soak that never ends a level or loses a game has not tried the game.
  return tally.deaths > 0 && tally.levelsPassed > 0 ? 0 : 1;
}

// One game for each choice of players and mode, a few levels long.
int WriteSeeds(const std::filesystem::path& folder) {
  constexpr long SeedTicks = 8'000;
  std::filesystem::create_directories(folder);
  std::set<std::string> written;
  for (unsigned seed = 1; written.size() < 4; ++seed) {
    const std::vector<Command> opening = BusyPlayer(seed).Opening();
    const auto chose = [&opening](MenuItem item) {
      return std::any_of(opening.begin(), opening.end(),
                         [item](const Command& command) { return command == MenuCommand(item); });
    };
    const std::string name = std::string(chose(MenuItem::OnePlayer) ? "one" : "two") + "-player-" +
                             (chose(MenuItem::Campaign) ? "campaign" : "classic");
    if (seed % 3 == 0 || !written.insert(name).second) continue;  // calm players get further
    Tally tally;
    Recorder recorder;
    if (!Play(seed, SeedTicks, tally, &recorder)) return 1;
    const std::vector<std::uint8_t> bytes = recorder.Bytes();
    std::ofstream file(folder / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  return 0;
}

}  // namespace
}  // namespace ouroboard::testing

int main(int argc, char** argv) {
  using namespace ouroboard::testing;
  if (argc == 1) return Soak(SuiteTicks);
  if (argc == 2 && std::strcmp(argv[1], "--night") == 0) return Soak(NightTicks);
  if (argc == 3 && std::strcmp(argv[1], "--seeds") == 0) return WriteSeeds(argv[2]);
  std::fprintf(stderr, "usage: %s [--night | --seeds FOLDER]\n", argv[0]);
  return 2;
}
