#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/logic/problems.h"
#include "subjects/logic/three_variable_formulas.h"
#include "toolkit/answers.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace logic {

namespace {

// The four-variable catalogue over the formula positions a, b, c, d; index 0 here is the
// default entry. Entry 22 is written c̄d̄ ∨ b̄d̄ ∨ abcd: the same function as c̄d̄ ∨ b̄cd̄ ∨ abcd
// with one literal less, so that the answer is a minimal form like every other entry.
constexpr std::string_view kFourVariableFormulas[] = {
    "a~d+b",                    // default (0, 25 and above)
    "~a~b+dc",                  // 1
    "~ab+d~c",                  // 2
    "a~b~cd+cb",                // 3
    "~abc+d~a~c",               // 4
    "~abc+ab~c~d",              // 5
    "ab+~ca",                   // 6
    "~abc+~ca",                 // 7
    "~abc+a~c~d+~cab",          // 8
    "a~b+bcd~a",                // 9
    "~abc+c~d+a~b",             // 10
    "~b~c~d+~ac+~ad",           // 11
    "abc+a~b~c+~a~bcd+a~d",     // 12
    "a~c+~a~bc~d",              // 13
    "~db+dc",                   // 14
    "~ab~c+abd+a~b~c",          // 15
    "~ab~c+abd+a~b~c+~a~bc~d",  // 16
    "~ab~c+abd+a~b~c+~a~bcd",   // 17
    "~a",                       // 18
    "~bcd+a",                   // 19
    "~ad+ac",                   // 20
    "~b~c~d+~ab~c+abcd",        // 21
    "~c~d+~b~d+abcd",           // 22
    "ad+~a~b~c~d",              // 23
    "~ab+a~bd+~ac~d",           // 24
};
static_assert(std::size(kFourVariableFormulas) == 25);

constexpr char kVariableLetters[] = {'x', 'y', 'z', 'w'};

using Permutation = std::array<int, 5>;  // perm[1..4]

/// The value of entry `index` with position k taking the value of variable perm[k]
/// (values[1..4] of x, y, z, w); writes its text with the permuted letters to the answers file
/// when `write_text` is set.
int EvaluateFourVariableFormula(SharedState& s, int index, const Permutation& perm,
                                const std::array<int, 5>& values, bool write_text) {
  const std::string_view formula = kFourVariableFormulas[index >= 1 && index <= 24 ? index : 0];
  LetterValues v{};
  std::array<char, 26> letters = PlainLetters();
  for (int k = 1; k <= 4; ++k) {
    const int var = perm[static_cast<std::size_t>(k)];
    v[static_cast<std::size_t>(k - 1)] = values[static_cast<std::size_t>(var)];
    letters[static_cast<std::size_t>(k - 1)] = kVariableLetters[var - 1];
  }
  if (write_text) toolkit::AnsWrite(s, DisjunctionText(formula, letters));
  return DisjunctionValue(formula, v);
}

/// perm[1] = P2; position k = 2..4 takes the first value not yet taken at or cyclically after
/// its parameter (P3, P4, P5).
Permutation BuildVariablePermutation(const SharedState& s) {
  Permutation perm{};
  std::array<bool, 5> taken{};
  const int params[] = {s.P2, s.P3, s.P4, s.P5};
  for (int k = 1; k <= 4; ++k) {
    int candidate = params[k - 1];
    if (candidate < 1 || candidate > 4) candidate = 1;
    while (taken[static_cast<std::size_t>(candidate)]) {
      ++candidate;
      if (candidate == 5) candidate = 1;
    }
    perm[static_cast<std::size_t>(k)] = candidate;
    taken[static_cast<std::size_t>(candidate)] = true;
  }
  return perm;
}

/// The Karnaugh grid: 4 x 4 cells of 10 units, the variables' halves marked by brackets.
void DefineKarnaughBox(SharedState& s) {
  toolkit::BeginSaveBox(s, "karno");
  figures::SetLineWidth(s, 1);
  for (int k = 0; k <= 4; ++k) {
    figures::DrawSegment(s, 0, 10 * k, 40, 10 * k);
    figures::DrawSegment(s, 10 * k, 0, 10 * k, 40);
  }
  figures::PutLabel(s, "$y$", 28, 46);
  figures::PutLabel(s, "$x$", 18, -8);
  figures::PutLabel(s, "$w$", -10, 18);
  figures::PutLabel(s, "$z$", 45, 8);
  toolkit::WriteText(s, "\\speh\\Blue{");
  figures::MoveTo(s, 20, 41);
  figures::LineTo(s, 20, 43);
  figures::LineTo(s, 40, 43);
  figures::LineTo(s, 40, 41);
  toolkit::WriteText(s, "}\\Red{");
  figures::MoveTo(s, 10, -1);
  figures::LineTo(s, 10, -3);
  figures::LineTo(s, 30, -3);
  figures::LineTo(s, 30, -1);
  toolkit::WriteText(s, "}\\Magenta{");
  figures::MoveTo(s, -1, 10);
  figures::LineTo(s, -3, 10);
  figures::LineTo(s, -3, 30);
  figures::LineTo(s, -1, 30);
  toolkit::WriteText(s, "}\\OliveGreen{");
  figures::MoveTo(s, 41, 0);
  figures::LineTo(s, 43, 0);
  figures::LineTo(s, 43, 20);
  figures::LineTo(s, 39, 20);
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
}

}  // namespace

