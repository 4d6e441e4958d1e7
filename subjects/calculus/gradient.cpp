#include <cmath>
#include <numbers>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

constexpr double kPi = std::numbers::pi;

/// Writes E row `row` of one variable `v` (g the variant's integer) and returns its
/// derivative at t.
double WriteOneVariableTerm(SharedState& s, int row, const char* v, int g, double t) {
  switch (row) {
    case 1:
    case 8:
      WriteText(s, "e^{");
      WriteText(s, v);
      WriteText(s, "/");
      WriteNumber(s, g);
      WriteText(s, "}");
      return std::exp(t / g) / g;
    case 2:
      WriteText(s, "\\sqrt{");
      WriteNumber(s, g);
      WriteText(s, v);
      WriteText(s, "}");
      return g / (2.0 * std::sqrt(g * t));
    case 3:
      WriteText(s, v);
      WriteText(s, "^2/");
      WriteNumber(s, g);
      return 2.0 * t / g;
    case 4:
      WriteText(s, "\\sin(");
      WriteNumber(s, g);
      WriteText(s, v);
      WriteText(s, ")");
      return g * std::cos(g * t);
    case 5:
      WriteText(s, "\\cos(");
      WriteNumber(s, g);
      WriteText(s, v);
      WriteText(s, ")");
      return -g * std::sin(g * t);
    case 6:
      WriteText(s, "\\mbox{sh}(");
      WriteText(s, v);
      WriteText(s, "/");
      WriteNumber(s, g);
      WriteText(s, ")");
      return std::cosh(t / g) / g;
    default:  // 7
      WriteText(s, "\\mbox{ch}(");
      WriteText(s, v);
      WriteText(s, "/");
      WriteNumber(s, g);
      WriteText(s, ")");
      return std::sinh(t / g) / g;
  }
}

/// Writes F row `row` of the sum x+y (h the variant's integer) and returns its derivative at
/// the sum's value t.
double WriteSumTerm(SharedState& s, int row, int h, double t) {
  switch (row) {
    case 1:
      WriteText(s, "\\sqrt{1+");
      WriteNumber(s, h);
      WriteText(s, "(x+y)}");
      return h / (2.0 * std::sqrt(1.0 + h * t));
    case 2:
      WriteText(s, "(");
      WriteNumber(s, h);
      WriteText(s, "+x+y)^2");
      return 2.0 * (h + t);
    case 3:
      WriteText(s, "((x+y)\\sin(x+y)+");
      WriteNumber(s, h);
      WriteText(s, ")^2");
      return 2.0 * (t * std::sin(t) + h) * (std::sin(t) + t * std::cos(t));
    case 4: {
      WriteText(s, "\\mbox{tg}(\\pi (x+y)/8)");
      const double c = std::cos(kPi * t / 8.0);
      return (kPi / 8.0) / (c * c);
    }
    case 5: {
      WriteText(s, "\\mbox{ctg}(\\pi (x+y)/8)");
      const double sn = std::sin(kPi * t / 8.0);
      return -(kPi / 8.0) / (sn * sn);
    }
    case 6:
      WriteText(s, "\\mbox{arctg}((x+y)/2)");
      return 0.5 / (1.0 + t * t / 4.0);
    case 7:
      WriteText(s, "\\arcsin((x+y)/4)");
      return 0.25 / std::sqrt(1.0 - t * t / 16.0);
    case 8:
      WriteText(s, "\\arccos((x+y)/4)");
      return -0.25 / std::sqrt(1.0 - t * t / 16.0);
    case 9:
      WriteNumber(s, h + 1);
      WriteText(s, "(x+y)^2-");
      WriteNumber(s, h + 2);
      WriteText(s, "/(x+y)");
      return 2.0 * (h + 1) * t + (h + 2) / (t * t);
    default:  // 10
      WriteNumber(s, h);
      WriteText(s, "/\\sqrt{x+y}+\\sqrt{x+y}");
      return -h / (2.0 * t * std::sqrt(t)) + 1.0 / (2.0 * std::sqrt(t));
  }
}

