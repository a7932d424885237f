#include "computer.h"

#include <QRandomGenerator>

#include "intents.h"
#include "session.h"

namespace ouroboard {

Computer::Computer(Session& session, Intents& intents)
    : session_(session), intents_(intents), brain_(Skill::Normal, QRandomGenerator::global()->generate64()) {
  connect(&session, &Session::aboutToTick, this, &Computer::decide);
}

void Computer::decide() {
  const int player = intents_.computerPlayer();
  if (player == 0 || !intents_.plays(player)) return;
  intents_.computerTurn(brain_.decide(session_.game(), static_cast<Int16>(player)));
}

}  // namespace ouroboard
