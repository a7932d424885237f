#include "stage.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "frame.h"
#include "input/keymap.h"
#include "style.h"

namespace ouroboard {
namespace {

// A window manager's frame before the window has one: a title bar and thin
// borders, in device pixels. Once the window is up its real frame counts.
constexpr QMargins UsualFrame{4, 32, 4, 4};

}  // namespace

Stage::Stage(QMainWindow* window, const QSize& own)
    : QWidget(window), window_(window), own_(own), client_(new ClientArea(this, own)) {
  setObjectName(QStringLiteral("Stage"));
  setAccessibleName(QGuiApplication::applicationDisplayName());
  setFocusPolicy(Qt::NoFocus);
  paintBlack(this);
  setMinimumSize(Scale{SmallestFactor, 1}.size(own));
  scale_.ratio = devicePixelRatioF();
  window->installEventFilter(this);
}

void Stage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const double ratio = devicePixelRatioF();
  // A pixel and a half of slack, all black at the client area's edges: the
  // window's size was rounded from a factor's, in logical and in device pixels.
  const double fits = std::min((width() + 1.5) / own_.width(), (height() + 1.5) / own_.height());
  const Scale scale{crispFactor(std::max(fits, SmallestFactor), ratio), ratio};
  if (scale != scale_ || !placed_) rescale(scale);
  client_->move((width() - client_->width()) / 2, (height() - client_->height()) / 2);
}

void Stage::rescale(const Scale& scale) {
  scale_ = scale;
  placed_ = true;
  client_->setScale(scale);
  layout_.apply(scale);
  emit rescaled(scale);
}

QMargins Stage::frameMargins() const {
  const QRect outer = window_->frameGeometry(), inner = window_->geometry();
  const QMargins real(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                      outer.bottom() - inner.bottom());
  if (window_->isVisible() && !real.isNull()) return real;
  const double ratio = devicePixelRatioF();
  return {int(UsualFrame.left() / ratio), int(UsualFrame.top() / ratio), int(UsualFrame.right() / ratio),
          int(UsualFrame.bottom() / ratio)};
}

void Stage::fitOnScreen() {
  const QRect available = window_->screen()->availableGeometry();
  const QSize chrome(0, window_->menuBar()->sizeHint().height());
  const QSize own = own_ + chrome;
  const double factor = openingFactor(own, frameMargins(), available, devicePixelRatioF());
  const QSize size = Scale{factor, 1}.size(own_) + chrome;
  window_->resize(size);
  window_->move(centredPosition(size.grownBy(frameMargins()), available.center(), available));
  opened_ = size;
}

Scale Stage::scaleWithin(const QSize& own) const {
  const QRect available = window_->screen()->availableGeometry();
  const double fits = openingFactor(scale_.size(own), frameMargins(), available, scale_.ratio);
  return fits >= 1 ? scale_ : Scale{crispFactor(scale_.factor * fits, scale_.ratio), scale_.ratio};
}

void Stage::toggleFullScreen() { window_->setWindowState(window_->windowState() ^ Qt::WindowFullScreen); }

// Once the window is up, its real frame is known: where the window manager's
// frame is larger than expected, the window shrinks to fit once more, unless
// it has been given another size meanwhile.
// The window manager frames the window a little after it shows.
bool Stage::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Show && !shown_) {
    shown_ = true;
    for (const int ms : {100, 1000}) QTimer::singleShot(ms, this, &Stage::keepWhole);
  }
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (keysOf(Command::FullScreen).keys.contains(QKeySequence(key)) ||
      (key == Qt::Key_Escape && window_->isFullScreen())) {
    toggleFullScreen();
    return true;
  }
  return false;
}

void Stage::keepWhole() {
  const QRect available = window_->screen()->availableGeometry();
  if (window_->windowState() == Qt::WindowNoState && window_->size() == opened_ &&
      !available.contains(window_->frameGeometry()))
    fitOnScreen();
}

}  // namespace ouroboard
