#include "subjects/dynamics/motion_integration.h"

#include <cmath>
#include <string>

#include "subjects/dynamics/time_laws.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

using toolkit::Power;
using toolkit::RoundHalfEven;
using toolkit::WriteLine;
using toolkit::WriteNumber;
using toolkit::WriteText;
using toolkit::WriteText2NumbersLn;
using toolkit::WriteTextNumberLn;

// The five answers of one variant.
struct MotionIntegrationAnswers {
  double x1 = 0, v2 = 0, v3 = 0, t4 = 0, x5 = 0;
};

int MotionMassTable(int p6) {
  constexpr int kMasses[5] = {9, 12, 18, 8, 14};
  if (p6 < 1 || p6 > 5) throw toolkit::IndexRangeError("mass table index outside 1..5");
  return kMasses[p6 - 1];
}

// Problem 1: a constant force.
double WriteConstantForceProblem(SharedState& s, int m1, double x0, double v0) {
  const int p4 = s.P4, p6 = s.P6;
  const double force = m1 * p4;
  WriteText2NumbersLn(s, "\\bf  1\\rule{0pt}{13pt} & $ ", force, " $ & ", m1, " & $t=0, ");
  WriteText2NumbersLn(s, " x_0=", x0, ", \\ v_0=", v0, "$ & \\small ");
  double t = 0;
  if (s.P1 == 1) {
    t = RoundHalfEven(v0 / (2.0 * (p6 + 2) / m1)) + 1;
    WriteLine(s, "При $t=");
    WriteNumber(s, t);
  } else {
    const double v_star = p6 <= 1 ? v0 + 1 : v0 + p6 / 2;
    WriteText(s, "При $v=");
    WriteNumber(s, v_star);
    t = (v_star - v0) / p4;
  }
  WriteLine(s, "$ найти $x$.\\\\ \\hline");
  return (t * p4 * 0.5 + v0) * t + x0;
}

// Problem 4: a force of the speed accelerating the point from u0 to u1; the time.
double WriteSpeedTimeProblem(SharedState& s, int m1) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p5 = s.P5, p6 = s.P6;
  const int c = p5 + 1;
  const int r = p2 / 2 + 3;
  WriteText(s, "\\bf  4 \\rule{0pt}{13pt}& $ ");
  double m = 0, u0 = 0, u1 = 0, t = 0;
  switch (s.P4) {
    case 1: {
      const int n = p1 + 1;
      WriteText2NumbersLn(s, " ", c, "v^", n, " ");
      m = m1;
      u0 = RoundHalfEven(2 * p3 + 1) / 10;
      u1 = 5 * u0;
      t = m * (Power(u0, -p1) - Power(u1, -p1)) / (c * p1);
      break;
    }
    case 2: {
      const int c2 = p5 + p1;
      WriteText2NumbersLn(s, " ", c2, "e^{v/", r, "}");
      m = 2 * r * p6;
      u0 = p6;
      u1 = u0 + c2;
      t = (r * m / c2) * (std::exp(-u0 / r) - std::exp(-u1 / r));
      break;
    }
    case 3: {
      const int n = p1 + 1;
      WriteText2NumbersLn(s, " ", r, "/(", c, "+ ");
      WriteTextNumberLn(s, "v^", n, ")");
      m = p6 + 1;
      u0 = p5;
      u1 = u0 + 0.5;
      t = (m / r) * (c * (u1 - u0) + (Power(u1, n + 1) - Power(u0, n + 1)) / (n + 1));
      break;
    }
    case 4: {
      const double a = RoundHalfEven(p6 + 1);
      WriteText2NumbersLn(s, " ", c, "e^{-v/", a, "}");
      m = p6 + 1;
      u0 = p6;
      u1 = u0 + p3;
      t = (m * a / c) * (std::exp(u1 / a) - std::exp(u0 / a));
      break;
    }
    case 5:
      WriteText2NumbersLn(s, " ", c, "v(v+", r, ")");
      m = 100 * (p6 + 1);
      u0 = p5 + 2;
      u1 = u0 + p2;
      t = (m / (c * r)) * std::log(u1 * (u0 + r) / ((u1 + r) * u0));
      break;
    default:
      // Printed with the brackets of the law that is solved, (R + v)/(c v^2).
      WriteText2NumbersLn(s, "(", r, "+v)/(", c, "v^2)");
      m = p6 + 1;
      u0 = p5;
      u1 = u0 + 0.5;
      t = c * m *
          (r * r * std::log((u1 + r) / (u0 + r)) + (u0 - u1) * r + (u1 * u1 - u0 * u0) / 2);
      break;
  }
  WriteText2NumbersLn(s, " $ & $ ", m, " $ &  $t=0, v_0=", u0, " $ ");
  WriteTextNumberLn(s, " &\\small  Когда скорость достигнет значения ", u1, "?\\\\ \\hline");
  return t;
}

