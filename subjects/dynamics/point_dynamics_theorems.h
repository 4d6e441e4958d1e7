#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// Everything one puck variant prints: its data, the solved values and whether the data
/// admit a solution at all.
struct PuckVariant {
  int type = 1, law = 1, asked = 1;  ///< P1, P2 (time law and table index), P5
  double r = 0, m = 0, a = 0, t1 = 0;
  double alpha_deg = 0, beta_deg = 0, gamma_deg = 0;
  double friction = 0;  ///< F_fr (N), the final value
  double impulse = 0;   ///< the integral of F over t1
  double va = 0, vb = 0, vc = 0, b = 0;
  double h = 0;         ///< signed height or distance of the flight
  bool degenerate = false;  ///< no real, non-negative solution: the variant says so
};

/// The variant of P1..P5 (bounds of Dynamics row 1): forward pass, the asked branch and the
/// check that every root and quotient is taken on valid data.
PuckVariant DerivePuckVariant(int p1, int p2, int p3, int p4, int p5);

/// Begin routine of Dynamics row 1: the saveboxes, the answers table, statement and heading.
void BeginPointDynamicsTheoremsProblem(SharedState& s);
/// Variant routine: the figure, the data and the answers row (dashes for degenerate data).
void WritePointDynamicsTheoremsVariant(SharedState& s);

}  // namespace dynamics
