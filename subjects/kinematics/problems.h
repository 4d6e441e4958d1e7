#pragma once

#include "subjects/shared_state.h"

// The Kinematic problem types: one Begin/Write pair per file. The Begin routine runs once per
// document (statement, answers-table heads, book reference); the Write routine once per variant.

namespace kinematics {

/// Cartesian coordinates, flat trajectory (row 1): statement and answers head.
void BeginCartesianFlatProblem(SharedState& s);
/// Cartesian coordinates, flat trajectory: a plane-curve law, t1 and one answers row.
void WriteCartesianFlatVariant(SharedState& s);

/// Cartesian coordinates, spatial trajectory (row 2): statement and answers head.
void BeginCartesianSpatialProblem(SharedState& s);
/// Cartesian coordinates, spatial trajectory: three coordinate laws, t1 and one answers row.
void WriteCartesianSpatialVariant(SharedState& s);

/// Natural coordinates (row 3): statement and answers head.
void BeginNaturalCoordinatesProblem(SharedState& s);
/// Natural coordinates: a curve y(x), the speed, the abscissa and one answers row.
void WriteNaturalCoordinatesVariant(SharedState& s);

/// Polar coordinates (row 4): statement and the heads of both answers tables.
void BeginPolarProblem(SharedState& s);
/// Polar coordinates: rho(t), phi(t), the instant and a row in each answers table.
void WritePolarVariant(SharedState& s);

/// Velocity and acceleration of the body points (row 5): answers head and book reference.
void BeginBodyPointMotionProblem(SharedState& s);
/// Velocity and acceleration of the body points: one of ten word problems and its answer.
void WriteBodyPointMotionVariant(SharedState& s);

/// Transfer of rotation (row 6): answers head, the load boxes and the book reference.
void BeginBeltTransmissionProblem(SharedState& s);
/// Transfer of rotation: two stepped pulleys with a belt and two loads, figure and answers row.
void WriteBeltTransmissionVariant(SharedState& s);

/// Rotation from rest (row 7): statement and answers head (no book reference).
void BeginRotationFromRestProblem(SharedState& s);
/// Rotation from rest: eps, r, t and the speed and acceleration of the point.
void WriteRotationFromRestVariant(SharedState& s);

/// Complex motion of a point, axis perpendicular to the figure (row 18): the channel boxes, the
/// twelve figures, statement and the heads of both answers tables.
void BeginComplexMotionFlatProblem(SharedState& s);
/// Complex motion, flat: figure, law, transport rotation and a row in each answers table.
void WriteComplexMotionFlatVariant(SharedState& s);

/// Complex motion of a point, axis in the figure's plane (row 19): the channel and bearing
/// boxes, the twelve figures, statement and the heads of both answers tables.
void BeginComplexMotionSpatialProblem(SharedState& s);
/// Complex motion, axis in the plane: figure, law, transport rotation and both answers rows.
void WriteComplexMotionSpatialVariant(SharedState& s);

/// Spherical motion (row 22): statement and the heads of both answers tables.
void BeginSphericalMotionProblem(SharedState& s);
/// Spherical motion: the Euler angles, the point, the instant and a row in each answers table.
void WriteSphericalMotionVariant(SharedState& s);

/// Point moving along a rod of a crank linkage (row 20): angle marks, statement, answers heads.
void BeginPointOnRodProblem(SharedState& s);
/// Point on a rod: the linkage, the law of M along A-B, and a row in each answers table.
void WritePointOnRodVariant(SharedState& s);

/// Tasks on different topics (row 23): the vector macros of the statements.
void BeginDifferentTopicsProblem(SharedState& s);
/// Tasks on different topics: one of thirty short problems with its figure and formula answer.
void WriteDifferentTopicsVariant(SharedState& s);

}  // namespace kinematics
