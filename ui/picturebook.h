// Every picture the windows show, at every scale they are shown at.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>
#include <map>
#include <utility>

#include "picture.h"
#include "scale.h"

namespace ouroboard {

// The pictures with words or drawn lines in them, which the windows show
// besides the game's own.
enum class Decoration { Level, Score, Player1, Player2, HelpBanner, KeysPlayer1, KeysPlayer2, Ok, Count };

// A game picture's identity is its id: for one scale the book hands out
// copies of one QPixmap per id, and copies share their pixels (and their
// cacheKey). At the window's own size on a plain screen the pictures are the
// program's own resources; at any other scale they are drawn anew for the
// device pixels they cover, once per scale.
class PictureBook {
 public:
  PictureBook();

  // At the main window's scale.
  const QPixmap& pixmap(Picture id) const { return pixmap(id, scale_); }
  const QPixmap& pixmap(Picture id, const Scale& scale) const;
  const QPixmap& decoration(Decoration which) const { return decoration(which, scale_); }
  const QPixmap& decoration(Decoration which, const Scale& scale) const;

  const Scale& scale() const { return scale_; }
  // The main window's scale; the pictures of the scales no window shows go.
  void setScale(const Scale& scale);

  // The settings window's OK button at its own size. One icon for every
  // opening of the window, so that Qt renders and caches its picture once.
  const QIcon& okIcon() const { return okIcon_; }

  // A picture of the program's resources, at its own size.
  static QPixmap resource(const QString& fileName);

 private:
  struct Pages {
    std::array<QPixmap, PictureCount> pictures;
    std::array<QPixmap, static_cast<int>(Decoration::Count)> decorations;
  };
  Pages& pages(const Scale& scale) const;

  Scale scale_;
  mutable std::map<std::pair<double, double>, Pages> pages_;
  QIcon okIcon_;
};

// The resource file behind a game picture; empty for Picture::None.
QString pictureFileName(Picture id);
QString decorationFileName(Decoration which);

// A picture drawn as pixels, for a scale: whole pixels become square blocks,
// so pixel art stays crisp; between whole factors it is smoothed down from
// the next whole one.
QPixmap resampled(const QPixmap& picture, const Scale& scale);

}  // namespace ouroboard
