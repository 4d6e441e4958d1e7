#include "subjects/structural/truss_influence_line.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr int kFixedHingeNode = 1;
constexpr int kRollerNode = 5;
constexpr double kZero = 1e-8;

// Web bars 10..13 (start node, end node) of each of the 18 web patterns.
constexpr int kWebStart[18][4] = {
    {1, 2, 2, 3}, {1, 2, 3, 4}, {1, 2, 3, 3}, {1, 2, 3, 3}, {1, 1, 2, 3}, {1, 1, 1, 2},
    {1, 1, 1, 2}, {1, 1, 1, 2}, {1, 2, 1, 2}, {1, 1, 2, 2}, {1, 2, 2, 3}, {1, 2, 2, 3},
    {1, 2, 2, 2}, {1, 2, 2, 3}, {1, 2, 3, 3}, {1, 1, 2, 3}, {1, 1, 2, 3}, {1, 2, 3, 3}};
constexpr int kWebEnd[18][4] = {
    {7, 6, 9, 6}, {7, 8, 9, 10}, {6, 7, 6, 7}, {6, 8, 6, 7}, {6, 7, 9, 6}, {6, 7, 8, 7},
    {6, 7, 8, 8}, {6, 7, 8, 6}, {6, 7, 8, 8}, {6, 8, 6, 9}, {8, 7, 8, 6}, {8, 6, 7, 6},
    {7, 6, 7, 8}, {7, 6, 7, 7}, {8, 8, 6, 7}, {6, 7, 8, 6}, {6, 7, 6, 7}, {7, 8, 6, 7}};

bool ChangesSign(const double plus[], const double minus[], int j) {
  return std::fabs(plus[j]) > kZero && std::fabs(minus[j]) > kZero;
}

bool NonZero(const double plus[], const double minus[], int j) {
  return std::fabs(plus[j]) > kZero || std::fabs(minus[j]) > kZero;
}

// Omega+ and Omega- of the ordinates over four panels of 1 m, a panel whose ordinates change
// sign split at its zero.
void InfluenceLineAreas(const toolkit::IndexedArray<double, 1, 5>& ordinate, double& plus,
                        double& minus) {
  plus = 0;
  minus = 0;
  const auto add_signed_area = [&](double a) {
    if (a > 0) plus += a;
    if (a < 0) minus += a;
  };
  for (int p = 1; p <= 4; ++p) {
    const double a = ordinate[p];
    const double b = ordinate[p + 1];
    if (a * b >= 0) {
      add_signed_area((a + b) / 2);
    } else {
      const double x0 = a / (a - b);
      add_signed_area(x0 * a / 2);
      add_signed_area((1 - x0) * b / 2);
    }
  }
}

std::string StudentName(const SharedState& s) {
  return s.StudentsMode ? s.StudentNames[s.VariantIndex + 1] : std::string();
}

void SetNodePoints(SharedState& s) {
  for (int k = 1; k <= 13; ++k) {
    s.PointX[k] = InfluenceTrussNodeX(k);
    s.PointY[k] = InfluenceTrussNodeY(k);
  }
}

// The answers picture of indicated bar i (1 or 2) and its three forces in the second answers
// file.
void WriteBarInfluenceLine(SharedState& s, const TrussInfluenceLineVariant& v, int i) {
  const int j = v.Bar[i];
  toolkit::IndexedArray<double, 1, 5> y = v.Ordinate[j];
  double vmax = y[1], vmin = y[1];
  for (int c = 2; c <= 5; ++c) {
    vmax = std::max(vmax, y[c]);
    vmin = std::min(vmin, y[c]);
  }
  const double span = std::fabs(vmax) + std::fabs(vmin);
  if (span <= kZero) return;
  const double k = 30 / span;
  for (int c = 1; c <= 5; ++c) y[c] *= k;
  const double b = k * vmin;
  // From the lowest value's label (7 under its ordinate) to the highest one's top (its
  // ordinate, 2 of air and the digits' height).
  double lo = b, hi = b;
  for (int c = 1; c <= 5; ++c) {
    lo = std::min(lo, b + y[c] - 7);
    hi = std::max(hi, b + y[c] + 8);
  }
  lo = std::floor(lo);
  AnsBeginPicture(s, 230, std::ceil(hi - lo), -20, lo);
  AnsSetLineWidth(s, 8);
  AnsMoveTo(s, 0, b);
  AnsLineTo(s, 200, b);
  AnsSetLineWidth(s, 1);
  for (int c = 1; c <= 5; ++c) AnsDrawSegment(s, 50 * (c - 1), b, 50 * (c - 1), b + y[c]);
  AnsSetLineWidth(s, 6);
  AnsMoveTo(s, 0, b + y[1]);
  for (int c = 1; c <= 5; ++c) {
    AnsLineTo(s, 50 * (c - 1), b + y[c]);
    AnsPutValueLabelOneDecimal(s, 50 * (c - 1), b + y[c] + (y[c] > 0 ? 2 : -7), v.Ordinate[j][c]);
  }
  AnsEndPicture(s);
  AnsWriteText2Numbers(s, "\\parbox[b]{50pt}{$S_{", v.Start[j], "-", v.End[j],
                       "}$\\\\ \\rule{0pt}{20pt}}");
  Ans2Write(s, "& $S_{" + std::to_string(v.Start[j]) + "-" + std::to_string(v.End[j]) + "}$ & " +
                   toolkit::FormatFixed(v.Sp[i], 8, 3) + "& " +
                   toolkit::FormatFixed(v.Smin[i], 8, 3) + "& " +
                   toolkit::FormatFixed(v.Smax[i], 8, 3) + " ");
}

}  // namespace

