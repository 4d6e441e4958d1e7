#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "subjects/logic/problems.h"
#include "subjects/logic/three_variable_formulas.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace logic {

namespace {

// Entries 31..40 of the Zhegalkin catalogue in the catalogue notation; index 0 here is the
// default entry. Entries 3..30 are those of ThreeVariableFormulas, entries 1 and 2 use the
// Sheffer stroke and the Peirce arrow and are written out below.
constexpr std::string_view kOwnFormulas[] = {
    "xy+~x~y+~yz",     // default (0, 41 and above)
    "xy+xz+~xyz",      // 31
    "xy+xz+~xy~z",     // 32
    "~xy+xz+~x~y~z",   // 33
    "~xy+xz+~x~y~z",   // 34
    "~xy+xz+~x~y~z",   // 35
    "x~y+xz+~x~y~z",   // 36
    "x~y+xz+~x~y~z",   // 37
    "x~y+xz+~x~y~z",   // 38
    "~x~y+xz+~x~y~z",  // 39
    "x~y+~xz+~x~y~z",  // 40
};
static_assert(std::size(kOwnFormulas) == 11);

/// The value of entry `index` at (x, y, z); its text when `text` is not null.
int ZhegalkinEntry(int index, int x, int y, int z, std::string* text) {
  if (index == 1) {
    if (text != nullptr) *text = std::string("x") + "z" + " | " + "\\bar y";
    return (x & z & (1 - y)) != 0 ? 0 : 1;
  }
  if (index == 2) {
    if (text != nullptr) *text = std::string("x") + "\\downarrow " + "y" + "z" + "\\bar x";
    return (x | (y & z & (1 - x))) != 0 ? 0 : 1;
  }
  const std::string_view formula = index >= 3 && index <= 30    ? ThreeVariableFormula(index)
                                   : index >= 31 && index <= 40 ? kOwnFormulas[index - 30]
                                                                : kOwnFormulas[0];
  if (text != nullptr) *text = DisjunctionText(formula, PlainLetters());
  LetterValues values{};
  values['x' - 'a'] = x;
  values['y' - 'a'] = y;
  values['z' - 'a'] = z;
  return DisjunctionValue(formula, values);
}

}  // namespace

int EvaluateZhegalkinFormula(SharedState& s, int index, int x, int y, int z) {
  const bool first = x == 0 && y == 0 && z == 0;
  std::string text;
  const int value = ZhegalkinEntry(index, x, y, z, first ? &text : nullptr);
  if (first) toolkit::WriteText(s, "$" + text + "$ ");
  return value;
}

void BeginZhegalkinPolynomialProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s, "Записать в виде полинома Жегалкина логическую функцию.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWriteLine(s, " \\No & $f$ & Полином \\\\\\hline");
}

void WriteZhegalkinPolynomialVariant(SharedState& s) {
  toolkit::WriteText(s, "\\vskip3mm");
  std::array<int, 9> f{};
  for (int row = 1; row <= 8; ++row) {
    f[static_cast<std::size_t>(row)] = EvaluateZhegalkinFormula(
        s, s.P1, ((row - 1) >> 2) & 1, ((row - 1) >> 1) & 1, (row - 1) & 1);
  }
  toolkit::WriteText(s, "\\vskip3mm");

  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  for (int row = 1; row <= 8; ++row) {
    toolkit::AnsWrite(s,
                      std::to_string(f[static_cast<std::size_t>(row)]) + (row < 8 ? ", " : " & "));
  }

  const int c1 = f[1];
  const int cx = f[1] ^ f[5], cy = f[1] ^ f[3], cz = f[1] ^ f[2];
  const int cxy = f[1] ^ cx ^ cy ^ f[7];
  const int cxz = f[1] ^ cx ^ cz ^ f[6];
  const int cyz = f[1] ^ cy ^ cz ^ f[4];
  const int cxyz = f[1] ^ cx ^ cy ^ cz ^ cxy ^ cxz ^ cyz ^ f[8];
  // Highest degree first.
  const std::pair<int, const char*> monomials[] = {{cxyz, "xyz"}, {cyz, "yz"}, {cxz, "xz"},
                                                   {cxy, "xy"},   {cz, "z"},   {cy, "y"},
                                                   {cx, "x"},     {c1, "1"}};
  std::string polynomial;
  for (const auto& [c, text] : monomials) {
    if (c == 0) continue;
    if (!polynomial.empty()) polynomial += "\\oplus ";
    polynomial += text;
  }
  toolkit::AnsWrite(s, "$" + polynomial + "$");
}

}  // namespace logic
