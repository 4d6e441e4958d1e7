#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/kinematics/complex_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;

using toolkit::FormatFixed;

double Round(double x) { return toolkit::RoundHalfEven(x); }

char FactorClass(int figure) {
  if (figure == 1 || figure == 2 || figure == 3 || figure == 6) return 'A';
  if (figure == 4 || figure == 5) return 'B';
  return 'C';
}

std::string Int(double x) { return FormatFixed(x, 1, 0); }

}  // namespace

void BeginComplexMotionSpatialProblem(SharedState& s) {
  s.ParboxWidth = 175;
  toolkit::WriteText(s, "\\newcommand{\\omge}{ \\omega_e}\\newcommand{\\phie}{ \\varphi_e}");
  DefineChannelRingBoxes(s);
  DefineBearingHatchBox(s);
  for (int k = 1; k <= 12; ++k) DefineAxisFigureBox(s, k);
  toolkit::AnsBeginTable(s, 12);
  toolkit::Ans2BeginTable(s, 12);
  toolkit::WriteText(
      s,
      " Геометрическая фигура  вращается  вокруг  оси, лежащей в ее плоскости.  По  каналу,  "
      "расположенному  на  фигуре,  движется точка $M$ по известному закону $AM(t)$ или "
      "$BM(t)$ (в см). Найти абсолютную  скорость и абсолютное ускорение точки при $t=t_1$. "
      "Даны  закон вращения фигуры $\\varphi_e(t)$ (или постоянная  угловая  скорость  "
      "$\\omega_e$), время $t_1$ и размеры фигуры. Углы даны в рад,  размеры  --- в см. Длина "
      "$BM$ или $AM$ --- длина отрезка прямой или дуги окружности, $AB$ --- длина отрезка "
      "прямой.");
  toolkit::AnsWriteLine(s,
                        "\\No\\ru &\\mc{$ R_e$}&\\mc{$v_r$}&\\mc{$v_e$}&\\mc{$v$}&\\mc{$\\omega_e$}"
                        "&\\mc{$\\varepsilon_e$}\\\\\\hline");
  toolkit::Ans2Write(s,
                     "\\No\\ru&\\mc{$\\wa_r^n$}&\\mc{$\\wa_r^\\tau$}&\\mc{$\\wa_e^n$}&\\mc{$\\wa_e^"
                     "\\tau$}&\\mc{$\\wa_c$}&\\mc{$\\wa_x$}&\\mc{$\\wa_y$}&\\mc{$\\wa$}\\\\\\hline");
  toolkit::WriteBookReference(s, 202);
}

