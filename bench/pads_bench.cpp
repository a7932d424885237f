// What the game controllers add to a tick: the pads are read just before
// each one, and only while a pad is plugged in. Two SDL virtual pads, or
// none, on a shown main window; run without a screen.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "input/pads.h"
#include "snaketable.h"

namespace ouroboard {
namespace {

void AttachVirtualPad() {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  SDL_JoystickAttachVirtualEx(&desc);
}

// state.range(0) pads plugged in; state.range(1) chooses what is timed: 1,
// the signal the clock sends before each tick; 0, a read of the pads as
// the timer makes it while the clock is stopped. At 40 ticks a second,
// t ns per tick cost t * 4e-6 per cent of one core.
void BM_PadsBeforeATick(benchmark::State& state) {
  SnakeTable table;
  table.show();
  if (!QTest::qWaitForWindowExposed(&table)) return state.SkipWithError("the window was not exposed");
  const auto pads = std::make_unique<Pads>(table.session(), table.intents());
  if (!pads->start()) return state.SkipWithError("SDL's game controllers could not be opened");
  const int plugged = static_cast<int>(state.range(0));
  for (int k = 0; k < plugged; ++k) AttachVirtualPad();
  pads->poll();
  if (SDL_NumJoysticks() != plugged) return state.SkipWithError("the virtual pads were not attached");
  const bool viaSignal = state.range(1) != 0;
  for (auto _ : state) {
    if (viaSignal)
      emit table.session().aboutToTick();
    else
      pads->poll();
  }
}
BENCHMARK(BM_PadsBeforeATick)
    ->ArgNames({"pads", "tick"})
    ->ArgsProduct({{0, 2}, {1, 0}})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace ouroboard

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
