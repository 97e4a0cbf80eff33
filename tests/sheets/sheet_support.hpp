// What the sheet tests share: the sheet values of velmora and drasin for
// their default inputs as 計算 leaves them (the uniform-flow solver for Q and
// for 1.2·Q, the critical-flow solver for Q).
#pragma once

#include "open_channel/model.hpp"
#include "open_channel/print_drivers.hpp"
#include "open_channel/sheet_values.hpp"

namespace sheet_test {

// Q 0.06, I 200, B 0.3, n 0.016, m 0.3 (velmora), Fb+ 0.1, Fb* 0.07, the
// default title; ヘッダ印刷 off, タイトル印刷 on, 明朝体印刷 off, 1.2Q水深の印刷
// off.
open_channel::Model velmora_default_model();
open_channel::Model drasin_default_model();

open_channel::UniformSheet velmora_default_sheet();
open_channel::CriticalSheet velmora_default_critical_sheet();
open_channel::UniformSheet drasin_default_sheet();
open_channel::CriticalSheet drasin_default_critical_sheet();

}  // namespace sheet_test
