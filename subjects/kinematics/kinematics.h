#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace kinematics {

/// Number of rows in the Kinematic list.
inline constexpr int kKinematicsProblemCount = 23;

/// The mode byte that list rows 8, 9, 10 and 14 pass to the routine pairs they share with the
/// Dynamics tab (0: the row passes none). Rows 8, 9, 10 and 14 name captureless lambdas that
/// pass these values to both routines of their pair.
inline constexpr int kFourLinkKinematicsMode = 1;     // row 8
inline constexpr int kSixLinkKinematicsMode = 2;      // row 9
inline constexpr int kSevenLinkKinematicsMode = 9;    // row 10
inline constexpr int kRollingDiskKinematicsMode = 1;  // row 14
/// The four-link family's mode of the Dynamics tab's row 9 (the support reactions).
inline constexpr int kFourLinkStaticsMode = 9;
/// The four-link family's mode of the Dynamics tab's row 12 (the moment on the crank).
inline constexpr int kFourLinkMomentMode = 12;

/// The Kinematic tab: its rows in list order and the bounds of rows 24..40.
extern const subjects::ProblemTab KinematicsTab;

/// The Kinematic list-box texts, row i = problem number i, stored with their trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kKinematicsProblemCount> KinematicsTitles;
/// Upper bounds of P1..P7 for every Kinematic row; rows 24..40 belong to no list row and hold
/// zeros.
extern const toolkit::TParameterRangeTable KinematicsRanges;

/// The four-link mechanism family: mode 1 is Kinematic row 8 (velocities and accelerations of
/// the joints), mode 9 Dynamics row 9 (support reactions of the four rods), mode 12 Dynamics
/// row 12 (the moment on the crank and the powers); other modes set the box width only.
void BeginFourLinkMechanismProblem(SharedState& s, int mode);
/// One variant of the four-link family in `mode` (1, 9 or 12): figure, data and the answers
/// rows; mode 12 sets P5 := 1. Throws DegenerateDataError in a dead-point position.
void WriteFourLinkMechanismVariant(SharedState& s, int mode);

/// The six-link mechanism (Kinematic row 9): the crank, a slider, a rolling disc and a rocker
/// in one of 15 schemes; the mode byte is ignored.
void BeginSixLinkMechanismProblem(SharedState& s, int mode);
/// One variant of the six-link mechanism: figure, data text and a row in each answers table.
void WriteSixLinkMechanismVariant(SharedState& s, int mode);

/// The seven-link mechanism family: mode 9 is Kinematic row 10 (velocities of the joints and
/// accelerations of three of them), mode 3 Dynamics row 21 (the same figure read as a hinged-rod
/// system; the variant numbers only).
void BeginSevenLinkMechanismProblem(SharedState& s, int mode);
/// One variant of the seven-link family in `mode` (9 or 3).
void WriteSevenLinkMechanismVariant(SharedState& s, int mode);
/// The seven-link family's mode of the Dynamics tab's row 21.
inline constexpr int kSevenLinkReactionsMode = 3;

/// Runs the begin routine of Kinematic row `problem` once per document; 0 or above 23 does
/// nothing.
void BeginKinematicsProblem(SharedState& s, int problem);
/// Runs the variant routine of Kinematic row `problem` for the current variant; 0 or above 23
/// does nothing.
void WriteKinematicsVariant(SharedState& s, int problem);

}  // namespace kinematics
