// The computer as player 2: an input source like the keys and the pads.
#pragma once

#include <QObject>

#include "brain.h"

namespace ouroboard {

class Intents;
class Session;

// Just before each move, as the pads are read, the computer looks at the
// board and turns the snake of the player it steers, through the same turn
// rule as the keys.
class Computer : public QObject {
 public:
  Computer(Session& session, Intents& intents);

  Skill skill() const { return brain_.skill(); }
  // Applies from the next move.
  void setSkill(Skill skill) { brain_.setSkill(skill); }

 private:
  void decide();

  Session& session_;
  Intents& intents_;
  Brain brain_;
};

}  // namespace ouroboard
