// What a screen reader finds in the windows, and hears as the game goes on.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

TEST_F(TableTest, EveryVisibleWidgetOfEveryWindowHasAName) {
  for (const char* command : {"p2", "set", "hlp"}) choose(command);
  crashPlayerOne();
  for (QWidget* window :
       QList<QWidget*>{&table, table.settingsWindow(), table.helpWindow(), table.endScreen()})
    for (QWidget* widget : window->findChildren<QWidget*>() + QList<QWidget*>{window}) {
      if (!widget->isVisible()) continue;
      EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), "")
          << widget->objectName().toStdString();
    }
}

QAccessible::Role roleOf(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->role(); }

// A screen reader announces a window by its role, and Settings' pictures as
// choices in a group (which one is checked, the Settings tests tell).
TEST_F(TableTest, WindowsAndChoicesHaveTheRolesAScreenReaderExpects) {
  choose("set");
  QWidget* settings = table.settingsWindow();
  EXPECT_EQ(roleOf(child(settings, "SB(1)")), QAccessible::RadioButton);
  choose("hlp");
  crashPlayerOne();
  const std::pair<QWidget*, QAccessible::Role> windows[] = {{&table, QAccessible::Window},
                                                            {settings, QAccessible::Dialog},
                                                            {table.helpWindow(), QAccessible::Window},
                                                            {table.endScreen(), QAccessible::AlertMessage}};
  for (const auto& [window, role] : windows) EXPECT_EQ(roleOf(window), role) << window->objectName().toStdString();
}

std::vector<std::pair<QObject*, QAccessible::Event>> heard;

// Qt sends accessibility events only while a screen reader listens.
void listen(bool on) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
  QAccessible::installUpdateHandler(
      on ? +[](QAccessibleEvent* e) { heard.emplace_back(e->object(), e->type()); } : nullptr);
}

TEST_F(TableTest, SpeedScoreAndPauseChangesAreToldAndAnIdleTickTellsNothing) {
  QWidget* bar = onClient("SpeedPic(5)");
  QWidget* score = onClient("Label1");
  const auto tickWithFoodAt = [this](Cell cell) {
    game().FoodCell = cell;
    table.tick();
  };
  const std::tuple<const char*, std::function<void()>, QObject*, QAccessible::Event> cases[] = {
      {"speed step", [&] { click(bar); }, bar, QAccessible::StateChanged},
      {"idle tick", [&] { tickWithFoodAt(game().Body1[0]); }, nullptr, {}},
      {"food eaten", [&] { tickWithFoodAt(game().Body1[game().Len1] + 1); }, score, QAccessible::NameChanged},
      {"pause", [&] { choose("PR"); }, action("PR"), QAccessible::NameChanged},
      {"resume", [&] { choose("PR"); }, action("PR"), QAccessible::NameChanged},
  };
  listen(true);
  for (const auto& [what, act, about, event] : cases) {
    heard.clear();
    act();
    const bool told = std::count(heard.begin(), heard.end(), std::pair{about, event}) > 0;
    EXPECT_TRUE(about != nullptr ? told : heard.empty()) << what;
  }
  listen(false);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(bar)->state().checked);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(onClient("SpeedPic(2)"))->state().checked);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(score)->text(QAccessible::Name), "Player 1 score: 900");
}

}  // namespace
}  // namespace ouroboard::testing
