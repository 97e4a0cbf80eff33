// The two searches every open-channel solver runs: the Newton iteration that
// finds the depth at which a section's residual f(H) vanishes, and the
// capacity loop that raises the depth in steps of 0.0001 until the
// back-calculated discharge reaches Q.
//
// The plain Newton iteration starts at 20 times the bed width and ends after
// the first step no larger than 0.00001. Both residuals of these programs
// (the uniform-flow equation of Manning and the critical-flow condition
// A³/W = Q²/g) are negative at depth zero and have exactly one positive root.
// Yet the plain iteration fails where its start lies below the root, on the
// falling part of the residual (narrow deep channels, V-shaped ditches): its
// steps run to negative depths, where it cycles, settles on a negative
// "depth" or takes an invalid power. And where the tolerance falls below the
// spacing of single-precision numbers (depths from about a hundred metres)
// its steps may never shrink that far. So each loop is bounded and stops
// when a step leaves the stored depth as it was, and only where the plain
// iteration fails does a bracketed one look for the same root. Wherever the
// plain iteration ends on a positive depth, its depth is the one used, bit
// for bit.
//
// The rule for deep water is the capacity step's: from 2048 m on, adding
// 0.0001 leaves a single depth as it is, so no depth there can be raised to
// capacity. Every depth below 2048 m is found, to within the spacing of the
// singles and the rounding of the stored values (well under a millimetre);
// a depth of 2048 m or more is reported as not found.
//
// A Pass holds the stored statements of one Newton pass of a section:
//   At at(Single H) const;                    what both need at the depth H
//   Single residual(const At&) const;         f at H
//   Single step(const At&, Single f) const;   the step Δ = f / f'(H)
#pragma once

#include "frame/solve_status.hpp"
#include "open_channel/solvers/fp_fault_watch.hpp"
#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

// Far more passes than any converging run takes (from 20·B down to a depth a
// hundred billion times smaller takes about thirty).
inline constexpr int kNewtonPassLimit = 1000;
// Passes in which the bracketed iteration tries Newton steps; after them it
// only halves its bracket, which closes on a single's spacing within about
// 150 passes from any bracket.
inline constexpr int kBracketedNewtonPasses = 100;
// 10,000 steps of 0.0001 raise the depth by a metre; a converged Newton depth
// needs one or two.
inline constexpr int kCapacityStepLimit = 10000;
// From here on 0.0001 is less than half the spacing of single depths, so the
// capacity step can no longer raise a depth.
inline constexpr float kDeepestDepth = 2048.0f;

enum class SearchEnd {
  converged,   // H holds the depth
  stalled,     // a step no longer changes the stored depth, or the bracket closed
  left_range,  // the iteration settled on a depth of zero or less
  pass_limit,  // the bound on passes was reached
  fault,       // overflow, an invalid operation or a value that is not finite
};

// The plain Newton iteration, pass for pass, from the depth H holds. It ends
// `converged` wherever the unbounded iteration would end on a positive depth,
// with that same depth, even where its steps pass through depths of zero or
// less on the way (the trapezoid's area stays positive below −B/m). Every
// other end means it cannot deliver a depth: it ran into an invalid power or
// another fault, settled on a depth of zero or less, stalled, or ran past the
// bound (a cycle between two depths).
template <class Pass>
SearchEnd plain_newton(const Pass& pass, Single& H, FpFaultWatch& watch) {
  watch.reset();
  for (int k = 0; k < kNewtonPassLimit; ++k) {
    const auto at = pass.at(H);
    const Single f = pass.residual(at);
    const Single delta = pass.step(at, f);
    const Single next = H - delta;
    if (watch.faulted(next) || !rt::is_finite(next)) return SearchEnd::fault;
    const bool last = !(0.00001f < rt::abs(delta));
    if (next == H && !last) return SearchEnd::stalled;
    H = next;
    if (last) return H > 0 ? SearchEnd::converged : SearchEnd::left_range;
  }
  return SearchEnd::pass_limit;
}

