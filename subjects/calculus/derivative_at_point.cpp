#include <cmath>
#include <cstdint>
#include <string_view>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// The variant routine takes the item count fixed by the begin routine, so that every variant
// of a document lists the same number of functions.
std::uint8_t DerivativeItemCount = 1;

const toolkit::IndexedArray<std::string_view, 1, 5> OuterFunctions = [] {
  toolkit::IndexedArray<std::string_view, 1, 5> t;
  const std::string_view rows[] = {"\\sin", "\\cos", "\\tg", "\\ctg", "\\arctg"};
  for (int i = 1; i <= 5; ++i) t[i] = rows[i - 1];
  return t;
}();

// y = (kind's factor or term) combined with the outer function of the item.
const toolkit::IndexedArray<std::string_view, 1, 6> KindOpenings = [] {
  toolkit::IndexedArray<std::string_view, 1, 6> t;
  const std::string_view rows[] = {"\\ \\ $y=x\\cdot",
                                   "\\ \\ $y=e^x",
                                   "\\ \\ $y=(",
                                   "\\ \\ $y=\\sh x\\cdot",
                                   "\\ \\ $y=\\arcsin(x/2)+",
                                   "\\ \\ $y=\\arccos(0.5x)-"};
  for (int i = 1; i <= 6; ++i) t[i] = rows[i - 1];
  return t;
}();

/// Writes the factor A of y = A B + C and returns A(1), A'(1).
ValueAndSlope WriteFactorA(SharedState& s, int m, int q, int r) {
  switch (s.P4) {
    case 1:
      WriteText2NumbersLn(s, "(", m, "\\ln(x)+", q, "x^2)");
      return {double(q), double(m + 2 * q)};
    case 2:
      WriteText2NumbersLn(s, "(e^{", m, "(x-1)}+", q, "x)");
      return {double(q + 1), double(m + q)};
    case 3:
      WriteText2NumbersLn(s, "\\left(", m, "\\frc{\\sin(\\pi x)}{\\pi}+", q, "x^2\\right)");
      return {double(q), double(2 * q - m)};
    case 4:
      WriteTextNumberLn(s, "(2\\sqrt{x}+", 2 * m - 1, ")");
      return {double(2 * m + 1), 1};
    case 5:
      WriteText(s, "\\ctg(x-1+\\pi/4)");
      return {1, -2};
    case 6:
      WriteText3NumbersLn(s, "(x+", r, "\\ln(", m, "x-", m - 1, "))");
      return {1, double(1 + r * m)};
    case 7:
      WriteTextNumberLn(s, "(2\\sin^2(x-1+\\pi/4)+", m, "x)");
      return {double(m + 1), double(m + 2)};
    default:
      WriteTextNumberLn(s, "(", m, "\\tg(\\pi+1-x)+1)");
      return {1, double(-m)};
  }
}

/// Writes the factor B of y = A B + C and returns B(1), B'(1).
ValueAndSlope WriteFactorB(SharedState& s, int r, int p) {
  switch (s.P7) {
    case 1:
      WriteText(s, "e^{x-1}");
      return {1, 1};
    case 2:
      WriteText(s, "x^{-1}");
      return {1, -1};
    case 3:
      WriteTextNumberLn(s, "x^{", r, "x}");
      return {1, double(r)};
    default:
      WriteTextNumberLn(s, "x^", p, "");
      return {1, double(p)};
  }
}

/// Writes the fraction C of y = A B + C (its denominator is 1 at x = 1) and returns C'(1).
double WriteFractionC(SharedState& s, int c, int q, int r) {
  const int k = c * (1 - r) - r * q;
  switch (s.P3) {
    case 1:
      WriteText4NumbersLn(s, "\\frc{", c, "x+", q, "}{", r, "x-", r - 1, "}");
      return k;
    case 2:
      WriteText4NumbersLn(s, "\\frc{", c, "x^2+", q, "}{", r, "x^2-", r - 1, "}");
      return 2 * k;
    default:
      WriteText4NumbersLn(s, "\\frc{", q, "+", c, "x^3}{", r, "x^3-", r - 1, "}");
      return 3 * k;
  }
}

void WriteOneFunction(SharedState& s) {
  const int m = s.P5 + 1, q = s.P2 + 1, r = s.P6 + 1, p = s.P3 + 1, c = s.P1 + 1;
  WriteLine(s, " Вычислить производную $y(x)$ при $x=1$. \\\\[5pt]");
  WriteText(s, "$y=");
  const ValueAndSlope a = WriteFactorA(s, m, q, r);
  WriteText(s, "\\,");
  const ValueAndSlope b = WriteFactorB(s, r, p);
  WriteText(s, "+");
  const double d2 = WriteFractionC(s, c, q, r);
  WriteText(s, "$");
  const double d1 = a.value * b.slope + a.slope * b.value;
  AnsWrite(s, "&" + toolkit::FormatFixed(d1, 10, 0));
  AnsWrite(s, "&" + toolkit::FormatFixed(d2, 10, 0));
  AnsWrite(s, "&" + toolkit::FormatFixed(d1 + d2, 4, 0));
}

