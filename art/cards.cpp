// The 350x200 cards shown between levels and at the end of a game.
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "art.h"
#include "lettering.h"

namespace art {
namespace {

constexpr int kWidth = 350, kHeight = 200;

// Hard-edged horizontal bands alternating between two colours.
QLinearGradient bands(const QRectF& r, const QColor& a, const QColor& b, int count) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  for (int i = 0; i < count; ++i) {
    const QColor& c = i % 2 ? b : a;
    g.setColorAt(double(i) / count, c);
    g.setColorAt((i + 1.0) / count - 0.001, c);
  }
  return g;
}

// A line that may spread across the card rather than come out small.
QPainterPath fittedWide(const QPainterPath& path, const QRectF& box) {
  return fitted(path, roomFor(path.boundingRect(), box, kWidth - 40));
}

// Narrower at the top, as if the letters lay back into the distance.
QPainterPath perspective(const QPainterPath& path, double topInset) {
  const QRectF b = path.boundingRect();
  const QPolygonF from({b.topLeft(), b.topRight(), b.bottomRight(), b.bottomLeft()});
  const QPolygonF to({b.topLeft() + QPointF(topInset, 0), b.topRight() - QPointF(topInset, 0),
                      b.bottomRight(), b.bottomLeft()});
  QTransform t;
  QTransform::quadToQuad(from, to, t);
  QPainterPath out;
  for (const QPolygonF& poly : path.toFillPolygons()) out.addPolygon(t.map(poly));
  out.setFillRule(Qt::WindingFill);
  return out;
}

// Letters placed with the font's advances, then fitted as a whole word.
std::vector<QPainterPath> fittedLetters(const QString& text, const QFont& f, const QRectF& box) {
  std::vector<QPainterPath> letters = letterPaths(text, f);
  QRectF all;
  for (const auto& l : letters) all = all.united(l.boundingRect());
  const QTransform t = fitTransform(all, roomFor(all, box, kWidth - 40));
  for (auto& l : letters) l = t.map(l);
  return letters;
}

QPainterPath starPath(QPointF c, double outer, double inner) {
  QPainterPath star;
  star.addPolygon(
      starPolygon(c, {outer, inner, outer, inner, outer, inner, outer, inner, outer, inner}, -90));
  star.closeSubpath();
  return star;
}

QImage levelProceed(double scale, const Words& words) {
  QImage img = blackCanvas(kWidth, kHeight, scale);
  const QPainterPath heading =
      fitted(textPath(words.levelCompleted, font("DejaVu Sans", 40, QFont::Bold)), {14, 9, 322, 34}, true);
  glow(img, heading, QColor(140, 60, 255), 5, 1.5, 1);

  // the star's fire: flickering tongues, then a hot core, both blurred
  const QPointF c(175, 101);
  const double outer = 37, inner = 15;
  Rng rng(4242);
  auto flames = [&](int count, double minReach, double maxReach, const std::vector<QColor>& colours) {
    return [&, count, minReach, maxReach, colours](QPainter& p) {
      p.setPen(Qt::NoPen);
      for (int i = 0; i < count; ++i) {
        const double a = rng.range(0, 2 * kPi), reach = outer * rng.range(minReach, maxReach);
        const double half = rng.range(0.07, 0.18);
        p.setBrush(colours[size_t(i) % colours.size()]);
        p.drawPolygon(QPolygonF({c + QPointF(std::cos(a - half), std::sin(a - half)) * inner,
                                 c + QPointF(std::cos(a), std::sin(a)) * reach,
                                 c + QPointF(std::cos(a + half), std::sin(a + half)) * inner}));
      }
    };
  };
  blurredLayer(img, 9, flames(50, 1.3, 2.1, {QColor(230, 30, 0), QColor(255, 90, 0)}));
  blurredLayer(img, 2,
               flames(60, 1.0, 1.65, {QColor(255, 70, 0), QColor(255, 140, 0), QColor(255, 210, 60)}));
  glow(img, starPath(c, outer * 1.1, inner * 1.15), QColor(255, 210, 80), 3, 2, 1,
       QPainter::CompositionMode_Plus);

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  outlined(p, starPath(c, outer, inner), QColor(10, 60, 10), QColor(20, 50, 0), 1.2);
  const QPolygonF tips =
      starPolygon(c, {outer, inner, outer, inner, outer, inner, outer, inner, outer, inner}, -90);
  p.setPen(Qt::NoPen);
  for (int arm = 0; arm < 5; ++arm) {  // each arm: a lit and a shaded facet
    const QPointF tip = tips[2 * arm], left = tips[(2 * arm + 9) % 10], right = tips[2 * arm + 1];
    QLinearGradient lit(c, tip), shade(c, tip);
    lit.setColorAt(0, QColor(210, 255, 170));
    lit.setColorAt(1, QColor(70, 210, 50));
    shade.setColorAt(0, QColor(60, 190, 40));
    shade.setColorAt(1, QColor(15, 100, 20));
    p.setBrush(lit);
    p.drawPolygon(QPolygonF({c, left, tip}));
    p.setBrush(shade);
    p.drawPolygon(QPolygonF({c, tip, right}));
  }
  p.setBrush(QColor(255, 255, 230));
  p.drawPolygon(starPolygon(c, {5, 1.2, 5, 1.2, 5, 1.2, 5, 1.2}, -90));

  outlined(p, heading, QColor(20, 0, 45), QColor(20, 0, 45), 1.6);
  outlined(p, heading, bands(heading.boundingRect(), QColor(160, 70, 235), QColor(55, 95, 255), 7),
           Qt::transparent, 0);
  p.setPen(QPen(QColor(235, 220, 255), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(heading);
  p.end();

  const QPainterPath proceed = fitted(
      textPath(words.proceed, fontFor(words.proceed, font("Blankenburg_UNZ1A", 40), "DejaVu Serif")),
      {16, 151, 318, 38});
  glow(img, proceed, QColor(255, 150, 0), 4, 1, 1);
  QPainter q(&img);
  outlined(q, proceed,
           verticalGradient(proceed.boundingRect(), {QColor(255, 250, 190), QColor(250, 200, 50),
                                                     QColor(175, 110, 10), QColor(255, 225, 110)}),
           QColor(50, 25, 0), 1.3);
  return img;
}

QImage campaignOver(double scale, const Words& words) {
  QImage img = blackCanvas(kWidth, kHeight, scale);
  // BRAVO!, each letter tipped a little, the whole word rising to the right
  std::vector<QPainterPath> bravo =
      fittedLetters(words.bravo, font("DejaVu Sans", 48, QFont::Black, true), {92, 8, 166, 46});
  for (size_t i = 0; i < bravo.size(); ++i)
    bravo[i] = rotated(bravo[i].translated(0, -2.5 * double(i)), i % 2 ? 8 : -6).translated(0, 6);
  QPainterPath word;
  for (const auto& l : bravo) word.addPath(l);
  glow(img, word, QColor(60, 255, 60), 6, 1, 1);

  // the message: soft blue letters on a deep blue glow
  const QPainterPath line1 =
      fitted(textPath(words.conqueredEveryLevel, font("DejaVu Serif", 40, QFont::Bold, true)),
             {40, 72, 270, 20});
  const QPainterPath line2 =
      fitted(textPath(words.wonTheCampaign, font("DejaVu Serif", 40, QFont::Bold, true)), {50, 98, 250, 20});
  QPainterPath message = line1;
  message.addPath(line2);
  blurredLayer(img, 10, [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 35, 150));
    p.drawRoundedRect(QRectF(40, 68, 270, 56), 26, 26);
  });
  glow(img, message, QColor(30, 80, 230), 3, 2, 2);
  blurredLayer(img, 1, [&](QPainter& p) { p.fillPath(message, QColor(140, 190, 255)); });
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(message, QColor(190, 220, 255, 110));
    for (const auto& l : bravo)
      outlined(p, l,
               verticalGradient(l.boundingRect(),
                                {QColor(210, 255, 150), QColor(60, 210, 40), QColor(10, 100, 20)}),
               QColor(0, 35, 0), 1.6);
  }

