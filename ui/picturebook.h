// Every picture the windows show, at every scale they are shown at.
#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <array>
#include <iterator>
#include <map>
#include <optional>
#include <utility>

#include "lettering.h"
#include "picture.h"
#include "scale.h"

namespace ouroboard {

// The pictures with words or drawn lines in them, which the windows show
// besides the game's own (the end-screen cards are game pictures).
using Decoration = art::Lettered;

// A game picture's identity is its id: for one scale the book hands out
// copies of one QPixmap per id, and copies share their pixels (and their
// cacheKey). At the window's own size on a plain screen the pictures are the
// program's own resources. At any other scale the pixel-art pictures are
// resampled from them, and the lettered ones are painted anew for the device
// pixels they cover; the lettered ones are painted at every scale where the
// game speaks another language than English or player 2's keys are labelled
// otherwise. Each is made once per scale, on first use.
class PictureBook {
  Q_DECLARE_TR_FUNCTIONS(PictureBook)

 public:
  // The words come from the translations installed now.
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
    std::array<QPixmap, std::size(art::AllLettered)> decorations;
  };
  Pages& pages(const Scale& scale) const;
  QPixmap lettered(art::Lettered which, const Scale& scale) const;
  // Player 2's keys are read from the keyboard the first time a picture
  // needs them: Help's key picture, long after start-up.
  const art::Words& words(art::Lettered which) const;

  Scale scale_;
  mutable art::Words words_;
  mutable bool keysRead_ = false;
  mutable std::map<std::pair<double, double>, Pages> pages_;
  QIcon okIcon_;
};

// The resource file behind a game picture; empty for Picture::None.
QString pictureFileName(Picture id);

// A picture drawn as pixels, for a scale: whole pixels become square blocks,
// so pixel art stays crisp; between whole factors it is smoothed down from
// the next whole one.
QPixmap resampled(const QPixmap& picture, const Scale& scale);

}  // namespace ouroboard
