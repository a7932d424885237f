// The main window's centre: the client area at the window's scale, centred
// on black, and the keys that switch full screen.
#pragma once

#include <QWidget>

#include "scale.h"

class QMainWindow;

namespace ouroboard {

class ClientArea;

// However the window is sized (by its edges, maximised, full screen), the
// client area keeps its proportions: it takes the largest factor at which it
// fits whole, and black fills the rest. F11 switches full screen on and off,
// and Escape switches it off unless the window's other keys take Escape.
class Stage : public QWidget {
  Q_OBJECT

 public:
  static constexpr double SmallestFactor = 0.5;

  Stage(QMainWindow* window, const QSize& own);

  ClientArea* client() const { return client_; }
  ScaledLayout& layout() { return layout_; }
  const Scale& scale() const { return scale_; }

  QSize sizeHint() const override { return own_; }

  // Opens the window at its own size where that fits the screen's available
  // area, else at the largest factor that fits it whole, frame included.
  void fitOnScreen();
  void toggleFullScreen();
  // The scale of another window of the game with that own size: the main
  // window's, or smaller where that would not fit the screen.
  Scale scaleWithin(const QSize& own) const;

 signals:
  void rescaled(const Scale& scale);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void rescale(const Scale& scale);
  QMargins frameMargins() const;
  void keepWhole();

  QMainWindow* window_;
  QSize own_;
  ClientArea* client_;
  ScaledLayout layout_;
  Scale scale_;
  bool placed_ = false;
  bool shown_ = false;
  QSize opened_;  // the size fitOnScreen gave the window
};

}  // namespace ouroboard
