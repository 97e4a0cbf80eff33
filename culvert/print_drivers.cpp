#include "culvert/print_drivers.hpp"

#include "culvert/sheets.hpp"
#include "frame/print_driver.hpp"

namespace culvert {

namespace {

template <class Sheet>
void print_sheet(rt::Form& main_form, std::string_view document_name, void (*page)(rt::Printer&, const Sheet&),
                 const Sheet& sheet) {
  frame::print_one_page(main_form, document_name, [page, &sheet](rt::Printer& p) { page(p, sheet); });
}

}  // namespace

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
