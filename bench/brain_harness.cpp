// How well and how fast the computer player plays, over seeded games with no
// display and no real time: the clock is fixed per game, food comes from the
// game's own generator seeded per game, and the harness calls the tick itself.
//
//   brain_harness                    every measure, 500 games each
//   brain_harness --games 50 solo    fewer games; solo, campaign or duel only
//   brain_harness --skill Hard       one skill alone (not for the duels)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "brain.h"
#include "levels.h"

namespace ouroboard {
namespace {

constexpr long MaxTicks = 60'000;  // a game still running by then counts as stalled
constexpr std::array<Skill, 3> Skills = {Skill::Easy, Skill::Normal, Skill::Hard};
constexpr std::array<const char*, 3> SkillNames = {"Easy", "Normal", "Hard"};
std::string onlySkill;  // empty for every skill

bool Measured(std::size_t skill) { return onlySkill.empty() || onlySkill == SkillNames[skill]; }

class FixedClock final : public Clock {
 public:
  explicit FixedClock(unsigned seed) : minute_(static_cast<int>(seed % 60)), second_(static_cast<int>(seed / 60 % 60)) {}
  int Minute() override { return minute_; }
  int Second() override { return second_; }

 private:
  int minute_, second_;
};

// One seeded game: its clock, its food generator and the game itself.
struct Table {
  explicit Table(unsigned seed) : clock(seed), random(0x5eed0000ULL + seed), game(clock, random) { game.Form_Load(); }
  FixedClock clock;
  MixingRandom random;
  Game game;
};

enum class End { Won, Crashed, Stalled };

struct Outcome {
  End end = End::Stalled;
  int eaten1 = 0;
  int eaten2 = 0;
  int crashed = 0;  // the player whose move crashed, 0 for none
};

std::vector<double>& DecisionTimes(Skill skill) {
  static std::array<std::vector<double>, 3> times;
  return times[static_cast<int>(skill)];
}

Int16 TimedDecision(Brain& brain, const Game& game, Int16 player) {
  const auto begin = std::chrono::steady_clock::now();
  const Int16 heading = brain.decide(game, player);
  const auto end = std::chrono::steady_clock::now();
  DecisionTimes(brain.skill()).push_back(std::chrono::duration<double, std::micro>(end - begin).count());
  return heading;
}

// Whether the player's next move, as its head heads now, ends the game.
bool MoveCrashes(const Game& game, Int16 player) {
  const SlotArray& body = player == 1 ? game.Body1 : game.Body2;
  const SlotArray& dir = player == 1 ? game.Dir1 : game.Dir2;
  const Int16 len = player == 1 ? game.Len1 : game.Len2;
  const int row = body[len] / BoardSide, column = body[len] % BoardSide;
  int next = body[len];
  switch (dir[len]) {
    case Heading::Right: next = row * BoardSide + (column + 1) % BoardSide; break;
    case Heading::Left: next = row * BoardSide + (column + BoardSide - 1) % BoardSide; break;
    case Heading::Up: next = (row + BoardSide - 1) % BoardSide * BoardSide + column; break;
    default: next = (row + 1) % BoardSide * BoardSide + column; break;
  }
  if (game.Obstacle[next] != False) return true;
  return std::find(body.begin() + 1, body.begin() + len + 1, next) != body.begin() + len + 1;
}

// Brains steer the players that have one, just before each tick, until an
// end screen shows.
Outcome Play(Game& game, Brain* one, Brain* two) {
  Outcome outcome;
  for (long tick = 0; tick < MaxTicks; ++tick) {
    if (one != nullptr) game.TurnPlayer(1, TimedDecision(*one, game, 1));
    if (two != nullptr) game.TurnPlayer(2, TimedDecision(*two, game, 2));
    outcome.eaten1 = game.Eaten1;
    outcome.eaten2 = game.Eaten2;
    const bool oneCrashes = MoveCrashes(game, 1);
    const bool twoCrashes = game.OnePlayer == False && MoveCrashes(game, 2);
    game.Timer1_Timer();
    if (!game.widgets.EndScreen.Shown) continue;
    if (game.widgets.EndScreen.Background == Picture::GameOver) {
      outcome.end = End::Crashed;
      outcome.crashed = oneCrashes ? 1 : twoCrashes ? 2 : 0;
    } else {
      outcome.end = End::Won;
    }
    return outcome;
  }
  return outcome;
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  const auto at = values.begin() + static_cast<long>(share * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

double Share(int count, int games) { return 100.0 * count / games; }

void Solo(int games) {
  std::printf("## Alone, classic game (%d games per skill)\n\n", games);
  std::printf("| skill | 100 food eaten | crashed | stalled | median food eaten |\n|---|---:|---:|---:|---:|\n");
  for (std::size_t s = 0; s < Skills.size(); ++s) {
    if (!Measured(s)) continue;
    int won = 0, crashed = 0, stalled = 0;
    std::vector<double> eaten;
    for (int seed = 1; seed <= games; ++seed) {
      Table table(static_cast<unsigned>(seed));
      Brain brain(Skills[s], static_cast<std::uint64_t>(seed));
      const Outcome outcome = Play(table.game, &brain, nullptr);
      won += outcome.end == End::Won;
      crashed += outcome.end == End::Crashed;
      stalled += outcome.end == End::Stalled;
      eaten.push_back(outcome.end == End::Won ? Game::ClassicTarget : outcome.eaten1);
    }
    std::printf("| %s | %.1f %% | %.1f %% | %.1f %% | %.0f |\n", SkillNames[s], Share(won, games),
                Share(crashed, games), Share(stalled, games), Percentile(eaten, 0.5));
    std::fflush(stdout);
  }
}

void Campaign(int games) {
  std::printf("\n## Alone, each campaign level started afresh (%d attempts per level and skill)\n\n", games);
  std::printf("| skill |");
  for (int level = levels::FirstLevel; level <= levels::LastLevel; ++level) std::printf(" level %d |", level);
  std::printf("\n|---|");
  for (int level = levels::FirstLevel; level <= levels::LastLevel; ++level) std::printf("---:|");
  std::printf("\n");
  for (std::size_t s = 0; s < Skills.size(); ++s) {
    if (!Measured(s)) continue;
    std::printf("| %s |", SkillNames[s]);
    for (int level = levels::FirstLevel; level <= levels::LastLevel; ++level) {
      int passed = 0;
      for (int seed = 1; seed <= games; ++seed) {
        Table table(static_cast<unsigned>(seed * 7 + level));
        Game& game = table.game;
        game.cpn_Click();
        game.Level = static_cast<Int16>(level);
        game.SetObstacles();
        game.Reset();
        Brain brain(Skills[s], static_cast<std::uint64_t>(seed));
        passed += Play(game, &brain, nullptr).end == End::Won;
      }
      std::printf(" %.1f %% |", Share(passed, games));
      std::fflush(stdout);
    }
    std::printf("\n");
  }
}

// Each pair of skills plays classic two-player games, swapping sides every
// game, since player 1 eats first when both heads reach the food together.
void Duel(int games) {
  std::printf("\n## Against each other, classic game (%d games per pair)\n\n", games);
  std::printf("| A against B | A wins on score | B wins on score | level | ended in a crash | A crashed | B crashed | stalled |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|\n");
  for (std::size_t a = 0; a < Skills.size(); ++a)
    for (std::size_t b = a; b < Skills.size(); ++b) {
      int winsA = 0, winsB = 0, level = 0, crashes = 0, crashedA = 0, crashedB = 0, stalled = 0;
      for (int seed = 1; seed <= games; ++seed) {
        Table table(static_cast<unsigned>(seed));
        table.game.p2_Click();
        Brain brainA(Skills[a], static_cast<std::uint64_t>(seed));
        Brain brainB(Skills[b], static_cast<std::uint64_t>(seed) + 1'000'000);
        const bool aIsOne = seed % 2 == 1;
        const Outcome outcome = aIsOne ? Play(table.game, &brainA, &brainB) : Play(table.game, &brainB, &brainA);
        const int eatenA = aIsOne ? outcome.eaten1 : outcome.eaten2;
        const int eatenB = aIsOne ? outcome.eaten2 : outcome.eaten1;
        winsA += eatenA > eatenB;
        winsB += eatenB > eatenA;
        level += eatenA == eatenB;
        crashes += outcome.end == End::Crashed;
        crashedA += outcome.crashed == (aIsOne ? 1 : 2);
        crashedB += outcome.crashed == (aIsOne ? 2 : 1);
        stalled += outcome.end == End::Stalled;
      }
      std::printf("| %s against %s | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f %% |\n",
                  SkillNames[a], SkillNames[b], Share(winsA, games), Share(winsB, games), Share(level, games),
                  Share(crashes, games), Share(crashedA, games), Share(crashedB, games), Share(stalled, games));
      std::fflush(stdout);
    }
}

void DecisionTimeTable() {
  std::printf("\n## Time per decision, every decision above (microseconds)\n\n");
  std::printf("| skill | decisions | median | 99th percentile | longest |\n|---|---:|---:|---:|---:|\n");
  for (std::size_t s = 0; s < Skills.size(); ++s) {
    if (!Measured(s)) continue;
    const std::vector<double>& times = DecisionTimes(Skills[s]);
    std::printf("| %s | %zu | %.1f | %.1f | %.1f |\n", SkillNames[s], times.size(), Percentile(times, 0.5),
                Percentile(times, 0.99), times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()));
  }
}

}  // namespace
}  // namespace ouroboard

int main(int argc, char** argv) {
  using namespace ouroboard;
  int games = 500;
  std::string only;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--games") == 0 && i + 1 < argc)
      games = std::max(1, std::atoi(argv[++i]));
    else if (std::strcmp(argv[i], "--skill") == 0 && i + 1 < argc)
      onlySkill = argv[++i];
    else
      only = argv[i];
  }
  if (!only.empty() && only != "solo" && only != "campaign" && only != "duel") {
    std::fprintf(stderr, "usage: %s [--games N] [--skill Easy|Normal|Hard] [solo | campaign | duel]\n", argv[0]);
    return 2;
  }
  if (only.empty() || only == "solo") Solo(games);
  if (only.empty() || only == "campaign") Campaign(games);
  if (only.empty() || only == "duel") Duel(games);
  DecisionTimeTable();
  return 0;
}
