#include "board.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
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

QRect Board::extent(int cell, Picture picture) const {
  QRect area = cellRect(cell);
  const QPixmap& pixmap = book_.pixmap(picture);
  if (!pixmap.isNull()) area.setSize(area.size().expandedTo(pixmap.deviceIndependentSize().toSize()));
  return area;
}

bool Board::oversized(Picture picture) const {
  const QSize size = book_.pixmap(picture).deviceIndependentSize().toSize();
  return size.width() > CellSize || size.height() > CellSize;
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
std::vector<int> Board::cellsReaching(const QRegion& region) {
  std::vector<int> cells;
  for (const QRect& area : region) {
    const int left = std::max(area.left() / CellSize - 1, 0);
    const int top = std::max(area.top() / CellSize - 1, 0);
    const int right = std::min(area.right() / CellSize, BoardSide - 1);
    const int bottom = std::min(area.bottom() / CellSize, BoardSide - 1);
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
  const int cells = BoardSide * CellSize;
  const QRect reach = dirty.boundingRect();
  if (reach.right() < cells && reach.bottom() < cells) return;
  const QRegion overhang = dirty - QRect(0, 0, cells, cells);
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
      painter.fillRect(cellRect(i), Qt::black);
    else if (oversized(picture))
      onTop.push_back(i);
    else
      painter.drawPixmap(cellRect(i).topLeft(), book_.pixmap(picture));
  }
  for (const int i : onTop) painter.drawPixmap(cellRect(i).topLeft(), book_.pixmap(shown_[i]));
}

}  // namespace ouroboard
