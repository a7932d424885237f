#include "lettering.h"

#include <QCryptographicHash>
#include <cmath>
#include <iterator>

#include "art.h"

namespace art {

QString fileName(Lettered which) {
  static const char* const names[] = {
      "heading_level.png", "heading_score.png", "heading_player1.png", "heading_player2.png",
      "help_banner.png",   "keys_player1.png",  "keys_player2.png",    "ok.png",
      "level_proceed.png", "campaign_over.png", "classic_over.png",    "game_over.png"};
  static_assert(std::size(names) == std::size(AllLettered));
  return QLatin1String(names[static_cast<int>(which)]);
}

QByteArray fingerprint(Lettered which, const Words& w, double scale) {
  QCryptographicHash hash(QCryptographicHash::Sha1);
  hash.addData(fileName(which).toUtf8());
  hash.addData(QByteArray::number(scale, 'g', 17));
  const QStringList words = {w.level,          w.score,           w.player1,
                             w.player2,        w.bannerThe,       w.bannerCredit,
                             w.levelCompleted, w.proceed,         w.bravo,
                             w.conqueredEveryLevel, w.wonTheCampaign, w.congrats,
                             w.wellDone,       w.youHaveCompleted, w.theClassicMode,
                             w.tryTheCampaign, w.pity,            w.gameOver,
                             w.tryAgain,       w.nextChance};
  for (const QString& word : words + w.playerTwoKeys) hash.addData(word.toUtf8().append('\0'));
  return hash.result().toHex();
}

QSize unitSize(Lettered which) {
  switch (which) {
    case Lettered::Level:
      return {127, 74};
    case Lettered::Score:
    case Lettered::Player1:
    case Lettered::Player2:
      return {142, 62};
    case Lettered::HelpBanner:
      return {311, 96};
    case Lettered::KeysPlayer1:
      return {124, 108};
    case Lettered::KeysPlayer2:
      return {125, 108};
    case Lettered::Ok:
      return {32, 32};
    default:
      return {350, 200};
  }
}

QSize pixelSize(Lettered which, double scale) {
  const QSize units = unitSize(which);
  return {int(std::lround(units.width() * scale)), int(std::lround(units.height() * scale))};
}

QImage paint(Lettered which, const Words& words, double scale) {
  Words checked = words;
  if (checked.playerTwoKeys.size() != 4) checked.playerTwoKeys = Words{}.playerTwoKeys;
  QImage image = which >= Lettered::LevelProceed ? card(which, checked, scale) : heading(which, checked, scale);
  Q_ASSERT(image.size() == pixelSize(which, scale));
  return image;
}

}  // namespace art
