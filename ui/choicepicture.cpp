#include "choicepicture.h"

#include <QAccessibleWidget>
#include <utility>

#include "endscreen.h"
#include "hlpfrm.h"
#include "settings.h"

namespace ouroboard {
namespace {

class ChoiceInterface : public QAccessibleWidget {
 public:
  explicit ChoiceInterface(ChoicePicture* choice) : QAccessibleWidget(choice, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = choice()->isChecked();
    return state;
  }

  QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

  void doAction(const QString& name) override {
    if (name == pressAction())
      emit choice()->clicked();
    else
      QAccessibleWidget::doAction(name);
  }

 private:
  ChoicePicture* choice() const { return static_cast<ChoicePicture*>(widget()); }
};

// Without a role of their own, plain widget windows are announced as
// anonymous boxes.
QAccessible::Role windowRole(const QString& className) {
  static const std::pair<const char*, QAccessible::Role> roles[] = {
      {Settings::staticMetaObject.className(), QAccessible::Dialog},
      {HlpFrm::staticMetaObject.className(), QAccessible::Window},
      {EndScreen::staticMetaObject.className(), QAccessible::AlertMessage},
  };
  for (const auto& [name, role] : roles)
    if (className == QLatin1String(name)) return role;
  return QAccessible::NoRole;
}

QAccessibleInterface* gameInterface(const QString& className, QObject* object) {
  if (className == QLatin1String(ChoicePicture::staticMetaObject.className()))
    return new ChoiceInterface(static_cast<ChoicePicture*>(object));
  const QAccessible::Role role = windowRole(className);
  if (role == QAccessible::NoRole) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), role);
}

}  // namespace

void ChoicePicture::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void installAccessibleRoles() { QAccessible::installFactory(gameInterface); }

}  // namespace ouroboard
