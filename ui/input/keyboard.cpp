#include "keyboard.h"

#include <QKeyEvent>
#include <QWidget>

#include "intents.h"
#include "keymap.h"

namespace ouroboard {
namespace {

bool isArrow(int qtKey) { return qtKey >= Qt::Key_Left && qtKey <= Qt::Key_Down; }

std::optional<Int16> keyBy(bool (*matches)(const SteeringKey&, const QKeyEvent&), const QKeyEvent& event) {
  for (const SteeringKey& key : steeringKeys())
    if (matches(key, event)) return key.code;
  return std::nullopt;
}

bool byName(const SteeringKey& key, const QKeyEvent& event) { return key.key == event.key(); }

bool byPlace(const SteeringKey& key, const QKeyEvent& event) {
  return key.place != 0 && key.place == event.nativeScanCode();
}

bool dismisses(const QKeyEvent& event) {
  for (const QKeySequence& key : keysOf(Command::Dismiss).keys)
    if (key[0].key() == event.key()) return true;
  return false;
}

}  // namespace

// Without a scan code (synthetic events, some platforms) the letters count.
std::optional<Int16> steeringKeyCode(const QKeyEvent& event) {
  if (isArrow(event.key()) || event.nativeScanCode() == 0) return keyBy(byName, event);
  return keyBy(byPlace, event);
}

Keyboard::Keyboard(Intents& intents) : intents_(intents) {}

// An event filter on the window sees the keys its widgets leave unhandled;
// none of them takes the focus, so that is every key but the shortcuts.
void Keyboard::steerFrom(QWidget* window) { window->installEventFilter(this); }

// While an end screen is up, the keys that close a dialog dismiss it from
// the main window too: a click on the board must not cost the keyboard.
bool Keyboard::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (intents_.endScreenUp() && dismisses(key)) {
    intents_.dismissEndScreen();
    return true;
  }
  const std::optional<Int16> code = steeringKeyCode(key);
  if (!code) return false;
  intents_.steerByKey(*code);
  return true;
}

}  // namespace ouroboard