  const std::vector<QPainterPath> congrats =
      fittedLetters(words.congrats, font("DejaVu Sans", 48, QFont::Black), {30, 140, 290, 46});
  const QColor hues[] = {QColor(255, 50, 50),  QColor(255, 150, 20), QColor(255, 230, 30),
                         QColor(60, 220, 60),  QColor(30, 210, 230), QColor(60, 110, 255),
                         QColor(170, 80, 255), QColor(255, 70, 200)};
  QPainterPath all;
  for (const auto& l : congrats) all.addPath(l);
  glow(img, all, QColor(255, 255, 255, 120), 4, 1, 1);
  QPainter p(&img);
  for (size_t i = 0; i < congrats.size(); ++i) {
    const QPainterPath& l = congrats[i];
    const QColor& hue = hues[i % std::size(hues)];
    outlined(p, l, verticalGradient(l.boundingRect(), {lighter(hue, 0.6), hue, scaled(hue, 0.55)}),
             QColor(15, 15, 20), 1.4);
  }
  return img;
}

QImage classicOver(double scale, const Words& words) {
  QImage img = blackCanvas(kWidth, kHeight, scale);
  // faint nebula, then stars of a few sizes; all from one seed
  paintPixels(img, [](double x, double y) -> std::optional<QColor> {
    const double n = fractalNoise(x / 55, y / 55, 99, 4);
    const double v = std::max(0.0, n - 0.45) * 1.4;
    return mix(QColor(0, 0, 6), QColor(40, 20, 90), v).lighter(100 + int(40 * v));
  });
  struct Line {
    QString text;
    QRectF box;
    QFont face;
  };
  const QFont serif = font("DejaVu Serif", 40, QFont::Bold, true),
              sans = font("DejaVu Sans", 40, QFont::Bold);
  const Line lines[] = {{words.wellDone, {70, 8, 210, 48}, serif},
                        {words.youHaveCompleted, {45, 68, 260, 27}, sans},
                        {words.theClassicMode, {58, 104, 234, 27}, sans},
                        {words.tryTheCampaign, {36, 153, 278, 28}, serif}};
  Rng rng(1977);
  for (int i = 0; i < 320; ++i) {
    const int x = int(rng.range(0, kWidth)), y = int(rng.range(0, kHeight));
    const double b = rng.unit();
    const QColor tint = rng.unit() < 0.2 ? QColor(255, 220, 180) : QColor(200, 215, 255);
    setUnit(img, x, y, scaled(tint, 0.25 + 0.75 * b * b));
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 14; ++i) {  // a few bright ones with a sparkle
    QPointF c;
    do  // keep the sparkles off the lettering
      c = QPointF(rng.range(6, kWidth - 6), rng.range(6, kHeight - 6));
    while (std::any_of(std::begin(lines), std::end(lines),
                       [&](const Line& l) { return l.box.adjusted(-8, -6, 8, 6).contains(c); }));
    const double r = rng.range(2.5, 5.5);
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.3, QColor(180, 200, 255, 160));
    g.setColorAt(1, QColor(120, 150, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(210, 225, 255, 170), 0.7));
    p.drawLine(c - QPointF(r * 1.6, 0), c + QPointF(r * 1.6, 0));
    p.drawLine(c - QPointF(0, r * 1.6), c + QPointF(0, r * 1.6));
  }
  p.end();

  for (const Line& line : lines) {
    const QPainterPath path = fittedWide(textPath(line.text, line.face), line.box);
    glow(img, path, QColor(20, 80, 255), 4, 1.5, 1);
    QPainter q(&img);
    outlined(q, path,
             verticalGradient(path.boundingRect(),
                              {QColor(190, 225, 255), QColor(70, 140, 255), QColor(20, 55, 200)}),
             QColor(0, 10, 60), 1.2);
  }
  return img;
}

