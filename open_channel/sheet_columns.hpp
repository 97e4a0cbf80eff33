// The two columns of the "=" on the calculation sheets of velmora and
// drasin. The labels of sections (1) and (2), and the formulas of section
// (4) that both programs share, have the same texts on every sheet but for
// the blanks before the "=": narrow, or wide (one blank further right).
// velmora's 常流+射流余裕高 sheet prints both sections wide, drasin's prints
// (1) and (2) narrow and (4) wide, the other uniform-flow sheets print both
// narrow. The critical-flow sheets print (1) and (2) wide, drasin's 余裕高なし
// sheet excepted, which prints them narrow.
#pragma once

#include <string_view>

namespace open_channel {

enum class Columns { narrow, wide };

// The texts of one column, each up to the first number or raised mark
// that follows it.
struct ColumnTexts {
  // "（１）計算条件": the conditions.
  std::string_view Q, I, B, n, m;
  // "（２）計算結果": the results of the uniform flow (H, V, Fr) or of the
  // critical flow (Hc, Vc, Ic), and those of both.
  std::string_view H, Hc, A, P, R, V, Vc, QD, Fr, Ic;
  // "（４）計算": the formulas of the uniform-flow sheets, and the starts of
  // the worked lines under them (the velocity's, then the others').
  std::string_view R_formula, V_formula, V_worked, QD_formula, worked, hv_formula;
};

const ColumnTexts& column_texts(Columns columns);

// The side slope is a condition of velmora's trapezoid only.
enum class SideSlopeRow { printed, left_out };

}  // namespace open_channel
