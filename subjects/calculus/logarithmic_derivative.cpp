#include <cmath>
#include <string>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Fixed by the begin routine for every variant of the document.
int LogDerivativeItemCount = 0;

/// The integers of one variant; b may be replaced on the first U form 1 that meets b = 1.
struct Coefficients {
  int k, a, b, c, d, e;
};

// The base's first term U(x); writes it and returns U(1), U'(1).
ValueAndSlope WriteU(SharedState& s, int form, Coefficients& q) {
  const double k = q.k;
  switch (form) {
    case 1:
      // "1x" would read badly; the replacement lasts for the rest of the variant.
      if (q.b == 1) q.b = 7;
      WriteNumber(s, q.b);
      WriteText(s, "x");
      return {double(q.b), double(q.b)};
    case 2:
      WriteTextNumberLn(s, "x^{", q.c, "}");
      return {1, double(q.c)};
    case 3:
      WriteTextNumberLn(s, "", k, "^x");
      return {k, k * std::log(k)};
    case 4:
      WriteTextNumberLn(s, "\\ln(", k, "x)");
      return {std::log(k), 1};
    case 5:
      WriteTextNumberLn(s, "\\sqrt{", k, "x^2+1}");
      return {std::sqrt(k + 1), k / std::sqrt(k + 1)};
    case 6:
      WriteTextNumberLn(s, "", k, "/x");
      return {k, -k};
    case 7:
      WriteTextNumberLn(s, "x/(x^2+", k, ")");
      return {1 / (1 + k), (k - 1) / ((1 + k) * (1 + k))};
    case 8:
      WriteTextNumberLn(s, "", k, "x+1/x^2");
      return {k + 1, k - 2};
    case 9:
      WriteTextNumberLn(s, "\\sin(", k, "x)");
      return {std::sin(k), k * std::cos(k)};
    case 10:
      WriteTextNumberLn(s, "\\cos(", k, "x)");
      return {std::cos(k), -k * std::sin(k)};
  }
  FormOutOfRange("U", form, 10);
}

// The base's second term V(x).
ValueAndSlope WriteV(SharedState& s, int form, const Coefficients& q) {
  const double e = q.e;
  switch (form) {
    case 1:
      WriteTextNumberLn(s, "\\sqrt{", e, "x}");
      return {std::sqrt(e), 0.5 * std::sqrt(e)};
    case 2:
      WriteTextNumberLn(s, "(", e, "x+1)^2");
      return {(e + 1) * (e + 1), 2 * e * (e + 1)};
    case 3: {
      const double inner = std::sin(1.0) + e;
      WriteTextNumberLn(s, "(x\\sin(x)+", e, ")^2");
      return {inner * inner, 2 * inner * (std::cos(1.0) + std::sin(1.0))};
    }
  }
  FormOutOfRange("V", form, 3);
}

// The exponent W(x).
ValueAndSlope WriteW(SharedState& s, int form, const Coefficients& q) {
  const double a = q.a;
  const double d = q.d;
  switch (form) {
    case 1:
      WriteTextNumberLn(s, "x/", a, "+1");
      return {1 / a + 1, 1 / a};
    case 2:
      WriteTextNumberLn(s, "\\sqrt{", d, "x}");
      return {std::sqrt(d), 0.5 * std::sqrt(d)};
    case 3:
      WriteTextNumberLn(s, "x^2/", d, "");
      return {1 / d, 2 / d};
    case 4:
      WriteTextNumberLn(s, "\\sin(", d, "x)");
      return {std::sin(d), d * std::cos(d)};
    case 5:
      WriteTextNumberLn(s, "\\cos(", d, "x)");
      return {std::cos(d), -d * std::sin(d)};
  }
  FormOutOfRange("W", form, 5);
}

}  // namespace

void BeginLogarithmicDerivativeProblem(SharedState& s) {
  LogDerivativeItemCount = s.Level;
  toolkit::BeginNumberedItemAnswers(s, LogDerivativeItemCount, LogDerivativeItemCount + 1);
  s.ParboxWidth = 180;
  WriteLine(s, " Вычислить производную функции ");
  WriteSmallNoteLine(s, " при $x=1$. ");
  EndTableHeadWithReference(s, 104);
}

void WriteLogarithmicDerivativeVariant(SharedState& s) {
  Coefficients q{};
  q.k = s.P4 + 1;
  q.a = s.P5 / 5 + 1;
  if (q.a == 1) q.a = 2;
  q.b = s.P5 / 6 + s.P3;
  q.c = s.P5 / 7 + s.P4;
  if (q.c == 1) q.c = 2;
  q.d = s.P3 + 1;
  q.e = s.P2 / 2 + 2;
  int u_form = s.P1;
  int w_form = s.P2;
  int v_form = s.P3;

  toolkit::AnswersRow row(
      s, toolkit::AnswersNeedSplit(LogDerivativeItemCount, toolkit::kOneCellItemsPerTable),
      toolkit::FormatNumberSci(toolkit::PrintedVariantNumber(s)) + "\r\n");
  for (int i = 1; i <= LogDerivativeItemCount; ++i) {
    if (++u_form > 10) u_form = 1;
    if (++w_form > 5) w_form = 1;
    if (++v_form > 3) v_form = 1;
    if (s.StudentsMode || s.Level > 1) WriteTextNumberLn(s, "", i, ")");
    WriteText(s, " $ \\  y=(");
    const ValueAndSlope u = WriteU(s, u_form, q);
    WriteText(s, "+");
    const ValueAndSlope v = WriteV(s, v_form, q);
    WriteText(s, ")^{");
    const ValueAndSlope w = WriteW(s, w_form, q);
    WriteText(s, "}");

    // y = B^W, so y' = B^(W-1) (W B' + B W' ln B); B > 0 for every form within the bounds.
    const double base = u.value + v.value;
    const double base_slope = u.slope + v.slope;
    const double slope = toolkit::Power(base, w.value - 1) *
                         (w.value * base_slope + base * w.slope * std::log(base));
    WriteLine(s, "$\\vskip2pt");
    row.Item("&" + toolkit::FormatFixed(slope, 10, 4));
  }
  row.End();
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
