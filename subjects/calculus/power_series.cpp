#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// Writes the general term of kind q into the main file and its interval of convergence,
/// ends included where the series converges there, into the answers file.
void WriteKind(SharedState& s, int q) {
  switch (q) {
    case 1:
      WriteText(s, "(n+");
      WriteSeriesTerm(s, s.P1);
      WriteTextNumberLn(s, ")(x-", s.P4, ")^n");
      AnsWriteText2Numbers(s, " (", s.P4 - 1, ",", s.P4 + 1, ")");
      return;
    case 2:
      WriteTextNumberLn(s, "\\frac{(x+", s.P3, ")^n}{n+");
      WriteSeriesTerm(s, s.P4 + s.P5 - 1);
      WriteText(s, "}");
      AnsWriteText2Numbers(s, " [", -s.P3 - 1, ",", -s.P3 + 1, ")");
      return;
    default:  // 3
      WriteText2NumbersLn(s, "\\frac{(x+", s.P2, ")^n}{", s.P5 + 1, "^nn^2+");
      WriteSeriesTerm(s, s.P3 + s.P4 - 1);
      WriteText(s, "}");
      AnsWriteText2Numbers(s, " [", -s.P2 - (s.P5 + 1), ",", -s.P2 + (s.P5 + 1), "]");
      return;
  }
}

}  // namespace

void BeginPowerSeriesProblem(SharedState& s) {
  s.ParboxWidth = 195;
  WriteText(s, "Найти область сходимости степенного ряда ");
  // Three kinds of series: a fourth item would repeat the first one word for word.
  EndSeriesRegionHead(s, 3);
}

void WritePowerSeriesVariant(SharedState& s) {
  WriteSeriesRegionItems(s, s.P2, 3, WriteKind, "}$\\vskip1 pt");
}

}  // namespace calculus
