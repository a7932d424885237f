// Board pictures: snake segments, obstacles, food, speed bars and the board
// frame. The 16x16 ones are evaluated pixel by pixel so
// they stay crisp at their real size.
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

#include "art.h"
#include "generator.h"

namespace art {
namespace {

using Colour = std::optional<QColor>;

QImage sprite(int size, const PixelFn& fn) {
  QImage img = blackCanvas(size, size);
  paintPixels(img, fn);
  return img;
}

// Ball of radius r centred in a 16x16 cell, coloured by `surface`, which gets
// the unit-disc coordinates of the pixel.
QImage ball(double r, const std::function<QColor(double nx, double ny)>& surface) {
  return sprite(16, [&](double x, double y) -> Colour {
    const double nx = (x - 8) / r, ny = (y - 8) / r;
    if (nx * nx + ny * ny >= 1) return std::nullopt;
    return surface(nx, ny);
  });
}

// Which side of a star arm a point is on, so arms get a lit and a shaded facet.
bool litFacet(double dx, double dy, int points, double rotationDeg) {
  const double arm = 2 * kPi / points;
  const double a = std::atan2(dy, dx) - rotationDeg * kPi / 180.0;
  return std::remainder(a, arm) < 0;
}

QImage snakeStar() {
  const QPointF c(8, 8.5);
  const QPolygonF outer = starPolygon(c, {7.9, 3.5, 7.9, 3.5, 7.9, 3.5, 7.9, 3.5, 7.9, 3.5}, -90);
  const QPolygonF body = starPolygon(c, {6.2, 2.6, 6.2, 2.6, 6.2, 2.6, 6.2, 2.6, 6.2, 2.6}, -90);
  return sprite(16, [&](double x, double y) -> Colour {
    const double dx = x - c.x(), dy = y - c.y();
    if (std::hypot(dx, dy) < 1.5) return QColor(255, 255, 255);
    if (inside(body, x, y)) return litFacet(dx, dy, 5, -90) ? QColor(255, 120, 240) : QColor(205, 20, 175);
    if (inside(outer, x, y)) return dx + dy < 0 ? QColor(110, 150, 255) : QColor(35, 60, 215);
    return std::nullopt;
  });
}

QImage snakeSparkle() {
  const QPointF c(8, 8);
  std::vector<double> rOuter, rBody;
  for (int i = 0; i < 16; ++i) {
    rOuter.push_back(i % 4 == 0 ? 8.0 : i % 2 == 0 ? 6.2 : 4.0);
    rBody.push_back(i % 4 == 0 ? 6.6 : i % 2 == 0 ? 4.7 : 3.2);
  }
  const QPolygonF outer = starPolygon(c, rOuter, -90), body = starPolygon(c, rBody, -90);
  return sprite(16, [&](double x, double y) -> Colour {
    const double d = std::hypot(x - c.x(), y - c.y());
    if (d < 1.3) return QColor(235, 20, 30);
    if (d < 2.9) return QColor(255, 110, 190);
    if (inside(body, x, y))
      return (x - c.x()) + (y - c.y()) < 0 ? QColor(255, 255, 255) : QColor(205, 220, 255);
    if (inside(outer, x, y)) return QColor(40, 90, 255);
    return std::nullopt;
  });
}

QImage snakeFlowers() {
  struct Flower {
    QPointF c;
    QColor petal, edge;
    double turnDeg;
  };
  const Flower flowers[] = {{{5.0, 5.0}, QColor(80, 235, 250), QColor(10, 120, 165), -90},
                            {{11.0, 11.0}, QColor(255, 125, 200), QColor(175, 30, 110), -54}};
  return sprite(16, [&](double x, double y) -> Colour {
    Colour result;
    for (const Flower& f : flowers) {  // the second flower lies over the first
      const double dx = x - f.c.x(), dy = y - f.c.y();
      if (std::hypot(dx, dy) < 1.6) {
        result = (dx + dy < 0) ? QColor(255, 205, 70) : QColor(245, 120, 20);
        continue;
      }
      double nearest = 9, second = 9;  // the two closest of five round petals
      for (int k = 0; k < 5; ++k) {
        const double a = (f.turnDeg + 72.0 * k) * kPi / 180;
        const double d = std::hypot(dx - 2.9 * std::cos(a), dy - 2.9 * std::sin(a));
        second = std::min(second, std::max(nearest, d));
        nearest = std::min(nearest, d);
      }
      if (nearest < 1.9) result = (nearest > 1.2 || second - nearest < 0.45) ? f.edge : f.petal;
    }
    return result;
  });
}

QImage snakeTangle() {
  // three strands braided round a ring; at each crossing the strand nearer
  // the viewer wins, which makes them look woven
  const QColor strands[] = {QColor(255, 70, 60), QColor(255, 215, 40), QColor(60, 150, 255)};
  return sprite(16, [&](double x, double y) -> Colour {
    const double dx = x - 8, dy = y - 8, d = std::hypot(dx, dy), a = std::atan2(dy, dx);
    Colour best;
    double bestDepth = -9;
    for (int k = 0; k < 3; ++k) {
      const double phase = 4 * a + k * 2 * kPi / 3;
      const double off = d - (5.0 + 1.9 * std::sin(phase));
      const double depth = std::cos(phase);
      if (std::abs(off) < 1.05 && depth > bestDepth) {
        bestDepth = depth;
        best = std::abs(off) > 0.7 ? scaled(strands[k], 0.55)
               : off < 0           ? lighter(strands[k], 0.3)
                                   : strands[k];
      }
    }
    return best;
  });
}

QImage snakeMottled() {
  return ball(7.0, [](double nx, double ny) {
    const double n = fractalNoise(nx * 3.2 + 10, ny * 3.2 + 4, 77, 2);
    const QColor base = n < 0.42 ? QColor(95, 55, 25) : n < 0.6 ? QColor(150, 95, 45) : QColor(200, 150, 85);
    return ballColour(base, nx, ny, 5);
  });
}

QImage foodLeafy() {
  // wrapped leaves: each pixel belongs to the nearest leaf centre, the seams are dark
  const QPointF seeds[] = {{-0.5, -0.45}, {0.25, -0.6}, {0.65, -0.05}, {0.35, 0.55},
                           {-0.3, 0.6},   {-0.7, 0.1},  {0.05, 0.05}};
  const QColor greens[] = {QColor(120, 220, 40), QColor(230, 235, 60), QColor(60, 170, 40)};
  const QPointF c(8, 9.4);
  const double r = 6.2;
  return sprite(16, [&](double x, double y) -> Colour {
    const double nx = (x - c.x()) / r, ny = (y - c.y()) / r;
    if (nx * nx + ny * ny < 1) {
      double best = 9, second = 9;
      int index = 0;
      for (int i = 0; i < 7; ++i) {
        const double d = std::hypot(nx - seeds[i].x(), ny - seeds[i].y());
        if (d < best) {
          second = best;
          best = d;
          index = i;
        } else {
          second = std::min(second, d);
        }
      }
      const QColor leaf = second - best < 0.14 ? QColor(30, 100, 20) : greens[index % 3];
      return ballColour(leaf, nx, ny, 4);
    }
    // two small leaves sprouting from the top
    for (const double side : {-1.0, 1.0}) {
      const double a = -side * 0.45, lx = x - (8 + side * 3.4), ly = y - 2.6;
      const double u = lx * std::cos(a) + ly * std::sin(a), v = -lx * std::sin(a) + ly * std::cos(a);
      if ((u * u) / 11.0 + (v * v) / 2.2 < 1)
        return std::abs(v) < 0.35 ? QColor(200, 250, 110) : v < 0 ? QColor(90, 200, 50) : QColor(35, 120, 25);
    }
    return std::nullopt;
  });
}

QImage foodStriped(const QColor& light, const QColor& dark, double tiltDeg, double stripes) {
  const double t = tiltDeg * kPi / 180;
  return ball(7.0, [=](double nx, double ny) {
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    const double u = nx * std::cos(t) + ny * std::sin(t);
    const double longitude = std::atan2(u, nz);  // segments like a peeled fruit
    const bool band = std::cos(stripes * longitude) > 0.1;
    return ballColour(band ? light : dark, nx, ny, 5);
  });
}

QImage foodSphere() {
  return ball(6.8, [](double nx, double ny) { return ballColour(QColor(255, 105, 180), nx, ny, 6); });
}

QImage foodStarburst() {
  return sprite(18, [](double x, double y) -> Colour {
    const double dx = x - 9, dy = y - 9, d = std::hypot(dx, dy), a = std::atan2(dy, dx);
    const double rays = 2.6 + 6.2 * std::pow(std::abs(std::cos(4 * a)), 8) +
                        3.4 * std::pow(std::abs(std::cos(4 * a + kPi / 2)), 10);
    if (d >= rays) return std::nullopt;
    const double t = d / 8.5;
    if (t < 0.18) return QColor(255, 255, 230);
    if (t < 0.38) return QColor(255, 235, 110);
    if (t < 0.62) return QColor(250, 195, 40);
    return QColor(215, 135, 15);
  });
}

QImage obstacle(const QColor& face) {
  QImage img = blackCanvas(16, 16);
  bevelRect(img, img.rect(), 3, face);
  return img;
}

QImage speedLit(int h) {
  QImage img = blackCanvas(16, h);
  const QColor face(60, 200, 50);
  bevelRect(img, img.rect(), 2, face);
  // rounded, glossy face: brightest a little left of the middle
  for (int y = 2; y < h - 2; ++y)
    for (int x = 2; x < 14; ++x) {
      const double u = (x + 0.5 - 6.5) / 6.5;
      QColor c = mix(scaled(face, 0.7), lighter(face, 0.35), 1 - u * u);
      if (x == 4 && y > 3 && y < h - 4) c = lighter(face, 0.7);
      img.setPixelColor(x, y, c);
    }
  return img;
}

QImage speedUnlit(int h) {
  QImage img = blackCanvas(16, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < 16; ++x) {
      const int v = 64 + (255 - 64) * x / 15;
      const double edge = (y == 0 || y == h - 1) ? 0.7 : 1.0;
      img.setPixelColor(x, y, scaled(QColor(v, v, v), x == 0 ? 0.6 : edge));
    }
  return img;
}

QImage frame() {
  const int size = 512, near = 16, far = 15;  // left/top and right/bottom widths
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  const QColor face(105, 90, 215);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int depth[4] = {x, y, size - 1 - x, size - 1 - y};  // left, top, right, bottom
      const int width[4] = {near, near, far, far};
      int side = 0;
      for (int s = 1; s < 4; ++s)  // mitred corners: nearest edge relative to its width
        if (depth[s] * width[side] < depth[side] * width[s]) side = s;
      const int m = depth[side], w = width[side];
      if (m >= w) continue;
      const bool nearSide = side < 2;
      const double along = (side % 2 == 0) ? y : x;  // sheen running along the frame
      QColor c = mix(face, lighter(face, 0.18), 0.5 + 0.5 * std::sin(along / 40.0));
      if (m < 3)  // raised outer rim
        c = nearSide ? lighter(c, 0.65 - 0.2 * m) : scaled(c, 0.35 + 0.15 * m);
      else if (m >= w - 3)  // sunken towards the board
        c = nearSide ? scaled(c, 0.35 + 0.15 * (w - 1 - m)) : lighter(c, 0.6 - 0.2 * (w - 1 - m));
      else if (m == w / 2)  // engraved groove
        c = nearSide ? scaled(c, 0.6) : lighter(c, 0.3);
      else if (m == w / 2 + 1)
        c = nearSide ? lighter(c, 0.3) : scaled(c, 0.6);
      img.setPixelColor(x, y, c);
    }
  return img;
}

}  // namespace

