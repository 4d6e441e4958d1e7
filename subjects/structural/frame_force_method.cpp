#include "subjects/structural/frame_force_method.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// Direction codes of members 1..5 by scheme: the member's angle is (d - 1)·90 degrees.
constexpr int kFrameDirections[7][5] = {
    {2, 1, 4, 1, 1}, {1, 2, 1, 4, 1}, {1, 4, 1, 2, 1}, {2, 1, 4, 1, 2},
    {4, 1, 1, 2, 3}, {4, 1, 1, 2, 1}, {3, 4, 1, 1, 2},
};
constexpr int kStepX[5] = {0, 1, 0, -1, 0};
constexpr int kSecondTableRows = 15;
constexpr const char* kSecondHead =
                " & \\mc{$\\delta_{11}$}&\\mc{$\\delta_{12}$}&\\mc{$\\delta_{22}$}&"
                "\\mc{$\\Delta_1$}&\\mc{$\\Delta_2$}&\\mc{$2$}&\\mc{$3$}&\\mc{$4$}&"
                "\\mc{$5$} \\\\\\hline";
constexpr int kStepY[5] = {0, 0, 1, 0, -1};

struct Placement {
  bool horizontal;
  int point;
  int side;
};

// Where force 1 and force 2 act, and on which side of the point their arrows are drawn.
void PlaceForces(int scheme, int p2, int p3, int p4, int p6, Placement& f1, Placement& f2) {
  switch (scheme) {
    case 1:
      f1 = p4 == 1 ? Placement{true, 2, 1}
           : p4 == 2 ? Placement{false, 2, 2}
           : p4 == 3 ? Placement{false, 3, 2}
                     : Placement{true, 3, 2};
      f2 = p3 == 1 ? Placement{true, 4, 1} : p3 == 2 ? Placement{false, 4, 1} : Placement{false, 5, 1};
      break;
    case 2:
      f1 = p6 <= 3 ? Placement{true, 2, 2} : p6 <= 6 ? Placement{false, 2, 1} : Placement{false, 3, 2};
      f2 = p3 == 1 ? Placement{true, 5, 1} : p3 == 2 ? Placement{false, 5, 1} : Placement{false, 4, 2};
      break;
    case 3:
      f1 = p6 <= 5 ? Placement{true, 3, 1} : Placement{false, 3, 1};
      f2 = p2 == 1 ? Placement{true, 4, 2} : Placement{false, 4, 1};
      break;
    case 4:
      f1 = p3 == 1 ? Placement{false, 4, 1} : p3 == 2 ? Placement{false, 5, 1} : Placement{true, 5, 2};
      f2 = p6 <= 3 ? Placement{false, 2, 2} : p6 <= 6 ? Placement{false, 3, 2} : Placement{true, 4, 1};
      break;
    case 5:
      f1 = p4 == 1 ? Placement{true, 2, 1}
           : p4 == 2 ? Placement{true, 4, 2}
           : p4 == 3 ? Placement{false, 2, 1}
                     : Placement{false, 4, 1};
      f2 = p3 == 1 ? Placement{false, 3, 1} : p3 == 2 ? Placement{false, 5, 2} : Placement{true, 5, 2};
      break;
    case 6:
      f1 = p4 <= 2 ? Placement{true, 2, 1} : Placement{false, 2, 1};
      f2 = p3 == 1 ? Placement{true, 4, 2} : Placement{false, 4, 1};
      break;
    default:
      f1 = p4 <= 2 ? Placement{true, 2, 1}
           : p4 == 3 ? Placement{false, 2, 2}
                     : Placement{true, 3, 1};
      f2 = p3 == 1 ? Placement{false, 3, 1} : p3 == 2 ? Placement{false, 5, 1} : Placement{true, 5, 2};
      break;
  }
}

struct NodeForces {
  toolkit::IndexedArray<double, 1, 6> fx{}, fy{};
};

