// The main window at other sizes: everything it shows grows by one factor.
#include <QMenuBar>

#include "board.h"
#include "picturebook.h"
#include "scale.h"
#include "stage.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

TEST(OpeningFactor, OwnSizeWhereItFitsElseTheLargestCrispFactorThatFits) {
  const QSize own(707, 566);
  const QMargins frame(1, 22, 1, 5);
  const struct {
    const char* what;
    QRect available;
    double ratio;
  } cases[] = {
      {"fits: own size", {0, 0, 1024, 768}, 1},
      {"1366 x 768 at 125 %", {0, 0, 1093, 614}, 1.25},
      {"1366 x 768 at 150 %", {0, 0, 910, 512}, 1.5},
      {"1920 x 1080 at 200 %", {0, 0, 960, 510}, 2},
      {"640 x 480", {0, 0, 640, 480}, 1},
  };
  for (const auto& c : cases) {
    const double factor = openingFactor(own, frame, c.available, c.ratio);
    const QSize whole = Scale{factor, c.ratio}.size(own).grownBy(frame);
    EXPECT_LE(factor, 1) << c.what;
    EXPECT_TRUE(c.available.size().boundedTo(whole) == whole || factor == 1) << c.what;
    EXPECT_DOUBLE_EQ(std::fmod(16 * factor * c.ratio, 1), 0) << c.what << ": cells on whole device pixels";
    const QSize larger = Scale{factor + 1 / (16 * c.ratio), c.ratio}.size(own).grownBy(frame);
    EXPECT_TRUE(factor == 1 || larger.height() > c.available.height() || larger.width() > c.available.width())
        << c.what << ": the largest that fits";
  }
}

class ScaledTable : public TableTest, public ::testing::WithParamInterface<double> {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    pause();
    const Scale scale{GetParam(), 1};
    table.resize(scale.size(SnakeTable::ClientSize) + QSize(0, table.menuBar()->height()));
    QCoreApplication::processEvents();
  }
};

TEST_P(ScaledTable, CellsLandOnTheScaledGridAndClicksWhereTheBarsAreDrawn) {
  const Scale& scale = table.stage()->scale();
  ASSERT_DOUBLE_EQ(scale.factor, GetParam());
  const int cell = scale.px(16);
  QWidget* client = table.clientArea();
  EXPECT_EQ(client->size(), scale.size(SnakeTable::ClientSize));
  Board* board = table.board();
  EXPECT_EQ(board->mapTo(client, QPoint(0, 0)), QPoint(cell, cell));
  const QImage onBoard = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int head = game().Body1[game().Len1];
  for (const int i : {0, 29, 870, 899, head}) {
    const QRect area(i % BoardSide * cell, i / BoardSide * cell, cell, cell);
    EXPECT_EQ(board->cellArea(i), area) << i;
    const QImage picture = table.pictures().pixmap(shown().TableBlock[i]).toImage();
    EXPECT_EQ(picture.size(), area.size());
    EXPECT_EQ(onBoard.copy(area), picture.convertToFormat(QImage::Format_RGB32)) << i;
  }
  for (const int step : {0, 4, 6}) {
    const QRect drawn = scale.rect({536 + 24 * step, 152 - 16 * step, 16, 32 + 16 * step});
    QWidget* bar = client->childAt(drawn.center());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), drawn);
    click(bar);
    EXPECT_EQ(game().SpeedStep(), step);
  }
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledTable, ::testing::Values(1.5, 2.0));

TEST_F(TableTest, AResizePaintsTheWindowOnce) {
  pause();
  QCoreApplication::processEvents();
  PaintSpy board(table.board()), heading(onClient(QStringLiteral("Image1"))),
      credit(onClient(QStringLiteral("Label3")));
  table.resize(Scale{2, 1}.size(SnakeTable::ClientSize) + QSize(0, table.menuBar()->height()));
  QCoreApplication::processEvents();
  EXPECT_EQ(board.paints, 1);
  EXPECT_EQ(heading.paints, 1);
  EXPECT_EQ(credit.paints, 1);
}

// Words and lines are painted for the device pixels, not enlarged.
TEST(ScaledPictures, LetteredOnesArePaintedForTheDevicePixels) {
  const PictureBook book;
  for (const Scale scale : {Scale{1.5, 1}, Scale{1, 2}, Scale{2, 1.25}}) {
    const QImage shown = book.decoration(Decoration::Player1, scale).toImage();
    EXPECT_EQ(shown.devicePixelRatio(), scale.ratio);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              art::paint(Decoration::Player1, {}, scale.device()).convertToFormat(QImage::Format_RGB32))
        << scale.factor << " x " << scale.ratio;
  }
}

}  // namespace
}  // namespace ouroboard::testing
