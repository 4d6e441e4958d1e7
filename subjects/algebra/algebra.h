#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace algebra {

/// Number of rows in the Algebra list.
inline constexpr int kAlgebraProblemCount = 23;

/// The Algebra tab: its rows in list order and the bounds of rows 24..40.
extern const subjects::ProblemTab AlgebraTab;

/// The Algebra list-box texts, row i = problem number i, stored with their trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kAlgebraProblemCount> AlgebraTitles;
/// Upper bounds of P1..P7 for every Algebra row and for the spare rows 24..40.
extern const toolkit::TParameterRangeTable AlgebraRanges;

/// Runs the begin routine of Algebra row `problem` once per document; 0 or above 23 does nothing.
void BeginAlgebraProblem(SharedState& s, int problem);
/// Runs the variant routine of Algebra row `problem` for the current variant; 0 or above 23
/// does nothing.
void WriteAlgebraVariant(SharedState& s, int problem);

}  // namespace algebra
