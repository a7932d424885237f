#include "shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

#include "intents.h"
#include "keymap.h"

namespace ouroboard {
namespace {

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

bool typesLatinLetter(const QKeyEvent& event) { return event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z; }

}  // namespace

void closeOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

Shortcuts::Shortcuts(QMainWindow& window, Intents& intents) : window_(window), intents_(intents) {
  addSpeedKeys();
  keepAltOffTheMenuBar();
  window.installEventFilter(this);
}

// The menu commands answer from every window of the game; the speed keys,
// like the speed bars, on the main window. The end screen's keys are the
// keyboard code's.
void Shortcuts::bind(Command command, QAction* action) {
  action->setShortcuts(keysOf(command).keys);
  action->setShortcutContext(Qt::ApplicationShortcut);
  everywhere_ << action;
  commands_[command] = action;
}

void Shortcuts::addSpeedKeys() {
  for (const Command command : {Command::Faster, Command::Slower})
    for (const QKeySequence& key : keysOf(command).keys)
      connect(new QShortcut(key, &window_), &QShortcut::activated, this, [this, command] { run(command); });
}

void Shortcuts::reachFrom(QWidget* window) {
  window->addActions(everywhere_);
  window->installEventFilter(this);
}

void Shortcuts::openWith(QMenu* menu) { options_ = menu; }

// F10 still opens Options, so that every command stays within reach of the keys.
void Shortcuts::keepAltOffTheMenuBar() {
  QMenuBar* bar = window_.menuBar();
  auto* style = new NoAltNavigation(QApplication::style()->name());
  style->setParent(&window_);
  bar->setStyle(style);
  auto* f10 = new QShortcut(keysOf(Command::Options).keys.front(), &window_);
  connect(f10, &QShortcut::activated, this, [this] { run(Command::Options); });
}

void Shortcuts::run(Command command) {
  switch (command) {
    case Command::Options:
      if (options_ != nullptr) window_.menuBar()->setActiveAction(options_->menuAction());
      return;
    case Command::Faster:
      return intents_.changeSpeed(+1);
    case Command::Slower:
      return intents_.changeSpeed(-1);
    default:
      if (const auto bound = commands_.find(command); bound != commands_.end()) bound->second->trigger();
      return;
  }
}

// A key press no shortcut took, in one of the game's windows: on a layout that
// types no Latin letter there, the letter shortcuts sit where a US keyboard
// has their letters.
bool Shortcuts::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  return byPlace(*static_cast<QKeyEvent*>(event));
}

bool Shortcuts::byPlace(const QKeyEvent& event) {
  if (typesLatinLetter(event) || event.nativeScanCode() == 0 || QApplication::activePopupWidget() != nullptr)
    return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  for (const CommandKeys& entry : commandKeys()) {
    if (entry.place != event.nativeScanCode()) continue;
    if (entry.keys.front()[0].keyboardModifiers() != modifiers) continue;
    run(entry.command);
    return true;
  }
  return false;
}

}  // namespace ouroboard
