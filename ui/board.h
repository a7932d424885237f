// The 30 x 30 board, drawn as one widget.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "picture.h"
#include "scale.h"
#include "types.h"

namespace ouroboard {

class Frame;
class PictureBook;

// Draws the cells' pictures and repaints only the cells whose picture changed
// since they were last drawn. A picture larger than a cell (the 18 x 18 food
// item) overlaps its right and lower neighbours and is drawn on top of them;
// at the board's edge it overlaps the window's frame, so the widget reaches
// that far beyond the cells. It paints every pixel it covers, the frame's
// under that overhang too, so that Qt never paints the window behind it.
class Board : public QWidget {
  Q_OBJECT

 public:
  static constexpr int CellSize = 16;
  // How far the largest picture a cell shows reaches past the cell.
  static constexpr int Overhang = 2;

  Board(const PictureBook& book, const Frame& frame, QWidget* parent);

  // Takes the pictures the cells are to show and repaints the changed cells.
  void showCells(const std::array<Picture, CellCount>& cells);
  // Cells a whole number of device pixels wide, for the window's scale.
  void setScale(const Scale& scale);

  // Where a cell shows at the window's own size, and at the board's scale.
  static QRect cellRect(int cell);
  QRect cellArea(int cell) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF cellPlace(int cell) const;
  // The area a cell's picture covers: its own square, or more for a larger picture.
  QRect extent(int cell, Picture picture) const;
  bool oversized(Picture picture) const;
  std::vector<int> cellsReaching(const QRegion& region) const;
  void paintOverhang(QPainter& painter, const QRegion& dirty) const;

  const PictureBook& book_;
  const Frame& frame_;
  std::array<Picture, CellCount> shown_{};
  double cell_ = CellSize;  // in the widget's own pixels
};

}  // namespace ouroboard
