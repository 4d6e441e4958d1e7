#pragma once

#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace dynamics {

/// Number of rows in the Dynamics list.
inline constexpr int kDynamicsProblemCount = 34;

/// Target box of a figure fit that every Dynamics problem starts from (picture units).
inline constexpr int kDynamicsBoxWidth = 120;
inline constexpr int kDynamicsBoxHeight = 60;

/// The Dynamics tab: its rows in list order and the bounds of rows 35..40.
extern const subjects::ProblemTab DynamicsTab;

/// The Dynamics list-box texts, row i = problem number i, stored with their blanks and typos.
extern const toolkit::IndexedArray<std::string_view, 1, kDynamicsProblemCount> DynamicsTitles;
/// Upper bounds of P1..P7 for every Dynamics row; rows 35..40 hold 1 in every column.
extern const toolkit::TParameterRangeTable DynamicsRanges;

/// Sets the Dynamics default target box (120 x 60). Every begin routine of the tab calls it
/// first; a routine that wants another box sets its own afterwards, and that box stays in
/// force for the document's variants.
void SetDynamicsDefaultBox(SharedState& s);

/// Sets the default box, then runs the begin routine of Dynamics row `problem` (low 8 bits)
/// once per document; 0, rows above 34, blank rows and rows not built yet do nothing else.
void BeginDynamicsProblem(SharedState& s, int problem);
/// Runs the variant routine of Dynamics row `problem` (low 8 bits) for the current variant;
/// 0, rows above 34, blank rows and rows not built yet do nothing. The box is left alone.
void WriteDynamicsVariant(SharedState& s, int problem);

}  // namespace dynamics
