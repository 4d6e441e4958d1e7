#include "subjects/kinematics/plane_curve_laws.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "subjects/kinematics/point_motion.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::WriteLine;
using toolkit::WriteText;

std::string Int(int n) { return std::to_string(n); }

/// A function of t with its first two derivatives at one instant.
struct Jet {
  double f = 0, d1 = 0, d2 = 0;
};

/// p / q from the jets of p and q.
Jet Quotient(const Jet& p, const Jet& q) {
  const double d1 = (p.d1 * q.f - p.f * q.d1) / (q.f * q.f);
  const double d2 = (p.d2 * q.f - p.f * q.d2) / (q.f * q.f) -
                    2 * q.d1 * (p.d1 * q.f - p.f * q.d1) / (q.f * q.f * q.f);
  return {p.f / q.f, d1, d2};
}

/// sqrt(g) from the jet of g.
Jet Sqrt(const Jet& g) {
  const double r = std::sqrt(g.f);
  return {r, g.d1 / (2 * r), g.d2 / (2 * r) - g.d1 * g.d1 / (4 * g.f * r)};
}

/// (A / w + 1) / B from the jet of w.
Jet ReciprocalLaw(double a, double b, const Jet& w) {
  const double f = (a / w.f + 1) / b;
  const double d1 = -a * w.d1 / (b * w.f * w.f);
  const double d2 = -a / b * (w.d2 / (w.f * w.f) - 2 * w.d1 * w.d1 / (w.f * w.f * w.f));
  return {f, d1, d2};
}

void SetComponents(SharedState& s, const Jet& x, const Jet& y) {
  s.PointVx = x.d1;
  s.PointVy = y.d1;
  s.PointAx = x.d2;
  s.PointAy = y.d2;
}

/// t1 in seconds given as a real; its text by FormatNumberSci, or with two decimals where that
/// text would not give t1 back (0.01 s would print as 0, and the student would differentiate at
/// another instant than the answers).
void SetInstantSeconds(SharedState& s, double t1) {
  s.LawFrequency = t1;
  s.T1Text = toolkit::FormatNumberSci(t1);
  if (std::abs(std::strtod(s.T1Text.c_str(), nullptr) - t1) > 1e-9) {
    s.T1Text = toolkit::FormatFixed(t1, 1, 2);
  }
}

/// t1 a multiple of pi / (6 n).
void SetInstantPi(SharedState& s, int n) {
  s.LawN = n;
  SetInstantFromP4(s);
}

// Kinds whose t1 is a fraction of pi and whose law is built of sin Nt and cos Nt.
struct Trig {
  double s, c, s2, c2;  // sin Nt, cos Nt, sin 2Nt, cos 2Nt
};
Trig TrigAt(double n, double t) {
  return {std::sin(n * t), std::cos(n * t), std::sin(2 * n * t), std::cos(2 * n * t)};
}

}  // namespace

