// The pictures compiled into the game: every one is there at the size the
// windows lay out for, the frame's bands are opaque, the icon has a
// transparent background, the end-screen cards are opaque, and the colours
// the settings window offers are the ones it names.
#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "art.h"
#include "lettering.h"

// Q_INIT_RESOURCE may not be used inside a namespace.
static void initPictures() { Q_INIT_RESOURCE(pictures); }

namespace {

QImage load(const QString& name) {
  static const bool ready = (initPictures(), true);
  (void)ready;
  return QImage(QStringLiteral(":/pictures/") + name);
}

struct Expected {
  QString name;
  int width;
  int height;
};

std::vector<Expected> allPictures() {
  std::vector<Expected> pictures = {
      {"empty.png", 16, 16},
      {"food4.png", 18, 18},
      // The frame: 16 px wide on the left and top, 15 px on the right and bottom.
      {"frame_top.png", 512, 16},
      {"frame_left.png", 16, 481},
      {"frame_right.png", 15, 481},
      {"frame_bottom.png", 512, 15},
      {"heading_level.png", 127, 74},
      {"heading_score.png", 142, 62},
      {"heading_player1.png", 142, 62},
      {"heading_player2.png", 142, 62},
      {"ok.png", 32, 32},
      {"level_proceed.png", 350, 200},
      {"campaign_over.png", 350, 200},
      {"classic_over.png", 350, 200},
      {"game_over.png", 350, 200},
      {"help_banner.png", 311, 96},
      {"keys_player1.png", 124, 108},
      {"keys_player2.png", 125, 108},
      {"icon.png", 32, 32},
  };
  for (int i = 0; i < 5; ++i) pictures.push_back({QStringLiteral("snake%1.png").arg(i), 16, 16});
  for (int i = 0; i < 7; ++i) pictures.push_back({QStringLiteral("obstacle%1.png").arg(i), 16, 16});
  for (int i = 0; i < 4; ++i) pictures.push_back({QStringLiteral("food%1.png").arg(i), 16, 16});
  for (int i = 0; i < 7; ++i) {
    pictures.push_back({QStringLiteral("speed_lit%1.png").arg(i), 16, 32 + 16 * i});
    pictures.push_back({QStringLiteral("speed_unlit%1.png").arg(i), 16, 32 + 16 * i});
  }
  return pictures;
}

TEST(Pictures, EveryPictureLoadsAtItsSize) {
  for (const Expected& expected : allPictures()) {
    const QImage picture = load(expected.name);
    ASSERT_FALSE(picture.isNull()) << expected.name.toStdString() << " is missing";
    EXPECT_EQ(picture.size(), QSize(expected.width, expected.height)) << expected.name.toStdString();
  }
}

// The window paints them without anything beneath.
TEST(Pictures, FrameBandsAreOpaque) {
  for (const char* band : {"top", "left", "right", "bottom"})
    EXPECT_FALSE(load(QStringLiteral("frame_%1.png").arg(QLatin1String(band))).hasAlphaChannel()) << band;
}

TEST(Pictures, IconHasTransparentCorners) {
  const QImage icon = load("icon.png");
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
    EXPECT_EQ(icon.pixelColor(x, y).alpha(), 0) << "corner " << x << "," << y;
  EXPECT_EQ(icon.pixelColor(16, 16).alpha(), 255);
}

TEST(Pictures, EndScreenCardsHaveNoAlphaChannel) {
  for (const char* card : {"level_proceed.png", "campaign_over.png", "classic_over.png", "game_over.png"})
    EXPECT_FALSE(load(card).hasAlphaChannel()) << card;
}

// The obstacle choices by index: green, blue, red, yellow, magenta, cyan, orange.
TEST(Pictures, ObstacleFacesHaveTheirColours) {
  const int hues[] = {120, 225, 0, 55, 300, 185, 30};
  for (int i = 0; i < 7; ++i) {
    const int hue = load(QStringLiteral("obstacle%1.png").arg(i)).pixelColor(8, 8).hsvHue();
    const int off = std::abs(hue - hues[i]);
    EXPECT_LE(std::min(off, 360 - off), 25) << "obstacle" << i << " hue " << hue;
  }
}

TEST(Pictures, LitSpeedStepsAreGreenAndUnlitOnesGrey) {
  for (int i = 0; i < 7; ++i) {
    const QColor lit = load(QStringLiteral("speed_lit%1.png").arg(i)).pixelColor(8, 16);
    const QColor unlit = load(QStringLiteral("speed_unlit%1.png").arg(i)).pixelColor(8, 16);
    EXPECT_GT(lit.green(), lit.red() + 60) << "step " << i;
    EXPECT_EQ(unlit.hsvSaturation(), 0) << "step " << i;
  }
}

// The game paints its lettered pictures itself wherever the resources do
// not serve: the resources must be that painting, in English at their size.
TEST(Lettering, EnglishAtOwnSizeIsTheResource) {
  for (const art::Lettered which : art::AllLettered) {
    const QImage painted = art::paint(which, {}, 1).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(painted == load(art::fileName(which)).convertToFormat(QImage::Format_RGB32))
        << art::fileName(which).toStdString() << ": rerun tools/artgen";
  }
}

// Twice the scale is painted afresh: many 2 x 2 blocks hold more than one
// colour, where an enlarged picture would repeat each pixel.
TEST(Lettering, TwiceTheScaleCarriesTwiceTheDetail) {
  for (const art::Lettered which : {art::Lettered::Level, art::Lettered::KeysPlayer2, art::Lettered::GameOver}) {
    const QImage twice = art::paint(which, {}, 2);
    ASSERT_EQ(twice.size(), art::unitSize(which) * 2);
    int blocks = 0, detailed = 0;
    for (int y = 0; y < twice.height(); y += 2)
      for (int x = 0; x < twice.width(); x += 2, ++blocks) {
        const QRgb first = twice.pixel(x, y);
        detailed += twice.pixel(x + 1, y) != first || twice.pixel(x, y + 1) != first ||
                    twice.pixel(x + 1, y + 1) != first;
      }
    EXPECT_GT(detailed, blocks / 10) << art::fileName(which).toStdString();
  }
}

// A word longer than its place is condensed, then set smaller; a line may
// widen into the room it is given, never beyond.
TEST(Lettering, LongWordsStayInsideTheirPlace) {
  const QFont face = art::font("DejaVu Serif", 40, QFont::Bold);
  const QRectF box(8, 21, 111, 32);
  for (const char* word : {"LEVEL", "TEMPO", "GESCHWINDIGKEITSSTUFE", "Ц"}) {
    const QPainterPath text = art::textPath(QString::fromUtf8(word), face);
    for (const bool stretch : {false, true}) {
      const QRectF set = art::fitted(text, box, stretch).boundingRect();
      EXPECT_TRUE(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(set)) << word << " stretch " << stretch;
    }
    const QRectF room = art::roomFor(text.boundingRect(), box, 200);
    EXPECT_LE(room.width(), 200) << word;
    EXPECT_DOUBLE_EQ(room.center().x(), box.center().x()) << word;
  }
}

}  // namespace

// Painting words needs the fonts, which need an application; no screen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
