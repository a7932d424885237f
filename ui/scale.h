// How large a window's content is drawn: its own pixels times one factor.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

class QFont;
class QLabel;
class QWidget;

namespace ouroboard {

// Window units (the pixels of a window at its own size) to the screen's
// logical pixels (factor) and on to its device pixels (ratio, the screen's
// own scale).
struct Scale {
  double factor = 1;
  double ratio = 1;

  // Device pixels per window unit: what the pictures are drawn for.
  double device() const { return factor * ratio; }
  int px(double units) const;
  QPoint point(const QPoint& units) const { return {px(units.x()), px(units.y())}; }
  // Edges rounded, so that rectangles that touch stay touching.
  QRect rect(const QRect& units) const;
  QSize size(const QSize& units) const { return rect(QRect(QPoint(0, 0), units)).size(); }

  bool operator==(const Scale&) const = default;
};

// The largest factor not above wanted at which a board cell (CellUnits wide)
// covers a whole number of device pixels, so that its picture stays crisp.
double crispFactor(double wanted, double ratio);

// The factor at which a window of size own (client area and menu bar), with
// its frame, fits whole into available: at most 1, so that it never opens
// larger than its own size.
double openingFactor(const QSize& own, const QMargins& frame, const QRect& available, double ratio);

// The widgets of a window, each with its place in window units, put where
// the factor puts them.
class ScaledLayout {
 public:
  void place(QWidget* widget, const QRect& units);
  // A label's font grows with it, and a text that would not fit is set smaller.
  void place(QLabel* label, const QRect& units, const QFont& font);
  void apply(const Scale& scale) const;

 private:
  std::vector<std::function<void(const Scale&)>> placements_;
};

// A label's font, for a scale.
QFont scaledFont(const QFont& font, const Scale& scale);

}  // namespace ouroboard
