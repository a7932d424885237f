// Where every visible widget of the four windows sits, in client-area pixels.
#include <QLayout>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

enum class Window { Main, Settings, Help };

struct Place {
  Window window;
  QString name;  // empty: the window's client area itself
  QRect geometry;
};

std::vector<Place> places() {
  std::vector<Place> rows = {
      {Window::Main, "", {0, 0, 707, 541}},
      {Window::Main, "TableBlock", {16, 16, 482, 482}},  // the cells, and room for the food's overhang
      {Window::Main, "Image2", {520, 8, 127, 74}},
      {Window::Main, "Image1", {520, 200, 142, 62}},
      {Window::Main, "Image3", {520, 272, 142, 62}},
      {Window::Main, "Label1", {520, 344, 153, 37}},
      {Window::Main, "Image4", {520, 392, 142, 62}},
      {Window::Main, "Label2", {520, 464, 153, 37}},
      {Window::Main, "Label3", {64, 512, 241, 25}},
      {Window::Settings, "", {0, 0, 536, 223}},
      {Window::Settings, "Label1(0)", {16, 16, 241, 57}},
      {Window::Settings, "Label1(2)", {16, 72, 241, 57}},
      {Window::Settings, "Label1(1)", {16, 128, 241, 57}},
      {Window::Settings, "SBF", {272, 40, 16, 16}},
      {Window::Settings, "SBF2", {272, 96, 16, 16}},
      {Window::Settings, "SOF", {272, 144, 16, 16}},
      {Window::Settings, "Command1", {488, 176, 41, 41}},
      {Window::Help, "", {0, 0, 613, 537}},
      {Window::Help, "Image3", {152, 8, 311, 96}},
      {Window::Help, "Label1(1)", {8, 88, 144, 29}},
      {Window::Help, "Text1", {8, 120, 601, 265}},
      {Window::Help, "Label1(0)", {8, 392, 144, 29}},
      {Window::Help, "Image1", {128, 424, 124, 108}},
      {Window::Help, "Image2", {256, 424, 125, 108}},
  };
  // The speed bars once they show their pictures: bottoms on one line at 184.
  for (int i = 0; i < SpeedStepCount; ++i)
    rows.push_back(
        {Window::Main, QStringLiteral("SpeedPic(%1)").arg(i), {536 + 24 * i, 152 - 16 * i, 16, 32 + 16 * i}});
  // The choice rows, left to right on the screen.
  const std::tuple<const char*, int, std::vector<int>> choiceRows[] = {
      {"SB(%1)", 40, {4, 0, 2, 1, 3}},
      {"SB2(%1)", 96, {1, 0, 2, 3, 4}},
      {"SO(%1)", 144, {2, 4, 6, 1, 5, 0, 3}}};
  for (const auto& [pattern, top, order] : choiceRows)
    for (int place = 0; place < static_cast<int>(order.size()); ++place)
      rows.push_back({Window::Settings,
                      QString::fromLatin1(pattern).arg(order[place]),
                      {344 + 24 * place, top, 16, 16}});
  return rows;
}

TEST_F(TableTest, EveryWidgetSitsWhereTheLayoutPutsIt) {
  choose("set");
  choose("hlp");
  game().widgets.EndScreen = {true, Picture::GameOver, 1};
  table.sync();
  const std::map<Window, QWidget*> clients = {{Window::Main, table.clientArea()},
                                              {Window::Settings, table.settingsWindow()},
                                              {Window::Help, table.helpWindow()}};
  for (const Place& place : places()) {
    QWidget* client = clients.at(place.window);
    ASSERT_NE(client, nullptr);
    QWidget* widget = place.name.isEmpty() ? client : child(client, place.name);
    ASSERT_NE(widget, nullptr);
    const QRect actual(widget->mapTo(client, QPoint(0, 0)), widget->size());
    EXPECT_EQ(actual, place.geometry) << place.name.toStdString();
  }
  ASSERT_NE(table.endScreen(), nullptr);
  EXPECT_EQ(table.endScreen()->contentsRect(), QRect(1, 1, 352, 200)) << "the end screen's picture area";
}

// Only the main window can be resized and maximised; only the end screen
// lacks a title bar.
TEST_F(TableTest, OnlyTheMainWindowResizes) {
  choose("set");
  choose("hlp");
  for (QWidget* window : {static_cast<QWidget*>(&table), static_cast<QWidget*>(table.settingsWindow()),
                          static_cast<QWidget*>(table.helpWindow())}) {
    ASSERT_NE(window, nullptr);
    const bool main = window == &table;
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(window->minimumSize() == window->maximumSize(), !main) << window->objectName().toStdString();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(bool(flags & Qt::WindowMaximizeButtonHint), main);
  }
  EXPECT_EQ(table.windowTitle(), "Ouroboard");
  EXPECT_EQ(table.size().width(), 707);
}

}  // namespace
}  // namespace ouroboard::testing
