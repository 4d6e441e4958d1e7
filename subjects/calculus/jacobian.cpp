#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

constexpr const char* kStatement =
    "Вычислить двойной интеграл по области $D$, ограниченной заданными линиями.";

}  // namespace

void BeginJacobianProblem(SharedState& s) {
  AnsBeginTable(s, 3);
  AnsWrite(s, "\\No & Int & $J$ ");
  s.ParboxWidth = 200;
  WriteText(s, kStatement);
  EndTableHeadWithReference(s, 289);
}

void WriteJacobianVariant(SharedState& s) {
  const int a = s.P2 + 1, p = s.P3, q = s.P3 + s.P4, r = s.P5, b = s.P5 / 2 + s.P2 + 1;
  WriteText(s, kStatement);
  WriteText(s, " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\limits_D ");
  // G is the integral of the integrand over u in [p, q], v in [0, r] times (a + b)^2/((q-p) r),
  // with x = (v - u)/(a + b), y = (b u + a v)/(a + b).
  const double pq = p + q, sq = p * p + p * q + q * q;
  double g = 0;
  switch (s.P1) {
    case 1:
      WriteText(s, "y");
      g = (b * pq + a * r) / 2.0;
      break;
    case 2:
      WriteText(s, "x");
      g = (r - pq) / 2.0;
      break;
    case 3:
      WriteTextNumberLn(s, "x(y-", a, "x)");
      g = (3 * r * pq - 4 * sq) / 12.0;
      break;
    case 4:
      WriteTextNumberLn(s, "y(y-", a, "x)");
      g = (4 * b * sq + 3 * a * r * pq) / 12.0;
      break;
    case 5:
      WriteTextNumberLn(s, "y(y+", b, "x)");
      g = (3 * b * pq + 4 * a * r) * r / 12.0;
      break;
    case 6:
      WriteTextNumberLn(s, "x(y+", b, "x)");
      g = (4 * r - 3 * pq) * r / 12.0;
      break;
    case 7:
      WriteText2NumbersLn(s, "x(y-", a, "x)(y+", b, "x)");
      g = (pq * r - sq) * r / 6.0;
      break;
    default:
      WriteText2NumbersLn(s, "y(y-", a, "x)(y+", b, "x)");
      g = (b * sq + a * r * pq) * r / 6.0;
  }
  WriteText2NumbersLn(s, "\\ dxdy,}$\\vskip1mm $y=", a, "x+", p, "$, \\ ");
  WriteText2NumbersLn(s, "\\ \\ \\ $y=", a, "x+", q, "$, \\\\ ");
  WriteTextNumberLn(s, "\\ \\ \\ $y=", -b, "x,$ \\ ");
  WriteText2NumbersLn(s, "\\ \\ \\ $y=", -b, "x+", r, "$. \\ ");
  const double k = double(q - p) * r / ((a + b) * (a + b));
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&");
  AnsWrite(s, toolkit::FormatFixed(k * g, 9, 4));
  AnsWriteTextNumberLn(s, " & 1/", a + b, "");
}

}  // namespace calculus
