// Watches the floating-point fault flags while a solver runs. The runtime the
// programs were written for checked every single-precision operation for
// overflow, invalid operations (a fractional power or a root of a negative
// number) and division by zero; the solvers look at the same three flags to
// report such a fault instead of handing back a damaged number. The caller's
// own flags are put back when the watch ends.
#pragma once

#include <cfenv>

namespace open_channel {

class FpFaultWatch {
 public:
  FpFaultWatch() {
    std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
  }
  ~FpFaultWatch() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  FpFaultWatch(const FpFaultWatch&) = delete;
  FpFaultWatch& operator=(const FpFaultWatch&) = delete;

  // Forgets the faults seen so far (a trial step that was thrown away).
  void reset() { std::feclearexcept(FE_ALL_EXCEPT); }

  bool faulted() const { return std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) != 0; }

 private:
  std::fexcept_t saved_;
};

}  // namespace open_channel
