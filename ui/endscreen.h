// The small untitled window that ends a level or a game.
#pragma once

#include <QWidget>

namespace ouroboard {

class Backdrop;

// One full-window picture on black inside a thin frame. A click anywhere
// dismisses it; what that does to the game is the main window's business.
class EndScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{352, 200};

  explicit EndScreen(QWidget* owner);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const;

  // Closes and destroys the window; nothing else closes it.
  void dismiss();

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Form_Click();

  Backdrop* client_;
  bool pressed_ = false;
  bool dismissed_ = false;
};

}  // namespace ouroboard
