#include <array>
#include <cstdlib>
#include <string_view>

#include "subjects/discrete/problems.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// The fourteen component formulas as printed.
constexpr std::array<std::string_view, 14> kCayleyFormulaTexts{
    "a_1b_2",          "a_2b_1",          "|a_1-b_2|",       "|a_2-b_1|",
    "|a_1a_2-b_1b_2|", "|a_2b_1-a_1b_2|", "|a_1b_1-a_2b_2|", "|a_1b_1-b_2|",
    "|a_2b_2-b_1|",    "|a_1b_1-a_2|",    "|a_2b_2-a_1|",    "|a_2-1|b_2",
    "|a_1-1|b_1",      "|a_1-1|b_2"};

// Element i = 1..4 is x_(i-1): (0, 0), (0, 1), (1, 0), (1, 1).
int First(int i) { return (i - 1) / 2; }
int Second(int i) { return (i - 1) % 2; }

// f_k(element i, element j); k outside 1..14 gives i.
int CayleyFormula(int i, int j, int k) {
  const int a1 = First(i), a2 = Second(i), b1 = First(j), b2 = Second(j);
  switch (k) {
    case 1: return a1 * b2;
    case 2: return a2 * b1;
    case 3: return std::abs(a1 - b2);
    case 4: return std::abs(a2 - b1);
    case 5: return std::abs(a1 * a2 - b1 * b2);
    case 6: return std::abs(a2 * b1 - a1 * b2);
    case 7: return std::abs(a1 * b1 - a2 * b2);
    case 8: return std::abs(a1 * b1 - b2);
    case 9: return std::abs(a2 * b2 - b1);
    case 10: return std::abs(a1 * b1 - a2);
    case 11: return std::abs(a2 * b2 - a1);
    case 12: return std::abs(a2 - 1) * b2;
    case 13: return std::abs(a1 - 1) * b1;
    case 14: return std::abs(a1 - 1) * b2;
    default: return i;
  }
}

// The second formula: P2, moved on by one when it equals P1, and back to 1 above 11.
int SecondFormula(const SharedState& s) {
  int k2 = s.P2;
  if (k2 == s.P1) ++k2;
  if (k2 > 11) k2 = 1;
  return k2;
}

void WriteCayleyCell(SharedState& s, int i, int j, int k1, int k2) {
  const int c = CayleyFormula(i, j, k1);
  const int d = CayleyFormula(i, j, k2);
  if (c == 0 && d == 0) toolkit::AnsWrite(s, "$x_0$");
  if (c == 0 && d == 1) toolkit::AnsWrite(s, "$x_1$");
  if (c == 1 && d == 0) toolkit::AnsWrite(s, "$x_2$");
  if (c == 1 && d == 1) toolkit::AnsWrite(s, "$x_3$");
}

}  // namespace

void BeginCayleyTableProblem(SharedState& s) {
  // Three variant boxes to a line on A4.
  s.ParboxWidth = 125;
  toolkit::WriteLine(s,
                     "Составить таблицу Кэли структуры $(X,*)$, заданной на множестве пар "
                     "$x_0=(0,0)$, $x_1=(0,1)$, $x_2=(1,0)$, $x_3=(1,1)$.");
  if (s.TicketMode) {
    toolkit::WriteLine(s, " Указано правило для умножения пар $a=(a_1,a_2)$ и $b=(b_1,b_2)$:\\ \\ \\  ");
  } else {
    toolkit::WriteLine(s, " Указано правило для умножения пар $a=(a_1,a_2)$ и $b=(b_1,b_2)$.\\\\\\noindent ");
  }
}

void WriteCayleyTableVariant(SharedState& s) {
  const int k1 = s.P1;
  const int k2 = SecondFormula(s);
  toolkit::WriteLine(s, " $a*b=$");
  toolkit::WriteLine(s, "$(");
  toolkit::WriteText(s, kCayleyFormulaTexts[static_cast<std::size_t>(k1 - 1)]);
  toolkit::WriteText(s, ", ");
  toolkit::WriteText(s, kCayleyFormulaTexts[static_cast<std::size_t>(k2 - 1)]);
  toolkit::WriteLine(s, ")$  ");
  // Four answers to a line with narrower columns: the answers come as one unbreakable box that
  // has to hold all 40.
  toolkit::AnsWriteTextNumber(s, "\\noindent\\parbox{100pt}{\\hfill{\\bf ",
                              toolkit::PrintedVariantNumber(s), ")} ");
  // Right-aligned columns and the last row ended right before the rule, like every answers
  // table; the cells are of one width, so the look is the same.
  toolkit::AnsWrite(s, "\\tabcolsep=3pt\\begin{tabular}{|rrrr|}\\hline");
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      WriteCayleyCell(s, i, j, k1, k2);
      toolkit::AnsWrite(s, j < 4 ? " & " : i < 4 ? "\\\\ " : "\\\\");
    }
  }
  toolkit::AnsWrite(s, "\\hline\\end{tabular}\\rule{0pt}{38pt}} ");
}

}  // namespace discrete
