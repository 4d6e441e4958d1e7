#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Fixed by the begin routine for every variant of the document.
int ExtremumItemCount = 0;

// Three cells a function: above two functions the answers go into several tables of two
// functions each, so that a table stays within the page.
constexpr int kExtremumFunctionsPerTable = 2;

// The catalogue of functions, each built so that its stationary point has a closed form.
constexpr int kExtremumFormCount = 22;

/// The stationary point, the function's value and its second derivative there.
struct Extremum {
  double x;
  double y;
  double second;
};

// The quartic of forms 21 and 22: d0 + d1 x + d2 x^2 + d3 x^3 + 3x^4 with y'(b) = 0.
struct Quartic {
  double d0, d1, d2, d3;
  Extremum at_b;
};

Quartic BuildQuartic(double a, double b, double c, double d0_shift, bool rounded_d0) {
  Quartic q{};
  q.d1 = -12 * b * (a * a + c);
  q.d2 = 6 * (a * a + c - 2 * a * b);
  q.d3 = 4 * (2 * a - b);
  const double t = (((q.d3 + 3 * b) * b + q.d2) * b + q.d1) * b;
  q.d0 = rounded_d0 ? toolkit::RoundHalfEven(-0.5 * t) + d0_shift : d0_shift;
  q.at_b = {b, t + q.d0, 12 * ((a + b) * (a + b) + c)};
  return q;
}

// Writes texts as they stand and numbers in the number format, all on one line.
void Put(SharedState&) {}
template <class... Rest>
void Put(SharedState& s, std::string_view text, Rest... rest);
template <class... Rest>
void Put(SharedState& s, double x, Rest... rest) {
  WriteNumber(s, x);
  Put(s, rest...);
}
template <class... Rest>
void Put(SharedState& s, std::string_view text, Rest... rest) {
  WriteText(s, text);
  Put(s, rest...);
}

