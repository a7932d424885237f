// Every picture the windows show, loaded once from the program's resources.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>

#include "picture.h"

namespace ouroboard {

// A game picture's identity is its id: the book hands out copies of one
// QPixmap per id, and copies share their pixels (and their cacheKey).
class PictureBook {
 public:
  PictureBook();

  const QPixmap& pixmap(Picture id) const;

  // The settings window's OK button. One icon for every opening of the
  // window, so that Qt renders and caches its picture once.
  const QIcon& okIcon() const { return okIcon_; }

  // Pictures that only the windows use: the frame, headings, banner, ...
  static QPixmap decoration(const QString& fileName);

 private:
  mutable std::array<QPixmap, PictureCount> pixmaps_;
  QIcon okIcon_;
};

// The resource file behind a game picture; empty for Picture::None.
QString pictureFileName(Picture id);

}  // namespace ouroboard
