#include <cmath>
#include <numbers>
#include <string>

#include "subjects/kinematics/point_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;
using toolkit::WriteLine;
using toolkit::WriteText;

// Pasted into the law texts between rho(t) and phi(t).
constexpr const char* kS = " $\\\\[4pt] $";

std::string Int(int n) { return std::to_string(n); }

/// The time law phi(t) at t1 and the curve rho(phi) at phi1.
struct PolarLaw {
  double phi = 0, dphi = 0, ddphi = 0;
  double rho = 0, drho = 0, ddrho = 0;  // rho and its derivatives in phi
};

/// phi = arccos(t/B): writes ",\ \ S \varphi=\arccos(t/B)" and a line end.
void WriteArccosPhiLaw(SharedState& s, PolarLaw& l) {
  WriteLine(s, std::string(",\\ \\ ") + kS + "\\varphi=\\arccos(t/" + Int(s.LawB) + ")");
  const double t = s.LawFrequency, b = s.LawB, q = b * b - t * t;
  l.phi = std::acos(t / b);
  l.dphi = -1 / std::sqrt(q);
  l.ddphi = -t / (q * std::sqrt(q));
}

/// phi = t/B with rho = A / (1 + CoefTextB cos(t/B)).
void WriteConicLawLinearPhi(SharedState& s, PolarLaw& l) {
  WriteLine(s, "\\frc{" + Int(s.LawA) + "}{1+" + s.CoefTextB + "\\cos(t/" + Int(s.LawB) +
                   ")},\\ \\" + kS + " \\varphi=\\frc{t}{" + Int(s.LawB) + "}");
  l.phi = s.LawFrequency / s.LawB;
  l.dphi = 1.0 / s.LawB;
  l.ddphi = 0;
}

void WriteConicLawArccosPhi(SharedState& s, PolarLaw& l) {
  toolkit::WriteTextNumberLn(s, "", s.LawA, "/" + s.CoefTextC);
  WriteArccosPhiLaw(s, l);
}

/// rho = A / (1 + e cos phi) at phi.
void Conic(PolarLaw& l, double a, double e) {
  const double c = std::cos(l.phi), sn = std::sin(l.phi), w = 1 + e * c;
  l.rho = a / w;
  l.drho = a * e * sn / (w * w);
  l.ddrho = a * e * (c / (w * w) + 2 * e * sn * sn / (w * w * w));
}

