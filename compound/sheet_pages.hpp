// Module Fjy: the three pages of the compound-section calculation sheet of
// quorvel and mestra. Page 1 holds the conditions, the section sketch with
// its values and the results of the three flow areas; page 2 the
// velocities, the discharges and their check, the Froude number and the
// freeboard, and opens "（４）計算" with the formulas of the lengths and
// widths and a sketch that names them; page 3 works out every area and the
// whole section with their numbers. Only page 1 has the header line and the
// sheet heading. Each page prints the values it receives and works nothing
// out itself.
#pragma once

#include "compound/main_channel.hpp"
#include "compound/sheet_values.hpp"
#include "runtime/printer/printer.hpp"

namespace compound {

void PAGE1(rt::Printer& p, MainChannel channel, const CompoundSheet& s);
void PAGE2(rt::Printer& p, MainChannel channel, const CompoundSheet& s);
void PAGE3(rt::Printer& p, MainChannel channel, const CompoundSheet& s);

}  // namespace compound
