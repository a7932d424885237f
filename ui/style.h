// The look the windows share: fonts, colours and placement.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QLabel;
class QPalette;
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

// Window flags of the main window: a title bar, a close box and a maximize
// box; its edges resize it.
Qt::WindowFlags resizableWindowFlags();

// Keeps a window off the task bar: a tool window alone is not enough for
// every X11 task bar, the window's state says so plainly. Call it before the
// window is first shown.
void keepOffTaskBar(QWidget* window);

// Black background for a window or a widget.
void paintBlack(QWidget* widget);

// Colours for the controls of windows that come and go, each palette made
// once and shared: the style keeps its drawings of buttons and scroll bars in
// Qt's pixmap cache under the palette's key, so a palette of their own would
// add another set of drawings at every opening of a window.
// Black behind and on the face of a push button.
const QPalette& blackButtonPalette();
// Green text on black in a text box.
const QPalette& greenTextPalette();

// The top-left corner for a window of the given size centred on a point,
// kept inside the screen's available area. Where the window is larger than
// the screen its top-left corner wins, so that the title bar and the menu bar
// stay in reach.
QPoint centredPosition(const QSize& size, const QPoint& centre, const QRect& available);

// Centres a secondary window's frame over the main window's frame, or over a
// widget inside it, on the main window's screen.
void centreOver(QWidget* window, const QWidget* over);

// A label with its text in the given font and colour, on a transparent
// background; text wider than the label wraps at word boundaries, and text
// that would still not fit is set smaller.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour);

// Labels that belong together, such as a window's headings, all take the
// smallest size any of them was set at to fit.
void shareFontSize(const QList<QLabel*>& labels);

// Gives a label its place and font; a text that would not fit is set smaller.
void fitLabel(QLabel* label, const QRect& geometry, const QFont& font);

// Where a label's text goes once wrapped at word boundaries.
QRect wrappedTextRect(const QLabel* label);

}  // namespace ouroboard
