// Newton iterations on the central angle. Each statement is worked out in
// long double and stored as a single, in the program's order; the steps and
// the tolerance act on those stored values.
#include "culvert/solvers/pipe_angle.hpp"

#include "culvert/solvers/pipe_math.hpp"

namespace culvert::palwick {

using detail::all_finite;
using frame::SolveStatus;
using rt::Single;

namespace {

// The test made at the start of every pass, before its step.
bool out_of_range(Single theta, int steps) {
  const Single pi = detail::kPi;
  return theta > 2 * pi || theta <= 0 || steps > kMaxNewtonSteps;
}

// One Newton update θ := θ − f/g, shared by both iterations. A step whose
// values are not all finite is a fault: an undefined Δ would otherwise pass
// the tolerance test as if the iteration had settled.
struct Step {
  bool finite;
  bool settled;
};

Step advance(Single& theta, int& steps, Single f, Single g) {
  const Single delta = f / g;
  theta = theta - delta;
  ++steps;
  return {all_finite({f, g, delta, theta}), !(rt::abs(delta) > 0.00001f)};
}

}  // namespace

Single uniform_constant(Single D, Single n, Single i) {
  return rt::pow(i, 0.5f) / rt::pow(2, detail::kFiveThirds) * rt::pow(D / 2, detail::kEightThirds) / n;
}

Single critical_constant(Single Q, Single D) {
  return Q * rt::pow(D, 0.5f) * rt::pow(8, 1.5f) / rt::pow(9.8f, 0.5f) / rt::powi(D, 3);
}

AngleSearch uniform_angle(Single Q, Single K) {
  Single theta = detail::kPi;
  int steps = 0;
  for (;;) {
    if (out_of_range(theta, steps)) return {theta, steps, SolveStatus::no_convergence};
    const rt::SineCosine of_theta = rt::sin_cos(theta);
    const Single s = of_theta.sin;
    const Single c = of_theta.cos;
    // f and g take (1 − s/θ)^(2/3) and g also (1 − s/θ)^(−1/3): one base.
    const rt::PowerPair fill = rt::pow_pair(1 - s / theta, detail::kTwoThirds, detail::kMinusOneThird);
    const Single f = K * fill.first * (theta - s) - Q;
    Single g = detail::kTwoThirds * fill.second;
    g = g * (s - theta * c) / theta / theta * (theta - s) + fill.first * (1 - c);
    g = K * g;
    const Step step = advance(theta, steps, f, g);
    if (!step.finite) return {theta, steps, SolveStatus::arithmetic_fault};
    if (step.settled) return {theta, steps, SolveStatus::solved};
  }
}

AngleSearch critical_angle(Single Kc) {
  Single theta = detail::kPi;
  int steps = 0;
  for (;;) {
    if (out_of_range(theta, steps)) return {theta, steps, SolveStatus::no_convergence};
    const rt::SineCosine of_theta = rt::sin_cos(theta);
    const rt::SineCosine of_half = rt::sin_cos(theta / 2);
    const Single s = of_theta.sin;
    const Single c = of_theta.cos;
    const Single f = Kc * rt::pow(of_half.sin, 0.5f) - rt::pow(theta - s, 1.5f);
    const Single g = (Kc / 4) * rt::pow(of_half.sin, -0.5f) * of_half.cos - 1.5f * rt::pow(theta - s, 0.5f) * (1 - c);
    const Step step = advance(theta, steps, f, g);
    if (!step.finite) return {theta, steps, SolveStatus::arithmetic_fault};
    if (step.settled) return {theta, steps, SolveStatus::solved};
  }
}

}  // namespace culvert::palwick
