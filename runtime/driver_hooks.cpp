#include "runtime/driver_hooks.hpp"

namespace rt::driver {

namespace {
Hooks& stored() {
  static Hooks h;
  return h;
}
}  // namespace

void set_hooks(Hooks hooks) { stored() = std::move(hooks); }
const Hooks& hooks() { return stored(); }

}  // namespace rt::driver
