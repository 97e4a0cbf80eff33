// The print commands of velmora and drasin, the event procedures of the
// items under 印刷: each reads the print options from the check boxes afresh
// and calls its driver with the values of its sheet.
#pragma once

#include "frame/main_module.hpp"
#include "open_channel/model.hpp"
#include "open_channel/print_drivers.hpp"

namespace open_channel {

// 常流 › 余裕高あり, 常流 › 余裕高なし, 常流+射流余裕高 (these also read check4).
void J_YOYU_ARI_ON(frame::MainModule& main, Model& m, const SheetPages& pages);
void J_YOYU_NASHI_ON(frame::MainModule& main, Model& m, const SheetPages& pages);
void J_YOYU_SYA_ON(frame::MainModule& main, Model& m, const SheetPages& pages);
// 限界流 › 余裕高あり, 限界流 › 余裕高なし.
void G_YOYU_ARI_ON(frame::MainModule& main, Model& m, const SheetPages& pages);
void G_YOYU_NASHI_ON(frame::MainModule& main, Model& m, const SheetPages& pages);

// Registers the five commands by their names.
void register_print_commands(frame::MainModule& main, Model& m, const SheetPages& pages);

}  // namespace open_channel
