// A shown main window and helpers to drive it as a player would.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

#include "endscreen.h"
#include "pictureview.h"
#include "snaketable.h"

namespace ouroboard::testing {

// Collects the paints a widget is asked for, and the areas they cover.
class PaintSpy : public QObject {
 public:
  explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
  QRegion painted;
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    painted += static_cast<QPaintEvent*>(event)->region();
    ++paints;
    return false;
  }
};

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
  }

  Game& game() { return table.game(); }
  const Widgets& shown() { return table.game().widgets; }

  QAction* action(const char* name) {
    auto* found = table.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  // A menu item chosen with the mouse toggles a checkable item before the
  // command runs, just like trigger() does.
  void choose(const char* name) {
    if (QAction* item = action(name)) item->trigger();
  }

  void pause() {
    if (table.gameClock().isActive()) choose("PR");
    ASSERT_FALSE(table.gameClock().isActive());
  }

  template <typename T = QWidget>
  T* child(QWidget* parent, const QString& name) {
    auto* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }

  QWidget* onClient(const QString& name) { return child(table.clientArea(), name); }

  static void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }

  // Lets windows that closed themselves be destroyed.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  bool shows(const QPixmap& pixmap, Picture id) {
    return !pixmap.isNull() && pixmap.cacheKey() == table.pictures().pixmap(id).cacheKey();
  }
  bool shows(QWidget* view, Picture id) {
    auto* picture = qobject_cast<PictureView*>(view);
    return picture != nullptr && shows(picture->picture(), id);
  }

  // Three ticks that steer player 1 into its own body: up, left, then down
  // onto its neck.
  void crashPlayerOne() {
    for (const Int16 key : {Key::UpArrow, Key::LeftArrow, Key::DownArrow}) {
      game().Form_KeyDown(key);
      table.tick();
    }
  }

  SnakeTable table;
};

}  // namespace ouroboard::testing
