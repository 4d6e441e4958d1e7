#include "tests/support/run_harness.h"

#include <string>

#include "shell/dispatch.h"
#include "shell/variant_parameters.h"
#include "toolkit/answers.h"

namespace testing_support {

std::unique_ptr<SharedState> NewState() {
  auto s = std::make_unique<SharedState>();
  figures::ResetDrawingState(*s);
  s->Level = 1;
  s->FirstNumber = 1;
  s->VariantCount = 1;
  s->SetNumber = 1;
  OpenMemoryFiles(*s);
  return s;
}

void SetStudentsMode(SharedState& s) {
  s.StudentsMode = true;
  s.GroupName = "Группа";
  s.StudentNames[1] = "Группа";
  for (int v = 1; v <= 39; ++v) s.StudentNames[v + 1] = "Студент " + std::to_string(v);
  s.StudentLineCount = 40;
}

void SetVariant(SharedState& s, int v, const VariantParams& p) {
  s.VariantIndex = v;
  for (int k = 1; k <= 7; ++k) {
    s.StoredVariants[v][k] = static_cast<std::uint8_t>(p[static_cast<std::size_t>(k - 1)] & 0xFF);
  }
  shell::TakeStoredParameters(s, v);
}

RunTexts RunBeginVariant(SharedState& s, const std::function<void(SharedState&)>& begin,
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

RunTexts RunTableRow(SharedState& s, const shell::SubjectTable& table, int subject,
                            int problem, const std::vector<VariantParams>& variants) {
  s.SubjectIndex = subject;
  s.ProblemNumber = problem;
  return RunBeginVariant(
      s, [&](SharedState& st) { shell::BeginSubjectProblem(st, problem, table); },
      [&](SharedState& st) { shell::WriteSubjectVariant(st, problem, table); }, variants);
}

}  // namespace testing_support