// Writes form f with the variant's a, b, c and returns its extremum.
Extremum WriteForm(SharedState& s, int f, double a, double b, double c) {
  switch (f) {
    case 1: {
      WriteNumber(s, a);
      Put(s, "(x^2-", 2 * a, "x");
      WriteSignedCoefLn(s, 2 * a * a - b);
      Put(s, ")e^{x/", a, "}");
      const double x = std::sqrt(b);
      return {x, a * (x * x - 2 * a * x + 2 * a * a - b) * std::exp(x / a),
              2 * x * std::exp(x / a)};
    }
    case 2: {
      Put(s, "2x(3x-", 5 * b, ")\\sqrt{", a, "x}");
      Put(s, "+15(x-", b, "\\ln x)");
      const double x = b;
      return {x, 2 * x * (3 * x - 5 * b) * std::sqrt(a * x) + 15 * (x - b * std::log(x)),
              15 * (std::sqrt(a * b) + 1 / b)};
    }
    case 3: {
      Put(s, "2x(x-", 2 * b, ")\\ln(", a, "x)+", 4 * b, "x-x^2");
      const double x = b;
      return {x, 2 * x * (x - 2 * b) * std::log(a * x) + 4 * b * x - x * x, 4 * std::log(a * b)};
    }
    case 4: {
      Put(s, "", 3 * (b * b + c * c), "\\ln(x^2+", c * c, ")");
      Put(s, "+x(", 6 * a * b * b, "-3x-", 2 * a, "x^2)");
      const double x = b;
      return {x,
              3 * (b * b + c * c) * std::log(x * x + c * c) +
                  x * (6 * a * b * b - 3 * x - 2 * a * x * x),
              -12 * b * (b / (b * b + c * c) + a)};
    }
    case 5: {
      Put(s, "", a, "(", b, "-x)\\sin(", 2 * a, "x)");
      Put(s, "+", a * a + 0.5, "x^2-", (2 * a * a + 1) * b, "x+\\sin^2(", a, "x)");
      const double x = b;
      const double sn = std::sin(a * x);
      return {x,
              a * (b - x) * std::sin(2 * a * x) + (a * a + 0.5) * x * x - (2 * a * a + 1) * b * x +
                  sn * sn,
              2 * a * a * (1 - std::cos(2 * a * b)) + 1};
    }
    case 6: {
      Put(s, "\\sin(", a, "x)+", a, "(", b, "-x)");
      Put(s, "\\cos(", a, "x)+", a * a * c, "(x-", 2 * b, ")x");
      const double x = b;
      return {x, std::sin(a * x) + a * (b - x) * std::cos(a * x) + a * a * c * (x - 2 * b) * x,
              a * a * (std::sin(a * b) + 2 * c)};
    }
    case 7: {
      Put(s, "", a, "(x-", b, ")\\sin(", 2 * a, "x)");
      Put(s, "-\\sin^2(", a, "x)+x(", a * a + 0.5, "x-", (2 * a * a + 1) * b, ")");
      const double x = b;
      const double sn = std::sin(a * x);
      return {x,
              a * (x - b) * std::sin(2 * a * x) - sn * sn +
                  x * ((a * a + 0.5) * x - (2 * a * a + 1) * b),
              2 * a * a * (std::cos(2 * a * b) + 1) + 1};
    }
    case 8: {
      Put(s, "(2x^2-", 3 * b, "x+2)\\sqrt{x^2+1}-", 3 * b, " \\mbox{arcsinh}(x)");
      const double x = b;
      return {x, (2 * x * x - 3 * b * x + 2) * std::sqrt(x * x + 1) - 3 * b * std::asinh(x),
              6 * std::sqrt(b * b + 1)};
    }
    case 9: {
      Put(s, "", 4 * a, "x\\sqrt{x}(3x-", 5 * b, ")+15x(x-", 2 * b, ")");
      const double x = b;
      return {x, 4 * a * x * std::sqrt(x) * (3 * x - 5 * b) + 15 * x * (x - 2 * b),
              30 * (a * std::sqrt(b) + 1)};
    }
    case 10: {
      Put(s, "", a, "x^2-", 2 * a * b, "x+", a, "\\ln(x^2+", a * a, ")");
      Put(s, "-", 2 * b, "\\mbox{arctan } (x/", a, ")");
      const double x = b;
      return {x, a * x * x - 2 * a * b * x + a * std::log(x * x + a * a) - 2 * b * std::atan(x / a),
              2 * a * (1 + 1 / (a * a + b * b))};
    }
    case 11: {
      Put(s, "x^2-", 2 * (b - 1), "x-", 2 * (a + b), "\\ln(x+", a, ")");
      const double x = b;
      return {x, x * x - 2 * (b - 1) * x - 2 * (a + b) * std::log(x + a), 2 + 2 / (a + b)};
    }
    case 12: {
      // The linear term is left out when its coefficient is 0 (a = b) and written "x", "-x"
      // for 1 and -1.
      const double k = (a - b) * c;
      if (k == 1 || k == -1) {
        WriteText(s, k == 1 ? "x+" : "-x+");
      } else if (k != 0) {
        Put(s, "", k, "x+");
      }
      Put(s, "", a * b, "e^{-", c, "x}+");
      Put(s, "e^{", c, "x}");
      const double x = std::log(b) / c;
      return {x, (a - b) * c * x + a * b * std::exp(-c * x) + std::exp(c * x), c * c * (a + b)};
    }
    case 13: {
      Put(s, "(", 3 * a + 6, "-6x+3x^2)e^x-", b, "x(x^2+", 3 * a, ")");
      const double x = std::log(b);
      return {x, (3 * a + 6 - 6 * x + 3 * x * x) * std::exp(x) - b * x * (x * x + 3 * a),
              3 * b * (x * x + a)};
    }
    case 14: {
      Put(s, "", 3 * c, "e^{x/", c, "}(", b * b - 2 * c * c, "+", 2 * c, "x-x^2)-");
      Put(s, "", a, "x(x^2-", 3 * b * b, ")");
      const double x = b;
      return {x,
              3 * c * std::exp(x / c) * (b * b - 2 * c * c + 2 * c * x - x * x) -
                  a * x * (x * x - 3 * b * b),
              -6 * b * (std::exp(b / c) + a)};
    }
    case 15: {
      Put(s, "\\ln(x) (", 2 * b, "x-", 2 * a * b, "+", a, "\\ln(x))-");
      Put(s, "", 2 * b * (b + 1), "x");
      const double x = std::exp(b);
      return {x, std::log(x) * (2 * b * x - 2 * a * b + a * std::log(x)) - 2 * b * (b + 1) * x,
              2 * (a / x + b) / x};
    }
    case 16: {
      Put(s, "", b, "\\sin(x)+(1-", b, "x)\\cos(x)+", a * b, "x^2-", 2 * a, "x");
      const double x = 1 / b;
      return {x, b * std::sin(x) + (1 - b * x) * std::cos(x) + a * b * x * x - 2 * a * x,
              b * (std::sin(x) + 2 * a)};
    }
    case 17: {
      Put(s, "x(2\\sqrt{", c, "x}(", a, "x+", 2 * b, ")-");
      Put(s, "", 5 * a * b, "x-", 12 * b * b, ")");
      const double x = 4 * b * b / c;
      return {x, x * (2 * std::sqrt(c * x) * (a * x + 2 * b) - 5 * a * b * x - 12 * b * b),
              5 * a * b + 1.5 * c};
    }
    case 18: {
      Put(s, "2x\\tg(x)-", b * b + 1, "x^2-\\ln(1+\\tg^2(x))");
      const double x = std::atan(b);
      const double tg = std::tan(x);
      return {x, 2 * x * tg - (b * b + 1) * x * x - std::log(1 + tg * tg), 4 * x * b * (1 + b * b)};
    }
    case 19: {
      Put(s, "", b, "x\\ln(x)(1+", 2 * a, "x)-", b + 1, "x-");
      Put(s, "", a * (b + 2), "x^2");
      const double x = std::exp(1 / b);
      return {x, b * x * std::log(x) * (1 + 2 * a * x) - (b + 1) * x - a * (b + 2) * x * x,
              b / x * (1 + 4 * a * x)};
    }
    case 20: {
      Put(s, "e^x(e^x+2x-", 2 * b + 2, ")-", b, "x^2");
      const double x = std::log(b);
      return {x, std::exp(x) * (std::exp(x) + 2 * x - 2 * b - 2) - b * x * x, 2 * b * (b + x)};
    }
    case 21: {
      const double a21 = s.P5 + 1;
      const double b21 = s.P4 * s.P2;
      const double c21 = 2 * a21 * b21 - a21 * a21 + s.P3;
      const Quartic q = BuildQuartic(a21, b21, c21, s.P2, true);
      Put(s, "", q.d0, "+(", q.d1, "+(", q.d2, "");
      if (q.d3 != 0) {
        Put(s, "+(", q.d3, "+3x)x)x)x");
      } else {
        WriteText(s, "+3x^2)x)x");
      }
      return q.at_b;
    }
    case 22: {
      const Quartic q = BuildQuartic(s.P2 + 1, s.P5, s.P3, s.P4, false);
      WriteNumber(s, q.d0);
      WriteSignedCoefLn(s, q.d1);
      WriteText(s, "x");
      if (q.d2 != 0) {
        WriteSignedCoefLn(s, q.d2);
        WriteText(s, "x^2");
      }
      if (q.d3 != 0) {
        WriteSignedCoefLn(s, q.d3);
        WriteText(s, "x^3");
      }
      WriteText(s, "+3x^4");
      return q.at_b;
    }
  }
  FormOutOfRange("extremum", f, 22);
}

