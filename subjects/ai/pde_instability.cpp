#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/numerics.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace ai {

void BeginPdeInstabilityProblem(SharedState& s) {
  s.ParboxWidth = 190;
  toolkit::AnsBeginTable(s, 3);
  // Two columns: the number and the curve (no empty third head cell).
  toolkit::AnsWriteLine(s, " & Уравнение кривой нестабильности \\\\\\hline ");
  toolkit::WriteLine(s,
                     " Найти кривую нестабильности 2-го порядка дифференциального уравнения в "
                     "частных производных. \\par\\noindent");
}

void WritePdeInstabilityVariant(SharedState& s) {
  const int shape = s.P1;
  const int a = s.P2 + 1;
  const int b = a + 1;
  const int q = s.P3 + 2;
  int r = s.P4 + 2;
  if (r == q) ++r;

  switch (shape) {
    case 1:
      toolkit::WriteText4NumbersLn(s, "$$", a, "yu_x+", q, "xu_y+u(", a, "y+", q, "x) = 0. $$");
      break;
    case 2:
      toolkit::WriteText4NumbersLn(s, "$$", b, "xu_x+", a, "yu_y+u(", a, "y+", b, "x) = 0. $$");
      break;
    case 3:
      toolkit::WriteText4NumbersLn(s, "$$", a, "u_x+", b, "u_y+u(", a, "y+", b, "x) = 0. $$");
      break;
    case 4:
      toolkit::WriteText4NumbersLn(s, "$$", a, "y^2u_x+", b, "x^2u_y+2u(", a, "y+", b,
                                   "x) = 0. $$");
      break;
    case 5:
      toolkit::WriteText5NumbersLn(s, "$$ ", r, "x^{", r - 1, "}y^{", q, "}u_x+", q, "x^{", r,
                                   "}y^{");
      toolkit::WriteText3NumbersLn(s, "", q - 1, "}u_y+x^{", r, "}y^{", q, "}u+1=0.$$");
      break;
    case 6:
      toolkit::WriteText5NumbersLn(s, "$$ ", q, "y^{", q - 1, "}x^{", r, "}u_x+", r, "y^{", q,
                                   "}x^{");
      toolkit::WriteText3NumbersLn(s, "", r - 1, "}u_y+x^{", r, "}y^{", q, "}u-1=0.$$");
      break;
    case 7:
      toolkit::WriteText4NumbersLn(s, " $$ y^{", q, "}x^{", r + 1, "}u_x+y^{", q + 1, "}x^{", r,
                                   "}u_y+");
      toolkit::WriteText3NumbersLn(s, "", r * q, "x^{", r - 1, "}y^{", q - 1, "}u+1=0. $$ ");
      break;
    case 8:
      toolkit::WriteText2NumbersLn(s, "$$x(x^2y^2+", q, ")u_x+y(x^2y^2+", q, ")u_y+4xyu = 0. $$");
      break;
    default:
      break;
  }

  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " & ");
  switch (shape) {
    case 1:
    case 2: {
      // The x coefficient of the equation shown: q in shape 1, b in shape 2.
      const int m = shape == 1 ? q : b;
      toolkit::AnsWriteText4NumbersLn(s, "$(", a, "y+", m, "x)(", m * m, "x^2+", 2 * a * m, "xy");
      toolkit::AnsWriteText3Numbers(s, "+", a * a, shape == 1 ? "y^2-" : "y^2+", a * m,
                                    shape == 1 ? "x -" : "x +", a * m, "y)$");
      break;
    }
    case 3:
      toolkit::AnsWriteText4NumbersLn(s, "$(", a, "y+", b, "x)((", b, "x+", a, "y)^2-");
      toolkit::AnsWriteTextNumber(s, "", 2 * a * b, ")$");
      break;
    case 4: {
      toolkit::AnsWriteText2Numbers(s, "$(", a, "y+", b, "x)(");
      int c[3] = {2 * b * b - a * b, 3 * a * b, 2 * a * a - a * b};
      toolkit::NormalizeIntVector(c, 3);
      toolkit::TermSum factor;
      factor.Add(c[0], " x^2 ").Add(c[1], " xy ").Add(c[2], " y^2 ");
      toolkit::AnsWrite(s, factor.Text() + ")$");
      break;
    }
    case 5:
      toolkit::AnsWriteText2Numbers(s, "$x=0$, $y=0$, $x^2=", r, "$, $y^2=", q, "$");
      break;
    case 6:
      toolkit::AnsWriteTextNumber(s, "$x=0$, $y=0$, $x^2y^2=", q * r, "$");
      break;
    case 7:
      toolkit::AnsWriteText2Numbers(s, "$x=0$, $y=0$, $(3xy+", q * r, ")(xy+", q * r, ")$");
      break;
    case 8:
      toolkit::AnsWriteText2Numbers(s, "$x=0$, $y=0$, $(3x^2y^2+4xy-", q, ")(x^2y^2+4xy+", q, ")$");
      break;
    default:
      break;
  }
}

}  // namespace ai
