#include <cmath>
#include <cstdint>
#include <string>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

std::uint8_t DefiniteItemCount = 0;

// The two openings of the integrals: kind 1 keeps two blanks before the integral sign.
constexpr const char* kOpening1 = " $\\displaystyle  \\int_0^";
constexpr const char* kOpening2 = " $\\displaystyle \\int_0^";

// Writes the integral of kind k (1..8) and returns its value.
double WriteIntegral(SharedState& s, int k) {
  const int sign = s.P5 <= 5 ? 1 : -1;
  const double e = std::exp(1.0);
  switch (k) {
    case 1: {
      const int a = s.P2 + 1, b = a + sign, c = s.P3 + a, d = c + sign, u = s.P4;
      const double det = d * a - c * b;
      WriteTextNumberLn(s, kOpening1, u, "\\frac");
      WriteText2NumbersLn(s, "{", c, "x+", d, "}");
      WriteText2NumbersLn(s, "{", a, "x+", b, "}dx $");
      return det / (a * a) * std::log(double(a) * u / b + 1) + double(c) * u / a;
    }
    case 2:
    case 3: {
      // The denominator is the expanded product (p x + m)(q x + n).
      const int p = k == 2 ? s.P2 : s.P4;
      const int m = k == 2 ? s.P2 + s.P3 : s.P2 + s.P4;
      const int q = k == 2 ? s.P4 + m : s.P3 + m;
      const int n = q + sign, u = s.P6;
      const double det = m * q - p * n;
      WriteText2NumbersLn(s, kOpening2, u, k == 2 ? "\\frac{xdx}{" : "\\frac{dx}{", p * q, "x^2");
      WriteText2NumbersLn(s, "+", m * q + p * n, "x+", n * m, "}$");
      if (k == 2) {
        return (double(m) / p * std::log(double(p) * u / m + 1) -
                double(n) / q * std::log(double(q) * u / n + 1)) /
               det;
      }
      return std::log((double(q) * u / n + 1) / (double(p) * u / m + 1)) / det;
    }
    case 4: {
      const double a = s.P2 + 1;
      switch (s.P4) {
        case 1:
          WriteTextNumberLn(s, "$\\displaystyle\\int_0^1\\sin(", a, "x)e^{2x}dx$.");
          return (2 * e * e * std::sin(a) - a * e * e * std::cos(a) + a) / (a * a + 4);
        case 2:
          WriteTextNumberLn(s, "$\\displaystyle\\int_0^2\\cos(", a, "x)e^{3x}dx$.");
          return (a * std::pow(e, 6) * std::sin(2 * a) + 3 * std::pow(e, 6) * std::cos(2 * a) - 3) /
                 (a * a + 9);
        default:
          WriteTextNumberLn(s, "$\\displaystyle\\int_0^1x\\sin(", a, "x^2)e^{(x^2)}dx$.");
          return (e * std::sin(a) - a * e * std::cos(a) + a) / (2 * (a * a + 1));
      }
    }
    case 5:
    case 6: {
      const double a = s.P2 + 1, u = s.P4, w = a * u * u;
      WriteText2NumbersLn(s, kOpening2, u, k == 5 ? " x\\sin^2(" : " x\\cos^2(", a, "x^2) dx $");
      return (k == 5 ? w - std::sin(2 * w) / 2 : w + std::sin(2 * w) / 2) / (4 * a);
    }
    default: {
      const double a = s.P2 + 1, u = s.P4, w = a * std::sqrt(u);
      WriteText2NumbersLn(s, kOpening2, u, k == 7 ? "\\frac{\\sin(" : "\\frac{\\cos(", a,
                          "\\sqrt{x})}{\\sqrt{x}} dx $");
      return k == 7 ? 2 * (1 - std::cos(w)) / a : 2 * std::sin(w) / a;
    }
  }
}

}  // namespace

void BeginDefiniteIntegralProblem(SharedState& s) {
  DefiniteItemCount = static_cast<std::uint8_t>(s.Level);
  s.ParboxWidth = 175;
  // One column per item; more than five items are split over several tables.
  toolkit::BeginNumberedItemAnswers(s, DefiniteItemCount, DefiniteItemCount);
  EndTableHeadWithReference(s, 175);
}

void WriteDefiniteIntegralVariant(SharedState& s) {
  toolkit::AnswersRow row(
      s, toolkit::AnswersNeedSplit(DefiniteItemCount, toolkit::kOneCellItemsPerTable),
      toolkit::FormatNumberSci(toolkit::PrintedVariantNumber(s)) + " \r\n");
  int k = s.P1 / 2;
  for (int j = 1; j <= DefiniteItemCount; ++j) {
    k = k >= 8 ? 1 : k + 1;
    if (DefiniteItemCount > 1) WriteTextNumberLn(s, "\\vskip4pt ", j, ")");
    const double value = WriteIntegral(s, k);
    row.Item(" &" + toolkit::FormatFixed(value, 8, 3) + "\r\n");
  }
  row.End();
}

}  // namespace calculus
