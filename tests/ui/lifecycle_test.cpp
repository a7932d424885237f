// Windows that come and go: Settings, Help and every end screen opened and
// closed a thousand times, each way they can close. No window object may
// outlive its closing, and the program's memory must settle.
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <fstream>
#include <utility>

#include "hlpfrm.h"
#include "settings.h"
#include "table_fixture.h"

namespace ouroboard::testing {
namespace {

constexpr int Cycles = 1000;
constexpr int WarmUp = 100;

struct Memory {
  long residentKiB;
  long heapKiB;  // what the program has allocated and not freed
};

Memory memory() {
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  const struct mallinfo2 heap = mallinfo2();
  return {resident * sysconf(_SC_PAGESIZE) / 1024, static_cast<long>((heap.uordblks + heap.hblkhd) / 1024)};
}

class LifecycleTest : public TableTest {
 protected:
  // Every widget of the program, and every object the main window owns.
  using Census = std::pair<qsizetype, qsizetype>;
  Census census() { return {QApplication::allWidgets().size(), table.findChildren<QObject*>().size()}; }

  // A window that has just opened paints itself and takes the keyboard, as
  // it would on a screen.
  static void opened(QWidget* window) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000));
  }

  // By OK, by the close box, or by Escape, which applies nothing either.
  void settingsComeAndGo(int cycle) {
    choose("set");
    Settings* window = table.settingsWindow();
    ASSERT_NE(window, nullptr);
    opened(window);
    if (cycle % 3 == 0)
      click(child(window, "Command1"));
    else if (cycle % 3 == 1)
      window->close();
    else
      QTest::keyClick(window, Qt::Key_Escape);
    settle();
    ASSERT_EQ(table.settingsWindow(), nullptr);
  }

  void helpComesAndGoes(int cycle) {
    choose("hlp");
    HlpFrm* window = table.helpWindow();
    ASSERT_NE(window, nullptr);
    opened(window);
    if (cycle % 2 == 0)
      window->close();
    else
      QTest::keyClick(window, Qt::Key_Escape);
    settle();
    ASSERT_EQ(table.helpWindow(), nullptr);
  }

  void endScreenShows(int which) {
    switch (which) {
      case 0:
        choose("classic");
        crashPlayerOne();
        break;
      case 1:
        choose("cpn");
        game().Eaten1 = 25;
        table.tick();
        break;
      case 2:
        choose("cpn");
        game().Level = 7;
        game().Eaten1 = 25;
        table.tick();
        break;
      default:
        choose("classic");
        game().Eaten1 = 100;
        table.tick();
    }
  }

  // Game over, level passed, campaign and classic game completed; each
  // dismissed by a click, by Return or by Escape.
  void endScreenComesAndGoes(int which, int cycle) {
    endScreenShows(which);
    EndScreen* screen = table.endScreen();
    ASSERT_NE(screen, nullptr);
    opened(screen);
    if ((cycle + which) % 3 == 0)
      QTest::mouseClick(screen, Qt::LeftButton, {}, QPoint(0, 0));
    else
      QTest::keyClick(screen, (cycle + which) % 3 == 1 ? Qt::Key_Return : Qt::Key_Escape);
    settle();
    ASSERT_EQ(table.endScreen(), nullptr);
  }

  void cycle(int number) {
    settingsComeAndGo(number);
    helpComesAndGoes(number);
    for (int which = 0; which < 4; ++which) endScreenComesAndGoes(which, number);
  }
};

TEST_F(LifecycleTest, WindowsComeAndGoWithoutATrace) {
  cycle(0);
  const Census before = census();
  Memory settled{};
  for (int number = 1; number < Cycles; ++number) {
    cycle(number);
    if (HasFatalFailure()) FAIL() << "in cycle " << number;
    ASSERT_EQ(census(), before) << "a window outlived cycle " << number;
    if (number == WarmUp) settled = memory();
  }
  const Memory last = memory();
  std::printf("after %d cycles: resident %ld KiB (%+ld over the last %d), heap %ld KiB (%+ld)\n", Cycles,
              last.residentKiB, last.residentKiB - settled.residentKiB, Cycles - WarmUp, last.heapKiB,
              last.heapKiB - settled.heapKiB);
#ifndef __SANITIZE_ADDRESS__  // the address sanitizer holds freed memory back on purpose
  EXPECT_LT(last.heapKiB - settled.heapKiB, 256) << "the heap still grows after " << WarmUp << " cycles";
  EXPECT_LT(last.residentKiB - settled.residentKiB, 1024)
      << "memory still grows after " << WarmUp << " cycles";
#endif
}

}  // namespace
}  // namespace ouroboard::testing
