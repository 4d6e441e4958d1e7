#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the clamped thin-walled bar in constrained torsion (row 30).
struct ConstrainedTorsionVariant {
  int F1 = 0, F2 = 0;              ///< N, longitudinal forces (forces case)
  int M1 = 0, M2 = 0;              ///< N m, as printed (M2 doubled when equal to M1)
  int l1 = 0, l2 = 0, l3 = 0;      ///< cm
  int b = 0, h = 0;                ///< mm
  toolkit::IndexedArray<double, 1, 3> omega{};  ///< mm^2 at the force points
  double Jw = 0;                   ///< mm^6
  double S = 0;                    ///< mm, total wall length
  double B = 0;                    ///< N mm^2, bimoment of the forces (0 for moments)
  double Jd = 0;                   ///< m^4
  double k = 0;                    ///< 1/m
  double phi = 0;                  ///< rad at z = l3
};

/// The force pairs: point of F1 and point of F2 for P2 = 1..3.
inline constexpr int kForcePoints[4][2] = {{0, 0}, {1, 2}, {1, 3}, {2, 3}};

/// The angle of twist at z of a bar clamped at 0 (warping prevented) and free at L, carrying
/// the twisting moment T1 on (0, l1) and T2 on (l1, L), with the bimoment Bm at the free end
/// (SI units; k^2 = GJd / EJw).
double ConstrainedTwistAngle(double EJw, double GJd, double l1, double L, double T1, double T2,
                             double Bm, double z);

/// Derives and solves one variant (E = 2e11 Pa, G = 8e10 Pa, t = 1 mm).
ConstrainedTorsionVariant DeriveConstrainedTorsion(int p1, int p2, int p3, int p4, int p5, int p6,
                                                   int p7);

/// Begin routine: answers head, the section pictures and the statement.
void BeginConstrainedTorsionProblem(SharedState& s);
/// Variant routine: bar with its loads, data text and answers row.
void WriteConstrainedTorsionVariant(SharedState& s);

}  // namespace strength
