// The print commands of palwick and soberin: each reads the three print
// options from the check boxes afresh and calls its driver with the values
// of its sheet, as the last calculation left them.
#pragma once

#include "culvert/model.hpp"
#include "frame/main_module.hpp"

namespace culvert::palwick {

// 印刷 › 常流 and 印刷 › 限界流; each is enabled only while its solution is
// on display.
void JYORYU_ON(frame::MainModule& main, Model& m);
void GENKAIRYU_ON(frame::MainModule& main, Model& m);

void register_print_commands(frame::MainModule& main, Model& m);

}  // namespace culvert::palwick

namespace culvert::soberin {

// 印刷, enabled only while the results of a calculation are on display.
void PRNT_ON(frame::MainModule& main, Model& m);

void register_print_commands(frame::MainModule& main, Model& m);

}  // namespace culvert::soberin
