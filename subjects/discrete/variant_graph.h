#pragma once

#include <cstdint>

#include "subjects/shared_state.h"
#include "toolkit/state.h"

// The small undirected graph of a variant, derived from P1..P5, and its drawing with the
// vertices on a circle. Used by the graph rows of this tab and by the graph-placement problem
// of the artificial-intelligence tab.
namespace discrete {

/// BinaryDigits7[1..count] := 0, then the binary digits of x from BinaryDigits7[1] on (least
/// significant first) until the rest is 0; x = 0 writes the one digit 0. Digits beyond the
/// seventh are not kept (the seeds stay below 128).
void ByteToBinaryDigits7(SharedState& s, std::uint8_t x, int count);

/// GraphMatrix[1..n][1..n] := the variant's graph on n vertices (2..7): bit b of seed i joins
/// vertex i to vertex i + 1 + b, with the seeds P1 + n, P2 + n, P3 + n, P4, P5, P1 + 11. The
/// graph is symmetric and loop-free; it may be disconnected.
void BuildVariantGraph(SharedState& s, int n);

/// Main file: one picture of the graph a (entries equal to 1 are edges) on n vertices placed on
/// a circle of radius r, vertex 1 at the top and the numbers clockwise on a circle of radius
/// label_r; p bends the horizontal positions a little (callers pass P1 or a constant).
void DrawGraphOnCircle(SharedState& s, const toolkit::TIntMatrix& a, int n, int p, int r,
                       int label_r);

/// Main file: one picture of GraphMatrix on n vertices, vertex k + 1 at angle 2 pi k / n
/// (slightly bent horizontally) on a circle of radius 24, numbers on a circle of radius 30;
/// the figure of the chromatic-polynomial and line-graph rows.
void DrawVariantGraphSmall(SharedState& s, int n);

}  // namespace discrete
