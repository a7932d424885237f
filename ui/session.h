// The game and its clock, with one owner: the main window and the input
// sources both work on the game through it, and neither knows the other.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "game.h"
#include "platform.h"

namespace ouroboard {

class Session : public QObject {
  Q_OBJECT

 public:
  Session();

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  const QTimer& clock() const { return timer_; }

  // Runs one of the engine's commands; everyone then sees what it changed.
  template <typename Command>
  void run(Command&& command) {
    std::invoke(std::forward<Command>(command), game_);
    update();
  }
  // One tick of the game clock, as its timeout runs it.
  void tick();
  // Brings the clock in step with the game and tells the windows to show it.
  void update();

 signals:
  // Input that waits to be read is read now, so that it counts for this move.
  void aboutToTick();
  void clockChanged(bool running);
  // The game changed: the windows show it.
  void changed();

 private:
  void syncClock();

  SystemClock systemClock_;
  MixingRandom random_;
  Game game_;
  QTimer timer_;
};

}  // namespace ouroboard
