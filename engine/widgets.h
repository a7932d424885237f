// Everything the game decides about its windows, as plain state.
//
// The engine writes these fields; the Qt windows read them after every event
// and show them. Tests read them to see what a player would see.
#pragma once

#include <array>
#include <string>

#include "picture.h"
#include "types.h"

namespace ouroboard {

struct GameClock {
  Int16 Interval = 250;  // milliseconds between ticks
  bool Enabled = true;   // running means playing
};

struct EndScreenView {
  bool Shown = false;
  Picture Background = Picture::None;  // black until the caller sets it
  unsigned ShowCount = 0;              // raised on every show, so the window comes to the front
};

struct Widgets {
  // The board: what each of the 900 cells shows.
  std::array<Picture, CellCount> TableBlock{};

  // Hidden picture holders the game paints from.
  Picture BBlock = Picture::Empty;
  Picture SBlock = Picture::Snake4;
  Picture IM2P = Picture::Snake1;
  Picture Obs = Picture::Obstacle2;
  Picture FBlock = Picture::Food4;
  std::array<Picture, FoodPictureCount> FPIC = {Picture::Food0, Picture::Food1, Picture::Food2,
                                                Picture::Food3, Picture::Food4};

  // The speed indicator and its lit and unlit pictures.
  std::array<Picture, SpeedStepCount> SpeedPic{};
  std::array<Picture, SpeedStepCount> SpeedUp = MakeSteps(Picture::SpeedLit0);
  std::array<Picture, SpeedStepCount> SpeedDown = MakeSteps(Picture::SpeedUnlit0);

  // Score panel.
  std::string Label1 = "00000000";
  std::string Label2 = "00000000";
  bool Image4Visible = false;
  bool Label2Visible = false;

  GameClock Timer1;

  // Check marks of the menu items "1 Player", "2 Player", "Classic", "Campaign".
  bool p1Checked = false;
  bool p2Checked = false;
  bool classicChecked = false;
  bool cpnChecked = false;

  bool MainWindowVisible = true;
  EndScreenView EndScreen;

  // The pause item always names what choosing it will do.
  std::string PRCaption() const { return Timer1.Enabled ? "PAUSE" : "RESUME"; }

 private:
  static std::array<Picture, SpeedStepCount> MakeSteps(Picture first) {
    std::array<Picture, SpeedStepCount> steps{};
    for (int i = 0; i < SpeedStepCount; ++i) steps[i] = detail::Offset(first, i);
    return steps;
  }
};

}  // namespace ouroboard
