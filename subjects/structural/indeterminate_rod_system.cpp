#include "subjects/structural/indeterminate_rod_system.h"

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
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

using toolkit::RoundHalfEven;

int Round(double x) { return static_cast<int>(RoundHalfEven(x)); }

// The rod ends of the figure: two strokes fanning out from an anchor, upward for the
// ceiling and downward for the floor.
void DrawRodFork(SharedState& s, int p, int side) {
  const double x = s.PointX[p];
  const double y = s.PointY[p];
  WriteText(s, "\\Blue{");
  MoveTo(s, x - 1, y + side);
  LineTo(s, x - 4, y + 9 * side);
  MoveTo(s, x + 1, y + side);
  LineTo(s, x + 4, y + 9 * side);
  WriteText(s, "}");
}

void DrawCeilingFork(SharedState& s, int p) { DrawRodFork(s, p, 1); }
void DrawFloorFork(SharedState& s, int p) { DrawRodFork(s, p, -1); }

// A rod end pinned to a side wall: the pin, a short stub and the wall beside it, outward of the
// bar (side -1: the left wall, beside the bar's hinge; side 1: the right wall, under the bar's
// free end), so that nothing of it crosses the bar.
void DrawWallPin(SharedState& s, int p, int side) {
  const double x = s.PointX[p];
  const double y = s.PointY[p];
  DrawNodeMarker(s, p);
  WriteText(s, "\\Blue{");
  DrawSegment(s, x + 1.5 * side, y, x + 5 * side, y);
  // The right wall stops below the pin: the bar's free end lies a little above it.
  DrawHatchRowH(s, side, x + 5 * side, y - 6, side < 0 ? 12 : 8);
  WriteText(s, "}");
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return toolkit::Hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

int RodAnchorOfChoice(int c) { return (c - 1) / 3 + 4; }
int RodBarPointOfChoice(int c) { return (c - 1) % 3 + 1; }

RodSystemVariant DeriveRodSystemVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  RodSystemVariant v;

  // The slanting wall rods are never offered.
  toolkit::IndexedArray<bool, 1, 30> taken{};
  taken[25] = taken[27] = taken[28] = taken[29] = true;
  const int wanted[3] = {p1, p2, p3};
  for (int k = 1; k <= 3; ++k) {
    int c = wanted[k - 1];
    while (taken[c]) c = c == 30 ? 1 : c + 1;
    taken[c] = true;
    v.Choice[k] = c;
  }

  v.H = 2 * Round((p7 + 30) / 2.0);
  v.h0 = v.H - 20;
  v.e = v.h0 + p5 / 4;
  v.w1 = 5 * Round((p4 + 20) / 5.0);
  v.w2 = 5 * Round((p5 + 20) / 5.0);
  v.w3 = 5 * Round((p6 / 2.0 + 20) / 5.0);
  v.w4 = 5 * Round((p7 / 2.0 + 20) / 5.0);
  v.W = v.w1 + v.w2 + v.w3 + v.w4;
  v.P = std::abs(p1 - 20) >= 10 ? p1 - 20 : 2 * p7 + 10;

  auto& x = v.X;
  auto& y = v.Y;
  const double columns[4] = {0.0, static_cast<double>(v.w1), static_cast<double>(v.w1 + v.w2),
                             static_cast<double>(v.w1 + v.w2 + v.w3)};
  for (int k = 0; k < 4; ++k) {
    x[4 + k] = columns[k];
    y[4 + k] = v.H + v.h0;
    x[8 + k] = columns[k];
    y[8 + k] = 0;
  }
  const double t = static_cast<double>(v.H - v.e) / v.W;
  x[1] = columns[1];
  x[2] = columns[2];
  x[3] = columns[3];
  y[1] = v.h0 + t * v.w1;
  y[2] = y[1] + t * v.w2;
  y[3] = y[2] + t * v.w3;
  x[14] = 0;
  y[14] = v.h0;
  x[15] = v.W;
  y[15] = v.H + v.h0 - v.e;
  x[12] = 0;
  y[12] = y[2];
  x[13] = v.W;
  y[13] = y[3];

  // The force method on the unscaled points; EA is the same for all rods and cancels.
  double length[4], arm[4];
  for (int k = 1; k <= 3; ++k) {
    const int a = RodAnchorOfChoice(v.Choice[k]);
    const int b = RodBarPointOfChoice(v.Choice[k]);
    length[k] = toolkit::Hypot(x[a] - x[b], y[a] - y[b]);
    const double c = (x[a] - x[b]) / length[k];
    const double sn = (y[a] - y[b]) / length[k];
    arm[k] = sn * (x[b] - x[14]) - c * (y[b] - y[14]);
  }
  if (std::fabs(arm[3]) < 1e-9) {
    throw toolkit::DegenerateDataError(
        "rod system: the third rod passes through the hinge of the bar");
  }
  const double alpha0 = (v.H - v.e) * v.P / arm[3];
  const double alpha1 = -arm[1] / arm[3];
  const double alpha2 = -arm[2] / arm[3];
  const double d11 = length[1] + length[3] * alpha1 * alpha1;
  const double d12 = length[3] * alpha1 * alpha2;
  const double d22 = length[2] + length[3] * alpha2 * alpha2;
  const double delta1 = length[3] * alpha0 * alpha1;
  const double delta2 = length[3] * alpha0 * alpha2;
  const double det = d11 * d22 - d12 * d12;
  if (!(det > 0)) {
    throw toolkit::DegenerateDataError("rod system: the canonical equations are singular");
  }
  v.N[2] = (delta1 * d12 - delta2 * d11) / det;
  v.N[1] = -(d12 * v.N[2] + delta1) / d11;
  v.N[3] = alpha0 + alpha1 * v.N[1] + alpha2 * v.N[2];
  return v;
}

void BeginIndeterminateRodSystemProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 8);
  AnsWriteLine(s, " & \\mc{кН} \\\\\\hline");
  WriteLine(s,
            "Определить усилия в стержнях статически неопределимой конструкции. "
            "\\vskip2mm\\noindent ");
}

void WriteIndeterminateRodSystemVariant(SharedState& s) {
  const RodSystemVariant v = DeriveRodSystemVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  ClearPoints(s, 15);
  for (int k = 1; k <= 15; ++k) {
    s.PointX[k] = v.X[k];
    s.PointY[k] = v.Y[k];
  }
  toolkit::IndexedArray<bool, 1, 15> used{};
  used[14] = true;
  used[15] = true;
  for (int k = 1; k <= 3; ++k) {
    used[RodAnchorOfChoice(v.Choice[k])] = true;
    used[RodBarPointOfChoice(v.Choice[k])] = true;
  }

  // The box leaves room above the highest anchor for the ceiling's hatching within the
  // picture, clear of the problem's heading.
  s.BoxWidth = 130;
  s.BoxHeight = 78;
  FitPointsToBox(s, 15, 0);
  // The picture spans the dimension of the heights on the left (at -21), the bar's offset
  // right of the bar (at W + 24) and the chain under the lowest point.
  BeginPicture(s, 192, 118, -25, -26);
  auto& x = s.PointX;
  auto& y = s.PointY;
  const double t = static_cast<double>(v.H - v.e) / v.W;

  s.BlockCentred = false;
  DrawRotatedBlock(s, 5, x[14] - 2, y[14] - 2, std::atan(t), s.Scale * v.W * (1 + t * t), 4);
  PutHingeBoxAtPoint(s, 14);

  // Labels number the used points in point order, so the bar points come first.
  toolkit::IndexedArray<int, 1, 15> label{};
  int next = 0;
  SetLineWidth(s, 6);
  WriteText(s, "\\Red{");
  for (int p = 1; p <= 11; ++p) {
    if (!used[p]) continue;
    DrawNodeMarker(s, p);
    label[p] = ++next;
    if (p <= 3) {
      // Below the bar, on the side where no rod passes close (below right unless a rod runs
      // through that place).
      double clearance[2] = {1e9, 1e9};
      const double offsets[2] = {2, -8};
      for (int side = 0; side < 2; ++side) {
        const double cx = x[p] + offsets[side] + 2.5;
        const double cy = y[p] - 5;
        for (int k = 1; k <= 3; ++k) {
          const int a = RodAnchorOfChoice(v.Choice[k]);
          const int b = RodBarPointOfChoice(v.Choice[k]);
          clearance[side] =
              std::min(clearance[side], DistanceToSegment(cx, cy, x[a], y[a], x[b], y[b]));
        }
      }
      const int side = clearance[0] >= 5 || clearance[0] >= clearance[1] ? 0 : 1;
      PutItalicValueLabel(s, x[p] + offsets[side], y[p] - 8, label[p]);
    } else if (p <= 7) {
      PutItalicValueLabel(s, x[p] + 4, y[p] + 1, label[p]);
      DrawCeilingFork(s, p);
    } else {
      PutItalicValueLabel(s, x[p] + 4, y[p] - 6, label[p]);
      DrawFloorFork(s, p);
    }
  }
  if (used[12]) {
    label[12] = ++next;
    // Above the rod, clear of the wall and of the height's dimension on the left.
    PutItalicValueLabel(s, x[12] + 1, y[12] + 3, label[12]);
    DrawWallPin(s, 12, -1);
  }
  if (used[13]) {
    label[13] = ++next;
    PutItalicValueLabel(s, x[13] + 10, y[13] - 9, label[13]);
    DrawWallPin(s, 13, 1);
  }
  WriteText(s, "}");

  SetLineWidth(s, 10);
  for (int k = 1; k <= 3; ++k) {
    DrawBar(s, RodAnchorOfChoice(v.Choice[k]), RodBarPointOfChoice(v.Choice[k]));
  }
  SetLineWidth(s, 1);

  const int sign = toolkit::SignOf(v.P);
  DrawThickRedVector(s, sign, 0, x[15] - 9 * (sign - 1) + 1, y[15], 18);
  PutLabel(s, "$P$", x[15] + 7, y[15] + 3);

  const bool upper = used[4] || used[5] || used[6] || used[7];
  const bool lower = used[8] || used[9] || used[10] || used[11];
  if (upper) {
    DrawHatchRowV(s, 1, x[14] - 5, y[4] + 9, s.Scale * v.W + 10);
    DrawDimensionVValue(s, 2, -21, y[14], y[14] + s.Scale * v.H, v.H);
  }
  if (lower) {
    DrawHatchRowV(s, -1, x[14] - 5, y[8] - 9, s.Scale * v.W + 10);
    DrawDimensionVValue(s, 2, -21, y[14], y[14] - s.Scale * v.h0, v.h0);
  }

  for (int p = 1; p <= 15; ++p) {
    if (!used[p]) {
      x[p] = x[14];
      y[p] = y[14];
    }
  }
  double lowest = y[1];
  for (int p = 2; p <= 15; ++p) lowest = std::min(lowest, y[p]);
  DrawDimensionChainX(s, 15, lowest - 24, s.Scale);
  DrawDimensionVValue(s, 2, s.Scale * v.W + 24, y[14], y[15], v.H - v.e);
  EndPicture(s);

  WriteTextNumberLn(s, "\\vskip1mm{\\small $P$=", std::fabs(v.P), " кН.}");

  AnsWriteTextNumberLn(s, " ", toolkit::PrintedVariantNumber(s), "&");
  for (int k = 1; k <= 3; ++k) {
    const int a = RodAnchorOfChoice(v.Choice[k]);
    const int b = RodBarPointOfChoice(v.Choice[k]);
    AnsWriteLine(s, " $ S_{" + std::to_string(label[b]) + ", " + std::to_string(label[a]) +
                        "}=" + toolkit::FormatFixed(v.N[k], 8, 3) + (k < 3 ? " $," : " $"));
  }
}

}  // namespace structural
