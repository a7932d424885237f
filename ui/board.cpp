#include "board.h"

#include <QPaintEvent>
#include <QPainter>
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
  for (int i = 0; i < CellCount; ++i) {
    if (cells[i] == shown_[i]) continue;
    const QRect changed = extent(i, shown_[i]).united(extent(i, cells[i]));
    shown_[i] = cells[i];
    update(changed);
  }
}

void Board::paintEvent(QPaintEvent* event) {
  // The window behind is already painted: black under the cells, the frame
  // under the overhang.
  const QRegion& dirty = event->region();
  QPainter painter(this);
  // Larger pictures go last, so that they show whole over their neighbours.
  std::vector<int> onTop;
  for (int i = 0; i < CellCount; ++i) {
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
