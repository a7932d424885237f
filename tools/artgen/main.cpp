// artgen: draws every picture of Ouroboard and writes them into the tree.
//
// Build and run from the repository root:
//
//   cmake -S tools/artgen -B build-artgen -G Ninja
//   cmake --build build-artgen
//   QT_QPA_PLATFORM=offscreen build-artgen/artgen .
//
// The argument is the repository root. It writes assets/*.png,
// assets/pictures.qrc, docs/art.png (contact sheet) and the desktop icons in
// packaging/icons/hicolor/. Output is reproducible: noise comes from fixed
// seeds, text is drawn from font outlines. Fonts come from Debian packages
// (see README.md); commit the output so the game build never needs them.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "art.h"
#include "generator.h"
#include "lettering.h"

namespace {

bool save(const QImage& img, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !img.save(path, "PNG")) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool writeQrc(const art::Pictures& pictures, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "<!DOCTYPE RCC>\n<!-- written by tools/artgen; regenerate instead of editing -->\n"
      << "<RCC version=\"1.0\">\n    <qresource prefix=\"/pictures\">\n";
  QStringList names;
  for (const auto& p : pictures) names << p.name;
  names.sort();
  for (const QString& n : names) out << "        <file alias=\"" << n << "\">" << n << "</file>\n";
  out << "    </qresource>\n</RCC>\n";
  return true;
}

QString familyOf(art::Lettered which) {
  using art::Lettered;
  switch (which) {
    case Lettered::Level:
    case Lettered::Score:
    case Lettered::Player1:
    case Lettered::Player2:
      return "headings";
    case Lettered::HelpBanner:
    case Lettered::KeysPlayer1:
    case Lettered::KeysPlayer2:
      return "help";
    case Lettered::Ok:
      return "buttons";
    default:
      return "cards";
  }
}

constexpr int kGap = 18, kMargin = 24, kLabel = 18, kSheetWidth = 1720;

struct Cell {
  const art::Picture* picture;
  QPoint at;
};

// Left to right inside [x0, x0 + width), wrapping, and a new row for each
// family. Returns the bottom edge of what it placed.
int shelf(const std::vector<const art::Picture*>& items, int x0, int y0, int width,
          const QFontMetrics& metrics, std::vector<Cell>& cells) {
  int x = x0, y = y0, rowHeight = 0;
  QString family = items.empty() ? QString() : items.front()->family;
  for (const art::Picture* p : items) {
    const int w = std::max(p->image.width() * 2, metrics.horizontalAdvance(p->name));
    if (x > x0 && (x + w > x0 + width || p->family != family)) {
      x = x0;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    family = p->family;
    cells.push_back({p, QPoint(x, y)});
    x += w + kGap;
    rowHeight = std::max(rowHeight, p->image.height() * 2 + kLabel);
  }
  return y + rowHeight;
}

// The frame's four bands (top, left, right, bottom, as tiles.cpp writes them)
// put together as the board shows them, under one label.
art::Picture assembledFrame(const std::vector<const art::Picture*>& bands) {
  const QImage &top = bands[0]->image, &left = bands[1]->image, &right = bands[2]->image,
               &bottom = bands[3]->image;
  QImage whole(top.width(), top.height() + left.height() + bottom.height(), QImage::Format_ARGB32);
  whole.fill(Qt::transparent);
  QPainter painter(&whole);
  painter.drawImage(0, 0, top);
  painter.drawImage(0, top.height(), left);
  painter.drawImage(whole.width() - right.width(), top.height(), right);
  painter.drawImage(0, top.height() + left.height(), bottom);
  QStringList names;
  for (const art::Picture* band : bands) names << band->name;
  return {names.join(", "), whole, "frame"};
}

// Every picture at twice its size, nearest neighbour, labelled: the small
// board pictures on top, the frame with the headings beside it, the cards below.
QImage contactSheet(const art::Pictures& pictures) {
  const QFont label = art::font("DejaVu Sans", 11);
  const QFontMetrics metrics(label);
  const QStringList topFamilies{"board", "obstacles", "food", "speed"},
      sideFamilies{"headings", "help", "buttons"};
  std::vector<const art::Picture*> top, bands, side, rest;
  for (const auto& p : pictures) {
    auto& group = topFamilies.contains(p.family)    ? top
                  : p.family == "frame"             ? bands
                  : sideFamilies.contains(p.family) ? side
                                                    : rest;
    group.push_back(&p);
  }
  const art::Picture wholeFrame = assembledFrame(bands);
  const std::vector<const art::Picture*> frame{&wholeFrame};

  std::stable_sort(side.begin(), side.end(), [&](const art::Picture* a, const art::Picture* b) {
    return sideFamilies.indexOf(a->family) < sideFamilies.indexOf(b->family);
  });

  std::vector<Cell> cells;
  const int inner = kSheetWidth - 2 * kMargin;
  int y = shelf(top, kMargin, kMargin + 34, inner, metrics, cells) + kGap;
  const int frameBottom = shelf(frame, kMargin, y, inner, metrics, cells);
  const int sideLeft = kMargin + wholeFrame.image.width() * 2 + kGap * 2;
  y = std::max(frameBottom, shelf(side, sideLeft, y, kSheetWidth - kMargin - sideLeft, metrics, cells)) +
      kGap;
  y = shelf(rest, kMargin, y, inner, metrics, cells);

  QImage sheet(kSheetWidth, y + kMargin, QImage::Format_RGB32);
  sheet.fill(QColor(43, 43, 46));
  QPainter painter(&sheet);
  painter.setFont(art::font("DejaVu Sans", 16, QFont::Bold));
  painter.setPen(QColor(230, 230, 235));
  painter.drawText(kMargin, kMargin + 14, "Ouroboard pictures (shown at 2x)");
  painter.setFont(label);
  for (const auto& [p, at] : cells) {
    const QSize size = p->image.size() * 2;
    if (p->image.hasAlphaChannel())  // checkerboard shows what is transparent
      for (int cy = 0; cy < size.height(); cy += 8)
        for (int cx = 0; cx < size.width(); cx += 8)
          painter.fillRect(QRect(at.x() + cx, at.y() + cy, std::min(8, size.width() - cx),
                                 std::min(8, size.height() - cy)),
                           ((cx + cy) / 8) % 2 ? QColor(70, 70, 74) : QColor(90, 90, 96));
    painter.drawImage(at, p->image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    painter.setPen(QColor(210, 210, 215));
    painter.drawText(at.x(), at.y() + size.height() + 13, p->name);
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <repository root>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));

  for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Z003", "Blankenburg_UNZ1A"})
    if (!QFontDatabase::hasFamily(family))
      std::fprintf(stderr, "artgen: font family '%s' is missing; see README.md for the font packages\n", family);

  art::Pictures pictures;
  art::tiles(pictures);
  for (const art::Lettered which : art::AllLettered)
    pictures.push_back({art::fileName(which), art::paint(which, art::Words{}, 1), familyOf(which)});
  pictures.push_back({"icon.png", art::icon(32), "buttons"});

  bool ok = true;
  for (const auto& p : pictures) ok &= save(p.image, root.filePath("assets/" + p.name));
  ok &= writeQrc(pictures, root.filePath("assets/pictures.qrc"));
  ok &= save(contactSheet(pictures), root.filePath("docs/art.png"));
  const QString desktopIcon("packaging/icons/hicolor/%1x%1/apps/io.github.ouroboard.ouroboard.png");
  for (int size : {16, 32, 48, 64, 128, 256})
    ok &= save(art::icon(size), root.filePath(desktopIcon.arg(size)));
  std::printf("artgen: %zu pictures written into %s\n", pictures.size(), qPrintable(root.absolutePath()));
  return ok ? 0 : 1;
}
