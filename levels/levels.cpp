#include "levels.h"

#include <initializer_list>

namespace ouroboard::levels {
namespace {

// Builds a layout from straight runs of cells.
class Walls {
 public:
  // Marks cell i + d for i = first, first + step, ..., last and every offset d.
  Walls& Run(int first, int step, int last, std::initializer_list<int> offsets) {
    for (int i = first; i <= last; i += step)
      for (const int d : offsets) cells_.set(static_cast<std::size_t>(i + d));
    return *this;
  }

  // Rows 0 and 29, columns 0 and 29.
  Walls& Border() { return Run(0, 1, 29, {0, 870}).Run(0, 30, 870, {0, 29}); }

  Layout Cells() const { return cells_; }

 private:
  Layout cells_;
};

}  // namespace

Layout ObstacleLayout(int level) {
  Walls walls;
  switch (level) {
    case 2:  // a frame around the board
      walls.Border();
      break;
    case 3:  // double walls across rows 4-5 and 24-25
      walls.Border().Run(124, 1, 145, {0, 30, 630, 600});
      break;
    case 4:  // a box open at the top middle
      walls.Border().Run(124, 1, 129, {0, 16}).Run(124, 30, 754, {0, 21}).Run(754, 1, 775, {0});
      break;
    case 5:  // two columns hanging from the top, a double column rising from the bottom
      walls.Border().Run(7, 30, 427, {0, 15}).Run(464, 30, 884, {0, 1});
      break;
    case 6:  // two interlocking hooks
      walls.Border()
          .Run(270, 1, 285, {0})
          .Run(732, 1, 749, {0})
          .Run(285, 30, 675, {0})
          .Run(462, 30, 732, {0});
      break;
    case 7:  // six pillars and two bars
      walls.Run(93, 30, 783, {2, 4, 19, 21, 23, 0}).Run(219, 1, 230, {0, 480}).Border();
      break;
    default:
      break;
  }
  return walls.Cells();
}

}  // namespace ouroboard::levels
