#include <cmath>
#include <string>

#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;
using toolkit::RoundHalfEven;
using toolkit::WriteText;
using toolkit::WriteText2NumbersLn;
using toolkit::WriteText3NumbersLn;

std::string Int(int n) { return std::to_string(n); }
int RoundInt(double x) { return static_cast<int>(RoundHalfEven(x)); }

/// The curve of one variant: y'(x0), y''(x0), the speed and the (possibly moved) abscissa.
struct NaturalCurve {
  int x0 = 0;
  double y1 = 0, y2 = 0, v = 0;
};

/// Writes y(x) of kind P1 and returns y', y'' at x0 and the speed.
NaturalCurve WritePlaneCurveY(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3;
  NaturalCurve r;
  r.x0 = s.P4;
  const double c = 0.2 * p2 + 0.5;
  double k = 1;
  double& y1 = r.y1;
  double& y2 = r.y2;
  switch (s.P1) {
    case 1: {
      const double x = r.x0;
      const int a = p3 + 1, b = RoundInt(2 * a * x + p2), n = p3 + 2;
      WriteText(s, "-" + Int(a) + "x^2+" + Int(b) + "x+" + Int(n));
      y1 = -2 * a * x + b, y2 = -2.0 * a;
      k = 1;
      break;
    }
    case 2:
    case 25: {
      const double x = r.x0;
      const int b = p3 + r.x0, n = 2 * (p2 + r.x0);
      const int a = RoundInt(std::abs((2 * x / b - 1) * n / std::cos(x / n))) + 1;
      const double sn = std::sin(x / n), cs = std::cos(x / n);
      if (s.P1 == 2) {
        if (a == 1) {
          WriteText2NumbersLn(s, "\\frc{x^2}{", b, "}+ \\sin\\frc{x}{", n, "}");
        } else {
          WriteText3NumbersLn(s, "\\frc{x^2}{", b, "}+", a, "\\sin\\frc{x}{", n, "}");
        }
        y1 = 2 * x / b + a * cs / n, y2 = 2.0 / b - a * sn / (1.0 * n * n);
      } else {
        if (a == 1) {
          WriteText2NumbersLn(s, "\\cos\\frc{x}{", n, "}+ \\sin\\frc{x}{", n, "}");
        } else {
          WriteText3NumbersLn(s, "\\cos\\frc{x}{", n, "}+", a, "\\sin\\frc{x}{", n, "}");
        }
        y1 = (-sn + a * cs) / n, y2 = (-cs - a * sn) / (1.0 * n * n);
      }
      k = 3;
      break;
    }
    case 3: {
      const double x = r.x0;
      const int n = p3 + 1, a = (n + r.x0) * p2;
      WriteText2NumbersLn(s, " ", a, "\\ln(x/", n, "+1)");
      y1 = a / (x + n), y2 = -a / ((x + n) * (x + n));
      k = 2;
      break;
    }
    case 4: {
      const double x = r.x0;
      const int n = p2 + r.x0, a = p3 + 1;
      const int b = RoundInt(a * std::exp(x / n) / n + 1) + 1;
      WriteText(s, Int(a) + "e^{x/" + Int(n) + "}-" + Int(b) + "x");
      y1 = a * std::exp(x / n) / n - b, y2 = a * std::exp(x / n) / (1.0 * n * n);
      k = 3;
      break;
    }
    case 5: {
      const double x = r.x0;
      const int n = p3 + 1, a = RoundInt(c * (x + n) * (x + n));
      WriteText2NumbersLn(s, "\\frc{", a, "}{x+", n, "}");
      y1 = -a / ((x + n) * (x + n)), y2 = 2 * a / ((x + n) * (x + n) * (x + n));
      k = 3;
      break;
    }
    case 6: {
      const double x = r.x0;
      const int n = p2, b = p3 + n;
      const int a = RoundInt(c * std::sqrt(b * x + n) / b) + 2;
      const double u = b * x + n;
      WriteText(s, Int(a) + "\\sqrt{" + Int(b) + "x+" + Int(n) + "}");
      y1 = a * b / (2 * std::sqrt(u)), y2 = -1.0 * a * b * b / (4 * u * std::sqrt(u));
      k = 3;
      break;
    }
    case 7: {
      const double x = r.x0;
      const int n = p2 + 1, b = p3 + 1;
      const double sn = std::sin(x / n), cs = std::cos(x / n);
      const int a = RoundInt(n * (sn + b) * (sn + b)) + 2;
      WriteText(s, "\\frc{" + Int(a) + "}{\\sin(x/" + Int(n) + ")+" + Int(b) + "}");
      const double w = sn + b, w1 = cs / n, w2 = -sn / (1.0 * n * n);
      y1 = -a * w1 / (w * w), y2 = -a * (w2 / (w * w) - 2 * w1 * w1 / (w * w * w));
      k = 1;
      break;
    }
    case 8: {
      const double x = r.x0;
      const int n = p3 + 1, a = RoundInt(c * (x + n) * (x + n) / n);
      WriteText2NumbersLn(s, " ", a, "\\frc{x}{x+", n, "}");
      y1 = 1.0 * a * n / ((x + n) * (x + n)), y2 = -2.0 * a * n / ((x + n) * (x + n) * (x + n));
      k = 2;
      break;
    }
    case 9: {
      const double x = r.x0;
      const int b = p3 + 4, n = p2 + r.x0 + 1;
      const int a = RoundInt(std::abs((2 * x / b - 1) * n / std::sin(x / n))) + 1;
      if (a == 1) {
        WriteText2NumbersLn(s, " \\cos\\frc{x}{", n, "}+\\frc{x^2}{", b, "}");
      } else {
        WriteText3NumbersLn(s, "", a, "\\cos\\frc{x}{", n, "}+\\frc{x^2}{", b, "}");
      }
      y1 = -a * std::sin(x / n) / n + 2 * x / b;
      y2 = -a * std::cos(x / n) / (1.0 * n * n) + 2.0 / b;
      k = 2;
      break;
    }
    case 10: {
      const double x = r.x0;
      const int n = p3, b = p2 + 3;
      const double su = std::sqrt(x + n);
      const int a = RoundInt((x / (2 * su) + su + b) / p3);
      WriteText3NumbersLn(s, "x(\\sqrt{x+", n, "}+", b, ")/", a, "");
      y1 = (su + x / (2 * su) + b) / a, y2 = (1 / su - x / (4 * (x + n) * su)) / a;
      k = 4;
      break;
    }
    case 11: {
      const double x = r.x0;
      const int b = p3 + r.x0, n = p2 + 2;
      const int a = RoundInt((std::pow(x / b, n - 1) * n / b + 1.5) * x * x);
      WriteText(s,
                "\\left(\\frc{x}{" + Int(b) + "}\\right)^" + Int(n) + "+\\frc{" + Int(a) + "}{x}");
      y1 = n / (1.0 * b) * std::pow(x / b, n - 1) - a / (x * x);
      y2 = n * (n - 1) / (1.0 * b * b) * std::pow(x / b, n - 2) + 2 * a / (x * x * x);
      k = 2;
      break;
    }
    case 12: {
      const double x = r.x0;
      const int a = p3 + 2, n = p2 + 2;
      const int b = RoundInt(c + a / ((x / n) * (x / n) + 1));
      WriteText(s, Int(b) + "x-" + Int(a) + "\\arctan\\frc{x}{" + Int(n) + "}");
      const double d = n * n + x * x;
      y1 = b - a * n / d, y2 = 2.0 * a * n * x / (d * d);
      k = 2;
      break;
    }
    case 13:
    case 14: {
      const double x = r.x0;
      const bool sine = s.P1 == 13;
      const int n = sine ? p3 : p2;
      const int b = r.x0 + n + (sine ? p2 : p3);
      const double u = (x + n) / b, sn = std::sin(u), cs = std::cos(u);
      const int a = sine ? RoundInt(1 / (cs * x / b + sn)) : RoundInt(1 / (cs - sn * x / b));
      const std::string fn = sine ? "x\\sin\\frc{x+" : "x\\cos\\frc{x+";
      if (a == 1) {
        WriteText2NumbersLn(s, fn, n, "}{", b, "}");
      } else {
        WriteText(s, Int(a) + fn + Int(n) + "}{" + Int(b) + "}");
      }
      if (sine) {
        y1 = a * (sn + x / b * cs), y2 = a * (2.0 / b * cs - x / (1.0 * b * b) * sn);
      } else {
        y1 = a * (cs - x / b * sn), y2 = a * (-2.0 / b * sn - x / (1.0 * b * b) * cs);
      }
      k = sine ? 2 : 1;
      break;
    }
    case 15: {
      const double x = r.x0;
      const int b = p2, n = p3 + 1;
      const int a = RoundInt(std::exp((x + b) / n) / p3);
      WriteText(s, "\\frc{x}{" + Int(a) + "}e^{(x+" + Int(b) + ")/" + Int(n) + "}");
      const double e = std::exp((x + b) / n);
      y1 = (e + x * e / n) / a, y2 = (2 * e / n + x * e / (1.0 * n * n)) / a;
      k = 4;
      break;
    }
    case 16:
    case 19:
    case 27: {
      const double x = r.x0;
      const int n = p3 + 1, b = p2 + 1;
      const int cc = RoundInt(std::abs(std::sin(2 * x / n)) * b / n + 1.5);
      const double s2 = std::sin(2 * x / n), c2 = std::cos(2 * x / n);
      if (s.P1 == 16) {
        WriteText(s, Int(b) + "\\sin^2(x/" + Int(n) + ")+" + Int(cc) + "x");
        y1 = b * s2 / n + cc, y2 = 2.0 * b * c2 / (n * n);
        k = 2;
      } else if (s.P1 == 19) {
        WriteText(s, Int(b) + "\\cos^2\\frc{x}{" + Int(n) + "}+" + Int(cc) + "x");
        y1 = -b * s2 / n + cc, y2 = -2.0 * b * c2 / (n * n);
        k = 1;
      } else {
        WriteText(s, Int(-b) + "\\cos^2\\frc{x}{" + Int(n) + "}+\\frc{" + Int(cc) + "}{x}");
        y1 = b * s2 / n - cc / (x * x), y2 = 2.0 * b * c2 / (n * n) + 2 * cc / (x * x * x);
        k = 1;
      }
      break;
    }
    case 17: {
      const double x = r.x0;
      const int n = p3 + 1, b = p2 + 1;
      const int a = RoundInt(std::log(x + n) + b + x / (x + n));
      WriteText(s, "\\frc{x}{" + Int(a) + "}(\\ln(x+" + Int(n) + ")+" + Int(b) + ")");
      y1 = (std::log(x + n) + b + x / (x + n)) / a;
      y2 = (1 / (x + n) + n / ((x + n) * (x + n))) / a;
      k = 1;
      break;
    }
    case 18: {
      const int n = p2 + 2, b = p3 + 1;
      r.x0 = r.x0 + 2 + b;
      const double x = r.x0;
      const double ep = std::exp(x / b), em = std::exp(-x / b);
      const int a = RoundInt((ep - n * em) / b);
      WriteText(s, "\\frc{1}{" + Int(a) + "}\\left(e^{x/" + Int(b) + "}+" + Int(n) + "e^{-x/" +
                       Int(b) + "}\\right)");
      y1 = (ep - n * em) / (1.0 * a * b), y2 = (ep + n * em) / (1.0 * a * b * b);
      k = 2;
      break;
    }
    case 20: {
      const double x = r.x0;
      const int n = p3, b = p2 + 1;
      const double e = std::exp(x + n);
      const int a = RoundInt(e * (x + 1) + b);
      WriteText(s, "\\frc{x}{" + Int(a) + "}\\left(e^{x+" + Int(n) + "}+" + Int(b) + "\\right)");
      y1 = (e + b + x * e) / a, y2 = (2 * e + x * e) / a;
      k = 1;
      break;
    }
    case 21:
    case 22: {
      const double x = r.x0;
      const bool sine = s.P1 == 21;
      const int n = p3 + 2, b = sine ? p2 + 1 : p2 + 3;
      const double sn = std::sin(x / n), cs = std::cos(x / n);
      const int a = sine ? RoundInt(x / n * cs + sn + b) : RoundInt(cs + b - x / n * sn);
      WriteText(s, "\\frc{x(" + Int(b) + (sine ? "+\\sin(x/" : "+\\cos(x/") + Int(n) + "))}{" +
                       Int(a) + "}");
      if (sine) {
        y1 = (b + sn + x / n * cs) / a, y2 = (2.0 / n * cs - x / (1.0 * n * n) * sn) / a;
      } else {
        y1 = (b + cs - x / n * sn) / a, y2 = (-2.0 / n * sn - x / (1.0 * n * n) * cs) / a;
      }
      k = 2;
      break;
    }
    case 23: {
      const double x = r.x0;
      const int n = p3 + 2, b = p2 + 3;
      const double sn = std::sin(n * x);
      int a = std::abs(RoundInt((sn * sn + n * x * std::sin(2 * n * x) + b) / p3));
      // P2 = 4, P3 = 1, P4 = 3 rounds to 0: the curve would divide by zero.
      if (a == 0) a = 1;
      WriteText(s, "\\frc{x(" + Int(b) + "+\\sin^2(" + Int(n) + "x) )}{" + Int(a) + "}");
      y1 = (b + sn * sn + n * x * std::sin(2 * n * x)) / a;
      y2 = (2.0 * n * std::sin(2 * n * x) + 2.0 * n * n * x * std::cos(2 * n * x)) / a;
      k = 4;
      break;
    }
    case 24: {
      const double x = r.x0;
      const int n = p3 + 2, b = p2 + 3;
      const int a = RoundInt((3 * b * x + 2 * n) * x / p3);
      WriteText(s, "\\frc{" + Int(b) + "x^3+" + Int(n) + "x^2+1}{" + Int(a) + "}");
      y1 = (3 * b * x * x + 2 * n * x) / a, y2 = (6 * b * x + 2 * n) / a;
      k = 4;
      break;
    }
    case 26: {
      const double x = r.x0;
      const int n = p3 + 1, b = p2 + 1;
      WriteText(s, Int(b) + "\\sin^2\\frc{x}{" + Int(n) + "}+\\cos\\frc{x}{" + Int(n) + "}");
      y1 = b * std::sin(2 * x / n) / n - std::sin(x / n) / n;
      y2 = 2.0 * b * std::cos(2 * x / n) / (n * n) - std::cos(x / n) / (1.0 * n * n);
      k = 2;
      break;
    }
    default:
      return r;
  }
  r.v = RoundHalfEven(k / std::sqrt(std::abs(y2))) + 1;  // ChooseConstantSpeed
  if (s.P1 == 12) r.v = 2;
  return r;
}

}  // namespace

