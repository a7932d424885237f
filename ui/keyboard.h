// The keyboard in the game's windows: steering keys, the menu shortcuts, and
// pausing when the player stops watching.
#pragma once

#include <QObject>
#include <optional>

#include "types.h"

class QKeyEvent;
class QWidget;

namespace ouroboard {

class SnakeTable;

// The virtual key code the game knows for a key press, if it steers a snake.
// Player 2's keys are found by where they sit, so that they keep the W, A, S
// and D places whatever the keyboard layout prints on them.
std::optional<Int16> steeringKeyCode(const QKeyEvent& event);

// Escape closes the window, just as its close box does.
void closeOnEscape(QWidget* window);

// Routes steering keys from the main window and the end screen to the game,
// gives the menu commands their shortcuts, keeps a lone Alt from taking the
// arrows into the menu bar, and pauses a running game that nobody can see.
class Keyboard : public QObject {
 public:
  explicit Keyboard(SnakeTable& table);

  // Steering keys pressed while this window is active reach the game.
  void steerFrom(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addShortcuts();
  void keepAltOffTheMenuBar();
  void activationChanged(Qt::ApplicationState state);
  void outOfSight();

  SnakeTable& table_;
};

}  // namespace ouroboard
