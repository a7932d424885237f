// The steering keys, in whichever of the game's windows they are pressed.
#pragma once

#include <QObject>
#include <optional>

#include "types.h"

class QKeyEvent;
class QWidget;

namespace ouroboard {

class Intents;

// The virtual key code the game knows for a key press, if it steers a snake.
// Player 2's keys are found by where they sit, so that they keep the W, A, S
// and D places whatever the keyboard layout prints on them.
std::optional<Int16> steeringKeyCode(const QKeyEvent& event);

// Passes the steering keys of the windows it watches on to the game, and the
// keys that dismiss an end screen while one is up.
class Keyboard : public QObject {
 public:
  explicit Keyboard(Intents& intents);

  // Steering keys pressed while this window is active reach the game.
  void steerFrom(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Intents& intents_;
};

}  // namespace ouroboard
