#include "speedbar.h"

#include "picture.h"

namespace ouroboard {

SpeedBar::SpeedBar(QWidget* parent, int step, const QRect& geometry)
    : ChoicePicture(parent, QStringLiteral("SpeedPic(%1)").arg(step), geometry) {
  setAccessibleName(tr("Speed %1 of %2").arg(step + 1).arg(SpeedStepCount));
  setAccessibleDescription(tr("Click to start a new game at this speed"));
}

}  // namespace ouroboard
