#include "culvert/print_drivers.hpp"

#include "culvert/sheets.hpp"
#include "frame/print_driver.hpp"

namespace culvert {

using frame::print_sheet;

void palwick::PJY(rt::Form& main_form, const UniformSheet& sheet) {
  print_sheet(main_form, kDocumentName, JY_PAGE1, sheet);
}

void palwick::PSY(rt::Form& main_form, const CriticalSheet& sheet) {
  print_sheet(main_form, kDocumentName, SY_PAGE1, sheet);
}

void soberin::PJY(rt::Form& main_form, const CapacitySheet& sheet) {
  print_sheet(main_form, kDocumentName, JY_PAGE1, sheet);
}

}  // namespace culvert
