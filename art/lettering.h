// The game's pictures that carry words or fine drawn lines: the side-panel
// headings, Help's banner and key pictures, the OK button and the four cards
// shown at the end of a level or a game. Each is painted for a scale (device
// pixels per unit of its own size) and with the words it is given, so that it
// is sharp on every screen and reads in the player's language.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace art {

enum class Lettered {
  Level,
  Score,
  Player1,
  Player2,
  HelpBanner,
  KeysPlayer1,
  KeysPlayer2,
  Ok,
  LevelProceed,
  CampaignOver,
  ClassicOver,
  GameOver,
};
inline constexpr Lettered AllLettered[] = {
    Lettered::Level,       Lettered::Score,       Lettered::Player1,      Lettered::Player2,
    Lettered::HelpBanner,  Lettered::KeysPlayer1, Lettered::KeysPlayer2,  Lettered::Ok,
    Lettered::LevelProceed, Lettered::CampaignOver, Lettered::ClassicOver, Lettered::GameOver,
};

// The words of the pictures. The defaults are the English pictures' own.
struct Words {
  QString level = QStringLiteral("LEVEL");
  QString score = QStringLiteral("SCORE");
  QString player1 = QStringLiteral("Player 1");
  QString player2 = QStringLiteral("Player 2");
  QString bannerThe = QStringLiteral("the");
  QString bannerCredit = QStringLiteral("by the Ouroboard team");
  // Player 2's keys for up, left, down and right, as the keyboard labels them.
  QStringList playerTwoKeys = {QStringLiteral("W"), QStringLiteral("A"), QStringLiteral("S"),
                               QStringLiteral("D")};
  QString levelCompleted = QStringLiteral("LEVEL COMPLETED");
  QString proceed = QStringLiteral("Proceed To The Next Level");
  QString bravo = QStringLiteral("BRAVO!");
  QString conqueredEveryLevel = QStringLiteral("You have conquered every level");
  QString wonTheCampaign = QStringLiteral("and won the whole campaign!");
  QString congrats = QStringLiteral("CONGRATS");
  QString wellDone = QStringLiteral("Well Done");
  QString youHaveCompleted = QStringLiteral("You Have Completed");
  QString theClassicMode = QStringLiteral("The Classic Mode.");
  QString tryTheCampaign = QStringLiteral("Try the Campaign Mode");
  QString pity = QStringLiteral("Oh! I feel pity");
  QString gameOver = QStringLiteral("GAME OVER");
  QString tryAgain = QStringLiteral("Try Again");
  QString nextChance = QStringLiteral("there's always a next chance.");

  bool operator==(const Words&) const = default;
};

// The file the English picture at its own size is kept in, among the
// game's resources.
QString fileName(Lettered which);
// Names one painting: the picture, the words it shows and the scale. Equal
// fingerprints paint equal pictures as long as the painting is unchanged.
QByteArray fingerprint(Lettered which, const Words& words, double scale);
// The picture's size in its own units.
QSize unitSize(Lettered which);
// unitSize() times scale, rounded: the picture's size in device pixels.
QSize pixelSize(Lettered which, double scale);
// Painted at scale device pixels per unit, pixelSize() large.
QImage paint(Lettered which, const Words& words, double scale);

}  // namespace art
