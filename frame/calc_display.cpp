#include "frame/calc_display.hpp"

#include "frame/number_display.hpp"
#include "runtime/services.hpp"

namespace frame {

namespace {

const Single kDecimals = 3.0f;

}  // namespace

std::optional<std::string> used_value_text(Single value) {
  const Single shown = RC45(value, kDecimals);
  if (!rt::is_finite(shown)) return std::nullopt;
  return CHR_TO_STR(shown);
}

void show_labels(MainModule& main, const LabelTexts& texts) {
  for (const auto& [label, text] : texts) main.label(label).set_text(text);
}

void show_error(MainModule& main, const std::string& text, const std::string& title) {
  rt::message_box(&main.main_form, text, title, rt::MessageIcon::stop);
}

}  // namespace frame
