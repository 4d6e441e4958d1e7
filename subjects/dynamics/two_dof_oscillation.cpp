#include "subjects/dynamics/two_dof_oscillation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kG = 9.81;

// Per arrangement 1..5: inertia, gravity, spring and acceleration factors of a side.
constexpr double kInertia[6] = {0, 1, 1, 0.375, 1.5, 0};
constexpr double kGravity[6] = {0, -1, 0, 0, 0, 0};
constexpr double kSpring[6] = {0, 1, 1, 0.25, 4, 1};
constexpr double kAccel[6] = {0, 1, 1, 2, 1, 1};

}  // namespace

TwoDofSystem DeriveTwoDofSystem(int row, int p1, int p2, int p3, int p4, int p5) {
  TwoDofSystem t;
  t.row = row;
  if (p1 == 6) p1 = 1;
  t.k = p5 <= 2 ? 1 : 2;
  if (row == 17) t.k = 2;
  t.c[t.k] = p1 + p5 - 1;
  t.c[3 - t.k] = p2 + p4 + p3 - 2;
  if (t.c[1] == t.c[2]) t.c[1] += 1;
  // A side without a load cannot carry the letter A: the middle body takes it.
  if ((p1 == 5 && p4 == 1) || (p2 == 5 && p4 == 3)) p4 = 2;
  t.p1 = p1;
  t.p4 = p4;
  t.sideMass[2] = p5 + 1;
  t.bodyMass[p3 == 1 ? 6 : 3] = p5 + 1;
  t.arrangement[1] = p1;
  t.arrangement[2] = p2;
  for (int j = 1; j <= 2; ++j) {
    const int a = t.arrangement[j];
    t.K[j] = kInertia[a];
    t.G[j] = kGravity[a];
    t.f[j] = kSpring[a];
    t.d[j] = kAccel[a];
    const int mass = a == 1 ? (p5 + 1) / 2 + j : p5 + p3 + j;
    t.sideMass[j == 1 ? 1 : 3] = mass;
    t.bodyMass[a == 5 ? j : 3 + j] = mass;
  }
  const int i1 = p4;
  const int i2 = i1 == 1 ? 2 : 1;
  const int i3 = 6 - i1 - i2;
  t.letter[i1] = 'A';
  t.letter[i2] = 'B';
  t.letter[i3] = 'C';

  const auto& m = t.bodyMass;
  t.axx = t.K[1] * m[4] + 0.5 * m[1] + 0.375 * m[3] + 0.25 * m[6];
  t.ass = t.K[2] * m[5] + 0.5 * m[2] + 0.375 * m[3] + 0.25 * m[6];
  t.axs = 0.125 * m[3] + 0.25 * m[6];
  t.Q1 = kG * (t.G[1] * m[4] + 0.5 * (m[3] + m[6]));
  t.Q2 = kG * (t.G[2] * m[5] + 0.5 * (m[3] + m[6]));
  const double delta = t.axx * t.ass - t.axs * t.axs;
  const double g = t.axs / std::sqrt(delta);
  const double c1 = t.c[1] * t.f[1], c2 = t.c[2] * t.f[2];
  const double x2dd = (t.Q1 * t.axs - t.axx * t.Q2) / (t.axs * t.axs - t.axx * t.ass);
  const double x1dd = (t.Q2 - x2dd * t.ass) / t.axs;
  t.WA = p4 == 1 ? x1dd / t.d[1] : p4 == 2 ? (x1dd + x2dd) / 2 : x2dd / t.d[2];
  if (row == 17) t.omega = std::sqrt(c2 * t.axx / delta);
  if (row == 18) {
    const int k = t.k;
    const double Ak = k == 1 ? t.axx : t.ass;
    // With the given reduced stiffness c' and the unknown one u, w1 w2 = sqrt(c' u / delta)
    // and w1^2 + w2^2 = (c' A_other + u A_k) / delta; (w2 - w1)^2 is smallest at
    // u = c' delta / A_k^2, where w2 - w1 = w0 g and w1 w2 = w0^2 with w0^2 = c' / A_k.
    t.c[3 - k] = t.c[k] * t.f[k] / t.f[3 - k] * delta / (Ak * Ak);
    const double w0 = std::sqrt(t.c[k] * t.f[k] / Ak);
    const double mean = std::sqrt(1 + g * g / 4);
    t.omega1 = w0 * (mean + g / 2);
    t.omega2 = w0 * (mean - g / 2);
  }
  if (row == 19) {
    const double S = c1 * t.ass + c2 * t.axx;
    const double D = std::sqrt(std::pow(c1 * t.ass - c2 * t.axx, 2) + 4 * c1 * c2 * t.axs * t.axs);
    t.omega1 = std::sqrt((S - D) / (2 * delta));
    t.omega2 = std::sqrt((S + D) / (2 * delta));
    int n = 0;
    for (int b = 1; b <= 6; ++b) {
      if (m[b] == 0) continue;
      double w = 0;
      if (b == 1 || b == 4) {
        w = std::sqrt(8 * c2 / (8 * t.K[2] * m[5] + 4 * m[2] + 3 * m[3] + 2 * m[6]));
      } else if (b == 2 || b == 5) {
        w = std::sqrt(8 * c1 / (8 * t.K[1] * m[4] + 4 * m[1] + 3 * m[3] + 2 * m[6]));
      } else if (b == 6) {
        w = std::sqrt(2 * (c1 + c2) / (2 * t.K[1] * m[4] + m[1] + m[2] + m[3] + 2 * t.K[2] * m[5]));
      }
      if (n < 3) t.limits[n++] = w;
    }
    std::sort(t.limits.begin(), t.limits.end());
  }
  return t;
}

