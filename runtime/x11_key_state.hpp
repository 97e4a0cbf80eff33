// Inside the runtime: the keyboard's real state on an X server, which key
// events alone cannot give (a release that went to another window, or the
// release and press pairs of auto-repeat).
#pragma once

#include <cstdint>
#include <optional>

namespace rt::detail {

// Whether the key with this X key code is down at the X server now; empty
// when the program does not run on an X server or the code is not an X one.
std::optional<bool> x11_key_down(std::uint32_t keycode);

}  // namespace rt::detail
