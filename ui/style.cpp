#include "style.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>

namespace ouroboard {

QFont windowFont(int pixelSize, Weight weight, Underline underline) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(weight == Weight::Bold);
  font.setUnderline(underline == Underline::Yes);
  return font;
}

Qt::WindowFlags fixedWindowFlags(Qt::WindowType kind) {
  return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
         Qt::MSWindowsFixedSizeDialogHint;
}

Qt::WindowFlags resizableWindowFlags() {
  return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
         Qt::WindowMaximizeButtonHint;
}

void keepOffTaskBar(QWidget* window) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const auto atom = [connection](std::string_view name) {
    const auto cookie = xcb_intern_atom(connection, 0, name.size(), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  };
  const xcb_atom_t skipTaskBar = atom("_NET_WM_STATE_SKIP_TASKBAR");
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window->winId()),
                      atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &skipTaskBar);
}

void paintBlack(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::black);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

namespace {

// The application's palette on a black window, with the given colours, and
// every colour set: a widget given it shares it as it is, instead of a copy
// merged with its parent's palette.
QPalette completePalette(std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours) {
  QPalette palette = QGuiApplication::palette();
  palette.setColor(QPalette::Window, Qt::black);
  for (const auto& [role, colour] : colours) palette.setColor(role, colour);
  for (int group = 0; group < QPalette::NColorGroups; ++group)
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto colourGroup = static_cast<QPalette::ColorGroup>(group);
      const auto colourRole = static_cast<QPalette::ColorRole>(role);
      palette.setBrush(colourGroup, colourRole, palette.brush(colourGroup, colourRole));
    }
  return palette;
}

}  // namespace

const QPalette& blackButtonPalette() {
  static const QPalette palette = completePalette({{QPalette::Button, Qt::black}});
  return palette;
}

const QPalette& greenTextPalette() {
  static const QPalette palette =
      completePalette({{QPalette::Base, Qt::black}, {QPalette::Text, QColor(0, 255, 0)}});
  return palette;
}

QPoint centredPosition(const QSize& size, const QPoint& centre, const QRect& available) {
  QRect placed(QPoint(0, 0), size);
  placed.moveCenter(centre);
  placed.moveRight(std::min(placed.right(), available.right()));
  placed.moveBottom(std::min(placed.bottom(), available.bottom()));
  placed.moveLeft(std::max(placed.left(), available.left()));
  placed.moveTop(std::max(placed.top(), available.top()));
  return placed.topLeft();
}

// A window's position is its frame's. The game's decorated windows all have
// the main window's decorations, so its frame tells how large theirs will be
// before they have one.
void centreOver(QWidget* window, const QWidget* over) {
  const QWidget* main = over->window();
  const QRect area =
      over->isWindow() ? over->frameGeometry() : QRect(over->mapToGlobal(QPoint(0, 0)), over->size());
  const bool decorated = !(window->windowFlags() & Qt::FramelessWindowHint);
  const QRect outer = main->frameGeometry(), inner = main->geometry();
  const QMargins frame = decorated ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                              outer.right() - inner.right(), outer.bottom() - inner.bottom())
                                   : QMargins();
  const QRect available = main->screen()->availableGeometry();
  window->move(centredPosition(window->size().grownBy(frame), area.center(), available));
}

QRect wrappedTextRect(const QLabel* label) {
  return QFontMetrics(label->font())
      .boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
}

namespace {

constexpr int SmallestPixelSize = 8;

// A longer translation keeps to the label's box: its font gets smaller until
// the wrapped text fits, so nothing is cut off and nothing else moves.
void shrinkToFit(QLabel* label) {
  QFont font = label->font();
  while (!label->contentsRect().contains(wrappedTextRect(label)) && font.pixelSize() > SmallestPixelSize) {
    font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
  }
}

}  // namespace

void fitLabel(QLabel* label, const QRect& geometry, const QFont& font) {
  label->setGeometry(geometry);
  label->setFont(font);
  shrinkToFit(label);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFocusPolicy(Qt::NoFocus);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  fitLabel(label, geometry, font);
  return label;
}

void shareFontSize(const QList<QLabel*>& labels) {
  int smallest = std::numeric_limits<int>::max();
  for (const QLabel* label : labels) smallest = std::min(smallest, label->font().pixelSize());
  for (QLabel* label : labels) {
    QFont font = label->font();
    font.setPixelSize(smallest);
    label->setFont(font);
  }
}

}  // namespace ouroboard
