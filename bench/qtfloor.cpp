// The least a Qt Widgets program like the game does: one main window with a
// menu bar and a 480 x 480 board of 900 16 x 16 pictures, all repainted every
// 25 ms. bench/measure compares the game against it. With --full-screen the
// window fills the screen and the board grows as the game's does: by the
// largest factor at which the game's 707 x 541 client area fits, cells on
// whole pixels.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr int Side = 30;
constexpr int Cell = 16;

class FloorBoard : public QWidget {
 public:
  explicit FloorBoard(bool grows) {
    if (!grows) setFixedSize(Side * Cell, Side * Cell);
    setAttribute(Qt::WA_OpaquePaintEvent);
    paintCells(Cell);
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &FloorBoard::step);
    clock_.start(25);
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    const double factor = std::min(width() / 707.0, height() / 541.0);
    paintCells(std::max(Cell, static_cast<int>(std::floor(Cell * factor))));
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int cell = palette_[0].width();
    for (int i = 0; i < Side * Side; ++i) {
      const QPixmap& picture = palette_[(i + shift_) % palette_.size()];
      painter.drawPixmap((i % Side) * cell, (i / Side) * cell, picture);
    }
  }

 private:
  void paintCells(int cell) {
    const std::array<QColor, 4> colours = {Qt::black, Qt::darkGreen, Qt::darkRed, Qt::darkBlue};
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      palette_[i] = QPixmap(cell, cell);
      palette_[i].fill(colours[i]);
    }
  }

  void step() {
    ++shift_;
    update();
  }

  std::array<QPixmap, 4> palette_;
  QTimer clock_;
  std::size_t shift_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("qtfloor"));
  QMenu* options = window.menuBar()->addMenu(QStringLiteral("Options"));
  options->addAction(QStringLiteral("Exit"), &app, &QApplication::quit);
  window.menuBar()->addAction(QStringLiteral("Help"));
  const bool fullScreen = argc > 1 && std::strcmp(argv[1], "--full-screen") == 0;
  window.setCentralWidget(new FloorBoard(fullScreen));
  if (fullScreen)
    window.showFullScreen();
  else
    window.show();
  return QApplication::exec();
}
