#pragma once

#include <string_view>

#include "subjects/shared_state.h"

namespace statics {

/// One variant of the moment of a plane force about the origin, derived from P1..P6: the
/// force, its point of application A, its projections and their moments (all whole numbers),
/// and where the picture, which is not to scale, puts A.
struct ForceMomentVariant {
  int F = 0;                     ///< magnitude, 5..20
  int xA = 0, yA = 0;            ///< signed coordinates of A
  int X = 0, Y = 0;              ///< A in the picture
  int sx = 0, sy = 0;            ///< signs of the projections, +1 or -1
  int Fx = 0, Fy = 0;            ///< projections
  int MFx = 0, MFy = 0, MF = 0;  ///< moments about O of F_x, F_y and F
  std::string_view slope;        ///< tg alpha as printed, "3/4" or "4/3"
};

/// Derives a variant from p1 (slope), p2 (quadrant of A), p3 (direction), p4 (magnitude), p5,
/// p6 (|x_A| - 3, |y_A| - 3).
ForceMomentVariant DeriveForceMomentVariant(int p1, int p2, int p3, int p4, int p5, int p6);

/// Begin routine: the saved axes picture, the answers head and the statement.
void BeginForceMomentProblem(SharedState& s);
/// Variant routine: the picture of A and the force over the axes, F and tg alpha, four answers
/// cells.
void WriteForceMomentVariant(SharedState& s);

}  // namespace statics
