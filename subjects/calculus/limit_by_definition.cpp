#include <cstdlib>
#include <string>
#include <string_view>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// a_n = (A n^p + B) / (C n^p + D), with the power p chosen by P3.
struct Sequence {
  int power;
  std::string_view power_text;
  int a, b, c, d;
};

Sequence SequenceOf(const SharedState& s) {
  const int b = 2 * s.P4 - s.P5;
  const int d = 2 * s.P1 - s.P2;
  switch (s.P3) {
    case 2:
      return {2, "n^2", 2 * s.P2, b, 2 * s.P2 - 1, d == 0 ? 2 : d};
    case 3:
      return {3, "n^3", 2 * s.P2 + 1, b, 2 * s.P2, d == 0 ? 1 : d};
    default:
      return {1, "n", s.P2 + 1, b, s.P2 + 2, d == 0 ? 1 : d};
  }
}

}  // namespace

void BeginLimitByDefinitionProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteLine(s,
            " Пользуясь определением предела последовательности, доказать, что "
            "$$\\lim_{n\\to\\infty}a_n=a.$$ ");
  EndTableHeadWithReference(s, 71);
  AnsBeginTable(s, 2);
  AnsWriteLine(s, "& $n$ \\\\\\hline ");
}

void WriteLimitByDefinitionVariant(SharedState& s) {
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " ");
  WriteLine(s, "$$");
  WriteText(s, "a_n=\\frac{");
  AnsWrite(s, " &$");

  const Sequence q = SequenceOf(s);
  WriteTextNumberLn(s, " ", q.a, q.power_text);
  WriteSignedNumberLn(s, q.b);
  // A coefficient 1 is not written, and a whole limit is not written as a fraction.
  if (q.c == 1) {
    WriteLine(s, "}{ " + std::string(q.power_text));
  } else {
    WriteTextNumberLn(s, "}{ ", q.c, q.power_text);
  }
  WriteNumberWithPlus(s, q.d);
  if (q.a % q.c == 0) {
    WriteTextNumberLn(s, "},\\ \\  a=", q.a / q.c, "");
  } else {
    WriteText2NumbersLn(s, "},\\ \\  a=\\frac{", q.a, "}{", q.c, "}");
  }

  // |a_n - a| = |BC - AD| / (C (C n^p + D)), and C n^p + D > 0 for every n >= 1 within the
  // bounds, so |a_n - a| < eps exactly when n^p > -D/C + |BC - AD| / (C^2 eps).
  const int slope = std::abs(q.b * q.c - q.a * q.d);
  if (slope == 0) {
    // A constant sequence: every term equals the limit, so every n will do.
    WriteLine(s, ".$$");
    AnsWrite(s, "0$ ");
    return;
  }
  if (q.power == 3) AnsWrite(s, "\\sqrt[3]{");
  if (q.power == 2) AnsWrite(s, "\\sqrt{");
  AnsWriteFraction(s, -q.d, q.c);
  if (slope % (q.c * q.c) == 0) {
    // A whole coefficient: 5/eps, not (5)(1/eps).
    AnsWrite(s, "+" + std::to_string(slope / (q.c * q.c)) + "/\\varepsilon");
  } else {
    AnsWrite(s, "+(");
    AnsWriteFraction(s, slope, q.c * q.c);
    AnsWrite(s, ")(1/\\varepsilon)");
  }
  if (q.power != 1) AnsWrite(s, "}");

  WriteLine(s, ".$$");
  AnsWrite(s, "$ ");
}

}  // namespace calculus
