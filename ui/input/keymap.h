// Which key does what. The keyboard code and the Help window's key list
// read the same tables, so the two cannot disagree.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QStringList>
#include <vector>

#include "types.h"

namespace ouroboard {

// A steering key and the virtual key code the game knows it by. Player 2's
// keys are also found by where they sit (the X11 keycode of that place on a
// US keyboard), so that they keep their places whatever the layout prints.
struct SteeringKey {
  int player;
  Qt::Key key;
  quint32 place;  // 0: found by name only
  Int16 code;
};
const std::vector<SteeringKey>& steeringKeys();

enum class Command { PauseResume, NewGame, Help, Options, Exit, Faster, Slower, Dismiss, FullScreen };

// A command's keys. A letter key also answers at its US place where the
// layout types no Latin letter there.
struct CommandKeys {
  Command command;
  QList<QKeySequence> keys;
  quint32 place;     // X11 keycode of the letter on a US keyboard; 0 for none
  const char* does;  // what it does, for the Help window; translated there
};
const std::vector<CommandKeys>& commandKeys();
const CommandKeys& keysOf(Command command);

// A key as the game names it: in the player's language, as keyboards label
// it there ("Enter" for Return and Enter alike, "Strg+Q" in German), never
// from Qt's catalogue of key names.
QString keyName(const QKeySequence& key);

// Player 2's keys as the active layout types them, where the platform tells
// (Z, Q, S, D on a French keyboard), else their US letters; in the order up,
// left, down, right (W, A, S, D on a US keyboard). Help and the key pictures
// name them from here.
QStringList playerTwoKeyNames();

// The key list that Help shows after its text, one line each.
QStringList keyListLines();

}  // namespace ouroboard
