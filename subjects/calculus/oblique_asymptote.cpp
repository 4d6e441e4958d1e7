#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Fixed by the begin routine: Level, at most three functions.
int AsymptoteItemCount = 0;

/// The integer coefficients of one function; a form may change some for its own function.
struct Coefficients {
  int a, c8, c12, c16, c20, c24, c28, c44;
};

/// The asymptote y = kx + b as x -> +infinity, and y = k_minus x + b_minus as x -> -infinity.
/// Most forms have one line on both sides; the roots of even order and the root in the
/// denominator turn the slope round at -infinity, and the key then gives both lines.
struct Asymptote {
  double k;
  double b;
  double k_minus = k;
  double b_minus = b;
};

/// Writes "y = kx + b" after head into the answers file: no number before x for k = 1, a
/// bare minus for k = -1, no constant for b = 0.
void AnsWriteAsymptote(SharedState& s, std::string_view head, double k, double b) {
  if (k == -1) {
    AnsWrite(s, head);
    AnsWrite(s, "-x");
  } else {
    AnsWriteTextExponent(s, head, k, "x");
  }
  AnsWriteSignedNumber(s, b);
}

Asymptote WriteFirstFunction(SharedState& s, int form, Coefficients c) {
  const double a = c.a;
  switch (form) {
    case 1:
      c.c12 = c.a * c.a * c.c8;
      WriteText4NumbersLn(s, "\\sqrt{(", c.c12, "x^3+", c.c16, "x^2+", c.c20, "x+", c.c24, ")/");
      WriteText2NumbersLn(s, "(", c.c8, "x-", c.c28, ")}");
      // The root of (ax + b)^2 + O(1): |ax + b| on both sides.
      {
        const double b = 0.5 * (a * a * c.c28 + c.c16) / (a * c.c8);
        return {a, b, -a, -b};
      }
    case 2:
      c.c28 = c.c8 + 1;
      c.c12 = c.a * c.a * c.a * c.c8;
      WriteText4NumbersLn(s, "\\sqrt[3]{\\frac{", c.c12, "x^4+", c.c16, "x^3+", c.c20, "x^2+",
                          c.c24, "}");
      WriteText2NumbersLn(s, "{", c.c8, "x-", c.c28, "}}");
      return {a, (a * a * a * c.c28 + c.c16) / (3 * a * a * c.c8)};
    case 3:
      c.c12 = c.a * c.c8 * c.c28;
      c.c20 = c.c44 - c.c8 * c.c28;
      WriteText2NumbersLn(s, "\\frac{", c.c12, "x^3+", c.c16, "x^2");
      WriteSignedCoefLn(s, c.c20);
      WriteText2NumbersLn(s, "x+", c.c24, "}{", c.c28, "x^2");
      if (c.c20 != 0) {
        WriteSignedCoefLn(s, c.c20);
        WriteText(s, "x");
      }
      WriteText(s, "-");
      WriteNumber(s, c.c8 * c.c44);
      WriteText(s, "}");
      return {a * c.c8, double(c.c16 - c.a * c.c8 * c.c44) / c.c28 + a * c.c8 * c.c8};
    case 4:
      c.c12 = c.c12 + 1;
      WriteText4NumbersLn(s, "", c.c12, "\\sqrt{x^3/(x-", c.c16, ")}+", c.c20, "x+", c.c24, "");
      // sqrt(x^3/(x - d)) = |x| (1 + d/(2x) + ...).
      return {double(c.c12 + c.c20), 0.5 * c.c12 * c.c16 + c.c24, double(c.c20 - c.c12),
              c.c24 - 0.5 * c.c12 * c.c16};
    case 5: {
      // This form takes its slope from P3, folded into 1..5.
      const int p3 = s.P3 > 5 ? s.P3 - 5 : s.P3;
      c.a = p3;
      c.c12 = (c.a * c.c8) * (c.a * c.c8) * (c.a * c.c8);
      WriteText4NumbersLn(s, "\\frac{\\sqrt[3]{", c.c12, "x^6+", c.c16, "x^2+", c.c20, "x+", c.c24,
                          "}}");
      WriteText2NumbersLn(s, "{", c.c8, "x-", c.c28, "}");
      return {double(c.a), double(c.a) * c.c28 / c.c8};
    }
  }
  FormOutOfRange("function 1", form, 5);
}

