// The look the windows share: fonts, colours and placement.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace ouroboard {

// Font sizes in pixels, as points at 96 dpi, so that the layout does not
// follow the X server's idea of the screen's resolution.
namespace FontPx {
inline constexpr int Pt9_75 = 13;
inline constexpr int Pt13_5 = 18;
inline constexpr int Pt18 = 24;
inline constexpr int Pt24 = 32;
}  // namespace FontPx

enum class Weight { Regular, Bold };
enum class Underline { No, Yes };

// "MS Sans Serif" where it exists, else a clean sans-serif.
QFont windowFont(int pixelSize, Weight weight = Weight::Regular, Underline underline = Underline::No);

// Window flags of a fixed-size window with a title bar and a close box only.
Qt::WindowFlags fixedWindowFlags(Qt::WindowType kind);

// Black background for a window or a widget.
void paintBlack(QWidget* widget);

// Moves a window so that a client area of its size sits in the screen's middle.
void centreOnScreen(QWidget* window);

// A label with its text in the given font and colour, on a transparent
// background; text wider than the label wraps at word boundaries.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour);

}  // namespace ouroboard
