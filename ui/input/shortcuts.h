// The menu commands' keys, the way into the menu bar, and Escape.
#pragma once

#include <QObject>

class QWidget;

namespace ouroboard {

class SnakeTable;

// Escape closes the window, just as its close box does.
void closeOnEscape(QWidget* window);

// Gives the menu commands their shortcuts and keeps a lone Alt from taking
// the arrows into the menu bar.
class Shortcuts : public QObject {
 public:
  explicit Shortcuts(SnakeTable& table);

 private:
  void addShortcuts();
  void keepAltOffTheMenuBar();

  SnakeTable& table_;
};

}  // namespace ouroboard
