#include "subjects/structural/parabolic_arch.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

// The section asked for, in sixths of the span, by P7.
constexpr int SectionTable[4] = {1, 2, 4, 5};
// The sixths of the span where the two forces act, by P1.
constexpr int ForcePlaceTable[6][2] = {{1, 2}, {1, 4}, {1, 5}, {2, 4}, {2, 5}, {4, 5}};

// The rectangular section of the arch is h = 0.6 m high: EJ / EA = h^2 / 12.
constexpr double kSectionHeight = 0.6;
constexpr int kQuadratureIntervals = 121;

double ForceMoment(double F, double a, double x) { return x > a ? F * (x - a) : 0; }
double ForceShear(double F, double a, double x) { return x >= a ? F : 0; }

std::string Fixed(double x, int decimals) { return toolkit::FormatFixed(x, 6, decimals); }

}  // namespace

double ArchOrdinate(double f, double l, double x) { return f * x * (2 * l - x) / (l * l); }

double ArchVariant::BeamMoment(double x) const {
  const double a = X[6], b = X[7];
  const double nq = Round(b - a), xq = (a + b) / 2;
  double load = 0;
  if (x > a && x < b) load = q * (x - a) * (x - a) / 2;
  if (x >= b) load = q * nq * (x - xq);
  return VA * x - ForceMoment(F1, X[2], x) - ForceMoment(F2, X[3], x) - load;
}

double ArchVariant::BeamShear(double x) const {
  const double a = X[6], b = X[7];
  double load = 0;
  if (x > a && x < b) load = q * (x - a);
  if (x >= b) load = q * Round(b - a);
  return VA - ForceShear(F1, X[2], x) - ForceShear(F2, X[3], x) - load;
}

namespace {

double TanAt(const ArchVariant& v, double x) { return (v.l - x) * 2.0 * v.f / (v.l * v.l); }
double SinAt(const ArchVariant& v, double x) {
  const double t = TanAt(v, x);
  return t / std::hypot(1.0, t);
}
double CosAt(const ArchVariant& v, double x) { return 1 / std::hypot(1.0, TanAt(v, x)); }
// The moment of the unit state, a unit moment at the crown: y / f.
double UnitMoment(const ArchVariant& v, double x) { return x * (2.0 * v.l - x) / (v.l * v.l); }

}  // namespace

double ArchVariant::Moment(double x) const { return BeamMoment(x) - H * ArchOrdinate(f, l, x); }

double ArchVariant::Shear(double x) const {
  return BeamShear(x) * CosAt(*this, x) - H * SinAt(*this, x);
}

double ArchVariant::Normal(double x) const {
  return -BeamShear(x) * SinAt(*this, x) - H * CosAt(*this, x);
}

double ArchVariant::TwoHingedMoment(double x) const {
  return Moment(x) + X1 * UnitMoment(*this, x);
}

