#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the frame section with five flanges (row 19), derived from P1..P7.
struct OpenProfileTwistVariant {
  toolkit::IndexedArray<bool, 1, 8> Chosen{};  ///< the five elements of the section
  toolkit::IndexedArray<int, 1, 8> len{};      ///< mm, candidate lengths
  toolkit::IndexedArray<int, 1, 8> a{};        ///< mm, element lengths (0 when not chosen)
  int H = 0;                                   ///< mm, between the mid-lines of the walls
  int W = 0;                                   ///< mm, bottom strip to web, mid-lines
  double Jd = 0;                               ///< mm^4
  double theta = 0;                            ///< 1/m, under 1 N m
};

/// Derives and solves one variant (t = 1 mm, G = 0.7e11 / 2.6 Pa).
OpenProfileTwistVariant DeriveOpenProfileTwist(int p1, int p2, int p3, int p4, int p5, int p6,
                                               int p7);

/// Begin routine: answers head and statement.
void BeginOpenProfileTwistProblem(SharedState& s);
/// Variant routine: the dimensioned section and its answers row.
void WriteOpenProfileTwistVariant(SharedState& s);

}  // namespace strength
