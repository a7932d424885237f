// The obstacle layouts of the seven campaign levels.
#pragma once

#include <bitset>

namespace ouroboard::levels {

inline constexpr int FirstLevel = 1;
inline constexpr int LastLevel = 7;

// One bit per board cell, set where the level has a wall.
using Layout = std::bitset<900>;

// The walls of the given level; level 1 and any number outside 2..7 are empty.
Layout ObstacleLayout(int level);

}  // namespace ouroboard::levels
