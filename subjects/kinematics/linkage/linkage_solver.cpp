#include "subjects/kinematics/linkage/linkage_solver.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "toolkit/errors.h"
#include "toolkit/numerics.h"

namespace kinematics {

namespace {

void ApplyLinkVelocity(SharedState& s, int a, int b) {
  const double w = s.LinkRate;
  s.LinkPointVx[b] = s.LinkPointVx[a] + w * s.LinkPerpX;
  s.LinkPointVy[b] = s.LinkPointVy[a] + w * s.LinkPerpY;
  s.LinkPointSpeed[b] = toolkit::Hypot(s.LinkPointVx[b], s.LinkPointVy[b]);
  s.LinkOmega[b][a] = w;
  s.LinkOmega[a][b] = w;
}

void ApplyLinkAcceleration(SharedState& s, int a, int b) {
  const double e = s.LinkEpsilon[a][b];
  s.LinkPointAx[b] = e * s.LinkPerpX - s.AccelTermX;
  s.LinkPointAy[b] = s.AccelTermY + e * s.LinkPerpY;
  s.LinkPointAccel[b] = toolkit::Hypot(s.LinkPointAx[b], s.LinkPointAy[b]);
  s.LinkEpsilon[b][a] = s.LinkEpsilon[a][b];
}

// The group's 2 x 2 system is singular in a dead-point position.
void RequireRegular(const SharedState& s, int a, int b, std::string_view mechanism) {
  const double scale = std::hypot(s.GuideNormalX, s.GuideNormalY) * std::hypot(s.LinkPerpX, s.LinkPerpY);
  if (std::fabs(s.GroupDeterminant) <= 1e-12 * scale) {
    throw toolkit::DegenerateDataError(std::string(mechanism.empty() ? "mechanism" : mechanism) +
                                       ": dead-point position at the link " + std::to_string(a) +
                                       "-" + std::to_string(b));
  }
}

// Steps shared by the two groups: the link a-b turned, the determinant and w_ab.
void SolveGroupVelocity(SharedState& s, int a, int b, std::string_view mechanism) {
  s.LinkPerpX = s.PointY[a] - s.PointY[b];
  s.LinkPerpY = s.PointX[b] - s.PointX[a];
  s.GroupDeterminant = s.GuideNormalY * s.LinkPerpY + s.GuideNormalX * s.LinkPerpX;
  RequireRegular(s, a, b, mechanism);
  s.LinkRate = -(s.GuideNormalY * s.LinkPointVy[a] + s.GuideNormalX * s.LinkPointVx[a]) /
               s.GroupDeterminant;
  ApplyLinkVelocity(s, a, b);
  const double w = s.LinkRate;
  s.AccelTermX = w * w * s.LinkPerpY - s.LinkPointAx[a];
  s.AccelTermY = w * w * s.LinkPerpX + s.LinkPointAy[a];
}

}  // namespace

void ClearLinkagePoints(SharedState& s, int n) {
  for (int i = 1; i <= n; ++i) {
    s.LinkPointVx[i] = s.LinkPointVy[i] = s.LinkPointSpeed[i] = 0;
    s.LinkPointAx[i] = s.LinkPointAy[i] = s.LinkPointAccel[i] = 0;
  }
}

void ClearLinkOmega(SharedState& s, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) s.LinkOmega[i][j] = 0;
  }
}

void SolveRigidLinkPoint(SharedState& s, int a, int b, int c) {
  const double w = s.LinkOmega[a][b];
  s.LinkOmega[c][a] = w;
  s.LinkOmega[a][c] = w;
  const double e = s.LinkEpsilon[a][b];
  s.LinkRateAccel = e;
  s.LinkEpsilon[c][a] = e;
  s.LinkEpsilon[a][c] = e;
  s.LinkEpsilon[b][c] = e;
  s.LinkPerpX = s.PointY[b] - s.PointY[c];
  s.LinkPerpY = s.PointX[c] - s.PointX[b];
  s.LinkRate = w;
  ApplyLinkVelocity(s, b, c);
  s.AccelTermX = w * w * s.LinkPerpY - s.LinkPointAx[b];
  s.AccelTermY = w * w * s.LinkPerpX + s.LinkPointAy[b];
  ApplyLinkAcceleration(s, b, c);
}

void SolveTwoLinkGroup(SharedState& s, int a, int b, int c, std::string_view mechanism) {
  s.GuideNormalY = s.PointY[c] - s.PointY[b];
  s.GuideNormalX = s.PointX[c] - s.PointX[b];
  SolveGroupVelocity(s, a, b, mechanism);
  // v_b = w_bc (-ny, nx) with n = c - b: take w_bc from the larger component of n. A component
  // that is zero only up to rounding (a vertical or horizontal b-c after fitting) would divide
  // noise by noise.
  if (std::fabs(s.GuideNormalY) >= std::fabs(s.GuideNormalX)) {
    s.LinkOmega[b][c] = s.LinkPointVx[b] / s.GuideNormalY;
  } else {
    s.LinkOmega[b][c] = -s.LinkPointVy[b] / s.GuideNormalX;
  }
  s.LinkOmega[c][b] = s.LinkOmega[b][c];
  const double wbc = s.LinkOmega[c][b];
  const double U = s.AccelTermX + s.GuideNormalX * wbc * wbc;
  const double W = -s.AccelTermY + s.GuideNormalY * wbc * wbc;
  const double D = s.GroupDeterminant;
  s.LinkEpsilon[a][b] = (s.GuideNormalY * W + s.GuideNormalX * U) / D;
  s.LinkEpsilon[b][c] = (W * s.LinkPerpX - s.LinkPerpY * U) / D;
  ApplyLinkAcceleration(s, a, b);
  s.LinkEpsilon[c][b] = s.LinkEpsilon[b][c];
}

void SolveSliderGroup(SharedState& s, int a, int b, int k, std::string_view mechanism) {
  const double t = (k - 1) * std::numbers::pi * 0.5;
  s.GuideNormalY = std::cos(t);
  s.GuideNormalX = -std::sin(t);
  SolveGroupVelocity(s, a, b, mechanism);
  s.LinkEpsilon[a][b] =
      (s.GuideNormalX * s.AccelTermX - s.GuideNormalY * s.AccelTermY) / s.GroupDeterminant;
  ApplyLinkAcceleration(s, a, b);
}

void DefineJointLabelMacros(SharedState& s, int n) {
  for (int i = 0; i < n; ++i) {
    const std::string letter(1, static_cast<char>('A' + i));
    figures::DefineMacro(s, "s" + letter, "$" + letter + "$");
  }
}

void ComputeSegmentDirection(SharedState& s, int a, int b) {
  const double dy = s.PointY[a] - s.PointY[b];
  const double dx = s.PointX[a] - s.PointX[b];
  s.SegmentLength = toolkit::Hypot(dy, dx);
  if (s.SegmentLength == 0) {
    throw toolkit::DegenerateDataError("segment " + std::to_string(a) + "-" + std::to_string(b) +
                                       " of zero length has no direction");
  }
  s.SegmentDirY = dy / s.SegmentLength;
  s.SegmentDirX = dx / s.SegmentLength;
  // atan2 covers the vertical segment too; the angle stays in (-pi/2, 3pi/2].
  double angle = std::atan2(s.SegmentDirY, s.SegmentDirX);
  if (angle <= -std::numbers::pi / 2) angle += 2 * std::numbers::pi;
  s.SegmentAngle = angle;
}

}  // namespace kinematics
