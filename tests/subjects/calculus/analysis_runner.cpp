#include "tests/subjects/calculus/analysis_runner.h"

#include <array>

#include "tests/support/sweep.h"

namespace numeric_check {

void RowBounds(int row, const bool (&reads)[7], int (&bounds)[7]) {
  for (int k = 0; k < 7; ++k) bounds[k] = reads[k] ? calculus::AnalysisRanges[row][k + 1] : 0;
}

VariantText RunAnalysisVariant(int problem, const Params& q, int level,
                                      int first_number) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = level;
  s.FirstNumber = first_number;
  s.VariantIndex = 1;
  calculus::BeginAnalysisProblem(s, problem);
  const std::string main_before = testing_support::MainText(s);
  const std::string ans_before = testing_support::AnsText(s);
  s.P1 = static_cast<std::int8_t>(q.p[0]);
  s.P2 = static_cast<std::int8_t>(q.p[1]);
  s.P3 = static_cast<std::int8_t>(q.p[2]);
  s.P4 = static_cast<std::int8_t>(q.p[3]);
  s.P5 = static_cast<std::int8_t>(q.p[4]);
  s.P6 = static_cast<std::int8_t>(q.p[5]);
  s.P7 = static_cast<std::int8_t>(q.p[6]);
  calculus::WriteAnalysisVariant(s, problem);
  return {testing_support::MainText(s).substr(main_before.size()),
          testing_support::AnsText(s).substr(ans_before.size()) + testing_support::Ans2Text(s)};
}

std::string Where(const Params& q, int level, const VariantText& v) {
  return Describe(q, level) + "\n" + v.main + "\n" + v.ans;
}

void ForEachVariant(
    int row, const int (&bounds)[7],
    const std::function<void(const Params&, int level, const VariantText&)>& check) {
  std::array<int, 7> lo{1, 1, 1, 1, 1, 1, 1}, hi{};
  for (int k = 0; k < 7; ++k) hi[k] = bounds[k] == 0 ? 1 : bounds[k];
  for (const testing_support::SweepPoint& point : testing_support::SweepPoints(lo, hi, 3000)) {
    Params q;
    for (int k = 0; k < 7; ++k) q.p[k] = point.p[k];
    check(q, point.level, RunAnalysisVariant(row, q, point.level));
  }
}

}  // namespace numeric_check