ArchVariant DeriveArchVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int mode) {
  if (p1 < 1 || p1 > 6 || p7 < 1 || p7 > 4 || p4 < 1) {
    throw toolkit::DegenerateDataError("parabolic arch: no such layout");
  }
  ArchVariant v;
  v.l = p4 + 10;
  v.F1 = p5 + 1;
  v.F2 = p6 + 1;
  if (v.F1 == v.F2) ++v.F1;
  v.q = p7 + 1;
  v.f = Round(0.7 * v.l);
  const double h = 2.0 * v.l / 6;
  v.x1 = Round(h * SectionTable[p7 - 1]);
  auto& X = v.X;
  X[1] = 0;
  X[2] = Round(h * ForcePlaceTable[p1 - 1][0]);
  X[3] = Round(h * ForcePlaceTable[p1 - 1][1]);
  X[4] = 2 * v.l;
  X[5] = v.l;
  X[6] = Round(h * (p2 - 1));
  X[7] = Round(h * (p2 + p3 + 1));
  if (X[7] > 2 * v.l) X[7] = 2 * v.l;
  if (X[7] <= X[6]) throw toolkit::DegenerateDataError("parabolic arch: no uniform load");

  // Reactions from the moments about each support, the thrust from the crown hinge.
  const double nq = Round(X[7] - X[6]), xq = (X[6] + X[7]) / 2;
  v.VB = (X[2] * v.F1 + X[3] * v.F2 + xq * v.q * nq) / v.l * 0.5;
  v.VA = v.F1 + v.F2 + v.q * nq - v.VB;
  v.H = v.BeamMoment(v.l) / v.f;

  // The largest moment: the sections every thirtieth of the half span, the ends of the load
  // and the peak of each stretch between loads, where the moment is a parabola (the sampled
  // sections alone miss a peak between them by up to a tenth). Of equal values (up to
  // round-off) the first along the span is kept.
  std::vector<double> sections;
  for (int k = 0; k <= 61; ++k) sections.push_back(k * h / 10);
  std::vector<double> ends = {0, static_cast<double>(X[2]), static_cast<double>(X[3]),
                              static_cast<double>(X[6]), std::min<double>(X[7], 2 * v.l),
                              2.0 * v.l};
  std::sort(ends.begin(), ends.end());
  for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
    const double a = ends[i], b = ends[i + 1];
    sections.push_back(a);
    if (b - a < 1e-9) continue;
    const double m = (a + b) / 2, Ma = v.Moment(a), Mm = v.Moment(m), Mb = v.Moment(b);
    const double curvature = 2 * (Ma - 2 * Mm + Mb) / ((b - a) * (b - a));
    if (std::fabs(curvature) < 1e-12) continue;
    const double peak = m - (Mb - Ma) / (b - a) / (2 * curvature);
    if (peak > a && peak < b) sections.push_back(peak);
  }
  std::sort(sections.begin(), sections.end());
  for (double x : sections) {
    if (std::fabs(v.Moment(x)) > v.MStar + 1e-9) {
      v.MStar = std::fabs(v.Moment(x));
      v.XStar = x;
    }
  }
  const double x1 = v.x1;
  v.Tan = TanAt(v, x1);
  v.Sin = SinAt(v, x1);
  v.M0 = v.BeamMoment(x1);
  v.Q0 = v.BeamShear(x1);
  v.M = v.Moment(x1);
  v.Q = v.Shear(x1);
  v.N = v.Normal(x1);

  if (mode == 2) {
    // The canonical equation of the force method, the crown moment X1 unknown; bending and
    // axial terms, integrated by the trapezoid rule along the span.
    const double c1 = (kSectionHeight / v.f) * (kSectionHeight / v.f) / 12;
    const double c2 = kSectionHeight * kSectionHeight / (12.0 * v.f);
    const auto d11 = [&](double x) {
      const double m1 = UnitMoment(v, x), c = CosAt(v, x);
      return c1 * c + m1 * m1 / c;
    };
    const auto d1p = [&](double x) {
      return c2 * v.Normal(x) + UnitMoment(v, x) * v.Moment(x) / CosAt(v, x);
    };
    const double dx = 2.0 * v.l / kQuadratureIntervals;
    double s11 = 0, s1p = 0;
    for (int k = 1; k < kQuadratureIntervals; ++k) {
      s11 += d11(k * dx);
      s1p += d1p(k * dx);
    }
    v.Delta11 = dx * s11 + dx * (d11(0) + d11(2.0 * v.l)) / 2;
    v.Delta1p = dx * s1p + dx * (d1p(0) + d1p(2.0 * v.l)) / 2;
    v.X1 = -v.Delta1p / v.Delta11;
    v.M2 = v.TwoHingedMoment(x1);
    v.Q2 = v.Q + v.X1 * SinAt(v, x1) / v.f;
    v.N2 = v.N + v.X1 * CosAt(v, x1) / v.f;
  }
  return v;
}

