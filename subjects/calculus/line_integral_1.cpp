#include <cmath>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

void BeginLineIntegral1Problem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteText(s, "Вычислить криволинейный интеграл");
  EndTableHeadWithReference(s, 205);
  AnsWrite(s, "\\tabcolsep=1pt");
  // Lowered for the rest of this Start; this problem does not read it.
  if (s.Level > 4) s.Level = 4;
  AnsBeginTable(s, 2);
  AnsWriteLine(s, "\\No\\ru & $\\int_L$ \\\\\\hline ");
}

void WriteLineIntegral1Variant(SharedState& s) {
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWriteLine(s, " & ");
  WriteText(s, "$$\\int_L ");
  double value = 0;
  if (s.P1 == 1) {
    // The conical helix x = t cos t, y = t sin t, z = t: dl = sqrt(t^2 + 2) dt.
    const double t = s.P3, root = std::sqrt(t * t + 2), h = std::asinh(t / std::sqrt(2.0));
    switch (s.P2) {
      case 1:
        WriteText(s, "z");
        value = (toolkit::Power(t * t + 2, 1.5) - 2 * std::sqrt(2.0)) / 3;
        break;
      case 2:
        WriteText(s, "(x^2+y^2)");
        value = (t * (t * t + 1) * root / 2 - h) / 2;
        break;
      default:
        WriteText(s, "(z^2-1)");
        value = (t * (t * t - 1) * root / 2 - 3 * h) / 2;
    }
    WriteTextNumberLn(s,
                      "dl,$$ где $L$ --- часть кривой\\\\ $x=t\\cos t$, $y=t\\sin t$, $z=t$, "
                      "$t=0..",
                      t, "$");
  } else {
    // The circular helix x = cos t, y = sin t, z = k t: dl = sqrt(1 + k^2) dt.
    const int k = s.P3 + 1, t = s.P3 + s.P4 - 1;
    int a = s.P4, b = s.P5, c = s.P6;
    const int d = s.P7;
    if (s.P2 == 1) {
      a = 0;
    } else if (s.P2 == 2) {
      b = 0;
    } else {
      c = 0;
    }
    WriteText(s, "(");
    WriteLeadingCoefTerm(s, a, "x+");
    WriteLeadingCoefTerm(s, b, "y+");
    WriteLeadingCoefTerm(s, c, "x^2+");
    WriteLeadingCoefTerm(s, d, "y^2)");
    WriteText2NumbersLn(s, "dl,$$ где $L$ --- часть кривой\\\\ $x=\\cos t$, $y=\\sin t$, $z=", k,
                        "t$, $t=0..", t, "$");
    value = std::sqrt(1.0 + k * k) *
            (a * std::sin(t) + b * (1 - std::cos(t)) + c * (t / 2.0 + std::sin(2.0 * t) / 4) +
             d * (t / 2.0 - std::sin(2.0 * t) / 4));
  }
  AnsWrite(s, toolkit::FormatFixed(value, 6, 4));
}

}  // namespace calculus
