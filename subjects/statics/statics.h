#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace statics {

/// Number of rows in the Statics list.
inline constexpr int kStaticsProblemCount = 27;

/// The Statics tab: its rows in list order and the bounds of rows 28..40.
extern const subjects::ProblemTab StaticsTab;

/// The Statics list-box texts, row i = problem number i, stored with their trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kStaticsProblemCount> StaticsTitles;
/// Upper bounds of P1..P7 for every Statics row; rows 28..40 hold 9 9 9 5 5 5 5.
extern const toolkit::TParameterRangeTable StaticsRanges;

/// Runs the begin routine of Statics row `problem` (low 8 bits) once per document; 0, rows
/// above 27 and rows not built yet do nothing.
void BeginStaticsProblem(SharedState& s, int problem);
/// Runs the variant routine of Statics row `problem` (low 8 bits) for the current variant; 0,
/// rows above 27 and rows not built yet do nothing.
void WriteStaticsVariant(SharedState& s, int problem);

}  // namespace statics
