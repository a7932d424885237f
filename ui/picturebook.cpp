#include "picturebook.h"

// The pictures live in a static library; registering them here makes every
// program that uses the windows link them in.
static void registerPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace ouroboard {
namespace {

QString numbered(const char* stem, Picture id, Picture first) {
  const int index = static_cast<int>(id) - static_cast<int>(first);
  return QStringLiteral("%1%2.png").arg(QLatin1String(stem)).arg(index);
}

}  // namespace

QString pictureFileName(Picture id) {
  switch (id) {
    case Picture::None:
      return {};
    case Picture::Empty:
      return QStringLiteral("empty.png");
    case Picture::LevelProceed:
      return QStringLiteral("level_proceed.png");
    case Picture::CampaignOver:
      return QStringLiteral("campaign_over.png");
    case Picture::ClassicOver:
      return QStringLiteral("classic_over.png");
    case Picture::GameOver:
      return QStringLiteral("game_over.png");
    default:
      break;
  }
  if (id <= Picture::Snake4) return numbered("snake", id, Picture::Snake0);
  if (id <= Picture::Obstacle6) return numbered("obstacle", id, Picture::Obstacle0);
  if (id <= Picture::Food4) return numbered("food", id, Picture::Food0);
  if (id <= Picture::SpeedLit6) return numbered("speed_lit", id, Picture::SpeedLit0);
  return numbered("speed_unlit", id, Picture::SpeedUnlit0);
}

PictureBook::PictureBook() : okIcon_(decoration(QStringLiteral("ok.png"))) {}

// Loaded on first use, so that start-up decodes only what the first screen
// shows; the end-screen cards wait for the end of a game.
const QPixmap& PictureBook::pixmap(Picture id) const {
  QPixmap& picture = pixmaps_[static_cast<int>(id)];
  if (picture.isNull() && id != Picture::None) picture = decoration(pictureFileName(id));
  return picture;
}

QPixmap PictureBook::decoration(const QString& fileName) {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/") + fileName);
}

}  // namespace ouroboard
