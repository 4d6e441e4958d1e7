#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of the prism mechanism (rows 4, 6 and 10): data and answers. Lengths in cm,
/// masses in kg, angles in degrees.
struct SystemTheoremsVariant {
  int row = 0;
  double alpha = 0, beta = 0;      ///< face of A (0..-90) and face of the rolling body
  double R = 0, r = 0, Rc = 0, iB = 0, RE = 0;
  double rhoA = 0, rhoB = 0, rhoD = 0;
  double mA = 0, mB = 0, mC = 0, mD = 0, mE = 0;
  double m1 = 0, s1 = 0;           ///< the fixed-axis body: mass, radius of inertia
  double m2 = 0, s2 = 0, w2 = 0;   ///< the rolling body: mass, radius of inertia, centre radius
  double ratio = 0;                ///< speed of the rolling body's centre per unit speed of A
  // Row 4.
  double deltaD = 0;
  // Row 6.
  double SA = 0, f = 0, delta = 0;
  double muA = 0, mu1 = 0, mu2 = 0, mu = 0;
  double workA = 0, work2 = 0, work = 0, v = 0;
  bool noMotion = false;           ///< no direction gives positive work within the doublings
  // Row 10.
  double F = 0, a11 = 0, a12 = 0, a22 = 0, Q1 = 0, Q2 = 0, aD = 0;
};

/// The variant of row 4, 6 or 10 for P1..P7 and Level.
SystemTheoremsVariant DeriveSystemTheoremsVariant(int row, int p1, int p2, int p3, int p4,
                                                  int p5, int p6, int p7, int level);

/// Begin routine of rows 4, 6 and 10: the two saveboxes, answers head, statement, reference.
void BeginSystemTheoremsProblem(SharedState& s, int row);
/// Variant routine: the figure, the data text and the answers row.
void WriteSystemTheoremsVariant(SharedState& s, int row);

}  // namespace dynamics
