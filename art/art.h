// Shared helpers of the painting: deterministic noise, colour maths,
// pixel-exact sprite painting, bevels, text outlines, blur and glow.
//
// A picture is painted in its own units onto a canvas whose device pixel
// ratio is the scale it is painted for, so one drawing gives every size:
// QPainter maps the units, and the helpers here blur and sample in device
// pixels.
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

QImage blackCanvas(int w, int h, double scale = 1);  // opaque, no alpha channel
QImage clearCanvas(int w, int h, double scale = 1);  // premultiplied ARGB, fully transparent

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
// Fills the device pixels that cover the unit at (x, y).
void setUnit(QImage& img, int x, int y, const QColor& colour);

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
// The preferred face, or the same in fallbackFamily where the preferred one
// lacks a letter of text: a word is set in one face, never a patchwork.
QFont fontFor(const QString& text, const QFont& preferred, const QString& fallbackFamily);
QPainterPath textPath(const QString& text, const QFont& f);
// One path per character, placed at the font's advances.
std::vector<QPainterPath> letterPaths(const QString& text, const QFont& f);
// Scale (uniformly unless stretch) and move so the bounding box fills `box`;
// a stretched word too long for the box is condensed to half, then set smaller.
QTransform fitTransform(const QRectF& from, const QRectF& box, bool stretch = false);
QPainterPath fitted(const QPainterPath& path, const QRectF& box, bool stretch = false);
// The box, widened about its centre up to widest where a long text would
// otherwise come out lower than 0.6 of its height.
QRectF roomFor(const QRectF& textBounds, const QRectF& box, double widest);
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


// The two families of lettered pictures (lettering.h).
enum class Lettered;
struct Words;
QImage heading(Lettered which, const Words& words, double scale);
QImage card(Lettered which, const Words& words, double scale);

}  // namespace art
