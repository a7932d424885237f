#include "board.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "picturebook.h"

namespace ouroboard {

Board::Board(const PictureBook& book, QWidget* parent) : QWidget(parent), book_(book) {
  setObjectName(QStringLiteral("TableBlock"));
  const int side = BoardSide * CellSize + Overhang;
  setGeometry(CellSize, CellSize, side, side);
  setFocusPolicy(Qt::NoFocus);
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

void Board::paintEvent(QPaintEvent* event) {
  // The window behind is already painted: black under the cells, the frame
  // under the overhang.
  const QRegion& dirty = event->region();
  QPainter painter(this);
  // Larger pictures go last, so that they show whole over their neighbours.
  std::vector<int> onTop;
  for (const int i : cellsReaching(dirty)) {
    const Picture picture = shown_[i];
    if (picture == Picture::None || !dirty.intersects(extent(i, picture))) continue;
    if (oversized(picture))
      onTop.push_back(i);
    else
      painter.drawPixmap(cellRect(i).topLeft(), book_.pixmap(picture));
  }
  for (const int i : onTop) painter.drawPixmap(cellRect(i).topLeft(), book_.pixmap(shown_[i]));
}

}  // namespace ouroboard
