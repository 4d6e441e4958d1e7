#include <cmath>
#include <string>

#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

constexpr const char* kLetters[] = {"", "A", "B", "C"};

// 1..3 cyclically: 0 gives 3, 4 gives 1, 5 gives 2.
int Cyclic(int k) { return (k + 2) % 3 + 1; }

// The triangle ABC (points 1..3) and the point D (point 4).
struct Triangle {
  double x[5] = {}, y[5] = {};
  double side[4] = {}, median[4] = {}, height[4] = {}, slope[4] = {};
  double area = 0;

  // The shoelace area of the points i, j, k.
  double Area(int i, int j, int k) const {
    return std::fabs(x[i] * y[j] - x[j] * y[i] + x[j] * y[k] - x[k] * y[j] + x[k] * y[i] -
                     x[i] * y[k]) /
           2;
  }
};

struct Intersection {
  double kh, bh, km, bm;
};

// The height from vh and the median from vm, and their meeting point stored as point 4.
Intersection HeightMedianIntersection(Triangle& t, int vh, int vm) {
  Intersection l{};
  l.kh = -1 / t.slope[Cyclic(vh + 1)];
  l.bh = t.y[vh] - l.kh * t.x[vh];
  const double mx = (t.x[Cyclic(vm + 2)] + t.x[Cyclic(vm + 1)]) / 2;
  const double my = (t.y[Cyclic(vm + 2)] + t.y[Cyclic(vm + 1)]) / 2;
  l.km = (t.y[vm] - my) / (t.x[vm] - mx);
  l.bm = my - l.km * mx;
  t.x[4] = (l.bm - l.bh) / (l.kh - l.km);
  t.y[4] = t.x[4] * l.kh + l.bh;
  return l;
}

std::string Where(const SharedState& s, int kind) {
  return "triangle (row " + std::to_string(kind == 10 ? 14 : 15) + ", P = " +
         std::to_string(s.P1) + " " + std::to_string(s.P2) + " " + std::to_string(s.P3) + " " +
         std::to_string(s.P4) + " " + std::to_string(s.P5) + " " + std::to_string(s.P6) + " " +
         std::to_string(s.P7) + ")";
}

std::string Cell(double v, int w, int d) { return "&" + toolkit::FormatFixed(v, w, d); }

}  // namespace

void BeginPlaneTriangleProblem(SharedState& s, int kind) {
  s.ParboxWidth = 170;
  AnsWrite(s, "\\tabcolsep=2pt");
  if (kind == 10) {
    AnsBeginTable(s, 12);
    WriteLine(s,
              "Даны координаты вершин треугольника $ABC$. Найти его площадь и длины сторон, "
              "высот, медиан.");
    WriteSmallNoteLine(s, "\\\\ ");
    AnsWrite(s, " n   &$S$");
    for (int i = 1; i <= 3; ++i) {
      AnsWriteLine(s, std::string(" &$") + kLetters[i] + kLetters[Cyclic(i + 1)] + "$");
    }
    for (int i = 1; i <= 3; ++i) AnsWrite(s, std::string("   & $H_{") + kLetters[i] + "}$");
    for (int i = 1; i <= 3; ++i) AnsWrite(s, std::string("   & $M_{") + kLetters[i] + "}$");
    EndTableHeadWithReference(s, 15);
  } else {
    AnsBeginTable(s, 10);
    WriteLine(s,
              "Даны координаты вершин треугольника $ABC$.  Найти координаты точки $D$ "
              "пересечения  высоты, проведенной из вершины $V_h$  и медианы из $V_m$. "
              "Определить площадь треугольников $ABD$ и $ACD$. \\vskip1mm");
    AnsWrite(s,
             "&$k_h$&$b_h$&$k_m$&$ b_m $ & $   x_D$ & $  y_D  $ & $ S_{ABD}  $ & $ S_{ACD}$ "
             "& $S_{ABC}$\\\\\\hline");
  }
}

