#include <cmath>
#include <cstdio>
#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

constexpr double kEpsilon = 1e-8;

/// x in a field of w with 4 decimals; a zero is written without a sign.
std::string Fixed(double x, int w = 11) { return toolkit::FormatFixed(x + 0.0, w, 4); }

/// The classification of A x^2 + B y^2 + 2D x + 2E y + F = 0, each case written when its own
/// condition holds.
std::string Classify(double a, double b, double d, double e, double f) {
  std::string text;
  if (a * b > 0) {
    const double r = f - (d * d / a + e * e / b);
    if (a * r < 0) {
      text +=
          " Эллипс; $a=" + Fixed(std::sqrt(-r / a)) + "$, $b=" + Fixed(std::sqrt(-r / b)) + "$ ";
    }
    if (a * r > 0) text += "$\\emptyset$";
    if (std::fabs(a * r) < kEpsilon) text += " точка ";
  }
  if (a * b < 0) {
    const double r = f - (d * d / a + e * e / b);
    if (r != 0) {
      text += "Гипербола; $a=" + Fixed(std::sqrt(std::fabs(r / a))) +
              "$, $b=" + Fixed(std::sqrt(std::fabs(r / b))) + "$ ";
    }
    if (std::fabs(r) < kEpsilon) {
      text += "прямые $k = \\pm " + Fixed(std::sqrt(std::fabs(b / a))) + " $,    ";
    }
  }
  if (std::fabs(a) < kEpsilon && b != 0 && d != 0) {
    text +=
        " Парабола; $p=" +
        Fixed(-d / b) + "$ ";
  }
  if (a != 0 && std::fabs(b) < kEpsilon && e != 0) {
    text +=
        " Парабола; $p=" +
        Fixed(-e / a) + "$ ";
  }
  if (std::fabs(a) < kEpsilon && std::fabs(d) < kEpsilon && std::fabs(b) >= kEpsilon) {
    const double delta = e * e - b * f;
    if (delta > 0) {
      text += " $y_1=" + Fixed((-e + std::sqrt(delta)) / b, 7) +
              "$,  $y_2=" + Fixed((-e - std::sqrt(delta)) / b, 7) + "$,   ";
    }
    if (delta < 0) text += " $\\emptyset$";
    if (std::fabs(delta) < kEpsilon) text += " $y=" + Fixed(-e / b) + "$,";
  }
  return text;
}

}  // namespace

void BeginPlaneStabilityProblem(SharedState& s) {
  s.ParboxWidth = 190;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, " & Уравнение кривой нестабильности &  \\\\\\hline ");
  toolkit::WriteLine(s,
                     " Динамический процесс описывается системой дифференциальных уравнений.  "
                     "Найти условие нестабильности порядка $m/n$.    ");
  toolkit::WriteLine(s,
                     " Вывести уравнение кривой нестабильности при $\\dot x=\\dot x_0$, $\\dot "
                     "y=\\dot y_0$.      \\\\\\noindent ");
}

