#include "speedbar.h"

#include "picture.h"

namespace ouroboard {

SpeedBar::SpeedBar(QWidget* parent, int step, const QRect& geometry)
    : ChoicePicture(parent, QStringLiteral("SpeedPic(%1)").arg(step), geometry) {
  //: Spoken name of a bar of the speed indicator. %1: its place from the slowest, 1 to 7;
  //: %2: the number of bars, 7.
  setAccessibleName(tr("Speed %1 of %2").arg(step + 1).arg(SpeedStepCount));
  setAccessibleDescription(tr("Click to start a new game at this speed"));
}

}  // namespace ouroboard
