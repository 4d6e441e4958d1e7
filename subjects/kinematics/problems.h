#pragma once

#include "subjects/shared_state.h"

// The begin/variant pairs of the Kinematic rows, one problem type per file.
namespace kinematics {

/// Row 1: Cartesian coordinates, flat trajectory (the plane-curve laws).
void BeginCartesianFlatProblem(SharedState& s);
void WriteCartesianFlatVariant(SharedState& s);

/// Row 2: Cartesian coordinates, spatial trajectory.
void BeginCartesianSpatialProblem(SharedState& s);
void WriteCartesianSpatialVariant(SharedState& s);

/// Row 22: spherical motion given by Euler angles (both answers files).
void BeginSphericalMotionProblem(SharedState& s);
void WriteSphericalMotionVariant(SharedState& s);

/// Row 3: motion along a plane curve with constant speed (natural coordinates).
void BeginNaturalCoordinatesProblem(SharedState& s);
void WriteNaturalCoordinatesVariant(SharedState& s);

/// Row 4: motion of a point in polar coordinates (both answers files).
void BeginPolarProblem(SharedState& s);
void WritePolarVariant(SharedState& s);

/// Row 7: uniformly accelerated rotation from rest (no figure, no book reference).
void BeginRotationFromRestProblem(SharedState& s);
void WriteRotationFromRestVariant(SharedState& s);

}  // namespace kinematics
