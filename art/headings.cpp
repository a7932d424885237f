// Headings of the side panel, Help's banner and key pictures, the OK button.
#include <QConicalGradient>
#include <QRadialGradient>
#include <cmath>

#include "art.h"
#include "lettering.h"

namespace art {
namespace {

struct VineColours {
  QColor dark, mid, light;
};

// A tendril: a polyline whose parts marked `front` are painted again over the
// lettering, so it seems to wind in and out of the word.
struct Tendril {
  std::vector<QPointF> pts;
  std::vector<bool> front;
  double startWidth, endWidth;
  VineColours colours;
};

// Keeps walking from the last point; curvature grows towards the tip so the end rolls up.
void addCurl(std::vector<QPointF>& pts, double length, double curl) {
  const QPointF d = pts.back() - pts[pts.size() - 2];
  double a = std::atan2(d.y(), d.x());
  QPointF at = pts.back();
  const double step = 0.4;
  for (double s = 0; s < length; s += step) {
    const double t = s / length;
    a += curl * t * t * step;
    at += QPointF(std::cos(a), std::sin(a)) * step;
    pts.push_back(at);
  }
}

// A vine waving along the word, rolled up at both ends, with a small curling
// shoot at every crest.
std::vector<Tendril> wave(double x0, double x1, double cy, double amp, double wavelength, double phase,
                          double curlIn, double curlOut, double w0, double w1, const VineColours& colours) {
  auto angleAt = [=](double x) { return 2 * kPi * (x - x0) / wavelength + phase; };
  std::vector<QPointF> pts;
  for (double x = x0; x <= x1; x += 0.4) pts.emplace_back(x, cy + amp * std::sin(angleAt(x)));
  addCurl(pts, 14, curlOut);
  std::reverse(pts.begin(), pts.end());  // roll up the other end as well
  addCurl(pts, 14, -curlIn);
  std::reverse(pts.begin(), pts.end());
  Tendril t{pts, {}, w0, w1, colours};
  for (const QPointF& p : pts)  // in front of the letters while heading downwards
    t.front.push_back(p.x() > x0 && p.x() < x1 && std::cos(angleAt(p.x())) > 0);
  std::vector<Tendril> vine{t};
  for (int k = -4; k < 8; ++k) {
    const double x = x0 + (kPi / 2 - phase + k * kPi) * wavelength / (2 * kPi);
    if (x < x0 + 6 || x > x1 - 6) continue;
    const double side = (k % 2 == 0) ? -1 : 1;  // crests shoot up, troughs down
    std::vector<QPointF> shoot{QPointF(x, cy + amp * std::sin(angleAt(x)))};
    shoot.push_back(shoot.back() + QPointF(0.4 * side, 0.5 * side));
    addCurl(shoot, 15, 0.6 * side);
    vine.push_back({shoot, std::vector<bool>(shoot.size(), false), w1 + 0.4, 0.5, colours});
  }
  return vine;
}

void stroke(QPainter& p, const Tendril& t, double extra, const QColor& c, QPointF shift, bool frontOnly) {
  const size_t n = t.pts.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    if (frontOnly && !(t.front[i] && t.front[i + 1])) continue;
    const double width = t.startWidth + (t.endWidth - t.startWidth) * double(i) / double(n - 1);
    p.setPen(QPen(c, std::max(0.3, width + extra), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.pts[i] + shift, t.pts[i + 1] + shift);
  }
}

void drawTendril(QPainter& p, const Tendril& t, bool frontOnly) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  stroke(p, t, 1.4, t.colours.dark, {}, frontOnly);
  stroke(p, t, 0, t.colours.mid, {}, frontOnly);
  stroke(p, t, -t.startWidth * 0.6, t.colours.light, QPointF(-0.3, -0.4), frontOnly);
  p.restore();
}

const VineColours kGreen{QColor(10, 60, 10), QColor(60, 175, 45), QColor(170, 240, 120)};
const VineColours kYellowGreen{QColor(30, 70, 0), QColor(140, 200, 40), QColor(225, 255, 150)};
const VineColours kOrange{QColor(90, 35, 0), QColor(235, 130, 25), QColor(255, 215, 140)};

QBrush greyMetal(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(245, 245, 248));
  g.setColorAt(0.48, QColor(165, 165, 172));
  g.setColorAt(0.52, QColor(120, 120, 128));
  g.setColorAt(1, QColor(200, 200, 206));
  return g;
}

QImage vineHeading(QSize size, double scale, const QString& word, const QRectF& box,
                   const std::vector<std::vector<Tendril>>& vines) {
  QImage img = blackCanvas(size.width(), size.height(), scale);
  QFont face = font("DejaVu Serif", 40, QFont::Bold);
  face.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  const QPainterPath text = fitted(textPath(word, face), box, true);
  QPainter p(&img);
  for (const auto& vine : vines)
    for (const Tendril& t : vine) drawTendril(p, t, false);
  outlined(p, text, greyMetal(text.boundingRect()), QColor(25, 25, 30), 1.1);
  for (const auto& vine : vines) drawTendril(p, vine.front(), true);
  return img;
}

