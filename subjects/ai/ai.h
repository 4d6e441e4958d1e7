#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace ai {

/// Number of rows in the Artificial intelligence list.
inline constexpr int kAiProblemCount = 19;

/// The Artificial intelligence tab: its rows in list order and the bounds of rows 20..40.
extern const subjects::ProblemTab AiTab;

/// The list-box texts of the tab, row i = problem number i (rows 1 and 3 keep their blanks).
extern const toolkit::IndexedArray<std::string_view, 1, kAiProblemCount> AiTitles;
/// Upper bounds of P1..P7 for every row of the tab, rows 20..40 included.
extern const toolkit::TParameterRangeTable AiRanges;

/// Runs the begin routine of row `problem` once per document; 0, above 19 or a row not built
/// yet does nothing.
void BeginAiProblem(SharedState& s, int problem);
/// Runs the variant routine of row `problem` for the current variant; 0, above 19 or a row
/// not built yet does nothing.
void WriteAiVariant(SharedState& s, int problem);

}  // namespace ai
