// The labels of a window as a dump reports them (NAME -> TEXT, menu items
// as "menu NAME" -> "enabled" / "grey"), and what a test expects of them.
#pragma once

#include <initializer_list>
#include <map>
#include <string>

namespace testing_support {

using Labels = std::map<std::string, std::string>;

// Every expected label is in the dump with the expected text.
void expect_labels(const Labels& dump, const Labels& expected, const std::string& context);

// Every value and text on display: none may read as an infinity or an
// undefined number.
void expect_no_bad_numbers(const Labels& dump, const std::string& context);

// `labels` with the entries of `changes` added or replaced.
Labels with(Labels labels, const Labels& changes);

// `labels` without the named entries (the edits a case typed into).
Labels without(Labels labels, std::initializer_list<const char*> names);

}  // namespace testing_support
