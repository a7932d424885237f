// The pictures the windows show, named by identity.
//
// A Picture value stands for one shared, immutable picture object. Copying it
// from a holder onto a board cell copies the reference, never pixels, so a
// cell painted before a holder is given another picture keeps the old one.
#pragma once

#include <cstdint>

namespace ouroboard {

// clang-format off
enum class Picture : std::uint8_t {
  None,  // a picture widget that has not been given a picture yet
  Empty,
  Snake0, Snake1, Snake2, Snake3, Snake4,
  Obstacle0, Obstacle1, Obstacle2, Obstacle3, Obstacle4, Obstacle5, Obstacle6,
  Food0, Food1, Food2, Food3, Food4,
  SpeedLit0, SpeedLit1, SpeedLit2, SpeedLit3, SpeedLit4, SpeedLit5, SpeedLit6,
  SpeedUnlit0, SpeedUnlit1, SpeedUnlit2, SpeedUnlit3, SpeedUnlit4, SpeedUnlit5, SpeedUnlit6,
  LevelProceed, CampaignOver, ClassicOver, GameOver,
};
// clang-format on

inline constexpr int SnakePictureCount = 5;
inline constexpr int ObstaclePictureCount = 7;
inline constexpr int FoodPictureCount = 5;
inline constexpr int SpeedStepCount = 7;
inline constexpr int PictureCount = static_cast<int>(Picture::GameOver) + 1;

namespace detail {
constexpr Picture Offset(Picture first, int index) {
  return static_cast<Picture>(static_cast<int>(first) + index);
}
}  // namespace detail

constexpr Picture SnakePicture(int index) { return detail::Offset(Picture::Snake0, index); }
constexpr Picture ObstaclePicture(int index) { return detail::Offset(Picture::Obstacle0, index); }
constexpr Picture FoodPicture(int index) { return detail::Offset(Picture::Food0, index); }
constexpr Picture SpeedLitPicture(int step) { return detail::Offset(Picture::SpeedLit0, step); }
constexpr Picture SpeedUnlitPicture(int step) { return detail::Offset(Picture::SpeedUnlit0, step); }

}  // namespace ouroboard