void WriteComplexMotionSpatialVariant(SharedState& s) {
  const int t1 = s.P4;
  const int sense = 3 - 2 * s.P3;
  const int figure = s.P1;
  const ChannelLaw law = MakeChannelLaw(s.P2, s.P4, t1);
  const ChannelFactor factor = ChannelLawFactor(FactorClass(figure), s.P5);
  const std::string relative_law = ("\\frc" + factor.text + law.ChannelLawText).substr(0, 29);
  const double f = factor.value;
  const double R = law.ChannelLawValue;
  const double sigma = f * R;
  const double vr = f * law.RelativeVelocity;
  const double ar_tau = f * law.RelativeAcceleration;
  const double psi = sigma / R;

  const double h2 = Round(R / 2);
  const double L87 = Round(0.866 * R);
  const double L3 = Round(h2 / 3);
  const double L15 = Round(1.5 * R);
  const double q = Round(R / 4) + 1;
  const double AD = figure == 9 ? q : 2 * q + 1;
  const double BC = figure == 9 ? 2 * q + 1 : q;
  const double beta = std::atan((R / 2) / std::sqrt(R * R - R * R / 4));

  double h = 0, theta = 0, AB = h2;
  switch (figure) {
    case 1: h = R * (1 - std::cos(psi)) + h2, theta = kPi - psi; break;
    case 2: h = R * (1 - std::cos(psi)), theta = kPi - psi; break;
    case 3: h = -R * (std::cos(beta) - std::cos(beta + psi)), theta = beta + psi - kPi; break;
    case 4: h = R * std::sin(psi), theta = kPi / 2 - psi; break;
    case 5: h = (R + 1) - R * std::sin(psi), theta = psi - kPi / 2; break;
    case 6: h = R * (std::cos(beta) - std::cos(beta + psi)), theta = kPi - psi - beta; break;
    case 7: h = (2 * R - sigma) * 0.5, theta = -kPi / 6; break;
    case 8: h = std::sin(kPi / 4) * (2 * R - sigma), theta = -kPi / 4; break;
    case 9:
    case 10:
      theta = std::atan((BC - AD) / L87);
      h = std::sin(theta) * sigma + AD;
      break;
    case 11:
      // The point at the corner of the L-shaped channel is taken as still on its first leg.
      if (std::fabs(sigma - h2) < 1e-10) AB = h2 + 1;
      if (sigma < AB) {
        theta = 0;
        h = L3;
      } else {
        theta = -kPi / 2;
        h = L3 - (sigma - h2);
      }
      break;
    default: h = std::sin(-kPi / 3) * (sigma - L15), theta = -kPi / 3; break;
  }

  // Every figure with its bearings' hatching and shaft ends reaches from x = -6 to 75; the
  // picture starts low enough that its 90 pt hold the figure's height.
  double y0 = 0;
  if (figure == 2 || figure == 4) {
    y0 = -12;
  } else if (figure == 3 || figure == 5) {
    y0 = -5;
  } else if (figure == 6 || figure == 9 || figure == 10) {
    y0 = -20;
  } else if (figure == 11) {
    y0 = -25;
  } else if (figure == 12) {
    y0 = -22;
  }
  toolkit::BeginPicture(s, 87, 90, -7, y0);
  figures::SetLineWidth(s, 2);
  figures::PutBox(s, std::string("Plan") + static_cast<char>(64 + figure), 0, 0);
  toolkit::EndPicture(s);

  const bool on_axis = std::fabs(h) < 0.0001;
  const double w = on_axis ? s.P7 + 1 : vr / std::fabs(h);
  double c = Round(100 * w / t1 * 0.5 / s.P3) * 0.01;
  // A coefficient that rounds to nothing would leave the figure standing still.
  if (c == 0) c = 0.01;
  const bool constant_rate = figure <= 6;
  double omega_e, eps_e;
  if (constant_rate) {
    omega_e = 0.01 * Round(100 * w / s.P3) * sense;
    eps_e = 0;
  } else {
    omega_e = 2 * c * t1 * sense;
    eps_e = 2 * c * sense;
  }

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{100pt}{\\small");
  WriteTransportLawLine(s, constant_rate, omega_e, c);
  toolkit::WriteText(s, figure == 1 || figure == 12 ? "\\\\$BM=" : "\\\\$AM=");
  toolkit::WriteText(s, relative_law + "$,\\par");
  switch (figure) {
    case 1: toolkit::WriteText2NumbersLn(s, "$R=", R, "$,\\\\ $AB=", h2, "$,"); break;
    case 2:
    case 4: toolkit::WriteTextNumberLn(s, "$R=", R, ",$"); break;
    case 3:
    case 6: toolkit::WriteText2NumbersLn(s, "$R=", R, "$,\\\\ $AB=", R, "$,"); break;
    case 5: toolkit::WriteText2NumbersLn(s, "$R=", R, "$,\\\\ $AD=", R + 1, "$,"); break;
    case 7: toolkit::WriteTextNumberLn(s, "$AB$=$BC$=$AC$=", 2 * R, ","); break;
    case 8: toolkit::WriteTextNumberLn(s, "$AB=", 2 * R, "$,\\\\ $\\alpha=\\pi/4,$"); break;
    case 9:
    case 10:
      toolkit::WriteLine(s, "$AD=" + Int(AD) + "$,\\\\ $BC=" + Int(BC) + "$,\\\\$DC=" + Int(L87) +
                                "$,");
      break;
    case 11:
      toolkit::WriteLine(s, "$AB=" + Int(AB) + "$,\\\\ $BC=" + Int(h2) + "$,\\\\$h=" + Int(L3) +
                                "$,");
      break;
    default:
      toolkit::WriteTextNumberLn(s, "Ромб $ABCD$. \\\\ $AB=", L15, "$,\\\\ $\\alpha=2\\pi/3,$");
      break;
  }
  toolkit::WriteTextNumberLn(s, "\\\\ $t=", t1, "$~c. }\\vskip1mm");

  const double ve = omega_e * h;
  const double v = std::sqrt(ve * ve + vr * vr);
  const double ae_tau = h * eps_e;
  const double ae_n = h * omega_e * omega_e;
  const double ar_n = constant_rate ? vr * vr / R : 0;
  const double ac = 2 * omega_e * vr * std::sin(theta);
  const int k = figure == 3 || figure == 5 ? -1 : 1;
  const double ax = std::sin(theta) * ar_tau - ae_n - std::cos(theta) * k * ar_n;
  const double ay = ae_tau + ac;
  const double az = std::sin(theta) * k * ar_n + std::cos(theta) * ar_tau;
  s.PointAx = ax;
  s.PointAy = ay;
  const double a = std::sqrt(ax * ax + ay * ay + az * az);

  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  toolkit::AnsWrite(s, number + "&" + FormatFixed(std::fabs(h), 8, 3) + "&" + FormatFixed(vr, 8, 3) +
                           "&" + FormatFixed(ve, 8, 3) + "&" + FormatFixed(v, 8, 3) + "&" +
                           FormatFixed(std::fabs(omega_e), 8, 3) + "&" +
                           FormatFixed(std::fabs(eps_e), 8, 3));
  toolkit::Ans2Write(s, number + "&" + FormatFixed(ar_n, 9, 3) + "&" + FormatFixed(ar_tau, 9, 3) +
                            "&" + FormatFixed(ae_n, 9, 3) + "&" + FormatFixed(ae_tau, 9, 3) + "&" +
                            FormatFixed(std::fabs(ac), 9, 3) + "&" + FormatFixed(ax, 9, 3) + "&" +
                            FormatFixed(ay, 9, 3) + "&" + FormatFixed(a, 9, 3));
}

}  // namespace kinematics
