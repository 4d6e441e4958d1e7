#include "subjects/structural/bent_rod_deformation.h"

#include <algorithm>
#include <array>
#include <utility>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// Turns of segments 2..4 (P1) and their signs (P2): digit k of row r is entry k.
constexpr int kBentRodTurnTable[8][3] = {{1, 1, 1}, {1, 1, 2}, {1, 2, 1}, {1, 2, 2},
                                         {2, 1, 1}, {2, 1, 2}, {2, 2, 1}, {2, 2, 2}};

// Picture steps per metre along the axes: axis 1 obliquely, axis 2 to the right, axis 3 up.
constexpr double kStepX[3] = {-3, 3.5, 0};
constexpr double kStepY[3] = {-3, 0, 4};

// Picture direction of an arrow along each axis, as the figure draws P and G.
constexpr int kArrowX[3] = {1, 1, 0};
constexpr int kArrowY[3] = {1, 0, 1};

// Variants in one answers paragraph: the pages break only between paragraphs, and one
// variant's diagrams fill a third of a page.
constexpr int kVariantsPerParagraph = 1;

BentRodVector Cross(const BentRodVector& a, const BentRodVector& b) {
  BentRodVector c{};
  c[1] = a[2] * b[3] - a[3] * b[2];
  c[2] = a[3] * b[1] - a[1] * b[3];
  c[3] = a[1] * b[2] - a[2] * b[1];
  return c;
}

BentRodVector Minus(const BentRodVector& a, const BentRodVector& b) {
  BentRodVector c{};
  for (int i = 1; i <= 3; ++i) c[i] = a[i] - b[i];
  return c;
}

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

// How long the part of the segment (ax, ay)-(bx, by) inside the box [x0, x1] x [y0, y1] is
// (Liang-Barsky clipping).
double LengthInside(double ax, double ay, double bx, double by, double x0, double y0, double x1,
                    double y1) {
  const double dx = bx - ax, dy = by - ay;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return 0;
    } else {
      const double r = q[i] / p[i];
      if (p[i] < 0) {
        t0 = std::max(t0, r);
      } else {
        t1 = std::min(t1, r);
      }
    }
  }
  return t1 > t0 ? (t1 - t0) * std::hypot(dx, dy) : 0;
}

// Where a picture vector of length `len` (picture mode's: along x unless upright) from (x, y)
// with slope (dx, dy) ends.
std::pair<double, double> VectorEnd(double x, double y, int dx, int dy, double len) {
  if (dx == 0) return {x, y + (dy > 0 ? len : -len)};
  return {x + (dx > 0 ? len : -len), y + len * dy / std::abs(dx)};
}

struct ForceMark {
  int dx, dy, ox, oy;
};

// P's arrow and its label's offset by segment 4's axis and P's axis.
ForceMark PMark(int a4, int axis) {
  if (axis == 1) return {1, 1, 19, 19};
  if (axis == 2) return a4 == 1 ? ForceMark{1, 0, 11, 2} : ForceMark{1, 0, 6, 2};
  return {0, 1, 2, 8};
}

ForceMark GMark(int g) {
  if (g == 1) return {1, 1, 11, 21};
  if (g == 2) return {1, 0, 16, 2};
  return {0, -1, 2, -16};
}

void AnsPlaceBentRodForceP(SharedState& s, const ForceMark& p) {
  AnsDrawRedVectorWithLabel(s, p.dx, p.dy, "{\\small $P$}", s.PointX[5], s.PointY[5], 20, p.ox,
                            p.oy);
}

// Stations along segment sgm: the picture displacement d along its direction and the count n.
struct Stations {
  double dx, dy, d;
  int n;
};

Stations StationsOf(const SharedState& s, int sgm, int axis) {
  Stations st{};
  st.dx = s.PointX[sgm + 1] - s.PointX[sgm];
  st.dy = s.PointY[sgm + 1] - s.PointY[sgm];
  st.d = axis == 3 ? st.dy : st.dx;
  // At least one stroke, so that a short segment still shows its diagram.
  st.n = std::max(1, Round(std::fabs(st.d) / 3));
  return st;
}

