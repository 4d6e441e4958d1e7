#include "subjects/structural/plate_on_four_rods.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// The plate's corners, clockwise from the upper left.
constexpr double kCornerX[4] = {0, 40, 40, 0};
constexpr double kCornerY[4] = {20, 20, 0, 0};

int WrapCandidate(int k) { return (k - 1) % 12 + 1; }

struct RodGeometry {
  toolkit::IndexedArray<double, 1, 4> ex{}, ey{}, mu{}, length{}, c{};
};

// Unit vectors, arms and the compatibility coefficients C_i of the rods as placed in v: the
// cofactors of the equilibrium columns (ex, ey, mu), so that sum C_i·delta_i = 0 for every
// rigid motion of the plate.
RodGeometry Geometry(const PlateOnFourRodsVariant& v) {
  RodGeometry g;
  for (int i = 1; i <= 4; ++i) {
    const double dx = v.X[i + 4] - v.X[i];
    const double dy = v.Y[i + 4] - v.Y[i];
    g.length[i] = toolkit::Hypot(dx, dy);
    g.ex[i] = dx / g.length[i];
    g.ey[i] = dy / g.length[i];
    g.mu[i] = g.ey[i] * v.X[i] - g.ex[i] * v.Y[i];
  }
  auto kappa = [&g](int i, int j) { return g.ex[i] * g.ey[j] - g.ey[i] * g.ex[j]; };
  const auto& mu = g.mu;
  g.c[1] = -(mu[4] * kappa(2, 3) + mu[3] * kappa(4, 2) + mu[2] * kappa(3, 4));
  g.c[2] = mu[4] * kappa(1, 3) + mu[3] * kappa(4, 1) + mu[1] * kappa(3, 4);
  g.c[3] = -(mu[4] * kappa(1, 2) + mu[2] * kappa(4, 1) + mu[1] * kappa(2, 4));
  g.c[4] = mu[3] * kappa(1, 2) + mu[2] * kappa(3, 1) + mu[1] * kappa(2, 3);
  return g;
}

// The plate is held when the rods' equilibrium columns have rank 3, that is when not all
// their cofactors vanish.
bool Held(const RodGeometry& g) {
  double largest = 0;
  for (int i = 1; i <= 4; ++i) largest = std::max(largest, std::fabs(g.c[i]));
  return largest > 1e-3;
}

}  // namespace

void RodAnchorPosition(int candidate, int p5, int p6, int p7, double& x, double& y) {
  const double a = p5 + 12;
  const double b = p6 + 12;
  const double c = p7 + 52;
  const double xs[12] = {-a, -a, -a, 0, 40, c, c, c, c, 40, 0, -a};
  const double ys[12] = {0, 20, b + 20, b + 20, b + 20, b + 20, 20, 0, -b, -b, -b, -b};
  x = xs[candidate - 1];
  y = ys[candidate - 1];
}

PlateOnFourRodsVariant DerivePlateOnFourRodsVariant(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7) {
  PlateOnFourRodsVariant v;
  v.P = p1 + 4;
  v.m = (2 * p2 + 5) * (p1 - 3);
  if (v.m == 0) v.m = 10;
  const int p[4] = {p1, p2, p3, p4};
  for (int i = 1; i <= 4; ++i) {
    v.X[i] = kCornerX[i - 1];
    v.Y[i] = kCornerY[i - 1];
    v.Anchor[i] = WrapCandidate(p[i - 1] + 3 * i - 2);
    RodAnchorPosition(v.Anchor[i], p5, p6, p7, v.X[i + 4], v.Y[i + 4]);
  }
  RodGeometry g = Geometry(v);
  // Parallel rods, or four rod lines through one point, leave the plate free; such a
  // setting never gave a document, so rod 4 takes the next anchor until the plate is held.
  for (int tries = 1; !Held(g); ++tries) {
    if (tries == 12) {
      throw toolkit::DegenerateDataError("plate on four rods: no anchor of rod 4 holds the plate");
    }
    v.Repaired = true;
    v.Anchor[4] = WrapCandidate(v.Anchor[4] + 1);
    RodAnchorPosition(v.Anchor[4], p5, p6, p7, v.X[8], v.Y[8]);
    g = Geometry(v);
  }

  auto m = std::make_unique<Mechanics>();
  ClearLinearSystem(*m, 4);
  for (int i = 1; i <= 4; ++i) {
    v.Length[i] = g.length[i];
    v.Compatibility[i] = g.length[i] * g.c[i];
    m->SystemMatrix[1][i] = g.ex[i];
    m->SystemMatrix[2][i] = g.ey[i];
    m->SystemMatrix[3][i] = g.mu[i];
    m->SystemMatrix[4][i] = v.Compatibility[i];
  }
  m->SystemRhs[1][1] = 0;
  m->SystemRhs[2][1] = v.P;
  m->SystemRhs[3][1] = 20.0 * v.P - v.m;
  m->SystemRhs[4][1] = 0;
  SolveLinearSystem(*m, 4, 1, "plate on four rods");
  for (int i = 1; i <= 4; ++i) v.S[i] = m->SystemRhs[i][1];
  return v;
}

