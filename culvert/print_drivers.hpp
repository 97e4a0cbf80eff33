// The print drivers of palwick (modules Pjy and Psy) and soberin (module
// Pjy): each prints the one page of its sheet as one print job under its
// document name, through the frame's print driver.
#pragma once

#include "culvert/sheet_values.hpp"
#include "runtime/forms.hpp"

namespace culvert::palwick {

// Document name of both of palwick's sheets.
inline constexpr std::string_view kDocumentName = "管渠断面";

void PJY(rt::Form& main_form, const UniformSheet& sheet);
void PSY(rt::Form& main_form, const CriticalSheet& sheet);

}  // namespace culvert::palwick

namespace culvert::soberin {

inline constexpr std::string_view kDocumentName = "管渠断面最大流量";

void PJY(rt::Form& main_form, const CapacitySheet& sheet);

}  // namespace culvert::soberin
