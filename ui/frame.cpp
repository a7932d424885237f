#include "frame.h"

#include <QPaintEvent>
#include <QPainter>

#include "picturebook.h"
#include "style.h"

namespace ouroboard {
namespace {

QPixmap band(const char* side) {
  return PictureBook::decoration(QStringLiteral("frame_%1.png").arg(QLatin1String(side)));
}

}  // namespace

// The top and bottom bands run the frame's full width; the sides fill in between.
Frame::Frame() {
  const QPixmap top = band("top"), left = band("left"), right = band("right"), bottom = band("bottom");
  bands_ = {Band{{0, 0}, top}, Band{{0, top.height()}, left},
            Band{{Side - right.width(), top.height()}, right}, Band{{0, Side - bottom.height()}, bottom}};
}

void Frame::paint(QPainter& painter, const QRect& area) const {
  for (const Band& band : bands_) {
    const QRect shown = QRect(band.place, band.picture.size()) & area;
    if (!shown.isEmpty()) painter.drawPixmap(shown, band.picture, shown.translated(-band.place));
  }
}

ClientArea::ClientArea(QWidget* parent, const QSize& size) : QWidget(parent) {
  setObjectName(QStringLiteral("Client"));
  setFixedSize(size);
  setFocusPolicy(Qt::NoFocus);
  paintBlack(this);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  frame_.paint(painter, event->rect());
}

}  // namespace ouroboard