/// Writes rho(t), phi(t) of kind P1 and returns the law at t1; sets CurveName.
PolarLaw WritePolarCurveLaw(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4;
  const double t = s.LawFrequency;
  PolarLaw l;
  auto archimedes = [&](int a) {
    s.CurveName = "Архимедова спираль";
    l.rho = a * l.phi, l.drho = a, l.ddrho = 0;
  };
  auto hyperbolic = [&](int a) {
    s.CurveName = "Гиперболическая спираль";
    l.rho = a / l.phi, l.drho = -a / (l.phi * l.phi), l.ddrho = 2 * a / (l.phi * l.phi * l.phi);
  };
  auto cos_squared = [&](int n) {  // phi = cos^2(pi t / N)
    const double k = std::numbers::pi / n, c = std::cos(k * t);
    l.phi = c * c, l.dphi = -k * std::sin(2 * k * t), l.ddphi = -2 * k * k * std::cos(2 * k * t);
  };
  auto exponential = [&](int n) {  // phi = e^(t/N)
    l.phi = std::exp(t / n), l.dphi = l.phi / n, l.ddphi = l.phi / (1.0 * n * n);
  };
  auto limacon = [&](int a, int b) {  // rho = A cos phi + B
    s.CurveName = a == b ? "Кардиоида" : "Улитка Паскаля";
    l.rho = a * std::cos(l.phi) + b, l.drho = -a * std::sin(l.phi), l.ddrho = -a * std::cos(l.phi);
  };
  auto cissoid = [&](int a) {  // rho = A sin^2 phi / cos phi = A (sec phi - cos phi)
    s.CurveName = "Циссоида";
    const double c = std::cos(l.phi), sn = std::sin(l.phi), sec = 1 / c, tg = sn / c;
    l.rho = a * (sec - c), l.drho = a * (sec * tg + sn),
    l.ddrho = a * (sec * tg * tg + sec * sec * sec + c);
  };
  auto strophoid = [&](double a) {  // rho = A cos 2phi / cos phi
    s.CurveName = "Строфоида";
    const double sec = 1 / std::cos(l.phi), tg = std::tan(l.phi);
    const double f = std::cos(2 * l.phi), f1 = -2 * std::sin(2 * l.phi), f2 = -4 * f;
    const double g = sec, g1 = sec * tg, g2 = sec * tg * tg + sec * sec * sec;
    l.rho = a * f * g, l.drho = a * (f1 * g + f * g1),
    l.ddrho = a * (f2 * g + 2 * f1 * g1 + f * g2);
  };
  switch (s.P1) {
    case 1: {
      const int a = p2 + p3 + p4, n = p2 + p4 + 1;
      exponential(n);
      archimedes(a);
      WriteText(s, Int(a) + "e^{t/" + Int(n) + "},\\ \\ " + kS + "\\varphi= e^{t/" + Int(n) + "}");
      break;
    }
    case 2: {
      const int a = p3 + p4 + 4, n = p2 + p4 + 2;
      cos_squared(n);
      archimedes(a);
      WriteText(s, Int(a) + "\\cos^2(\\pi t/" + Int(n) + "),\\ \\" + kS +
                       " \\varphi= \\cos^2(\\pi t/" + Int(n) + ")");
      break;
    }
    case 3: {
      const int a = p3 + p4 + 4, b = p4 + 1, n = p2 + 1;
      const double bn = std::pow(b, n);
      l.phi = std::pow(t, n) / bn, l.dphi = n * std::pow(t, n - 1) / bn;
      l.ddphi = n * (n - 1) * std::pow(t, n - 2) / bn;
      archimedes(a);
      WriteText(s, Int(a) + "(t/" + Int(b) + ")^" + Int(n) + ",\\ \\" + kS + " \\varphi= (t/" +
                       Int(b) + ")^" + Int(n));
      break;
    }
    case 4: {
      const int a = p2 + p3 + p4, n = p2 + p4 + 1;
      exponential(n);
      hyperbolic(a);
      WriteText(s, Int(a) + "e^{-t/" + Int(n) + "},\\ \\" + kS + " \\varphi= e^{t/" + Int(n) + "}");
      break;
    }
    case 5: {
      const int a = p3 + 1, n = 3 * p4 + p2;
      cos_squared(n);
      hyperbolic(a);
      WriteText(s, Int(a) + "+" + Int(a) + "\\mbox{tg}^2(\\pi t/" + Int(n) + "),\\ \\" + kS +
                       " \\varphi= \\cos^2(\\pi t/" + Int(n) + ")");
      break;
    }
    case 6: {
      const int a = std::abs(p3 - p2) + 3, b = 2 * p4, n = p2 + 1;
      const double u = t / b + 0.5;
      l.phi = std::pow(u, n), l.dphi = n * std::pow(u, n - 1) / b;
      l.ddphi = n * (n - 1) * std::pow(u, n - 2) / (1.0 * b * b);
      hyperbolic(a);
      WriteText(s, Int(a) + "(t/" + Int(b) + "+0.5)^{-" + Int(n) + "},\\ \\" + kS +
                       " \\varphi= (t/" + Int(b) + "+0.5)^" + Int(n));
      break;
    }
    case 7: {
      const int a = p3 + 1, n = p2 + p4;
      s.CurveName = "Логарифмическая спираль";
      l.phi = t / p2, l.dphi = 1.0 / p2, l.ddphi = 0;
      l.rho = a * std::exp(l.phi / n), l.drho = l.rho / n, l.ddrho = l.rho / (1.0 * n * n);
      WriteText(s, Int(a) + "e^{t/" + Int(n * p2) + "},\\ \\" + kS + " \\varphi= t" +
                       (p2 == 1 ? std::string(" ") : "/" + Int(p2)));
      break;
    }
    case 8: {
      const int a = p3, b = p2 + p4;
      s.LawB = b;
      s.CurveName = "Конхоида Никомеда";
      WriteText(s, Int(a * b) + "/t+" + Int(b));
      WriteArccosPhiLaw(s, l);
      const double sec = 1 / std::cos(l.phi), tg = std::tan(l.phi);
      l.rho = a * sec + b, l.drho = a * sec * tg, l.ddrho = a * (sec * tg * tg + sec * sec * sec);
      break;
    }
    case 9: {
      const int a = p3 + 1, b = p2 + p4;
      s.LawB = b;
      WriteText(s, FormatTimeCoefficient(s, a, b) + "+" + Int(b));
      WriteArccosPhiLaw(s, l);
      limacon(a, b);
      break;
    }
    case 10: {
      const int a = p3 + 1, b = p2 + p3, n = p2 + p4;
      l.phi = t / n, l.dphi = 1.0 / n, l.ddphi = 0;
      limacon(a, b);
      WriteText(s, Int(a) + "\\cos(t/" + Int(n) + ")+" + Int(b) + ",\\ \\" + kS + " \\varphi=t/" +
                       Int(n));
      break;
    }
    case 11: {
      const int a = std::abs(p3 - p2) + 2, b = p2 + p4 + 1;
      s.LawB = b;
      WriteText(s, Int(a * b) + "(1-(t/" + Int(b) + ")^2)/t ");
      WriteArccosPhiLaw(s, l);
      cissoid(a);
      break;
    }
    case 12: {
      const int a = p3 + 10, b = p2 + p4 + 1;
      l.phi = t / b, l.dphi = 1.0 / b, l.ddphi = 0;
      cissoid(a);
      WriteText(s, "\\frc{" + Int(a) + "\\sin^2(t/" + Int(b) + ")}{\\cos(t/" + Int(b) + ")},\\ \\" +
                       kS + " \\varphi=\\frc{t}{" + Int(b) + "}");
      break;
    }
    case 13: {
      const int a = p3 + 10, b = p2 + p4 + 1;
      l.phi = t / b, l.dphi = 1.0 / b, l.ddphi = 0;
      strophoid(-a);
      ReduceFractionText(s, 2, b);
      const std::string n = s.FractionNumText == "1" ? " " : s.FractionNumText;
      WriteText(s, "-\\frc{" + Int(a) + "\\cos(" + n + "t/" + s.FractionDenText + ")}{\\cos(t/" +
                       Int(b) + ")},\\" + kS + " \\ \\varphi=\\frc{t}{" + Int(b) + "}");
      break;
    }
    case 14: {
      const int a = std::abs(p3 - p2) + 1, b = p2 + p4 + 1;
      s.LawB = b;
      toolkit::WriteTextNumberLn(s, FormatTexFraction(s, 2 * a, b) + "t-\\frc{", a * b, "}{t}");
      WriteArccosPhiLaw(s, l);
      strophoid(a);
      break;
    }
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20: {
      const int kind = s.P1 > 17 ? s.P1 - 3 : s.P1;  // 18..20 take the curves of 15..17
      const int a = p3 + 20;
      const int b = kind == 15 ? p4 + 1 : p2 + p4;
      const double e = kind == 15 ? p2 + 1 : kind == 16 ? 1 : 0.2 * p2;
      s.LawA = a;
      s.LawB = b;
      s.CurveName = kind == 15 ? "Гипербола" : kind == 16 ? "Парабола" : "Эллипс";
      if (s.P1 <= 17) {
        if (kind == 15) {
          s.CoefTextC = "(1+" + FormatTexFraction(s, p2 + 1, b) + "t)";
        } else if (kind == 16) {
          s.CoefTextC = "(1+t/" + Int(b) + ")";
        } else {
          ReduceFractionText(s, 2 * p2, 10 * b);
          const std::string n = s.FractionNumText == "1" ? " " : s.FractionNumText;
          s.CoefTextC = "(1+" + n + "t/" + s.FractionDenText + ")";
        }
        WriteConicLawArccosPhi(s, l);
      } else {
        s.CoefTextB = kind == 15 ? FormatFixed(e, 3, 0) : kind == 16 ? " " : FormatFixed(e, 3, 1);
        WriteConicLawLinearPhi(s, l);
      }
      Conic(l, a, e);
      break;
    }
    case 21:
    case 22: {
      const bool cosine = s.P1 == 21;
      const int a = cosine ? p3 + 1 : p4 + 1, b = cosine ? p4 + 1 : p3 + 1;
      s.CurveName = " ";
      l.phi = t, l.dphi = 1, l.ddphi = 0;
      const double c = std::cos(t / b), sn = std::sin(t / b);
      if (cosine) {
        l.rho = a * t * c, l.drho = a * c - a * t / b * sn;
        l.ddrho = -2.0 * a / b * sn - a * t / (1.0 * b * b) * c;
      } else {
        l.rho = a * t * sn, l.drho = a * sn + a * t / b * c;
        l.ddrho = 2.0 * a / b * c - a * t / (1.0 * b * b) * sn;
      }
      toolkit::WriteText2NumbersLn(s, " ", a, cosine ? "t\\cos(t/" : "t\\sin(t/", b, ")");
      WriteLine(s, std::string(", ") + kS + "\\varphi=t");
      break;
    }
    default:
      break;
  }
  return l;
}

