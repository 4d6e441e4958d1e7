#pragma once

#include <string_view>

#include "subjects/shared_state.h"

// The linkage solver: velocities and accelerations of the joints of a plane mechanism with one
// degree of freedom, and the angular velocity and acceleration of every link, from the points
// of the figure's point set (read only) and the driving link's values. Angles count
// counter-clockwise; a link a-b with angular velocity w moves b relative to a by w (-r_y, r_x),
// r = b - a. A generator calls the steps in the order of its mechanism's structure.

namespace kinematics {

/// Sets the six per-point arrays of points 1..n to 0.
void ClearLinkagePoints(SharedState& s, int n);
/// Sets LinkOmega[1..n, 1..n] to 0 (LinkEpsilon is left alone).
void ClearLinkOmega(SharedState& s, int n);
/// Point c rigidly attached to the link a-b whose LinkOmega[a, b] and LinkEpsilon[a, b] are
/// known (the crank's end A of pivot O: SolveRigidLinkPoint(A, O, A)).
void SolveRigidLinkPoint(SharedState& s, int a, int b, int c);
/// The group of link a-b from the known point a to b and link b-c to the fixed pivot c; throws
/// DegenerateDataError naming `mechanism` in a dead-point position.
void SolveTwoLinkGroup(SharedState& s, int a, int b, int c, std::string_view mechanism = "");
/// Link a-b from the known point a to the slider b on a fixed guide at (k - 1) 90 degrees;
/// throws DegenerateDataError naming `mechanism` when a-b is perpendicular to the guide.
void SolveSliderGroup(SharedState& s, int a, int b, int k, std::string_view mechanism = "");
/// Defines the macros \sA, \sB, ... of the first n capital letters, each $letter$.
void DefineJointLabelMacros(SharedState& s, int n);
/// The direction from point b to point a: SegmentDirX/Y, SegmentLength and SegmentAngle (by
/// atan2, so a vertical segment gets +-pi/2).
void ComputeSegmentDirection(SharedState& s, int a, int b);

}  // namespace kinematics
