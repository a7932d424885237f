#include "intents.h"

#include "snaketable.h"

namespace ouroboard {

void Intents::steerByKey(Int16 keyCode) {
  table_.game().Form_KeyDown(keyCode);
  table_.sync();
}

void Intents::turn(int player, Int16 heading) {
  table_.game().TurnPlayer(static_cast<Int16>(player), heading);
  table_.sync();
}

void Intents::pauseOrResume() {
  table_.game().PR_Click();
  table_.sync();
}

void Intents::changeSpeed(int by) {
  const int step = table_.game().SpeedStep() + by;
  if (step < 0 || step >= SpeedStepCount) return;
  table_.game().SpeedPic_Click(static_cast<Int16>(step));
  table_.sync();
}

// The main window comes back to the front with the keyboard.
void Intents::dismissEndScreen() {
  if (!table_.game().widgets.EndScreen.Shown) return;
  table_.game().EndScreenClicked();
  table_.sync();
  table_.raise();
  table_.activateWindow();
}

void Intents::pauseIfRunning() {
  table_.game().OutOfSight();
  table_.sync();
}

bool Intents::endScreenUp() const { return table_.game().widgets.EndScreen.Shown; }

bool Intents::plays(int player) const {
  return player == 1 || (player == 2 && table_.game().OnePlayer == False);
}

}  // namespace ouroboard
