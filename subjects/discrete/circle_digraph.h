#pragma once

#include "subjects/shared_state.h"

// The layout shared by the digraph problems whose vertices stand on a circle.
namespace discrete {

/// Points 1..n on the circle of radius r about (r, r), point k at the angle 2 pi k / n.
void SetPointsOnCircle(SharedState& s, int n, double r);
/// The savebox "vrsins": circles of diameter 10 at points 1..n and their italic numbers.
void DefineNumberedCirclesBox(SharedState& s, int n);

}  // namespace discrete
