#include "keymap.h"

#include <QCoreApplication>
#include <algorithm>

namespace ouroboard {

const std::vector<SteeringKey>& steeringKeys() {
  static const std::vector<SteeringKey> keys = {
      {1, Qt::Key_Left, 0, Key::LeftArrow},
      {1, Qt::Key_Up, 0, Key::UpArrow},
      {1, Qt::Key_Right, 0, Key::RightArrow},
      {1, Qt::Key_Down, 0, Key::DownArrow},
      {2, Qt::Key_A, 38, Key::A},
      {2, Qt::Key_W, 25, Key::W},
      {2, Qt::Key_D, 40, Key::D},
      {2, Qt::Key_S, 39, Key::S},
  };
  return keys;
}

const std::vector<CommandKeys>& commandKeys() {
  static const std::vector<CommandKeys> keys = {
      {Command::PauseResume, {Qt::Key_P, Qt::Key_Pause}, 33, QT_TRANSLATE_NOOP("Keys", "pause or resume")},
      {Command::NewGame, {Qt::Key_F2}, 0, QT_TRANSLATE_NOOP("Keys", "new game")},
      {Command::Help, {Qt::Key_F1}, 0, QT_TRANSLATE_NOOP("Keys", "help")},
      {Command::Options, {Qt::Key_F10}, 0, QT_TRANSLATE_NOOP("Keys", "open the Options menu")},
      {Command::Exit, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, 24, QT_TRANSLATE_NOOP("Keys", "exit")},
      {Command::Faster,
       {Qt::Key_Plus, Qt::Key_Equal, QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
       0,
       QT_TRANSLATE_NOOP("Keys", "next speed step")},
      {Command::Slower,
       {Qt::Key_Minus, QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
       0,
       QT_TRANSLATE_NOOP("Keys", "previous speed step")},
      {Command::Dismiss,
       {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape},
       0,
       QT_TRANSLATE_NOOP("Keys", "dismiss the picture at the end of a level or a game")},
      {Command::FullScreen, {Qt::Key_F11}, 0, QT_TRANSLATE_NOOP("Keys", "full screen on or off; Escape leaves it")},
  };
  return keys;
}

const CommandKeys& keysOf(Command command) {
  const auto& keys = commandKeys();
  return *std::find_if(keys.begin(), keys.end(),
                       [command](const CommandKeys& entry) { return entry.command == command; });
}

namespace {

// The keypad's twins of the main keys go unsaid.
QString names(const QList<QKeySequence>& keys) {
  QStringList shown;
  for (const QKeySequence& key : keys)
    if (!(key[0].keyboardModifiers() & Qt::KeypadModifier)) shown << key.toString(QKeySequence::NativeText);
  return shown.join(QStringLiteral(", "));
}

QString steeringLine(int player) {
  QList<QKeySequence> keys;
  for (const SteeringKey& key : steeringKeys())
    if (key.player == player) keys << QKeySequence(key.key);
  return QCoreApplication::translate("Keys", "Player %1 steers with %2").arg(player).arg(names(keys));
}

}  // namespace

QStringList keyListLines() {
  QStringList lines = {QCoreApplication::translate("Keys", "Keys:"), steeringLine(1), steeringLine(2)};
  for (const CommandKeys& entry : commandKeys())
    lines << QStringLiteral("%1: %2").arg(names(entry.keys), QCoreApplication::translate("Keys", entry.does));
  return lines;
}

}  // namespace ouroboard