void tiles(Pictures& out) {
  out.push_back({"empty.png", blackCanvas(16, 16), "board"});
  out.push_back({"snake0.png", snakeStar(), "board"});
  out.push_back({"snake1.png", snakeFlowers(), "board"});
  out.push_back({"snake2.png", snakeTangle(), "board"});
  out.push_back({"snake3.png", snakeMottled(), "board"});
  out.push_back({"snake4.png", snakeSparkle(), "board"});

  const QColor faces[] = {QColor(40, 170, 50),  QColor(45, 85, 220),  QColor(205, 35, 35),
                          QColor(225, 200, 30), QColor(200, 45, 200), QColor(30, 190, 200),
                          QColor(235, 130, 25)};
  for (int i = 0; i < 7; ++i)
    out.push_back({QString("obstacle%1.png").arg(i), obstacle(faces[i]), "obstacles"});

  out.push_back({"food0.png", foodLeafy(), "food"});
  out.push_back({"food1.png", foodStriped(QColor(255, 170, 40), QColor(190, 65, 0), 0, 5), "food"});
  out.push_back({"food2.png", foodSphere(), "food"});
  out.push_back({"food3.png", foodStriped(QColor(175, 185, 70), QColor(70, 85, 15), 40, 5), "food"});
  out.push_back({"food4.png", foodStarburst(), "food"});

  for (int i = 0; i < 7; ++i)
    out.push_back({QString("speed_lit%1.png").arg(i), speedLit(32 + 16 * i), "speed"});
  for (int i = 0; i < 7; ++i)
    out.push_back({QString("speed_unlit%1.png").arg(i), speedUnlit(32 + 16 * i), "speed"});

  // The frame goes out as its four bands, opaque: the game's window is black
  // behind the clear middle, and the bands decode far faster than the whole.
  const QImage whole = frame().convertToFormat(QImage::Format_RGB32);
  const int near = 16, far = 15, size = whole.width();
  out.push_back({"frame_top.png", whole.copy(0, 0, size, near), "frame"});
  out.push_back({"frame_left.png", whole.copy(0, near, near, size - near - far), "frame"});
  out.push_back({"frame_right.png", whole.copy(size - far, near, far, size - near - far), "frame"});
  out.push_back({"frame_bottom.png", whole.copy(0, size - far, size, far), "frame"});
}

}  // namespace art
