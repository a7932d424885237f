#include "keyboard.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QTimer>

#include "snaketable.h"

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

// Alt alone would put the menu bar into keyboard navigation, where player 1's
// arrows walk the menus instead of steering.
class NoAltNavigation : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

// Without a scan code (synthetic events, some platforms) the letters count.
std::optional<Int16> steeringKeyCode(const QKeyEvent& event) {
  if (isArrow(event.key())) return keyByName(event.key());
  if (event.nativeScanCode() != 0) return playerTwoKeyByPlace(event.nativeScanCode());
  return keyByName(event.key());
}

void closeOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

Keyboard::Keyboard(SnakeTable& table) : QObject(&table), table_(table) {
  steerFrom(&table);
  addShortcuts();
  keepAltOffTheMenuBar();
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &Keyboard::activationChanged);
}

// An event filter on the window sees the keys its widgets leave unhandled;
// none of them takes the focus, so that is every key but the shortcuts.
void Keyboard::steerFrom(QWidget* window) { window->installEventFilter(this); }

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && watched == &table_ && table_.isMinimized()) outOfSight();
  if (event->type() != QEvent::KeyPress) return false;
  const std::optional<Int16> code = steeringKeyCode(*static_cast<QKeyEvent*>(event));
  if (!code) return false;
  table_.game().Form_KeyDown(*code);
  table_.sync();
  return true;
}

// The desktop's usual keys; none of them steers.
void Keyboard::addShortcuts() {
  const auto shortcuts = [this](const char* name, const QList<QKeySequence>& keys) {
    table_.findChild<QAction*>(QLatin1String(name))->setShortcuts(keys);
  };
  shortcuts("PR", {Qt::Key_P, Qt::Key_Pause});
  shortcuts("NG", {Qt::Key_F2});
  shortcuts("hlp", {Qt::Key_F1});
  shortcuts("ext", {QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

// F10 still opens Options, so that every command stays within reach of the keys.
void Keyboard::keepAltOffTheMenuBar() {
  QMenuBar* bar = table_.menuBar();
  auto* style = new NoAltNavigation(QApplication::style()->name());
  style->setParent(&table_);
  bar->setStyle(style);
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &table_);
  connect(f10, &QShortcut::activated, bar,
          [bar] { bar->setActiveAction(bar->findChild<QMenu*>(QStringLiteral("opt"))->menuAction()); });
}

// While the focus passes from one of the game's windows to another, the
// application can be without an active window for a moment; only a loss that
// lasts past the events already queued counts.
void Keyboard::activationChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) return;
  QTimer::singleShot(0, this, [this] {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) outOfSight();
  });
}

void Keyboard::outOfSight() {
  table_.game().OutOfSight();
  table_.sync();
}

}  // namespace ouroboard
