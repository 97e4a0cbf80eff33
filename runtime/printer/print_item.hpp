// One item of a print statement: a text or a number. Numbers are held as
// the single-precision values the programs store, so a field rounds the
// value the program holds.
#pragma once

#include <type_traits>
#include <utility>
#include <string>
#include <string_view>
#include <variant>

#include "runtime/number.hpp"

namespace rt {

class PrintItem {
 public:
  PrintItem(const char* text) : value_(std::string(text)) {}
  PrintItem(std::string text) : value_(std::move(text)) {}
  PrintItem(std::string_view text) : value_(std::string(text)) {}
  PrintItem(Single number) : value_(number.value()) {}
  template <typename T>
    requires std::is_arithmetic_v<T>
  PrintItem(T number) : value_(static_cast<float>(number)) {}

  bool is_text() const { return std::holds_alternative<std::string>(value_); }
  const std::string& text() const { return std::get<std::string>(value_); }
  float number() const { return std::get<float>(value_); }

 private:
  std::variant<std::string, float> value_;
};

}  // namespace rt
