#include "runtime/x11_key_state.hpp"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>

namespace rt::detail {

std::optional<bool> x11_key_down(std::uint32_t keycode) {
  // X key codes run from 8 to 255; other platforms report 0 or none.
  if (keycode < 8 || keycode > 255) return std::nullopt;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
  if (!reply) return std::nullopt;
  const bool down = (reply->keys[keycode / 8] >> (keycode % 8)) & 1;
  std::free(reply);
  return down;
}

}  // namespace rt::detail
