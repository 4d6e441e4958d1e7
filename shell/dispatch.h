#pragma once

#include <array>
#include <span>
#include <string_view>

#include "subjects/shared_state.h"
#include "toolkit/state.h"

namespace shell {

/// A subject's begin or variant entry. It takes the 1-based problem number (the row of the
/// subject's list); 0 and numbers above the subject's rows do nothing.
///
/// A subject declares in `subjects/<s>/<s>.h`, and the shell's table names:
///   extern const std::array<std::string_view, N> XxxTitles;   // [i - 1] titles problem i
///   extern const toolkit::TParameterRangeTable XxxRanges;     // row i: bounds of P1..P7
///   void BeginXxxProblem(SharedState& s, int problem);
///   void WriteXxxVariant(SharedState& s, int problem);
using SubjectEntry = void (*)(SharedState& s, int problem);

/// One subject of the table: its letter in document names, its problem titles (as stored,
/// trailing blanks included, UTF-8), its parameter bounds and its two entries. A subject that
/// is not built yet has an empty row (no titles, no ranges, no entries): a Start then writes
/// the document frame only.
struct SubjectRow {
  std::string_view Letter;
  std::span<const std::string_view> Titles;  ///< Titles[i - 1] is the title of problem i
  const toolkit::TParameterRangeTable* Ranges = nullptr;
  SubjectEntry Begin = nullptr;
  SubjectEntry Variant = nullptr;
};

/// The nine subjects in tab order; element SubjectIndex - 1 is subject SubjectIndex.
using SubjectTable = std::array<SubjectRow, 9>;

/// The letters of the nine subjects in tab order, as document names carry them.
inline constexpr std::array<std::string_view, 9> SubjectLetters = {"a", "m", "g", "c", "s",
                                                                   "k", "d", "b", "L"};

/// The program's subject table (every built subject registered in tab order).
const SubjectTable& DefaultSubjectTable();

/// The row of subject_index (1..9) in table; nullptr for any other index.
const SubjectRow* FindSubject(const SubjectTable& table, int subject_index);

/// Number of problem rows of subject_index (0 for an empty row or an index outside 1..9).
int ProblemCount(const SubjectTable& table, int subject_index);

/// The stored title of problem `problem` of subject_index; empty for problem 0, a problem
/// beyond the subject's rows, an empty row or an index outside 1..9.
std::string_view ProblemTitle(const SubjectTable& table, int subject_index, int problem);

/// Sets WeightBoxSize := 8 and WeightBoxLabelled := true, then runs the begin entry of
/// subject SubjectIndex with problem; an index outside 1..9 or an empty row runs nothing.
void BeginSubjectProblem(SharedState& s, int problem,
                         const SubjectTable& table = DefaultSubjectTable());

/// Runs the variant entry of subject SubjectIndex with problem; an index outside 1..9 or an
/// empty row runs nothing.
void WriteSubjectVariant(SharedState& s, int problem,
                         const SubjectTable& table = DefaultSubjectTable());

}  // namespace shell
