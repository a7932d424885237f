// What the keyboard types at a key's place, for naming keys that the game
// finds by where they sit rather than by what they print.
#pragma once

#include <QList>
#include <QStringList>

struct xkb_keymap;

namespace ouroboard {

// For each place (an X11 keycode), the character the active layout types
// there, upper-cased as on a key cap: "Z" at the W place of a French
// keyboard. Empty where the platform does not tell: the X server's core
// keyboard tells, Qt does not hand out a Wayland compositor's keymap.
QStringList typedAt(const QList<quint32>& places);

// Names keys from this keymap's first layout instead of the desktop's, for
// a keyboard the game is told of; null goes back to the desktop's. The
// caller keeps the keymap alive meanwhile.
void nameKeysFrom(xkb_keymap* keymap);

}  // namespace ouroboard
