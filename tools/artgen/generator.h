// The pictures artgen writes besides the lettered ones: the pixel-art board
// pictures, the frame and the program icon.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Picture {
  QString name;  // file name inside assets/
  QImage image;
  QString family;  // the contact sheet starts a new row for each family
};
using Pictures = std::vector<Picture>;

void tiles(Pictures& out);
QImage icon(int size);

}  // namespace art
