#pragma once

#include <array>
#include <string_view>

#include "shell/dispatch.h"
#include "subjects/common/problem_row.h"
#include "subjects/shared_state.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

/// A two-row subject for the shell's tests: problem 1 adds P1 and P2 (answers in both
/// tables), problem 2 has a Russian title and writes P3 only.
namespace tiny_subject {

inline void Begin1(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::WriteLine(s, "Find $a+b$.");
  toolkit::AnsBeginTable(s, 1);
  toolkit::AnsWrite(s, "N & & $a+b$");
  toolkit::AnsEndTableRow(s);
  toolkit::Ans2BeginTable(s, 1);
  toolkit::Ans2WriteLine(s, "N & $c$ \\\\\\hline ");
}

inline void Begin2(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::WriteLine(s, "Find $a+b$.");
  toolkit::AnsBeginTable(s, 1);
  toolkit::AnsWrite(s, "N & & $a+b$");
  toolkit::AnsEndTableRow(s);
}

inline void Variant1(SharedState& s) {
  const int n = toolkit::PrintedVariantNumber(s);
  toolkit::WriteText2NumbersLn(s, "$a=", s.P1, "$, $b=", s.P2, "$");
  toolkit::AnsWriteText2Numbers(s, "", n, " & & ", s.P1 + s.P2, "");
  toolkit::Ans2Write(s, std::to_string(n) + " & " + std::to_string(s.P3));
}

inline void Variant2(SharedState& s) {
  toolkit::WriteTextNumberLn(s, "$c=", s.P3, "$");
  toolkit::AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), " & & ", s.P3, "");
}

/// The tiny subject's table; a test may change a routine or a bound of its own copy.
struct Tab {
  std::array<subjects::ProblemRow, 2> rows = {{
      {"Sum of two numbers  ", {5, 5, 3, 3, 4, 2, 2}, Begin1, Variant1},
      {"Задача о сумме", {1, 1, 9, 1, 1, 1, 1}, Begin2, Variant2},
  }};
  std::array<subjects::ParameterBounds, 38> spare = [] {
    std::array<subjects::ParameterBounds, 38> rows{};
    for (auto& bounds : rows) bounds.fill(1);
    return rows;
  }();
  subjects::ProblemTab tab{rows, spare};

  Tab() = default;
  Tab(const Tab&) = delete;  // tab points into this object
  Tab& operator=(const Tab&) = delete;

  /// The default table with this subject in row `subject` (1..9).
  shell::SubjectTable TableWith(int subject) const {
    shell::SubjectTable table = shell::DefaultSubjectTable();
    table[static_cast<std::size_t>(subject - 1)].Tab = &tab;
    return table;
  }
};

/// The unchanged tiny subject.
inline const Tab& Default() {
  static const Tab tab;
  return tab;
}

/// The default table with the unchanged tiny subject in row `subject` (1..9).
inline shell::SubjectTable TableWith(int subject) { return Default().TableWith(subject); }

/// The tiny subject's 40 rows of bounds.
inline toolkit::TParameterRangeTable Ranges() { return subjects::RangesOf(Default().tab); }

}  // namespace tiny_subject
