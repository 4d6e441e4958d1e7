#pragma once

#include <array>
#include <string_view>

#include "shell/dispatch.h"
#include "subjects/shared_state.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

/// A two-row subject for the shell's tests: problem 1 adds P1 and P2 (answers in both
/// tables), problem 2 has a Russian title and writes P3 only.
namespace tiny_subject {

inline constexpr std::array<std::string_view, 2> kTitles = {"Sum of two numbers  ",
                                                            "Задача о сумме"};

inline const toolkit::TParameterRangeTable& Ranges() {
  static const toolkit::TParameterRangeTable table = [] {
    toolkit::TParameterRangeTable t{};
    for (int row = 1; row <= 40; ++row) {
      for (int k = 1; k <= 7; ++k) t[row][k] = 1;
    }
    const int row1[7] = {5, 5, 3, 3, 4, 2, 2};
    for (int k = 1; k <= 7; ++k) t[1][k] = static_cast<std::uint8_t>(row1[k - 1]);
    t[2][3] = 9;
    return t;
  }();
  return table;
}

inline void Begin(SharedState& s, int problem) {
  if (problem < 1 || problem > 2) return;
  s.ParboxWidth = 200;
  toolkit::WriteLine(s, "Find $a+b$.");
  toolkit::AnsBeginTable(s, 1);
  toolkit::AnsWrite(s, "N & & $a+b$");
  toolkit::AnsEndTableRow(s);
  if (problem == 1) {
    toolkit::Ans2BeginTable(s, 1);
    toolkit::Ans2WriteLine(s, "N & $c$ \\\\\\hline ");
  }
}

inline void Variant(SharedState& s, int problem) {
  if (problem < 1 || problem > 2) return;
  const int n = s.FirstNumber + s.VariantIndex - 1;
  if (problem == 1) {
    toolkit::WriteText2NumbersLn(s, "$a=", s.P1, "$, $b=", s.P2, "$");
    toolkit::AnsWriteText2Numbers(s, "", n, " & & ", s.P1 + s.P2, "");
    toolkit::Ans2Write(s, std::to_string(n) + " & " + std::to_string(s.P3));
  } else {
    toolkit::WriteTextNumberLn(s, "$c=", s.P3, "$");
    toolkit::AnsWriteText2Numbers(s, "", n, " & & ", s.P3, "");
  }
}

/// The default table with this subject in row `subject` (1..9).
inline shell::SubjectTable TableWith(int subject) {
  shell::SubjectTable table = shell::DefaultSubjectTable();
  auto& row = table[static_cast<std::size_t>(subject - 1)];
  row.Titles = kTitles;
  row.Ranges = &Ranges();
  row.Begin = &Begin;
  row.Variant = &Variant;
  return table;
}

}  // namespace tiny_subject
