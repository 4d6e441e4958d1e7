#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "figures/figure_state.h"
#include "shell/dispatch.h"
#include "shell/start.h"
#include "subjects/shared_state.h"
#include "tests/support/memory_files.h"
#include "toolkit/answers.h"

namespace testing_support {

/// P1..P7 of one variant, as stored (1..bound; values above 127 reach the generators as
/// value - 256).
using VariantParams = std::array<int, 7>;

/// What the three files of an in-memory run hold, as UTF-8 (CR LF kept).
struct RunTexts {
  std::string main;
  std::string answers;
  std::string second_answers;
};

/// A fresh shared state with its three files in memory, the start-up drawing defaults,
/// Level 1, FirstNumber 1, VariantCount 1 and SetNumber 1. On the heap: the state is large.
inline std::unique_ptr<SharedState> NewState() {
  auto s = std::make_unique<SharedState>();
  figures::ResetDrawingState(*s);
  s->Level = 1;
  s->FirstNumber = 1;
  s->VariantCount = 1;
  s->SetNumber = 1;
  OpenMemoryFiles(*s);
  return s;
}

/// Sets VariantIndex := v and P1..P7 (and StoredVariants[v], which some generators read)
/// from p.
inline void SetVariant(SharedState& s, int v, const VariantParams& p) {
  s.VariantIndex = v;
  for (int k = 1; k <= 7; ++k) {
    s.StoredVariants[v][k] = static_cast<std::uint8_t>(p[static_cast<std::size_t>(k - 1)] & 0xFF);
  }
  s.P1 = static_cast<std::int8_t>(s.StoredVariants[v][1]);
  s.P2 = static_cast<std::int8_t>(s.StoredVariants[v][2]);
  s.P3 = static_cast<std::int8_t>(s.StoredVariants[v][3]);
  s.P4 = static_cast<std::int8_t>(s.StoredVariants[v][4]);
  s.P5 = static_cast<std::int8_t>(s.StoredVariants[v][5]);
  s.P6 = static_cast<std::int8_t>(s.StoredVariants[v][6]);
  s.P7 = static_cast<std::int8_t>(s.StoredVariants[v][7]);
}

/// Runs begin once and then variant once per entry of variants (variant v gets
/// VariantIndex v and the parameters variants[v - 1]), ending the answers rows after each
/// variant and closing the open answers tables at the end as the problem-set run does.
/// The state's files must be open (NewState opens them in memory); they stay open.
/// Returns what the three files hold.
inline RunTexts RunBeginVariant(SharedState& s, const std::function<void(SharedState&)>& begin,
                                const std::function<void(SharedState&)>& variant,
                                const std::vector<VariantParams>& variants) {
  s.WriteCramerRows = true;
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
  shell::ResetWeightBox(s);
  s.VariantCount = static_cast<int>(variants.size());
  begin(s);
  for (std::size_t i = 0; i < variants.size(); ++i) {
    SetVariant(s, static_cast<int>(i) + 1, variants[i]);
    variant(s);
    toolkit::EndAnswersRows(s);
  }
  toolkit::CloseAnswersTables(s);
  return {MainText(s), AnsText(s), Ans2Text(s)};
}

/// RunBeginVariant through the entries of a subject table: SubjectIndex := subject,
/// ProblemNumber := problem, and the row's begin and variant entries with that problem.
inline RunTexts RunTableRow(SharedState& s, const shell::SubjectTable& table, int subject,
                            int problem, const std::vector<VariantParams>& variants) {
  s.SubjectIndex = subject;
  s.ProblemNumber = problem;
  return RunBeginVariant(
      s, [&](SharedState& st) { shell::BeginSubjectProblem(st, problem, table); },
      [&](SharedState& st) { shell::WriteSubjectVariant(st, problem, table); }, variants);
}

}  // namespace testing_support
