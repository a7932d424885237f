// The main window's background: black, with the violet frame around the board.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>

#include "scale.h"

class QPainter;

namespace ouroboard {

// The frame is kept as its four opaque bands, without its clear middle: the
// window is black there anyway, and the bands decode in a fraction of the
// time a whole 512 x 512 picture takes at start-up.
class Frame {
 public:
  static constexpr int Side = 512;

  Frame();

  // Paints the bands' pixels within area; both in the window's coordinates.
  void paint(QPainter& painter, const QRect& area) const;
  void setScale(const Scale& scale);

 private:
  struct Band {
    QRect units;  // where it goes at the window's own size
    QPointF place;  // on whole device pixels, so that the bands meet without a gap
    QPixmap picture;
  };
  std::array<Band, 4> bands_;
  std::array<QPixmap, 4> own_;
};

// The window's client area at its own size or scaled, behind every other
// widget of the main window.
class ClientArea : public QWidget {
  Q_OBJECT

 public:
  ClientArea(QWidget* parent, const QSize& size);

  const Frame& frame() const { return frame_; }
  void setScale(const Scale& scale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize own_;
  Frame frame_;
};

}  // namespace ouroboard
