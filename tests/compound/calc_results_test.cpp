// Whole results of CALC, as the window and the sheet show them (three-decimal
// texts), for the default inputs and for the cases that take the other
// branches: the supercritical freeboard with sloped and with vertical walls,
// the single-section end of the search, and banks that differ.
#include <gtest/gtest.h>

#include "calc_call.hpp"
#include "frame/number_display.hpp"

namespace compound_test {
namespace {

struct ResultCase {
  const char* name;
  Tool tool;
  CompoundInputs in;
  std::array<const char*, kOutputCount> texts;  // in kOutputNames order
};

// The outputs below were confirmed by an independent model that stores
// every statement of the calculation as a single.
// clang-format off
const ResultCase kResults[] = {
    {"QuorvelDefaults", Tool::quorvel, kDefaults,
     {"0.800", "3.454", "3.170", "0.142", "0.142", "2.958", "1.280", "0.839", "0.839", "1.069", "0.239", "0.030",
      "1.538", "1.176", "0.181", "0.181", "2.470", "0.939", "0.939", "0.476", "0.193", "0.193", "0.016", "0.030",
      "0.030", "0.023", "2.246", "2.695", "0.787", "0.787", "0.520", "0.257", "0.995", "0.432", "0.000"}},
    {"MestraDefaults", Tool::mestra, kDefaults,
     {"0.800", "3.454", "2.602", "0.426", "0.426", "2.922", "0.800", "1.061", "1.061", "1.291", "0.461", "0.030",
      "1.817", "1.033", "0.392", "0.392", "2.400", "1.253", "1.253", "0.430", "0.313", "0.313", "0.016", "0.030",
      "0.030", "0.024", "1.901", "2.519", "1.086", "1.086", "0.622", "0.184", "0.770", "0.375", "0.000"}},
    // Fr ≥ 1 with walls at 1:0.3: Fb = 0.13 · V · H^0.5.
    {"QuorvelSupercritical", Tool::quorvel, {10, 20, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     {"0.800", "10.003", "9.325", "0.339", "0.339", "2.880", "1.280", "0.800", "0.800", "1.030", "0.200", "0.030",
      "1.424", "1.126", "0.149", "0.149", "2.470", "0.884", "0.884", "0.456", "0.169", "0.169", "0.016", "0.030",
      "0.030", "0.022", "7.025", "8.279", "2.275", "2.275", "0.494", "2.518", "3.191", "0.927", "0.000"}},
    // Vertical walls: Fb = 0.10 · V · H^0.5.
    {"MestraSupercritical", Tool::mestra, {10, 20, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, 0, 5, 1, 1, 0.1f, 0.07f},
     {"0.800", "10.011", "7.755", "1.128", "1.128", "2.832", "0.800", "1.016", "1.016", "1.246", "0.416", "0.030",
      "1.687", "0.997", "0.345", "0.345", "2.400", "1.189", "1.189", "0.415", "0.290", "0.290", "0.016", "0.030",
      "0.030", "0.024", "5.934", "7.780", "3.267", "3.267", "0.596", "1.797", "2.456", "0.662", "0.000"}},
    // The water at the berm edges already carries Q: state 2, h2 = 0.
    {"QuorvelSingleSection", Tool::quorvel, {1, 200, 0.8f, 0.8f, 0.6f, 0.016f, 0.03f, 0.03f, 0.03f, 0.3f, 5, 1, 1, 0.1f, 0.07f},
     {"0.800", "1.921", "1.919", "0.001", "0.001", "2.480", "1.280", "0.600", "0.600", "0.830", "0.000", "0.030",
      "0.888", "0.870", "0.009", "0.009", "2.470", "0.601", "0.601", "0.352", "0.015", "0.015", "0.016", "0.030",
      "0.030", "0.021", "2.163", "2.205", "0.143", "0.143", "0.358", "0.239", "1.155", "0.256", "2.000"}},
    // Differing banks; N2 and N3 share the berm floor term.
    {"QuorvelUnequalBanks", Tool::quorvel, {8, 500, 1.2f, 1.0f, 1.5f, 0.015f, 0.03f, 0.04f, 0.025f, 0.5f, 2, 0.5f, 2, 0.1f, 0.07f},
     {"1.000", "8.002", "6.859", "0.488", "0.655", "6.263", "2.200", "1.713", "2.350", "1.455", "0.425", "0.030",
      "4.247", "2.701", "0.705", "0.841", "3.436", "1.975", "2.451", "0.786", "0.357", "0.343", "0.015", "0.033",
      "0.028", "0.024", "1.884", "2.539", "0.692", "0.779", "0.678", "0.181", "0.731", "0.383", "0.000"}},
    // W2 whose thousandfold lies on a rounding tie: 2.216, and so Fr 0.994.
    {"QuorvelWidthOnATie", Tool::quorvel, {5.058f, 132, 0.47f, 0.67f, 2.03f, 0.016f, 0.039f, 0.033f, 0.036f, 0.5f, 7.6f, 0.7f, 1.6f, 0.19f, 0.07f},
     {"0.670", "5.061", "3.564", "0.742", "0.755", "5.810", "1.140", "2.216", "2.454", "1.089", "0.265", "0.154",
      "2.487", "1.017", "0.719", "0.751", "1.968", "2.359", "2.536", "0.517", "0.305", "0.296", "0.016", "0.038",
      "0.038", "0.033", "2.035", "3.504", "1.032", "1.006", "0.428", "0.211", "0.994", "0.478", "0.000"}},
};
// clang-format on

class CalcResults : public testing::TestWithParam<ResultCase> {};

TEST_P(CalcResults, ShowsEveryValueToThreeDecimals) {
  const ResultCase& c = GetParam();
  const CompoundRun r = run_calc(c.tool, c.in);
  ASSERT_EQ(r.status, frame::SolveStatus::solved);
  for (int k = 0; k < kOutputCount; ++k) {
    EXPECT_EQ(frame::CHR_TO_STR(r.out[k]), c.texts[k]) << kOutputNames[k];
  }
}

INSTANTIATE_TEST_SUITE_P(Compound, CalcResults, testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace compound_test