// Moment about point d of the node forces at points a..min(5, d).
double NodeMoment(const FrameForceMethodVariant& v, const NodeForces& f, int a, int d) {
  double sum = 0;
  for (int i = a; i <= std::min(5, d); ++i)
    sum += f.fx[i] * (v.Y[d] - v.Y[i]) - f.fy[i] * (v.X[d] - v.X[i]);
  return sum;
}

// Resultant of the distributed load and its point (the loaded member's middle).
struct Resultant {
  double rx, ry, xm, ym;
};

Resultant LoadResultant(const FrameForceMethodVariant& v) {
  const int k = v.LoadedMember;
  const double l = v.Length[k];
  const int d = v.Dir[k];
  // The member's +90 degree normal is its direction turned a quarter counter-clockwise.
  const double nx = -kStepY[d], ny = kStepX[d];
  return {-v.Q * l * nx, -v.Q * l * ny, (v.X[k] + v.X[k + 1]) / 2, (v.Y[k] + v.Y[k + 1]) / 2};
}

double LoadMoment(const FrameForceMethodVariant& v, const Resultant& r, int d) {
  if (v.LoadedMember >= d) return 0;
  return r.rx * (v.Y[d] - r.ym) - r.ry * (v.X[d] - r.xm);
}

double Mohr(const FrameForceMethodVariant& v, const toolkit::IndexedArray<double, 1, 6>& a,
            const toolkit::IndexedArray<double, 1, 6>& b, bool with_load) {
  double sum = 0;
  for (int k = 1; k <= 5; ++k) {
    const double l = v.Length[k];
    sum += l / 6 * (2 * a[k] * b[k] + a[k] * b[k + 1] + a[k + 1] * b[k] + 2 * a[k + 1] * b[k + 1]);
    if (with_load && k == v.LoadedMember) sum -= v.Q * l * l * l * (a[k] + a[k + 1]) / 24;
  }
  return sum;
}

}  // namespace

