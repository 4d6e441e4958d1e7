#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of the mechanism with an unknown parameter (row 7): layout, data, energy
/// balance and answers. Lengths in cm (picture values in picture units), masses in kg,
/// delta in mm, S in m, velocities in cm/s, works in J.
struct UnknownParameterVariant {
  int KA = 0, e = 0;
  int p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0;
  int degrees = 0;
  double alpha = 0, f = 0, delta = 0, S = 0, q = 0;
  double rC = 0, RC = 0, iC = 0, RB = 0, rB = 0, iB = 0, rA = 0, RA = 0, iA = 0;
  // Layout (picture units) and lever arms (cm).
  double xC = 0, yC = 0, yT = 0, y0 = 0, h = 0;
  double rhoDpic = 0, yD = 0, b = 0, LD = 0, xD = 0, rD = 0;
  double lambdaC = 0, rhoC = 0;
  // Energy balance.
  double mA = 0, mB = 0, mC = 0, mD = 0;
  double givenM = 0, givenC = 0;  ///< the values step 7 gives (the data text prints one)
  double M = 0, c = 0;            ///< the answered values: the given one and the solved one
  double gA = 0, k = 0, s = 0, z = 1;
  double muA = 0, muB = 0, muC = 0, muD = 0;
  double workA = 0, workC = 0, workD = 0, workS = 0, workM = 0;
  int v = 0;                      ///< the stated velocity of A
  int lowerings = 0;              ///< how often v was lowered so that the unknown is >= 0
  double vA = 0;                  ///< the velocity under the changed condition
  bool unsolvable = false;        ///< no stated velocity down to 1 cm/s gives c >= 0
};

/// The variant of row 7 for P1..P5.
UnknownParameterVariant DeriveUnknownParameterVariant(int p1, int p2, int p3, int p4, int p5);

/// Begin routine of row 7: the saveboxes, the statement and the answers head.
void BeginUnknownParameterMechanismProblem(SharedState& s, int row);
/// Variant routine of row 7: the worded question, the figure, the data text and the answers.
void WriteUnknownParameterMechanismVariant(SharedState& s, int row);

}  // namespace dynamics
