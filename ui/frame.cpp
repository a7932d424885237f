#include "frame.h"

#include <QPaintEvent>
#include <QPainter>

#include "picturebook.h"
#include "style.h"

namespace ouroboard {
namespace {

QPixmap band(const char* side) {
  return PictureBook::resource(QStringLiteral("frame_%1.png").arg(QLatin1String(side)));
}

}  // namespace

// The top and bottom bands run the frame's full width; the sides fill in between.
Frame::Frame() : own_{band("top"), band("left"), band("right"), band("bottom")} {
  const auto& [top, left, right, bottom] = own_;
  const QPoint places[] = {{0, 0}, {0, top.height()}, {Side - right.width(), top.height()},
                           {0, Side - bottom.height()}};
  for (int i = 0; i < 4; ++i) bands_[i] = Band{QRect(places[i], own_[i].size()), places[i], own_[i]};
}

// Scaled as one picture, so that the bands meet at their mitred corners as
// they do at the window's own size.
void Frame::setScale(const Scale& scale) {
  if (scale == Scale{}) {
    for (int i = 0; i < 4; ++i) bands_[i] = Band{bands_[i].units, bands_[i].units.topLeft(), own_[i]};
    return;
  }
  QPixmap whole(Side, Side);
  whole.fill(Qt::black);
  {
    QPainter painter(&whole);
    for (int i = 0; i < 4; ++i) painter.drawPixmap(bands_[i].units.topLeft(), own_[i]);
  }
  const QPixmap scaled = resampled(whole, scale);
  for (Band& band : bands_) {
    const QRect pixels = Scale{scale.device(), 1}.rect(band.units);
    band.place = QPointF(pixels.topLeft()) / scale.ratio;
    band.picture = scaled.copy(pixels);
    band.picture.setDevicePixelRatio(scale.ratio);
  }
}

void Frame::paint(QPainter& painter, const QRect& area) const {
  for (const Band& band : bands_) {
    const QRectF shown = QRectF(band.place, band.picture.deviceIndependentSize()) & QRectF(area);
    if (shown.isEmpty()) continue;
    const qreal ratio = band.picture.devicePixelRatio();
    painter.drawPixmap(shown, band.picture,
                       QRectF((shown.topLeft() - band.place) * ratio, shown.size() * ratio));
  }
}

ClientArea::ClientArea(QWidget* parent, const QSize& size) : QWidget(parent), own_(size) {
  setObjectName(QStringLiteral("Client"));
  setFixedSize(size);
  setFocusPolicy(Qt::NoFocus);
  paintBlack(this);
}

void ClientArea::setScale(const Scale& scale) {
  setFixedSize(scale.size(own_));
  frame_.setScale(scale);
  update();
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  frame_.paint(painter, event->rect());
}

}  // namespace ouroboard
