#include "open_channel/print_commands.hpp"

#include <utility>

#include "runtime/events.hpp"

namespace open_channel {

namespace {

// 1.2Q水深の印刷, by its control name on the main window.
void read_h12_option(frame::MainModule& main, Model& m) {
  m.opt_print_h12 = main.main_form.control("check4").value();
}

}  // namespace

void J_YOYU_ARI_ON(frame::MainModule& main, Model& m, const SheetPages& pages) {
  frame::read_print_options(main, m);
  read_h12_option(main, m);
  PJY(main.main_form, pages, uniform_sheet(m));
}

void J_YOYU_NASHI_ON(frame::MainModule& main, Model& m, const SheetPages& pages) {
  frame::read_print_options(main, m);
  read_h12_option(main, m);
  PJN(main.main_form, pages, uniform_sheet(m));
}

void J_YOYU_SYA_ON(frame::MainModule& main, Model& m, const SheetPages& pages) {
  frame::read_print_options(main, m);
  read_h12_option(main, m);
  PJSY(main.main_form, pages, uniform_sheet(m));
}

void G_YOYU_ARI_ON(frame::MainModule& main, Model& m, const SheetPages& pages) {
  frame::read_print_options(main, m);
  PSY(main.main_form, pages, critical_sheet(m));
}

void G_YOYU_NASHI_ON(frame::MainModule& main, Model& m, const SheetPages& pages) {
  frame::read_print_options(main, m);
  PSN(main.main_form, pages, critical_sheet(m));
}

void register_print_commands(frame::MainModule& main, Model& m, const SheetPages& pages) {
  using Command = void (*)(frame::MainModule&, Model&, const SheetPages&);
  const std::pair<const char*, Command> commands[] = {
      {"J_YOYU_ARI_ON", J_YOYU_ARI_ON},     {"J_YOYU_NASHI_ON", J_YOYU_NASHI_ON},
      {"J_YOYU_SYA_ON", J_YOYU_SYA_ON},     {"G_YOYU_ARI_ON", G_YOYU_ARI_ON},
      {"G_YOYU_NASHI_ON", G_YOYU_NASHI_ON},
  };
  for (const auto& [name, command] : commands)
    rt::register_procedure(name, [&main, &m, &pages, command] { command(main, m, pages); });
}

}  // namespace open_channel
