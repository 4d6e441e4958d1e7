#pragma once

// Runners that write one Analysis variant into memory, for the calculus answer checks.

#include <string>

#include "subjects/calculus/calculus.h"
#include "subjects/shared_state.h"
#include "tests/support/memory_files.h"
#include "tests/support/numeric_check.h"

namespace numeric_check {

/// The bounds of Analysis row `row` for the parameters it reads (reads[k] true for P(k+1));
/// the others are kept at 1.
void RowBounds(int row, const bool (&reads)[7], int (&bounds)[7]);

/// What one variant wrote: main file and answers file (UTF-8, CR LF kept).
struct VariantText {
  std::string main;
  std::string ans;  ///< the answers file, then the second one (a split table's other parts)
};

/// Runs the begin entry and one variant of Analysis row `problem` in a fresh state, with the
/// given parameters, Level and printed number, and returns what the variant itself wrote.
VariantText RunAnalysisVariant(int problem, const Params& q, int level,
                                      int first_number = 1);

/// One document of Analysis row `problem` at one Level, as a Start writes it: the begin entry
/// runs once, then any number of variants. Each Run returns what that variant alone wrote
/// (the output files are emptied before it), so that a sweep over thousands of parameter sets
/// stays fast.
class VariantRunner {
 public:
  VariantRunner(int problem, int level, int first_number = 1) : problem_(problem) {
    testing_support::OpenMemoryFiles(state_);
    state_.Level = level;
    state_.FirstNumber = first_number;
    state_.VariantIndex = 1;
    calculus::BeginAnalysisProblem(state_, problem_);
  }

  /// Writes one variant with parameters q (as variant 1 of the document).
  VariantText Run(const Params& q) {
    testing_support::OpenMemoryFiles(state_);
    std::int8_t* p[7] = {&state_.P1, &state_.P2, &state_.P3, &state_.P4,
                         &state_.P5, &state_.P6, &state_.P7};
    for (int k = 0; k < 7; ++k) *p[k] = static_cast<std::int8_t>(q.p[k]);
    calculus::WriteAnalysisVariant(state_, problem_);
    return {testing_support::MainText(state_),
            testing_support::AnsText(state_) + testing_support::Ans2Text(state_)};
  }

  SharedState& state() { return state_; }

 private:
  int problem_;
  SharedState state_;
};

/// "P1..P7 = .., Level L", then what the variant wrote to the main and answers files: the
/// context of a failure message.
std::string Where(const Params& q, int level, const VariantText& v);

/// Runs Analysis row `row` at every Level 1..10 for every parameter set within bounds (see
/// ForEachParameterSet), each variant in a fresh state (RunAnalysisVariant), and hands check
/// the parameters, the Level and what the variant wrote.
void ForEachVariant(
    int row, const int (&bounds)[7],
    const std::function<void(const Params&, int level, const VariantText&)>& check);

}  // namespace numeric_check