QImage playerHeading(double scale, const QString& words, const QColor& dark, const QColor& ray,
                     const QColor& rim) {
  QImage img = blackCanvas(142, 62, scale);
  const QPointF c(71, 31);
  blurredLayer(img, 1, [&](QPainter& p) {
    for (int i = 0; i < 32; ++i) {
      const double a = i * 2 * kPi / 32 + 0.05, half = (i % 2 ? 0.035 : 0.06), reach = i % 2 ? 55 : 80;
      QRadialGradient g(c, reach);
      g.setColorAt(0, ray);
      g.setColorAt(1, QColor(ray.red(), ray.green(), ray.blue(), 0));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawPolygon(QPolygonF({c, c + QPointF(std::cos(a - half), std::sin(a - half)) * reach,
                               c + QPointF(std::cos(a + half), std::sin(a + half)) * reach}));
    }
  });
  const QPainterPath text =
      fitted(textPath(words, font("DejaVu Serif", 40, QFont::Bold, true)), {9, 15, 124, 32});
  glow(img, text, QColor(0, 0, 0, 235), 3, 2.5, 2);
  QPainter p(&img);
  outlined(p, text, rim, rim, 0.9);
  outlined(p, text, verticalGradient(text.boundingRect(), {lighter(dark, 0.25), dark, scaled(dark, 0.55)}),
           Qt::transparent, 0);
  return img;
}

