// A black window background with an optional picture at its top-left corner.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace ouroboard {

class Backdrop : public QWidget {
  Q_OBJECT

 public:
  Backdrop(QWidget* parent, const QString& name, const QSize& size);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace ouroboard