FrameForceMethodVariant DeriveFrameForceMethodVariant(int p1, int p2, int p3, int p4, int p5,
                                                      int p6, int p7) {
  if (p1 < 1 || p1 > 6 || p2 < 1 || p2 > 2 || p3 < 1 || p3 > 3 || p4 < 1 || p4 > 4 || p5 < 1 ||
      p5 > 6 || p6 < 1 || p6 > 10 || p7 < 1 || p7 > 14) {
    throw toolkit::DegenerateDataError("frame by the method of forces: parameters out of range");
  }
  FrameForceMethodVariant v;
  const int s = (p7 + 1) / 2;
  v.Scheme = s;
  auto& len = v.Length;
  len[1] = p4 + 4;
  len[2] = p2 + 5;
  len[3] = p3 + 2 * p2 + 1;
  len[4] = p4 / 2 + 3;
  len[5] = p2 + len[4];
  if (s == 4 || s == 5) len[5] = len[3];
  if (s == 7) len[1] = len[3];
  v.X[1] = v.Y[1] = 0;
  for (int k = 1; k <= 5; ++k) {
    v.Dir[k] = kFrameDirections[s - 1][k - 1];
    v.X[k + 1] = v.X[k] + len[k] * kStepX[v.Dir[k]];
    v.Y[k + 1] = v.Y[k] + len[k] * kStepY[v.Dir[k]];
  }
  if (v.X[6] == v.X[1]) throw toolkit::DegenerateDataError("frame by the method of forces: A above B");

  v.F1 = (p7 - 7 - p2) * (p2 + 3);
  if (v.F1 == 0) v.F1 = p1 + 1 + 5;
  v.F2 = (p5 - 3) * (p2 + 4);
  if (v.F2 == 0) v.F2 = p1 + 2 + 5;
  v.Q = (p1 - 3) * p2;
  if (v.Q == 0) v.Q = 2;
  if (s == 1) {
    v.LoadedMember = p2 + 3;
  } else if (s == 2 || s == 3) {
    v.LoadedMember = p4 <= 2 ? p4 : p4 + 1;
  } else if (s == 4) {
    v.LoadedMember = p4 == 1 ? 1 : p4 + 1;
  } else {
    v.LoadedMember = p5 == 6 ? 2 : p5;
  }
  Placement f1{}, f2{};
  PlaceForces(s, p2, p3, p4, p6, f1, f2);
  v.ForceHorizontal[1] = f1.horizontal;
  v.ForcePoint[1] = f1.point;
  v.ForceSide[1] = f1.side;
  v.ForceHorizontal[2] = f2.horizontal;
  v.ForcePoint[2] = f2.point;
  v.ForceSide[2] = f2.side;
  v.RollerPoint = s >= 6 ? s - 3 : 0;

  NodeForces applied;
  double sum_fx = 0, sum_fy = 0;
  for (int k = 1; k <= 2; ++k) {
    const double f = k == 1 ? v.F1 : v.F2;
    if (v.ForceHorizontal[k]) {
      applied.fx[v.ForcePoint[k]] += f;
      sum_fx += f;
    } else {
      applied.fy[v.ForcePoint[k]] += f;
      sum_fy += f;
    }
  }
  const Resultant r = LoadResultant(v);
  const double span = v.X[6] - v.X[1];

  // Basic system: A a vertical roller, B a pin; X1 the horizontal reaction at A, X2 the
  // moment at A or the reaction of the roller D.
  NodeForces load = applied;
  load.fy[1] = (NodeMoment(v, applied, 2, 6) + LoadMoment(v, r, 6)) / span;
  for (int d = 1; d <= 6; ++d) v.MP[d] = NodeMoment(v, load, 1, d) + LoadMoment(v, r, d);
  NodeForces unit1;
  unit1.fy[1] = (v.Y[6] - v.Y[1]) / span;
  unit1.fx[1] = 1;
  for (int d = 1; d <= 6; ++d) v.M1[d] = NodeMoment(v, unit1, 1, d);
  NodeForces unit2;
  if (s >= 6) {
    unit2.fy[1] = (v.X[v.RollerPoint] - v.X[6]) / span;
    unit2.fy[v.RollerPoint] = 1;
    for (int d = 1; d <= 6; ++d) v.M2[d] = NodeMoment(v, unit2, 1, d);
  } else {
    unit2.fy[1] = 1 / span;
    for (int d = 1; d <= 6; ++d) v.M2[d] = NodeMoment(v, unit2, 1, d) + 1;
  }
  v.D11 = Mohr(v, v.M1, v.M1, false);
  v.D12 = Mohr(v, v.M1, v.M2, false);
  v.D22 = Mohr(v, v.M2, v.M2, false);
  v.Delta1 = Mohr(v, v.M1, v.MP, true);
  v.Delta2 = Mohr(v, v.M2, v.MP, true);
  const double det = v.D12 * v.D12 - v.D11 * v.D22;
  if (std::fabs(det) < 1e-12) {
    throw toolkit::DegenerateDataError("frame by the method of forces: singular canonical equations");
  }
  const double x1 = (v.D22 * v.Delta1 - v.D12 * v.Delta2) / det;
  const double x2 = -(v.D12 * v.Delta1 - v.D11 * v.Delta2) / det;

  const double t = s <= 5 ? x2 : -x2 * (v.X[6] - v.X[v.RollerPoint]);
  v.XA = x1;
  v.YA = ((v.Y[6] - v.Y[1]) * x1 + NodeMoment(v, applied, 2, 6) + LoadMoment(v, r, 6) + t) / span;
  v.YB = -(v.YA + sum_fy + r.ry) - (s >= 6 ? x2 : 0);
  v.XB = -(x1 + sum_fx + r.rx);
  if (s <= 5) {
    v.MA = x2;
  } else {
    v.YD = x2;
  }
  return v;
}

void BeginIndeterminateFrameForceMethodProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsWrite(s, "\\tabcolsep=3pt");
  AnsBeginTable(s, 12);
  Ans2Write(s, "\\tabcolsep=2pt");
  Ans2BeginTable(s, 20);
  AnsWriteLine(s,
               " & \\mc{$ X_A $}& \\mc{$ Y_A $}&\\mc{$ M_A $}& \\mc{$ X_B $}& \\mc{$ Y_B $}&"
               "\\mc{$ Y_D $}\\\\\\hline");
  Ans2WriteLine(s, kSecondHead);
  WriteLine(s, "Найти реакции опор статически неопределимой рамы. \\vskip2mm\\noindent ");
}

void WriteIndeterminateFrameForceMethodVariant(SharedState& s) {
  const FrameForceMethodVariant v =
      DeriveFrameForceMethodVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int scheme = v.Scheme;

  ClearPoints(s, 6);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 6; ++i) {
    x[i] = v.X[i];
    y[i] = v.Y[i];
  }
  s.BoxWidth = 140;
  s.BoxHeight = 70;
  FitPointsToBox(s, 6, 0);
  // Room for the vertical dimension chain right of the frame and the horizontal one under the
  // forces that hang below it (17 long).
  BeginPicture(s, 192, 120, -20, -29);
  SetLineWidth(s, 12);
  if (scheme <= 5) {
    DrawSegmentPoints(s, 1, 2);
  } else {
    DrawSegmentFromNodeRev(s, 2, 1);
  }
  for (int i = 3; i <= 5; ++i) LineToPoint(s, i);
  DrawSegmentFromNodeRev(s, 5, 6);
  SetLineWidth(s, 1);

  auto forces = [&] {
    WriteText(s, "\\Red{");
    for (int k = 1; k <= 2; ++k) {
      const double f = k == 1 ? v.F1 : v.F2;
      const int j = v.ForcePoint[k], c = v.ForceSide[k];
      const int sign = toolkit::SignOf(f);
      const char* label = k == 1 ? "$P$" : "$F$";
      if (v.ForceHorizontal[k]) {
        const double x0 = x[j] + 20 * (c - 2);
        DrawThickRedVector(s, sign, 0, x0 - 10 * (sign - 1), y[j], 20);
        PutLabel(s, label, x0 + 8, y[j] + 2);
      } else {
        const double y0 = y[j] + 17 * (c - 2);
        DrawThickRedVector(s, 0, sign, x[j], y0 - 8.5 * (sign - 1), 17);
        PutLabel(s, label, x[j] + 3, y0 + 8.5 + 3 * (c - 1) - 3);
      }
    }
    WriteText(s, "}");
  };
  switch (scheme) {
    case 1:
      DrawHatchRowV(s, -1, x[1] - 7, y[1] + 0.5, 14);
      forces();
      PutHingeBoxAtPoint(s, 6);
      PutLabel(s, "$A$", x[1] + 2, y[1] + 2);
      break;
    case 2:
    case 3:
      DrawHatchRowH(s, -1, x[1], y[1] - 7, 14);
      forces();
      PutHingeBoxAtPoint(s, 6);
      PutLabel(s, "$A$", x[1] - 11, y[1] + 2);
      break;
    case 4:
      DrawHatchRowV(s, -1, x[1] - 7, y[1], 14);
      forces();
      PutUpHingeBoxAtPoint(s, 6);
      PutLabel(s, "$A$", x[1] + 2, y[1] + 2);
      break;
    case 5:
      DrawHatchRowV(s, 1, x[1] - 7, y[1], 14);
      forces();
      PutUpHingeBoxAtPoint(s, 6);
      PutLabel(s, "$A$", x[1] + 2, y[1] - 8);
      break;
    case 6:
      PutUpHingeBoxAtPoint(s, 1);
      forces();
      PutHingeBoxAtPoint(s, 6);
      PutRollerBox(s, x[3], y[3] - 2.5);
      PutLabel(s, "$A$", x[1] - 11, y[1] - 7);
      PutLabel(s, "$D$", v.LoadedMember == 3 ? x[3] - 8 : x[3] + 2, y[3] + 2);
      break;
    default:
      PutUpHingeBoxAtPoint(s, 1);
      forces();
      PutUpHingeBoxAtPoint(s, 6);
      PutRollerBox(s, x[4], y[4] - 2.5);
      PutLabel(s, "$A$", x[1] + 2, y[1] - 5);
      PutLabel(s, "$D$", v.LoadedMember == 4 ? x[4] - 8 : x[4] + 2, y[4] + 2);
      break;
  }

  // The distributed load, drawn on the member's +90 degree side.
  {
    const int k = v.LoadedMember;
    const int d = v.Dir[k];
    const int c = kStepX[d], sn = kStepY[d];
    const double xk = x[k], yk = y[k];
    const int length = PointDistanceRounded(s, k, k + 1);
    const int n = std::max(1, static_cast<int>(toolkit::RoundHalfEven(length / 7.0)));
    WriteText(s, "\\Blue{");
    PutBlueLabel(s, "$q$", xk + 15 * c - 14 * sn, yk + 12 * sn + 14 * c - 1);
    DrawLatexLine(s, c, sn, xk - 8 * sn, yk + 8 * c, length);
    for (int j = 0; j <= n; ++j) {
      DrawDirectedVector(s, sn, -c, v.Q, xk - 8 * sn + j * (static_cast<double>(length) / n) * c,
                         yk + 8 * c + j * (static_cast<double>(length) / n) * sn, 8);
    }
    WriteText(s, "}");
  }
  DrawDimensionChains(s, 6, s.RangeX * s.Scale + 25, -28, 1, s.Scale, s.Scale, 0);
  if (scheme == 5) {
    PutLabel(s, "$B$", x[6] - 9, y[6] - 3);
  } else {
    PutLabel(s, "$B$", x[6] + 2, y[6] - 2);
  }
  EndPicture(s);

  WriteText(s, "\\vskip4mm ");
  WriteTextNumberLn(s, "$P$=", std::fabs(v.F1), "~кН,\\ ");
  WriteTextNumberLn(s, "$F$=", std::fabs(v.F2), "~кН,\\ ");
  WriteTextNumberLn(s, "$q=", std::fabs(v.Q), "$~кН/м. ");

  auto fixed = [](double value, int w, int d) { return toolkit::FormatFixed(value, w, d); };
  const std::string number = toolkit::FormatNumber(toolkit::PrintedVariantNumber(s));
  if (scheme <= 5) {
    AnsWrite(s, number + "&$" + fixed(v.XA, 7, 3) + "$&$" + fixed(v.YA, 7, 3) + "$&$" +
                    fixed(v.MA, 7, 3) + "$&$" + fixed(v.XB, 7, 3) + "$&$" + fixed(v.YB, 7, 3) +
                    "$& --- ");
  } else {
    AnsWrite(s, number + "&$" + fixed(v.XA, 7, 3) + "$&$" + fixed(v.YA, 7, 3) + "$& --- &$" +
                    fixed(v.XB, 7, 3) + "$&$" + fixed(v.YB, 7, 3) + "$&$" + fixed(v.YD, 7, 3) +
                    "$");
  }
  // Three lines a variant: the table is closed and opened again every kSecondTableRows
  // variants, so that no piece is taller than a page.
  if (s.VariantIndex > 1 && (s.VariantIndex - 1) % kSecondTableRows == 0) {
    Ans2Write(s, "\\hline\\end{tabular}\\end{center}");
    Ans2BeginTable(s, 20);
    Ans2WriteLine(s, kSecondHead);
  }
  std::string second = number + "&$" + fixed(v.D11, 7, 2) + "$&$" + fixed(v.D12, 7, 2) + "$&$" +
                       fixed(v.D22, 7, 2) + "$&$" + fixed(v.Delta1, 7, 2) + "$&$" +
                       fixed(v.Delta2, 7, 2) + "$ ";
  for (const auto* state : {&v.MP, &v.M1, &v.M2}) {
    if (state != &v.MP) second += "\\\\[-4pt]&&&&&";
    for (int d = 2; d <= 5; ++d) second += "&" + fixed((*state)[d], 6, 2);
  }
  Ans2WriteLine(s, second);
}

}  // namespace structural
