#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "subjects/shared_state.h"
#include "toolkit/state.h"

// A subject tab is one table of problem rows, in list order. Each row holds everything the
// shell needs of it: the title as stored, the bounds of P1..P7 and the routines that write it.
// The dispatch below is the same for every tab, so a tab is its table.
namespace subjects {

/// A begin or variant routine of one problem type. Rows that pass a mode to a shared routine
/// name a captureless lambda here.
using ProblemRoutine = void (*)(SharedState& s);

/// Upper bounds of P1..P7 of one row.
using ParameterBounds = std::array<std::uint8_t, 7>;

/// One row of a tab's list. A row whose problem type is not built yet has no routines: a
/// Start on it writes the document frame only.
struct ProblemRow {
  std::string_view Title;  ///< as stored, trailing blanks included (UTF-8)
  ParameterBounds Bounds{};
  ProblemRoutine Begin = nullptr;
  ProblemRoutine Variant = nullptr;
  /// Rows that give another problem at Level 1 name its pair here; the choice is made at
  /// each call from the Start's working Level.
  ProblemRoutine LevelOneBegin = nullptr;
  ProblemRoutine LevelOneVariant = nullptr;
};

/// A tab's table: its listed rows (row i is Rows[i - 1]) and the bounds of the rows after
/// them up to row 40, which belong to no list row but are stored in every parameter table.
struct ProblemTab {
  std::span<const ProblemRow> Rows;
  std::span<const ParameterBounds> SpareBounds;
};

/// The row `problem` (1-based) of tab; nullptr for 0 or a number beyond its rows.
const ProblemRow* FindRow(const ProblemTab& tab, int problem);

/// Whether row `problem` of tab writes a problem (has its routines).
bool IsRowBuilt(const ProblemTab& tab, int problem);

/// The 40 rows of bounds: the listed rows', then SpareBounds; rows neither covers hold zeros.
toolkit::TParameterRangeTable RangesOf(const ProblemTab& tab);

/// Runs the begin routine of row `problem` (its Level-one routine when the row has one and
/// Level is 1); 0, a number beyond the rows or a row not built does nothing.
void BeginRowProblem(SharedState& s, const ProblemTab& tab, int problem);

/// Runs the variant routine of row `problem`, chosen as BeginRowProblem chooses; 0, a number
/// beyond the rows or a row not built does nothing.
void WriteRowVariant(SharedState& s, const ProblemTab& tab, int problem);

}  // namespace subjects
