#include "shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

#include "keymap.h"
#include "snaketable.h"

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

Shortcuts::Shortcuts(SnakeTable& table) : QObject(&table), table_(table) {
  addShortcuts();
  keepAltOffTheMenuBar();
  qApp->installEventFilter(this);
}

// The menu commands answer from every window of the game; the speed keys,
// like the speed bars, on the main window. The end screen's keys are the
// keyboard code's.
void Shortcuts::addShortcuts() {
  const SnakeTable::Menu& menu = table_.menu();
  const std::pair<Command, QAction*> commands[] = {{Command::PauseResume, menu.PR},
                                                   {Command::NewGame, menu.NG},
                                                   {Command::Help, menu.hlp},
                                                   {Command::Exit, menu.ext}};
  for (const auto& [command, action] : commands) {
    action->setShortcuts(keysOf(command).keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    everywhere_ << action;
  }
  for (const Command command : {Command::Faster, Command::Slower})
    for (const QKeySequence& key : keysOf(command).keys)
      connect(new QShortcut(key, &table_), &QShortcut::activated, this, [this, command] { run(command); });
}

void Shortcuts::reachFrom(QWidget* window) const { window->addActions(everywhere_); }

// F10 still opens Options, so that every command stays within reach of the keys.
void Shortcuts::keepAltOffTheMenuBar() {
  QMenuBar* bar = table_.menuBar();
  auto* style = new NoAltNavigation(QApplication::style()->name());
  style->setParent(&table_);
  bar->setStyle(style);
  auto* f10 = new QShortcut(keysOf(Command::Options).keys.front(), &table_);
  connect(f10, &QShortcut::activated, this, [this] { run(Command::Options); });
}

void Shortcuts::run(Command command) {
  const SnakeTable::Menu& menu = table_.menu();
  switch (command) {
    case Command::PauseResume:
      return menu.PR->trigger();
    case Command::Exit:
      return menu.ext->trigger();
    case Command::Options:
      return table_.menuBar()->setActiveAction(menu.opt->menuAction());
    case Command::Faster:
      return table_.intents().changeSpeed(+1);
    case Command::Slower:
      return table_.intents().changeSpeed(-1);
    default:
      return;
  }
}

// A key press no shortcut took: on a layout that types no Latin letter there,
// the letter shortcuts sit where a US keyboard has their letters.
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
