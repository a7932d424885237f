// The main window's background: black, with the violet frame around the board.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <array>

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

 private:
  struct Band {
    QPoint place;
    QPixmap picture;
  };
  std::array<Band, 4> bands_;
};

// The window's client area, behind every other widget of the main window.
class ClientArea : public QWidget {
  Q_OBJECT

 public:
  ClientArea(QWidget* parent, const QSize& size);

  const Frame& frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Frame frame_;
};

}  // namespace ouroboard
