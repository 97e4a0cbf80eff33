// The Japanese input method on a real X server (fcitx5 with mozc): the
// numeric fields of the single-section and culvert tools take no
// composition (velmora's side slope is left as the desktop sets it), the
// compound tools' fields and every title take one, and the Enter that
// confirms a composition moves nothing.
#include <X11/keysym.h>

#include "x_fixture.hpp"  // before any X header: gtest has its own None
#include "input_method.hpp"
#include "whole_case.hpp"

namespace xtest {
namespace {

// "くかん" in cp932, as the saved-input file holds the title.
const std::string kKukanCp932 = "\x82\xad\x82\xa9\x82\xf1";

class WithInputMethod : public OnXServer {
 protected:
  void SetUp() override {
    OnXServer::SetUp();
    if (IsSkipped()) return;
    if (!input_method_available()) GTEST_SKIP() << "fcitx5 with mozc is not installed";
    input_method_ = std::make_unique<InputMethod>(server(), as_);
    ASSERT_EQ(input_method_->problem(), "");
  }

  std::unique_ptr<ProgramUnderX> start_composing(const std::string& program) {
    return start(program, input_method_->environment(), &as_);
  }

  Unprivileged as_;
  std::unique_ptr<InputMethod> input_method_;
};

// In each field in turn: "kukann" and Enter. A field with the input method
// off takes the letters as they are and Enter moves on; a field with it on
// composes くかん, the Enter confirms it and moves nothing, and a second
// Enter moves on.
void type_kukan_everywhere(Keyboard& k, const ProgramUnderX& p, const InputMethod& im, int fields,
                           const std::function<bool(int)>& composes) {
  for (int field = 1; field <= fields; ++field) {
    ASSERT_EQ(type_and_move_on(p, im, k, "kukann", composes(field)), "") << "field " << field;
  }
}

struct NumericFieldsCase {
  std::string program;
  int fields;            // the title last
  int composing_number;  // a numeric field left to the desktop's setting, 0 for none
};

class NumericFields : public WithInputMethod, public ::testing::WithParamInterface<NumericFieldsCase> {};

TEST_P(NumericFields, TakeNoCompositionWhileTheTitleDoes) {
  const NumericFieldsCase& c = GetParam();
  auto program = start_composing(c.program);
  ASSERT_TRUE(program->started());
  Keyboard k = keys();
  ASSERT_NO_FATAL_FAILURE(type_kukan_everywhere(k, *program, *input_method_, c.fields, [&](int field) {
    return field == c.fields || field == c.composing_number;
  }));
  k.chord(XK_Alt_L, XK_e);
  ASSERT_EQ(program->wait_end(), 0);
  // Every number field got its text, and none kept its default: VAL of
  // letters or kana is 0. soberin's first number, Q, has no field.
  const std::vector<std::string> saved = program->saved_numbers();
  ASSERT_EQ(saved.size(), static_cast<size_t>(program->facts().numbers));
  for (size_t i = c.program == "soberin" ? 1 : 0; i < saved.size(); ++i) EXPECT_EQ(saved[i], "0") << "number " << i;
  EXPECT_EQ(program->saved_title(), kKukanCp932);
}

INSTANTIATE_TEST_SUITE_P(SingleSectionAndCulvert, NumericFields,
                         ::testing::Values(NumericFieldsCase{"velmora", 8, 5}, NumericFieldsCase{"drasin", 7, 0},
                                           NumericFieldsCase{"palwick", 5, 0}, NumericFieldsCase{"soberin", 4, 0}),
                         [](const auto& info) { return info.param.program; });

class CompoundFields : public WithInputMethod, public ::testing::WithParamInterface<std::string> {};

TEST_P(CompoundFields, EveryFieldTakesACompositionAndItsEnterMovesNothing) {
  auto program = start_composing(GetParam());
  ASSERT_TRUE(program->started());
  Keyboard k = keys();
  const int fields = program->facts().numbers + 1;
  ASSERT_NO_FATAL_FAILURE(type_kukan_everywhere(k, *program, *input_method_, fields, [](int) { return true; }));
  k.chord(XK_Alt_L, XK_e);
  ASSERT_EQ(program->wait_end(), 0);
  for (const std::string& n : program->saved_numbers()) EXPECT_EQ(n, "0");
  EXPECT_EQ(program->saved_title(), kKukanCp932);
}

INSTANTIATE_TEST_SUITE_P(Compound, CompoundFields, ::testing::Values("quorvel", "mestra"),
                         [](const auto& info) { return info.param; });

// Every window that had the keyboard (the print dialog, the about box, a
// message box, the menus) has the input method's link to it: 終了 saves and
// ends the program, and nothing of the window system or the input method is
// left to warn on its way out, after the application object.
TEST_F(WithInputMethod, QuitAfterAWholeCaseSavesAndEndsWithoutAWarning) {
  auto quorvel = start_composing("quorvel");
  ASSERT_TRUE(quorvel->started());
  ASSERT_EQ(work_a_whole_case(server(), *quorvel, *input_method_), "");
  Keyboard k = keys();
  k.chord(XK_Alt_L, XK_e);
  ASSERT_EQ(quorvel->wait_end(), 0);
  const std::string printed = quorvel->folder().read("program.log");
  EXPECT_EQ(printed.find("QObject::"), std::string::npos) << printed;
  EXPECT_EQ(printed.find("Timers can only be used"), std::string::npos) << printed;
  const std::vector<std::string> saved = quorvel->saved_numbers();
  ASSERT_EQ(saved.size(), 15u);
  EXPECT_EQ(saved[1], "132") << "I, typed before the boxes";
}

}  // namespace
}  // namespace xtest