// Problem 5: a force of the speed, the coordinate where the speed reaches w1; or a forced
// oscillation, the coordinate at a time.
double WriteSpeedCoordinateProblem(SharedState& s, int m1) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p6 = s.P6;
  const int c = s.P5 + 1;
  WriteText(s, "\\bf  5 \\rule{0pt}{13pt}& $ ");
  double m = 0, w0 = 0, w1 = 0, x = 0;
  switch (s.P5) {
    case 1:
      WriteNumber(s, c);
      WriteText(s, "v^");
      WriteNumber(s, p1 + 2);
      m = m1;
      w0 = RoundHalfEven(2 * p4) / 10 + 1;
      w1 = 2 * w0;
      x = (m / c) * (Power(w0, -p1) - Power(w1, -p1)) / p1;
      break;
    case 2:
      WriteNumber(s, c);
      WriteTextNumberLn(s, "v(", p4, "+v)");
      m = 200 * p6;
      w0 = 2 * p6 - 1;
      w1 = w0 + 2 * p1 + 3;
      x = (m / c) * std::log((w1 + p4) / (w0 + p4));
      break;
    case 3: {
      const int b = 10 - p6;
      WriteText2NumbersLn(s, "", c, "v/(", b, "+v)");
      m = m1;
      w0 = p6;
      w1 = w0 + 1;
      x = (m / c) * ((w1 * w1 - w0 * w0) / 2 + b * (w1 - w0));
      break;
    }
    case 4: {
      const int b = 11 - p6;
      WriteText2NumbersLn(s, "", c, "v/\\sin(v/", b, ")");
      m = m1;
      w0 = b;
      w1 = 2 * w0;
      x = (b * m / c) * (std::cos(w0 / b) - std::cos(w1 / b));
      break;
    }
    case 5: {
      const int e = 11 - p6;
      WriteText2NumbersLn(s, " ", c, "ve^{-v/", e, "}");
      m = m1;
      w0 = e / 2 + 1;
      w1 = w0 + p1;
      x = (e * m / c) * (std::exp(w1 / e) - std::exp(w0 / e));
      break;
    }
    case 6: {
      const int q = 8 - 2 * p1;
      w0 = p4 + 1;
      const double d = RoundHalfEven(w0 * q);
      WriteText2NumbersLn(s, " ", d, "+", q, "v^2");
      m = 100 * p6;
      w1 = w0 + 4 * p4;
      x = (m / (2 * q)) * std::log((q * w1 * w1 + d) / (q * w0 * w0 + d));
      break;
    }
    case 7: {
      const int h = p2 / 2 + 2, b = 11 - p4;
      WriteText2NumbersLn(s, " ", h, "v^2(v+", b, ")");
      m = 100 * p6;
      w0 = p3 + 1;
      w1 = w0 + 3 * p1;
      x = (m / (h * b)) * std::log(w1 * (w0 + b) / (w0 * (w1 + b)));
      break;
    }
    case 8: {
      const int h = p3 / 2 + 1, k = 11 - 3 * p1;
      WriteText2NumbersLn(s, " ", h, "\\sqrt{v^2+", k, "}");
      m = 100 * p6;
      w0 = p3 + 1;
      w1 = w0 + 2 * p1;
      x = (m / h) * (std::sqrt(w1 * w1 + k) - std::sqrt(w0 * w0 + k));
      break;
    }
    case 9: {
      const int d = p4 + 2 * p1;
      WriteText2NumbersLn(s, "v^2-", d + p4, "v+", d * p4, " ");
      m = 2 * p1 * p3;
      w0 = d + p1;
      w1 = w0 + (p1 + 1) * (p1 + 1);
      x = (m / (d - p4)) *
          (d * std::log((d - w1) / (d - w0)) + p4 * std::log((p4 - w0) / (p4 - w1)));
      break;
    }
    default: {
      const int omega = p4 + 1, z = 8 - p4;
      WriteText2NumbersLn(s, " ", p1 * (p3 + 2), "\\sin(", omega, "t)");
      WriteTextNumberLn(s, "-", p1 * z * z, "x");
      m = p1;
      w0 = p4 * p1 + 5;
      const double t5 = 0.1 * p4;
      const double ratio = (p3 + 2.0) / (z * z - omega * omega);
      const double amplitude = (w0 - omega * ratio) / z;
      x = amplitude * std::sin(z * t5) + ratio * std::sin(omega * t5);
      WriteText2NumbersLn(s, " $ & $ ", m, " $ &  $t=0, x_0=0, v_0=", w0, " $ ");
      WriteTextNumberLn(s, " &\\small  При $t=", t5, "$ найти $x$.\\\\\\hline ");
      return x;
    }
  }
  WriteText2NumbersLn(s, " $ & $ ", m, " $ &  $x=0, v_0=", w0, " $ ");
  WriteTextNumberLn(s, " &\\small  При $v=", w1, "$ найти $x$.\\\\\\hline ");
  return x;
}

}  // namespace