/// Writes G row `row` of the product xy (k the variant's integer) and returns its derivative
/// at the product's value t.
double WriteProductTerm(SharedState& s, int row, int k, double t) {
  switch (row) {
    case 1:
      WriteNumber(s, k);
      WriteText(s, "xy");
      return k;
    case 2:
      WriteText(s, "(xy)^{");
      WriteNumber(s, k);
      WriteText(s, "}");
      return k * std::pow(t, k - 1);
    case 3:
      WriteNumber(s, k);
      WriteText(s, "^{xy}");
      return std::pow(k, t) * std::log(k);
    case 4:
      WriteText(s, "\\ln(");
      WriteNumber(s, k);
      WriteText(s, "xy)");
      return 1.0 / t;
    case 5:
      WriteText(s, "\\sqrt{");
      WriteNumber(s, k);
      WriteText(s, "x^2y^2+1}");
      return k * t / std::sqrt(k * t * t + 1.0);
    case 6:
      WriteNumber(s, k);
      WriteText(s, "/(xy)");
      return -k / (t * t);
    case 7:
      WriteText(s, "xy/(xy+");
      WriteNumber(s, k);
      WriteText(s, ")");
      return k / ((t + k) * (t + k));
    case 8:
      WriteText(s, "1/\\sqrt{");
      WriteNumber(s, k);
      WriteText(s, "xy}");
      return -0.5 * k / std::pow(k * t, 1.5);
    case 9:
      WriteText(s, "\\sin(");
      WriteNumber(s, k);
      WriteText(s, "xy)");
      return k * std::cos(k * t);
    default:  // 10
      WriteText(s, "\\cos(");
      WriteNumber(s, k);
      WriteText(s, "xy)");
      return -k * std::sin(k * t);
  }
}

}  // namespace

void BeginGradientProblem(SharedState& s) {
  s.ParboxWidth = 185;
  WriteText(s, "  Найти градиент функции $u=f(x,y)$ в точке $M(x_0,y_0)$.");
  EndTableHeadWithReference(s, 131);
  AnsBeginTable(s, 4);
  if (s.StudentsMode) {
    AnsWriteLine(s, R"( &$f'_x$&$f'_y$&$|\mathrm{grad}\,f|$ & \\\hline )");
  } else {
    AnsWriteLine(s, R"( &$f'_x$&$f'_y$&$|\mathrm{grad}\,f|$  \\\hline )");
  }
}

void WriteGradientVariant(SharedState& s) {
  const int k = s.P4 + 1;
  const int g = s.P3 + 1;
  const int h = s.P2 / 2 + 4;
  const int i = s.P1 + 1 == 11 ? 1 : s.P1 + 1;
  const int j = s.P2 + 1 == 8 ? 1 : s.P2 + 1;
  double x0 = 2, y0 = 1;
  if (s.P3 <= 3) {
    x0 = 1;
    y0 = 2;
  } else if (s.P3 <= 5) {
    x0 = 1;
    y0 = 1;
  }
  const double sum = x0 + y0;
  const double product = x0 * y0;

  WriteSmallNoteLine(s, "\\par");
  WriteText(s, " $u=");
  double fx = 0, fy = 0;
  switch (s.P4) {
    case 1:
      fx = WriteOneVariableTerm(s, j, "x", g, x0);
      WriteText(s, "+");
      fy = WriteOneVariableTerm(s, j + 1, "y", g, y0);
      break;
    case 2: {
      const double df = WriteSumTerm(s, i, h, sum);
      WriteText(s, "+");
      const double dg = WriteProductTerm(s, i, k, product);
      fx = df + y0 * dg;
      fy = df + x0 * dg;
      break;
    }
    default: {  // 3
      const double dg = WriteProductTerm(s, i, k, product);
      WriteText(s, "+");
      const double de = WriteOneVariableTerm(s, j, "x", g, x0);
      fx = de + y0 * dg;
      fy = x0 * dg;
      break;
    }
  }
  WriteText(s, "$,");
  WriteSmallNoteLine(s, "\\par");
  WriteText(s, " $M");
  WriteCoordinatePair(s, x0, y0);
  WriteText(s, "$.\\\\");

  const double grad = toolkit::Hypot(fx, fy);
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&" + toolkit::FormatFixed(fx, 9, 4));
  AnsWrite(s, "&" + toolkit::FormatFixed(fy, 9, 4));
  AnsWrite(s, "&" + toolkit::FormatFixed(grad, 9, 4));
}

}  // namespace calculus
