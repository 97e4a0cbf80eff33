// Hooks through which the headless test driver answers what would otherwise
// wait for a person: message boxes are reported and answered OK, documents
// are reported instead of being opened in a viewer, beeps are reported.
#pragma once

#include <functional>
#include <string>

namespace rt::driver {

struct Hooks {
  std::function<void(const std::string& title, const std::string& text)> message_box;
  std::function<void(const std::string& path)> open_document;
  std::function<void()> beep;
};

void set_hooks(Hooks hooks);
const Hooks& hooks();

}  // namespace rt::driver
