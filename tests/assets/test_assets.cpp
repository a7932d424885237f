// Checks the pictures compiled into the game: every file is there with the
// size the game lays out for, the frame lets the board show through, the icon
// has a transparent background and the cards carry no alpha channel.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void initPictures() { Q_INIT_RESOURCE(pictures); }

namespace {

QImage load(const QString& name) {
  static const bool ready = [] {
    initPictures();
    return true;
  }();
  (void)ready;
  return QImage(":/pictures/" + name);
}

struct Expected {
  const char* name;
  int width;
  int height;
};

const Expected kPictures[] = {
    {"empty.png", 16, 16},
    {"snake0.png", 16, 16},
    {"snake1.png", 16, 16},
    {"snake2.png", 16, 16},
    {"snake3.png", 16, 16},
    {"snake4.png", 16, 16},
    {"obstacle0.png", 16, 16},
    {"obstacle1.png", 16, 16},
    {"obstacle2.png", 16, 16},
    {"obstacle3.png", 16, 16},
    {"obstacle4.png", 16, 16},
    {"obstacle5.png", 16, 16},
    {"obstacle6.png", 16, 16},
    {"food0.png", 16, 16},
    {"food1.png", 16, 16},
    {"food2.png", 16, 16},
    {"food3.png", 16, 16},
    {"food4.png", 18, 18},
    {"speed_lit0.png", 16, 32},
    {"speed_lit1.png", 16, 48},
    {"speed_lit2.png", 16, 64},
    {"speed_lit3.png", 16, 80},
    {"speed_lit4.png", 16, 96},
    {"speed_lit5.png", 16, 112},
    {"speed_lit6.png", 16, 128},
    {"speed_unlit0.png", 16, 32},
    {"speed_unlit1.png", 16, 48},
    {"speed_unlit2.png", 16, 64},
    {"speed_unlit3.png", 16, 80},
    {"speed_unlit4.png", 16, 96},
    {"speed_unlit5.png", 16, 112},
    {"speed_unlit6.png", 16, 128},
    {"frame.png", 512, 512},
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

void PrintTo(const Expected& e, std::ostream* os) { *os << e.name << " " << e.width << "x" << e.height; }

std::string testName(const Expected& e) {
  std::string name = e.name;
  name = name.substr(0, name.find('.'));
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

class PictureSize : public ::testing::TestWithParam<Expected> {};

TEST_P(PictureSize, LoadsWithItsSize) {
  const Expected& e = GetParam();
  const QImage img = load(e.name);
  ASSERT_FALSE(img.isNull()) << e.name << " is missing from the resources";
  EXPECT_EQ(img.width(), e.width) << e.name;
  EXPECT_EQ(img.height(), e.height) << e.name;
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureSize, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return testName(info.param); });

TEST(PictureSet, ResourcesHoldExactlyTheKnownPictures) {
  load("empty.png");  // registers the resources
  QSet<QString> expected;
  for (const Expected& e : kPictures) expected.insert(e.name);
  const QStringList present = QDir(":/pictures").entryList(QDir::Files);
  const QSet<QString> found(present.begin(), present.end());
  EXPECT_EQ(found - expected, QSet<QString>()) << "pictures nobody lays out";
  EXPECT_EQ(expected - found, QSet<QString>()) << "pictures the game expects";
}

// The frame is 16 px on the left and top, 15 px on the right and bottom.
struct FramePixel {
  int x, y;
  bool opaque;
};

void PrintTo(const FramePixel& px, std::ostream* os) {
  *os << px.x << "," << px.y << (px.opaque ? " opaque" : " clear");
}

class FrameAlpha : public ::testing::TestWithParam<FramePixel> {};

TEST_P(FrameAlpha, BorderOpaqueInteriorClear) {
  const FramePixel& px = GetParam();
  const QImage frame = load("frame.png");
  ASSERT_TRUE(frame.hasAlphaChannel());
  const int alpha = frame.pixelColor(px.x, px.y).alpha();
  if (px.opaque)
    EXPECT_EQ(alpha, 255) << "at " << px.x << "," << px.y;
  else
    EXPECT_EQ(alpha, 0) << "at " << px.x << "," << px.y;
}

INSTANTIATE_TEST_SUITE_P(Frame, FrameAlpha,
                         ::testing::Values(FramePixel{256, 256, false}, FramePixel{16, 16, false},
                                           FramePixel{496, 496, false}, FramePixel{16, 496, false},
                                           FramePixel{496, 16, false}, FramePixel{15, 256, true},
                                           FramePixel{256, 15, true}, FramePixel{497, 256, true},
                                           FramePixel{256, 497, true}, FramePixel{0, 0, true},
                                           FramePixel{511, 511, true}, FramePixel{511, 0, true},
                                           FramePixel{0, 511, true}),
                         [](const auto& info) {
                           return "at_" + std::to_string(info.param.x) + "_" + std::to_string(info.param.y);
                         });

TEST(Icon, TransparentCornersAndAVisibleHead) {
  const QImage icon = load("icon.png");
  ASSERT_TRUE(icon.hasAlphaChannel());
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
    EXPECT_EQ(icon.pixelColor(x, y).alpha(), 0) << "corner " << x << "," << y;
  int opaque = 0;
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x) opaque += icon.pixelColor(x, y).alpha() == 255;
  EXPECT_GT(opaque, 32 * 32 / 3);
  EXPECT_LT(opaque, 32 * 32 * 9 / 10);
}

class OpaqueCard : public ::testing::TestWithParam<const char*> {};

TEST_P(OpaqueCard, HasNoAlphaChannel) {
  const QImage card = load(GetParam());
  ASSERT_FALSE(card.isNull());
  EXPECT_FALSE(card.hasAlphaChannel()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cards, OpaqueCard,
                         ::testing::Values("level_proceed.png", "campaign_over.png", "classic_over.png",
                                           "game_over.png"),
                         [](const auto& info) {
                           return testName({info.param, 0, 0});
                         });

// Obstacle colours are part of the level design: index -> hue.
struct ObstacleColour {
  int index;
  int hue;
};

void PrintTo(const ObstacleColour& o, std::ostream* os) { *os << "obstacle" << o.index << " hue " << o.hue; }

class Obstacle : public ::testing::TestWithParam<ObstacleColour> {};

TEST_P(Obstacle, HueAndBevel) {
  const ObstacleColour& o = GetParam();
  const QImage img = load(QString("obstacle%1.png").arg(o.index));
  ASSERT_FALSE(img.isNull());
  const QColor face = img.pixelColor(8, 8);
  const int diff = std::abs(face.hsvHue() - o.hue);
  EXPECT_LE(std::min(diff, 360 - diff), 25) << "face hue " << face.hsvHue();
  EXPECT_GT(img.pixelColor(0, 8).value(), face.value()) << "left edge should be lit";
  EXPECT_GT(img.pixelColor(8, 0).lightness(), face.lightness()) << "top edge should be lit";
  EXPECT_LT(img.pixelColor(15, 8).value(), face.value()) << "right edge should be shaded";
  EXPECT_LT(img.pixelColor(8, 15).value(), face.value()) << "bottom edge should be shaded";
  EXPECT_EQ(img.pixelColor(6, 6), img.pixelColor(9, 10)) << "face should be flat";
}

INSTANTIATE_TEST_SUITE_P(Colours, Obstacle,
                         ::testing::Values(ObstacleColour{0, 120}, ObstacleColour{1, 225},
                                           ObstacleColour{2, 0}, ObstacleColour{3, 55},
                                           ObstacleColour{4, 300}, ObstacleColour{5, 185},
                                           ObstacleColour{6, 30}),
                         [](const auto& info) { return "obstacle" + std::to_string(info.param.index); });

class SpeedStep : public ::testing::TestWithParam<int> {};

TEST_P(SpeedStep, LitIsGreenUnlitIsGrey) {
  const int i = GetParam();
  const QImage lit = load(QString("speed_lit%1.png").arg(i));
  const QImage unlit = load(QString("speed_unlit%1.png").arg(i));
  ASSERT_FALSE(lit.isNull());
  ASSERT_FALSE(unlit.isNull());
  const int mid = lit.height() / 2;
  const QColor green = lit.pixelColor(8, mid);
  EXPECT_GT(green.green(), green.red() + 60);
  EXPECT_GT(green.green(), green.blue() + 60);
  for (int x = 0; x < 16; ++x) {
    const QColor grey = unlit.pixelColor(x, mid);
    EXPECT_EQ(grey.red(), grey.green()) << "x " << x;
    EXPECT_EQ(grey.green(), grey.blue()) << "x " << x;
  }
  EXPECT_LT(unlit.pixelColor(0, mid).value(), 100) << "dark left edge";
  EXPECT_GT(unlit.pixelColor(15, mid).value(), 230) << "white right edge";
}

INSTANTIATE_TEST_SUITE_P(Steps, SpeedStep, ::testing::Range(0, 7));

TEST(EmptyCell, IsAllBlack) {
  const QImage img = load("empty.png");
  ASSERT_FALSE(img.isNull());
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) ASSERT_EQ(img.pixel(x, y), qRgb(0, 0, 0)) << "at " << x << "," << y;
}

}  // namespace