void StationBase(const SharedState& s, int sgm, int axis, const Stations& st, int j, double& x,
                 double& y) {
  const double step = j * st.d / st.n;
  x = s.PointX[sgm] + (axis == 3 ? 0 : step);
  y = s.PointY[sgm] + (axis == 2 ? 0 : step);
}

// Places a diagram's value (written with one decimal) at (x, y) or the nearest
// point clear of the labels placed before; a value equal to one placed at nearly the same
// point (two segments meeting at a point) is not written again.
class DiagramValues {
 public:
  explicit DiagramValues(figures::LabelSpacing& placed) : placed_(placed) {}

  void Put(SharedState& s, double x, double y, double v) {
    if (std::fabs(v) <= 1e-8) return;
    const std::string text = toolkit::FormatNumberOneDecimal(s.LabelAbsolute ? std::fabs(v) : v);
    for (const Written& w : written_) {
      if (w.text == text && std::fabs(w.x - x) < 3 && std::fabs(w.y - y) < 3) return;
    }
    written_.push_back({text, x, y});
    const auto [cx, cy] = placed_.Clear(x, y, figures::LabelWidth(text, 8), 5.5, 16);
    AnsPutValueLabelOneDecimal(s, cx, cy, v);
  }

 private:
  struct Written {
    std::string text;
    double x, y;
  };
  figures::LabelSpacing& placed_;
  std::vector<Written> written_;
};

// Records the box of a label already written at (x, y), in picture units of `unit` pt.
void ReserveLabel(figures::LabelSpacing& placed, std::string_view text, double x, double y,
                  double size) {
  // A little above the capital's height: the labels placed later reach below their baselines
  // by their subscripts' depth.
  placed.Clear(x, y, figures::LabelWidth(text, size), size * 0.75 + 1.5, 0);
}

const char* ColourOpening(int axis) {
  return axis == 1 ? "\\Blue{%" : axis == 2 ? "\\OliveGreen{%" : "{%";
}

void DrawBendingDiagrams(SharedState& s, const BentRodVariant& v, double k,
                         DiagramValues& values) {
  for (int sgm = 1; sgm <= 4; ++sgm) {
    const int a = v.Axis[sgm];
    const Stations st = StationsOf(s, sgm, a);
    const int sx = toolkit::SignOf(st.dx);
    const int sy = toolkit::SignOf(st.dy);
    for (int c = 1; c <= 3; ++c) {
      if (c == a) continue;
      const double ma = v.M[sgm][c];
      const double mb = v.M[sgm + 1][c];
      if (ma == 0 && mb == 0) continue;
      double ux = 0, uy = 0;
      if (a == 1) {
        if (c == 2) uy = sx;
        else ux = -sx;
      } else if (a == 2) {
        if (c == 1) {
          uy = sx;
        } else {
          ux = sx;
          uy = sx;
        }
      } else {
        if (c == 1) {
          ux = -sy;
        } else {
          ux = -sy;
          uy = -sy;
        }
      }
      AnsWriteLine(s, ColourOpening(a));
      for (int j = 0; j <= st.n; ++j) {
        double bx, by;
        StationBase(s, sgm, a, st, j, bx, by);
        const double h = k * (ma + (mb - ma) * j / st.n);
        AnsDrawSegment(s, bx, by, bx + h * ux, by + h * uy);
      }
      const double xa = s.PointX[sgm] + k * ma * ux;
      const double ya = s.PointY[sgm] + k * ma * uy;
      const double xb = s.PointX[sgm + 1] + k * mb * ux;
      const double yb = s.PointY[sgm + 1] + k * mb * uy;
      values.Put(s, xa, ya, std::fabs(ma));
      values.Put(s, xb, yb, std::fabs(mb));
      AnsWriteLine(s, "}\\Brown{%");
      AnsMoveTo(s, s.PointX[sgm], s.PointY[sgm]);
      AnsLineTo(s, xa, ya);
      AnsLineTo(s, xb, yb);
      AnsLineTo(s, s.PointX[sgm + 1], s.PointY[sgm + 1]);
      AnsWriteLine(s, "}%");
    }
  }
}