void WritePlaneStabilityVariant(SharedState& s) {
  const bool form_one = s.P3 <= 2;
  int k[7] = {s.P2 + s.P3, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  if (!form_one) k[1] = s.P5 - s.P6;
  k[s.P1] = 0;
  const int e = s.P2 + 1, f = s.P3 + 1, x0 = s.P4 - 1, y0 = s.P5 - 1, g = s.P1 + 1;

  int c[4] = {};
  double a = 0, b = 0, d = 0, ee = 0, ff = 0;
  if (form_one) {
    toolkit::WriteTextNumberLn(s, "$$\\begin{array}{l}", k[0], "\\ddot x x");
    toolkit::WriteSignedCoefTerm(s, k[1], "\\ddot x y");
    toolkit::WriteSignedCoefTerm(s, k[2], "x y");
    toolkit::WriteSignedCoefTerm(s, k[3], "\\dot x x");
    toolkit::WriteSignedCoefTerm(s, k[4], "\\dot x y");
    toolkit::WriteSignedCoefTerm(s, k[5], "\\dot y x");
    toolkit::WriteSignedCoefTerm(s, k[6], "\\dot y y");
    toolkit::WriteLine(s, "=0,\\\\");
    switch (s.P2) {
      case 1:
        toolkit::WriteText3NumbersLn(s, "$$\\ddot x + ", g, "\\ddot y +", e, "x +", f, "y=0.");
        break;
      case 2:
        toolkit::WriteText3NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y\\dot y +\\cos(", e, "x +", f,
                                     "y)=0.");
        break;
      case 3:
        toolkit::WriteText3NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y\\dot x -2\\sin(", e, "x +", f,
                                     "y)=0.");
        break;
      case 4:
        toolkit::WriteText3NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y +\\sqrt{", e, "x +", f,
                                     "y}=0.");
        break;
      default:
        toolkit::WriteText3NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y -3\\ln(", e, "x +", f,
                                     "y)=0.");
        break;
    }
    toolkit::WriteText2NumbersLn(s, "\\end{array}$$ $\\dot x_0=", x0, "$, $\\dot y_0=", y0,
                                 "$, $m=1$, $n=2$.");
    const int t = (k[1] * k[3] - k[4] * k[0]) * x0 + (k[1] * k[5] - k[6] * k[0]) * y0;
    c[0] = -e * k[2] * k[0];
    c[1] = f * k[2] * k[1];
    c[2] = e * t;
    c[3] = f * t;
    toolkit::NormalizeIntVector(c, 4);
    a = c[0];
    b = c[1];
    d = c[2] / 2.0;
    ee = c[3] / 2.0;
  } else {
    toolkit::WriteTextNumberLn(s, "$$\\begin{array}{l}", k[0], "\\ddot x \\dot x");
    toolkit::WriteSignedCoefTerm(s, k[4], "\\dot x x");
    toolkit::WriteSignedCoefTerm(s, k[6], "\\dot y y");
    toolkit::WriteSignedCoefTerm(s, k[2], "\\dot y^2");
    toolkit::WriteSignedCoefTerm(s, k[3], "\\dot x^2");
    toolkit::WriteSignedCoefTerm(s, k[5], "x^2");
    toolkit::WriteSignedCoefTerm(s, k[1], "y^2");
    toolkit::WriteLine(s, "=0,\\\\");
    if (s.P3 == 3) {
      toolkit::WriteText3NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y -2\\sin(", e, "\\dot x +", f,
                                   "\\dot y)=0.");
    } else {
      toolkit::WriteText4NumbersLn(s, "$$\\ddot x - ", g, "\\ddot y -", s.P7 + 1, "\\ln(", e,
                                   "\\dot x +", f, "\\dot y)=0.");
    }
    toolkit::WriteText2NumbersLn(s, "\\end{array}$$ $\\dot x_0=", x0, "$, $\\dot y_0=", y0,
                                 "$, $m=0$, $n=2$");
    a = -f * k[5];
    b = -f * k[1];
    ee = -k[6] * (e * x0 + f * y0) / 2.0;
    ff = f * (k[3] * x0 * x0 - k[2] * y0 * y0) - 2.0 * e * k[2] * x0 * y0;
    c[0] = static_cast<int>(a);
    c[1] = static_cast<int>(b);
    c[2] = static_cast<int>(2 * ee);
    c[3] = static_cast<int>(ff);
    toolkit::NormalizeIntVector(c, 4);
  }

  char number[16];
  std::snprintf(number, sizeof number, "%2d", toolkit::PrintedVariantNumber(s));
  toolkit::AnsWrite(s, std::string(number) + "&$");
  if (c[0] == 0 && c[1] == 0 && c[2] == 0 && c[3] == 0) {
    // Every coefficient vanishes: no curve to classify.
    toolkit::AnsWrite(s, "0=0$ & ");
    return;
  }
  toolkit::TermSum sum;
  sum.Add(c[0], " x^2 ").Add(c[1], " y^2 ");
  if (form_one) {
    sum.Add(c[2], " x ").Add(c[3], " y ");
  } else {
    sum.Add(c[2], " y ").Add(c[3]);
  }
  toolkit::AnsWrite(s, sum.Text() + "=0$ & ");
  toolkit::AnsWrite(s, Classify(a, b, d, ee, ff));
}

}  // namespace ai
