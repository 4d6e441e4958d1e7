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
SemiAxes WriteEllipseStatement(SharedState& s, int kind) {
  using toolkit::Hypot;
  using toolkit::RoundHalfEven;
  using toolkit::SqrtDiffSquares;
  // The nominal ellipse the data are made from.
  const double a0 = s.P3 * (s.P4 + 8) + s.P6;
  const double b0 = a0 - s.P5;
  double c = a0 - 2 * s.P3;
  const double d = RoundHalfEven(a0 * a0 / c);
  const double p = RoundHalfEven(b0 * b0 / a0);
  double e = RoundHalfEven(10 * c / a0) / 10;
  double x = RoundHalfEven(a0 - 3 * s.P4);
  double y = RoundHalfEven(b0 - 3 * s.P5);
  const std::string foci = " с фокусами  $(\\pm" + N(c) + ",0)$";

  SemiAxes r;
  WriteText(s, " Найти полуоси эллипса");
  switch (kind) {
    case 1: {
      // A point on the x axis would lie between the foci, where no ellipse passes.
      if (y == 0) y = 1;
      WriteLine(s, foci + ", проходящего через точку ");
      WriteCoordinatePair(s, x, y);
      WriteText(s, ".");
      const double t = (x * x + y * y - c * c) / 2;
      r.b = std::sqrt(t + std::sqrt(t * t + c * c * y * y));
      r.a = Hypot(c, r.b);
      break;
    }
    case 2:
      WriteLine(s, foci + " и {\\it эксцентриситетом} " + N(e) + ".");
      r.a = c / e;
      r.b = SqrtDiffSquares(r.a, c);
      break;
    case 3:
      WriteLine(s, foci + " и {\\it директрисами } $x=\\pm" + N(d) + "$.");
      r.a = std::sqrt(c * d);
      r.b = SqrtDiffSquares(r.a, c);
      break;
    case 4:
      WriteLine(s, foci + " и фокальным параметром $p=" + N(p) + "$.");
      r.a = p / 2 + Hypot(p / 2, c);
      r.b = SqrtDiffSquares(r.a, c);
      break;
    case 5: {
      x = RoundHalfEven(a0 / 2);
      const double r2 = c - 1;
      WriteLine(s, foci + ", проходящего через точку, лежащую на расстоянии $r_2=" + N(r2) +
                       "$ до ближайшего фокуса и на расстоянии" + N(x) + " от оси Oy. ");
      r.a = r2 / 2 + std::sqrt(r2 / 2 * (r2 / 2) + c * x);
      r.b = SqrtDiffSquares(r.a, c);
      break;
    }
    case 6: {
      x = RoundHalfEven(a0 / 2);
      const double r1 = 2 * c;
      WriteLine(s, foci + ", проходящего через точку $M(" + N(x) +
                       ",y)$, лежащую на расстоянии $r_1=");
      WriteText(s, N(r1) + "$ до дальнего фокуса.");
      r.a = r1 / 2 + std::sqrt(r1 / 2 * (r1 / 2) - c * x);
      r.b = SqrtDiffSquares(r.a, c);
      break;
    }
    case 7: {
      const double r2 = 2 * c + s.P3;
      const double r1 = r2 + s.P4;
      x = 2 * s.P5;
      WriteLine(s, ",  проходящего через точку координатой $x=" + N(x) +
                       "$, лежащую на расстоянии $r_1=" + N(r1) +
                       "$ до дальнего фокуса и на расстоянии ");
      WriteLine(s, "$r_2=");
      WriteText(s, N(r2) + "$ до ближнего фокуса.");
      e = (r1 - r2) / (2 * x);
      r.a = (r1 + r2) / 2;
      c = r.a * e;
      r.b = SqrtDiffSquares(r.a, c);
      break;
    }
    case 8:
      WriteLine(s, " с  {\\it эксцентриситетом} " + N(e) + ",  проходящего через точку ");
      WriteCoordinatePair(s, x, y);
      WriteLine(s, ".");
      r.a = std::sqrt(y * y / (1 - e * e) + x * x);
      r.b = SqrtDiffSquares(r.a, r.a * e);
      break;
    case 9: {
      // An ellipse with its foci on Ox and the focal parameter p is at least as wide as the
      // circle of radius p: a point inside that circle lies on none (the solved b would exceed
      // a, and b^2/a would not be the focal parameter). The nominal vertex abscissa a0 is
      // outside it, since p <= a0 - 2.
      if (x * x + y * y <= p * p) x = a0;
      WriteLine(s, " с фокальным  параметром $p=" + N(p) + "$,  проходящего через точку ");
      WriteCoordinatePair(s, x, y);
      WriteLine(s, ".");
      const double t = y * y / (2 * p);
      r.a = t + Hypot(t, x);
      r.b = std::sqrt(p * r.a);
      break;
    }
    case 10:
      WriteLine(s, " с {\\it эксцентриситетом} " + N(e) + " и директрисами $x=\\pm" + N(d) + "$.");
      r.a = d * e;
      c = r.a * e;
      r.b = SqrtDiffSquares(r.a, c);
      break;
    case 11: {
      // K sits one step further from the x axis than M, so that both points lie on one
      // ellipse.
      const double xk = x - 1, yk = y < 0 ? y - 1 : y + 1;
      WriteLine(s, ",  проходящего через точку $M(" + N(x) + "," + N(y) + ")$");
      WriteLine(s, " и  точку $K(" + N(xk) + "," + N(yk) + ")$.");
      const double num = (x * yk) * (x * yk) - (xk * y) * (xk * y);
      r.a = std::sqrt(num / (yk * yk - y * y));
      r.b = std::sqrt(num / (x * x - xk * xk));
      break;
    }
    case 12:
      WriteLine(s, ",  у которого эволюта касается его вершин, а расстояние между фокусами равно " +
                       N(2 * c) + ".");
      r.a = c * std::sqrt(2.0);
      r.b = c;
      break;
    case 13:
    case 14: {
      double k = 0;
      if (kind == 13) {
        k = s.P3 <= 2 ? 2 : 3;
      } else {
        k = s.P3 == 1 ? 1.5 : (s.P3 == 2 ? 2 : 3);
      }
      WriteText(s, ",  проходящего через точку ");
      WriteCoordinatePair(s, x, y);
      if (kind == 13) {
        WriteLine(s, ", если отношение максимального радиуса кривизны эллипса к минимальному равно " +
                         N(toolkit::Power(k, 3)) + ". ");
      } else {
        WriteLine(s, ", если отношение максимального радиуса кривизны эллипса к меньшей полуоси "
                     "равно " + N(k * k) + ". ");
      }
      r.b = std::sqrt((x / k) * (x / k) + y * y);
      r.a = k * r.b;
      break;
    }
    default:
      break;
  }
  // Without foci in the data, a point and a ratio or parameter fit one ellipse with its foci
  // on Ox and another with them on Oy: the statement says which.
  if (kind == 7 || kind == 8 || kind == 9 || kind == 13 || kind == 14) {
    WriteText(s, " Центр эллипса в начале координат, фокусы на оси $Ox$.");
  } else if (kind == 11) {
    WriteText(s, " Центр эллипса совпадает с началом координат.");
  }
  return r;
}

}  // namespace

void BeginEllipseProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 3);
  WriteLine(s, " \\noindent");
  AnsWriteLine(s, "& $a$& $b$ ");
  AnsEndTableRow(s);
}

void WriteEllipseVariant(SharedState& s) {
  WriteText(s, "\\parbox[t][30mm]{233pt}{");
  const SemiAxes r = WriteEllipseStatement(s, s.P1);
  WriteText(s, "}");
  AnsWrite(s, N(toolkit::PrintedVariantNumber(s)) + "&" + toolkit::FormatFixed(r.a, 8, 4) + "&" +
                  toolkit::FormatFixed(r.b, 8, 4));
}

}  // namespace algebra
