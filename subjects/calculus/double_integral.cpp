#include <algorithm>
#include <cstdlib>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

void BeginDoubleIntegralProblem(SharedState& s) {
  AnsBeginTable(s, 5);
  AnsWrite(s, "\\No & Int & $x_1$ & $x_2$ ");
  s.ParboxWidth = 215;
  // Two boxes of this width do not fit side by side on the sheet: one to a line.
  WriteText(s, "\\rightskip=0pt plus1fil");
  WriteText(s, "Вычислить двойной интеграл по области $D$, ограниченной заданными линиями.");
  EndTableHeadWithReference(s, 289);
}

void WriteDoubleIntegralVariant(SharedState& s) {
  const int alpha = s.P3;
  int c = s.P4;
  // With alpha + c = 6 the two curves would only touch and the region would be empty.
  if (alpha + c == 6) ++c;
  // The curves meet at alpha and beta, whose midpoint is 6 - c.
  const int beta = 12 - alpha - 2 * c, k = s.P5 + 1, d = s.P6;
  WriteText(s, " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\limits_D ");
  WriteTextNumberLn(s, "(x+", c, ")");
  WriteText(s, "\\ dxdy,}$ \\ \\ \\ $y=x^2");
  WriteSignedCoefTerm(s, k - alpha - beta, "x");
  WriteSignedNumberLn(s, d + alpha * beta);
  WriteText(s, "$, \\ ");
  WriteText2NumbersLn(s, "$y=", k, "x+", d, ".$");
  // The line lies above the parabola by (x - alpha)(beta - x) between the two abscissas; with
  // midpoint m = 6 - c the integral of (x + c) times that is (m + c) (beta - alpha)^3 / 6 =
  // (beta - alpha)^3, taken over the region, so from the smaller abscissa to the larger.
  const int width = std::abs(beta - alpha);
  const int value = width * width * width;
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&");
  AnsWrite(s, toolkit::FormatFixed(value, 9, 0));
  AnsWriteText2NumbersLn(s, "&", std::min(alpha, beta), "&", std::max(alpha, beta), "");
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
