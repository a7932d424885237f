#include "choicerow.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "choicepicture.h"

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
  auto* view = new ChoicePicture(this, name, QRect(at, picture.deviceIndependentSize().toSize()));
  view->setPicture(picture);
  connect(view, &PictureView::clicked, this, [this, id] { emit chosen(id); });
  views_ << view;
  ids_ << id;
  nameThePictures();
  const QRect last = view->geometry();
  resize(last.right() + 1 + gap_, last.bottom() + 1 + gap_);
}

// A screen reader hears the chosen picture as checked, from its role; its
// name says where it sits in the row.
void ChoiceRow::nameThePictures() {
  for (int place = 0; place < views_.size(); ++place)
    //: A picture in a row of Settings, for a screen reader: %1 the row's name (a snake or the obstacle), %2 the picture's place in the row, %3 how many pictures the row has
    views_[place]->setAccessibleName(tr("%1, picture %2 of %3").arg(title_).arg(place + 1).arg(views_.size()));
}

void ChoiceRow::setChosen(Picture id) {
  chosen_ = id;
  for (int place = 0; place < views_.size(); ++place) views_[place]->setChecked(ids_[place] == id);
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