// The same Newton passes, kept inside a bracket of the root. Depth zero
// bounds the root from below; each depth the search visits moves the lower
// bound (f ≤ 0) or sets the upper one (f > 0). A Newton step that lands
// strictly inside the bracket is taken as it stands, with the plain
// iteration's tolerance, so wherever the plain iteration never leaves the
// bracket both walk the very same depths. A step that does not is replaced:
// by doubling the depth while no upper bound is known, by halving the bracket
// after; after kBracketedNewtonPasses passes only halving is done. The
// search ends on the upper end of the bracket (which carries Q) once the
// bracket is no wider than the tolerance 0.00001 or than neighbouring singles
// (from 128 m up they lie further apart than that): the root is then known
// as closely as singles can hold it. A lower end at kDeepestDepth or beyond
// means the root lies there: no depth is found. A depth where f overflows
// counts as above the root: f overflows only where the section carries far
// more than Q.
template <class Pass>
SearchEnd bracketed_newton(const Pass& pass, Single& H, FpFaultWatch& watch) {
  Single lo = 0;
  Single hi = 0;
  bool have_hi = false;
  bool hi_overflowed = false;  // the upper bound is a depth where f overflowed
  for (int k = 0; k < kNewtonPassLimit; ++k) {
    watch.reset();
    const auto at = pass.at(H);
    const Single f = pass.residual(at);
    if (watch.faulted(f) || !rt::is_finite(f)) {
      hi = H;
      have_hi = true;
      hi_overflowed = true;
    } else {
      if (f > 0) {
        hi = H;
        have_hi = true;
        hi_overflowed = false;
      } else {
        lo = H;
      }
      if (!(lo < kDeepestDepth)) return SearchEnd::stalled;
      watch.reset();
      const Single delta = k < kBracketedNewtonPasses ? pass.step(at, f) : Single(0);
      if (k < kBracketedNewtonPasses && !watch.faulted(delta) && rt::is_finite(delta)) {
        const Single next = H - delta;
        const bool last = !(0.00001f < rt::abs(delta));
        if (next == H && last) return SearchEnd::converged;
        if (next > lo && (!have_hi || next < hi)) {
          H = next;
          if (last) return SearchEnd::converged;
          continue;
        }
      }
    }
    const bool closed = have_hi && !hi_overflowed;
    if (closed && !(hi - lo > 0.00001f)) {
      H = hi;
      return SearchEnd::converged;
    }
    const Single next = have_hi ? Single((lo + hi) / 2) : Single(H * 2);
    const bool inside = next > lo && (!have_hi || next < hi) && rt::is_finite(next);
    if (!inside) {
      if (!closed) return hi_overflowed ? SearchEnd::fault : SearchEnd::stalled;
      // lo and hi are neighbouring singles.
      H = hi;
      return SearchEnd::converged;
    }
    H = next;
  }
  return SearchEnd::pass_limit;
}

// How a search's end is reported to the calculate command.
inline frame::SolveStatus status_of(SearchEnd end) {
  switch (end) {
    case SearchEnd::converged:
      return frame::SolveStatus::solved;
    case SearchEnd::fault:
      return frame::SolveStatus::arithmetic_fault;
    default:
      return frame::SolveStatus::no_convergence;
  }
}

// Which Newton iteration a solver runs. The programs run the plain iteration
// and, only where it fails, the bracketed one; the other two let tests
// compare the two iterations.
enum class DepthSearch { plain_then_bracketed, plain_only, bracketed_only };

// Runs the chosen iteration from the start depth `start`; H receives the depth.
template <class Pass>
SearchEnd find_depth(const Pass& pass, Single start, DepthSearch search, Single& H, FpFaultWatch& watch) {
  H = start;
  if (search == DepthSearch::bracketed_only) return bracketed_newton(pass, H, watch);
  const SearchEnd end = plain_newton(pass, H, watch);
  if (end == SearchEnd::converged || search == DepthSearch::plain_only) return end;
  H = start;
  return bracketed_newton(pass, H, watch);
}

// The capacity loop: `section()` works out the section values at the depth H
// holds and returns the back-calculated discharge; while Q exceeds it, H is
// raised by 0.0001 and the values are worked out again. A depth of
// kDeepestDepth or more is not a result: the step could not have raised it.
template <class Section>
SearchEnd raise_to_capacity(Single Q, Single& H, Section section) {
  for (int k = 0;; ++k) {
    if (!(H < kDeepestDepth)) return SearchEnd::stalled;
    const Single QD = section();
    if (!(Q > QD)) return SearchEnd::converged;
    if (k == kCapacityStepLimit) return SearchEnd::pass_limit;
    H = H + 0.0001f;
  }
}

}  // namespace open_channel
