#include <QRawFont>
#include <QFontMetricsF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>

#include "art.h"

namespace art {

std::uint64_t Rng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

namespace {
QImage canvas(int w, int h, double scale, QImage::Format format, Qt::GlobalColor colour) {
  QImage img(int(std::lround(w * scale)), int(std::lround(h * scale)), format);
  img.setDevicePixelRatio(scale);
  img.fill(colour);
  return img;
}

// A layer to paint over img: the same pixels, the same units.
QImage clearLayerFor(const QImage& img) {
  QImage layer(img.size(), QImage::Format_ARGB32_Premultiplied);
  layer.setDevicePixelRatio(img.devicePixelRatio());
  layer.fill(Qt::transparent);
  return layer;
}

int devicePixels(const QImage& img, int units) { return int(std::lround(units * img.devicePixelRatio())); }
}  // namespace

QImage blackCanvas(int w, int h, double scale) { return canvas(w, h, scale, QImage::Format_RGB32, Qt::black); }

QImage clearCanvas(int w, int h, double scale) {
  return canvas(w, h, scale, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto lerp = [t](float x, float y) { return float(x + (y - x) * t); };
  return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()), lerp(a.blueF(), b.blueF()),
                          lerp(a.alphaF(), b.alphaF()));
}

QColor scaled(const QColor& c, double factor) {
  auto s = [factor](float v) { return float(std::clamp(v * factor, 0.0, 1.0)); };
  return QColor::fromRgbF(s(c.redF()), s(c.greenF()), s(c.blueF()), c.alphaF());
}

namespace {
double hashUnit(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x27D4EB2Du ^ std::uint32_t(x) * 0x85EBCA6Bu ^ std::uint32_t(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return double(h & 0xFFFFFFu) / double(0xFFFFFFu);
}
}  // namespace

double valueNoise(double x, double y, std::uint32_t seed) {
  const int ix = int(std::floor(x));
  const int iy = int(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
  const double c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fractalNoise(double x, double y, std::uint32_t seed, int octaves) {
  double sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * valueNoise(x, y, seed + std::uint32_t(o) * 101u);
    weight += amp;
    amp *= 0.5;
    x *= 2;
    y *= 2;
  }
  return sum / weight;
}

void paintPixels(QImage& img, const PixelFn& fn) {
  const double units = 1 / img.devicePixelRatio();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (auto c = fn((x + 0.5) * units, (y + 0.5) * units)) img.setPixelColor(x, y, *c);
}

void setUnit(QImage& img, int x, int y, const QColor& colour) {
  const double s = img.devicePixelRatio();
  const QRect pixels(QPoint(int(std::lround(x * s)), int(std::lround(y * s))),
                     QPoint(int(std::lround((x + 1) * s)) - 1, int(std::lround((y + 1) * s)) - 1));
  for (int py = pixels.top(); py <= pixels.bottom(); ++py)
    for (int px = pixels.left(); px <= pixels.right(); ++px) img.setPixelColor(px, py, colour);
}

QColor ballColour(const QColor& base, double nx, double ny, int bands) {
  const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
  // light from the upper left and a little in front
  const double lx = -0.50, ly = -0.62, lz = 0.60;
  const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
  double level = 0.18 + 0.82 * diffuse;
  level = std::round(level * bands) / bands;
  // half vector between the light and the viewer gives the gloss spot
  const double hx = lx, hy = ly, hz = lz + 1, hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double gloss = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 30);
  QColor c = level < 0.6 ? mix(scaled(base, 0.28), base, level / 0.6)
                         : mix(base, lighter(base, 0.45), (level - 0.6) / 0.4);
  if (gloss > 0.55)
    c = lighter(c, 0.85);
  else if (gloss > 0.25)
    c = lighter(c, 0.4);
  return c;
}

QPolygonF starPolygon(QPointF centre, const std::vector<double>& radii, double rotationDeg) {
  QPolygonF poly;
  const int n = int(radii.size());
  for (int i = 0; i < n; ++i) {
    const double a = (rotationDeg + 360.0 * i / n) * kPi / 180.0;
    poly << centre + QPointF(std::cos(a), std::sin(a)) * radii[size_t(i)];
  }
  return poly;
}

void bevelRect(QImage& img, const QRect& r, int width, const QColor& face) {
  const std::array<double, 4> lightMix{0.80, 0.55, 0.30, 0.15};
  const std::array<double, 4> darkScale{0.30, 0.45, 0.62, 0.80};
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const int lit = std::min(x - r.left(), y - r.top());
      const int shade = std::min(r.right() - x, r.bottom() - y);
      QColor c = face;
      if (lit < width && lit <= shade)
        c = lighter(face, lightMix[size_t(std::min(lit, 3))]);
      else if (shade < width)
        c = scaled(face, darkScale[size_t(std::min(shade, 3))]);
      img.setPixelColor(x, y, c);
    }
}

