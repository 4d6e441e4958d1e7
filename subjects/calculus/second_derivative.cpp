#include <cmath>
#include <numbers>
#include <string>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Fixed by the begin routine for every variant of the document.
int SecondDerivativeItemCount = 0;

/// A function's value, first and second derivative at x = 1.
struct Jet {
  double value;
  double first;
  double second;
};

// U(x), in b; writes its text without a line end.
Jet WriteU(SharedState& s, int form, double b) {
  constexpr double kPi = std::numbers::pi;
  switch (form) {
    case 1: {
      WriteText(s, "\\sqrt{");
      WriteNumber(s, b);
      WriteText(s, "x-1}");
      const double w = b - 1;
      return {std::sqrt(w), b / (2 * std::sqrt(w)), -b * b / (4 * w * std::sqrt(w))};
    }
    case 2:
      WriteText(s, "(");
      WriteNumber(s, b);
      WriteText(s, "x-1)^2");
      return {(b - 1) * (b - 1), 2 * b * (b - 1), 2 * b * b};
    case 3: {
      WriteText(s, "\\mbox{tg}(\\pi x/4)");
      const double tg = std::tan(kPi / 4);
      const double sec2 = 1 / (std::cos(kPi / 4) * std::cos(kPi / 4));
      return {tg, kPi / 4 * sec2, kPi * kPi / 8 * tg * sec2};
    }
    case 4: {
      WriteText(s, "\\mbox{ctg}(\\pi x/4)");
      const double ctg = 1 / std::tan(kPi / 4);
      const double csc2 = 1 / (std::sin(kPi / 4) * std::sin(kPi / 4));
      return {ctg, -kPi / 4 * csc2, kPi * kPi / 8 * ctg * csc2};
    }
    case 5:
      WriteText(s, "\\mbox{arctg}(x/2)");
      return {std::atan(0.5), 2.0 / 5.0, -4.0 / 25.0};
  }
  FormOutOfRange("U", form, 5);
}

// W(x), in a; each text ends its line.
Jet WriteW(SharedState& s, int form, double a) {
  constexpr double kPi = std::numbers::pi;
  switch (form) {
    case 1: {
      WriteTextNumberLn(s, "e^{x/", a, "}");
      const double w = std::exp(1 / a);
      return {w, w / a, w / (a * a)};
    }
    case 2:
      WriteTextNumberLn(s, "\\sqrt{", a, "x}");
      return {std::sqrt(a), a / (2 * std::sqrt(a)), -a * a / (4 * a * std::sqrt(a))};
    case 3:
      WriteTextNumberLn(s, "x^2/", a, "");
      return {1 / a, 2 / a, 2 / a};
    case 4: {
      WriteTextNumberLn(s, "\\sin(", a, "\\pi x)");
      const double w = a * kPi;
      return {std::sin(w), w * std::cos(w), -w * w * std::sin(w)};
    }
    case 5: {
      WriteTextNumberLn(s, "\\cos(", a, "\\pi x)");
      const double w = a * kPi;
      return {std::cos(w), -w * std::sin(w), -w * w * std::cos(w)};
    }
    case 6:
      WriteTextNumberLn(s, "\\mbox{sh}(x/", a, ")");
      return {std::sinh(1 / a), std::cosh(1 / a) / a, std::sinh(1 / a) / (a * a)};
    case 7:
      WriteTextNumberLn(s, "\\mbox{ch}(x/", a, ")");
      return {std::cosh(1 / a), std::sinh(1 / a) / a, std::cosh(1 / a) / (a * a)};
  }
  FormOutOfRange("W", form, 7);
}

}  // namespace

void BeginSecondDerivativeProblem(SharedState& s) {
  SecondDerivativeItemCount = s.Level;
  AnsWriteLine(s, "$d^2y/dx^2$ \\par ");
  toolkit::BeginNumberedItemAnswers(s, SecondDerivativeItemCount, SecondDerivativeItemCount + 1);
  s.ParboxWidth = 171;
  WriteText(s, " Найти $d^2y/dx^2$ ");
  WriteSmallNoteLine(s, " при $x=1$.\\\\\\noindent");
  EndTableHeadWithReference(s, 110);
}

void WriteSecondDerivativeVariant(SharedState& s) {
  double a = s.P3 + 1;
  if (a == 4) a = 2;
  const double b = s.P4 + 1;
  int u_form = s.P1;
  int w_form = s.P2;
  int form = s.P3;

  toolkit::AnswersRow row(
      s, toolkit::AnswersNeedSplit(SecondDerivativeItemCount, toolkit::kOneCellItemsPerTable),
      toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  for (int i = 1; i <= SecondDerivativeItemCount; ++i) {
    if (++u_form > 5) u_form = 1;
    if (++w_form > 7) w_form = 1;
    if (++form > 3) form = 1;
    if (s.StudentsMode || s.Level > 1) WriteTextNumberLn(s, "\\vskip1pt ", i, ")");
    WriteText(s, "$  y=");

    double answer = 0;
    switch (form) {
      case 1: {  // U W, by the Leibniz rule
        const Jet u = WriteU(s, u_form, b);
        WriteText(s, "\\cdot ");
        const Jet w = WriteW(s, w_form, a);
        answer = u.second * w.value + 2 * u.first * w.first + u.value * w.second;
        break;
      }
      case 2: {  // ln(x) W + U; ln 1 = 0
        WriteText(s, "\\ln(x)\\cdot ");
        const Jet w = WriteW(s, w_form, a);
        WriteText(s, "+");
        const Jet u = WriteU(s, u_form, b);
        answer = 2 * w.first - w.value + u.second;
        break;
      }
      case 3: {  // e^(-ax) U + W
        WriteText(s, "e^{-");
        WriteNumber(s, a);
        WriteText(s, "x}");
        WriteText(s, "\\cdot ");
        const Jet u = WriteU(s, u_form, b);
        WriteText(s, "+");
        const Jet w = WriteW(s, w_form, a);
        const double e0 = std::exp(-a);
        const double e1 = -a * e0;
        const double e2 = -a * e1;
        answer = e2 * u.value + 2 * e1 * u.first + e0 * u.second + w.second;
        break;
      }
      default:
        FormOutOfRange("product", form, 3);
    }
    WriteLine(s, "$");
    row.Item("&" + toolkit::FormatFixed(answer, 10, 4));
  }
  row.End();
}

}  // namespace calculus
