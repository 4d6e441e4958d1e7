#include <cmath>
#include <numbers>
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
int ImplicitItemCount = 0;

/// The integers of one variant; r may grow when an equation would have no y'.
struct Coefficients {
  int m, q, r, s, p;
};

/// A(1), A'(1); T_x, T_y at (1, 1); B(1), B'(1).
struct FactorValues {
  double a, a_slope;
  double tx, ty;
  double b, b_slope;
};

FactorValues Evaluate(int a_form, int t_form, int b_form, const Coefficients& c) {
  constexpr double kPi = std::numbers::pi;
  const double m = c.m, q = c.q, r = c.r, s = c.s, p = c.p;
  FactorValues v{};
  const double power = toolkit::Power(m + q, p);
  const double power_slope = p * toolkit::Power(m + q, p - 1);
  switch (a_form) {
    case 1:
      v = {power, 2 * m * power_slope, 0, 0, 0, 0};
      break;
    case 2:
      v = {power, 0.5 * m * power_slope, 0, 0, 0, 0};
      break;
    case 3:
      v = {power, m * power_slope * kPi * std::sqrt(3.0) / 6, 0, 0, 0, 0};
      break;
    case 4:
      v = {power, m * power_slope, 0, 0, 0, 0};
      break;
    case 5:
      v = {1, 1, 0, 0, 0, 0};
      break;
    default:
      FormOutOfRange("A", a_form, 5);
  }
  switch (t_form) {
    case 1:
      v.tx = 0;
      v.ty = s;
      break;
    case 2:
      v.tx = 2 * s;
      v.ty = -1;
      break;
    case 3:
      v.tx = 0.25;
      v.ty = 0.25;
      break;
    case 4:
      v.tx = 0;
      v.ty = kPi / 2;
      break;
    case 5:
      v.tx = 0;
      v.ty = 0;
      break;
    default:
      FormOutOfRange("T", t_form, 5);
  }
  switch (b_form) {
    case 1:
      v.b = 1;
      v.b_slope = (r - 1) * 0.5;
      break;
    case 2:
      v.b = 1;
      v.b_slope = r;
      break;
    case 3:
      v.b = 0.5;
      v.b_slope = std::sqrt(3.0) * kPi * r / 12;
      break;
    case 4:
      v.b = 2;
      v.b_slope = r / 4;
      break;
    case 5:
      v.b = 1;
      v.b_slope = m * r;
      break;
    default:
      FormOutOfRange("B", b_form, 5);
  }
  return v;
}

void WriteA(SharedState& s, int form, const Coefficients& c) {
  switch (form) {
    case 1:
      WriteText3NumbersLn(s, "(", c.m, "x^2{+}", c.q, ")^", c.p, "");
      break;
    case 2:
      WriteText3NumbersLn(s, "(", c.m, "\\sqrt{x}{+}", c.q, ")^", c.p, "");
      break;
    case 3:
      WriteText3NumbersLn(s, "(", 2 * c.m, "\\sin(\\pi x/6){+}", c.q, ")^", c.p, "");
      break;
    case 4:
      WriteText3NumbersLn(s, "(", c.m, "e^{x-1}{+}", c.q, ")^", c.p, "");
      break;
    case 5:
      WriteTextNumberLn(s, "(\\ln^", c.p, "(2{-}x){+}x)");
      break;
    default:
      FormOutOfRange("A", form, 5);
  }
}

void WriteT(SharedState& s, int form, const Coefficients& c) {
  switch (form) {
    case 1:
      WriteTextNumberLn(s, "y^", c.s, "");
      break;
    case 2:
      WriteTextNumberLn(s, "(2x^", c.s, "{-}y)");
      break;
    case 3:
      WriteText(s, "\\sqrt{(x{+}y)/2}\\,");
      break;
    case 4:
      WriteText(s, "\\tg(\\pi y/4)");
      break;
    case 5:
      WriteText2NumbersLn(s, "\\cos(y^", c.s, "{-}x^", c.r + 1, ")");
      break;
    default:
      FormOutOfRange("T", form, 5);
  }
}

