#include "scale.h"

#include <QFont>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "style.h"

namespace ouroboard {
namespace {

constexpr int CellUnits = 16;

}  // namespace

int Scale::px(double units) const { return static_cast<int>(std::lround(units * factor)); }

QRect Scale::rect(const QRect& units) const {
  const QPoint topLeft = point(units.topLeft());
  const QPoint end = point(units.topLeft() + QPoint(units.width(), units.height()));
  return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

double crispFactor(double wanted, double ratio) {
  const double devicePixels = std::max(1.0, std::floor(wanted * ratio * CellUnits + 1e-6));
  return devicePixels / (ratio * CellUnits);
}

double openingFactor(const QSize& own, const QMargins& frame, const QRect& available, double ratio) {
  const QSize room = available.size().shrunkBy(frame);
  const double fits = std::min(double(room.width()) / own.width(), double(room.height()) / own.height());
  return fits >= 1 ? 1.0 : crispFactor(fits, ratio);
}

void ScaledLayout::place(QWidget* widget, const QRect& units) {
  placements_.push_back([widget, units](const Scale& scale) { widget->setGeometry(scale.rect(units)); });
}

void ScaledLayout::place(QLabel* label, const QRect& units, const QFont& font) {
  placements_.push_back([label, units, font](const Scale& scale) {
    fitLabel(label, scale.rect(units), scaledFont(font, scale));
  });
}

void ScaledLayout::apply(const Scale& scale) const {
  for (const auto& placement : placements_) placement(scale);
}

QFont scaledFont(const QFont& font, const Scale& scale) {
  QFont scaled = font;
  scaled.setPixelSize(std::max(1, scale.px(font.pixelSize())));
  return scaled;
}

}  // namespace ouroboard
