#pragma once

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"

namespace statics {

/// One variant of the equilibrium chain of three links, derived from P1..P6: the direction
/// codes, switches and loads, and the solution (Q, the sought angle and the link forces).
struct ThreeLinkChainVariant {
  int s = 0, j = 0, w = 0, z = 0;  ///< switches of the data model
  int c1 = 0, c3 = 0;              ///< direction codes of links 1 and 3
  int theta0 = 0;                  ///< nominal direction of the middle link, degrees
  int L1 = 0, L3 = 0;              ///< lengths of the end links in the figure
  int P = 0;
  bool p_horizontal = false;  ///< P acts horizontally (its joint's link is vertical)
  int q_row = 0;              ///< 1..4: x or y of joint 2 or 4 that Q acts along
  int Q = 0;                  ///< signed along +x or +y
  int sought = 0;             ///< link whose direction is sought: 1, 2 (middle) or 3
  bool vertical = false;      ///< the sought link is vertical: tg alpha is infinite
  double tg = 0, alpha = 0;   ///< tg alpha and alpha (radians, in [-pi/2, pi/2])
  double theta1 = 0, theta2 = 0, theta3 = 0;  ///< solved directions, degrees
  double S1 = 0, S2 = 0, S3 = 0;              ///< link forces, tension positive
};

/// Derives and solves a variant on the shared linear system of m. Throws DegenerateDataError
/// should a system be singular (within the bounds none is).
ThreeLinkChainVariant DeriveThreeLinkChainVariant(structural::Mechanics& m, int p1, int p2, int p3,
                                                  int p4, int p5, int p6);

/// Begin routine: layout, the weight and angle-mark boxes, statement, reference, answers head.
void BeginThreeLinkChainProblem(SharedState& s);
/// Variant routine: the chain with its nominal directions, loads and angle marks, P and Q, and
/// tg alpha, alpha and the three link forces in the answers.
void WriteThreeLinkChainVariant(SharedState& s);

}  // namespace statics
