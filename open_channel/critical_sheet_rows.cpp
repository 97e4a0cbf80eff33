#include "open_channel/critical_sheet_rows.hpp"

namespace open_channel {

using frame::f5_3;
using frame::raised;

void critical_conditions_and_results(frame::Sheet& sh, const CriticalSheet& s, Single P, SideSlopeRow side_slope,
                                     Freeboard freeboard) {
  sh.row({"　　［計画流量］                Q   =   ", f5_3(s.Q), " m", raised("3"), "/s"});
  sh.row({"　　［水路敷幅］                B   =   ", f5_3(s.B), " m"});
  sh.row({"　　［粗度係数］                n   =   ", f5_3(s.n)});
  if (side_slope == SideSlopeRow::printed) sh.row({"　　［水路側法勾配］          1:m   = 1:", f5_3(s.m)});
  sh.empty_lines(1);
  sh.row({"（２）計算結果"});
  sh.row({"　　［限界水深］                Hc  =   ", f5_3(s.Hc), " m"});
  sh.row({"　　［流積］                    A   =   ", f5_3(s.Ac), " m", raised("2")});
  sh.row({"　　［潤辺］                    P   =   ", f5_3(P), " m"});
  sh.row({"　　［径深］                    R   =   ", f5_3(s.Rc), " m"});
  sh.row({"　　［限界流速］                Vc  =   ", f5_3(s.Vc), " m/s"});
  sh.row({"　　［逆算流量］                QD  =   ", f5_3(s.QDc), " m", raised("3"), "/s"});
  if (freeboard == Freeboard::drawn) sh.row({"　　［余裕高］                  Fbc =   ", f5_3(s.Fbc), " m"});
  sh.row({"　　［限界勾配］                Ic  = 1/", f5_3(s.Ic)});
}

}  // namespace open_channel
