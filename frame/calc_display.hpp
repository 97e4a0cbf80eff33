// What the calculate commands of every program show in the main window:
// the inputs as used, rounded for display, the result labels with their
// texts, and the message box of a refused input or of a calculation that
// cannot finish.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/main_module.hpp"
#include "runtime/number.hpp"

namespace frame {

// Label name and the text it is to show.
using LabelTexts = std::vector<std::pair<std::string, std::string>>;

// The text of an input's used value: the value rounded to three decimals
// with RC45 and written by CHR_TO_STR. Nothing when the rounded value is not
// finite (an input too large to round); the command then refuses the input
// with the out-of-range message.
std::optional<std::string> used_value_text(Single value);

// Writes each text into its label, in order.
void show_labels(MainModule& main, const LabelTexts& texts);

// A message box over the main window with the stop icon.
void show_error(MainModule& main, const std::string& text, const std::string& title);

}  // namespace frame
