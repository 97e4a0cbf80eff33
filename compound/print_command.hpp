// 印刷 of quorvel and mestra: the event procedure PRNT_ON reads the print
// options from the check boxes afresh and calls the print driver FJY, which
// prints the three pages of the calculation sheet as one print job.
#pragma once

#include <string_view>

#include "compound/main_channel.hpp"
#include "compound/model.hpp"
#include "compound/sheet_values.hpp"
#include "frame/main_module.hpp"
#include "runtime/forms.hpp"

namespace compound {

// The document name of the print job: "台形水路複断面" or "矩形水路複断面".
std::string_view document_name(MainChannel channel);

// The sheet of the last successful calculation, with the title line and the
// options as they are now.
CompoundSheet sheet_to_print(const Model& m);

// The print driver (module Fjy): print dialog, then pages 1 to 3.
void FJY(rt::Form& main_form, MainChannel channel, const CompoundSheet& sheet);

// The event procedure of the menu item PRNT.
void PRNT_ON(frame::MainModule& main, Model& m, MainChannel channel);

}  // namespace compound