QFont font(const QString& family, int pixelSize, int weight, bool italic) {
  QFont f(family);
  f.setPixelSize(pixelSize);
  f.setWeight(QFont::Weight(weight));
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont fontFor(const QString& text, const QFont& preferred, const QString& fallbackFamily) {
  const QRawFont raw = QRawFont::fromFont(preferred);
  for (const char32_t c : text.toUcs4())
    if (!QChar::isSpace(c) && !raw.supportsCharacter(c)) {
      QFont fallback = preferred;
      fallback.setFamily(fallbackFamily);
      return fallback;
    }
  return preferred;
}

QPainterPath textPath(const QString& text, const QFont& f) {
  QPainterPath path;
  path.addText(0, 0, f, text);
  return path;
}

std::vector<QPainterPath> letterPaths(const QString& text, const QFont& f) {
  std::vector<QPainterPath> letters;
  const QFontMetricsF metrics(f);
  for (qsizetype i = 0; i < text.size(); ++i) {
    QPainterPath path;
    path.addText(metrics.horizontalAdvance(text.left(i)), 0, f, text.mid(i, 1));
    letters.push_back(path);
  }
  return letters;
}

QTransform fitTransform(const QRectF& from, const QRectF& box, bool stretch) {
  double sx = box.width() / from.width(), sy = box.height() / from.height();
  if (!stretch) sx = sy = std::min(sx, sy);
  // A long word is condensed only so far, then set smaller: never cut.
  constexpr double narrowest = 0.5;
  if (sx < sy * narrowest) sy = sx / narrowest;
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(sx, sy);
  t.translate(-from.center().x(), -from.center().y());
  return t;
}

QRectF roomFor(const QRectF& textBounds, const QRectF& box, double widest) {
  constexpr double lowest = 0.6;  // of the box's height, before the box widens
  const double width = textBounds.width() * box.height() * lowest / textBounds.height();
  if (width <= box.width()) return box;
  const double grown = std::min(width, widest);
  return {box.center().x() - grown / 2, box.top(), grown, box.height()};
}

QPainterPath fitted(const QPainterPath& path, const QRectF& box, bool stretch) {
  return fitTransform(path.boundingRect(), box, stretch).map(path);
}

QPainterPath rotated(const QPainterPath& path, double degrees) {
  const QPointF c = path.boundingRect().center();
  QTransform t;
  t.translate(c.x(), c.y());
  t.rotate(degrees);
  t.translate(-c.x(), -c.y());
  return t.map(path);
}

void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline,
              double width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (width > 0) {
    p.setPen(QPen(outline, width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

QLinearGradient verticalGradient(const QRectF& r, const std::vector<QColor>& stops) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  for (size_t i = 0; i < stops.size(); ++i)
    g.setColorAt(stops.size() == 1 ? 0.0 : double(i) / double(stops.size() - 1), stops[i]);
  return g;
}

void blur(QImage& img, int radius) {
  if (radius < 1) return;
  const QImage::Format original = img.format();
  QImage work = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = work.width(), h = work.height();
  auto pass = [&](bool horizontal) {
    const int len = horizontal ? w : h, count = horizontal ? h : w;
    std::vector<std::array<int, 4>> line(static_cast<size_t>(len));
    auto at = [&](int i, int j) -> QRgb& {
      const int x = horizontal ? j : i, y = horizontal ? i : j;
      return reinterpret_cast<QRgb*>(work.scanLine(y))[x];
    };
    for (int i = 0; i < count; ++i) {
      for (int j = 0; j < len; ++j) {
        const QRgb px = at(i, j);
        line[size_t(j)] = {qAlpha(px), qRed(px), qGreen(px), qBlue(px)};
      }
      std::array<int, 4> sum{};
      for (int j = 0; j <= std::min(radius, len - 1); ++j)
        for (int k = 0; k < 4; ++k) sum[size_t(k)] += line[size_t(j)][size_t(k)];
      const int span = 2 * radius + 1;
      for (int j = 0; j < len; ++j) {
        at(i, j) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
        const int out = j - radius, in = j + radius + 1;
        for (int k = 0; k < 4; ++k) {
          if (out >= 0) sum[size_t(k)] -= line[size_t(out)][size_t(k)];
          if (in < len) sum[size_t(k)] += line[size_t(in)][size_t(k)];
        }
      }
    }
  };
  for (int n = 0; n < 3; ++n) {
    pass(true);
    pass(false);
  }
  img = work.convertToFormat(original);
}

void blurredLayer(QImage& dst, int radius, const std::function<void(QPainter&)>& paint) {
  QImage layer = clearLayerFor(dst);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
  }
  blur(layer, devicePixels(dst, radius));
  QPainter p(&dst);
  p.drawImage(0, 0, layer);
}

void glow(QImage& dst, const QPainterPath& shape, const QColor& colour, int radius, double spread,
          int strength, QPainter::CompositionMode mode) {
  QImage layer = clearLayerFor(dst);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(spread > 0 ? QPen(colour, spread * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                        : QPen(Qt::NoPen));
    p.setBrush(colour);
    p.drawPath(shape);
  }
  blur(layer, devicePixels(dst, radius));
  QPainter p(&dst);
  p.setCompositionMode(mode);
  for (int i = 0; i < strength; ++i) p.drawImage(0, 0, layer);
}

}  // namespace art
