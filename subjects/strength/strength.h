#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace strength {

/// Number of rows in the Mechanics of Materials list.
inline constexpr int kMechanicsProblemCount = 39;

/// The Mechanics of Materials tab: its rows in list order and the bounds of row 40.
extern const subjects::ProblemTab MechanicsOfMaterialsTab;

/// The Mechanics of Materials list-box texts, row i = problem number i, stored with their
/// trailing blanks.
extern const toolkit::IndexedArray<std::string_view, 1, kMechanicsProblemCount> MechanicsTitles;
/// Upper bounds of P1..P7 for every Mechanics of Materials row; row 40 holds 9 9 9 5 5 5 5.
extern const toolkit::TParameterRangeTable MechanicsRanges;

/// Runs the begin routine of Mechanics of Materials row `problem` (low 8 bits) once per
/// document; 0, rows above 39 and rows not built yet do nothing.
void BeginMechanicsOfMaterialsProblem(SharedState& s, int problem);
/// Runs the variant routine of Mechanics of Materials row `problem` (low 8 bits) for the
/// current variant; 0, rows above 39 and rows not built yet do nothing.
void WriteMechanicsOfMaterialsVariant(SharedState& s, int problem);

}  // namespace strength