QImage helpBanner(double scale, const Words& words) {
  QImage img = blackCanvas(311, 96, scale);
  const QPainterPath title =
      fitted(textPath("OUROBOARD", font("DejaVu Sans", 60, QFont::Black)), {8, 30, 295, 44});
  const QPainterPath the = fitted(
      textPath(words.bannerThe, fontFor(words.bannerThe, font("Z003", 48), "DejaVu Serif")), {10, 1, 58, 32});
  glow(img, title, QColor(30, 80, 255), 5, 1.5, 1);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // red swash running from the script word under the title
  QPainterPath swash;
  swash.moveTo(52, 22);
  swash.cubicTo(110, 6, 230, 8, 300, 24);
  p.setPen(QPen(QColor(120, 0, 0), 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(swash);
  p.setPen(QPen(QColor(230, 30, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(swash);
  outlined(
      p, the,
      verticalGradient(the.boundingRect(), {QColor(255, 110, 90), QColor(215, 20, 20), QColor(140, 0, 0)}),
      QColor(60, 0, 0), 1.0);
  outlined(p, title.translated(2, 2), QColor(0, 10, 50), QColor(0, 10, 50), 1.2);
  outlined(p, title,
           verticalGradient(title.boundingRect(), {QColor(190, 225, 255), QColor(70, 140, 255),
                                                   QColor(20, 60, 210), QColor(10, 30, 120)}),
           QColor(5, 15, 60), 1.1);
  const QPainterPath version =
      fitted(textPath("v1.0", font("DejaVu Sans", 20, QFont::Bold)), {266, 4, 36, 13});
  outlined(p, version, QColor(235, 235, 240), QColor(40, 40, 60), 0.6);
  const QPainterPath credit = fitted(
      textPath(words.bannerCredit, font("DejaVu Serif", 20, QFont::Normal, true)), {150, 80, 154, 13});
  outlined(p, credit, QColor(190, 190, 200), Qt::transparent, 0);
  return img;
}

QPainterPath arrow(const QRectF& r, double angleDeg) {
  // pointing right, then turned
  QPainterPath a;
  a.addPolygon(
      QPolygonF({QPointF(-0.45, -0.14), QPointF(0.05, -0.14), QPointF(0.05, -0.38), QPointF(0.5, 0),
                 QPointF(0.05, 0.38), QPointF(0.05, 0.14), QPointF(-0.45, 0.14), QPointF(-0.45, -0.14)}));
  QTransform t;
  t.translate(r.center().x(), r.center().y());
  t.rotate(angleDeg);
  t.scale(r.width(), r.height());
  return t.map(a);
}

// A lavender keycap with its label; the top face sits higher than the base.
void keycap(QPainter& p, const QRectF& r, const std::function<QPainterPath(const QRectF&)>& label) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 28, 80), 1));
  p.setBrush(verticalGradient(r, {QColor(150, 130, 205), QColor(95, 75, 160)}));
  p.drawRoundedRect(r, 5, 5);
  const QRectF top = r.adjusted(3.5, 2, -3.5, -6);
  p.setPen(QPen(QColor(235, 228, 255), 0.8));
  p.setBrush(verticalGradient(top, {QColor(232, 224, 255), QColor(196, 182, 245)}));
  p.drawRoundedRect(top, 4, 4);
  const QPainterPath mark = label(top.adjusted(5, 4, -5, -4));
  outlined(p, mark.translated(0.7, 0.7), QColor(255, 255, 255, 160), Qt::transparent, 0);
  outlined(p, mark, QColor(55, 35, 110), Qt::transparent, 0);
  p.restore();
}

QImage keysPicture(int width, double scale, const QString& heading, const QStringList& letters) {
  QImage img = blackCanvas(width, 108, scale);
  const QPainterPath title =
      fitted(textPath(heading, font("DejaVu Serif", 40, QFont::Bold)), {10, 2, width - 20.0, 20});
  QPainter p(&img);
  outlined(
      p, title,
      verticalGradient(title.boundingRect(), {QColor(255, 110, 100), QColor(220, 25, 25), QColor(130, 0, 0)}),
      QColor(50, 0, 0), 1.0);
  const double key = 36, gap = 3, left = (width - 3 * key - 2 * gap) / 2.0;
  const QRectF rects[4] = {{left + key + gap, 27, key, key},
                           {left, 68, key, key},
                           {left + key + gap, 68, key, key},
                           {left + 2 * (key + gap), 68, key, key}};
  const double arrows[4] = {-90, 180, 90, 0};
  for (int i = 0; i < 4; ++i)
    keycap(p, rects[i], [&](const QRectF& face) {
      if (letters.isEmpty()) return arrow(face, arrows[i]);
      return fitted(textPath(letters[i], font("DejaVu Sans", 40, QFont::Bold)), face.adjusted(1, 0, -1, 0));
    });
  return img;
}

QImage okButton(double scale) {
  QImage img = blackCanvas(32, 32, scale);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPolygonF outer({QPointF(5, 2.5), QPointF(30, 16), QPointF(5, 29.5)});
  const QPolygonF inner({QPointF(8.5, 8.3), QPointF(22.8, 16), QPointF(8.5, 23.7)});
  QConicalGradient rainbow(QPointF(13, 16), 0);
  const QColor hues[] = {Qt::red,  QColor(255, 160, 0), Qt::yellow, Qt::green, Qt::cyan,
                         Qt::blue, Qt::magenta,         Qt::red};
  for (int i = 0; i < 8; ++i) rainbow.setColorAt(i / 7.0, hues[i]);
  p.setPen(Qt::NoPen);
  p.setBrush(rainbow);
  p.drawPolygon(outer);
  QLinearGradient metal(QPointF(8, 8), QPointF(16, 24));
  metal.setColorAt(0, QColor(250, 250, 255));
  metal.setColorAt(0.45, QColor(170, 175, 190));
  metal.setColorAt(0.55, QColor(110, 115, 130));
  metal.setColorAt(1, QColor(215, 220, 230));
  p.setPen(QPen(QColor(30, 30, 40), 1.0));
  p.setBrush(metal);
  p.drawPolygon(inner);
  return img;
}

}  // namespace

QImage heading(Lettered which, const Words& words, double scale) {
  switch (which) {
    case Lettered::Level:
      return vineHeading({127, 74}, scale, words.level, {8, 21, 111, 32},
                         {wave(5, 122, 37, 25, 66, 0.5, 0.55, 0.6, 2.6, 1.3, kGreen),
                          wave(7, 120, 37, 22, 66, 0.5 + kPi, 0.6, 0.6, 1.8, 1.0, kOrange)});
    case Lettered::Score:
      return vineHeading({142, 62}, scale, words.score, {10, 16, 122, 30},
                         {wave(5, 137, 31, 20, 58, 0.3, 0.6, 0.6, 2.4, 1.2, kGreen),
                          wave(7, 135, 31, 18, 58, 0.3 + kPi, 0.6, 0.6, 1.7, 1.0, kYellowGreen)});
    case Lettered::Player1:
      return playerHeading(scale, words.player1, QColor(150, 15, 15), QColor(255, 40, 30, 230),
                           QColor(255, 140, 120));
    case Lettered::Player2:
      return playerHeading(scale, words.player2, QColor(20, 35, 150), QColor(40, 100, 255, 230),
                           QColor(140, 180, 255));
    case Lettered::HelpBanner:
      return helpBanner(scale, words);
    case Lettered::KeysPlayer1:
      return keysPicture(124, scale, words.player1, {});
    case Lettered::KeysPlayer2:
      return keysPicture(125, scale, words.player2, words.playerTwoKeys);
    case Lettered::Ok:
      return okButton(scale);
    default:
      return {};
  }
}

}  // namespace art