void BeginMotionIntegrationProblem(SharedState& s) {
  s.ParboxWidth = 370;
  toolkit::AnsBeginTable(s, 6);
  WriteLine(s,
            " Сформулированы пять отдельных задач. В каждой задаче задана сила,  направленная "
            "вдоль прямой, по которой движется точка, масса,  начальные данные. Сила "
            "выражается в ньютонах, масса --- в килограммах,  время --- в секундах, "
            "координаты --- в метрах. В первой задаче сила постоянная, в других --- зависит "
            "от координаты $x$, времени $t$, скорости $v$. ");
  toolkit::AnsWriteLine(s, "  \\No\\ru    &$ x $&$v$&$v$&$t$&$x$\\\\\\hline");
}

void WriteMotionIntegrationVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  const int m1 = MotionMassTable(p6);
  const double x0 = p6 - 5, v0 = 10 - p6, t2 = p6 + 1;

  WriteText(s, "\\vskip3mm\\noindent\\begin{tabular}{|c|p{30mm}|p{5mm}|p{45mm}|p{50mm}|}\\hline");
  WriteText(s, "\\No  & $F$ & $m$ &  Начальные условия &  Вопрос \\\\ \\hline");

  MotionIntegrationAnswers a;
  a.x1 = WriteConstantForceProblem(s, m1, x0, v0);

  const int m2 = p3 / 2 + p4;
  WriteText(s, "\\bf  2 \\rule{0pt}{13pt}& $ ");
  WriteText(s, TimeLawText(p2, 't'));
  WriteText2NumbersLn(s, " $ & $ ", m2, "$ & $t=0, v_0=", v0, "$ &\\small ");
  WriteTextNumberLn(s, "При $t=", t2, "$ найти  $v$.\\\\ \\hline");
  a.v2 = v0 + TimeLawIntegral(p2, t2) / m2;

  const int m3 = p2 / 2 + p1;
  const double x3 = p5 / 2 + 1;
  WriteText(s, "\\bf  3 \\rule{0pt}{13pt}& $ ");
  WriteText(s, TimeLawText(p3, 'x'));
  WriteText2NumbersLn(s, " $ & $ ", m3, " $ &  $x=0, v_0=", v0, " $ ");
  WriteTextNumberLn(s, " &\\small При $x=", x3, "$~м найти $v$.\\\\ \\hline");
  a.v3 = std::sqrt(v0 * v0 + 2 * TimeLawIntegral(p3, x3) / m3);

  a.t4 = WriteSpeedTimeProblem(s, m1);
  a.x5 = WriteSpeedCoordinateProblem(s, m1);
  WriteText(s, "\\end{tabular}");

  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0));
  toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(a.x1, 9, 3));
  for (const double x : {a.v2, a.v3, a.t4, a.x5}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(x, 8, 3));
  }
  toolkit::AnsWriteLine(s, "");
}

}  // namespace dynamics