void BeginArchProblem(SharedState& s, int mode) {
  s.ParboxWidth = 200;
  // The arch of span 100 and rise 35, its left support at the origin.
  BeginSaveBox(s, "arca");
  PutHingeBox(s, 0, -1.5);
  PutHingeBox(s, 100, -1.5);
  SetLineWidth(s, 6);
  MoveTo(s, 0, 0);
  for (int k = 1; k <= 9; ++k) LineTo(s, 5 * k, ArchOrdinate(35, 50, 5 * k));
  LineTo(s, 48.5, ArchOrdinate(35, 50, 45));
  MoveTo(s, 51.5, 35);
  for (int k = 11; k <= 20; ++k) LineTo(s, 5 * k, ArchOrdinate(35, 50, 5 * k));
  if (mode == 1) {
    DrawCircle(s, 50, 35, 3);
  } else {
    DrawSegment(s, 48.5, 35, 51.5, 35);
  }
  SetLineWidth(s, 1);
  EndSaveBox(s);

  AnsWrite(s, "\\vskip3mm 1. Эпюры моментов в арке, кНм. \\vskip3mm ");
  if (mode == 1) {
    Ans2Write(s,
              "\\vskip3mm 2. Вертикальные реакции $V_A$, $V_B$, распор $ H $, максимальный "
              "момент $M_*$ в арке и координата соответственного сечения $x_*$. Значения "
              "$M(x_1)$, $Q(x_1)$, $N(x_1)$  для заданного сечения  $x_1$.\\vskip3mm "
              "\\tabcolsep=1pt ");
  } else {
    Ans2Write(s,
              "\\vskip3mm 2.   Значения $M_p(x_1)$, $Q_p(x_1)$, $N_p(x_1)$ для трехшарнирной "
              "арки, коэффициенты канонического уравнения метода сил, неизвестный момент "
              "$X_1$ и $M(x_1)$, $Q(x_1)$, $N(x_1)$ для двухшарнирной арки в заданном сечении "
              " $x_1$.\\vskip3mm  ");
  }
  Ans2BeginTable(s, 17);
  if (mode == 1) {
    Ans2Write(s,
              "\\No\\ru & \\mc{$ V_A$}& \\mc{$ V_B $}&\\mc{$ H $}& \\mc{$M_*$}&\\mc{$x_*$}"
              "&\\mc{$\\tg(\\varphi_1)$}&\\mc{$\\sin(\\varphi_1)$}&\\mc{$M_0(x_1)$}"
              "&\\mc{$Q_0(x_1)$}&\\mc{$M(x_1)$}&\\mc{$Q(x_1)$}&\\mc{$N(x_1)$}" +
                  NamesHeadCell(s) + "\\\\\\hline");
  } else {
    Ans2Write(s,
              "\\No\\ru &\\mc{$M_p(x_1)$}&\\mc{$Q_p(x_1)$}&\\mc{$N_p(x_1)$}& "
              "\\mc{$EJ\\delta_{11}$}&\\mc{$EJ\\Delta_{1p}$}&\\mc{$X_1$}&\\mc{$M(x_1)$}"
              "&\\mc{$Q(x_1)$}&\\mc{$N(x_1)$}" +
                  NamesHeadCell(s) + "\\\\\\hline");
  }
  WriteLine(s, std::string("Построить эпюры $M$, $Q$, $N$ в ") +
                   (mode == 1 ? "трехшарнирной" : "двухшарнирной") + " арке параболической формы." +
                   " Для заданного сечения  $x_1$ вычислить значения $M(x_1)$, $Q(x_1)$, "
                   "$N(x_1)$. " +
                   " Начало координат находится на левой опоре арки.");
  if (mode == 1) {
    WriteLine(s,
              " \\vskip2mm{\\small В ответах даны вертикальные реакции $V_A$, $V_B$, распор $H$, "
              "максимальные значения ординат эпюр момента в арке $M_*$ и соответствующие "
              "координаты сечений $x^*_M$.}");
  } else {
    WriteLine(s, " Сечение арки прямоугольное с высотой $h=0.6$м. ");
  }
  WriteLine(s, "\\\\\\noindent");
}

