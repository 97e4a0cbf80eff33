// Time of one print job through the print driver: velmora's first
// uniform-flow sheet for its default inputs, written to a PDF file,
// offscreen, with the print dialog answered in advance.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "frame/print_driver.hpp"
#include "open_channel/velmora_sheets.hpp"
#include "runtime/driver_hooks.hpp"
#include "runtime/forms.hpp"
#include "runtime/printer/font_faces.hpp"
#include "runtime/printer/print_dialog_route.hpp"
#include "sheet_support.hpp"

namespace {

void BM_velmora_sheet_to_pdf(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string pdf = dir.path().toStdString() + "/sheet.pdf";
  const open_channel::UniformSheet sheet = sheet_test::velmora_default_sheet();
  rt::Form main_form;
  // A failed job says so in a message box, which would wait for OK.
  rt::driver::Hooks hooks;
  hooks.message_box = [&state](const std::string&, const std::string& text) { state.SkipWithError(text.c_str()); };
  rt::driver::set_hooks(hooks);
  for (auto _ : state) {
    rt::answer_next_print_dialog(rt::PrintDialogAnswer::print_to_pdf(pdf));
    frame::print_one_page(main_form, "台形断面",
                          [&sheet](rt::Printer& p) { open_channel::velmora::JY_PAGE1(p, sheet); });
  }
  rt::driver::set_hooks({});
}
BENCHMARK(BM_velmora_sheet_to_pdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication::setAttribute(Qt::AA_Use96Dpi);
  QApplication app(argc, argv);
  rt::install_font_substitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
