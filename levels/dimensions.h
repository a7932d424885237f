// The board's size and the campaign's levels: the facts that the layouts and
// the game both build on.
#pragma once

namespace ouroboard {

inline constexpr int BoardSide = 30;
inline constexpr int CellCount = BoardSide * BoardSide;

}  // namespace ouroboard

namespace ouroboard::levels {

inline constexpr int FirstLevel = 1;
inline constexpr int LastLevel = 7;

}  // namespace ouroboard::levels