void DrawTorsionDiagrams(SharedState& s, const BentRodVariant& v, double k,
                         DiagramValues& values) {
  for (int sgm = 1; sgm <= 4; ++sgm) {
    const int a = v.Axis[sgm];
    const double t = v.M[sgm][a];
    if (t == 0) continue;
    const Stations st = StationsOf(s, sgm, a);
    const double h = k * t;
    const double ux = a == 2 ? 0 : 1;
    const double uy = a == 2 ? 1 : 0;
    AnsWriteLine(s, a == 1 ? "\\Blue{%" : "\\OliveGreen{%");
    const double o = h + 5 * toolkit::SignOf(t) - 1;
    const double shown = v.Length[sgm] > 0 ? t : -t;
    const double mx = MidX(s, sgm, sgm + 1);
    const double my = MidY(s, sgm, sgm + 1);
    values.Put(s, mx + o, a == 1 ? my : my + o, shown);
    for (int j = 0; j <= st.n; ++j) {
      double bx, by;
      StationBase(s, sgm, a, st, j, bx, by);
      AnsDrawSegment(s, bx, by, bx + h * ux, by + h * uy);
    }
    AnsWrite(s, "}\\Brown{");
    AnsMoveTo(s, s.PointX[sgm], s.PointY[sgm]);
    AnsLineTo(s, s.PointX[sgm] + h * ux, s.PointY[sgm] + h * uy);
    AnsLineTo(s, s.PointX[sgm + 1] + h * ux, s.PointY[sgm + 1] + h * uy);
    AnsLineTo(s, s.PointX[sgm + 1], s.PointY[sgm + 1]);
    AnsWriteLine(s, "}%");
  }
}

}  // namespace

BentRodVariant DeriveBentRodVariant(int p1, int p2, int p3, int /*p4*/, int p5, int p6, int p7) {
  BentRodVariant v;
  v.Length[1] = 2;
  v.Axis[1] = 1;
  const int lengths[4] = {2, 2, p3, 3};
  for (int k = 1; k <= 3; ++k) {
    const int t = kBentRodTurnTable[p1 - 1][k - 1];
    const int a = v.Axis[k];
    v.Axis[k + 1] = a == 1 ? t + 1 : a == 2 ? 2 * t - 1 : t;
    const int sign = kBentRodTurnTable[p2 - 1][k - 1] == 1 ? -1 : 1;
    v.Length[k + 1] = sign * lengths[k];
  }
  for (int k = 1; k <= 4; ++k) {
    v.R[k + 1] = v.R[k];
    v.R[k + 1][v.Axis[k]] += v.Length[k];
  }

  const int a4 = v.Axis[4];
  static constexpr int kPAxis[3][2] = {{3, 2}, {1, 3}, {1, 2}};
  v.PAxis = kPAxis[a4 - 1][p5 - 1];
  v.P = p6;
  v.PLoad[v.PAxis] = v.PAxis == 1 ? -v.P : v.P;
  // G lies on the axis across segments 2 and 3 and acts as its arrow is drawn: along -axis 1,
  // +axis 2 or -axis 3.
  v.GAxis = 6 - v.Axis[2] - v.Axis[3];
  v.G = p7;
  v.GLoad[v.GAxis] = v.GAxis == 2 ? v.G : -v.G;

  for (int k = 1; k <= 5; ++k) {
    v.MP[k] = Cross(Minus(v.R[5], v.R[k]), v.PLoad);
    v.M[k] = v.MP[k];
    if (k <= 2) {
      const BentRodVector mg = Cross(Minus(v.R[3], v.R[k]), v.GLoad);
      for (int c = 1; c <= 3; ++c) v.M[k][c] += mg[c];
    }
    for (int c = 1; c <= 3; ++c) v.MomentMax = std::max(v.MomentMax, std::fabs(v.M[k][c]));
  }

  // The unit-load method: the diagram of P divided by P is the unit diagram.
  for (int sgm = 1; sgm <= 4; ++sgm) {
    const double l = std::abs(v.Length[sgm]);
    double share = 0;
    for (int c = 1; c <= 3; ++c) {
      const double d = c == v.Axis[sgm] ? kBentRodTorsionStiffness : kBentRodBendingStiffness;
      const double ma = v.M[sgm][c], mb = v.M[sgm + 1][c];
      const double ua = v.MP[sgm][c], ub = v.MP[sgm + 1][c];
      share += l / 6 * (2 * ma * ua + ma * ub + mb * ua + 2 * mb * ub) / d / v.P;
    }
    v.Share[sgm] = share;
    v.Displacement += share;
    const double d = v.Axis[sgm] == a4 ? kBentRodTorsionStiffness : kBentRodBendingStiffness;
    v.Rotation += l * (v.M[sgm][a4] + v.M[sgm + 1][a4]) / 2 / d;
  }
  return v;
}

