// Time of one tick at the heaviest load the game meets: a two-player campaign
// on level 7 with both snakes 30 segments long.
#include <benchmark/benchmark.h>

#include <chrono>

#include "game.h"

namespace ouroboard {
namespace {

// Both snakes lie along the free rows at the top and bottom, heads turned
// into free columns, so a batch of ticks neither kills nor feeds them.
Game LevelSevenGame(Clock& clock, RandomSource& random) {
  Game game(clock, random);
  game.Form_Load();
  game.p2_Click();
  game.cpn_Click();
  game.Level = 7;
  game.SetObstacles();
  game.Len1 = game.Len2 = 29;
  for (int k = 0; k < 28; ++k) {
    game.Body1[k] = static_cast<Cell>(31 + k);   // row 1
    game.Body2[k] = static_cast<Cell>(841 + k);  // row 28
    game.Dir1[k] = game.Dir2[k] = Heading::Right;
  }
  game.Body1[28] = 62, game.Body1[29] = 61;    // head in column 1, going down
  game.Body2[28] = 837, game.Body2[29] = 838;  // head in column 28, going up
  game.Dir1[28] = game.Dir1[29] = Heading::Down;
  game.Dir2[28] = game.Dir2[29] = Heading::Up;
  game.FoodCell = 500;
  return game;
}

void BM_TickLevelSevenTwoPlayers(benchmark::State& state) {
  SystemClock clock;
  MixingRandom random;
  const Game start = LevelSevenGame(clock, random);
  Game game = start;
  int ticks = 0;
  for (auto _ : state) {
    if (ticks++ % 20 == 0) game = start;
    const auto begin = std::chrono::steady_clock::now();
    game.Timer1_Timer();
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(game.widgets.TableBlock.data());
    state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
  }
  if (game.widgets.EndScreen.Shown) state.SkipWithError("a snake died during the batch");
}
BENCHMARK(BM_TickLevelSevenTwoPlayers)->UseManualTime()->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace ouroboard

BENCHMARK_MAIN();
