// What changes the compound sheet: the options (header and heading on page
// 1 only, the face on every page), the Froude number as printed (the flow
// state texts and which freeboard lines), the freeboard coefficient of
// vertical walls, and values too wide for their fields.
#include <gtest/gtest.h>

#include <functional>

#include "compound/sheet_pages.hpp"
#include "compound_sheet_support.hpp"
#include "page_lines.hpp"
#include "recorded_page.hpp"

namespace {

using namespace compound_sheet_test;
using namespace sheet_test;

const PageProcedure kAllPages[] = {compound::PAGE1, compound::PAGE2, compound::PAGE3};

bool has_line(const rt::Recorder& page, const std::string& part) {
  return find_line(printed_lines(page), part) != nullptr;
}

TEST(CompoundSheetOptions, HeaderAndHeadingChangeOnlyTheTopOfPage1) {
  for (const MainChannel channel : {kQuorvel, kMestra}) {
    const CompoundSheet plain = solved_sheet(channel);
    for (const auto& [header, title] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{1, 0}}) {
      CompoundSheet sheet = plain;
      sheet.opt_header = header;
      sheet.opt_title = title;
      const auto lines = printed_lines(record_page(compound::PAGE1, channel, sheet));
      const auto* header_line = find_line(lines, "SP0.00～SP1000.00");
      ASSERT_EQ(header_line != nullptr, header == 1);
      if (header_line) {
        EXPECT_EQ(header_line->text, std::string(18, ' ') + "SP0.00～SP1000.00");
        EXPECT_EQ(header_line->y, 78);
      }
      EXPECT_EQ(find_line(lines, "Morvath書") != nullptr, title == 1);
      EXPECT_EQ(find_line(lines, "（１）計算条件")->y, 321) << "the options never move the sections";
      EXPECT_EQ(find_line(lines, "（３）計算結果")->y, 1853);
      for (const PageProcedure page : {compound::PAGE2, compound::PAGE3}) {
        EXPECT_EQ(record_page(page, channel, sheet).dump(), record_page(page, channel, plain).dump())
            << "pages 2 and 3 have neither header nor heading";
      }
    }
  }
}

TEST(CompoundSheetOptions, MinchoChangesTheFaceOfEveryTextOnEveryPage) {
  CompoundSheet mincho = solved_sheet(kQuorvel);
  mincho.opt_mincho = 1;
  CompoundSheet other = mincho;
  other.opt_mincho = 2;  // only 1 counts as ticked
  for (const PageProcedure page : kAllPages) {
    const rt::Recorder recorded = record_page(page, kQuorvel, mincho);
    for (const rt::TextOp& t : recorded.texts()) EXPECT_EQ(t.font.face, "ＭＳ 明朝") << t.text;
    for (const rt::TextOp& t : record_page(page, kQuorvel, other).texts())
      EXPECT_EQ(t.font.face, "ＭＳ ゴシック") << t.text;
    EXPECT_EQ(printed_texts(recorded), printed_texts(record_page(page, kQuorvel, solved_sheet(kQuorvel))));
  }
}

