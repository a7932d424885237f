#include "typedkeys.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QGuiApplication>
#include <memory>

namespace ouroboard {
namespace {

xkb_keymap* givenKeymap = nullptr;

template <typename T, void (*Unref)(T*)>
struct Unreffing {
  void operator()(T* object) const { Unref(object); }
};
using Context = std::unique_ptr<xkb_context, Unreffing<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Unreffing<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Unreffing<xkb_state, xkb_state_unref>>;

// The unshifted character, as a key cap shows it; dead keys and keys that
// type no character have no name here.
QString capAt(xkb_keymap* keymap, xkb_layout_index_t layout, quint32 place) {
  const xkb_keysym_t* symbols = nullptr;
  if (xkb_keymap_key_get_syms_by_level(keymap, place, layout, 0, &symbols) != 1) return {};
  const char32_t typed = xkb_keysym_to_utf32(symbols[0]);
  const QString cap = QString::fromUcs4(&typed, 1).toUpper();
  return typed != 0 && cap.at(0).isPrint() && !cap.at(0).isSpace() ? cap : QString();
}

QStringList capsAt(xkb_keymap* keymap, xkb_state* state, const QList<quint32>& places) {
  QStringList caps;
  for (const quint32 place : places) {
    const xkb_layout_index_t layout = state != nullptr ? xkb_state_key_get_layout(state, place) : 0;
    caps << (layout == XKB_LAYOUT_INVALID ? QString() : capAt(keymap, layout, place));
  }
  return caps;
}

// The core keyboard's keymap and state, read afresh: the state says which
// of the desktop's layouts is active now.
QStringList typedOnX11(const QList<quint32>& places) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return {};
  xcb_connection_t* connection = x11->connection();
  if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                   XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
    return {};
  const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
  if (device < 0) return {};
  const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
  if (!context) return {};
  const Keymap keymap(
      xkb_x11_keymap_new_from_device(context.get(), connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (!keymap) return {};
  const State state(xkb_x11_state_new_from_device(keymap.get(), connection, device));
  if (!state) return {};
  return capsAt(keymap.get(), state.get(), places);
}

}  // namespace

QStringList typedAt(const QList<quint32>& places) {
  QStringList caps;
  if (givenKeymap != nullptr)
    caps = capsAt(givenKeymap, nullptr, places);
  else if (QGuiApplication::platformName() == QLatin1String("xcb"))
    caps = typedOnX11(places);
  caps.resize(places.size());
  return caps;
}

void nameKeysFrom(xkb_keymap* keymap) { givenKeymap = keymap; }

}  // namespace ouroboard
