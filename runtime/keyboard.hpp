// What the navigation loop reads of the keyboard: whether Enter, Up or Down
// is held at this moment, which window has the keyboard focus, and how long
// the focused edit's open input-method composition is.
#pragma once

#include <cstdint>

namespace rt {

using WindowHandle = std::uintptr_t;  // 0: no window

enum class Key { enter, up, down };

// Whether the key is held now (a press seen and its release not yet).
bool key_down(Key key);

// The window that has the keyboard focus in this program, or 0.
WindowHandle focused_window();

// Length in bytes (cp932) of the composition string open in this window's
// input method, 0 when none is open.
int ime_composition_length(WindowHandle window);

}  // namespace rt
