#include "pictureview.h"

#include <QMouseEvent>
#include <QPainter>

namespace ouroboard {

PictureView::PictureView(QWidget* parent, const QString& name, const QRect& geometry, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
  setObjectName(name);
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
}

void PictureView::setPicture(const QPixmap& picture) {
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  // A fixed size wins over the picture's: resize() keeps within the limits.
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize().grownBy(contentsMargins()));
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(contentsRect().topLeft(), picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

}  // namespace ouroboard
