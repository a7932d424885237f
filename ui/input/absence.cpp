#include "absence.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include "intents.h"

namespace ouroboard {

Absence::Absence(Intents& intents, QWidget* mainWindow) : intents_(intents), mainWindow_(mainWindow) {
  mainWindow->installEventFilter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &Absence::activationChanged);
}

bool Absence::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && mainWindow_->isMinimized()) intents_.pauseIfRunning();
  return false;
}

// While the focus passes from one of the game's windows to another, the
// application can be without an active window for a moment; only a loss that
// lasts past the events already queued counts.
void Absence::activationChanged(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) return;
  QTimer::singleShot(0, this, [this] {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) intents_.pauseIfRunning();
  });
}

}  // namespace ouroboard
