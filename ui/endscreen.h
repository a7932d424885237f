// The small untitled window that ends a level or a game.
#pragma once

#include "pictureview.h"

namespace ouroboard {

// One full-window picture on black inside a thin frame. A click anywhere,
// the frame included, or Return, Enter, Space or Escape dismisses it; what
// that does to the game is the main window's business.
class EndScreen : public PictureView {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{352, 200};

  explicit EndScreen(QWidget* owner);

  // Closes and destroys the window; nothing else closes it.
  void dismiss();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool dismissed_ = false;
};

}  // namespace ouroboard
