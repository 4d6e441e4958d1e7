#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Each form writes its numerator, "}{" and denominator, then its exact limit (the ratio of
// the leading coefficients) into the answers cell.

void WriteRootOverPolynomial(SharedState& s) {
  const int a = s.P2 + 1, b = s.P4, p = s.P3 + 2, d = s.P5 + 1;
  WriteTextNumberLn(s, "\\sqrt{", a * a, "");
  WriteTextNumberLn(s, "n^{", 2 * p, "}");
  WriteTextNumberLn(s, "+", a, "n+1}}{");
  WriteTextNumberLn(s, "(", b, "+");
  WriteText2NumbersLn(s, "", d, "n^{", p - 1, "})n+1}");
  AnsWriteFraction(s, a, d);
}

void WriteSquareOverProduct(SharedState& s) {
  const int a = s.P2 + 1, b = a + 1, p = s.P3 + 2, c = a;
  int d = s.P5 + 1;
  if (d == c) d = c + 1;
  WriteTextNumberLn(s, "(", a, "+");
  WriteText2NumbersLn(s, "", b, "n^", p, ")^2");
  WriteText2NumbersLn(s, "-", a, "n^{", 2 * p, "}}");
  WriteText2NumbersLn(s, "{(", c, "n^", p, "+1)");
  WriteText2NumbersLn(s, "(", d, "n^", p, "+1)}");
  AnsWriteFraction(s, b * b - a, c * d);
}

void WriteDifferenceOfPowers(SharedState& s) {
  const int a = s.P2 + 1, b = s.P4, c = s.P5, p = s.P3 == 3 ? 3 : 2;
  WriteText2NumbersLn(s, "(", a + b, "-n)^", p, "-");
  WriteText2NumbersLn(s, "(", a, "+n)^", p, "}");
  WriteText2NumbersLn(s, "{(", a, "-n)^", p, "-");
  WriteText2NumbersLn(s, "(", a + c, "+n)^", p, "}");
  if (p == 2) {
    AnsWriteFraction(s, 2 * a + b, 2 * a + c);
  } else {
    AnsWrite(s, " 1  ");
  }
}

void WriteSumOfPowers(SharedState& s) {
  const int a = s.P2 + 1, b = s.P4, c = s.P5, d = s.P3, p = s.P3 == 3 ? 2 : 3;
  WriteText2NumbersLn(s, "(", a, "+n)^", p, "+");
  WriteText2NumbersLn(s, "(", b, "-n)^", p, "}");
  WriteText2NumbersLn(s, "{(", c, "-n)^", p, "+");
  WriteText2NumbersLn(s, "(", d, "+n)^", p, "}");
  if (p == 3) {
    AnsWriteFraction(s, a + b, c + d);
  } else {
    AnsWrite(s, "  1   ");
  }
}

void WriteRootTimesN(SharedState& s) {
  const int b = s.P4 + 1, c = s.P3, a = s.P5 * b;
  WriteText2NumbersLn(s, "(n\\sqrt{", a, "n+", b, "}+");
  WriteTextNumberLn(s, "", c, ")^2}");
  WriteText2NumbersLn(s, "{(", b, "n+1)(n+", c, ")^2}");
  AnsWrite(s, " " + std::to_string(s.P5));
}

}  // namespace

void BeginSequenceLimitProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteLine(s, "Вычислить предел.");
  EndTableHeadWithReference(s, 73);
  AnsBeginTable(s, 2);
  AnsWriteLine(s, "   & предел \\\\\\hline ");
}

void WriteSequenceLimitVariant(SharedState& s) {
  WriteText(s, "\\parbox[t][32mm]{233pt}{");
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " ");
  WriteLine(s, " $$");
  WriteText(s, "\\lim_{n\\to\\infty}\\frac{");
  AnsWrite(s, "& $");
  switch (s.P1) {
    case 1:
      WriteRootOverPolynomial(s);
      break;
    case 2:
      WriteSquareOverProduct(s);
      break;
    case 3:
      WriteDifferenceOfPowers(s);
      break;
    case 4:
      WriteSumOfPowers(s);
      break;
    default:
      WriteRootTimesN(s);
      break;
  }
  WriteText(s, ".$$ ");
  WriteLine(s, "}");
  AnsWrite(s, "$");
}

}  // namespace calculus