// The flow state and the freeboard lines follow the Froude number as
// printed (rounded); the freeboard value is the one the solver chose from
// the unrounded number, so a printed 1.000 from just below 1 shows the
// subcritical value under the supercritical formula on page 3, as the sheet
// has it.
TEST(CompoundSheetFroudeNumber, StateAndFreeboardLinesFollowThePrintedValue) {
  struct Case {
    const char* name;
    MainChannel channel;
    std::function<void(compound::Model&)> change;
    std::vector<std::string> page2;
    std::vector<std::string> page3;
    bool velocity_head;
  };
  const Case cases[] = {
      {"quorvel Q 3.33, Fr 0.999",
       kQuorvel,
       [](compound::Model& m) { m.q_discharge = 3.33f; },
       {"Fr  =   0.999　＜　1　常流", "　　［余裕高(常流式)］              Fb  =   0.428 m"},
       {" =   0.999 ＜ 1.0  (常流)", "　　［余裕高(常流式)］",
        "        Fb =   0.070×H＋hv＋  0.100 =   0.070×  1.053＋  0.255＋  0.100 =   0.428 m"},
       true},
      {"quorvel Q 3.32, Fr 1.000",
       kQuorvel,
       [](compound::Model& m) { m.q_discharge = 3.32f; },
       {"Fr  =   1.000　=　1　限界流", "　　［余裕高(常流式)］              Fb  =   0.428 m"},
       {" =   1.000 = 1.0  (限界流)", "　　［余裕高(射流式)］",
        "        Fb = 0.13×V×H^(1/2) = 0.13×  2.233×  1.052^(1/2) =   0.428 m"},
       false},
      {"quorvel Q 3.34, Fr 1.001",
       kQuorvel,
       [](compound::Model& m) { m.q_discharge = 3.34f; },
       {"Fr  =   1.001　＞　1　射流", "　　［余裕高(射流式)］              Fbc =   0.299 m"},
       {" =   1.001 ＞ 1.0  (射流)", "　　［余裕高(射流式)］",
        "        Fb = 0.13×V×H^(1/2) = 0.13×  2.237×  1.054^(1/2) =   0.299 m"},
       false},
      // Vertical walls: quorvel with m = 0, and mestra always.
      {"quorvel m 0, Q 1",
       kQuorvel,
       [](compound::Model& m) {
         m.q_discharge = 1.0f;
         m.side_slope = 0.0f;
       },
       {"Fr  =   1.001　＞　1　射流", "Fbc =   0.167 m"},
       {"        Fb = 0.10×V×H^(1/2) = 0.10×  1.830×  0.830^(1/2) =   0.167 m"},
       false},
      {"mestra Q 1",
       kMestra,
       [](compound::Model& m) { m.q_discharge = 1.0f; },
       {"Fr  =   1.001　＞　1　射流", "Fbc =   0.167 m"},
       {"        Fb = 0.10×V×H^(1/2) = 0.10×  1.830×  0.830^(1/2) =   0.167 m"},
       false},
  };
  for (const Case& c : cases) {
    const CompoundSheet sheet = solved_sheet(c.channel, c.change);
    const rt::Recorder page2 = record_page(compound::PAGE2, c.channel, sheet);
    const rt::Recorder page3 = record_page(compound::PAGE3, c.channel, sheet);
    for (const std::string& part : c.page2) EXPECT_TRUE(has_line(page2, part)) << c.name << ": " << part;
    for (const std::string& part : c.page3) EXPECT_TRUE(has_line(page3, part)) << c.name << ": " << part;
    EXPECT_EQ(has_line(page3, "［速度水頭］"), c.velocity_head) << c.name;
    EXPECT_EQ(has_line(page3, "［余裕高(常流式)］"), c.velocity_head) << c.name;
  }
}

// Page 1's conditions hold up to 9999.999 ("####.###"); every other field
// ("###.###") overflows from 1000 on, prints "%" and the number, and pushes
// the rest of its line to the right.
TEST(CompoundSheetFields, ValuesTooWideForTheirFieldsPrintWithThePercentMark) {
  CompoundSheet sheet = solved_sheet(kQuorvel);
  sheet.Q = 9999.999f;
  sheet.I = 1000.0f;
  sheet.H = 1000.0f;
  sheet.V1 = 1234.5f;
  sheet.Q2 = -99.5f;
  const std::string M(12, ' ');
  const rt::Recorder page1 = record_page(compound::PAGE1, kQuorvel, sheet);
  const rt::Recorder page2 = record_page(compound::PAGE2, kQuorvel, sheet);
  const rt::Recorder page3 = record_page(compound::PAGE3, kQuorvel, sheet);
  EXPECT_TRUE(has_line(page1, "Q   =   9999.999 m^(3)/s"));
  EXPECT_TRUE(has_line(page1, "I   =  1/1000.000"));
  EXPECT_TRUE(has_line(page1, "H   =  h1+h2+h3  =  %1000 m"));
  EXPECT_TRUE(has_line(page2, "V1  = %1234.5 m/s"));
  EXPECT_TRUE(has_line(page2, "Q2  = -99.500 m^(3)/s"));
  EXPECT_TRUE(has_line(page3, "        H  = h1＋h2＋h3 =   0.800＋  0.239＋  0.030 = %1000 m"));
}

}  // namespace
