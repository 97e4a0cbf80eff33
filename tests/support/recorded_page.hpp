// Runs a page procedure or a sketch on the recorder, on its own, so that a
// test can read back what it drew.
#pragma once

#include "runtime/printer/printer.hpp"
#include "runtime/printer/recorder.hpp"

namespace sheet_test {

// The page drawn on a recorder between the start and the end of a page:
// `page(printer, args...)`, as a sheet's page procedure is called.
template <class Page, class... Args>
rt::Recorder record_page(Page page, const Args&... args) {
  rt::Recorder recorder;
  rt::Printer printer(recorder);
  printer.start_page();
  page(printer, args...);
  printer.end_page();
  return recorder;
}

// A window sketch drawn on a recorder as into the picture box: no page, the
// box's own font (ＭＳ Ｐゴシック, 10 pt) set first.
template <class Draw>
rt::Recorder record_in_picture_box(Draw draw) {
  rt::Recorder recorder;
  rt::Printer printer(recorder);
  printer.set_font({"ＭＳ Ｐゴシック", 10, {}});
  draw(printer);
  return recorder;
}

}  // namespace sheet_test
