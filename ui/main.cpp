// Ouroboard: a snake game for one or two players on one keyboard.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "picturebook.h"
#include "snaketable.h"

namespace {

// QApplication aborts when it cannot open a display; say why instead.
bool displayAvailable(int argc, char** argv) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!displayAvailable(argc, argv)) {
    std::fputs("ouroboard: no display found; run it from a graphical desktop session\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ouroboard"));
  QApplication::setDesktopFileName(QStringLiteral(OUROBOARD_APP_ID));
  QApplication::setWindowIcon(ouroboard::PictureBook::decoration(QStringLiteral("icon.png")));
  // The main window's close box and Exit end the program; hiding the main
  // window between campaign levels must not.
  QApplication::setQuitOnLastWindowClosed(false);

  ouroboard::SnakeTable table;
  table.show();
  return QApplication::exec();
}
