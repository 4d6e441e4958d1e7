#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace discrete {

/// Number of rows in the Discrete Mathematics list.
inline constexpr int kDiscreteProblemCount = 38;

/// The Discrete Mathematics tab: its rows in list order and the bounds of rows 39 and 40.
extern const subjects::ProblemTab DiscreteTab;

/// The Discrete Mathematics list-box texts, row i = problem number i, stored with their
/// trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kDiscreteProblemCount> DiscreteTitles;
/// Upper bounds of P1..P7 for every Discrete Mathematics row; rows 39 and 40 hold 1s.
extern const toolkit::TParameterRangeTable DiscreteRanges;

/// Runs the begin routine of Discrete Mathematics row `problem` once per document (with the
/// row's grid and gap settings first); 0 or above 38 does nothing.
void BeginDiscreteProblem(SharedState& s, int problem);
/// Runs the variant routine of Discrete Mathematics row `problem` for the current variant;
/// 0 or above 38 does nothing.
void WriteDiscreteVariant(SharedState& s, int problem);

}  // namespace discrete