void BeginFourVariableDnfProblem(SharedState& s, int mode) {
  if (mode == 1) {
    s.ParboxWidth = 360;
    toolkit::WriteText(s, "Упростить совершенную дизъюнктивную нормальную форму.\\\\\\noindent");
  } else {
    s.ParboxWidth = 100;
    toolkit::WriteText(s, "Упростить логическую функцию, заданную картой Карно.\\\\\\noindent");
  }
  toolkit::AnsBeginTable(s, 12);
  toolkit::AnsWriteLine(s, "\\No & $f$ & значения $f$ \\\\\\hline ");
  DefineKarnaughBox(s);
}

void WriteFourVariableDnfVariant(SharedState& s, int mode) {
  const Permutation perm = BuildVariablePermutation(s);
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "& $");
  if (mode == 1) {
    toolkit::WriteText(s, "\\vskip1pt $");
  } else {
    // The map stands at the right of the box's 120 pt (its labels reach x = 53 and y = 51).
    toolkit::BeginPicture(s, 120, 62, -60, -10);
  }

  // Column of (x, y) and line of (z, w) in the map, indexed by the two bits.
  constexpr int kColumn[2][2] = {{1, 4}, {2, 3}};
  constexpr int kLine[2][2] = {{4, 3}, {1, 2}};
  std::array<int, 17> f{};
  int count = 0;
  for (int row = 1; row <= 16; ++row) {
    std::array<int, 5> values{};
    for (int var = 1; var <= 4; ++var) {
      values[static_cast<std::size_t>(var)] = ((row - 1) >> (4 - var)) & 1;
    }
    const int value = EvaluateFourVariableFormula(s, s.P1, perm, values, row == 1);
    f[static_cast<std::size_t>(row)] = value;
    if (value == 0) continue;
    ++count;
    if (mode == 1) {
      if (count > 1) toolkit::WriteText(s, "\\vee ");
      std::string minterm;
      for (int var = 1; var <= 4; ++var) {
        if (values[static_cast<std::size_t>(var)] == 0) minterm += "\\bar ";
        minterm += kVariableLetters[var - 1];
      }
      toolkit::WriteText(s, minterm);
    } else {
      const int c = kColumn[values[1]][values[2]];
      const int r = kLine[values[3]][values[4]];
      figures::PutMathText(s, "*", 10 * (c - 1) + 2, 10 * (r - 1) + 1);
    }
  }

  if (mode == 1) {
    toolkit::WriteText(s, "$ ");
  } else {
    figures::PutBox(s, "karno", 0, 0);
    toolkit::EndPicture(s);
  }
  toolkit::AnsWrite(s, " $ & ");
  for (int row = 1; row <= 16; ++row) {
    toolkit::AnsWrite(s, " " + std::to_string(f[static_cast<std::size_t>(row)]) + " ");
  }
}

}  // namespace logic