void BeginTwoDofOscillationProblem(SharedState& s, int row) {
  s.BlockCentred = false;
  s.ParboxWidth = 200;
  DefineHatchBox(s, 20, -1, "osnvnie", -10, -0.5);
  if (row == 14) {
    s.ParboxWidth = 170;
    AnsBeginTable(s, 7);
    for (const char* line : {
             "Механическая  система  с идеальными стационарными связями имеет две степени "
             "свободы и ",
             "движется под действием сил  тяжести.  Три  элемента  механизма  наделены ",
             "массами, кратными некоторой массе $m$. Трением пренебречь.  Подвижные  и ",
             "неподвижные блоки считать однородными цилиндрами. Найти ускорение  груза $A$ или "
             "центра цилиндра $A$.\\vskip2mm ",
             "{\\small В таблице ответов даны коэффициенты дифференциальных уравнений движения "
             "системы и искомое ускорение.",
             "Система (после сокращения на $m$) имеет вид",
             "$$\\begin{array}{l} a_{11}\\ddot x_1+a_{12}\\ddot x_2=Q_1,\\\\[3pt] "
             "a_{21}\\ddot x_1+a_{22}\\ddot x_2=Q_2.\\end{array}$$",
             "В качестве обобщенных координат $x_1$, $x_2$ взяты линейные перемещения точек "
             "ободов цилиндров  с неподвижными осями.",
             "Координата $x_1>0$ соответствует  повороту левого цилиндра  по часовой стрелке,",
             "$x_2>0$ --- повороту правого цилиндра против часовой стрелки. Коэффициенты",
             "$a_{ij}$ --- безразмерные, $Q_1$, $Q_2$ и  $W_A$ --- в м/c$^2$.      \\par}"}) {
      WriteLine(s, line);
    }
    // The head names the rows' seven cells (no empty heading after W_A).
    AnsWriteLine(s,
                 "\\ru  \\No  & $a_{11}$ & $a_{12}$ & $a_{22}$ &\\mc{$Q_1$}&\\mc{$Q_2$}& $W_A$ "
                 "\\\\\\hline");
    WriteBookReference(s, 300);
    return;
  }
  if (row == 17) {
    DefineSpringBoxV(s, 3, 3, 1, 4, "$c$");
    DefineSpringBoxRight(s, 3, 3, 2, 5, "c");
    AnsBeginTable(s, 5);
    WriteLine(s,
              " Найти собственную частоту системы. В ответах даны инерционные коэффициенты и "
              "частота $\\omega$.");
    WriteLine(s,
              " Обобщенные координаты $x$ и $s$ --- линейные перемещения точек ободов "
              "неподвижных цилиндров.\\par");
    WriteBookReference(s, 336);
    AnsWriteLine(s, "   &$ a_{xx}  $&$   a_{xs} $&$   a_{ss}  $&$\\omega $\\\\\\hline ");
    return;
  }
  if (row != 18 && row != 19) return;
  DefineSpringBoxV(s, 3, 3, 1, 4, "$c_2$");
  DefineSpringBoxRight(s, 3, 3, 2, 1, "c_2");
  DefineSpringBoxLeft(s, 3, 3, 2, "$c_1$");
  DefineSpringBoxVLeft(s, 3, 3, 1, 5, "$c_1$");
  std::string heading;
  if (row == 18) {
    s.ParboxWidth = 162;
    AnsBeginTable(s, 8);
    WriteLine(s,
              "Найти жесткость одной из пружин, при которой разность собственных частот системы "
              "будет минимальна.");
    WriteLine(s,
              " В ответах даны инерционные коэффициенты и две собственные  частоты системы. "
              "Обобщенные координаты ");
    heading =
        "&$ a_{xx}  $&$   a_{xs} $&$   a_{ss}  $&$c_1 $&$c_2 $&$\\omega_1 $&$\\omega_2$\\\\\\hline ";
  } else {
    AnsBeginTable(s, 9);
    WriteLine(s,
              " В ответах даны инерционные коэффициенты, две собственные $\\omega_k$ и три "
              "предельные частоты $\\omega_{lim_k}$. Обобщенные координаты ");
    heading =
        "   &$ a_{xx}  $&$   a_{xs} $&$   a_{ss}  $&$\\omega_1 $&$\\omega_2 $&$\\omega_{lim_1} "
        "$&$\\omega_{lim_2} $&$\\omega_{lim_3} $\\\\\\hline ";
  }
  WriteLine(s, "$x$ и $s$ --- линейные перемещения точек ободов неподвижных цилиндров.\\par");
  WriteBookReference(s, 336);
  AnsWriteLine(s, heading);
}

