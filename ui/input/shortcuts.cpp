#include "shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

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

}  // namespace

void closeOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

Shortcuts::Shortcuts(SnakeTable& table) : QObject(&table), table_(table) {
  addShortcuts();
  keepAltOffTheMenuBar();
}

// The desktop's usual keys; none of them steers.
void Shortcuts::addShortcuts() {
  const SnakeTable::Menu& menu = table_.menu();
  menu.PR->setShortcuts({Qt::Key_P, Qt::Key_Pause});
  menu.NG->setShortcut(Qt::Key_F2);
  menu.hlp->setShortcut(Qt::Key_F1);
  menu.ext->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// F10 still opens Options, so that every command stays within reach of the keys.
void Shortcuts::keepAltOffTheMenuBar() {
  QMenuBar* bar = table_.menuBar();
  auto* style = new NoAltNavigation(QApplication::style()->name());
  style->setParent(&table_);
  bar->setStyle(style);
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &table_);
  QMenu* options = table_.menu().opt;
  connect(f10, &QShortcut::activated, bar, [bar, options] { bar->setActiveAction(options->menuAction()); });
}

}  // namespace ouroboard