double InfluenceTrussNodeX(int node) {
  if (node <= 5) return 40 * node;
  if (node <= 10) return 40 * (node - 5);
  if (node == 11) return InfluenceTrussNodeX(kFixedHingeNode) - 10;
  if (node == 12) return InfluenceTrussNodeX(kFixedHingeNode);
  return InfluenceTrussNodeX(kRollerNode);
}

double InfluenceTrussNodeY(int node) {
  if (node <= 5) return 0;
  if (node <= 10) return 40;
  if (node == 11) return InfluenceTrussNodeY(kFixedHingeNode);
  if (node == 12) return InfluenceTrussNodeY(kFixedHingeNode) - 10;
  return InfluenceTrussNodeY(kRollerNode) - 10;
}

TrussInfluenceLineVariant DeriveTrussInfluenceLineVariant(int p1, int p2, int p3, int p4,
                                                          int p5) {
  TrussInfluenceLineVariant v;
  v.TopLoaded = p5 == 2;
  v.qp = p3 + 2;
  v.qvr = p4 + 12;
  for (int k = 1; k <= 4; ++k) {
    v.Start[k] = k;
    v.End[k] = k + 1;
    v.Start[k + 4] = k + 5;
    v.End[k + 4] = k + 6;
    v.Start[9 + k] = kWebStart[p1 - 1][k - 1];
    v.End[9 + k] = kWebEnd[p1 - 1][k - 1];
  }
  v.Start[9] = 3;
  v.End[9] = 8;
  for (int i = 14; i <= 17; ++i) {
    v.Start[i] = 6 - v.Start[27 - i];
    v.End[i] = 16 - v.End[27 - i];
  }
  v.Start[18] = kFixedHingeNode;
  v.End[18] = 11;
  v.Start[19] = kFixedHingeNode;
  v.End[19] = 12;
  v.Start[20] = kRollerNode;
  v.End[20] = 13;

  auto m = std::make_unique<Mechanics>();
  ClearLinearSystem(*m, 20);
  for (int i = 1; i <= 20; ++i) {
    const int a = v.Start[i];
    const int e = v.End[i];
    const double dx = InfluenceTrussNodeX(e) - InfluenceTrussNodeX(a);
    const double dy = InfluenceTrussNodeY(e) - InfluenceTrussNodeY(a);
    const double length = toolkit::Hypot(dx, dy);
    m->SystemMatrix[2 * a - 1][i] = dx / length;
    m->SystemMatrix[2 * a][i] = dy / length;
    if (i <= 17) {
      m->SystemMatrix[2 * e - 1][i] = -dx / length;
      m->SystemMatrix[2 * e][i] = -dy / length;
    }
  }
  const int first_node = v.TopLoaded ? 6 : 1;
  for (int c = 1; c <= 5; ++c) m->SystemRhs[2 * (first_node + c - 1)][c] = 1;
  SolveLinearSystem(*m, 20, 5, "joint equations of the truss");

  double plus[21] = {}, minus[21] = {};
  for (int j = 1; j <= 20; ++j) {
    // The ordinates are short fractions: rounding off the solver's last bits keeps a half
    // (0.25, -0.25) printing the same way on either side of the zero line.
    for (int c = 1; c <= 5; ++c) v.Ordinate[j][c] = std::nearbyint(m->SystemRhs[j][c] * 1e9) / 1e9;
    InfluenceLineAreas(v.Ordinate[j], plus[j], minus[j]);
  }

  int first = 1;
  while (first < 18 && !ChangesSign(plus, minus, first)) ++first;
  if (first == 18) {
    first = 1;
    while (first < 18 && !NonZero(plus, minus, first)) ++first;
  }
  int second = p2 + 3;
  while (second < 18 && (!NonZero(plus, minus, second) || second == first)) ++second;
  v.Bar[1] = first;
  v.Bar[2] = second;
  for (int i = 1; i <= 2; ++i) {
    const int j = v.Bar[i];
    v.AreaPlus[i] = plus[j];
    v.AreaMinus[i] = minus[j];
    v.Sp[i] = v.qp * (plus[j] + minus[j]);
    v.Smin[i] = v.Sp[i] + v.qvr * minus[j];
    v.Smax[i] = v.Sp[i] + v.qvr * plus[j];
  }
  return v;
}