void BeginBentRodDeformationProblem(SharedState& s) {
  BeginSaveBox(s, "zadelkast");
  // The wall face across the rod's first segment, broken off along its top and right edges,
  // and the axes beside it.
  WriteText(s, "\\put(5,25){\\bezier{15}(0,0)(5,1)(10,0)\\bezier{15}(10,0)(15,-2)(20,0)}");
  MoveTo(s, 5, 25);
  LineTo(s, 5, 5);
  LineTo(s, 25, 5);
  // The axes right of the wall, where the rod, which leaves the wall toward the viewer, does
  // not run at first, and no higher than the wall's top.
  DrawVector(s, -1, -1, 34, 14, 5);
  PutLabel(s, "$x$", 26, 5);
  DrawVector(s, 1, 0, 34, 14, 8);
  PutLabel(s, "$y$", 43, 12);
  DrawVector(s, 0, 1, 34, 14, 8);
  PutLabel(s, "$z$", 35, 21);
  WriteText(s, "\\put(25,5){\\bezier{18}(0,0)(-1,5)(0,10)\\bezier{18}(0,10)(1,15)(0,20)}");
  EndSaveBox(s);
  WriteLine(s, "\\newsavebox{\\prstrama}");
  s.ParboxWidth = 190;
  Ans2BeginTable(s, 6);
  Ans2Write(s,
            "\\No\\ru &$\\Delta_{1-2}$&$\\Delta_{2-3}$&$\\Delta_{3-4}$&$\\Delta_{4-5}$&"
            "$\\sum\\Delta$&$\\Delta\\varphi\\cdot10^2$ \\\\\\hline");
  WriteLine(s,
            " Участки изогнутого стержня параллельны осям координат.  К стержню приложены силы "
            "$G$ и $P$.  Построить эпюры изгибающих и крутящих моментов. Определить перемещения "
            "конца стержня (в см) по направлению действия силы $P$,  пренебрегая весом стержня и "
            "влиянием нормальных и перерезывающих сил.  Найти угол поворота концевого сечения "
            "относительно оси участка 4. Принять жесткость на изгиб  "
            "$EJ_x=EJ_y=9.8\\cdot10^5$~Нм$^2$, на кручение $EJ_0=7.6\\cdot10^5$~Нм$^2$."
            "\\vskip2mm\\noindent ");
}