void WritePlaneTriangleVariant(SharedState& s, int kind) {
  const int q1 = static_cast<int>(s.P1 / 4.01) + 1;
  const int q2 = static_cast<int>(s.P2 / 4.01) + 1;
  const int q3 = static_cast<int>(s.P3 / 3.01) + 1;
  const int r1 = s.P1 % 4 + 1;
  const int r3 = s.P3 % 3 + 1;
  Triangle t;
  t.x[1] = s.P3 % 3 - s.P5;
  t.x[3] = r1 + 3 + s.P7;
  t.x[2] = toolkit::RoundHalfEven((t.x[1] + t.x[3]) / 2) + 1;
  t.y[1] = q1 - 2;
  t.y[2] = t.y[1] + q1 + q2 + 2 + s.P6;
  t.y[3] = t.y[1] + r3;

  // A zero area shifts B and C; five shifts in vain give up.
  for (int zero = 0;; ++zero) {
    if (zero > 4) throw toolkit::DegenerateDataError(Where(s, kind) + ": the area stays zero");
    t.area = t.Area(1, 2, 3);
    if (t.area != 0) break;
    t.x[2] += 1;
    t.y[3] -= 1;
  }
  for (int i = 1; i <= 3; ++i) {
    const int j = Cyclic(i + 1), k = Cyclic(i - 1);
    t.side[i] = std::hypot(t.x[j] - t.x[i], t.y[j] - t.y[i]);
    t.median[i] = std::hypot(t.x[i] - (t.x[j] + t.x[k]) / 2, t.y[i] - (t.y[j] + t.y[k]) / 2);
    t.slope[i] = (t.y[j] - t.y[i]) / (t.x[j] - t.x[i]);
  }
  for (int i = 1; i <= 3; ++i) t.height[i] = 2 * t.area / t.side[Cyclic(i + 1)];

  WriteText(s, "\\vskip2mm \\ \\ \\ ");
  for (int i = 1; i <= 3; ++i) {
    WriteText2NumbersLn(s, std::string("$") + kLetters[i] + "(", t.x[i], ",", t.y[i], ")");
    WriteText(s, i < 3 ? ",$ " : ".$ ");
  }

  const std::string number = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  if (kind == 10) {
    std::string row = number + Cell(t.area, 6, 3);
    for (const double* v : {t.side, t.height, t.median}) {
      for (int i = 1; i <= 3; ++i) row += Cell(v[i], 6, 3);
    }
    AnsWrite(s, row);
    return;
  }

  // The height and the median start at different vertices; a vertex whose point D falls on
  // a side of the triangle passes the height on to the next one.
  int vh = q3 > 3 ? 1 : q3;
  int vm = Cyclic(vh + 1);
  Intersection l{};
  for (int tries = 0;; ++tries) {
    if (tries == 3) {
      throw toolkit::DegenerateDataError(Where(s, kind) +
                                         ": every height meets its median on a side");
    }
    l = HeightMedianIntersection(t, vh, vm);
    if (t.Area(1, 2, 4) >= 1e-8 && t.Area(1, 3, 4) >= 1e-8 && t.Area(3, 2, 4) >= 1e-8) break;
    vh = Cyclic(vh + 1);
    vm = Cyclic(vh + 1);
  }
  if (!s.TicketMode) WriteText(s, "\\vskip1pt");
  WriteText(s, std::string(" \\ \\ \\ $V_h=") + kLetters[vh] + "$, $V_m=" + kLetters[vm] +
                   "$.\\\\ ");
  AnsWrite(s, number + Cell(l.kh, 6, 3) + Cell(l.bh, 7, 3) + Cell(l.km, 7, 3) +
                  Cell(l.bm, 8, 3) + Cell(t.x[4], 6, 3) + Cell(t.y[4], 7, 3) +
                  Cell(t.Area(1, 2, 4), 7, 3) + Cell(t.Area(1, 3, 4), 7, 3) +
                  Cell(t.area, 6, 2));
}

}  // namespace algebra
