#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace calculus {

/// Number of rows in the Analysis list.
inline constexpr int kAnalysisProblemCount = 35;

/// The Analysis tab: its rows in list order and the bounds of rows 36..40.
extern const subjects::ProblemTab AnalysisTab;

/// The Analysis list-box texts, row i = problem number i, stored with their trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kAnalysisProblemCount> AnalysisTitles;
/// Upper bounds of P1..P7 for every Analysis row; rows 36..40 hold 9 9 9 5 5 5 5.
extern const toolkit::TParameterRangeTable AnalysisRanges;

/// Runs the begin routine of Analysis row `problem` once per document; 0 or above 35 does nothing.
void BeginAnalysisProblem(SharedState& s, int problem);
/// Runs the variant routine of Analysis row `problem` for the current variant; 0 or above 35
/// does nothing.
void WriteAnalysisVariant(SharedState& s, int problem);

}  // namespace calculus
