// The rows that the six uniform-flow sheets of velmora and drasin share:
// sections (1) and (2), and in section (4) the depth, the hydraulic radius,
// the velocity, the back-calculated discharge, the velocity head and the
// freeboard Fb. Each prints them with the same texts, fields and places in
// its column (sheet_columns.hpp).
#pragma once

#include <optional>
#include <string_view>

#include "frame/sheet.hpp"
#include "open_channel/sheet_columns.hpp"
#include "open_channel/sheet_sketch.hpp"
#include "open_channel/sheet_values.hpp"

namespace open_channel {

// The freeboard line of section (2) as a page prints it: the label up to
// the value, and the value.
struct FreeboardResult {
  std::string_view label;
  Single value;
};

// From the first row under "（１）計算条件" to the Froude number, the last
// row of "（２）計算結果"; P is the wetted perimeter the page worked out. The
// freeboard line, when there is one, stands between the back-calculated
// discharge and the Froude number.
void uniform_conditions_and_results(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns,
                                    SideSlopeRow side_slope, std::optional<FreeboardResult> freeboard);

// "　　［水深］" and the depth, the first rows of section (4), with the
// depth at 1.2·Q when opt_print_h12 is 1; in the narrow column on every
// sheet.
void depth_rows(frame::Sheet& sh, const UniformSheet& s);

// From "　　［径深］" to the back-calculated discharge with "≧ Q". The sheets
// without freeboard (Freeboard::not_drawn) print the velocity formula's
// "×R" without blanks, the others " × R".
void radius_velocity_discharge_rows(frame::Sheet& sh, const UniformSheet& s, Single P, Columns columns,
                                    Freeboard freeboard);

// "　　［速度水頭］" hv = V²/(2g) with its numbers: the sheets with a
// freeboard.
void velocity_head_rows(frame::Sheet& sh, const UniformSheet& s, Columns columns);

// "　　［余裕高］" Fb = Fb*·H + hv + Fb+ with its numbers: the 余裕高あり
// sheets, in the narrow column.
void freeboard_rows(frame::Sheet& sh, const UniformSheet& s);

}  // namespace open_channel
