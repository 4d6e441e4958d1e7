#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace logic {

/// Number of rows in the Logic list.
inline constexpr int kLogicProblemCount = 7;

/// The Logic tab: its rows in list order and the bounds of rows 8..40.
extern const subjects::ProblemTab LogicTab;

/// The Logic list-box texts, row i = problem number i.
extern const toolkit::IndexedArray<std::string_view, 1, kLogicProblemCount> LogicTitles;
/// Upper bounds of P1..P7 for every Logic row; rows 8..40 hold 1 1 1 1 1 1 1.
extern const toolkit::TParameterRangeTable LogicRanges;

/// Runs the begin routine of Logic row `problem` once per document; 0 or above 7 does nothing.
void BeginLogicProblem(SharedState& s, int problem);
/// Runs the variant routine of Logic row `problem` for the current variant; 0 or above 7 does
/// nothing.
void WriteLogicVariant(SharedState& s, int problem);

}  // namespace logic
