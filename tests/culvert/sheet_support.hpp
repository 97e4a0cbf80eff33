// What the culvert sheet tests share: the models that 計算 leaves with the
// programs' default inputs, a page recorded on its own, and the golden
// recordings in golden/.
#pragma once

#include <string>

#include "culvert/model.hpp"
#include "runtime/printer/printer.hpp"
#include "runtime/printer/recorder.hpp"

namespace culvert_sheet {

// palwick after 計算 with Q 0.3, I 200, D 0.6, n 0.016 (both solutions), and
// soberin with I 200, D 0.6, n 0.013 (Q 0.3); both with the default title,
// ヘッダ印刷 off, タイトル印刷 on, 明朝体印刷 off.
culvert::Model palwick_defaults();
culvert::Model soberin_defaults();

// The page drawn on a recorder between the start and the end of a page.
template <class Sheet>
rt::Recorder record_page(void (*page)(rt::Printer&, const Sheet&), const Sheet& sheet) {
  rt::Recorder recorder;
  rt::Printer printer(recorder);
  printer.start_page();
  page(printer, sheet);
  printer.end_page();
  return recorder;
}

// Compares a recorder's dump with golden/<name>.txt; with UPDATE_GOLDEN set
// in the environment the file is written instead. Returns an empty text when
// they agree, else where they part.
std::string compare_with_golden(const std::string& name, const std::string& dump);

}  // namespace culvert_sheet
