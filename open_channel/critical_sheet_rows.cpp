#include "open_channel/critical_sheet_rows.hpp"

namespace open_channel {

using frame::f5_3;
using frame::raised;

void critical_conditions_and_results(frame::Sheet& sh, const CriticalSheet& s, Single P, Columns columns,
                                     SideSlopeRow side_slope, Freeboard freeboard) {
  const ColumnTexts& c = column_texts(columns);
  sh.row({c.Q, f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({c.B, f5_3(s.B), " m"});
  sh.row({c.n, f5_3(s.n)});
  if (side_slope == SideSlopeRow::printed) sh.row({c.m, f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({c.Hc, f5_3(s.Hc), " m"});
  sh.row({c.A, f5_3(s.Ac), " m", raised("2")});
  sh.row({c.P, f5_3(P), " m"});
  sh.row({c.R, f5_3(s.Rc), " m"});
  sh.row({c.Vc, f5_3(s.Vc), " m/s"});
  sh.row({c.QD, f5_3(s.QDc), " m", raised("3"), "/s"});
  if (freeboard == Freeboard::drawn) sh.row({"　　［余裕高］                  Fbc =   ", f5_3(s.Fbc), " m"});
  sh.row({c.Ic, f5_3(s.Ic)});
}

}  // namespace open_channel
