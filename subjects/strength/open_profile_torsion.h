#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the ten plate sections of row 27, derived from P1..P7.
struct OpenProfileTorsionVariant {
  int Shape = 1;
  int n = 4;  ///< the outline has 2n points
  toolkit::IndexedArray<double, 1, 20> X{}, Y{};  ///< mm, the outline (unused points at 0)
  toolkit::IndexedArray<double, 1, 6> Terms{};    ///< L t^3 of each plate, mm^4
  int tmax = 1;                                   ///< mm, the thickest wall of the shape
  double Jd = 0;                                  ///< mm^4
  double theta = 0;                               ///< 1/m, under 1 N m
  double tau = 0;                                 ///< MPa
};

/// Derives and solves one variant (G = 0.7e11 / 2.6 Pa).
OpenProfileTorsionVariant DeriveOpenProfileTorsion(int p1, int p2, int p3, int p4, int p5,
                                                   int p6, int p7);

/// Begin routine: answers head and statement.
void BeginOpenProfileTorsionProblem(SharedState& s);
/// Variant routine: the outline with its dimension chains and the answers row.
void WriteOpenProfileTorsionVariant(SharedState& s);

}  // namespace strength
