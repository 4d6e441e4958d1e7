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
std::unique_ptr<SharedState> NewState();

/// Sets VariantIndex := v and P1..P7 (and StoredVariants[v], which some generators read)
/// from p.
void SetVariant(SharedState& s, int v, const VariantParams& p);

/// Students mode as a loaded list of one group with 39 students sets it (GroupName
/// "Группа" on line 1, "Студент 1".."Студент 39" on lines 2..40).
void SetStudentsMode(SharedState& s);

/// Runs begin once and then variant once per entry of variants (variant v gets
/// VariantIndex v and the parameters variants[v - 1]), ending the answers rows after each
/// variant and closing the open answers tables at the end as the problem-set run does.
/// The state's files must be open (NewState opens them in memory); they stay open.
/// Returns what the three files hold.
RunTexts RunBeginVariant(SharedState& s, const std::function<void(SharedState&)>& begin,
                                const std::function<void(SharedState&)>& variant,
                                const std::vector<VariantParams>& variants);

/// RunBeginVariant through the entries of a subject table: SubjectIndex := subject,
/// ProblemNumber := problem, and the row's begin and variant entries with that problem.
RunTexts RunTableRow(SharedState& s, const shell::SubjectTable& table, int subject,
                            int problem, const std::vector<VariantParams>& variants);

}  // namespace testing_support
