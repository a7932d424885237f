#include "keyboard.h"

#include <QKeyEvent>
#include <QWidget>

#include "intents.h"

namespace ouroboard {
namespace {

// Keycodes of the keys at the W, A, S and D places of a US keyboard, as X11
// and Wayland report them.
constexpr quint32 PlaceOfW = 25;
constexpr quint32 PlaceOfA = 38;
constexpr quint32 PlaceOfS = 39;
constexpr quint32 PlaceOfD = 40;

std::optional<Int16> playerTwoKeyByPlace(quint32 scanCode) {
  switch (scanCode) {
    case PlaceOfW:
      return Key::W;
    case PlaceOfA:
      return Key::A;
    case PlaceOfS:
      return Key::S;
    case PlaceOfD:
      return Key::D;
    default:
      return std::nullopt;
  }
}

std::optional<Int16> keyByName(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return Key::LeftArrow;
    case Qt::Key_Up:
      return Key::UpArrow;
    case Qt::Key_Right:
      return Key::RightArrow;
    case Qt::Key_Down:
      return Key::DownArrow;
    case Qt::Key_A:
      return Key::A;
    case Qt::Key_W:
      return Key::W;
    case Qt::Key_D:
      return Key::D;
    case Qt::Key_S:
      return Key::S;
    default:
      return std::nullopt;
  }
}

bool isArrow(int qtKey) { return qtKey >= Qt::Key_Left && qtKey <= Qt::Key_Down; }

}  // namespace

// Without a scan code (synthetic events, some platforms) the letters count.
std::optional<Int16> steeringKeyCode(const QKeyEvent& event) {
  if (isArrow(event.key())) return keyByName(event.key());
  if (event.nativeScanCode() != 0) return playerTwoKeyByPlace(event.nativeScanCode());
  return keyByName(event.key());
}

Keyboard::Keyboard(Intents& intents, QObject* parent) : QObject(parent), intents_(intents) {}

// An event filter on the window sees the keys its widgets leave unhandled;
// none of them takes the focus, so that is every key but the shortcuts.
void Keyboard::steerFrom(QWidget* window) { window->installEventFilter(this); }

bool Keyboard::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const std::optional<Int16> code = steeringKeyCode(*static_cast<QKeyEvent*>(event));
  if (!code) return false;
  intents_.steerByKey(*code);
  return true;
}

}  // namespace ouroboard
