#include "picturebook.h"

#include <QImage>
#include <cmath>

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

bool ownSize(const Scale& scale) { return scale.device() == 1 && scale.ratio == 1; }

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

QString decorationFileName(Decoration which) {
  static const char* const files[] = {"heading_level.png",  "heading_score.png", "heading_player1.png",
                                      "heading_player2.png", "help_banner.png",   "keys_player1.png",
                                      "keys_player2.png",    "ok.png"};
  return QLatin1String(files[static_cast<int>(which)]);
}

QPixmap resampled(const QPixmap& picture, const Scale& scale) {
  QImage image = picture.toImage();
  const QSize target(static_cast<int>(std::lround(image.width() * scale.device())),
                     static_cast<int>(std::lround(image.height() * scale.device())));
  const int whole = static_cast<int>(std::ceil(scale.device() - 1e-6));
  if (whole > 1) image = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (image.size() != target) image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap result = QPixmap::fromImage(image);
  result.setDevicePixelRatio(scale.ratio);
  return result;
}

PictureBook::PictureBook() : okIcon_(resource(QStringLiteral("ok.png"))) {}

void PictureBook::setScale(const Scale& scale) {
  scale_ = scale;
  std::erase_if(pages_, [&](const auto& entry) {
    return entry.first != std::pair{scale.factor, scale.ratio} && entry.first != std::pair{1.0, 1.0};
  });
}

PictureBook::Pages& PictureBook::pages(const Scale& scale) const { return pages_[{scale.factor, scale.ratio}]; }

// Drawn on first use, so that start-up draws only what the first screen
// shows; the end-screen cards wait for the end of a game.
const QPixmap& PictureBook::pixmap(Picture id, const Scale& scale) const {
  QPixmap& picture = pages(scale).pictures[static_cast<int>(id)];
  if (!picture.isNull() || id == Picture::None) return picture;
  picture = ownSize(scale) ? resource(pictureFileName(id)) : resampled(pixmap(id, Scale{}), scale);
  return picture;
}

const QPixmap& PictureBook::decoration(Decoration which, const Scale& scale) const {
  QPixmap& picture = pages(scale).decorations[static_cast<int>(which)];
  if (!picture.isNull()) return picture;
  picture = ownSize(scale) ? resource(decorationFileName(which)) : resampled(decoration(which, Scale{}), scale);
  return picture;
}

QPixmap PictureBook::resource(const QString& fileName) {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/") + fileName);
}

}  // namespace ouroboard
