// The least a Qt Widgets program like the game does: one main window with a
// menu bar and a 480 x 480 board of 900 16 x 16 pictures, all repainted every
// 25 ms. bench/measure compares the game against it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

namespace {

constexpr int Side = 30;
constexpr int Cell = 16;

class FloorBoard : public QWidget {
 public:
  FloorBoard() {
    setFixedSize(Side * Cell, Side * Cell);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const std::array<QColor, 4> colours = {Qt::black, Qt::darkGreen, Qt::darkRed, Qt::darkBlue};
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      palette_[i] = QPixmap(Cell, Cell);
      palette_[i].fill(colours[i]);
    }
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &FloorBoard::step);
    clock_.start(25);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int i = 0; i < Side * Side; ++i) {
      const QPixmap& picture = palette_[(i + shift_) % palette_.size()];
      painter.drawPixmap((i % Side) * Cell, (i / Side) * Cell, picture);
    }
  }

 private:
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
  window.setCentralWidget(new FloorBoard);
  window.show();
  return QApplication::exec();
}
