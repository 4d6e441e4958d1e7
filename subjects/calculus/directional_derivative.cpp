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

/// Writes F row `row` of the sum text `sum` (whose value at A is t) and returns the
/// derivative at t.
double WriteSumFunction(SharedState& s, int row, const std::string& sum, int h, double t) {
  switch (row) {
    case 1:
      WriteTextNumberLn(s, "\\sqrt{1+", h, "(" + sum + ")}");
      return h / (2.0 * std::sqrt(1.0 + h * t));
    case 2:
      WriteTextNumberLn(s, "(", h, "+" + sum + ")^2");
      return 2.0 * (h + t);
    case 3:
      WriteTextNumberLn(s, "((" + sum + ")\\sin(" + sum + ")+", h, ")^2");
      return 2.0 * (t * std::sin(t) + h) * (std::sin(t) + t * std::cos(t));
    case 4: {
      // A sum of 4 would put the tangent at pi/2; that point uses the divisor 6.
      const bool six = t == 4;
      WriteText(s, "\\mbox{tg}(\\pi (" + sum + ")/" + (six ? "6" : "8") + ")");
      const double q = six ? 6.0 : 8.0;
      const double c = std::cos(kPi * t / q);
      return (kPi / q) / (c * c);
    }
    case 5: {
      WriteText(s, "\\mbox{ctg}(\\pi (" + sum + ")/8)");
      const double sn = std::sin(kPi * t / 8.0);
      return -(kPi / 8.0) / (sn * sn);
    }
    case 6:
      WriteText(s, "\\mbox{arctg}((" + sum + ")/2)");
      return 0.5 / (1.0 + t * t / 4.0);
    case 7:
      WriteText(s, "\\arcsin((" + sum + ")/5)");
      return 0.2 / std::sqrt(1.0 - t * t / 25.0);
    case 8:
      WriteText(s, "\\arccos((" + sum + ")/5)");
      return -0.2 / std::sqrt(1.0 - t * t / 25.0);
    case 9:
      WriteText2NumbersLn(s, "", h + 1, "(" + sum + ")^2-", h + 2, "/(" + sum + ")");
      return 2.0 * (h + 1) * t + (h + 2) / (t * t);
    default:  // 10
      WriteTextNumberLn(s, "", h, "/\\sqrt{" + sum + "}+\\sqrt{" + sum + "}");
      return -h / (2.0 * t * std::sqrt(t)) + 1.0 / (2.0 * std::sqrt(t));
  }
}

/// Writes G row `row` of the product text `product` (value t at A) and returns the
/// derivative at t.
double WriteProductFunction(SharedState& s, int row, const std::string& product, int k,
                            double t) {
  switch (row) {
    case 1:
      WriteTextNumberLn(s, "", k, product);
      return k;
    case 2:
      WriteTextNumberLn(s, "(" + product + ")^{", k, "}");
      return k * std::pow(t, k - 1);
    case 3:
      WriteTextNumberLn(s, "", k, "^{" + product + "}");
      return std::pow(k, t) * std::log(k);
    case 4:
      WriteTextNumberLn(s, "\\ln(", k, product + ")");
      return 1.0 / t;
    case 5:
      WriteTextNumberLn(s, "\\sqrt{", k, "(" + product + ")^2+1}");
      return k * t / std::sqrt(k * t * t + 1.0);
    case 6:
      WriteTextNumberLn(s, "", k, "/(" + product + ")");
      return -k / (t * t);
    case 7:
      WriteTextNumberLn(s, product + "/(" + product + "+", k, ")");
      return k / ((t + k) * (t + k));
    case 8:
      WriteTextNumberLn(s, "1/\\sqrt{", k, product + "}");
      return -0.5 * k / std::pow(k * t, 1.5);
    case 9:
      WriteTextNumberLn(s, "\\sin(", k, product + ")");
      return k * std::cos(k * t);
    default:  // 10
      WriteTextNumberLn(s, "\\cos(", k, product + ")");
      return -k * std::sin(k * t);
  }
}

/// Writes E row `row` of the variable `v` (value t at A) and returns the derivative at t.
double WriteVariableFunction(SharedState& s, int row, const std::string& v, int g, double t) {
  switch (row) {
    case 1:
      WriteTextNumberLn(s, "e^{" + v + "/", g, "}");
      return std::exp(t / g) / g;
    case 2:
      WriteTextNumberLn(s, "\\sqrt{", g, v + "+1}");
      return g / (2.0 * std::sqrt(g * t + 1.0));
    case 3:
      WriteTextNumberLn(s, v + "^2/", g, "");
      return 2.0 * t / g;
    case 4:
      WriteTextNumberLn(s, "\\sin(", g, v + ")");
      return g * std::cos(g * t);
    case 5:
      WriteTextNumberLn(s, "\\cos(", g, v + ")");
      return -g * std::sin(g * t);
    case 6:
      WriteTextNumberLn(s, "\\mbox{sh}(" + v + "/", g, ")");
      return std::cosh(t / g) / g;
    case 7:
      WriteTextNumberLn(s, "\\mbox{ch}(" + v + "/", g, ")");
      return std::sinh(t / g) / g;
    case 8:
      WriteTextNumberLn(s, "\\ln(" + v + "+", g, ")");
      return 1.0 / (t + g);
    case 9:
      WriteTextNumberLn(s, "\\sqrt{", g, v + "^2}");
      return std::sqrt(static_cast<double>(g)) * (t < 0 ? -1.0 : 1.0);
    default:  // 10
      WriteTextNumberLn(s, v + "/(" + v + "+", g, ")");
      return g / ((t + g) * (t + g));
  }
}

}  // namespace

