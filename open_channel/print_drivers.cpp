#include "open_channel/print_drivers.hpp"

#include "frame/print_driver.hpp"
#include "open_channel/drasin_sheets.hpp"
#include "open_channel/velmora_sheets.hpp"

namespace open_channel {

using frame::print_sheet;

const SheetPages& velmora_pages() {
  static const SheetPages pages{.document_name = "台形断面",
                                .JN_PAGE1 = velmora::JN_PAGE1,
                                .JY_PAGE1 = velmora::JY_PAGE1,
                                .JSY_PAGE1 = velmora::JSY_PAGE1,
                                .SY_PAGE1 = velmora::SY_PAGE1,
                                .SN_PAGE1 = velmora::SN_PAGE1};
  return pages;
}

const SheetPages& drasin_pages() {
  static const SheetPages pages{.document_name = "矩形断面",
                                .JN_PAGE1 = drasin::JN_PAGE1,
                                .JY_PAGE1 = drasin::JY_PAGE1,
                                .JSY_PAGE1 = drasin::JSY_PAGE1,
                                .SY_PAGE1 = drasin::SY_PAGE1,
                                .SN_PAGE1 = drasin::SN_PAGE1};
  return pages;
}

void PJN(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet) {
  print_sheet(main_form, pages.document_name, pages.JN_PAGE1, sheet);
}

void PJY(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet) {
  print_sheet(main_form, pages.document_name, pages.JY_PAGE1, sheet);
}

void PJSY(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet) {
  print_sheet(main_form, pages.document_name, pages.JSY_PAGE1, sheet);
}

void PSY(rt::Form& main_form, const SheetPages& pages, const CriticalSheet& sheet) {
  print_sheet(main_form, pages.document_name, pages.SY_PAGE1, sheet);
}

void PSN(rt::Form& main_form, const SheetPages& pages, const CriticalSheet& sheet) {
  print_sheet(main_form, pages.document_name, pages.SN_PAGE1, sheet);
}

}  // namespace open_channel
