#include "shell/dispatch.h"

#include <cstddef>

#include "subjects/ai/ai.h"
#include "subjects/algebra/algebra.h"
#include "subjects/calculus/calculus.h"
#include "subjects/discrete/discrete.h"
#include "subjects/dynamics/dynamics.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/logic/logic.h"
#include "subjects/statics/statics.h"
#include "subjects/strength/strength.h"

namespace shell {

const SubjectTable& DefaultSubjectTable() {
  // One line per tab, in tab order: letter, caption, folder, namespace, table of problem rows
  // (none yet: the tab is listed but writes the document frame only). A tab
  // draws on other folders too (Mechanics of Materials on subjects/structural, Dynamics on
  // subjects/mechanisms); the folder named here holds its table.
  static const SubjectTable table = {{
      {SubjectLetters[0], "Analysis", "calculus", "calculus", &calculus::AnalysisTab},
      {SubjectLetters[1], "Mechanics of Materials", "strength", "strength",
       &strength::MechanicsOfMaterialsTab},
      {SubjectLetters[2], "Algebra, geometry", "algebra", "algebra", &algebra::AlgebraTab},
      {SubjectLetters[3], "Discrete Mathematics", "discrete", "discrete", &discrete::DiscreteTab},
      {SubjectLetters[4], "Statics", "statics", "statics", &statics::StaticsTab},
      {SubjectLetters[5], "Kinematic", "kinematics", "kinematics", &kinematics::KinematicsTab},
      {SubjectLetters[6], "Dynamics", "dynamics", "dynamics", &dynamics::DynamicsTab},
      {SubjectLetters[7], "Artificial intelligence", "ai", "ai", &ai::AiTab},
      {SubjectLetters[8], "Logic", "logic", "logic", &logic::LogicTab},
  }};
  return table;
}

const SubjectRow* FindSubject(const SubjectTable& table, int subject_index) {
  if (subject_index < 1 || subject_index > static_cast<int>(table.size())) return nullptr;
  return &table[static_cast<std::size_t>(subject_index - 1)];
}

namespace {

const subjects::ProblemTab* TabOf(const SubjectTable& table, int subject_index) {
  const SubjectRow* row = FindSubject(table, subject_index);
  return row == nullptr ? nullptr : row->Tab;
}

}  // namespace

int ProblemCount(const SubjectTable& table, int subject_index) {
  const subjects::ProblemTab* tab = TabOf(table, subject_index);
  return tab == nullptr ? 0 : static_cast<int>(tab->Rows.size());
}

std::string_view ProblemTitle(const SubjectTable& table, int subject_index, int problem) {
  const subjects::ProblemTab* tab = TabOf(table, subject_index);
  const subjects::ProblemRow* row = tab == nullptr ? nullptr : subjects::FindRow(*tab, problem);
  return row == nullptr ? std::string_view{} : row->Title;
}

bool IsBuilt(const SubjectTable& table, int subject_index, int problem) {
  const subjects::ProblemTab* tab = TabOf(table, subject_index);
  return tab != nullptr && subjects::IsRowBuilt(*tab, problem);
}

toolkit::TParameterRangeTable SubjectRanges(const SubjectTable& table, int subject_index) {
  const subjects::ProblemTab* tab = TabOf(table, subject_index);
  return tab == nullptr ? toolkit::TParameterRangeTable{} : subjects::RangesOf(*tab);
}

void ResetWeightBox(SharedState& s) {
  s.WeightBoxSize = 8;
  s.WeightBoxLabelled = true;
}

void BeginSubjectProblem(SharedState& s, int problem, const SubjectTable& table) {
  ResetWeightBox(s);
  const subjects::ProblemTab* tab = TabOf(table, s.SubjectIndex);
  if (tab != nullptr) subjects::BeginRowProblem(s, *tab, problem);
}

void WriteSubjectVariant(SharedState& s, int problem, const SubjectTable& table) {
  const subjects::ProblemTab* tab = TabOf(table, s.SubjectIndex);
  if (tab != nullptr) subjects::WriteRowVariant(s, *tab, problem);
}

}  // namespace shell