std::string Cells(std::initializer_list<double> values) {
  std::string out;
  bool first = true;
  for (double v : values) {
    if (!first) out += "$&$";
    out += FormatFixed(v, 8, 3);
    first = false;
  }
  return out;
}

}  // namespace

void BeginPolarProblem(SharedState& s) {
  s.ParboxWidth = 190;
  // Ten cells and the curve's name: the narrowest spacing keeps the table on the sheet.
  toolkit::AnsWriteLine(s, "\\small\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWriteLine(
      s,
      "\\No &\\mc{$\\rho$}&\\mc{$ \\dot \\rho $}&\\mc{$ \\varphi $}&\\mc{$ "
      "\\dot\\varphi $}&\\mc{$v_\\rho $}&\\mc{$ v_\\varphi $}&\\mc{$ v  $}&\\mc{$ "
      "v_x $}&\\mc{$  v_y $}&Кривая\\\\\\hline");
  toolkit::Ans2Write(s, "\\tabcolsep=1pt");
  toolkit::Ans2BeginTable(s, 10);
  toolkit::Ans2Write(s,
                     "\\No &\\mc{$\\ddot \\rho$}&\\mc{$\\ddot\\varphi$}&\\mc{$ a_\\rho$}&\\mc{$ "
                     "a_\\varphi$}&\\mc{$\\wa$}&\\mc{$ a_x$}&" +
                         std::string(14, ' ') +
                         "\\mc{$  a_y $}&\\mc{$  |a_\\tau| $}&\\mc{$a_n$}\\\\\\hline");
  WriteLine(s,
            "Задан закон движения точки в полярных координатах: $\\rho =  \\rho(t)$ (в метрах), "
            "$\\varphi=\\varphi(t)$. В указанный момент времени найти скорость и   ускорение   "
            "точки   в   полярных,    декартовых    и    естественных координатах.");
  toolkit::WriteBookReference(s, 144);
}

