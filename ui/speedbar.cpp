#include "speedbar.h"

#include <QAccessibleWidget>

#include "picture.h"

namespace ouroboard {
namespace {

class SpeedBarInterface : public QAccessibleWidget {
 public:
  explicit SpeedBarInterface(SpeedBar* bar) : QAccessibleWidget(bar, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = bar()->isCurrent();
    return state;
  }

  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

  void doAction(const QString& name) override {
    if (name == pressAction())
      emit bar()->clicked();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  SpeedBar* bar() const { return static_cast<SpeedBar*>(widget()); }
};

QAccessibleInterface* speedBarInterface(const QString& className, QObject* object) {
  if (className != QLatin1String(SpeedBar::staticMetaObject.className())) return nullptr;
  return new SpeedBarInterface(static_cast<SpeedBar*>(object));
}

}  // namespace

SpeedBar::SpeedBar(QWidget* parent, int step, const QRect& geometry)
    : PictureView(parent, QStringLiteral("SpeedPic(%1)").arg(step), geometry) {
  static const bool factoryInstalled = (QAccessible::installFactory(speedBarInterface), true);
  Q_UNUSED(factoryInstalled);
  //: Spoken name of a bar of the speed indicator. %1: its place from the slowest, 1 to 7;
  //: %2: the number of bars, 7.
  setAccessibleName(tr("Speed %1 of %2").arg(step + 1).arg(SpeedStepCount));
  setAccessibleDescription(tr("Click to start a new game at this speed"));
}

void SpeedBar::setCurrent(bool current) {
  if (current == current_) return;
  current_ = current;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace ouroboard
