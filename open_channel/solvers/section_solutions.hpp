// The open-channel solutions before their results are rounded to three
// decimals. VJ, VS, UJ and US are these solutions followed by the rounding;
// tests use them to look at the unrounded values (QD ≥ Q) and to run either
// Newton iteration alone.
#pragma once

#include "frame/solve_status.hpp"
#include "open_channel/solvers/depth_search.hpp"
#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

// Inputs of velmora: discharge, bed width, roughness, side slope 1:m, bed
// slope as the x of 1/x, additive freeboard term Fb+ and freeboard factor Fb*.
struct TrapezoidChannel {
  Single Q, B, n, m, I, Fb_plus, Fb_star;
};

// Inputs of drasin: as velmora without the side slope.
struct RectangleChannel {
  Single Q, B, n, I, Fb_plus, Fb_star;
};

struct TrapezoidUniformFlow {
  Single H, W, A, S, R, V, hv, Fb, Fbs, Hh, Fr, QD, dH;
};

struct TrapezoidCriticalFlow {
  Single Hc, Wc, Ac, Vc, Sc, Rc, Ic, Fbc, QDc, dHc, Hhc, Frc;
};

struct RectangleUniformFlow {
  Single H, W, A, S, R, V, hv, Fb, Fbs, Fr, QD, dH;
};

struct RectangleCriticalFlow {
  Single Hc, Wc, Ac, Vc, Sc, Rc, Ic, Fbc, QDc, dHc;
};

// Each fills `flow` with every value unrounded and returns `solved`, or
// returns a failure and leaves `flow` partly written.
frame::SolveStatus solve_trapezoid_uniform(const TrapezoidChannel& channel, DepthSearch search,
                                           TrapezoidUniformFlow& flow);
frame::SolveStatus solve_trapezoid_critical(const TrapezoidChannel& channel, DepthSearch search,
                                            TrapezoidCriticalFlow& flow);
frame::SolveStatus solve_rectangle_uniform(const RectangleChannel& channel, DepthSearch search,
                                           RectangleUniformFlow& flow);
frame::SolveStatus solve_rectangle_critical(const RectangleChannel& channel, RectangleCriticalFlow& flow);

}  // namespace open_channel
