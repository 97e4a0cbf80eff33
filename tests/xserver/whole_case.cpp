#include "whole_case.hpp"

#include <X11/keysym.h>

#include <thread>

#include "x_keyboard.hpp"

namespace xtest {

namespace {

using namespace std::chrono_literals;

// Waits for a box of the program's (a dialog, the about box, a message box),
// closes it with Enter as a person does, after a look at it, and waits until
// the main window is active again and shows the focus. An Enter that comes
// while the box is still being set up (its link to the input method, the
// print dialog's printers) can go unseen on a slow or sanitized build: the
// person, seeing the box still there, presses it again.
std::string close_box_with_enter(const XServer& server, ProgramUnderX& p, Keyboard& k, const std::string& what) {
  const pid_t pid = p.process().pid();
  const Window box = server.wait_active_other(pid, p.facts().caption);
  if (box == None) return what + " did not come up";
  std::this_thread::sleep_for(300ms);
  bool gone = false;
  for (int press = 0; press < 5 && !gone; ++press) {
    k.tap(XK_Return);
    gone = server.wait_gone(pid, box, kLongestWait / 5);
  }
  if (!gone) return "Enter did not close " + what;
  if (!p.wait_focus_shown()) return "the focus did not come back after " + what;
  return "";
}

}  // namespace

std::string type_and_move_on(const ProgramUnderX& p, const InputMethod& im, Keyboard& k, const std::string& text,
                             bool composes, KeySym convert) {
  const std::optional<Box> focus = p.wait_focus_shown();
  if (!focus) return "no field shows the focus before " + text;
  if (composes && !im.wait_composing()) return "the input method is not on before " + text;
  k.retype(text);
  if (convert != NoSymbol) k.tap(convert);
  k.tap(XK_Return);
  if (composes) k.tap(XK_Return);
  if (!p.wait_focus_moved(*focus)) return "Enter did not move on from " + text;
  return "";
}

std::string work_a_whole_case(const XServer& server, ProgramUnderX& quorvel, const InputMethod& im) {
  Keyboard k(server.display());
  // Q and I typed: each composes in full width, and its Enter confirms it
  // before the next one moves on. The other numbers keep their values.
  for (const char* number : {"5.058", "132"})
    if (std::string problem = type_and_move_on(quorvel, im, k, number, true); !problem.empty()) return problem;
  for (int field = 3; field <= quorvel.facts().numbers; ++field) {
    const std::optional<Box> focus = quorvel.wait_focus_shown();
    if (!focus) return "no field shows the focus";
    k.tap(XK_Return);
    if (!quorvel.wait_focus_moved(*focus)) return "Enter did not move on from field " + std::to_string(field);
  }
  // The title: "kukann" converted by the space, confirmed, and on to Q.
  if (std::string problem = type_and_move_on(quorvel, im, k, "kukann", true, XK_space); !problem.empty()) return problem;

  k.chord(XK_Alt_L, XK_c);  // 計算
  k.chord(XK_Alt_L, XK_p);  // 印刷: the print dialog's OK prints to a PDF file
  if (std::string problem = close_box_with_enter(server, quorvel, k, "the print dialog"); !problem.empty())
    return problem;
  k.chord(XK_Alt_L, XK_h);  // ﾍﾙﾌﾟ
  k.tap(XK_a);              // ﾊﾞｰｼﾞｮﾝ情報
  if (std::string problem = close_box_with_enter(server, quorvel, k, "the about box"); !problem.empty())
    return problem;
  // The focus is back in Q: 0 there, confirmed, is refused by 計算 in a
  // message box.
  if (!im.wait_composing()) return "the input method is not on after the boxes";
  k.retype("0");
  k.tap(XK_Return);
  k.chord(XK_Alt_L, XK_c);
  if (std::string problem = close_box_with_enter(server, quorvel, k, "the message box"); !problem.empty())
    return problem;
  return quorvel.folder().exists("print.pdf") ? "" : "the sheet was not printed";
}

}  // namespace xtest
