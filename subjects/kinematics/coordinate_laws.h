#pragma once

// The one-variable laws of motion of the spatial-trajectory row, whose kinds 1..9 also serve as
// the Euler-angle laws of the spherical-motion row: coefficients from P4 and P5, value and
// exact first and second derivatives. Each row writes the laws in its own texts.
namespace kinematics {

/// The integer coefficients A, B, N of law `kind` (1..12) for P4 and P5.
struct CoordinateLawCoefficients {
  int A = 0, B = 0, N = 0;
};

/// f(t), f'(t), f''(t) of one law.
struct CoordinateLawValue {
  double f = 0, d1 = 0, d2 = 0;
};

/// Coefficients of law `kind` (1..12); any other kind gives zeros.
CoordinateLawCoefficients CoordinateLawCoefficientsOf(int kind, int p4, int p5);
/// f, f', f'' of law `kind` (1..12) at t; any other kind gives zeros.
CoordinateLawValue CoordinateLawAt(int kind, int p4, int p5, double t);

}  // namespace kinematics
