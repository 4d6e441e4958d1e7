#pragma once

#include <array>
#include <string_view>

#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/state.h"

namespace shell {

/// One subject tab of the table: its letter in document names, where its code lives and its
/// table of problem rows. A tab that is not built yet has no table: a Start then writes the
/// document frame only.
struct SubjectRow {
  std::string_view Letter;
  std::string_view Caption;    ///< the tab's caption in the main window
  std::string_view Folder;     ///< subjects/<Folder>: the tab's table and its own rows
  std::string_view Namespace;  ///< the C++ namespace of the tab's table
  const subjects::ProblemTab* Tab = nullptr;
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

/// Number of problem rows of subject_index (0 for a tab without a table or an index outside
/// 1..9).
int ProblemCount(const SubjectTable& table, int subject_index);

/// The stored title of problem `problem` of subject_index; empty for problem 0, a problem
/// beyond the subject's rows, a tab without a table or an index outside 1..9.
std::string_view ProblemTitle(const SubjectTable& table, int subject_index, int problem);

/// Whether problem `problem` of subject_index writes a problem (its routines exist); false
/// for everything ProblemTitle answers empty for.
bool IsBuilt(const SubjectTable& table, int subject_index, int problem);

/// The 40 rows of parameter bounds of subject_index; all zeros for a tab without a table or
/// an index outside 1..9.
toolkit::TParameterRangeTable SubjectRanges(const SubjectTable& table, int subject_index);

/// Sets WeightBoxSize := 8 and WeightBoxLabelled := true, then runs the begin routine of row
/// `problem` of subject SubjectIndex; an index outside 1..9, a tab without a table or a row
/// not built runs nothing.
void BeginSubjectProblem(SharedState& s, int problem,
                         const SubjectTable& table = DefaultSubjectTable());

/// Runs the variant routine of row `problem` of subject SubjectIndex; an index outside 1..9,
/// a tab without a table or a row not built runs nothing.
void WriteSubjectVariant(SharedState& s, int problem,
                         const SubjectTable& table = DefaultSubjectTable());

/// The drawing defaults every begin routine starts from: WeightBoxSize 8, labelled.
void ResetWeightBox(SharedState& s);

}  // namespace shell
