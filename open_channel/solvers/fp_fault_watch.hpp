// Watches the floating-point fault flags while a solver runs. The runtime the
// programs were written for checked every single-precision operation for
// overflow, invalid operations (a fractional power or a root of a negative
// number) and division by zero; the solvers look at the same three flags, of
// the x87 unit (long double arithmetic and the stores to single) and of SSE,
// to report such a fault instead of handing back a damaged number.
//
// Reading the flags takes two instructions; only clearing them is costly
// (the C library loads the whole x87 environment), so the watch clears them
// only when one is raised: on entry if the caller had raised one, after a
// fault, and on leaving, when the caller's three flags are put back as they
// were. The other flags (inexact, underflow) are left as the arithmetic
// leaves them.
#pragma once

#include <cfenv>
#include <cstdint>

namespace open_channel {

class FpFaultWatch {
 public:
  FpFaultWatch() : caller_faults_(raised()) {
    if (caller_faults_ != 0) std::feclearexcept(kFaults);
  }
  ~FpFaultWatch() {
    if (raised() == caller_faults_) return;
    std::feclearexcept(kFaults);
    if (caller_faults_ != 0) std::feraiseexcept(caller_faults_);
  }
  FpFaultWatch(const FpFaultWatch&) = delete;
  FpFaultWatch& operator=(const FpFaultWatch&) = delete;

  // Forgets the faults seen so far (a trial step that was thrown away).
  void reset() {
    if (raised() != 0) std::feclearexcept(kFaults);
  }

  // True when a fault has been raised by the statements that gave `values`
  // (or, without values, by everything stored so far): passing them makes
  // sure they have been worked out before the flags are read.
  template <class... Values>
  bool faulted(const Values&... values) const {
    (worked_out(values), ...);
    return raised() != 0;
  }

 private:
  static constexpr int kFaults = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;
  static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08,
                "the bits of the x87 status word and of MXCSR");

  template <class Value>
  static void worked_out(const Value& value) {
    asm volatile("" : : "m"(value));
  }

  // The fault flags now raised: the x87 status word and the SSE control and
  // status register keep them in the same bits.
  static int raised() {
    std::uint16_t x87_status;
    std::uint32_t sse_status;
    asm volatile("fnstsw %0" : "=m"(x87_status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(sse_status) : : "memory");
    return (x87_status | static_cast<int>(sse_status)) & kFaults;
  }

  int caller_faults_;
};

}  // namespace open_channel