void WritePlaneCurveLaw(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4;
  Jet x, y;
  switch (s.P1) {
    case 1: {
      const int a = p2 + 1, b = p2 + 2, c = p3 + 2, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      x = {a * g.s, a * n * g.c, -a * n * n * g.s};
      y = {b + c * g.c2, -2.0 * n * c * g.s2, -4.0 * n * n * c * g.c2};
      WriteText(s, Int(a) + "\\sin(" + Int(n) + "t),$ \\\\[2pt]$ y =" + Int(b) + " +" + Int(c) +
                       "\\cos(" + Int(2 * n) + "t)");
      break;
    }
    case 2: {
      const int b = p2;
      const double t1 = p4;
      s.LawFrequency = t1;
      s.T1Text = Int(p4);
      const int a = 100 * static_cast<int>(toolkit::RoundHalfEven(
                              0.01 * 0.5 * (p3 + b - 1) * (t1 + b) * (t1 + b) + 1));
      const int n =
          100 * static_cast<int>(toolkit::RoundHalfEven(0.01 * (std::pow(t1 + b, 4) / 6 - b) + 1));
      const double u = t1 + b;
      x = {a / u, -a / (u * u), 2 * a / (u * u * u)};
      y = {(t1 - n) / (u * u), 1 / (u * u) - 2 * (t1 - n) / (u * u * u),
           -4 / (u * u * u) + 6 * (t1 - n) / (u * u * u * u)};
      WriteText(s, Int(a) + "/(t +" + Int(b) + "),$ \\\\[2pt] $ y=(t-" + Int(n) + ")/(t+" + Int(b) +
                       ")^2");
      break;
    }
    case 3: {
      const int a = p2 + 1, b = p2 + 2, n = p3 + 1;
      SetInstantSeconds(s, 0.1 * p4);
      const double e2 = std::exp(2 * s.LawFrequency), e4 = std::exp(4 * s.LawFrequency);
      x = {a * e2 + b, 2 * a * e2, 4 * a * e2};
      y = {e4 / n, 4 * e4 / n, 16 * e4 / n};
      WriteText(s, Int(a) + "e^{2t}+" + Int(b) + ",$\\\\[2pt]$ y=e^{4t}/" + Int(n));
      break;
    }
    case 4: {
      const int a = p2 + 1, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      // y = -0.1 A (9 + cos^2 Nt) sin Nt = -0.1 A (10 sin Nt - sin^3 Nt)
      x = {a * g.s, a * n * g.c, -a * n * n * g.s};
      y = {-0.1 * a * (10 * g.s - g.s * g.s * g.s), -0.1 * a * (10 - 3 * g.s * g.s) * n * g.c,
           -0.1 * a * n * n * (-6 * g.s * g.c * g.c - 10 * g.s + 3 * g.s * g.s * g.s)};
      WriteLine(s, Int(a) + "\\sin(" + Int(n) + "t),");
      WriteYEquals(s);
      WriteLine(s, "-");
      if (a != 10) WriteLine(s, toolkit::FormatFixed(0.1 * a, 3, 1));
      WriteLine(s, "(9+\\cos^2(" + Int(n) + "t))\\sin(" + Int(n) + "t)");
      break;
    }
    case 5: {
      const int a = p2 + p3 + 2;
      const double t1 = p4 + 1;
      s.LawFrequency = t1;
      s.T1Text = toolkit::FormatFixed(t1, 3, 0);
      const double e1 = std::exp(t1 / a), e3 = std::exp(3 * t1 / a);
      x = {a * e1, e1, e1 / a};
      y = {0.1 * a * e3 - a * e1, 0.3 * e3 - e1, 0.9 / a * e3 - e1 / a};
      ReduceFractionText(s, 2, a);
      const std::string num = s.FractionNumText == "1" ? " " : s.FractionNumText;
      const std::string den = s.FractionDenText == "1" ? " " : "/" + s.FractionDenText;
      WriteLine(s, Int(a) + "e^{t/" + Int(a) + "}, ");
      WriteYEquals(s);
      WriteLine(s, Int(a) + "e^{t/" + Int(a) + "}(0.1e^{" + num + "t" + den + "}-1)");
      break;
    }
    case 6: {
      const int b = p3, n = p2, c = 5 * p3;
      SetInstantSeconds(s, 0.1 * p4);
      const double t1 = s.LawFrequency;
      const int a = static_cast<int>(toolkit::RoundHalfEven((t1 + b) * n));
      const double k = static_cast<double>(a - b * n) * c, m = static_cast<double>(n) * c;
      const double u = t1 + b;
      x = {a / u, -a / (u * u), 2 * a / (u * u * u)};
      y = {(k - m * t1) / (u * u * u), -m / (u * u * u) - 3 * (k - m * t1) / (u * u * u * u),
           6 * m / (u * u * u * u) + 12 * (k - m * t1) / (u * u * u * u * u)};
      WriteText(s, Int(a) + "/(t +" + Int(b) + "),$ \\\\[2pt] $y=( ");
      if (a != b * n) WriteText(s, Int((a - b * n) * c));
      WriteLine(s, "-" + Int(n * c) + "t)/(t+" + Int(b) + ")^3");
      break;
    }
    case 7: {
      const int b = p2 + 1, n = p3 + 1;
      SetInstantSeconds(s, 0.1 * p4 + 1);
      const double t1 = s.LawFrequency;
      const double tn = std::pow(t1, n);
      const int a = 10 * static_cast<int>(toolkit::RoundHalfEven(0.2 * b * (tn + 1) * (tn + 1)));
      const Jet w{tn + 1, n * std::pow(t1, n - 1), n * (n - 1) * std::pow(t1, n - 2)};
      x = ReciprocalLaw(a, b, w);
      y = {tn, w.d1, w.d2};
      WriteLine(s, "\\frac1{" + Int(b) + "}(" + Int(a) + "/(t^" + Int(n) + " +1)+1 )" +
                       ",$ \\\\[2pt] $y=t^" + Int(n));
      break;
    }
    case 8: {
      const int b = p2 + 1, n = p3 + 1, a = b * n;
      SetInstantSeconds(s, 0.01 * p4);
      const double e = std::exp(n * s.LawFrequency);
      const Jet w{e + 1, n * e, 1.0 * n * n * e};
      x = ReciprocalLaw(a, b, w);
      y = {e, n * e, 1.0 * n * n * e};
      WriteLine(s, "\\frac1{" + Int(b) + "}(" + Int(a) + "/(e^{" + Int(n) + "t} +1)+1)" +
                       ",$ \\\\[2pt] $y=e^{" + Int(n) + "t}");
      break;
    }
    case 9: {
      const int b = p2 + 1, c = p2 + 1, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      const int a = static_cast<int>(toolkit::RoundHalfEven((g.s + 2) * (g.s + 2) * b));
      x = ReciprocalLaw(a, b, {g.s + 2, n * g.c, -1.0 * n * n * g.s});
      y = {c * g.s, c * n * g.c, -1.0 * c * n * n * g.s};
      WriteText(s, "\\frac1{" + Int(b) + "}\\left(\\frac{" + Int(a) + "}{\\sin(" + Int(n) +
                       "t) +2}+1\\right),");
      WriteYEquals(s);
      WriteLine(s, Int(c) + "\\sin(" + Int(n) + "t)");
      break;
    }
    case 10: {
      const int a = p2 + 1, b = 2 * p2 + 1, c = p2 + 2, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      x = {a * g.s, a * n * g.c, -1.0 * a * n * n * g.s};
      y = {b * g.c + c, -b * n * g.s, -1.0 * b * n * n * g.c};
      WriteText(s, Int(a) + "\\sin(" + Int(n) + "t),$ \\\\[2pt] $y=" + Int(b) + "\\cos(" + Int(n) +
                       "t)+" + Int(c));
      break;
    }
    case 11: {
      const int a = p2 + 2, b = 3 * a, n = -(p3 + 1);
      SetInstantSeconds(s, 0.01 * p4);
      const double e = std::exp(n * s.LawFrequency), e2 = e * e;
      x = {a * e, a * n * e, 1.0 * a * n * n * e};
      const Jet r = Sqrt({1 - e2, -2.0 * n * e2, -4.0 * n * n * e2});
      y = {b * r.f, b * r.d1, b * r.d2};
      WriteText(s, Int(a) + "e^{" + Int(n) + "t},$ \\\\[2pt] $y=" + Int(b) + "\\sqrt{1-e^{" +
                       Int(2 * n) + "t}}");
      break;
    }
    case 12: {
      const int a = p2 + 1, b = a + 1, n = p3 + 1;
      SetInstantSeconds(s, 0.01 * p4 + 0.8);
      const double t = s.LawFrequency;
      x = {a * std::pow(t, n), a * n * std::pow(t, n - 1),
           1.0 * a * n * (n - 1) * std::pow(t, n - 2)};
      const Jet r = Sqrt({1 - std::pow(t, 2 * n), -2.0 * n * std::pow(t, 2 * n - 1),
                          -2.0 * n * (2 * n - 1) * std::pow(t, 2 * n - 2)});
      y = {b * r.f, b * r.d1, b * r.d2};
      WriteText(s, Int(a) + "t^" + Int(n) + ",$ \\\\[2pt] $y=" + Int(b) + "\\sqrt{1-t^{" +
                       Int(2 * n) + "}}");
      break;
    }
    case 13: {
      const int a = p2 + p3;
      SetInstantSeconds(s, 0.1 * p4);
      const double t = s.LawFrequency;
      const Jet q{1 + t * t * t, 3 * t * t, 6 * t};
      x = Quotient({3.0 * a * t, 3.0 * a, 0}, q);
      y = Quotient({3.0 * a * t * t, 6.0 * a * t, 6.0 * a}, q);
      WriteText(s, Int(3 * a) + "t/(1+t^3), $ \\\\[2pt] $y=" + Int(3 * a) + "t^2/(1+t^3)");
      break;
    }
    case 14: {
      const int a = p2 + 1, b = p2 + 2, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      x = {g.c * (b + a * g.c), -1.0 * b * n * g.s - 1.0 * a * n * g.s2,
           -1.0 * b * n * n * g.c - 2.0 * a * n * n * g.c2};
      y = {g.s * (b + a * g.c), 1.0 * b * n * g.c + 1.0 * a * n * g.c2,
           -1.0 * b * n * n * g.s - 2.0 * a * n * n * g.s2};
      WriteText(s, "\\cos(" + Int(n) + "t)(" + Int(b) + "+" + Int(a) + "\\cos(" + Int(n) + "t)),");
      WriteYEquals(s);
      WriteText(s, "\\sin(" + Int(n) + "t)(" + Int(b) + "+" + Int(a) + "\\cos(" + Int(n) + "t))");
      break;
    }
    case 15: {
      const int a = p2 + 1, n = p3 + 1;
      SetInstantPi(s, n);
      const double t = s.LawFrequency;
      const Trig g = TrigAt(n, t);
      x = {a * (n * t - g.s), a * (n - n * g.c), 1.0 * a * n * n * g.s};
      y = {a * (1 - g.c), 1.0 * a * n * g.s, 1.0 * a * n * n * g.c};
      WriteText(s, Int(a) + "(" + Int(n) + "t-\\sin(" + Int(n) + "t)),");
      WriteYEquals(s);
      WriteText(s, Int(a) + "(1- \\cos(" + Int(n) + "t))");
      break;
    }
    case 16: {
      const int a = p2 + 1, n = p3 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      const double c = g.c, sn = g.s;
      x = {a * c * c * c, -3.0 * a * n * c * c * sn,
           -3.0 * a * n * n * (c * c * c - 2 * c * sn * sn)};
      y = {a * sn * sn * sn, 3.0 * a * n * sn * sn * c,
           3.0 * a * n * n * (2 * sn * c * c - sn * sn * sn)};
      WriteText(s, Int(a) + "\\cos^3(" + Int(n) + "t),$ \\\\[2pt] $y=" + Int(a) + "\\sin^3(" +
                       Int(n) + "t)");
      break;
    }
    case 17: {
      const int a = p2 + 1, b = p3 + 2;
      SetInstantPi(s, p3 + 1);
      const double t = s.LawFrequency;
      const double sn = std::sin(t), c = std::cos(t);
      x = {a + b * c, -b * sn, -b * c};
      y = {a * sn / c + b * sn, a / (c * c) + b * c, 2 * a * sn / (c * c * c) - b * sn};
      WriteText(s, Int(a) + "+" + Int(b) + "\\cos(t),$ \\\\[2pt] $y=" + Int(a) + "\\mbox{tg }(t)+" +
                       Int(b) + "\\sin t");
      break;
    }
    case 18: {
      const int a = p2 + 1;
      s.LawFrequency = p4;
      s.T1Text = Int(p4);
      const double t = p4;
      const Jet q{1 + t * t, 2 * t, 2};
      x = Quotient({a * (t * t - 1), 2.0 * a * t, 2.0 * a}, q);
      y = Quotient({a * (t * t * t - t), a * (3 * t * t - 1), 6.0 * a * t}, q);
      WriteText(s, "\\frac{" + Int(a) + "(t^2-1)}{1+t^2},$ \\\\[2pt] $y=\\frac{" + Int(a) +
                       "(t^2-1)t}{1+t^2}");
      break;
    }
    case 19: {
      const int a = p2 + 1, b = p4 + 1;
      SetInstantPi(s, p3 + 3);
      const Trig g = TrigAt(b, s.LawFrequency);
      x = {a * g.s, 1.0 * a * b * g.c, -1.0 * a * b * b * g.s};
      const Jet q{1 + g.s * g.s, b * g.s2, 2.0 * b * b * g.c2};
      y = Quotient({1.0 * a, 0, 0}, q);
      WriteText(s, Int(a) + "\\sin(" + Int(b) + "t),$ \\\\[2pt] $y=\\frac{" + Int(a) +
                       "}{1+\\sin^2(" + Int(b) + "t)}");
      break;
    }
    case 20: {
      const int a = p2 + 2, n = p4 + 1;
      SetInstantPi(s, n);
      const Trig g = TrigAt(n, s.LawFrequency);
      x = {a * g.c * (1 + g.c), -1.0 * a * n * g.s - 1.0 * a * n * g.s2,
           -1.0 * a * n * n * g.c - 2.0 * a * n * n * g.c2};
      y = {a * g.s * (1 + g.c), 1.0 * a * n * g.c + 1.0 * a * n * g.c2,
           -1.0 * a * n * n * g.s - 2.0 * a * n * n * g.s2};
      WriteText(s, Int(a) + "\\cos(" + Int(n) + "t)(1+\\cos(" + Int(n) + "t)),$ \\\\[2pt] $y=" +
                       Int(a) + "\\sin(" + Int(n) + "t)(1+\\cos(" + Int(n) + "t))");
      break;
    }
    case 21: {
      const int a = 4 * p2;
      s.LawFrequency = p4;
      s.T1Text = Int(p4);
      const double t = p4;
      const double ep = std::exp(t / a), em = std::exp(-t / a);
      x = {t, 1, 0};
      y = {a / 2.0 * (ep + em), (ep - em) / 2, (ep + em) / (2.0 * a)};
      WriteText(s,
                "t,$ \\\\[2pt] $y=" + Int(2 * p2) + "(e^{t/" + Int(a) + "}+e^{-t/" + Int(a) + "})");
      break;
    }
    case 22: {
      const int a = p2 + 1;
      s.LawFrequency = p4;
      s.T1Text = Int(p4);
      const double t = p4;
      const Jet q{1 + t * t, 2 * t, 2};
      x = Quotient({a * t * t, 2.0 * a * t, 2.0 * a}, q);
      y = Quotient({a * t * t * t, 3.0 * a * t * t, 6.0 * a * t}, q);
      WriteText(s, Int(a) + "t^2/(1+t^2),$ \\\\[2pt] $y=" + Int(a) + "t^3/(1+t^2)");
      break;
    }
    case 23: {
      int a = p2 + 2;
      const int b = p3 + 3;
      int n = p4 + 1;
      SetInstantPi(s, n);
      // Where 2A t1 is a whole multiple of pi the point stands still: the next P2.
      while ((a * s.P4) % (3 * n) == 0) {
        ++s.P2;
        a = s.P2 + 2;
        n = s.P4 + 1;
        SetInstantPi(s, n);
      }
      const double t = s.LawFrequency;
      const double s2 = std::sin(2 * a * t), c2 = std::cos(2 * a * t);
      x = {n * c2, -2.0 * a * n * s2, -4.0 * a * a * n * c2};
      y = {b * (1 - c2) / 2, 1.0 * a * b * s2, 2.0 * a * a * b * c2};
      WriteText(s, Int(n) + "\\cos(" + Int(2 * a) + "t),$ \\\\[2pt] $y=" + Int(b) + "\\sin^2(" +
                       Int(a) + "t)");
      break;
    }
    default:
      return;
  }
  SetComponents(s, x, y);
}

}  // namespace kinematics
