// A picture at its natural size, optionally clickable.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ouroboard {

// Shows one picture unscaled at its top-left corner. Given a picture it takes
// the picture's size and keeps its place; without one it draws nothing, so
// the window's background shows through.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QWidget* parent, const QString& name, const QRect& geometry);

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