void WriteArchVariant(SharedState& s, int mode) {
  const ArchVariant v = DeriveArchVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7, mode);
  const double l = v.l;

  // Figure: the box "arca" spans 100 units, so the scale is 50 / l; the ordinates of the
  // load points follow the drawn rise 0.7 l.
  ClearPoints(s, 11);
  for (int k = 1; k <= 7; ++k) s.PointX[k] = v.X[k];
  s.PointY[2] = ArchOrdinate(0.7 * l, l, v.X[2]);
  s.PointY[3] = ArchOrdinate(0.7 * l, l, v.X[3]);
  s.PointY[5] = 0.7 * l;
  toolkit::TPointArray unscaled = s.PointX;
  s.BoxWidth = 200;
  s.BoxHeight = 280;
  FitPointsToBox(s, 7, 50 / l);
  for (int k = 1; k <= 7; ++k) s.PointX[k] = Round(s.PointX[k]);
  // Room for the dimension chain under the supports (at -20) and the load's letter on top.
  BeginPicture(s, 145, 85, -20, -23);
  DrawDimensionVText(s, std::to_string(v.f), s.PointX[4] + 7, s.PointY[1], s.PointY[5]);
  DrawUniformLoad(s, 38, 6, 7, 10);
  DrawDimensionChainY(s, unscaled, 7, -20);
  DrawRedForceWithLabel(s, 0, -1, "$P_1$", s.PointX[2], s.PointY[2], 15, 2, -17);
  DrawRedForceWithLabel(s, 0, -1, "$P_2$", s.PointX[3], s.PointY[3], 15, 2, -18);
  PutBoxAtPoint(s, 1, "arca");
  EndPicture(s);
  WriteText4NumbersLn(s, "\\parbox[b]{90pt}{$q=", v.q, "$~кН/м,\\\\ $P_1=", v.F1,
                      "$~кН,\\\\ $P_2=", v.F2, "$~кН,\\\\ $x_1=", v.x1, "$~м.}\\vskip3mm");
  Ans2Write(s, " ");

  // Second answers table.
  std::string row = toolkit::FormatNumber(toolkit::PrintedVariantNumber(s));
  if (mode == 1) {
    for (double x : {v.VA, v.VB, v.H, v.MStar, v.XStar, v.Tan, v.Sin, v.M0, v.Q0, v.M, v.Q, v.N})
      row += "&" + Fixed(x, 3);
    Ans2WriteLine(s, row);
    if (s.StudentsMode) Ans2WriteLine(s, "&" + s.StudentNames[s.VariantIndex + 1]);
  } else {
    for (double x : {v.M, v.Q, v.N, v.Delta11, v.Delta1p, v.X1, v.M2, v.Q2})
      row += "&" + Fixed(x, 3);
    row += "&" + Fixed(v.N2, 4);
    if (s.StudentsMode) row += " & " + s.StudentNames[s.VariantIndex + 1];
    Ans2WriteLine(s, row);
  }

  // The moment diagram along the span, scaled by the three-hinged maximum.
  AnsWrite(s, "  ");
  // The span takes 200 of the 380pt box (140 of the 200pt box of students mode).
  const double span = s.StudentsMode ? 140 : 200;
  const double cx = span / (2 * l), cy = 30 / v.MStar;
  const auto moment = [&](double x) { return mode == 1 ? v.Moment(x) : v.TwoHingedMoment(x); };
  AnsBeginVariantBox(s, 200);
  // The picture holds the curve (the two-hinged one may pass the three-hinged maximum) and
  // the values beside it, which stand apart from each other.
  double low = 0, high = 0;
  for (int k = 0; k <= 30; ++k) {
    const double m = cy * moment(2 * l * k / 30);
    low = std::min(low, m);
    high = std::max(high, m);
  }
  constexpr double kReach = 8;
  AnsBeginPicture(s, span + 20, high - low + 24 + 2 * kReach, -10, low - 12 - kReach);
  AnsSetLineWidth(s, 12);
  AnsMoveTo(s, 0, 0);
  AnsLineTo(s, cx * 2 * l, 0);
  AnsSetLineWidth(s, 1);
  AnsWrite(s, "\\Blue{");
  figures::LabelSpacing placed;
  for (int k = 0; k <= 30; ++k) {
    const double x = 2 * l * k / 30, m = moment(x);
    if (k == 5 || k == 10 || k == 20 || k == 25) {
      // The value centred over (or under) its ordinate, moved the least that clears the last.
      const double w = figures::LabelWidth(toolkit::FormatNumberSci(m), 8);
      // A space's width more keeps two neighbours from reading as one number.
      const auto [lx, ly] =
          placed.Clear(cx * x - w / 2, cy * m + 4 * toolkit::SignOf(m) - 2, w + 3, 5.5, kReach);
      AnsPutBlackValueLabel(s, lx, ly, m);
      AnsSetLineWidth(s, 9);
      AnsWrite(s, "\\Black{");
      AnsMoveTo(s, cx * x, 0);
      AnsLineTo(s, cx * x, cy * m);
      AnsWrite(s, "}");
      AnsSetLineWidth(s, 1);
    } else {
      AnsMoveTo(s, cx * x, 0);
      AnsLineTo(s, cx * x, cy * m);
    }
  }
  AnsWrite(s, "}\\Red{");
  AnsMoveTo(s, 0, 0);
  for (int k = 0; k <= 30; ++k) {
    const double x = 2 * l * k / 30;
    AnsLineTo(s, cx * x, cy * moment(x));
  }
  AnsWrite(s, "}");
  AnsEndPicture(s);
  AnsWrite(s, "}}");
  if (s.VariantIndex % 2 == 0) AnsWrite(s, "\\\\ ");
  // The document's answers block is closed and opened again after each row of boxes (one box
  // a row outside students mode, where a box is 380pt wide), so that pages break between
  // rows: one block of forty diagrams would run off the sheet.
  if (s.DocumentMode == 0 && !s.TicketMode && (!s.StudentsMode || s.VariantIndex % 2 == 0)) {
    AnsWrite(s, "}\\par \\parbox{430pt}{");
  }
}

}  // namespace structural
