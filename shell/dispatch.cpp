#include "shell/dispatch.h"

#include <cstddef>

#include "subjects/calculus/calculus.h"
#include "subjects/strength/strength.h"

namespace shell {

const SubjectTable& DefaultSubjectTable() {
  // Built on first use, so that the subjects' tables (defined in other files) are ready.
  // Each subject fills its own row: letter, titles, ranges, begin entry, variant entry.
  static const SubjectTable table = {{
      {SubjectLetters[0], {calculus::AnalysisTitles.begin(), calculus::AnalysisTitles.end()},
       &calculus::AnalysisRanges, calculus::BeginAnalysisProblem, calculus::WriteAnalysisVariant},  // Analysis
      {SubjectLetters[1], {strength::MechanicsTitles.begin(), strength::MechanicsTitles.end()},
       &strength::MechanicsRanges, strength::BeginMechanicsOfMaterialsProblem,
       strength::WriteMechanicsOfMaterialsVariant},  // Mechanics of Materials
      {SubjectLetters[2], {}, nullptr, nullptr, nullptr},  // Algebra, geometry
      {SubjectLetters[3], {}, nullptr, nullptr, nullptr},  // Discrete Mathematics
      {SubjectLetters[4], {}, nullptr, nullptr, nullptr},  // Statics
      {SubjectLetters[5], {}, nullptr, nullptr, nullptr},  // Kinematic
      {SubjectLetters[6], {}, nullptr, nullptr, nullptr},  // Dynamics
      {SubjectLetters[7], {}, nullptr, nullptr, nullptr},  // Artificial intelligence
      {SubjectLetters[8], {}, nullptr, nullptr, nullptr},  // Logic
  }};
  return table;
}

const SubjectRow* FindSubject(const SubjectTable& table, int subject_index) {
  if (subject_index < 1 || subject_index > static_cast<int>(table.size())) return nullptr;
  return &table[static_cast<std::size_t>(subject_index - 1)];
}

int ProblemCount(const SubjectTable& table, int subject_index) {
  const SubjectRow* row = FindSubject(table, subject_index);
  return row == nullptr ? 0 : static_cast<int>(row->Titles.size());
}

std::string_view ProblemTitle(const SubjectTable& table, int subject_index, int problem) {
  if (problem < 1 || problem > ProblemCount(table, subject_index)) return {};
  return FindSubject(table, subject_index)->Titles[static_cast<std::size_t>(problem - 1)];
}

void BeginSubjectProblem(SharedState& s, int problem, const SubjectTable& table) {
  s.WeightBoxSize = 8;
  s.WeightBoxLabelled = true;
  const SubjectRow* row = FindSubject(table, s.SubjectIndex);
  if (row != nullptr && row->Begin != nullptr) row->Begin(s, problem);
}

void WriteSubjectVariant(SharedState& s, int problem, const SubjectTable& table) {
  const SubjectRow* row = FindSubject(table, s.SubjectIndex);
  if (row != nullptr && row->Variant != nullptr) row->Variant(s, problem);
}

}  // namespace shell
