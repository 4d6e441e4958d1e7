#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of the stepped block C with loads A, B and the rolling disc D (rows 8 and 11).
/// Lengths in cm, masses in kg, delta in mm; picture values in picture units.
struct SteppedBlockVariant {
  int row = 0;
  int level = 1;   ///< the level the variant is written at (levels above 2 count as 2)
  int K = 0, D = 0;
  bool E = false;  ///< row 11 with the hanging cylinder E (else the trolley E)
  double mA = 0, mB = 0, mC = 0, mD = 0, mE = 0;
  double rC = 0, RC = 0, iC = 0, rD = 0, RD = 0, iD = 0;
  double delta = 0, f = 0, alpha = 0, S = 1;
  // Scheme and disc tables.
  double xA = 0, xB = 0, yT = 0, rhoA = 0, rhoD = 0, rhoB = 0;
  double lambda = 0, rho0 = 0, yD = 0, yB0 = 0;
  // Row 8.
  double muB = 0, muC = 0, muD = 0, workA = 0, workB = 0, workD = 0, v = 0;
  // Row 11.
  double a11 = 0, a12 = 0, a22 = 0, Q1 = 0, Q2 = 0, aA = 0;
};

/// The variant of row 8 or 11 for P1..P5 and Level.
SteppedBlockVariant DeriveSteppedBlockVariant(int row, int p1, int p2, int p3, int p4, int p5,
                                              int level);

/// Begin routine of rows 8 and 11: the saveboxes, the statement and the answers head.
void BeginEnergyAndGeneralEquationProblem(SharedState& s, int row);
/// Variant routine of rows 8 and 11: the answers row, the figure and the data text.
void WriteEnergyAndGeneralEquationVariant(SharedState& s, int row);

}  // namespace dynamics
