// Time of one decision of the computer player where it costs most: a classic
// game with a snake about a hundred segments long.
#include <benchmark/benchmark.h>

#include "brain.h"

namespace ouroboard {
namespace {

class StillClock final : public Clock {
 public:
  int Minute() override { return 17; }
  int Second() override { return 42; }
};

// The hard player plays a seeded classic game until its snake is long.
Game LongSnakeGame(Clock& clock, RandomSource& random) {
  Game game(clock, random);
  game.Form_Load();
  Brain brain(Skill::Hard, 1);
  while (game.Eaten1 < 95 && !game.widgets.EndScreen.Shown) {
    game.TurnPlayer(1, brain.decide(game, 1));
    game.Timer1_Timer();
  }
  return game;
}

void BM_Decision(benchmark::State& state) {
  StillClock clock;
  MixingRandom random(7);
  const Game game = LongSnakeGame(clock, random);
  if (game.widgets.EndScreen.Shown) state.SkipWithError("the snake did not grow long");
  Brain brain(static_cast<Skill>(state.range(0)), 1);
  for (auto _ : state) benchmark::DoNotOptimize(brain.decide(game, 1));
  state.SetLabel(state.range(0) == 0 ? "Easy" : state.range(0) == 1 ? "Normal" : "Hard");
}
BENCHMARK(BM_Decision)->DenseRange(0, 2)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace ouroboard

BENCHMARK_MAIN();
