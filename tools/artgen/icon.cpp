// The program icon: a cartoon snake's head with its red mouth open. Drawn as
// vectors on a 64-unit grid at every size; the small sizes are then snapped
// to a 16-colour palette with hard-edged transparency so they stay crisp.
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "art.h"
#include "generator.h"

namespace art {
namespace {

const std::array<QColor, 15> kPalette = {
    QColor(10, 35, 10),    QColor(25, 95, 30),    QColor(55, 160, 45),   QColor(110, 210, 70),
    QColor(185, 240, 120), QColor(215, 225, 110), QColor(105, 0, 10),    QColor(190, 20, 25),
    QColor(245, 70, 60),   QColor(255, 140, 160), QColor(255, 255, 255), QColor(190, 195, 200),
    QColor(0, 0, 0),       QColor(60, 60, 70),    QColor(140, 60, 40),
};

QColor nearest(const QColor& c) {
  const QColor* best = &kPalette[0];
  int bestDistance = 1 << 30;
  for (const QColor& p : kPalette) {
    const int dr = c.red() - p.red(), dg = c.green() - p.green(), db = c.blue() - p.blue();
    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = &p;
    }
  }
  return *best;
}

void snakeHead(QPainter& p, double line) {
  const QColor ink = kPalette[0];
  const QPen outline(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

  // neck curling in from the lower left
  QPainterPath neck;
  neck.moveTo(15, 64);
  neck.cubicTo(12, 52, 15, 43, 26, 38);
  p.setPen(QPen(ink, 15 + 2 * line, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(neck);
  p.setPen(QPen(QColor(50, 150, 45), 15, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(neck);
  p.setPen(QPen(QColor(205, 225, 110), 4, Qt::SolidLine, Qt::FlatCap));  // belly
  p.drawPath(neck.translated(4, 3));

  // inside of the mouth and the tongue
  QPainterPath mouth;
  mouth.moveTo(22, 37);
  mouth.lineTo(61, 25);
  mouth.lineTo(57, 55);
  mouth.closeSubpath();
  p.setPen(outline);
  QRadialGradient throat(QPointF(28, 38), 32);
  throat.setColorAt(0, QColor(100, 0, 10));
  throat.setColorAt(1, QColor(220, 30, 30));
  p.setBrush(throat);
  p.drawPath(mouth);
  QPainterPath tongue;
  tongue.moveTo(32, 42);
  tongue.cubicTo(42, 40, 50, 45, 58, 41);
  tongue.moveTo(58, 41);
  tongue.lineTo(63, 37);
  tongue.moveTo(58, 41);
  tongue.lineTo(63, 45);
  p.setPen(QPen(QColor(255, 140, 160), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tongue);

  // lower jaw
  QPainterPath jaw;
  jaw.moveTo(18, 38);
  jaw.cubicTo(32, 44, 46, 50, 58, 53);
  jaw.cubicTo(59, 58, 54, 62, 46, 61);
  jaw.cubicTo(34, 59, 24, 54, 16, 46);
  jaw.closeSubpath();
  p.setPen(outline);
  p.setBrush(verticalGradient(QRectF(16, 42, 40, 20), {QColor(110, 210, 70), QColor(40, 140, 40)}));
  p.drawPath(jaw);

  // fangs hang from the upper jaw
  p.setBrush(Qt::white);
  p.setPen(QPen(ink, line * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(QPolygonF({QPointF(49, 28.5), QPointF(54.5, 27), QPointF(53, 35)}));
  p.drawPolygon(QPolygonF({QPointF(38, 31.5), QPointF(43, 30), QPointF(41.5, 37)}));

  // upper head
  QPainterPath head;
  head.moveTo(12, 40);
  head.cubicTo(6, 22, 20, 6, 38, 6);
  head.cubicTo(54, 6, 63, 15, 62, 24);
  head.cubicTo(50, 27, 34, 31, 12, 40);
  head.closeSubpath();
  QRadialGradient skin(QPointF(28, 12), 40);
  skin.setColorAt(0, QColor(190, 240, 120));
  skin.setColorAt(0.35, QColor(100, 205, 65));
  skin.setColorAt(1, QColor(30, 105, 30));
  p.setPen(outline);
  p.setBrush(skin);
  p.drawPath(head);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 105, 30));
  for (const QPointF& spot : {QPointF(20, 26), QPointF(26, 30), QPointF(48, 13)})
    p.drawEllipse(spot, 2.6, 2.0);
  p.setBrush(ink);
  p.drawEllipse(QPointF(56, 15), 1.6, 1.3);  // nostril

  // big eye
  p.setPen(outline);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(36, 16), 7.5, 8.5);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(38.5, 17.5), 3.4, 5.0);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(37.2, 14.6), 1.5, 1.5);
}

}  // namespace

QImage icon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, size > 32);  // small sizes: whole pixels only
    p.scale(size / 64.0, size / 64.0);
    snakeHead(p, std::max(1.6, 64.0 / size * 1.3));  // about a pixel and a half of ink
  }
  QImage out = img.convertToFormat(QImage::Format_ARGB32);
  if (size <= 32)  // limited palette and hard edges for the small sizes
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QColor c = out.pixelColor(x, y);
        out.setPixelColor(x, y, c.alpha() < 110 ? QColor(Qt::transparent) : nearest(c));
      }
  return out;
}

}  // namespace art
