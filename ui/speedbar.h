// One bar of the speed indicator.
#pragma once

#include "choicepicture.h"

namespace ouroboard {

// A screen reader finds it as "Speed 3 of 7", checked while its step is the
// speed in play.
class SpeedBar : public ChoicePicture {
  Q_OBJECT

 public:
  SpeedBar(QWidget* parent, int step, const QRect& geometry);
};

}  // namespace ouroboard