QImage gameOver(double scale, const Words& words) {
  QImage img = blackCanvas(kWidth, kHeight, scale);
  paintPixels(img, [](double x, double y) -> std::optional<QColor> {  // dark spiral arms
    const double dx = x - 175, dy = y - 105, r = std::hypot(dx, dy) + 1;
    const double arms = 0.5 + 0.5 * std::sin(4 * std::atan2(dy, dx) + 5.5 * std::log(r));
    const double fade = std::clamp(1.1 - r / 230, 0.25, 1.0);
    return mix(QColor(4, 0, 12), QColor(72, 20, 110), arms * arms * fade);
  });

  const QPainterPath pity = rotated(
      fitted(textPath(words.pity, fontFor(words.pity, font("Z003", 48), "DejaVu Serif")), {14, 4, 200, 42}), -7);
  glow(img, pity, QColor(255, 0, 0), 4, 1, 1);

  const QPainterPath flat =
      fitted(textPath(words.gameOver, font("DejaVu Sans", 60, QFont::Black)), {24, 52, 302, 56}, true);
  const QPainterPath face = perspective(flat, 26);
  const QPainterPath again =
      fittedWide(textPath(words.tryAgain, font("DejaVu Sans", 40, QFont::Bold)), {110, 121, 130, 28});
  const QPainterPath chance =
      fitted(textPath(words.nextChance, font("DejaVu Serif", 40, QFont::Normal, true)), {52, 160, 246, 26});
  glow(img, again, QColor(40, 255, 40), 4, 1, 1);
  glow(img, chance, QColor(40, 90, 255), 4, 1, 1);

  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  outlined(
      p, pity,
      verticalGradient(pity.boundingRect(), {QColor(255, 120, 100), QColor(230, 20, 20), QColor(130, 0, 0)}),
      QColor(40, 0, 0), 1.2);
  for (int depth = 9; depth >= 1; --depth) {  // extrusion: darker further back
    const int v = 40 + (9 - depth) * 14;
    p.fillPath(face.translated(depth * 0.35, depth * 0.9), QColor(v, v, v + 12));
  }
  outlined(p, face,
           verticalGradient(face.boundingRect(),
                            {QColor(255, 255, 255), QColor(235, 235, 245), QColor(190, 190, 205)}),
           QColor(70, 70, 85), 0.6);
  outlined(p, again,
           verticalGradient(again.boundingRect(),
                            {QColor(190, 255, 160), QColor(50, 210, 50), QColor(10, 120, 20)}),
           QColor(0, 40, 0), 1.2);
  outlined(p, chance, verticalGradient(chance.boundingRect(), {QColor(170, 200, 255), QColor(60, 120, 255)}),
           QColor(0, 10, 50), 1.0);
  return img;
}

}  // namespace

QImage card(Lettered which, const Words& words, double scale) {
  switch (which) {
    case Lettered::LevelProceed:
      return levelProceed(scale, words);
    case Lettered::CampaignOver:
      return campaignOver(scale, words);
    case Lettered::ClassicOver:
      return classicOver(scale, words);
    case Lettered::GameOver:
      return gameOver(scale, words);
    default:
      return {};
  }
}

}  // namespace art
