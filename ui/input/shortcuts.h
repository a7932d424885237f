// The menu commands' keys, the speed keys, the way into the menu bar, and
// Escape.
#pragma once

#include <QList>
#include <QObject>
#include <map>

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;
class QWidget;

namespace ouroboard {

class Intents;
enum class Command;

// Escape closes the window, just as its close box does.
void closeOnEscape(QWidget* window);

// Gives the commands their keys in every window of the game, also where the
// keyboard layout types no Latin letters, and keeps a lone Alt from taking
// the arrows into the menu bar.
class Shortcuts : public QObject {
 public:
  Shortcuts(QMainWindow& window, Intents& intents);

  // The menu command's keys choose it from every window of the game.
  void bind(Command command, QAction* action);
  // The Options key opens this menu of the menu bar.
  void openWith(QMenu* menu);
  // The commands' keys also answer in this window while the main window is
  // hidden, which takes its menus' keys with it.
  void reachFrom(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addSpeedKeys();
  void keepAltOffTheMenuBar();
  void run(Command command);
  bool byPlace(const QKeyEvent& event);

  QMainWindow& window_;
  Intents& intents_;
  std::map<Command, QAction*> commands_;
  QMenu* options_ = nullptr;
  QList<QAction*> everywhere_;
};

}  // namespace ouroboard