void WriteB(SharedState& s, int form, const Coefficients& c) {
  switch (form) {
    case 1:
      WriteTextNumberLn(s, "(y^", c.r, "{+}1)/(y{+}1)");
      break;
    case 2:
      WriteTextNumberLn(s, "e^{y^", c.r, "-1}");
      break;
    case 3:
      WriteTextNumberLn(s, "\\sin(\\pi y^", c.r, "/6)");
      break;
    case 4:
      WriteTextNumberLn(s, "\\sqrt{y^", c.r, "{+}3}");
      break;
    case 5:
      WriteText3NumbersLn(s, "(\\ln(", c.m, "y^", c.r, "{-}", c.m - 1, "){+}1)");
      break;
    default:
      FormOutOfRange("B", form, 5);
  }
}

}  // namespace

void BeginImplicitDerivativeProblem(SharedState& s) {
  ImplicitItemCount = s.Level;
  s.ParboxWidth = 220;
  const bool split = toolkit::BeginNumberedItemAnswers(s, ImplicitItemCount, ImplicitItemCount + 1);
  // Two boxes of this width do not fit side by side on the sheet: one to a line.
  WriteText(s, "\\rightskip=0pt plus1fil");
  if (s.TicketMode) {
    WriteText(s, " Найти производную неявной функции: ");
  } else {
    WriteText(s, " Известно, что $y=1$ при $x=1$. Найти $y'$ при $x=1$.\\\\\\noindent");
  }
  if (!split) AnsEndTableRow(s);
}

void WriteImplicitDerivativeVariant(SharedState& s) {
  Coefficients c{};
  c.m = s.P1 <= 3 ? 3 : (s.P1 == 4 ? 4 : 5);
  if (s.P6 == 1 || s.P6 == 2) {
    c.q = c.m == 5 ? 1 : 5 - c.m;
  } else {
    c.q = c.m - 1;
  }
  c.r = s.P2 <= 3 ? 2 : 3;
  c.s = s.P3 <= 3 ? 2 : (s.P3 == 4 ? 3 : 4);
  c.p = s.P4 <= 3 ? 2 : 3;
  // The forms step on from equation to equation; the stored parameters stay as the file has
  // them, so that a later reader of P1..P3 sees the variant's own values.
  int a_form = s.P1;
  int t_form = s.P2;
  int b_form = s.P3;

  toolkit::AnswersRow row(
      s, toolkit::AnswersNeedSplit(ImplicitItemCount, toolkit::kOneCellItemsPerTable),
      toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  for (int i = 1; i <= ImplicitItemCount; ++i) {
    FactorValues v = Evaluate(a_form, t_form, b_form, c);
    // With B'(1) + B(1) T_y = 0 the equation does not fix y'(1); a larger power of y in B
    // (kept for the rest of the variant) removes the zero.
    while (std::fabs(v.b_slope + v.b * v.ty) < 1e-9) {
      ++c.r;
      v = Evaluate(a_form, t_form, b_form, c);
    }
    const double slope = -v.b * (v.a_slope + v.a * v.tx) / (v.a * (v.b_slope + v.b * v.ty));

    if (s.StudentsMode || s.Level > 1) WriteTextNumberLn(s, "\\vskip2pt ", i, ")");
    WriteText(s, "\\ $");
    WriteA(s, a_form, c);
    WriteT(s, t_form, c);
    WriteB(s, b_form, c);
    WriteTextNumberLn(s, "=", v.a * v.b, ".$");
    row.Item("&" + toolkit::FormatFixed(slope, 10, 4));

    if (++a_form > 5) a_form = 1;
    if (++t_form > 5) t_form = 1;
    if (++b_form > 5) b_form = 1;
  }
  row.End();
}

}  // namespace calculus
