// Pausing a running game that nobody can see.
#pragma once

#include <QObject>

class QWidget;

namespace ouroboard {

class Intents;

// A running game pauses when its main window is minimised or the player
// goes to another program; it waits for the player to resume it.
class Absence : public QObject {
 public:
  Absence(Intents& intents, QWidget* mainWindow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void activationChanged(Qt::ApplicationState state);

  Intents& intents_;
  QWidget* mainWindow_;
};

}  // namespace ouroboard
