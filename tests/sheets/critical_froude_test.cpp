// The critical-flow sheets receive the Froude number of the uniform flow,
// not the critical one, beside the critical values, and print it nowhere:
// their pages state the critical condition Fr = 1 instead.
#include <gtest/gtest.h>

#include "open_channel/drasin_sheets.hpp"
#include "open_channel/velmora_sheets.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"
#include "sheet_support.hpp"

namespace {

TEST(CriticalSheets, ReceiveTheUniformFlowsFroudeNumber) {
  const open_channel::Model velmora = sheet_test::velmora_default_model();
  EXPECT_EQ(velmora.froude_fr, 0.739f);
  EXPECT_EQ(velmora.crit_froude_frc, 1.0f);
  EXPECT_EQ(open_channel::critical_sheet(velmora).Fr, 0.739f);
  EXPECT_EQ(open_channel::critical_sheet(velmora).Frc, 1.0f);
  const open_channel::Model drasin = sheet_test::drasin_default_model();
  EXPECT_EQ(open_channel::critical_sheet(drasin).Fr, 0.597f);
}

TEST(CriticalSheets, PrintNoFroudeNumberOnlyTheCriticalCondition) {
  struct Case {
    const char* name;
    open_channel::CriticalPage page;
    open_channel::CriticalSheet sheet;
    const char* uniform_fr;
  };
  const Case cases[] = {
      {"velmora SY_PAGE1", open_channel::velmora::SY_PAGE1, sheet_test::velmora_default_critical_sheet(), "0.739"},
      {"velmora SN_PAGE1", open_channel::velmora::SN_PAGE1, sheet_test::velmora_default_critical_sheet(), "0.739"},
      {"drasin SY_PAGE1", open_channel::drasin::SY_PAGE1, sheet_test::drasin_default_critical_sheet(), "0.597"},
      {"drasin SN_PAGE1", open_channel::drasin::SN_PAGE1, sheet_test::drasin_default_critical_sheet(), "0.597"},
  };
  for (const Case& c : cases) {
    const auto lines = sheet_test::printed_lines(sheet_test::record_page(c.page, c.sheet));
    EXPECT_EQ(sheet_test::find_line(lines, c.uniform_fr), nullptr) << c.name;
    EXPECT_EQ(sheet_test::find_line(lines, "［フルード数］"), nullptr) << c.name;
    EXPECT_EQ(sheet_test::find_line(lines, "1.000"), nullptr) << c.name << ": no Frc";
  }
}

}  // namespace
