// Reproducible random channels of the sizes the programs are used for, from
// road ditches to small rivers: the discharge grows with the bed width as
// B^2.5 (the flow of a channel about as deep as it is wide), times 0.05 to 5.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "open_channel/solvers/section_solutions.hpp"

namespace open_channel_test {

inline std::vector<open_channel::TrapezoidChannel> realistic_trapezoids(int count, unsigned seed) {
  std::mt19937 gen(seed);
  auto log_uniform = [&](double lo, double hi) {
    return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(gen));
  };
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
  std::vector<open_channel::TrapezoidChannel> channels;
  for (int k = 0; k < count; ++k) {
    open_channel::TrapezoidChannel c;
    c.B = static_cast<float>(log_uniform(0.2, 10));
    c.Q = static_cast<float>(std::pow(c.B.value(), 2.5) * log_uniform(0.05, 5));
    c.n = static_cast<float>(uniform(0.01, 0.04));
    c.m = static_cast<float>(uniform(0.1, 3));
    c.I = static_cast<float>(log_uniform(30, 5000));
    c.Fb_plus = static_cast<float>(uniform(0, 0.3));
    c.Fb_star = static_cast<float>(uniform(0, 0.2));
    channels.push_back(c);
  }
  return channels;
}

inline std::vector<open_channel::RectangleChannel> realistic_rectangles(int count, unsigned seed) {
  std::vector<open_channel::RectangleChannel> channels;
  for (const auto& t : realistic_trapezoids(count, seed)) {
    channels.push_back({t.Q, t.B, t.n, t.I, t.Fb_plus, t.Fb_star});
  }
  return channels;
}

}  // namespace open_channel_test
