// The obstacle layouts of the seven campaign levels.
#pragma once

#include <bitset>

#include "dimensions.h"

namespace ouroboard::levels {

// One bit per board cell, set where the level has a wall.
using Layout = std::bitset<CellCount>;

// The walls of the given level; the first level and any number outside the
// campaign are empty.
Layout ObstacleLayout(int level);

}  // namespace ouroboard::levels