Asymptote WriteSecondFunction(SharedState& s, int form, Coefficients c) {
  const double a = c.a;
  switch (form) {
    case 1:
      c.c12 = c.a * c.a;
      WriteText3NumbersLn(s, "\\sqrt{", c.c12, "x^2+", c.c16, "x+", c.c20, "}");
      return {a, 0.5 * c.c16 / a, -a, -0.5 * c.c16 / a};
    case 2:
      c.c12 = c.c12 + 1;
      WriteText4NumbersLn(s, "(", c.c12, "x^2+", c.c20, "x+", c.c24, ")/(\\sqrt{", c.a * c.a,
                          "x^2");
      WriteText2NumbersLn(s, "+", c.c16, "}+", c.c44, ")");
      // The denominator is a|x| + c44 + O(1/x).
      return {c.c12 / a, (a * c.c20 - double(c.c12) * c.c44) / (a * a), -c.c12 / a,
              (-a * c.c20 - double(c.c12) * c.c44) / (a * a)};
    case 3:
      c.c12 = c.c12 + 1;
      c.c20 = c.c12 + 1;
      WriteText4NumbersLn(s, "", c.c12, "e^{-", c.c16, "/x}+", c.c20, "x+", c.c24, "");
      return {double(c.c20), double(c.c12 + c.c24)};
    case 4:
      c.c12 = c.c12 + 1;
      c.c20 = c.c16 + 1;
      WriteText4NumbersLn(s, "", c.c12, "\\ln(", c.c16, "/x+", c.c20, ")+", c.c8, "x+");
      WriteNumber(s, c.c28);
      return {double(c.c8), c.c12 * std::log(double(c.c20)) + c.c28};
    case 5:
      c.c12 = c.a * c.a * c.a;
      WriteText4NumbersLn(s, "\\sqrt[3]{", c.c12, "x^3+", c.c16, "x^2+", c.c20, "x+", c.c24, "}");
      return {a, c.c16 / (3 * a * a)};
  }
  FormOutOfRange("function 2", form, 5);
}

Asymptote WriteThirdFunction(SharedState& s, int form, Coefficients coefficients) {
  const double c = coefficients.c12 + 1;
  const double d = coefficients.c16;
  switch (form) {
    case 1:
      WriteText2NumbersLn(s, "(x^3\\sin(", c, "/x)+", d, ")/x");
      return {c, 0};
    case 2:
      WriteText2NumbersLn(s, "(x^3\\ln(1+", c, "/x)+", d, ")/x");
      return {c, -0.5 * c * c};
    case 3:
      WriteText2NumbersLn(s, "(x^3(e^{", c, "/x}-1)+", d, ")/x");
      return {c, 0.5 * c * c};
    case 4:
      WriteText2NumbersLn(s, "", c, "x\\cos(1/x)+", d, "x");
      return {c + d, 0};
    case 5:
      WriteText2NumbersLn(s, "", c, "x^3\\arcsin(1/x^2)+", d, "x");
      return {c + d, 0};
    case 6:
      WriteText2NumbersLn(s, "\\frac{1}{\\sin(", c, "/x)}+", d, "x");
      return {1 / c + d, 0};
    case 7:
      WriteText2NumbersLn(s, "\\frac{1}{x\\ln(1+", c, "/x^2)}+", d, "x");
      return {1 / c + d, 0};
    case 8:
      WriteText2NumbersLn(s, "\\frac{1}{e^{", c, "/x}-1}+", d, "x");
      return {1 / c + d, -0.5};
    case 9:
      WriteText2NumbersLn(s, "\\frac{1}{\\arcsin(", c, "/x)}+", d, "x");
      return {1 / c + d, 0};
    case 10:
      WriteText2NumbersLn(s, "\\frac{1}{x(\\cos(", c, "/x)-1)}+", d, "x");
      return {-2 / (c * c) + d, 0};
  }
  FormOutOfRange("function 3", form, 10);
}

}  // namespace

void BeginObliqueAsymptoteProblem(SharedState& s) {
  AsymptoteItemCount = std::min(s.Level, 3);
  s.ParboxWidth = 180;
  AnsBeginTable(s, AsymptoteItemCount + 2);
  WriteText(s, " Найти наклонную асимптоту функции.\\\\\\noindent");
  for (int i = 1; i <= AsymptoteItemCount; ++i) AnsWriteLine(s, "& $y=kx+b$ ");
  EndTableHeadWithReference(s, 118);
}

void WriteObliqueAsymptoteVariant(SharedState& s) {
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  for (int i = 1; i <= AsymptoteItemCount; ++i) {
    Coefficients c{};
    c.a = s.P5 + 1;
    c.c8 = s.P4 + 2;
    c.c12 = s.P1 + s.P4 - 1;
    c.c16 = c.c20 = s.P4 + 1;
    c.c24 = s.P6;
    c.c28 = s.P4 + s.P5;
    c.c44 = s.P2 + s.P3 / 2 + 1;

    if (s.Level == 1) {
      WriteText(s, " $\\displaystyle y=");
    } else {
      WriteTextNumberLn(s, " $\\displaystyle ", i, ")\\  y=");
    }
    Asymptote line{};
    switch (i) {
      case 1:
        line = WriteFirstFunction(s, s.P1, c);
        break;
      case 2:
        line = WriteSecondFunction(s, s.P2, c);
        break;
      default:
        line = WriteThirdFunction(s, s.P3, c);
        break;
    }
    WriteLine(s, "$\\vskip2mm");
    if (line.k_minus == line.k && line.b_minus == line.b) {
      AnsWriteAsymptote(s, "&$y=", line.k, line.b);
      AnsWrite(s, "$");
    } else {
      // The line at +infinity, then the one at -infinity, small and on one line: the table
      // keeps its height of one line a variant and fills the answers page.
      AnsWrite(s, "&{\\scriptsize$");
      AnsWriteAsymptote(s, "y=", line.k, line.b);
      AnsWrite(s, "\\ (+\\infty),\\ ");
      AnsWriteAsymptote(s, "y=", line.k_minus, line.b_minus);
      AnsWrite(s, "\\ (-\\infty)$}");
    }
  }
}

}  // namespace calculus