void WriteBentRodDeformationVariant(SharedState& s) {
  const BentRodVariant v = DeriveBentRodVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  ClearPoints(s, 5);
  for (int k = 1; k <= 5; ++k) {
    s.PointX[k] = 0;
    s.PointY[k] = 0;
    for (int c = 1; c <= 3; ++c) {
      s.PointX[k] += kStepX[c - 1] * v.R[k][c];
      s.PointY[k] += kStepY[c - 1] * v.R[k][c];
    }
  }
  s.PointX[6] = 0;
  s.PointY[6] = s.PointY[3] - 3;
  // The box leaves room for the force G (20 long, with its letter) and the wall beyond the
  // rod's points, inside a picture that leaves the data column beside it free.
  s.BoxWidth = 70;
  s.BoxHeight = 68;
  FitPointsToBox(s, 6, 0);
  BeginPicture(s, 122, 112, -9, -13);
  auto& x = s.PointX;
  auto& y = s.PointY;
  const ForceMark pm = PMark(v.Axis[4], v.PAxis);
  const ForceMark gm = GMark(v.GAxis);
  // The rod runs toward the viewer from the wall, so all of it stands in front of the wall's
  // face; drawn across the face's edges it reads as run through the wall. The face (with the
  // axes beside it) goes right of the clamped end and above it, or to its left or below it
  // where the rod and its forces cross less of it there, inside the picture.
  std::vector<std::array<double, 4>> drawn;
  for (int k = 2; k <= 4; ++k) drawn.push_back({x[k], y[k], x[k + 1], y[k + 1]});
  const auto [pex, pey] = VectorEnd(x[5], y[5], pm.dx, pm.dy, 19);
  drawn.push_back({x[5], y[5], pex, pey});
  const auto [gex, gey] = VectorEnd(x[3], y[3], gm.dx, gm.dy, 20);
  drawn.push_back({x[3], y[3], gex, gey});
  const auto covered = [&](double bx, double by) {
    double length = 0;
    for (const auto& [ax, ay, ex, ey] : drawn) {
      length += LengthInside(ax, ay, ex, ey, bx + 5, by + 5, bx + 25, by + 25) +
                LengthInside(ax, ay, ex, ey, bx + 26, by + 5, bx + 48, by + 28);
    }
    return length;
  };
  double wall_x = x[1] - 10, wall_y = y[1] - 12;
  double least = covered(wall_x, wall_y);
  for (const double bx : {x[1] - 10, x[1] - 27}) {
    for (const double by : {y[1] - 12, y[1] - 22}) {
      if (bx + 5 < -9 || by + 5 < -13) continue;
      if (const double c = covered(bx, by); c < least - 0.5) {
        least = c;
        wall_x = bx;
        wall_y = by;
      }
    }
  }
  PutBox(s, "zadelkast", wall_x, wall_y);
  SetLineWidth(s, 9);
  MoveToPoint(s, 1);
  for (int k = 2; k <= 5; ++k) LineToPoint(s, k);
  // The letters P and G and the segments' numbers beside their middles, moved clear of the
  // wall's face, the axes by the wall and each other.
  figures::LabelSpacing placed;
  placed.Clear(wall_x + 5, wall_y + 5, 20, 21, 0);
  placed.Clear(wall_x + 26, wall_y + 5, 22, 23, 0);  // the axes with their letters
  const auto [px, py] =
      placed.Clear(x[5] + pm.ox, y[5] + pm.oy, figures::LabelWidth("$P$", 8), 7, 24);
  DrawThickRedVector(s, pm.dx, pm.dy, x[5], y[5], 19);
  PutLabel(s, "$P$", px, py);
  const auto [gx, gy] =
      placed.Clear(x[3] + gm.ox, y[3] + gm.oy, figures::LabelWidth("$G$", 10.95), 8.2, 24);
  DrawThickRedVector(s, gm.dx, gm.dy, x[3], y[3], 20);
  PutLabel(s, "{\\small $G$}", gx, gy);
  for (int sgm = 1; sgm <= 4; ++sgm) {
    const double mx = MidX(s, sgm, sgm + 1);
    const double my = MidY(s, sgm, sgm + 1);
    const auto [nx, ny] = v.Axis[sgm] == 3 ? placed.Clear(mx + 2, my, 4, 5.5, 8)
                                           : placed.Clear(mx, my + 2, 4, 5.5, 8);
    PutValueLabel(s, nx, ny, sgm);
  }
  EndPicture(s);

  WriteText(s, "\\hfill\\parbox[b]{60pt}{");
  for (int i = 1; i <= 4; ++i) {
    WriteText2NumbersLn(s, " $L_{", i, "}=", std::abs(v.Length[i]), "$~м,\\\\ ");
  }
  WriteTextNumberLn(s, " $P=", v.P, "$~кН,\\\\ ");
  WriteTextNumberLn(s, " $G=", v.G, "$~кН.\\\\\\rule{0pt}{15pt}} ");

  // Newtons and centimetres: the shares are printed times 10^5.
  Ans2WriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (int sgm = 1; sgm <= 4; ++sgm) {
    Ans2WriteLine(s, " & " + toolkit::FormatFixed(1e5 * v.Share[sgm], 6, 3));
  }
  Ans2WriteLine(s, " & " + toolkit::FormatFixed(1e5 * v.Displacement, 6, 3) + " & " +
                       toolkit::FormatFixed(1e5 * v.Rotation, 6, 3));

  // The diagrams: the rod and its loads once in a savebox, then the bending and the torsion
  // pictures over it. Pages break only between answers paragraphs.
  if (s.DocumentMode == 0 && !s.TicketMode && s.VariantIndex > 1 &&
      (s.VariantIndex - 1) % kVariantsPerParagraph == 0) {
    AnsWrite(s, "}\\par \\parbox{430pt}{");
  }
  // The answers have the width of the page: their diagrams are drawn larger than the
  // statement's figure, in units of 1.2 pt, so that the values stand further apart.
  AnsWrite(s, "\\unitlength=1.2pt");
  AnsWrite(s, "\\savebox{\\prstrama}{");
  AnsDrawRedVectorWithLabel(s, gm.dx, gm.dy, "{\\small $G$}", x[3], y[3], 20, gm.ox, gm.oy);
  AnsSetLineWidth(s, 9);
  AnsMoveToPoint(s, 1);
  for (int k = 2; k <= 5; ++k) AnsLineToPoint(s, k);
  AnsSetLineWidth(s, 2);
  AnsPlaceBentRodForceP(s, pm);
  AnsWrite(s, "}");
  const double k = 12 / v.MomentMax;
  AnsBeginVariantBox(s, 200);
  // Each diagram over the rod. The values keep clear of the letters G and P, of the diagram's
  // name and of each other.
  auto diagram = [&](double width, double name_dx, const std::string& name, auto draw) {
    AnsBeginPicture(s, width, 113, -30, -13);
    AnsWriteLine(s, "\\usebox{\\prstrama}%");
    figures::LabelSpacing placed(1.2);
    ReserveLabel(placed, "$G$", x[3] + gm.ox, y[3] + gm.oy, 10.95);
    ReserveLabel(placed, "$P$", x[5] + pm.ox, y[5] + pm.oy, 10.95);
    const auto [tx, ty] =
        placed.Clear(x[1] + name_dx, y[1] + 5, figures::LabelWidth(name, 12) + 3, 11, 14);
    DiagramValues values(placed);
    draw(s, v, k, values);
    AnsPutText(s, "{\\large" + name + "}", tx, ty);
    AnsEndPicture(s);
  };
  diagram(165, 15, "$M_{изг}$", DrawBendingDiagrams);
  diagram(145, 1, "$M_{кр}$", DrawTorsionDiagrams);
  AnsWrite(s, "\\unitlength=1pt");
  AnsWriteLine(s, "}}\\\\ ");
}

}  // namespace structural
