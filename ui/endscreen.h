// The small untitled window that ends a level or a game.
#pragma once

#include "picture.h"
#include "pictureview.h"
#include "scale.h"

namespace ouroboard {

// One full-window picture on black inside a thin frame. A click anywhere,
// the frame included, dismisses it, as do the keys the keyboard code gives
// it; what that does to the game is the main window's business.
class EndScreen : public PictureView {
  Q_OBJECT

 public:
  static constexpr QSize ClientSize{352, 200};

  // Centred over a widget of the owner's; one that stands alone has no
  // owner while it is up, and a task-bar entry of its own.
  EndScreen(QWidget* owner, const QWidget* over, bool standsAlone);

  bool standsAlone() const { return standsAlone_; }

  // Grows and shrinks with the main window, so that it keeps covering the
  // same part of the board.
  void setScale(const Scale& scale, const QWidget* over);

  // Gives a screen reader the words on the card shown, and how to go on.
  void describe(Picture card);

  // Closes and destroys the window; nothing else closes it.
  void dismiss();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool dismissed_ = false;
  bool standsAlone_ = false;
};

}  // namespace ouroboard
