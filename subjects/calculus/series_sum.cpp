#include <algorithm>
#include <cmath>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// One item: the series of kind q written into the main file, its point x0 returned in x0
/// and its sum at x0 returned.
double WriteKind(SharedState& s, int q, double& x0) {
  int a = s.P4 + 2;
  const int b = s.P3 + 1, c = s.P5;
  const char* from_one = "\\sum_{n=1}^{\\infty}";
  switch (q) {
    case 1:
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{", a, "^nx^n}{n}");
      x0 = 0.1 * toolkit::RoundHalfEven(5.0 / a);
      return -std::log(1.0 - a * x0);
    case 2:
      WriteText(s, "\\sum_{n=0}^{\\infty}");
      WriteTextNumberLn(s, "\\frac{(1-", a, "x)^n}{n+1}");
      x0 = 0.1 * toolkit::RoundHalfEven(5.0 / a);
      return std::log(a * x0) / (a * x0 - 1.0);
    case 3:
      WriteText(s, "\\sum_{n=0}^{\\infty}");
      WriteTextNumberLn(s, "\\frac{", a, "^n}{(n+1)x^{2n}}");
      x0 = a + b;
      return -(x0 * x0 / a) * std::log(1.0 - a / (x0 * x0));
    case 4:
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{", a, "^n}{n(n+1)x^n}");
      x0 = a + b + 1;
      return 1.0 + ((x0 - a) / a) * std::log(1.0 - a / x0);
    case 5:
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{x^{", a, "+n}}{n(n+1)}");
      x0 = 0.01 * (a + 72 + b + c);
      return toolkit::Power(x0, a) * (1.0 + (1.0 / x0 - 1.0) * std::log(1.0 - x0));
    case 6:
      if (a > 4) a = 2;
      WriteText(s, from_one);
      WriteText2NumbersLn(s, "\\frac{", a, "^{n-", b, "}}{nx^{n-1}}");
      x0 = a + 1;
      return -x0 * std::log(1.0 - a / x0) / toolkit::Power(a, b);
    case 7:
      if (a > 4) a = 2;
      WriteText(s, from_one);
      WriteText2NumbersLn(s, "\\frac{", a, "^{n-", b, "}}{(n+1)x^{n+1}}");
      x0 = a + 1;
      return -std::log(1.0 - a / x0) / toolkit::Power(a, b + 1) -
             1.0 / (toolkit::Power(a, b) * x0);
    case 8:
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{(-1)^nx^{2n+", a, "}}{2n}");
      x0 = 0.01 * (a + 70 + b + c);
      return -0.5 * toolkit::Power(x0, a) * std::log(1.0 + x0 * x0);
    case 9:
      if (a > 3) a = 1;
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{x^{2n+", a, "}}{2n}");
      x0 = 0.01 * (a + 80 + b);
      return -0.5 * toolkit::Power(x0, a) * std::log(1.0 - x0 * x0);
    case 10:
      WriteText(s, from_one);
      WriteTextNumberLn(s, "nx^{n+", a, "}");
      x0 = 0.01 * (a + 80 + b + c);
      return toolkit::Power(x0, a + 1) / ((x0 - 1.0) * (x0 - 1.0));
    case 11: {
      WriteText(s, from_one);
      WriteLine(s, "(n+1)x^{2n+4}");
      x0 = 0.01 * (a + 92);
      const double y = x0 * x0;
      return -toolkit::Power(x0, 6) * (3.0 * y - y * y - 2.0) / ((1.0 - y) * (1.0 - y) * (1.0 - y));
    }
    default:  // 12
      WriteText(s, from_one);
      WriteTextNumberLn(s, "\\frac{(-1)^nx^{n+", a, "}}{n}");
      x0 = 0.01 * (a + 71 + b + c);
      return -toolkit::Power(x0, a) * std::log(1.0 + x0);
  }
}

// A sum to four decimals; a sum that is not zero but would print as 0.0000 is given with
// two significant digits, so that it is not read as zero.
std::string SumCell(double sum) {
  if (sum == 0 || std::fabs(sum) >= 0.00005) return toolkit::FormatFixed(sum, 6, 4);
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(sum))));
  double mantissa = sum / std::pow(10.0, exponent);
  if (std::fabs(mantissa) >= 9.95) {
    mantissa /= 10;
    ++exponent;
  }
  return "$" + toolkit::FormatFixed(mantissa, 3, 1) + "\\cdot10^{" + std::to_string(exponent) +
         "}$";
}

}  // namespace

void BeginSeriesSumProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteText(s, "Найти сумму ряда при $x=x_0$.");
  EndTableHeadWithReference(s, 241);
  // One numbered column per item; above five items the table is split, so that every sum
  // keeps its spacing within the width of the answers page.
  if (!toolkit::BeginNumberedItemAnswers(s, s.Level, s.Level + 1)) AnsEndTableRow(s);
}

void WriteSeriesSumVariant(SharedState& s) {
  WriteText(s, "\\par");
  toolkit::AnswersRow row(s, toolkit::AnswersNeedSplit(s.Level, toolkit::kOneCellItemsPerTable),
                          toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  // Items take every second kind from P1 on. Above six items the sequence comes round to a
  // kind already written in this variant for half the starting kinds; such an item takes the
  // next kind not yet written instead, so no variant asks for the same sum twice.
  bool written[13] = {};
  int q = s.P1 - 1;
  for (int i = 1; i <= s.Level; ++i) {
    q += 1;
    if (q > 12) q = 1;
    for (int tries = 0; written[q] && tries < 12; ++tries) q = q % 12 + 1;
    written[q] = true;
    WriteTextNumberLn(s, "$\\displaystyle{", i, ") ");
    double x0 = 0;
    const double sum = WriteKind(s, q, x0);
    WriteText(s, "}$, \\ ");
    WriteTextNumberLn(s, "$x=", x0, " $\\vskip2pt ");
    row.Item("&" + SumCell(sum) + " ");
    q += 1;
  }
  row.End();
}

}  // namespace calculus
