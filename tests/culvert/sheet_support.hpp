// What the culvert sheet tests share: the models that 計算 leaves with the
// programs' default inputs.
#pragma once

#include "culvert/model.hpp"

namespace culvert_sheet {

// palwick after 計算 with Q 0.3, I 200, D 0.6, n 0.016 (both solutions), and
// soberin with I 200, D 0.6, n 0.013 (Q 0.3); both with the default title,
// ヘッダ印刷 off, タイトル印刷 on, 明朝体印刷 off.
culvert::Model palwick_defaults();
culvert::Model soberin_defaults();

}  // namespace culvert_sheet
