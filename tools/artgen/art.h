// Shared helpers of the picture generator: deterministic noise, colour maths,
// pixel-exact sprite painting, bevels, text outlines, blur and glow.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace art {

inline constexpr double kPi = 3.14159265358979323846;

struct Picture {
  QString name;  // file name inside assets/
  QImage image;
  QString family;  // the contact sheet starts a new row for each family
};
using Pictures = std::vector<Picture>;

// SplitMix64: tiny, portable and the same on every machine, so noise and
// starfields come out identical on each run.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double unit();  // [0, 1)
  double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

 private:
  std::uint64_t state_;
};

QImage blackCanvas(int w, int h);  // opaque, no alpha channel
QImage clearCanvas(int w, int h);  // premultiplied ARGB, fully transparent

QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);
inline QColor lighter(const QColor& c, double t) { return mix(c, Qt::white, t); }

// Smooth value noise in [0, 1] and a few octaves of it.
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

// Sprites: the function is asked for the colour at every pixel centre, so
// small pictures stay crisp (no antialiasing). nullopt leaves the pixel alone.
using PixelFn = std::function<std::optional<QColor>(double x, double y)>;
void paintPixels(QImage& img, const PixelFn& fn);

// Lit ball: (nx, ny) inside the unit disc, light from the upper left.
// Diffuse light is snapped to `bands` levels for a pixel-art look.
QColor ballColour(const QColor& base, double nx, double ny, int bands);

QPolygonF starPolygon(QPointF centre, const std::vector<double>& radii, double rotationDeg);
inline bool inside(const QPolygonF& poly, double x, double y) {
  return poly.containsPoint(QPointF(x, y), Qt::OddEvenFill);
}

// Pixel-exact bevel: light bands on the top and left, dark ones on the
// bottom and right, mitred at the corners, flat face inside.
void bevelRect(QImage& img, const QRect& r, int width, const QColor& face);

// Text as outlines so the result never depends on hinting.
QFont font(const QString& family, int pixelSize, int weight = QFont::Normal, bool italic = false);
QPainterPath textPath(const QString& text, const QFont& f);
// One path per character, placed at the font's advances.
std::vector<QPainterPath> letterPaths(const QString& text, const QFont& f);
// Scale (uniformly unless stretch) and move so the bounding box fills `box`.
QTransform fitTransform(const QRectF& from, const QRectF& box, bool stretch = false);
QPainterPath fitted(const QPainterPath& path, const QRectF& box, bool stretch = false);
QPainterPath rotated(const QPainterPath& path, double degrees);

void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, double width);
QLinearGradient verticalGradient(const QRectF& r, const std::vector<QColor>& stops);

// Three passes of a box blur, edges fade into transparency.
void blur(QImage& img, int radius);
// Blurred copy of the shape (optionally fattened by `spread`) laid over dst.
void glow(QImage& dst, const QPainterPath& shape, const QColor& colour, int radius, double spread = 0,
          int strength = 1, QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);
// Paint into a transparent layer, blur it, lay it over dst.
void blurredLayer(QImage& dst, int radius, const std::function<void(QPainter&)>& paint);

// Picture families.
void tiles(Pictures& out);
void titles(Pictures& out);
void cards(Pictures& out);
QImage icon(int size);

}  // namespace art
