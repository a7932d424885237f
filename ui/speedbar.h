// One bar of the speed indicator.
#pragma once

#include "pictureview.h"

namespace ouroboard {

// A bar picture that a screen reader finds as one of a group of radio
// buttons, "Speed 3 of 7", checked while its step is the speed in play; its
// press action clicks it.
class SpeedBar : public PictureView {
  Q_OBJECT

 public:
  SpeedBar(QWidget* parent, int step, const QRect& geometry);

  bool isCurrent() const { return current_; }
  // Marks the bar of the speed in play; a change reaches a screen reader.
  void setCurrent(bool current);

 private:
  bool current_ = false;
};

}  // namespace ouroboard
