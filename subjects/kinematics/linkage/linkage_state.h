#pragma once

#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace kinematics {

/// Angular values of the links: entry [i, j] belongs to the link joining points i and j.
using TLinkMatrix = toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 11>, 1, 11>;

/// The linkage solver's part of the program-wide state: the velocities and accelerations of
/// the joints, the angular velocities and accelerations of the links, the solver's working
/// values and the direction of the last measured segment. Generators clear what they read.
struct Linkage {
  toolkit::TPointArray LinkPointVx{}, LinkPointVy{}, LinkPointSpeed{};
  toolkit::TPointArray LinkPointAx{}, LinkPointAy{}, LinkPointAccel{};
  TLinkMatrix LinkOmega{}, LinkEpsilon{};
  // Working values of the step being applied.
  double LinkPerpX = 0, LinkPerpY = 0;
  double LinkRate = 0, LinkRateAccel = 0;
  double GuideNormalX = 0, GuideNormalY = 0;
  double GroupDeterminant = 0;
  double AccelTermX = 0, AccelTermY = 0;
  // ComputeSegmentDirection's results.
  double SegmentDirX = 0, SegmentDirY = 0, SegmentLength = 0, SegmentAngle = 0;
};

}  // namespace kinematics
