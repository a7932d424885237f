#include "endscreen.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "backdrop.h"
#include "style.h"

namespace ouroboard {
namespace {
constexpr int FrameWidth = 1;
}

// A tool window keeps it off the task bar; it has no title bar, only a frame.
EndScreen::EndScreen(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint),
      client_(new Backdrop(this, QStringLiteral("EndScreenClient"), ClientSize)) {
  setObjectName(QStringLiteral("EndScreen"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ClientSize.grownBy(QMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth)));
  client_->move(FrameWidth, FrameWidth);
  centreOnScreen(this);
}

void EndScreen::setPicture(const QPixmap& picture) { client_->setPicture(picture); }

const QPixmap& EndScreen::picture() const { return client_->picture(); }

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

void EndScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void EndScreen::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void EndScreen::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Form_Click();
}

void EndScreen::Form_Click() { emit clicked(); }

}  // namespace ouroboard
