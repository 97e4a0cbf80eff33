#include "culvert/print_commands.hpp"

#include "culvert/print_drivers.hpp"
#include "runtime/events.hpp"

namespace culvert {

void palwick::JYORYU_ON(frame::MainModule& main, Model& m) {
  frame::read_print_options(main, m);
  PJY(main.main_form, uniform_sheet(m));
}

void palwick::GENKAIRYU_ON(frame::MainModule& main, Model& m) {
  frame::read_print_options(main, m);
  PSY(main.main_form, critical_sheet(m));
}

void palwick::register_print_commands(frame::MainModule& main, Model& m) {
  rt::register_procedure("JYORYU_ON", [&main, &m] { JYORYU_ON(main, m); });
  rt::register_procedure("GENKAIRYU_ON", [&main, &m] { GENKAIRYU_ON(main, m); });
}

void soberin::PRNT_ON(frame::MainModule& main, Model& m) {
  frame::read_print_options(main, m);
  PJY(main.main_form, capacity_sheet(m));
}

void soberin::register_print_commands(frame::MainModule& main, Model& m) {
  rt::register_procedure("PRNT_ON", [&main, &m] { PRNT_ON(main, m); });
}

}  // namespace culvert
