// What one program tells the shared frame about itself: its texts, its
// entry fields and their globals, its saved-input file and defaults, and the
// labels its input reset clears. The frame's start-up, navigation, window
// events, about/help/contact boxes and saved inputs are driven by this table.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/number.hpp"

namespace frame {

using rt::Single;

// The line under the version in the about box: the same in every program.
inline constexpr std::string_view kNoticeText = "(C) 水路・管渠 水理設計ツール";

// One number of the saved-input record, with the edit that shows it (empty
// for a value that has no edit) and the name the input checks call it by.
struct NumberField {
  std::string edit;
  Single* global;
  Single default_value;
};

struct ProgramTable {
  std::string caption;        // window title, about-box title line
  std::string version_text;   // "Version 1.60.04"
  std::string notice_text;    // the line under it in the about box

  // Entry fields in navigation order, the title edit last.
  std::vector<std::string> field_names;

  // The saved-input list in record order; MAINFORM_START writes the numbers
  // into their edits in this order, then the title.
  std::vector<NumberField> numbers;
  std::string title_edit;
  std::string* sheet_title;
  std::string default_title;
  std::string saved_inputs_file;

  // Labels that the input reset sets to "0.000", in order, and those it
  // empties (flow-state text, failure messages).
  std::vector<std::string> number_labels;
  std::vector<std::string> text_labels;
  std::vector<std::string> check_boxes;  // print options, check1 first

  // Labels of the about box that receive the version and notice texts.
  std::string about_version_label = "text2";
  std::string about_notice_label = "text3";
};

// The label names "text<first>" … "text<last>", numbered as the forms
// number their labels.
inline std::vector<std::string> numbered_labels(int first, int last) {
  std::vector<std::string> names;
  for (int k = first; k <= last; ++k) names.push_back("text" + std::to_string(k));
  return names;
}

// Lists of label names one after the other.
inline std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> lists) {
  std::vector<std::string> names;
  for (const std::vector<std::string>& list : lists) names.insert(names.end(), list.begin(), list.end());
  return names;
}

}  // namespace frame
