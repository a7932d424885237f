// A picture at its natural size, optionally clickable.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ouroboard {

// Shows one picture unscaled at the top-left corner of its contents. Given a
// picture it takes the picture's size and keeps its place, unless its size is
// fixed (a window's background); without one it draws nothing, so whatever is
// behind it shows through. A press and a release of the left button, both on
// the widget, make a click.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QWidget* parent, const QString& name, const QRect& geometry, Qt::WindowFlags flags = {});

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool pressed_ = false;
};

}  // namespace ouroboard