void BeginDirectionalDerivativeProblem(SharedState& s) {
  s.ParboxWidth = 180;
  WriteText(s,
            " Найти производную функции $u(x,y,z)$ в точке $A(x_1,y_1,z_1)$ по направлению "
            "к точке $B(x_2,y_2,z_2)$.");
  EndTableHeadWithReference(s, 133);
  AnsBeginTable(s, 3);
  AnsWriteLine(s, R"( & grad u & $\partial u/\partial l$)");
  AnsEndTableRow(s);
}

void WriteDirectionalDerivativeVariant(SharedState& s) {
  const int h = s.P2 / 2 + 4;
  const int g = s.P3 + 1;
  const int k = s.P4 / 4 + 1 == 1 ? 2 : s.P4 / 4 + 1;
  const int row = s.P1;

  // Point A by P3: (1,1,1) (1,2,1) (1,1,2) (2,1,1) (2,2,1) (2,1,2) (1,2,2) (2,2,2).
  static const int kPointA[8][3] = {{1, 1, 1}, {1, 2, 1}, {1, 1, 2}, {2, 1, 1},
                                    {2, 2, 1}, {2, 1, 2}, {1, 2, 2}, {2, 2, 2}};
  const int a_row = s.P3 >= 1 && s.P3 <= 8 ? s.P3 - 1 : 0;
  const double x = kPointA[a_row][0], y = kPointA[a_row][1], z = kPointA[a_row][2];

  // Direction: a component that comes out 0 is replaced by 1, 2 and 3 respectively.
  double d1 = s.P5 - 2, d2 = s.P5 - 1, d3 = s.P5 - 3;
  if (d1 == 0) d1 = 1;
  if (d2 == 0) d2 = 2;
  if (d3 == 0) d3 = 3;

  WriteSmallNoteLine(s, "\\par");
  WriteText(s, " $u=");
  double ux = 0, uy = 0, uz = 0;
  auto f = [&](const char* sum, double t) { return WriteSumFunction(s, row, sum, h, t); };
  auto g_of = [&](const char* product, double t) {
    return WriteProductFunction(s, row, product, k, t);
  };
  auto e = [&](const char* v, double t) { return WriteVariableFunction(s, row, v, g, t); };
  switch (s.P4) {
    case 1: {
      const double df = f("x+y", x + y);
      WriteText(s, "+");
      const double dg = g_of("xz", x * z);
      ux = df + z * dg, uy = df, uz = x * dg;
      break;
    }
    case 2: {
      const double df = f("x+z", x + z);
      WriteText(s, "+");
      const double dg = g_of("xy", x * y);
      ux = df + y * dg, uy = x * dg, uz = df;
      break;
    }
    case 3: {
      const double df = f("y+z", y + z);
      WriteText(s, "+");
      const double dg = g_of("xy", x * y);
      ux = y * dg, uy = df + x * dg, uz = df;
      break;
    }
    case 4: {
      const double df = f("y+x", y + x);
      WriteText(s, "+");
      const double dg = g_of("zy", z * y);
      ux = df, uy = df + z * dg, uz = y * dg;
      break;
    }
    case 5: {
      const double df = f("y+z", y + z);
      WriteText(s, "+");
      const double dg = g_of("xz", x * z);
      ux = z * dg, uy = df, uz = df + x * dg;
      break;
    }
    case 6: {
      const double df = f("x+z", x + z);
      WriteText(s, "+");
      const double dg = g_of("zy", z * y);
      ux = df, uy = z * dg, uz = df + y * dg;
      break;
    }
    case 7: {
      const double df = f("x+z", x + z);
      WriteText(s, "+");
      const double de = e("y", y);
      ux = df, uy = de, uz = df;
      break;
    }
    case 8: {
      const double df = f("x+y", x + y);
      WriteText(s, "+");
      const double de = e("z", z);
      ux = df, uy = df, uz = de;
      break;
    }
    case 9: {
      const double df = f("z+y", z + y);
      WriteText(s, "+");
      const double de = e("x", x);
      ux = de, uy = df, uz = df;
      break;
    }
    case 10: {
      const double dg = g_of("zy", z * y);
      WriteText(s, "-");
      const double de = e("x", x);
      ux = -de, uy = z * dg, uz = y * dg;
      break;
    }
    case 11: {
      const double dg = g_of("zx", z * x);
      WriteText(s, "-");
      const double de = e("y", y);
      ux = z * dg, uy = -de, uz = x * dg;
      break;
    }
    default: {  // 12
      const double dg = g_of("xy", x * y);
      WriteText(s, "-");
      const double de = e("z", z);
      ux = y * dg, uy = x * dg, uz = -de;
      break;
    }
  }
  WriteText(s, "$,");
  WriteSmallNoteLine(s, "\\par");
  WriteText3NumbersLn(s, " $A(", x, ",", y, ",", z, ")$, ");
  WriteText3NumbersLn(s, " $B(", x + d1, ",", y + d2, ",", z + d3, ")$.\\\\");

  const double dl = (ux * d1 + uy * d2 + uz * d3) / toolkit::Hypot3(d1, d2, d3);
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWriteTextNumber(s, "&\\{", ux, ",");
  AnsWriteTextNumber(s, "", uy, ",");
  AnsWriteTextNumber(s, "", uz, "\\}&");
  AnsWriteLine(s, toolkit::FormatFixed(dl, 8, 4));
}

}  // namespace calculus
