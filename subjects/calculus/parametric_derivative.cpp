#include <cmath>
#include <numbers>
#include <string>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// Fixed by the begin routine: one system per variant.
int ParametricItemCount = 0;

// F(t), in k; writes its text without a line end.
ValueAndSlope WriteF(SharedState& s, int form, double k) {
  switch (form) {
    case 1:
      WriteNumber(s, k);
      WriteText(s, "t");
      return {k, k};
    case 2:
      WriteText(s, "t^{");
      WriteNumber(s, k);
      WriteText(s, "}");
      return {1, k};
    case 3:
      WriteNumber(s, k);
      WriteText(s, "^t");
      return {k, k * std::log(k)};
    case 4:
      WriteText(s, "\\ln(");
      WriteNumber(s, k);
      WriteText(s, "t)");
      return {std::log(k), 1};
    case 5:
      WriteText(s, "\\sqrt{");
      WriteNumber(s, k);
      WriteText(s, "t^2+1}");
      return {std::sqrt(k + 1), k / std::sqrt(k + 1)};
    case 6:
      WriteNumber(s, k);
      WriteText(s, "/t");
      return {k, -k};
    case 7:
      WriteText(s, "t/(t+");
      WriteNumber(s, k);
      WriteText(s, ")");
      return {1 / (1 + k), k / ((1 + k) * (1 + k))};
    case 8:
      WriteText(s, "1/\\sqrt{");
      WriteNumber(s, k);
      WriteText(s, "t}");
      return {1 / std::sqrt(k), -0.5 / std::sqrt(k)};
    case 9:
      WriteText(s, "\\sin(");
      WriteNumber(s, k);
      WriteText(s, "t)");
      return {std::sin(k), k * std::cos(k)};
    case 10:
      WriteText(s, "\\cos(");
      WriteNumber(s, k);
      WriteText(s, "t)");
      return {std::cos(k), -k * std::sin(k)};
  }
  FormOutOfRange("F", form, 10);
}

// E(t), in g.
ValueAndSlope WriteE(SharedState& s, int form, double g) {
  switch (form) {
    case 1:
      WriteText(s, "e^{t/");
      WriteNumber(s, g);
      WriteText(s, "}");
      return {std::exp(1 / g), std::exp(1 / g) / g};
    case 2:
      WriteText(s, "\\sqrt{");
      WriteNumber(s, g);
      WriteText(s, "t}");
      return {std::sqrt(g), 0.5 * std::sqrt(g)};
    case 3:
      WriteText(s, "t^2/");
      WriteNumber(s, g);
      return {1 / g, 2 / g};
    case 4:
      WriteText(s, "\\sin(");
      WriteNumber(s, g);
      WriteText(s, "t)");
      return {std::sin(g), g * std::cos(g)};
    case 5:
      WriteText(s, "\\cos(");
      WriteNumber(s, g);
      WriteText(s, "t)");
      return {std::cos(g), -g * std::sin(g)};
    case 6:
      WriteText(s, "\\mbox{sh}(t/");
      WriteNumber(s, g);
      WriteText(s, ")");
      return {std::sinh(1 / g), std::cosh(1 / g) / g};
    case 7:
      WriteText(s, "\\mbox{ch}(t/");
      WriteNumber(s, g);
      WriteText(s, ")");
      return {std::cosh(1 / g), std::sinh(1 / g) / g};
  }
  FormOutOfRange("E", form, 7);
}

// G(t), in h.
ValueAndSlope WriteG(SharedState& s, int form, double h) {
  constexpr double kPi = std::numbers::pi;
  switch (form) {
    case 1:
      WriteTextNumberLn(s, "\\sqrt{1+", h, "t}");
      return {std::sqrt(1 + h), 0.5 * h / std::sqrt(1 + h)};
    case 2:
      WriteTextNumberLn(s, "(", h, "t+1)^2");
      return {(h + 1) * (h + 1), 2 * h * (h + 1)};
    case 3: {
      WriteTextNumberLn(s, "(t\\sin(t)+", h, ")^2");
      const double inner = std::sin(1.0) + h;
      return {inner * inner, 2 * inner * (std::sin(1.0) + std::cos(1.0))};
    }
    case 4: {
      WriteText(s, "\\mbox{tg}(\\pi t/4)");
      const double c = std::cos(kPi / 4);
      return {std::tan(kPi / 4), (kPi / 4) / (c * c)};
    }
    case 5: {
      WriteText(s, "\\mbox{ctg}(\\pi t/4)");
      const double sn = std::sin(kPi / 4);
      return {1 / std::tan(kPi / 4), -(kPi / 4) / (sn * sn)};
    }
    case 6:
      WriteText(s, "\\mbox{arctg}(t/2)");
      return {std::atan(0.5), 0.5 / (1 + 0.25)};
    case 7:
      WriteText(s, "\\arcsin(t/2)");
      return {std::asin(0.5), 1 / std::sqrt(3.0)};
    case 8:
      WriteText(s, "\\arccos(t/2)");
      return {std::acos(0.5), -1 / std::sqrt(3.0)};
  }
  FormOutOfRange("G", form, 8);
}

}  // namespace

