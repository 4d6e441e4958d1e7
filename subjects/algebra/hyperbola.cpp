#include <cmath>
#include <string>

#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

std::string N(double x) { return toolkit::FormatNumber(x); }

struct SemiAxes {
  double a = 0, b = 0;
};

// Writes the statement of the given kind and solves the semi-axes from the data as printed.
SemiAxes WriteHyperbolaStatement(SharedState& s, int kind) {
  using toolkit::Hypot;
  using toolkit::RoundHalfEven;
  using toolkit::SqrtDiffSquares;
  // The nominal hyperbola the data are made from.
  const double a0 = s.P4 * (s.P5 + 4 + s.P6);
  const double b0 = a0 + 2 * s.P3 + s.P7 - 2;
  double c = b0 + s.P3 + 2 * s.P2;
  const double d = RoundHalfEven(a0 * a0 / c);
  double k = RoundHalfEven(10 * b0 / a0) / 10;
  double p = RoundHalfEven(b0 * b0 / a0);
  double e = RoundHalfEven(10 * c / a0) / 10;
  double x = RoundHalfEven(a0 + s.P4);
  double y = RoundHalfEven(b0 - 3 * s.P5);
  double r2 = RoundHalfEven(c * x / a0) - a0;
  double r1 = RoundHalfEven(c * x / a0) + a0;
  const std::string foci = " с фокусами  $(\\pm" + N(c) + ",0)$";

  SemiAxes r;
  if (kind < 1 || kind > 24) return r;
  if (kind != 24) WriteText(s, " Найти полуоси гиперболы");
  // b from c and a, for the kinds that find a first.
  auto b_from_c = [&] { r.b = SqrtDiffSquares(c, r.a); };
  switch (kind) {
    case 1: {
      WriteLine(s, foci + ", проходящей правой ветвью через точку ");
      WriteCoordinatePair(s, x, y);
      WriteText(s, ".");
      const double t = (x * x + y * y - c * c) / 2;
      r.b = std::sqrt(std::sqrt(t * t + c * c * y * y) - t);
      r.a = std::sqrt(c * c - r.b * r.b);
      break;
    }
    case 2:
      WriteLine(s, foci + " и {\\it эксцентриситетом }" + N(e) + ".");
      r.a = c / e;
      b_from_c();
      break;
    case 3:
      WriteLine(s, foci + " и {\\it директрисами} $x=\\pm" + N(d) + "$. ");
      r.a = std::sqrt(c * d);
      b_from_c();
      break;
    case 4:
      WriteLine(s, foci + " и фокальным параметром $p=" + N(p) + "$.");
      r.a = Hypot(p / 2, c) - p / 2;
      b_from_c();
      break;
    case 5:
      WriteLine(s, foci + ", проходящей правой ветвью через точку, лежащую на расстоянии $r_2=" +
                       N(r2) + "$ до правого фокуса и на расстоянии" + N(x) + " до оси Oy. ");
      r.a = std::sqrt(r2 / 2 * (r2 / 2) + c * x) - r2 / 2;
      b_from_c();
      break;
    case 6: {
      x = RoundHalfEven(a0 / 2);
      const double r1_far = 2 * c;
      WriteText(s, foci + ", проходящей правой ветвью через точку, лежащую на расстоянии $r_1=" +
                       N(r1_far) + "$ до левого фокуса и на расстоянии " + N(x) + " до оси Oy.");
      r.a = r1_far / 2 - std::sqrt(r1_far / 2 * (r1_far / 2) - c * x);
      b_from_c();
      break;
    }
    case 7: {
      const double far = 2 * c + s.P3;
      const double near = far - 1;
      WriteLine(s, ",  проходящей правой ветвью через точку с координатой $x=" + N(x) +
                       "$, лежащую на расстоянии $r_1=" + N(far) +
                       "$ до дальнего фокуса и на расстоянии $r_2=");
      WriteText(s, N(near) + "$ до ближнего фокуса.");
      e = (far + near) / (2 * x);
      r.a = (far - near) / 2;
      c = r.a * e;
      b_from_c();
      break;
    }
    case 8:
      if (x * x < y * y / (e * e - 1)) x = RoundHalfEven(y / std::sqrt(e * e - 1)) + 1;
      WriteText(s, " с {\\it эксцентриситетом} " + N(e) + ",  проходящей правой ветвью через точку ");
      WriteCoordinatePair(s, x, y);
      WriteLine(s, ".");
      r.a = std::sqrt(x * x - y * y / (e * e - 1));
      r.b = std::sqrt(r.a * e * (r.a * e) - r.a * r.a);
      break;
    case 9: {
      WriteText(s, " с фокальным расстоянием $p=" + N(p) + "$,  проходящей правой ветвью через точку ");
      WriteCoordinatePair(s, x, y);
      WriteLine(s, ".");
      const double t = y * y / (2 * p);
      r.a = Hypot(t, x) - t;
      r.b = std::sqrt(p * r.a);
      break;
    }
    case 10:
      WriteLine(s, " с {\\it  эксцентриситетом} " + N(e) + " и директрисами $x=\\pm" + N(d) + "$.");
      r.a = d * e;
      c = r.a * e;
      b_from_c();
      break;
    case 11:
      WriteLine(s, " с асимптотами  $y=\\pm" + N(k) + "x$ и директрисами $x=\\pm" + N(d) + "$.");
      WriteUnlessTicketMode(s, "\\\\\\rule{0pt}{22pt}");
      r.a = d * Hypot(1, k);
      r.b = r.a * k;
      break;
    case 12:
      WriteLine(s, " с асимптотами  $y=\\pm" + N(k) + "x$ и фокальным параметром $p=" + N(p) + "$.");
      r.b = p / k;
      r.a = r.b / k;
      break;
    case 13:
      if (x < y / k) k += 0.5;
      WriteLine(s, " с асимптотами  $y=\\pm" + N(k) + "x$ и точкой ");
      WriteCoordinatePair(s, x, y);
      WriteLine(s, " на правой ветви.");
      r.a = SqrtDiffSquares(x, y / k);
      r.b = r.a * k;
      break;
    case 14:
      // The focal radius from the slope as printed, so that the answer fits the printed data.
      r2 = RoundHalfEven(std::sqrt(1 + k * k) * x) - a0;
      WriteLine(s, " с асимптотами  $y=\\pm" + N(k) + "x$ и точкой с координатой $x=" + N(x) +
                       "$, лежащей на расстоянии $r_2=" + N(r2) + "$ от правого фокуса.");
      r.a = Hypot(k, 1) * x - r2;
      r.b = r.a * k;
      break;
    case 15:
      // As in kind 14: the focal radius from the printed slope keeps the point on the curve.
      r1 = RoundHalfEven(std::sqrt(1 + k * k) * x) + a0;
      WriteLine(s, " с {\\it асимптотами}  $y=\\pm" + N(k) + "x$ и точкой с координатой $x=" +
                       N(x) + "$, лежащей на расстоянии $r_1=" + N(r1) + "$ от левого фокуса.");
      r.a = r1 - Hypot(k, 1) * x;
      r.b = r.a * k;
      break;
    case 16: {
      const double radius = RoundHalfEven(b0 * b0 / a0);
      WriteLine(s, foci + ", минимальный радиус кривизны которой равен " + N(radius) + ".");
      r.a = (Hypot(radius, 2 * c) - radius) / 2;
      b_from_c();
      break;
    }
    case 17:
    case 18:
    case 19: {
      const double m = s.P5 + 2;
      e = 1 + 0.1 * s.P7;
      const char* what = kind == 17   ? ", если расстояние от фокуса гиперболы до ближайшей вершины равно "
                         : kind == 18 ? ", если расстояние от фокуса гиперболы до ближайшей директрисы равно "
                                      : ", если расстояние от вершины гиперболы до ближайшей директрисы равно ";
      WriteLine(s, " с  эксцентриситетом " + N(e) + what + N(m) + ".");
      r.a = kind == 17 ? m / (e - 1) : (kind == 18 ? m / (e - 1 / e) : m / (1 - 1 / e));
      c = r.a * e;
      b_from_c();
      break;
    }
    case 20: {
      const double m = s.P5 + 2;
      p = 2 * m + s.P3;
      WriteLine(s, " с  фокальным параметром $p=" + N(p) +
                       "$, если расстояние от фокуса гиперболы до ближайшей вершины равно " + N(m) +
                       ".");
      r.a = m * m / (p - 2 * m);
      c = r.a + m;
      b_from_c();
      break;
    }
    case 21: {
      const double m = s.P5 + 2;
      p = m + s.P4;
      WriteLine(s, " с  фокальным параметром $p=" + N(p) +
                       "$, если расстояние от фокуса гиперболы до ближайшей директрисы равно " +
                       N(m) + ".");
      r.a = p / ((p / m) * (p / m) - 1);
      r.b = std::sqrt(p * r.a);
      break;
    }
    case 22: {
      const double m = s.P5 + 1;
      p = 2 * m + s.P4;
      WriteLine(s, " с  фокальным параметром $p=" + N(p) +
                       "$, если расстояние от вершины гиперболы до ближайшей директрисы равно " +
                       N(m) + ".");
      r.a = m * (2 * p - m + std::sqrt(4 * p * m + m * m)) / (2 * (p - 2 * m));
      r.b = std::sqrt(p * r.a);
      break;
    }
    case 23: {
      const double slope = s.P3 + 1, m = s.P4;
      WriteLine(s, " с асимптотами  $y=\\pm" + N(slope) +
                       "x$ , если расстояние от вершины гиперболы до ближайшей директрисы равно " +
                       N(m) + ".");
      const double big_e = std::sqrt(slope * slope + 1);
      r.a = big_e * m / (big_e - 1);
      r.b = slope * r.a;
      break;
    }
    default: {
      const double py = s.P4 + 1, be = s.P5 + py, px = be + s.P2;
      WriteLine(s, "Эллипс, имеющий малую полуось  " + N(be) +
                       ",  пересекается с гиперболой в точке (" + N(px) + "," + N(py) +
                       ") и проходит через ее фокус. Центры эллипса и гиперболы совпадают с "
                       "началом координат. Найти полуоси гиперболы.");
      c = be * px / std::sqrt(be * be - py * py);
      const double t = c * c + px * px + py * py;
      r.a = std::sqrt((t - std::sqrt(t * t - 4 * c * c * px * px)) / 2);
      b_from_c();
      break;
    }
  }
  return r;
}

}  // namespace

void BeginHyperbolaProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 3);
  WriteLine(s, "\\centerline{Центр гиперболы совпадает с началом координат.} \\vskip3mm \\noindent");
  AnsWriteLine(s, "& $a$& $b$ \\\\\\hline ");
}

void WriteHyperbolaVariant(SharedState& s) {
  WriteText(s, "\\parbox[t][30mm]{233pt}{");
  const SemiAxes r = WriteHyperbolaStatement(s, s.P1);
  WriteText(s, "}");
  AnsWrite(s, N(toolkit::PrintedVariantNumber(s)) + "&" + toolkit::FormatFixed(r.a, 8, 4) + "&" +
                  toolkit::FormatFixed(r.b, 8, 4));
}

}  // namespace algebra
