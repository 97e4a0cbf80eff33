// Enter, Up and Down typed on a real X server, at a person's speed: every
// press moves once, after its release; a held key moves once, however long
// auto-repeat runs; a press that a dialog took moves nothing and leaves no
// key held.
#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "x_fixture.hpp"

namespace xtest {
namespace {

using namespace std::chrono_literals;

// Texts of saved numbers are compared as the singles they stand for
// (".47" and "0.47" are one value).
std::vector<float> as_singles(const std::vector<std::string>& texts) {
  std::vector<float> values;
  for (const std::string& t : texts) values.push_back(std::stof(t));
  return values;
}

// Waits for a window of the program's other than its main window (a
// dialog, a message box, the about box), closes it with an Enter as quick
// as a person's, and waits as a person does before the next key: until the
// dialog is gone and the main window is active again with the focus back
// in a field (where, returned through `focus`).
void close_with_quick_enter(const XServer& server, ProgramUnderX& p, Box* focus = nullptr) {
  const pid_t pid = p.process().pid();
  const Window dialog = server.wait_active_other(pid, p.facts().caption);
  ASSERT_NE(dialog, None) << "no dialog came up";
  Keyboard(server.display(), {3ms, 40ms}).tap(XK_Return);
  ASSERT_TRUE(server.wait_gone(pid, dialog)) << "the Enter did not close it";
  ASSERT_NE(server.wait_active(pid, p.facts().caption), None);
  const std::optional<Box> shown = p.wait_focus_shown();
  ASSERT_TRUE(shown) << "the focus did not come back to a field";
  if (focus) *focus = *shown;
}

// Down, and the wait of a person who sees the focus leave the field first.
void move_down(Keyboard& k, const ProgramUnderX& p, const Box& from) {
  k.tap(XK_Down);
  ASSERT_TRUE(p.wait_focus_moved(from)) << "Down did not move the focus";
}

void end_by_menu(Keyboard& k, ProgramUnderX& p) {
  k.chord(XK_Alt_L, XK_e);  // 終了
  ASSERT_EQ(p.wait_end(), 0) << "終了 did not end the program";
}

// Each value typed with quick keys, then Enter, and the wait of a person
// who sees the focus arrive in the next field before typing on.
TEST_F(OnXServer, AWholeCompoundCaseTypedQuicklyLandsEveryValueInItsOwnField) {
  auto quorvel = start("quorvel");
  ASSERT_TRUE(quorvel->started());
  const std::vector<std::string> values = {"5.058", "132",   "0.47", "0.67", "2.03", "0.016", "0.039", "0.033",
                                           "0.036", "0.5",   "7.6",  "0.7",  "1.6",  "0.19",  "0.07"};
  Keyboard k = keys({15ms, 40ms});
  std::optional<Box> focus = quorvel->wait_focus_shown();
  ASSERT_TRUE(focus);
  auto enter_and_wait = [&] {
    k.tap(XK_Return);
    focus = quorvel->wait_focus_moved(*focus);
    ASSERT_TRUE(focus) << "Enter did not move the focus";
  };
  for (const std::string& v : values) {
    k.retype(v);
    ASSERT_NO_FATAL_FAILURE(enter_and_wait());
  }
  k.retype("case one");
  ASSERT_NO_FATAL_FAILURE(enter_and_wait());  // from the title back to the first field
  end_by_menu(k, *quorvel);
  EXPECT_EQ(as_singles(quorvel->saved_numbers()), as_singles(values));
  EXPECT_EQ(quorvel->saved_title(), "case one");
}

TEST_F(OnXServer, ShortTapsInTheLastFieldsOfALongTableStillMove) {
  // A tap shorter than one pass over fourteen fields, as the loop compares
  // each after a pause.
  auto quorvel = start("quorvel");
  ASSERT_TRUE(quorvel->started());
  // Where each field shows the focus, met once around at a person's pace.
  std::vector<Box> fields;
  Keyboard walk = keys();
  for (std::optional<Box> at = quorvel->wait_focus_shown(); at && (fields.empty() || *at != fields.front());
       at = quorvel->wait_focus_moved(*at)) {
    fields.push_back(*at);
    walk.tap(XK_Return);
  }
  ASSERT_EQ(fields.size(), 16u) << "fifteen numbers and the title, then the first field again";

  Keyboard k = keys({5ms, 30ms});
  for (int i = 0; i < 13; ++i) k.tap(XK_Return);
  ASSERT_TRUE(quorvel->wait_focus_at(fields[13])) << "13 taps lead to field 14";
  k.retype("9");  // field 14: Fb+
  end_by_menu(k, *quorvel);
  const auto saved = quorvel->saved_numbers();
  ASSERT_EQ(saved.size(), 15u);
  EXPECT_EQ(saved[13], "9");
  EXPECT_EQ(saved[12], "1") << "field 13 keeps its value";
}

TEST_F(OnXServer, DownHeldWithAutoRepeatMovesOnce) {
  auto mestra = start("mestra");
  ASSERT_TRUE(mestra->started());
  Keyboard k = keys();
  const std::optional<Box> in_Q = mestra->wait_focus_shown();
  ASSERT_TRUE(in_Q);
  k.hold(XK_Down, 1500ms);  // past the X server's repeat delay of 660 ms
  ASSERT_TRUE(mestra->wait_focus_moved(*in_Q)) << "the held Down did not move the focus";
  k.retype("9");
  end_by_menu(k, *mestra);
  const auto saved = mestra->saved_numbers();
  ASSERT_EQ(saved.size(), 14u);
  EXPECT_EQ(saved[0], "3.45");
  EXPECT_EQ(saved[1], "9") << "one move: from Q to I";
  EXPECT_EQ(saved[2], ".8");
}

TEST_F(OnXServer, QuickEntersInThePrintDialogAndTheAboutBoxLeaveNoKeyHeld) {
  auto soberin = start("soberin");
  ASSERT_TRUE(soberin->started());
  Keyboard k = keys();
  k.chord(XK_Alt_L, XK_c);  // 計算
  k.chord(XK_Alt_L, XK_p);  // 印刷: the print dialog, printing to a PDF file
  Box focus{};
  ASSERT_NO_FATAL_FAILURE(close_with_quick_enter(server(), *soberin, &focus));

  // 計算 left the focus on the window; as the dialog closes, the window
  // gives it to its first field (I). Down moves once.
  ASSERT_NO_FATAL_FAILURE(move_down(k, *soberin, focus));
  k.retype("7");

  k.chord(XK_Alt_L, XK_h);  // ﾍﾙﾌﾟ
  k.tap(XK_a);              // ﾊﾞｰｼﾞｮﾝ情報
  ASSERT_NE(server().wait_active(soberin->process().pid(), "ﾊﾞｰｼﾞｮﾝ情報"), None) << "the about box opens";
  ASSERT_NO_FATAL_FAILURE(close_with_quick_enter(server(), *soberin, &focus));  // its OK
  ASSERT_NO_FATAL_FAILURE(move_down(k, *soberin, focus));
  k.retype("8");
  end_by_menu(k, *soberin);

  EXPECT_TRUE(soberin->folder().exists("print.pdf"));
  const auto saved = soberin->saved_numbers();
  ASSERT_EQ(saved.size(), 4u);
  // Hidden Q, then I, D, n; the title last.
  EXPECT_EQ(saved[1], "200");
  EXPECT_EQ(saved[2], "7") << "Down from I to D";
  EXPECT_EQ(saved[3], "8") << "Down once more to n";
}

TEST_F(OnXServer, AQuickEnterThatClosesAMessageBoxMovesNothing) {
  auto velmora = start("velmora");
  ASSERT_TRUE(velmora->started());
  Keyboard k = keys();
  k.retype("0");            // Q = 0 is refused
  k.chord(XK_Alt_L, XK_c);  // 計算: "[ Q > 0 ] にしてください" under 入力エラー
  Box focus{};
  ASSERT_NO_FATAL_FAILURE(close_with_quick_enter(server(), *velmora, &focus));  // its OK
  ASSERT_NO_FATAL_FAILURE(move_down(k, *velmora, focus));  // the focus is back in Q: one move, to I
  k.retype("7");
  end_by_menu(k, *velmora);
  const auto saved = velmora->saved_numbers();
  ASSERT_EQ(saved.size(), 7u);
  EXPECT_EQ(saved[0], "0");
  EXPECT_EQ(saved[1], "7");
  EXPECT_EQ(saved[2], ".3");
}

// ﾄﾋﾟｯｸの検索 on a desktop whose opener finds no viewer (it ends with 3, "no
// method available"): the program says so, and goes on.
TEST_F(OnXServer, TheHelpSaysSoWhenTheDesktopFindsNoViewer) {
  testing_support::TempDir bin;
  bin.write("xdg-open", "#!/bin/sh\necho \"$1\" > \"$HOME/opened\"\n"
                        "echo \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
  std::filesystem::permissions(bin.file("xdg-open"), std::filesystem::perms::owner_all);
  auto velmora = start("velmora", {{"PATH", bin.path().string() + ":" + std::getenv("PATH")}});
  ASSERT_TRUE(velmora->started());
  velmora->folder().write("lom.hlp", "<html><body>help</body></html>");
  Keyboard k = keys();
  k.chord(XK_Alt_L, XK_h);  // ﾍﾙﾌﾟ
  k.tap(XK_h);              // ﾄﾋﾟｯｸの検索
  const Window box = server().wait_active_other(velmora->process().pid(), velmora->facts().caption);
  ASSERT_NE(box, None) << "no message box came up";
  EXPECT_EQ(server().title_of(box), "ﾄﾋﾟｯｸの検索");
  EXPECT_NE(velmora->folder().read("opened").find("/lom."), std::string::npos) << "the opener was given the help";
  ASSERT_NO_FATAL_FAILURE(close_with_quick_enter(server(), *velmora));
  end_by_menu(k, *velmora);
}

}  // namespace
}  // namespace xtest
