#pragma once

#include <string>

#include "subjects/kinematics/point_motion_state.h"
#include "subjects/shared_state.h"

// The small toolkit of the point-motion rows: fraction texts for the printed laws, the instant
// t1 as a fraction of pi, the separator of the x and y laws, and speed, accelerations and
// radius of curvature from the velocity and acceleration components.
namespace kinematics {

/// Reduces a/b (trial divisors from 2) and leaves the parts as decimal text, cut to 6
/// characters, in FractionNumText and FractionDenText. For a or b not positive only factors 2
/// are divided out; 0/0 stays 0/0.
void ReduceFractionText(PointMotion& m, int a, int b);
/// LaTeX text of the reduced a/b: "\frac{n}{d}", "n" when d = 1, " " when a = b.
std::string FormatTexFraction(PointMotion& m, int a, int b);
/// Text of (a/b)t: "t/d", "nt/d", "nt", "t" when a = b.
std::string FormatTimeCoefficient(PointMotion& m, int a, int b);
/// The smaller of a and b.
int IntMin(int a, int b);
/// t1 := P4 pi/(6 LawN) after P4 3 -> 11, 9 -> 13, 6 -> 14 (P4 keeps the new value): sets
/// LawFrequency and T1Text ("13\pi/18", " \pi/6").
void SetInstantFromP4(SharedState& s);
/// Main file: "$ \\[2pt] $ y= " (no line end).
void WriteYEquals(SharedState& s);
/// From PointVx..PointAz: PointSpeed, PointAccel, TangentialAccel, NormalAccel (|v x a|/v, 0
/// below 1e-9 max(1, a): a path straight up to rounding) and CurvatureRadius (-1 when NormalAccel
/// is 0). A point at rest (speed below 1e-9 max(1, a)) gets TangentialAccel := a and NormalAccel :=
/// 0.
void PointMotionCharacteristics(PointMotion& m);

}  // namespace kinematics
