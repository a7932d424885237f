// The board repaints only what changed, and what it shows stays right.
#include "board.h"

#include <QScreen>
#include <QWindow>

#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

class BoardTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    pause();
    QCoreApplication::processEvents();
  }
  // Paints what is pending, as the event loop would.
  static void paint() { QCoreApplication::processEvents(); }

  // What the board shows on the screen now, and what a full repaint shows.
  QImage onScreen(const QRect& area) {
    const QPoint origin = table.board()->mapTo(&table, QPoint(0, 0));
    const QPixmap window = table.screen()->grabWindow(table.winId());
    return window.copy(area.translated(origin)).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage onScreen() { return onScreen(table.board()->rect()); }
  QImage fullRepaint() {
    const QPixmap painted = table.clientArea()->grab(table.board()->geometry());
    return painted.toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage food4() {
    return table.pictures().pixmap(Picture::Food4).toImage().convertToFormat(QImage::Format_RGB32);
  }

  QRegion cellsThatDiffer(const std::array<Picture, CellCount>& before) {
    QRegion cells;
    for (int i = 0; i < CellCount; ++i)
      if (shown().TableBlock[i] != before[i]) cells += Board::cellRect(i);
    return cells;
  }
};

TEST_F(BoardTest, TickRepaintsOnlyTheCellsThatChanged) {
  table.tick();  // the first tick draws the whole snake
  paint();
  for (int tick = 0; tick < 5; ++tick) {
    const auto before = shown().TableBlock;
    PaintSpy spy(table.board());
    table.tick();  // paints before it returns: the frame leaves with the tick
    EXPECT_EQ(spy.painted, cellsThatDiffer(before)) << "tick " << tick;
    // A moving snake changes its new head cell and its old tail cell, and at
    // most an eaten food item and its replacement besides.
    int area = 0;
    for (const QRect& rect : spy.painted) area += rect.width() * rect.height();
    EXPECT_GE(area, 2 * 16 * 16);
    EXPECT_LE(area, 4 * 18 * 18) << "tick " << tick;
  }
}

// Partial repaints add up to the same picture as painting everything anew.
TEST_F(BoardTest, PartialRepaintsShowTheSameAsAFullRepaint) {
  choose("p2");
  for (int tick = 0; tick < 40; ++tick) {
    if (tick % 7 == 3) QTest::keyClick(&table, tick % 2 ? Qt::Key_Down : Qt::Key_Up);
    if (tick % 5 == 2) QTest::keyClick(&table, tick % 2 ? Qt::Key_D : Qt::Key_S);
    table.tick();
    paint();
  }
  EXPECT_EQ(onScreen(), fullRepaint());
}

// The 18 x 18 food item shows whole over its right and lower neighbours, also
// when only a neighbour is repainted.
TEST_F(BoardTest, LargeFoodPictureStaysOnTopOfItsNeighbours) {
  const int food = 10 * BoardSide + 10;
  auto& cells = game().widgets.TableBlock;
  cells[food] = Picture::Food4;
  table.sync();
  paint();
  for (const int neighbour : {food + 1, food + BoardSide, food + BoardSide + 1}) {
    PaintSpy spy(table.board());
    cells[neighbour] = cells[neighbour] == Picture::Snake4 ? Picture::Snake0 : Picture::Snake4;
    table.sync();
    paint();
    EXPECT_TRUE(spy.painted.contains(Board::cellRect(neighbour)));
    EXPECT_FALSE(spy.painted.intersects(Board::cellRect(food - 1))) << "no more than needed";
    const QImage shown = onScreen();
    EXPECT_EQ(shown.copy(QRect(Board::cellRect(food).topLeft(), food4().size())), food4());
    EXPECT_EQ(shown, fullRepaint());
  }
}

// In the last column it overlaps the window's frame, and still shows whole.
TEST_F(BoardTest, LargeFoodPictureShowsWholeAtTheRightEdge) {
  const int food = 10 * BoardSide + BoardSide - 1;
  game().widgets.TableBlock[food] = Picture::Food4;
  table.sync();
  paint();
  EXPECT_EQ(onScreen(QRect(Board::cellRect(food).topLeft(), food4().size())), food4());
}

}  // namespace
}  // namespace ouroboard::testing
