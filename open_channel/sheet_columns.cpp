#include "open_channel/sheet_columns.hpp"

namespace open_channel {

// clang-format off
const ColumnTexts& column_texts(Columns columns) {
  static constexpr ColumnTexts narrow{
      .Q  = "　　［計画流量］                Q  =   ",
      .I  = "　　［水路勾配］                I  = 1/",
      .B  = "　　［水路敷幅］                B  =   ",
      .n  = "　　［粗度係数］                n  =   ",
      .m  = "　　［水路側法勾配］          1:m  = 1:",
      .H  = "　　［水深］                    H  =   ",
      .Hc = "　　［限界水深］                Hc =   ",
      .A  = "　　［流積］                    A  =   ",
      .P  = "　　［潤辺］                    P  =   ",
      .R  = "　　［径深］                    R  =   ",
      .V  = "　　［流速］                    V  =   ",
      .Vc = "　　［限界流速］                Vc =   ",
      .QD = "　　［逆算流量］                QD =   ",
      .Fr = "　　［フルード数］              Fr =   ",
      .Ic = "　　［限界勾配］                Ic = 1/",
      .R_formula  = "            R  = A／P =",
      .V_formula  = "            V  = 1／n × I",
      .V_worked   = "               = 1／",
      .QD_formula = "            QD = A × V =",
      .worked     = "               =",
      .hv_formula = "            hv = V",
  };
  static constexpr ColumnTexts wide{
      .Q  = "　　［計画流量］                Q   =   ",
      .I  = "　　［水路勾配］                I   = 1/",
      .B  = "　　［水路敷幅］                B   =   ",
      .n  = "　　［粗度係数］                n   =   ",
      .m  = "　　［水路側法勾配］          1:m   = 1:",
      .H  = "　　［水深］                    H   =   ",
      .Hc = "　　［限界水深］                Hc  =   ",
      .A  = "　　［流積］                    A   =   ",
      .P  = "　　［潤辺］                    P   =   ",
      .R  = "　　［径深］                    R   =   ",
      .V  = "　　［流速］                    V   =   ",
      .Vc = "　　［限界流速］                Vc  =   ",
      .QD = "　　［逆算流量］                QD  =   ",
      .Fr = "　　［フルード数］              Fr  =   ",
      .Ic = "　　［限界勾配］                Ic  = 1/",
      .R_formula  = "            R   = A／P =",
      .V_formula  = "            V   = 1／n × I",
      .V_worked   = "                = 1／",
      .QD_formula = "            QD  = A × V =",
      .worked     = "                =",
      .hv_formula = "            hv  = V",
  };
  return columns == Columns::narrow ? narrow : wide;
}
// clang-format on

}  // namespace open_channel
