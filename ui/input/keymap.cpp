#include "keymap.h"

#include <linux/input-event-codes.h>

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

#include "typedkeys.h"

namespace ouroboard {

// X11 numbers a key's place as the kernel does, plus 8.
const std::vector<SteeringKey>& steeringKeys() {
  static const std::vector<SteeringKey> keys = {
      {1, Qt::Key_Left, 0, Key::LeftArrow},
      {1, Qt::Key_Up, 0, Key::UpArrow},
      {1, Qt::Key_Right, 0, Key::RightArrow},
      {1, Qt::Key_Down, 0, Key::DownArrow},
      {2, Qt::Key_A, KEY_A + 8, Key::A},
      {2, Qt::Key_W, KEY_W + 8, Key::W},
      {2, Qt::Key_D, KEY_D + 8, Key::D},
      {2, Qt::Key_S, KEY_S + 8, Key::S},
  };
  return keys;
}

const std::vector<CommandKeys>& commandKeys() {
  // The words follow the key in Help's key list ("F1: help"), as verbs.
  static const std::vector<CommandKeys> keys = {
      {Command::PauseResume,
       {Qt::Key_P, Qt::Key_Pause},
       KEY_P + 8,
       //: Key list: what P and Pause do, a command: stop or restart the game.
       QT_TRANSLATE_NOOP("Keys", "pause or resume")},
      {Command::NewGame,
       {Qt::Key_F2},
       0,
       //: Key list: what F2 does, a command: start a new game.
       QT_TRANSLATE_NOOP("Keys", "new game")},
      {Command::Help,
       {Qt::Key_F1},
       0,
       //: Key list: what F1 does, a command: open the Help window.
       QT_TRANSLATE_NOOP("Keys", "help")},
      {Command::Options,
       {Qt::Key_F10},
       0,
       //: Key list: what F10 does; Options is the menu of that name.
       QT_TRANSLATE_NOOP("Keys", "open the Options menu")},
      {Command::Exit,
       {QKeySequence(Qt::CTRL | Qt::Key_Q)},
       KEY_Q + 8,
       //: Key list: what Ctrl+Q does, a command: end the program.
       QT_TRANSLATE_NOOP("Keys", "exit")},
      {Command::Faster,
       {Qt::Key_Plus, Qt::Key_Equal, QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
       0,
       //: Key list: what + does, a command: one bar faster on the speed indicator.
       QT_TRANSLATE_NOOP("Keys", "next speed step")},
      {Command::Slower,
       {Qt::Key_Minus, QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
       0,
       //: Key list: what - does, a command: one bar slower on the speed indicator.
       QT_TRANSLATE_NOOP("Keys", "previous speed step")},
      {Command::Dismiss,
       {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape},
       0,
       //: Key list: what Enter, Space and Esc do, a command.
       QT_TRANSLATE_NOOP("Keys", "dismiss the picture at the end of a level or a game")},
      {Command::FullScreen,
       {Qt::Key_F11},
       0,
       //: Key list: what F11 does, a command: the window fills the screen, or goes back; Esc also goes back.
       QT_TRANSLATE_NOOP("Keys", "full screen on or off; Esc also leaves it")},
  };
  return keys;
}

const CommandKeys& keysOf(Command command) {
  const auto& keys = commandKeys();
  return *std::find_if(keys.begin(), keys.end(),
                       [command](const CommandKeys& entry) { return entry.command == command; });
}

namespace {

QString plainKeyName(Qt::Key key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      //: The Enter key (Return and Enter alike), as keyboards in your language label it.
      return QCoreApplication::translate("Keys", "Enter");
    case Qt::Key_Space:
      //: The space bar, as a key's name.
      return QCoreApplication::translate("Keys", "Space");
    case Qt::Key_Escape:
      //: The Escape key, as keyboards in your language label it.
      return QCoreApplication::translate("Keys", "Esc");
    case Qt::Key_Pause:
      //: The Pause key, as keyboards in your language label it.
      return QCoreApplication::translate("Keys", "Pause", "key");
    default:
      return QKeySequence(key).toString(QKeySequence::PortableText);
  }
}

// The keypad's twins of the main keys go unsaid, and Return and Enter are one.
QString names(const QList<QKeySequence>& keys) {
  QStringList shown;
  for (const QKeySequence& key : keys)
    if (!(key[0].keyboardModifiers() & Qt::KeypadModifier)) shown << keyName(key);
  shown.removeDuplicates();
  return QLocale().createSeparatedList(shown);
}

QString steeringLine(int player) {
  if (player == 1)
    //: Key list. %1: the player's number, 1.
    return QCoreApplication::translate("Keys", "Player %1 steers with the arrow keys").arg(player);
  //: Key list. %1: the player's number, 2; %2: a list of letter keys, such as "W, A, S and D".
  return QCoreApplication::translate("Keys", "Player %1 steers with the keys %2")
      .arg(player)
      .arg(QLocale().createSeparatedList(playerTwoKeyNames()));
}

}  // namespace

QString keyName(const QKeySequence& key) {
  const QString name = plainKeyName(key[0].key());
  if (!(key[0].keyboardModifiers() & Qt::ControlModifier)) return name;
  //: A key pressed with the Control key held, Control named as keyboards in your language label it
  //: ("Strg+Q"). %1: the other key.
  return QCoreApplication::translate("Keys", "Ctrl+%1").arg(name);
}

// Found by place: the names the layout types there, the US letters where it
// does not tell.
QStringList playerTwoKeyNames() {
  QList<const SteeringKey*> keys;
  for (const Qt::Key letter : {Qt::Key_W, Qt::Key_A, Qt::Key_S, Qt::Key_D})
    for (const SteeringKey& key : steeringKeys())
      if (key.player == 2 && key.key == letter) keys << &key;
  QList<quint32> places;
  for (const SteeringKey* key : keys) places << key->place;
  QStringList names = typedAt(places);
  for (qsizetype i = 0; i < keys.size(); ++i)
    if (names[i].isEmpty()) names[i] = plainKeyName(keys[i]->key);
  return names;
}

QStringList keyListLines() {
  //: Key list: its heading.
  QStringList lines = {QCoreApplication::translate("Keys", "Keys:"), steeringLine(1), steeringLine(2)};
  for (const CommandKeys& entry : commandKeys())
    //: Key list: one line. %1: a key or a list of keys; %2: what they do, such as "new game".
    lines << QCoreApplication::translate("Keys", "%1: %2")
                 .arg(names(entry.keys), QCoreApplication::translate("Keys", entry.does));
  return lines;
}

}  // namespace ouroboard
