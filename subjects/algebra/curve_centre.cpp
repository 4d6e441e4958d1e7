#include <string>

#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// The kind of a central curve from the sign of its quadratic part's determinant `delta` and
// the value `f0` of its left side at the centre: moved to the centre the equation reads
// A x^2 + 2B xy + C y^2 + f0 = 0. With f0 = 0 the curve degenerates into its centre (elliptic)
// or into two lines crossing there (hyperbolic); an elliptic curve with f0 of the sign of A and C
// has no real point.
const char* CentralCurveKind(int a, int c, int delta, int f0) {
  if (delta < 0) return f0 == 0 ? "пара пересекающихся прямых" : "гипербола";
  if (f0 == 0) return "точка";
  return (a + c > 0) == (f0 > 0) ? "мнимый эллипс" : "эллипс";
}

}  // namespace

void BeginCurveCentreProblem(SharedState& s) {
  s.ParboxWidth = 195;
  AnsBeginTable(s, 10);
  WriteText(s, "Найти центр кривой\\\\\\noindent ");
  AnsWriteLine(s, "\\No\\ru & $x$ & $y$ & Кривая  \\\\\\hline");
}

void WriteCurveCentreVariant(SharedState& s) {
  auto or_else = [](int v, int replacement) { return v == 0 ? replacement : v; };
  const int x0 = or_else(s.P1 - 5, s.P2);
  const int y0 = or_else(s.P2 - 5, s.P3);
  int a = or_else(s.P3 - 5, s.P4);
  const int b = or_else(s.P4 - 5, -s.P6);
  const int c = or_else(s.P6 - 5, s.P7);
  // A quadratic part without a centre is doubled in x^2; the changed curve then has one and
  // its own type.
  if (a * c - b * b == 0) a *= 2;
  const int delta = a * c - b * b;
  const int d = -a * x0 - b * y0;
  const int e = -b * x0 - c * y0;

  WriteText(s, "$");
  if (a == -1) {
    WriteText(s, "-");
  } else if (a != 1) {
    WriteNumber(s, a);
  }
  WriteText(s, "x^2");
  WriteSignedCoefLn(s, 2 * b);
  WriteText(s, "xy");
  WriteSignedCoefLn(s, c);
  WriteText(s, "y^2");
  WriteSignedCoefTerm(s, 2 * d, "x");
  WriteSignedCoefTerm(s, 2 * e, "y");
  WriteText(s, "+1=0$");

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(x0, 8, 0) + "&" + toolkit::FormatFixed(y0, 8, 0) + "&" +
                  CentralCurveKind(a, c, delta, 1 + d * x0 + e * y0));
}

}  // namespace algebra