void WritePolarVariant(SharedState& s) {
  s.LawFrequency = s.P4;
  WriteText(s, "\\vskip3mm\\hfill\\parbox[b]{150pt}{ $r=");
  const PolarLaw l = WritePolarCurveLaw(s);
  toolkit::WriteTextNumberLn(s, ",\\  t=", s.LawFrequency, "~c.$}\\vskip3mm");

  const double dphi2 = l.dphi * l.dphi;
  const double v_rho = l.drho * l.dphi, v_phi = l.rho * l.dphi;
  const double dd_rho = l.drho * l.ddphi + l.ddrho * dphi2;
  const double a_rho = dd_rho - l.rho * dphi2;
  const double a_phi = 2 * l.drho * dphi2 + l.rho * l.ddphi;
  const double c = std::cos(l.phi), sn = std::sin(l.phi);
  s.PointVx = c * v_rho - sn * v_phi;
  s.PointVy = c * v_phi + sn * v_rho;
  s.PointAx = c * a_rho - sn * a_phi;
  s.PointAy = c * a_phi + sn * a_rho;
  s.PointVz = s.PointAz = 0;
  PointMotionCharacteristics(s);

  const std::string number = Int(toolkit::PrintedVariantNumber(s));
  toolkit::AnsWrite(s, number + "&$" +
                           Cells({l.rho, v_rho, l.phi, l.dphi, v_rho, v_phi, s.PointSpeed,
                                  s.PointVx, s.PointVy}) +
                           "$&\\scriptsize " + s.CurveName);
  toolkit::Ans2WriteLine(s, number + "&$" +
                                Cells({dd_rho, l.ddphi, a_rho, a_phi, s.PointAccel, s.PointAx,
                                       s.PointAy, std::abs(s.TangentialAccel)}) +
                                "$&" + FormatFixed(s.NormalAccel, 8, 3));
}

}  // namespace kinematics