void BeginPlateOnFourRodsProblem(SharedState& s) {
  s.BoxWidth = 140;
  s.BoxHeight = 60;
  s.ParboxWidth = 174;
  ClearPoints(s, 9);
  WriteText(s, "\\definecolor{gren}{rgb}{1,1,0.9}");
  // The plate is 40 by 20 picture units whatever the fonts: a box sized by a letter's width
  // would leave the corners, and so the rods, off its edges. The variant places the box 0.5
  // left of and 4.5 above the plate's lower left corner, which the offsets here take back.
  // The box is saved at the unit the variants' pictures use.
  WriteText(s, "\\unitlength=1.35pt");
  BeginSaveBox(s, "plastina");
  WriteText(s,
            "\\put(0.5,-4.5){\\setlength{\\fboxsep}{0pt}"
            "\\fcolorbox{black}{gren}{\\makebox(40,20){}}}");
  PutLabel(s, "4", 2, -3);
  PutLabel(s, "1", 2, 10);
  PutLabel(s, "3", 36, -3);
  PutLabel(s, "2", 36, 10);
  EndSaveBox(s);
  WriteText(s, "\\unitlength=1pt");
  WriteLine(s,
            " Однородная пластина весом $P$ удерживается в вертикальной плоскости четырьмя "
            "стержнями одинаковой жесткости. На пластину действует момент $m$. Размеры даны в "
            "см. Найти усилия в стержнях.\\\\ \\noindent");
  Ans2BeginTable(s, 12);
  Ans2WriteLine(s, std::string("\\No & уравнение совместности") + NamesHeadCell(s) +
                       " \\\\\\hline ");
  AnsBeginTable(s, 12);
  AnsWriteLine(s, " \\ru\\No &\\mc{$S_1$}&\\mc{$S_2$}&\\mc{$S_3$}&\\mc{$S_4$}\\\\ \\hline");
}

void WritePlateOnFourRodsVariant(SharedState& s) {
  const PlateOnFourRodsVariant v =
      DerivePlateOnFourRodsVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int number = toolkit::PrintedVariantNumber(s);

  // The compatibility equation goes to the second answers table, the forces to the first.
  AnsWriteLine(s, std::to_string(number));
  Ans2WriteLine(s, std::to_string(number) + "&");
  for (int i = 1; i <= 3; ++i) {
    Ans2WriteLine(s, " $S_" + std::to_string(i) + "(" +
                         toolkit::FormatFixed(v.Compatibility[i], 6, 3) + ")$+");
  }
  // The names column is there in students mode only.
  Ans2WriteLine(s, "$S_4(" + toolkit::FormatFixed(v.Compatibility[4], 6, 3) + ")=0$" +
                       (s.StudentsMode ? "&" + s.StudentNames[s.VariantIndex + 1] : std::string()) +
                       " ");
  for (int i = 1; i <= 4; ++i) AnsWriteLine(s, "&" + toolkit::FormatFixed(v.S[i], 6, 3) + " ");

  ClearPoints(s, 9);
  for (int i = 1; i <= 8; ++i) {
    s.PointX[i] = v.X[i];
    s.PointY[i] = v.Y[i];
  }
  s.PointX[9] = 0;
  s.PointY[9] = 0;
  FitPointsToBox(s, 9, 1);
  // Centimetres at 1.35 pt, while the supports keep their size: two anchors 13 cm apart then
  // hold supports that stand clear of each other.
  WriteText(s, "\\unitlength=1.35pt");
  BeginPicture(s, 108, 79, -8, -16);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(s, i);
  // Anchors above the plate's lower edge hang their support from above.
  for (int i = 5; i <= 8; ++i) {
    if (y[i] > y[4]) {
      PutUpHingeBoxAtPoint(s, i);
    } else {
      PutHingeBoxAtPoint(s, i);
    }
  }
  PutBox(s, "plastina", x[9] - 0.5, y[9] + 4.5);
  SetLineWidth(s, 6);
  for (int i = 1; i <= 4; ++i) DrawBar(s, i, i + 4);
  SetLineWidth(s, 1);
  // The dimensions right of the anchors and below the supports' ground.
  DrawDimensionChains(s, 8, s.RangeX + 12, -14, 0, 1, 1, 7);
  PutBox(s, v.m > 0 ? "vmomentp" : "vmoment", x[9] + 20, y[9] + 11);
  PutLabel(s, "$m$", x[9] + 20, y[9] + 9);
  EndPicture(s);
  WriteText(s, "\\unitlength=1pt");

  WriteTextNumberLn(s, "\\par {\\small $P=", v.P, "$~Н, ");
  WriteTextNumberLn(s, "$m=", std::abs(v.m) * 0.01, "$~Нм.} ");
}

}  // namespace structural