/// The three answer cells x*, y(x*), y''(x*); where a function has more than one extremum
/// for x > 0, each cell holds their values one under another, in the order of x* (each value
/// in text, so that its minus is the hyphen of the other cells).
std::string ExtremumCells(const std::vector<Extremum>& points) {
  const auto cell = [&points](double Extremum::*value, int width) {
    if (points.size() == 1) return "&" + toolkit::FormatFixed(points[0].*value, width, 3);
    std::string text = "&$\\begin{array}{@{}r@{}}";
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (i > 0) text += "\\\\";
      text += "\\mbox{" + toolkit::FormatFixed(points[i].*value, width, 3) + "}";
    }
    return text + "\\end{array}$";
  };
  return cell(&Extremum::x, 7) + cell(&Extremum::y, 10) + cell(&Extremum::second, 10);
}

}  // namespace

void BeginExtremumProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteText(s, " Найти экстремум $y(x)$ при $x>0$.");
  ExtremumItemCount = s.Level;
  if (toolkit::AnswersNeedSplit(ExtremumItemCount, kExtremumFunctionsPerTable)) {
    // Split tables name the function of each column group, as the statement numbers them.
    std::vector<std::string> heads;
    for (int i = 1; i <= ExtremumItemCount; ++i) {
      heads.push_back(" & " + std::to_string(i) + ") $x_*$ & $y(x_*)$ & $y''(x_*)$ ");
    }
    BeginSplitAnswers(s, std::move(heads), kExtremumFunctionsPerTable, "");
  } else {
    AnsBeginTable(s, 3 * (ExtremumItemCount + 1));
    for (int i = 1; i <= ExtremumItemCount; ++i) {
      AnsWriteLine(s, " & $x_*$ & $y(x_*)$ & $y''(x_*)$ ");
    }
  }
  EndTableHeadWithReference(s, 125);
}

void WriteExtremumVariant(SharedState& s) {
  toolkit::AnswersRow row(s,
                          toolkit::AnswersNeedSplit(ExtremumItemCount, kExtremumFunctionsPerTable),
                          toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)));
  for (int i = 1; i <= ExtremumItemCount; ++i) {
    const double a = s.P4 + 1;
    const double b = s.P3 + 1;
    const double c = s.P5 + 1;
    // Forms run on cyclically past the end of the catalogue (23 is form 1, 24 form 2, ..), so
    // that every P1 and Level within the bounds names a form.
    int f = s.P1 + i;
    if (f > kExtremumFormCount) f = (f - 1) % kExtremumFormCount + 1;

    if (ExtremumItemCount == 1) {
      WriteText(s, "$  y=");
    } else {
      WriteTextNumberLn(s, "", i, ") $  y=");
    }
    std::vector<Extremum> points{WriteForm(s, f, a, b, c)};
    WriteLine(s, "$\\\\");
    if (f == 3) {
      // y' = 4(x - b) ln(ax) vanishes at x = 1/a as well: a maximum before the minimum at b.
      points.insert(points.begin(), Extremum{1 / a, 4 * b / a - 1 / (a * a), 4 * (1 - a * b)});
    }
    row.Item(ExtremumCells(points));
  }
  row.End();
}

}  // namespace calculus
