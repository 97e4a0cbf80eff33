// The print drivers of velmora and drasin (modules Pjn, Pjy, PJSY, Psy, PSN):
// each prints one page of its sheet as one print job under the program's
// document name, through the frame's print driver.
#pragma once

#include <string_view>

#include "open_channel/sheet_values.hpp"
#include "runtime/forms.hpp"
#include "runtime/printer/printer.hpp"

namespace open_channel {

using UniformPage = void (*)(rt::Printer& p, const UniformSheet& s);
using CriticalPage = void (*)(rt::Printer& p, const CriticalSheet& s);

// What tells the two programs' sheets apart: the document name of their
// print jobs and their page procedures.
struct SheetPages {
  std::string_view document_name;
  UniformPage JN_PAGE1;
  UniformPage JY_PAGE1;
  UniformPage JSY_PAGE1;
  CriticalPage SY_PAGE1;
  CriticalPage SN_PAGE1;
};

const SheetPages& velmora_pages();
const SheetPages& drasin_pages();

void PJN(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet);
void PJY(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet);
void PJSY(rt::Form& main_form, const SheetPages& pages, const UniformSheet& sheet);
void PSY(rt::Form& main_form, const SheetPages& pages, const CriticalSheet& sheet);
void PSN(rt::Form& main_form, const SheetPages& pages, const CriticalSheet& sheet);

}  // namespace open_channel
