// Ouroboard: a snake game for one or two players on one keyboard.
#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "picturebook.h"
#include "snaketable.h"
#include "translations.h"
#ifdef OUROBOARD_PADS
#include <QTimer>
#include <QWindow>

#include "input/pads.h"
#endif

namespace {

bool displayNamed(int argc, char** argv) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  return false;
}

// When Qt cannot open the display it was pointed at, it says so in a few
// warnings and then aborts with a fatal error. While QApplication starts, its
// messages are therefore held back: a fatal one becomes one line naming what
// was tried, and exit status 1; on success they go out as usual.
class DisplayOpening {
 public:
  DisplayOpening() { previous_ = qInstallMessageHandler(&hold); }

  ~DisplayOpening() {
    qInstallMessageHandler(previous_);
    for (const Held& message : held_) {
      const QMessageLogContext context(message.file.c_str(), message.line, message.function.c_str(),
                                       message.category.c_str());
      if (previous_ != nullptr)
        previous_(message.type, context, message.text);
      else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(message.type, context, message.text)));
    }
  }

 private:
  struct Held {
    QtMsgType type;
    std::string category, file, function;
    int line;
    QString text;
  };

  static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) giveUp(text);
    const auto string = [](const char* text) { return std::string(text != nullptr ? text : ""); };
    held_.push_back(
        {type, string(context.category), string(context.file), string(context.function), context.line, text});
  }

  // Qt's own fatal text is advice for a broken installation; what the
  // platform plugins reported says which display and platform were tried.
  [[noreturn]] static void giveUp(const QString& fatal) {
    QStringList reasons;
    for (const Held& message : held_) {
      QString reason = message.text.simplified();
      if (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
      reasons << reason;
    }
    if (reasons.isEmpty()) reasons << fatal.section(QLatin1Char('\n'), 0, 0);
    const QString says = ouroboard::translatedEarly(
        //: Printed when the game cannot start. %1: the windowing system's reasons, in English.
        "Startup", QT_TRANSLATE_NOOP("Startup", "ouroboard: no display could be opened: %1"));
    std::fprintf(stderr, "%s\n", qPrintable(says.arg(reasons.join(QStringLiteral("; ")))));
    std::fflush(stderr);
    // Nothing may run on the way out: QApplication is half built.
    std::_Exit(1);
  }

  static inline std::vector<Held> held_;
  static inline QtMessageHandler previous_ = nullptr;
};

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
  const DisplayOpening opening;
  return std::make_unique<QApplication>(argc, argv);
}

#ifdef OUROBOARD_PADS
// The pads start once the main window is on the screen, so that they never
// hold up the first sight of the game.
class StartWhenShown : public QObject {
 public:
  StartWhenShown(QWindow* window, ouroboard::Pads& pads) : QObject(window), pads_(pads) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, &pads_, [&pads = pads_] { pads.startWhenPlugged(); });
      deleteLater();
    }
    return false;
  }

 private:
  ouroboard::Pads& pads_;
};
#endif

}  // namespace

int main(int argc, char** argv) {
  if (!displayNamed(argc, argv)) {
    const QString says = ouroboard::translatedEarly(
        "Startup",
        QT_TRANSLATE_NOOP("Startup", "ouroboard: no display found; run it from a graphical desktop session"));
    std::fprintf(stderr, "%s\n", qPrintable(says));
    return 1;
  }
  const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
  ouroboard::installTranslations(*app);
  QApplication::setApplicationName(QStringLiteral("Ouroboard"));
  QApplication::setDesktopFileName(QStringLiteral(OUROBOARD_APP_ID));
  QApplication::setWindowIcon(ouroboard::PictureBook::resource(QStringLiteral("icon.png")));
  // The main window's close box and Exit end the program; hiding the main
  // window between campaign levels must not.
  QApplication::setQuitOnLastWindowClosed(false);

  ouroboard::SnakeTable table;
  table.show();
#ifdef OUROBOARD_PADS
  // Gone before the game it feeds.
  const auto pads = std::make_unique<ouroboard::Pads>(table.session(), table.intents());
  new StartWhenShown(table.windowHandle(), *pads);
#endif
  return QApplication::exec();
}