namespace {

void WriteTwoDofAnswers(SharedState& s, const TwoDofSystem& t) {
  using toolkit::FormatFixed;
  std::string row = "  " + FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                    FormatFixed(t.axx, 7, 3) + "&" + FormatFixed(t.axs, 6, 3) + "&" +
                    FormatFixed(t.ass, 7, 3);
  switch (t.row) {
    case 14:
      row += "&" + FormatFixed(t.Q1, 8, 3) + "&" + FormatFixed(t.Q2, 8, 3) + "&" +
             FormatFixed(t.WA, 9, 4) + " ";
      break;
    case 17:
      row += "&" + FormatFixed(t.omega, 9, 4);
      break;
    case 18:
      row += "&" + FormatFixed(t.c[1], 7, 3) + "&" + FormatFixed(t.c[2], 7, 3) + "&" +
             FormatFixed(t.omega1, 7, 3) + "&" + FormatFixed(t.omega2, 7, 3) + " ";
      break;
    default:
      row += "&" + FormatFixed(t.omega1, 6, 3) + "&" + FormatFixed(t.omega2, 6, 3);
      for (double w : t.limits) row += "&" + FormatFixed(w, 6, 3);
      break;
  }
  AnsWrite(s, row);
}

}  // namespace

void WriteTwoDofOscillationVariant(SharedState& s, int row) {
  WriteText(s, "\\unitlength=1.3pt ");
  const TwoDofSystem t = DeriveTwoDofSystem(row, s.P1, s.P2, s.P3, s.P4, s.P5);
  s.P1 = t.p1;
  s.P4 = t.p4;
  const int p3 = s.P3;
  const double R[3] = {0, 2.0 * p3 + 6, 14.0 - 2 * p3};
  const double L[3] = {0, R[1], 4.0 * p3 + 4};
  const double H = s.P1 == 1 && s.P2 == 1 ? 14 : 12 - 2 * p3;
  const double T = 2 * p3 + 7, W = 2 * p3 + 8;
  auto span = [&](int j) { return R[j] + L[j] + t.arrangement[j]; };

  auto& X = s.PointX;
  auto& Y = s.PointY;
  ClearPoints(s, 11);
  X[1] = 0, Y[1] = H + 12 + R[1] + s.P1;
  X[2] = R[1] + R[2] + 2 * H, Y[2] = H + 12 + R[2] + s.P2;
  X[3] = R[1] + H, Y[3] = H;
  X[6] = X[3], Y[6] = 0;
  X[8] = X[3] - 3, Y[8] = p3 == 1 ? Y[3] - (2 * H + 7) : Y[3] - H;
  // Points of the sides (3 + j extent, 7 and 9 labels, 10 and 11 spring anchors), placed from
  // the cylinder centres; a point the variant does not use sits on a drawn point.
  auto place_side = [&](int j) {
    const int a = t.arrangement[j];
    const double N = j == 1 ? -1 : 1, S = span(j), Rj = R[j], Lj = L[j];
    const double xj = X[j], yj = Y[j], e = xj + N * S;
    const int ext = 3 + j, lab = j == 1 ? 7 : 9, anchor = j == 1 ? 11 : 10;
    if (a == 5) {
      X[ext] = xj, Y[ext] = yj;
    } else if (a == 1) {
      X[ext] = xj + N * (Rj + Lj), Y[ext] = yj + Rj + Lj;
    } else {
      X[ext] = xj + N * (S + Rj), Y[ext] = a == 3 ? yj + Rj : yj + Rj + Lj;
    }
    switch (a) {
      case 1:
        X[lab] = j == 1 ? xj - Rj - 4 : xj + Rj - 3, Y[lab] = yj - S - 2 * p3 - 7;
        X[anchor] = xj + N * Rj, Y[anchor] = yj - S - W - (j == 1 ? 25 : 15);
        break;
      case 2:
        X[lab] = e + N * W / 2 - 3, Y[lab] = yj + Rj - 2;
        X[anchor] = e + N * W, Y[anchor] = yj + Rj + (j == 1 ? 0 : 18);
        break;
      case 3:
        X[lab] = j == 1 ? e : e + 3, Y[lab] = yj + Rj + 2;
        X[anchor] = e + N * Lj, Y[anchor] = yj + Rj - Lj + (j == 1 ? -10 : 18);
        break;
      case 4:
        X[lab] = j == 1 ? e : e + L[2], Y[lab] = j == 1 ? yj + Rj + 9 : yj + Rj - 2;
        X[anchor] = e + N * Lj, Y[anchor] = yj + Rj + Lj + (j == 1 ? 0 : 18);
        break;
      default:
        X[lab] = j == 1 ? xj - Rj : xj + Rj - 1, Y[lab] = j == 1 ? yj + Rj : yj + Rj - 1;
        X[anchor] = xj + N * Rj, Y[anchor] = yj - 20;
        break;
    }
  };
  place_side(1);
  place_side(2);
  if (row == 14 || row == 17) X[11] = X[1], Y[11] = Y[1];  // the left spring is not drawn
  if (row == 14) X[10] = X[2], Y[10] = Y[2];         // nor the right one
  FitPointsToBox(s, 11, 1);

  WriteLine(s, "\\par");
  // The joints span RangeX by RangeY; the spring boxes and the letters beside the outer
  // bodies reach up to 21 further right and 10 higher. Most systems fit 120 by 75, so that
  // the boxes of a row stand alike.
  toolkit::BeginPicture(s, std::max(120.0, s.RangeX + 41), std::max(75.0, s.RangeY + 10), -20, 0);
  for (int j = 1; j <= 2; ++j) {
    const int a = t.arrangement[j];
    const double N = j == 1 ? -1 : 1, S = span(j), Rj = R[j], Lj = L[j];
    const double xj = X[j], yj = Y[j], e = xj + N * S;
    const bool spring = j == 2 ? row != 14 : row == 18 || row == 19;
    DrawCircle(s, xj, yj, 2 * Rj);
    switch (a) {
      case 1:
        DrawLineBySlope(s, xj + N * Rj, yj, 0, -1, S);
        DrawRotatedBlock(s, 5, xj + N * Rj - Lj, yj - S - T, 0, 2 * Lj, T);
        if (spring) PutBox(s, j == 2 ? "pruzV" : "pruzVl", xj + N * Rj, yj - S - T);
        break;
      case 2:
        DrawLineBySlope(s, xj, yj + Rj, N, 0, S);
        DrawRotatedBlock(s, 5, j == 1 ? e - T : e, yj + Rj - Lj, 0, T, 2 * Lj);
        if (spring) PutBox(s, j == 2 ? "pruzR" : "pruzL", e + N * T, yj + Rj);
        PutBox(s, "osnvnie", e + N * T / 2, yj + Rj - Lj);
        break;
      case 3:
        DrawLineBySlope(s, xj, yj + Rj, N, 0, S);
        DrawTwoCircles(s, static_cast<int>(2 * Lj), 2, e, yj + Rj - Lj);
        if (spring) {
          DrawLineBySlope(s, e, yj + Rj - Lj, N, 0, Lj);
          PutBox(s, j == 2 ? "pruzR" : "pruzL", e + N * Lj, yj + Rj - Lj);
        }
        PutBox(s, "osnvnie", e, yj + Rj - 2 * Lj);
        break;
      case 4:
        DrawLineBySlope(s, xj, yj + Rj, N, 0, S);
        DrawTwoCircles(s, 2, static_cast<int>(2 * Lj), e, yj + Rj);
        if (spring) {
          DrawLineBySlope(s, e, yj + Rj + Lj, N, 0, Lj);
          PutBox(s, j == 2 ? "pruzR" : "pruzL", e + N * Lj, yj + Rj + Lj);
        }
        PutBox(s, "osnvnie", e, yj + Rj - Lj);
        break;
      default:
        if (spring) {
          DrawSegment(s, xj + N * Rj, yj, xj + N * Rj, yj - 10);
          PutBox(s, j == 2 ? "pruzV" : "pruzVl", xj + N * Rj, yj - 10);
        }
        break;
    }
  }
  WriteText(s, "\\Red{");
  DrawTwoCircles(s, static_cast<int>(2 * H), 1, X[3], Y[3]);
  WriteText(s, "}");
  DrawLineBySlope(s, X[3] - H, Y[3], 0, 1, Y[1] - Y[3]);
  DrawLineBySlope(s, X[3] + H, Y[3], 0, 1, Y[2] - Y[3]);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
  if (p3 == 1) {
    DrawLineBySlope(s, X[3], Y[3], 0, -1, H + 7);
    DrawRotatedBlock(s, 5, X[3] - H, Y[3] - 2 * H - 7, 0, 2 * H, H);
  }
  const int labelPoint[4] = {0, 7, 8, 9};
  for (int i = 1; i <= 3; ++i) {
    PutBlueLabel(s, std::string("$") + t.letter[i] + "$", X[labelPoint[i]], Y[labelPoint[i]] + 1);
  }
  WriteTwoDofAnswers(s, t);
  toolkit::EndPicture(s);

  const std::string unit = row == 14 ? "$m$" : "~кг";
  WriteText(s, "\\vskip2mm{\\small");
  for (int i = 1; i <= 3; ++i) {
    // Row 14 gives no springs: its last mass ends the data.
    const char* after = i == 3 && row == 14 ? "." : ", ";
    WriteText(s, std::string("$m_") + t.letter[i] + "$=" + std::to_string(t.sideMass[i]) + unit +
                     after);
  }
  const int k = t.k;
  if (row == 17) {
    WriteTextNumberLn(s, " $c$=", t.c[k], "~Н/м.");
  } else if (row == 18) {
    WriteText2NumbersLn(s, " $c_", k, "$=", t.c[k], "~Н/м,");
    WriteTextNumberLn(s, " $c_", 3 - k, "$ -- ? ");
  } else if (row == 19) {
    WriteText2NumbersLn(s, " $c_", k, "$=", t.c[k], "~Н/м,");
    WriteText2NumbersLn(s, " $c_", 3 - k, "=$", t.c[3 - k], "~Н/м.");
  }
  WriteText(s, "}\\unitlength=1pt ");
}

}  // namespace dynamics
