#include "picturebook.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>

#include "input/keymap.h"

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

std::optional<art::Lettered> letteredCard(Picture id) {
  switch (id) {
    case Picture::LevelProceed:
      return art::Lettered::LevelProceed;
    case Picture::CampaignOver:
      return art::Lettered::CampaignOver;
    case Picture::ClassicOver:
      return art::Lettered::ClassicOver;
    case Picture::GameOver:
      return art::Lettered::GameOver;
    default:
      return std::nullopt;
  }
}

// Where a painting at the window's own size is kept: named by the picture,
// its words and scale, and the English picture's bytes, which change
// whenever the painting does.
QString cachedPainting(art::Lettered which, const art::Words& words, double scale) {
  QFile english(QStringLiteral(":/pictures/") + art::fileName(which));
  const QByteArray painting = english.open(QIODevice::ReadOnly) ? english.readAll() : QByteArray();
  return QStringLiteral("%1/pictures/%2-%3.png")
      .arg(QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
           QString::fromLatin1(art::fingerprint(which, words, scale)),
           QString::fromLatin1(QCryptographicHash::hash(painting, QCryptographicHash::Sha1).toHex().left(12)));
}

}  // namespace

QString pictureFileName(Picture id) {
  if (id == Picture::None) return {};
  if (id == Picture::Empty) return QStringLiteral("empty.png");
  if (const auto card = letteredCard(id)) return art::fileName(*card);
  if (id <= Picture::Snake4) return numbered("snake", id, Picture::Snake0);
  if (id <= Picture::Obstacle6) return numbered("obstacle", id, Picture::Obstacle0);
  if (id <= Picture::Food4) return numbered("food", id, Picture::Food0);
  if (id <= Picture::SpeedLit6) return numbered("speed_lit", id, Picture::SpeedLit0);
  return numbered("speed_unlit", id, Picture::SpeedUnlit0);
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

PictureBook::PictureBook() : okIcon_(resource(art::fileName(Decoration::Ok))) {
  // The words as the pictures show them, in capitals where the English ones
  // are: each says where it is painted, so that translators can set it so.
  //: Painted in capitals above the speed indicator, on a picture of vines; keep it short.
  words_.level = tr("LEVEL");
  //: Painted in capitals above the scores, on a picture of vines; keep it short.
  words_.score = tr("SCORE");
  //: Painted above player 1's score and keys, in large italic letters.
  words_.player1 = tr("Player 1");
  //: Painted above player 2's score and keys, in large italic letters.
  words_.player2 = tr("Player 2");
  //: Painted in red script before the game's name on Help's banner ("the OUROBOARD").
  words_.bannerThe = tr("the");
  //: Painted in small italics under the game's name on Help's banner.
  words_.bannerCredit = tr("by the Ouroboard team");
  //: Painted in capitals at the top of the picture shown when a campaign level is passed.
  words_.levelCompleted = tr("LEVEL COMPLETED");
  //: Painted in gold blackletter at the bottom of the picture shown when a campaign level is passed.
  words_.proceed = tr("Proceed To The Next Level");
  //: Painted large and tilted at the top of the picture shown when the whole campaign is won.
  words_.bravo = tr("BRAVO!");
  //: First of two lines in the middle of the picture shown when the whole campaign is won.
  words_.conqueredEveryLevel = tr("You have conquered every level");
  //: Second of two lines in the middle of the picture shown when the whole campaign is won.
  words_.wonTheCampaign = tr("and won the whole campaign!");
  //: Painted in rainbow capitals at the bottom of the picture shown when the whole campaign is won.
  words_.congrats = tr("CONGRATS");
  //: Painted large at the top of the picture shown when the classic mode is won.
  words_.wellDone = tr("Well Done");
  //: First of two lines in the middle of the picture shown when the classic mode is won.
  words_.youHaveCompleted = tr("You Have Completed");
  //: Second of two lines in the middle of the picture shown when the classic mode is won.
  words_.theClassicMode = tr("The Classic Mode.");
  //: Painted at the bottom of the picture shown when the classic mode is won.
  words_.tryTheCampaign = tr("Try the Campaign Mode");
  //: Painted in red script at the top of the game-over picture.
  words_.pity = tr("Oh! I feel pity");
  //: Painted in large capitals, in perspective, in the middle of the game-over picture.
  words_.gameOver = tr("GAME OVER");
  //: Painted in green under "GAME OVER" on the game-over picture.
  words_.tryAgain = tr("Try Again");
  //: Painted at the bottom of the game-over picture, after "Try Again".
  words_.nextChance = tr("there's always a next chance.");
}

const art::Words& PictureBook::words(art::Lettered which) const {
  if (which == Decoration::KeysPlayer2 && !keysRead_) {
    words_.playerTwoKeys = playerTwoKeyNames();
    keysRead_ = true;
  }
  return words_;
}

// Painting takes milliseconds, a large card a fifth of a second; reading a
// picture back a fraction of one. So that the game starts as fast in every
// language and a card comes up at once, the pictures of the window's own
// size and the cards of every size are kept in the user's cache. The
// headings of the sizes a window passes through while it is resized are
// painted and not kept.
QPixmap PictureBook::lettered(art::Lettered which, const Scale& scale) const {
  const art::Words& shown = words(which);
  if (ownSize(scale) && shown == art::Words{}) return resource(art::fileName(which));
  const bool kept = scale.factor == 1 || which >= art::Lettered::LevelProceed;
  const QString cached = kept ? cachedPainting(which, shown, scale.device()) : QString();
  QImage image(cached);
  if (image.size() != art::pixelSize(which, scale.device())) {
    image = art::paint(which, shown, scale.device());
    QSaveFile file(cached);  // whole or not at all, should two games start at once
    if (!cached.isEmpty() && QDir().mkpath(QFileInfo(cached).absolutePath()) && file.open(QIODevice::WriteOnly) &&
        image.save(&file, "PNG"))
      file.commit();
  }
  QPixmap picture = QPixmap::fromImage(image);
  picture.setDevicePixelRatio(scale.ratio);
  return picture;
}

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
  if (const auto card = letteredCard(id))
    picture = lettered(*card, scale);
  else
    picture = ownSize(scale) ? resource(pictureFileName(id)) : resampled(pixmap(id, Scale{}), scale);
  return picture;
}

const QPixmap& PictureBook::decoration(Decoration which, const Scale& scale) const {
  QPixmap& picture = pages(scale).decorations[static_cast<int>(which)];
  if (!picture.isNull()) return picture;
  picture = lettered(which, scale);
  return picture;
}

QPixmap PictureBook::resource(const QString& fileName) {
  registerPictures();
  return QPixmap(QStringLiteral(":/pictures/") + fileName);
}

}  // namespace ouroboard
