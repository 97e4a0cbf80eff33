// What the compound sheet tests share: the sheet of quorvel or mestra as 計算
// leaves it for the default inputs (or for inputs a case changes).
#pragma once

#include <functional>

#include "compound/main_channel.hpp"
#include "compound/model.hpp"
#include "compound/sheet_values.hpp"
#include "runtime/printer/printer.hpp"

namespace compound_sheet_test {

using compound::CompoundSheet;
using compound::MainChannel;

inline constexpr MainChannel kQuorvel = MainChannel::trapezoid;
inline constexpr MainChannel kMestra = MainChannel::rectangle;

// The program's defaults (Q 3.45, I 200, B 0.8, h1 0.8, w 0.6, n1 0.016,
// n2..n4 0.03, m 0.3 in quorvel, m1 5, m2 1, m3 1, Fb+ 0.1, Fb* 0.07),
// changed by `change`, solved by the program's own calculation; title
// "SP0.00～SP1000.00", ヘッダ印刷 off, タイトル印刷 on, 明朝体印刷 off.
CompoundSheet solved_sheet(MainChannel channel, const std::function<void(compound::Model&)>& change = {});

using PageProcedure = void (*)(rt::Printer&, MainChannel, const CompoundSheet&);

}  // namespace compound_sheet_test