void BeginParametricDerivativeProblem(SharedState& s) {
  ParametricItemCount = 1;
  AnsWriteLine(s, "$dy/dx$\\par");
  AnsBeginTable(s, ParametricItemCount + 1);
  s.ParboxWidth = 175;
  WriteText(s, " Найти $dy/dx$ ");
  WriteSmallNoteLine(s, " при $t=1$.\\\\\\noindent");
  for (int i = 1; i <= ParametricItemCount; ++i) AnsWriteTextNumberLn(s, "&", i, " ");
  EndTableHeadWithReference(s, 108);
}

void WriteParametricDerivativeVariant(SharedState& s) {
  const double k = s.P4 + 1;
  const double g = s.P3 + 1;
  const double h = s.P2 / 2 + 4;
  int f_form = s.P1;
  int e_form = s.P2;
  int g_form = s.P3;
  int x_form = s.P4;

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  for (int i = 1; i <= ParametricItemCount; ++i) {
    if (++f_form > 10) f_form = 1;
    if (++e_form > 7) e_form = 1;
    if (++g_form > 8) g_form = 1;
    if (++x_form > 3) x_form = 1;
    if (s.StudentsMode) WriteTextNumberLn(s, "\\vskip1pt ", i, ")");

    WriteText(s, "$\\left\\{\\begin{array}{l}x=");
    double x_slope = 0;
    switch (x_form) {
      case 1: {  // x = (1 + F)/(E + k + g)
        WriteText(s, "(1+");
        const ValueAndSlope f = WriteF(s, f_form, k);
        WriteText(s, ")/(");
        const ValueAndSlope e = WriteE(s, e_form, g);
        WriteText(s, "+");
        WriteNumber(s, k + g);
        WriteText(s, ")");
        const double denominator = e.value + k + g;
        x_slope = (f.slope * denominator - (1 + f.value) * e.slope) / (denominator * denominator);
        break;
      }
      case 2: {  // x = sqrt((1 + F)^2 + 1)
        WriteText(s, "\\sqrt{(1+");
        const ValueAndSlope f = WriteF(s, f_form, k);
        WriteText(s, ")^2+1}");
        x_slope = (1 + f.value) * f.slope / std::sqrt((1 + f.value) * (1 + f.value) + 1);
        break;
      }
      case 3: {  // x = e^t (E + 1)
        WriteText(s, "e^t(");
        const ValueAndSlope e = WriteE(s, e_form, g);
        WriteText(s, "+1)");
        x_slope = std::exp(1.0) * (e.value + 1 + e.slope);
        break;
      }
      default:
        FormOutOfRange("x", x_form, 3);
    }

    WriteText(s, ",\\\\y=");
    double y_slope = 0;
    if (s.P5 >= 1 && s.P5 <= 5) {
      y_slope = WriteG(s, g_form, h).slope;
    } else if (s.P5 >= 6 && s.P5 <= 10) {
      y_slope = WriteF(s, f_form, k).slope;
    } else if (s.P5 >= 11 && s.P5 <= 15) {
      y_slope = WriteE(s, e_form, g).slope;
    } else {
      FormOutOfRange("y", s.P5, 15);
    }

    // Within the bounds |x'(1)| is at least about 2e-4; a zero slope would put an infinite
    // answer into the key, so it ends the Start instead.
    const double answer = y_slope / x_slope;
    if (!std::isfinite(answer) || std::fabs(x_slope) < 1e-9) {
      throw toolkit::DegenerateDataError("dx/dt = 0 at t = 1: dy/dx is not defined");
    }
    WriteLine(s, "\\end{array}\\right.$");
    AnsWrite(s, "&");
    AnsWrite(s, toolkit::FormatFixed(answer, 10, 4));
  }
}

}  // namespace calculus
