#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of the rotor on a shaft (a thin disc tilted by a small angle and a point mass on
/// a rod), derived from P1..P5: dimensions (cm), masses (kg), the tensor about x, y, z at A
/// (products of inertia with a plus sign), the centre of mass (m), the motion at time t and the
/// dynamic bearing reactions (N).
struct ShaftReactionsVariant {
  int a = 0, b = 0, c = 0;        ///< axial spans, cm
  int R = 0, L = 0;               ///< disc radius and rod length, cm
  int m1 = 0, m2 = 0;             ///< disc and point mass, kg
  double alpha = 0;               ///< tilt of the disc's axis, rad
  int t = 0;                      ///< time, s
  double z1 = 0, z2 = 0, zB = 0;  ///< disc centre, point mass, bearing B from A along z, m
  double x2 = 0, y2 = 0;          ///< the point mass across the axis, m
  double Jxx = 0, Jxy = 0, Jxz = 0, Jyy = 0, Jyz = 0, Jzz = 0;
  double xc = 0, yc = 0, zc = 0;
  double Mz = 0, epsilon = 0, omega = 0;
  double XA = 0, YA = 0, XB = 0, YB = 0;
};

ShaftReactionsVariant DeriveShaftReactionsVariant(int p1, int p2, int p3, int p4, int p5);

/// Begin routine of Dynamics row 26: saveboxes, statement, both answers heads.
void BeginShaftReactionsProblem(SharedState& s);
/// Variant routine: figure, both answer rows, the data block.
void WriteShaftReactionsVariant(SharedState& s);

}  // namespace dynamics
