// A whole case worked through in quorvel at a person's pace, with the
// Japanese input method on: numbers typed, each composed and confirmed; a
// title converted; 計算; the sheet printed to a PDF file through the print
// dialog; the about box; a message box. Shared by the X server suite and
// tools/measure-desk.sh.
#pragma once

#include <string>

#include "input_method.hpp"
#include "program_under_x.hpp"
#include "x_keyboard.hpp"
#include "x_server.hpp"

namespace xtest {

// Types `text` into the field with the focus as a person does: where the
// field composes, once the input method is on there; then `convert` (the
// space that converts kana, say) if given, an Enter that confirms the
// composition where there is one, and the Enter that moves on; and waits
// until the focus shows in the next field. Returns what went wrong, or an
// empty text.
std::string type_and_move_on(const ProgramUnderX& p, const InputMethod& im, Keyboard& k, const std::string& text,
                             bool composes, KeySym convert = NoSymbol);

// Works the case in `quorvel` (started with the input method `im`) and
// leaves its main window active with every box closed, ready for 終了. Before
// each key it waits for what a person waits for: the focus in the field, the
// input method on, a box gone. Returns what went wrong, or an empty text.
std::string work_a_whole_case(const XServer& server, ProgramUnderX& quorvel, const InputMethod& im);

}  // namespace xtest
