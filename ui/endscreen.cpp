#include "endscreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>

#include "input/keymap.h"
#include "style.h"

namespace ouroboard {
namespace {
constexpr QMargins Frame{1, 1, 1, 1};
}

// No title bar, only a frame. Beside the main window it is a tool window of
// it, off the task bar; alone on the screen it is the game's only window, and
// the task bar and the window switcher must find it.
EndScreen::EndScreen(QWidget* owner, const QWidget* over, bool standsAlone)
    : PictureView(standsAlone ? nullptr : owner, QStringLiteral("EndScreen"),
                  QRect(QPoint(0, 0), ClientSize.grownBy(Frame)),
                  (standsAlone ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint),
      standsAlone_(standsAlone) {
  setAttribute(Qt::WA_DeleteOnClose);
  setContentsMargins(Frame);
  setFixedSize(ClientSize.grownBy(Frame));
  setWindowTitle(QGuiApplication::applicationDisplayName());
  paintBlack(this);
  centreOver(this, over);
  if (!standsAlone) keepOffTaskBar(this);
}

void EndScreen::setScale(const Scale& scale, const QWidget* over) {
  setFixedSize(scale.size(ClientSize).grownBy(Frame));
  centreOver(this, over);
}

void EndScreen::describe(Picture card) {
  QString headline, words;
  switch (card) {
    case Picture::LevelProceed:
      //: A campaign level (of seven) has been passed.
      headline = tr("Level completed");
      words = tr("Proceed to the next level.");
      break;
    case Picture::CampaignOver:
      headline = tr("Bravo! You have won the whole campaign");
      words = tr("You have conquered every level. Congratulations!");
      break;
    case Picture::ClassicOver:
      headline = tr("Well done! You have completed the classic mode");
      words = tr("Try the campaign mode.");
      break;
    default:
      //: Heading spoken on the picture shown when a snake has crashed.
      headline = tr("Game over");
      words = tr("Try again: there is always a next chance.");
      break;
  }
  const QKeySequence key = keysOf(Command::Dismiss).keys.front();
  setAccessibleName(headline);
  //: Spoken on the picture at the end of a level or a game. %1: a key's name, such as "Enter".
  setAccessibleDescription(words + QLatin1Char(' ') + tr("Press %1 or click to continue.").arg(keyName(key)));
}

void EndScreen::dismiss() {
  dismissed_ = true;
  close();
}

void EndScreen::closeEvent(QCloseEvent* event) {
  if (dismissed_)
    event->accept();
  else
    event->ignore();
}

void EndScreen::paintEvent(QPaintEvent* event) {
  PictureView::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace ouroboard
