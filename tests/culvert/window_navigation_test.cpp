// Keyboard navigation of palwick and soberin: their own field orders, and
// the input reset that every move runs first.
#include <gtest/gtest.h>

#include "drive_checks.hpp"
#include "drive_run.hpp"
#include "window_labels.hpp"

namespace {

using testing_support::drive;
using testing_support::focus_after;
using testing_support::Labels;
using testing_support::TempDir;

TEST(CulvertNavigation, EnterAndDownFollowEachProgramsFieldOrder) {
  struct Case {
    const char* program;
    const char* script;
    const char* focus;
  };
  const Case cases[] = {
      {"palwick", "key Enter\n", "EDIT2"},
      {"palwick", "key Enter\nkey Enter\nkey Enter\nkey Enter\n", "EDIT7"},
      {"palwick", "click EDIT7\nkey Enter\n", "EDIT1"},
      {"palwick", "key Up\n", "EDIT1"},
      {"palwick", "click EDIT7\nkey Up\n", "EDIT4"},
      {"soberin", "key Enter\n", "EDIT3"},
      {"soberin", "key Enter\nkey Enter\n", "EDIT4"},
      {"soberin", "key Enter\nkey Down\nkey Enter\n", "EDIT7"},
      {"soberin", "key Enter\nkey Enter\nkey Enter\nkey Enter\n", "EDIT2"},
      {"soberin", "key Up\n", "EDIT2"},
      {"soberin", "click EDIT7\nkey Up\nkey Up\nkey Up\nkey Up\n", "EDIT2"},
      {"soberin", "click EDIT4\nmenu INPDATA\n", "EDIT2"},
  };
  for (const Case& c : cases) EXPECT_EQ(focus_after(c.program, c.script), c.focus) << c.program << ": " << c.script;
}

TEST(CulvertNavigation, EveryMoveClearsTheResultsAndTheRedLines) {
  TempDir dir;
  // An undersized pipe for the uniform flow fills the red line; Enter then
  // clears everything, the red lines included.
  const auto run = drive(dir, "palwick", "type EDIT2 1000\nmenu CALC\ndump\nkey Enter\ndump\n");
  ASSERT_EQ(run.dump(0).at("TEXT28"), "<< 常流時 管径不足 >>");
  const Labels after = run.dump(1);
  for (const char* label : {"TEXT23", "TEXT24", "TEXT25", "TEXT26", "TEXT27", "TEXT77", "TEXT78", "TEXT30",
                            "TEXT31", "TEXT32", "TEXT33", "TEXT34", "TEXT35", "TEXT36", "TEXT45", "TEXT46",
                            "TEXT47", "TEXT48", "TEXT49", "TEXT50"}) {
    EXPECT_EQ(after.at(label), "0.000") << label;
  }
  for (const char* label : {"TEXT41", "TEXT28", "TEXT29"}) EXPECT_EQ(after.at(label), "") << label;
  EXPECT_EQ(after.at("menu PRNT"), "grey");
  EXPECT_EQ(after.at("menu JYORYU"), "grey") << "the items keep the last calculation's states";
  EXPECT_EQ(after.at("menu GENKAIRYU"), "enabled");

  const auto soberin = drive(dir, "soberin", "menu CALC\nkey Down\ndump\n").dump();
  for (const char* label : {"TEXT23", "TEXT24", "TEXT25", "TEXT26", "TEXT27", "TEXT77", "TEXT35", "TEXT45",
                            "TEXT48", "TEXT49", "TEXT50"}) {
    EXPECT_EQ(soberin.at(label), "0.000") << label;
  }
  EXPECT_EQ(soberin.at("TEXT41"), "");
  EXPECT_EQ(soberin.at("menu PRNT"), "grey");
}

}  // namespace