/// Writes the inner function u of form `inner` and returns u(1), u'(1).
ValueAndSlope WriteInner(SharedState& s, int inner, int m) {
  switch (inner) {
    case 1:
      WriteTextNumberLn(s, "", m, "x");
      return {double(m), double(m)};
    case 2:
      WriteTextNumberLn(s, "x^{", m, "}");
      return {toolkit::Power(1.0, m), double(m)};
    case 3:
      WriteTextNumberLn(s, "", m, "^x");
      return {toolkit::Power(m, 1.0), m * std::log(double(m))};
    case 4:
      WriteTextNumberLn(s, "\\ln(", m, "x)");
      return {std::log(double(m)), 1};
    case 5:
      WriteTextNumberLn(s, "\\sqrt{", m, "x}");
      return {std::sqrt(double(m)), std::sqrt(double(m)) / 2};
    case 6:
      WriteTextNumberLn(s, "", m, "/x");
      return {double(m), double(-m)};
    case 7:
      WriteText2NumbersLn(s, "(", m, "+x)/(x^2+", m, ")");
      return {1, double(m - 1 - 2 * m) / ((1.0 + m) * (1.0 + m))};
    default:
      WriteTextNumberLn(s, "", m, "+1/x");
      return {double(m + 1), -1};
  }
}

/// The outer function o (1 sin, 2 cos, 3 tg, 4 ctg, 5 arctg) and its derivative at u.
ValueAndSlope Outer(int o, double u) {
  switch (o) {
    case 1:
      return {std::sin(u), std::cos(u)};
    case 2:
      return {std::cos(u), -std::sin(u)};
    case 3:
      return {std::sin(u) / std::cos(u), 1 / (std::cos(u) * std::cos(u))};
    case 4:
      return {std::cos(u) / std::sin(u), -1 / (std::sin(u) * std::sin(u))};
    default:
      return {std::atan(u), 1 / (u * u + 1)};
  }
}

void WriteFunctionList(SharedState& s, toolkit::AnswersRow& row) {
  const int m = s.P5 + 1;
  int inner = s.P1;
  int kind = s.P2;
  for (int i = 1; i <= DerivativeItemCount; ++i) {
    inner = inner >= 8 ? 1 : inner + 1;
    kind = kind >= 6 ? 1 : kind + 1;
    const int o = i <= 5 ? i : 11 - i;
    WriteTextNumberLn(s, "", i, ")");
    WriteText(s, KindOpenings[kind]);
    WriteText(s, std::string(OuterFunctions[o]) + "(");
    const ValueAndSlope u = WriteInner(s, inner, m);
    WriteLine(s, ")");
    if (kind == 3) WriteText(s, ")^2");
    WriteLine(s, " $ \\par ");

    const ValueAndSlope f = Outer(o, u.value);
    const double big_f = f.value;
    const double g = f.slope * u.slope;
    const double e = std::exp(1.0);
    double y = 0;
    switch (kind) {
      case 1:
        y = 1 * g + big_f;
        break;
      case 2:
        y = e * (g + big_f);
        break;
      case 3:
        y = 2 * g * big_f;
        break;
      case 4:
        y = 0.5 * (e - 1 / e) * g + 0.5 * (e + 1 / e) * big_f;
        break;
      case 5:
        y = g + 1 / std::sqrt(4.0 - 1.0);
        break;
      default:
        y = -g - 1 / std::sqrt(4.0 - 1.0);
        break;
    }
    row.Item("&" + toolkit::FormatFixed(y, 10, 4));
  }
}

}  // namespace

void BeginDerivativeAtPointProblem(SharedState& s) {
  DerivativeItemCount = static_cast<std::uint8_t>(s.Level);
  // One answer column per cell a variant writes: three for the single function (its two
  // terms and their sum), one per item for a list.
  if (DerivativeItemCount == 1) {
    // The single function's three cells: the derivatives of its two terms and their sum.
    AnsBeginTable(s, 3);
    AnsWriteLine(s, "&1-е слаг. ");
    AnsWriteLine(s, "&2-е слаг. ");
    AnsWriteLine(s, "&$y'(1)$ ");
  } else {
    toolkit::BeginNumberedItemAnswers(s, DerivativeItemCount, DerivativeItemCount);
  }
  s.ParboxWidth = 190;
  WriteLine(s, " Вычислить производную функции при $x=1$. ");
  EndTableHeadWithReference(s, 99);
}

void WriteDerivativeAtPointVariant(SharedState& s) {
  toolkit::AnswersRow row(
      s, toolkit::AnswersNeedSplit(DerivativeItemCount, toolkit::kOneCellItemsPerTable),
      toolkit::FormatNumberSci(toolkit::PrintedVariantNumber(s)) + "\r\n");
  // 32mm holds up to six items; a longer list gets about 5.5mm a line, so that it does not
  // run into the variant box below.
  const int height_mm = DerivativeItemCount <= 6 ? 32 : 11 * DerivativeItemCount / 2;
  WriteTextNumber(s, "\\parbox[t][", height_mm, "mm]{233pt}{");
  if (DerivativeItemCount == 1) {
    WriteOneFunction(s);
  } else {
    WriteFunctionList(s, row);
  }
  row.End();
  WriteText(s, "}\\vskip2mm");
}

}  // namespace calculus
