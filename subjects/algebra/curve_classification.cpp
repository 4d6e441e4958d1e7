#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/numerics.h"
#include "toolkit/state.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace algebra {

void BeginCurveClassificationProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 7);
  AnsWriteLine(s, " &Кривая&\\mc{$a$}&\\mc{$b$}&\\mc{$p$}\\\\\\hline ");
  WriteLine(s, "Привести уравнение кривой к каноническому виду.\\\\\\noindent");
}

void WriteCurveClassificationVariant(SharedState& s) {
  const int u = s.P2;
  const int v = s.P3 == u ? s.P3 + 1 : s.P3;
  const int a = u * u, b = v * v;
  // x^2, y^2, xy, x, y and the constant term of the curve turned from its canonical position.
  int c[6] = {};
  switch (s.P1) {
    case 1: c[0] = 9 * a + 16 * b, c[1] = 9 * b + 16 * a, c[2] = 24 * (a - b), c[5] = -25 * a * b; break;
    case 2: c[0] = 9 * b + 16 * a, c[1] = 9 * a + 16 * b, c[2] = 24 * (a - b), c[5] = -25 * a * b; break;
    case 3: c[0] = a + b, c[1] = a + b, c[2] = 2 * (a - b), c[5] = -2 * a * b; break;
    case 4: c[0] = a + 3 * b, c[1] = 3 * a + b, c[2] = 2 * (b - a), c[5] = -4 * a * b; break;
    case 5: c[0] = 3 * a + b, c[1] = a + 3 * b, c[2] = 2 * (a - b), c[5] = -4 * a * b; break;
    case 6: c[0] = 16 * b - 9 * a, c[1] = 9 * b - 16 * a, c[2] = -24 * (a + b), c[5] = -25 * a * b; break;
    case 7: c[0] = 9 * b - 16 * a, c[1] = 16 * b - 9 * a, c[2] = -24 * (a + b), c[5] = -25 * a * b; break;
    case 8: c[0] = b - a, c[1] = b - a, c[2] = -2 * (a + b), c[5] = -2 * a * b; break;
    case 9: c[0] = 3 * b - a, c[1] = b - 3 * a, c[2] = -2 * (a + b), c[5] = -4 * a * b; break;
    case 10: c[0] = b - 3 * a, c[1] = 3 * b - a, c[2] = -2 * (a + b), c[5] = -4 * a * b; break;
    case 11: c[0] = 9, c[1] = 16, c[2] = 24, c[3] = -40 * v - 30 * u, c[4] = 30 * v - 40 * u; break;
    case 12: c[0] = 16, c[1] = 9, c[2] = 24, c[3] = -40 * u - 30 * v, c[4] = 40 * v - 30 * u; break;
    case 13: c[0] = 1, c[1] = 1, c[2] = 2, c[3] = -2 * (u + v), c[4] = 2 * (v - u); break;
    case 14: c[0] = 1, c[1] = 1, c[2] = -2, c[3] = 2 * (v - u), c[4] = 2 * (u + v); break;
    case 15: c[0] = 9 * a + 16 * b, c[1] = 9 * b + 16 * a, c[2] = 24 * (a - b), c[5] = 25 * a * b; break;
    default: c[0] = 9 * b + 16 * a, c[1] = 9 * a + 16 * b, c[2] = 24 * (a - b), c[5] = 25 * a * b; break;
  }
  toolkit::NormalizeIntVector(c, 6);

  const bool root3 = s.P1 == 4 || s.P1 == 5 || s.P1 == 9 || s.P1 == 10;
  const bool root2 = s.P1 == 13 || s.P1 == 14;
  WriteText(s, "$$");
  WriteLeadingCoefTerm(s, c[0], "x^2");
  WriteSignedCoefTerm(s, c[1], "y^2");
  WriteSignedCoefTerm(s, c[2], root3 ? "\\sqrt{3} xy" : "xy");
  WriteSignedCoefTerm(s, c[3], root2 ? "\\sqrt{2}x" : "x");
  WriteSignedCoefTerm(s, c[4], root2 ? "\\sqrt{2}y" : "y");
  WriteSignedCoefTerm(s, c[5], "");
  WriteText(s, "=0$$");

  // A curve has only some of a, b and p: the others are cells without a value.
  const std::string none = "& " + std::string(toolkit::kNoValue) + " ";
  AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  if (s.P1 <= 5) {
    AnsWriteText2Numbers(s, "Эллипс   &", u, "&", v, none);
  } else if (s.P1 <= 10) {
    AnsWriteText2Numbers(s, "Гипербола&", u, "&", v, none);
  } else if (s.P1 <= 14) {
    AnsWriteTextNumber(s, "Парабола " + none + none + "&", v, "");
  } else {
    AnsWrite(s, "$\\emptyset$ " + none + none + none);
  }
}

}  // namespace algebra