void BeginTrussInfluenceLineProblem(SharedState& s) {
  Ans2BeginTable(s, 16);
  Ans2Write(s,
            "\\No\\ru & Стержень & \\mc{$ S_{p}$}&\\mc{$ S_{min} $}&\\mc{$S_{max}$}& "
            "Стержень &\\mc{$ S_{p}$}&\\mc{$ S_{min} $}&\\mc{$S_{max}$} " +
                NamesHeadCell(s) + "\\\\\\hline");
  s.TrussSupportNodeB = kFixedHingeNode;
  s.TrussSupportNodeA = kRollerNode;
  ClearPoints(s, 13);
  SetNodePoints(s);

  BeginSaveBox(s, "fermabaze");
  for (int k = 2; k <= 4; ++k) PutItalicValueLabel(s, s.PointX[k] - 2, -10, k);
  for (int k = 6; k <= 10; ++k) PutItalicValueLabel(s, s.PointX[k] - 2, 43, k);
  PutItalicValueLabel(s, s.PointX[1] - 6, 1, 1);
  PutItalicValueLabel(s, s.PointX[5] + 3, 1, 5);
  SetLineWidth(s, 8);
  for (int k = 1; k <= 4; ++k) {
    DrawBar(s, k, k + 1);
    DrawBar(s, k + 5, k + 6);
    PutLabel(s, "$a$", 40 * k + 20, -18);
  }
  DrawBar(s, 3, 8);
  SetLineWidth(s, 1);
  for (int k = 1; k <= 10; ++k) {
    if (k != s.TrussSupportNodeA && k != s.TrussSupportNodeB) DrawNodeMarker(s, k);
  }
  PutHingeBoxAtPoint(s, s.TrussSupportNodeB);
  PutRollerBoxAtPoint(s, s.TrussSupportNodeA);
  MoveTo(s, 40, -20);
  LineTo(s, 200, -20);
  for (int k = 1; k <= 5; ++k) DrawSegment(s, 40 * k, -21, 40 * k, -19);
  DrawDimensionVText(s, "$h$", 210, 0, 40);
  EndSaveBox(s);

  s.ParboxWidth = 204;
  WriteText(s,
            "Найти максимальное и минимальное усилие в указанных стержнях фермы от  действия "
            "постоянной $q_p$ и временной $q_{vr}$  нагрузки, равномерно распределенной по "
            "нижнему или верхнему поясу. Дано: $a=1$~м, $h=1$~м. \\\\ \\noindent");
}

void WriteTrussInfluenceLineVariant(SharedState& s) {
  const TrussInfluenceLineVariant v = DeriveTrussInfluenceLineVariant(s.P1, s.P2, s.P3, s.P4, s.P5);
  WriteText(s, "\\par ");
  const int n = toolkit::PrintedVariantNumber(s);
  Ans2Write(s, std::to_string(n));
  SetNodePoints(s);

  AnsWriteTextNumber(s, "\\noindent\\fbox{\\parbox{300pt}{{\\bf ", n,
                     ".} \\hfill{\\scriptsize " + StudentName(s) + "} \\\\[3pt] ");
  WriteBarInfluenceLine(s, v, 1);
  AnsWrite(s, "\\vskip4mm ");
  WriteBarInfluenceLine(s, v, 2);
  Ans2WriteLine(s, "");
  AnsWrite(s, "}}\\\\ ");
  // The problem set's answers block is closed and opened again after every box, so that the
  // pages can break between variants; the tickets' answers stand in no such block.
  if (!s.TicketMode) AnsWrite(s, "}\\par \\parbox{430pt}{");
  // The student's cell closes the row in students mode only; other rows end at the forces.
  if (s.StudentsMode) Ans2Write(s, "&" + StudentName(s));

  // The truss spans 40..200 with the dimension of h beyond it.
  BeginPicture(s, 190, 80, 30, -22);
  SetLineWidth(s, 1);
  PutBox(s, "fermabaze", 0, 0);
  SetLineWidth(s, 8);
  for (int i = 10; i <= 17; ++i) DrawBar(s, v.Start[i], v.End[i]);
  WriteLine(s, "%%%%");
  EndPicture(s);
  WriteText2NumbersLn(s, "\\\\ $q_{vr}=", v.qvr, "$~кН/м, $q_{p}=", v.qp, "$~кН/м. \\\\ ");
  WriteText(s, v.TopLoaded ? "Груз поверху:" : "Груз понизу:");
  WriteText2NumbersLn(s, " $S_{", v.Start[v.Bar[1]], "-", v.End[v.Bar[1]], "}$, ");
  WriteText2NumbersLn(s, " $S_{", v.Start[v.Bar[2]], "-", v.End[v.Bar[2]], "}$.");
}

}  // namespace structural
