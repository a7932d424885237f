// A picture that is one choice of a group: a speed bar, a snake or obstacle
// picture in Settings.
#pragma once

#include "pictureview.h"

namespace ouroboard {

// A screen reader finds it as a radio button, checked while it is the choice
// in force; its press action clicks it.
class ChoicePicture : public PictureView {
  Q_OBJECT

 public:
  using PictureView::PictureView;

  bool isChecked() const { return checked_; }
  // A change reaches a screen reader.
  void setChecked(bool checked);

 private:
  bool checked_ = false;
};

// Gives the game's windows and choice pictures the roles a screen reader
// expects of them; once is enough, further calls do nothing.
void installAccessibleRoles();

}  // namespace ouroboard
