#include "choicerow.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "pictureview.h"

namespace ouroboard {
namespace {

// Room around each picture for the keyboard's mark, inside the row's gaps.
constexpr int MarkGap = 2;

bool byKeyboard(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

}  // namespace

// Transparent: the window's background shows between the pictures.
ChoiceRow::ChoiceRow(QWidget* parent, const QString& name, const QString& title, QPoint topLeft, int step,
                     const Scale& scale)
    : QWidget(parent), title_(title), step_(step), scale_(scale), gap_(std::max(1, scale.px(MarkGap))) {
  setObjectName(name);
  setAccessibleName(title);
  move(scale.point(topLeft) - QPoint(gap_, gap_));
  // A click chooses a picture but leaves the focus where it was.
  setFocusPolicy(Qt::TabFocus);
}

void ChoiceRow::addChoice(const QString& name, Picture id, const QPixmap& picture) {
  const QPoint at(gap_ + scale_.px(step_ * static_cast<int>(views_.size())), gap_);
  auto* view = new PictureView(this, name, QRect(at, picture.deviceIndependentSize().toSize()));
  view->setPicture(picture);
  connect(view, &PictureView::clicked, this, [this, id] { emit chosen(id); });
  views_ << view;
  ids_ << id;
  const QRect last = view->geometry();
  resize(last.right() + 1 + gap_, last.bottom() + 1 + gap_);
}

// Setting a widget's accessible name announces it to screen readers, so only
// the names that change are set anew.
void ChoiceRow::setChosen(Picture id) {
  chosen_ = id;
  for (int place = 0; place < views_.size(); ++place) {
    const QString name = accessibleNameOf(place);
    if (views_[place]->accessibleName() != name) views_[place]->setAccessibleName(name);
  }
}

QString ChoiceRow::accessibleNameOf(int place) const {
  const QString name =
      ids_[place] == chosen_ ? tr("%1, picture %2 of %3, chosen") : tr("%1, picture %2 of %3");
  return name.arg(title_).arg(place + 1).arg(views_.size());
}

void ChoiceRow::paintEvent(QPaintEvent*) {
  if (!hasFocus() || !keyboardInUse_ || views_.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.drawRect(views_[current_]->geometry().adjusted(-gap_, -gap_, gap_ - 1, gap_ - 1));
}

void ChoiceRow::keyPressEvent(QKeyEvent* event) {
  showMark();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      return moveTo(current_ - 1);
    case Qt::Key_Right:
    case Qt::Key_Down:
      return moveTo(current_ + 1);
    case Qt::Key_Home:
      return moveTo(0);
    case Qt::Key_End:
      return moveTo(static_cast<int>(views_.size()) - 1);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return emit chosen(ids_[current_]);
    default:
      return QWidget::keyPressEvent(event);
  }
}

// Like a group of radio buttons, the keys arrive on the chosen picture. Qt
// repaints the row as it gains or loses the focus.
void ChoiceRow::focusInEvent(QFocusEvent* event) {
  if (byKeyboard(event->reason())) {
    current_ = std::max(0, static_cast<int>(ids_.indexOf(chosen_)));
    showMark();
  }
  QWidget::focusInEvent(event);
}

void ChoiceRow::showMark() {
  keyboardInUse_ = true;
  update();
}

// Screen readers follow the keys from picture to picture.
void ChoiceRow::moveTo(int place) {
  current_ = std::clamp(place, 0, static_cast<int>(views_.size()) - 1);
  update();
  QAccessibleEvent focus(views_[current_], QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace ouroboard
