#include <algorithm>
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

/// x in a field of w with 4 decimals; a zero is written without a sign.
std::string Fixed(double x, int w = 11) { return toolkit::FormatFixed(x + 0.0, w, 4); }

/// The roots of q t^2 + 2h t + f = 0 (q != 0) named `t`: two, one or none.
std::string Roots(long long q, long long h2, long long f, const std::string& t) {
  const double q_ = static_cast<double>(q), h = h2 / 2.0;
  const long long disc4 = h2 * h2 - 4 * q * f;  // 4 (h^2 - q f)
  if (disc4 < 0) return " $\\emptyset$";
  if (disc4 == 0) return " $" + t + "=" + Fixed(-h / q_) + "$ ";
  const double root = std::sqrt(disc4 / 4.0);
  return " $" + t + "_1=" + Fixed((-h + root) / q_, 7) + "$,  $" + t +
         "_2=" + Fixed((-h - root) / q_, 7) + "$ ";
}

/// The kind of the printed curve A x^2 + B y^2 + d2 x + e2 y + F = 0 (integers; the linear
/// coefficients are twice the D and E of the centred form), decided exactly on the integers:
/// an ellipse, a point or no point; a hyperbola or two crossing lines; a parabola; two
/// parallel lines, one line or no point when one square and its linear term are missing; a
/// straight line when both squares are.
std::string Classify(long long a, long long b, long long d2, long long e2, long long f) {
  const double da = static_cast<double>(a), db = static_cast<double>(b);
  if (a != 0 && b != 0) {
    // Moved to the centre: A X^2 + B Y^2 + R = 0 with 4AB R = n.
    const long long n = 4 * a * b * f - b * d2 * d2 - a * e2 * e2;
    const double r = static_cast<double>(n) / (4 * da * db);
    if ((a > 0) == (b > 0)) {
      if (n == 0) return " точка ";
      if ((a > 0) == (r > 0)) return "$\\emptyset$";
      return " Эллипс; $a=" + Fixed(std::sqrt(-r / da)) + "$, $b=" + Fixed(std::sqrt(-r / db)) +
             "$ ";
    }
    // A X^2 + B Y^2 = 0: the lines Y = +-sqrt(-A/B) X.
    if (n == 0) return "прямые $k = \\pm " + Fixed(std::sqrt(std::fabs(da / db))) + " $ ";
    return "Гипербола; $a=" + Fixed(std::sqrt(std::fabs(r / da))) +
           "$, $b=" + Fixed(std::sqrt(std::fabs(r / db))) + "$ ";
  }
  if (a == 0 && b != 0) {
    if (d2 != 0) return " Парабола; $p=" + Fixed(-d2 / 2.0 / db) + "$ ";
    return Roots(b, e2, f, "y");
  }
  if (a != 0) {
    if (e2 != 0) return " Парабола; $p=" + Fixed(-e2 / 2.0 / da) + "$ ";
    return Roots(a, d2, f, "x");
  }
  if (d2 != 0 || e2 != 0) return " прямая ";
  return " $\\emptyset$";
}

/// The system's coefficients and the printed curve of one variant, from P1 (the coefficient
/// that vanishes) and the other parameters.
struct PlaneCurve {
  bool form_one = true;
  int k[7] = {};
  int e = 0, f = 0, x0 = 0, y0 = 0, g = 0;
  int c[4] = {};  // x^2, y^2, then x, y (form I) or y, 1 (form II); normalised
};

PlaneCurve MakePlaneCurve(const SharedState& s, int p1) {
  PlaneCurve v;
  v.form_one = s.P3 <= 2;
  const int k[7] = {s.P2 + s.P3, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  std::copy(k, k + 7, v.k);
  if (!v.form_one) v.k[1] = s.P5 - s.P6;
  v.k[p1] = 0;
  v.e = s.P2 + 1;
  v.f = s.P3 + 1;
  v.x0 = s.P4 - 1;
  v.y0 = s.P5 - 1;
  v.g = p1 + 1;
  const int* kk = v.k;
  if (v.form_one) {
    const int t = (kk[1] * kk[3] - kk[4] * kk[0]) * v.x0 + (kk[1] * kk[5] - kk[6] * kk[0]) * v.y0;
    v.c[0] = -v.e * kk[2] * kk[0];
    v.c[1] = v.f * kk[2] * kk[1];
    v.c[2] = v.e * t;
    v.c[3] = v.f * t;
  } else {
    v.c[0] = -v.f * kk[5];
    v.c[1] = -v.f * kk[1];
    v.c[2] = -kk[6] * (v.e * v.x0 + v.f * v.y0);
    v.c[3] = v.f * (kk[3] * v.x0 * v.x0 - kk[2] * v.y0 * v.y0) - 2 * v.e * kk[2] * v.x0 * v.y0;
  }
  toolkit::NormalizeIntVector(v.c, 4);
  return v;
}

bool Vanishes(const PlaneCurve& v) {
  return v.c[0] == 0 && v.c[1] == 0 && v.c[2] == 0 && v.c[3] == 0;
}

}  // namespace

void BeginPlaneStabilityProblem(SharedState& s) {
  s.ParboxWidth = 190;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, " & Уравнение кривой нестабильности & Вид кривой \\\\\\hline ");
  toolkit::WriteLine(s,
                     " Динамический процесс описывается системой дифференциальных уравнений.  "
                     "Найти условие нестабильности порядка $m/n$.    ");
  toolkit::WriteLine(s,
                     " Вывести уравнение кривой нестабильности при $\\dot x=\\dot x_0$, $\\dot "
                     "y=\\dot y_0$.      \\\\\\noindent ");
}

void WritePlaneStabilityVariant(SharedState& s) {
  // A system whose curve vanishes altogether (0 = 0) has no instability curve to find: the
  // variant is drawn again with the next coefficient set to zero.
  int p1 = s.P1;
  PlaneCurve v = MakePlaneCurve(s, p1);
  for (int tries = 1; tries < 6 && Vanishes(v); ++tries) {
    p1 = p1 % 6 + 1;
    v = MakePlaneCurve(s, p1);
  }
  const int* k = v.k;
  const int e = v.e, f = v.f, g = v.g;
  if (v.form_one) {
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
    toolkit::WriteText2NumbersLn(s, "\\end{array}$$ $\\dot x_0=", v.x0, "$, $\\dot y_0=", v.y0,
                                 "$, $m=1$, $n=2$.");
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
    toolkit::WriteText2NumbersLn(s, "\\end{array}$$ $\\dot x_0=", v.x0, "$, $\\dot y_0=", v.y0,
                                 "$, $m=0$, $n=2$");
  }

  char number[16];
  std::snprintf(number, sizeof number, "%2d", toolkit::PrintedVariantNumber(s));
  toolkit::AnsWrite(s, std::string(number) + "&$");
  const int* c = v.c;
  toolkit::TermSum curve;
  curve.Add(c[0], " x^2 ").Add(c[1], " y^2 ").Add(c[2], v.form_one ? " x " : " y ");
  curve.Add(c[3], v.form_one ? " y " : "");
  toolkit::AnsWrite(s, curve.Text() + "=0$ & ");
  if (v.form_one) {
    toolkit::AnsWrite(s, Classify(c[0], c[1], c[2], c[3], 0));
  } else {
    toolkit::AnsWrite(s, Classify(c[0], c[1], 0, c[2], c[3]));
  }
}

}  // namespace ai
