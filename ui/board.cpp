#include "board.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "frame.h"
#include "picturebook.h"

namespace ouroboard {

Board::Board(const PictureBook& book, const Frame& frame, QWidget* parent)
    : QWidget(parent), book_(book), frame_(frame) {
  setObjectName(QStringLiteral("TableBlock"));
  //: Spoken name of the board the snakes move on.
  setAccessibleName(tr("Board"));
  //: Spoken description of the board. %n: the cells along each side (30), so the same number twice.
  setAccessibleDescription(tr("The playing field, %n by %n cells", nullptr, BoardSide));
  const int side = BoardSide * CellSize + Overhang;
  setGeometry(CellSize, CellSize, side, side);
  setFocusPolicy(Qt::NoFocus);
  // Every paint covers its whole area, so Qt need not paint the window behind.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect Board::cellRect(int cell) {
  return {(cell % BoardSide) * CellSize, (cell / BoardSide) * CellSize, CellSize, CellSize};
}

// A cell's side is a whole number of device pixels, so cells touch without
// gaps and each picture lands on whole pixels.
void Board::setScale(const Scale& scale) {
  cell_ = std::round(CellSize * scale.device()) / scale.ratio;
  update();
}

QRectF Board::cellPlace(int cell) const {
  return {(cell % BoardSide) * cell_, (cell / BoardSide) * cell_, cell_, cell_};
}

QRect Board::cellArea(int cell) const { return cellPlace(cell).toAlignedRect(); }

QRect Board::extent(int cell, Picture picture) const {
  QRectF area = cellPlace(cell);
  const QPixmap& pixmap = book_.pixmap(picture);
  if (!pixmap.isNull()) area.setSize(area.size().expandedTo(pixmap.deviceIndependentSize()));
  return area.toAlignedRect();
}

bool Board::oversized(Picture picture) const {
  const QSizeF size = book_.pixmap(picture).deviceIndependentSize();
  return size.width() > cell_ + 0.01 || size.height() > cell_ + 0.01;
}

void Board::showCells(const std::array<Picture, CellCount>& cells) {
  QRegion changed;
  for (int i = 0; i < CellCount; ++i) {
    if (cells[i] == shown_[i]) continue;
    changed += extent(i, shown_[i]).united(extent(i, cells[i]));
    shown_[i] = cells[i];
  }
  // Painted now, not on a later pass of the event loop: a tick reaches the
  // screen in the same wake-up as the timer, at no extra cost.
  repaint(changed);
}

// The cells under region and their upper and left neighbours: no picture is
// as large as two cells, so only those can reach into it.
std::vector<int> Board::cellsReaching(const QRegion& region) const {
  const auto cellAt = [this](int pixel) { return static_cast<int>(pixel / cell_); };
  std::vector<int> cells;
  for (const QRect& area : region) {
    const int left = std::max(cellAt(area.left()) - 1, 0);
    const int top = std::max(cellAt(area.top()) - 1, 0);
    const int right = std::min(cellAt(area.right()), BoardSide - 1);
    const int bottom = std::min(cellAt(area.bottom()), BoardSide - 1);
    for (int row = top; row <= bottom; ++row)
      for (int column = left; column <= right; ++column) cells.push_back(row * BoardSide + column);
  }
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  return cells;
}

// Past the last row and column the board shows what the window would: black,
// and from the frame's inner edge on, the frame.
void Board::paintOverhang(QPainter& painter, const QRegion& dirty) const {
  const QRect cells = cellArea(0).united(cellArea(CellCount - 1));
  const QRect reach = dirty.boundingRect();
  if (reach.right() <= cells.right() && reach.bottom() <= cells.bottom()) return;
  const QRegion overhang = dirty - cells;
  for (const QRect& area : overhang) painter.fillRect(area, Qt::black);
  painter.save();
  painter.translate(-pos());
  frame_.paint(painter, overhang.boundingRect().translated(pos()));
  painter.restore();
}

// The cell pictures are opaque, so each covers whatever its cell showed
// before; only a cell without a picture needs the black filled in.
void Board::paintEvent(QPaintEvent* event) {
  const QRegion& dirty = event->region();
  QPainter painter(this);
  paintOverhang(painter, dirty);
  // Larger pictures go last, so that they show whole over their neighbours.
  std::vector<int> onTop;
  for (const int i : cellsReaching(dirty)) {
    const Picture picture = shown_[i];
    if (!dirty.intersects(extent(i, picture))) continue;
    if (picture == Picture::None)
      painter.fillRect(cellPlace(i), Qt::black);
    else if (oversized(picture))
      onTop.push_back(i);
    else
      painter.drawPixmap(cellPlace(i).topLeft(), book_.pixmap(picture));
  }
  for (const int i : onTop) painter.drawPixmap(cellPlace(i).topLeft(), book_.pixmap(shown_[i]));
}

}  // namespace ouroboard
