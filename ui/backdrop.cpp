#include "backdrop.h"

#include <QPainter>

#include "style.h"

namespace ouroboard {

Backdrop::Backdrop(QWidget* parent, const QString& name, const QSize& size) : QWidget(parent) {
  setObjectName(name);
  setFixedSize(size);
  setFocusPolicy(Qt::NoFocus);
  paintBlack(this);
}

void Backdrop::setPicture(const QPixmap& picture) {
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  update();
}

void Backdrop::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace ouroboard
