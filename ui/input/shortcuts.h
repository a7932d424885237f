// The menu commands' keys, the speed keys, the way into the menu bar, and
// Escape.
#pragma once

#include <QList>
#include <QObject>

class QAction;

class QKeyEvent;
class QWidget;

namespace ouroboard {

class SnakeTable;
enum class Command;

// Escape closes the window, just as its close box does.
void closeOnEscape(QWidget* window);

// Gives the commands their keys in every window of the game, also where the
// keyboard layout types no Latin letters, and keeps a lone Alt from taking
// the arrows into the menu bar.
class Shortcuts : public QObject {
 public:
  explicit Shortcuts(SnakeTable& table);

  // The commands' keys also answer in this window while the main window is
  // hidden, which takes its menus' keys with it.
  void reachFrom(QWidget* window) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addShortcuts();
  void keepAltOffTheMenuBar();
  void run(Command command);
  bool byPlace(const QKeyEvent& event);

  SnakeTable& table_;
  QList<QAction*> everywhere_;
};

}  // namespace ouroboard