void BeginNaturalCoordinatesProblem(SharedState& s) {
  s.ParboxWidth = 125;
  toolkit::AnsWriteLine(s, "\\small\\tabcolsep=2pt");
  toolkit::AnsBeginTable(s, 10);
  toolkit::AnsWriteLine(
      s,
      "\\ru &\\mc{$ y' $}&\\mc{$ y'' $}&\\mc{$ v_x $}&\\mc{$ v_y $}&\\mc{$ "
      "\\cos(\\alpha) $}&\\mc{$ \\wa_x $}&\\mc{$ \\wa_y $}&\\mc{$ \\wa $}&\\mc{$ R\\ "
      "$}\\\\\\hline");
  toolkit::WriteLine(s,
                     "Точка  движется  по плоской  кривой  $y  =y(x)$  с  постоянной скоростью "
                     "$v$. Определить ускорение  точки,  радиус  кривизны траектории и косинус "
                     "угла наклона касательной к траектории с  осью  $ox$ при заданном значении "
                     "$x$.");
  toolkit::WriteBookReference(s, 140);
}

void WriteNaturalCoordinatesVariant(SharedState& s) {
  WriteText(s, "\\vskip3mm $y = ");
  const NaturalCurve r = WritePlaneCurveY(s);
  toolkit::WriteTextNumberLn(
      s, ",$\\vskip2mm \\ \\ \\ \\ \\ $v=" + FormatFixed(r.v, 3, 0) + "$~м/c,\\ $ x=", r.x0,
      "$~м.\\vskip3mm");
  // NaturalMotionValues
  const double q = 1 + r.y1 * r.y1;
  const double vx = r.v / std::sqrt(q), vy = vx * r.y1, cos_alpha = vx / r.v;
  const double ay = r.y2 * (r.v / q) * (r.v / q), ax = -ay * r.y1;
  const double a = std::sqrt(ax * ax + ay * ay), radius = r.v * r.v / a;
  std::string row = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  const double values[] = {r.y1, r.y2, vx, vy, cos_alpha, ax, ay, a, radius};
  const int widths[] = {7, 7, 7, 7, 6, 8, 7, 7, 8};
  for (int i = 0; i < 9; ++i) row += "&" + FormatFixed(values[i], widths[i], 3);
  toolkit::AnsWrite(s, row);
}

}  // namespace kinematics
