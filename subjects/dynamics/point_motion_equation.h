#pragma once

#include <string_view>

#include "subjects/shared_state.h"

namespace dynamics {

/// One worded problem: the statement for the main file and its answer for the answers file.
struct PointMotionProblem {
  std::string_view Statement;
  std::string_view Answer;
};

/// Problem p (1..33) of the bank; throws IndexRangeError outside 1..33.
const PointMotionProblem& PointMotionProblemOf(int p);

/// Begin routine of Dynamics row 2: ParboxWidth only (no common statement, no answers table).
void BeginPointMotionEquationProblem(SharedState& s);
/// Variant routine: the statement of problem P1 and its numbered answer paragraph.
void WritePointMotionEquationVariant(SharedState& s);

}  // namespace dynamics
