#include "subjects/common/problem_row.h"

#include <cstddef>

namespace subjects {

namespace {

bool UsesLevelOnePair(const SharedState& s, const ProblemRow& row) {
  return s.Level == 1 && row.LevelOneBegin != nullptr;
}

}  // namespace

const ProblemRow* FindRow(const ProblemTab& tab, int problem) {
  if (problem < 1 || problem > static_cast<int>(tab.Rows.size())) return nullptr;
  return &tab.Rows[static_cast<std::size_t>(problem - 1)];
}

bool IsRowBuilt(const ProblemTab& tab, int problem) {
  const ProblemRow* row = FindRow(tab, problem);
  return row != nullptr && row->Begin != nullptr && row->Variant != nullptr;
}

toolkit::TParameterRangeTable RangesOf(const ProblemTab& tab) {
  toolkit::TParameterRangeTable ranges{};
  const auto put = [&ranges](int row, const ParameterBounds& bounds) {
    for (int k = 1; k <= 7; ++k) ranges[row][k] = bounds[static_cast<std::size_t>(k - 1)];
  };
  int row = 1;
  for (const ProblemRow& listed : tab.Rows) {
    if (row > 40) break;
    put(row++, listed.Bounds);
  }
  for (const ParameterBounds& spare : tab.SpareBounds) {
    if (row > 40) break;
    put(row++, spare);
  }
  return ranges;
}

void BeginRowProblem(SharedState& s, const ProblemTab& tab, int problem) {
  if (!IsRowBuilt(tab, problem)) return;
  const ProblemRow& row = *FindRow(tab, problem);
  (UsesLevelOnePair(s, row) ? row.LevelOneBegin : row.Begin)(s);
}

void WriteRowVariant(SharedState& s, const ProblemTab& tab, int problem) {
  if (!IsRowBuilt(tab, problem)) return;
  const ProblemRow& row = *FindRow(tab, problem);
  (UsesLevelOnePair(s, row) && row.LevelOneVariant != nullptr ? row.LevelOneVariant
                                                              : row.Variant)(s);
}

}  // namespace subjects
