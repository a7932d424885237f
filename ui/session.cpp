#include "session.h"

#include <QRandomGenerator>

namespace ouroboard {

Session::Session() : random_(QRandomGenerator::global()->generate64()), game_(systemClock_, random_) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Session::tick);
  game_.Form_Load();
  syncClock();
}

// A pause made while the pads were read, just before the move, holds this
// move back too: a paused snake never moves.
void Session::tick() {
  const bool running = game_.widgets.Timer1.Enabled;
  emit aboutToTick();
  if (running && !game_.widgets.Timer1.Enabled) return;
  run(&Game::Timer1_Timer);
}

void Session::update() {
  syncClock();
  emit changed();
}

// Setting the interval restarts a running timer, so only a change is passed on.
void Session::syncClock() {
  const GameClock& clock = game_.widgets.Timer1;
  if (timer_.interval() != clock.Interval) timer_.setInterval(clock.Interval);
  if (clock.Enabled == timer_.isActive()) return;
  if (clock.Enabled)
    timer_.start();
  else
    timer_.stop();
  emit clockChanged(clock.Enabled);
}

}  // namespace ouroboard
