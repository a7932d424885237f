// Basic value types of the game state.
//
// Every stored value has one small, fixed width on purpose: cell indices,
// headings and counters are signed 16-bit, which holds every cell and every
// count a game reaches, and flags are 16-bit with true = -1 (all bits set)
// and false = 0, so a flag compares the same wherever it is kept or tested.
#pragma once

#include <array>
#include <cstdint>

#include "dimensions.h"

namespace ouroboard {

using Int16 = std::int16_t;

using Bool16 = std::int16_t;
inline constexpr Bool16 True = -1;
inline constexpr Bool16 False = 0;

// A board position, row * 30 + column, row 0 at the top.
using Cell = std::int16_t;

// Heading codes of a snake segment; Unused marks a slot beyond the head.
namespace Heading {
inline constexpr Int16 Right = 1;
inline constexpr Int16 Left = 2;
inline constexpr Int16 Up = 3;
inline constexpr Int16 Down = 4;
inline constexpr Int16 Unused = -1;
}  // namespace Heading

// Virtual key codes of the steering keys.
namespace Key {
inline constexpr Int16 LeftArrow = 37;
inline constexpr Int16 UpArrow = 38;
inline constexpr Int16 RightArrow = 39;
inline constexpr Int16 DownArrow = 40;
inline constexpr Int16 A = 65;
inline constexpr Int16 D = 68;
inline constexpr Int16 S = 83;
inline constexpr Int16 W = 87;
}  // namespace Key

// One slot per possible segment of a snake, indexed 0 (tail) .. Len (head).
using SlotArray = std::array<Int16, CellCount>;
// One flag per board cell.
using CellFlags = std::array<Bool16, CellCount>;

}  // namespace ouroboard
