// Sections (1) and (2) of the critical-flow sheets of velmora and drasin:
// drasin's have no side-slope row, the sheets without freeboard no
// freeboard row, and drasin's 余裕高なし sheet prints them in the narrow
// column; every other text, field and place is the same.
#pragma once

#include "frame/sheet.hpp"
#include "open_channel/sheet_columns.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/sheet_values.hpp"

namespace open_channel {

// From the first row under "（１）計算条件" to the critical slope, the last row
// of "（２）計算結果"; P is the wetted perimeter the page worked out. With
// Freeboard::drawn (余裕高あり) the freeboard Fbc stands between the
// back-calculated discharge and the critical slope.
void critical_conditions_and_results(frame::Sheet& sh, const CriticalSheet& s, Single P, Columns columns,
                                     SideSlopeRow side_slope, Freeboard freeboard);

}  // namespace open_channel
