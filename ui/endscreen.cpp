#include "endscreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "style.h"

namespace ouroboard {
namespace {
constexpr QMargins Frame{1, 1, 1, 1};
}

// A tool window keeps it off the task bar; it has no title bar, only a frame.
EndScreen::EndScreen(QWidget* owner)
    : PictureView(owner, QStringLiteral("EndScreen"), QRect(QPoint(0, 0), ClientSize.grownBy(Frame)),
                  Qt::Tool | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setContentsMargins(Frame);
  setFixedSize(ClientSize.grownBy(Frame));
  paintBlack(this);
  centreOver(this, owner);
  keepOffTaskBar(this);
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

// The keys that close a dialog count as a click.
void EndScreen::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      emit clicked();
      break;
    default:
      PictureView::keyPressEvent(event);
  }
}

void EndScreen::paintEvent(QPaintEvent* event) {
  PictureView::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace ouroboard
