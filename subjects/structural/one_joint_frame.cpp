#include "subjects/structural/one_joint_frame.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

using toolkit::RoundHalfEven;
using toolkit::SignNonZero;

constexpr int kStiffness[7][3] = {{3, 6, 1}, {2, 3, 1}, {1, 3, 2}, {2, 1, 3},
                                  {2, 4, 1}, {4, 2, 1}, {1, 4, 2}};

int StiffnessRow(int p7) {
  if (p7 <= 9) return 0;
  if (p7 <= 18) return 1;
  if (p7 <= 27) return 2;
  if (p7 <= 33) return 3;
  if (p7 <= 40) return 4;
  if (p7 <= 50) return 5;
  return 6;
}

}  // namespace

OneJointFrameVariant DeriveOneJointFrameVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                int p7) {
  OneJointFrameVariant v;
  const int c = StiffnessRow(p7);
  for (int k = 1; k <= 3; ++k) v.J[k] = kStiffness[c][k - 1];
  const bool down = p3 == 1 || p3 == 3;
  v.G = down ? -1 : 1;
  if (p1 == 2 && p2 == 2) p2 = 1;
  if (p1 == 3 && p2 == 3) p2 = 2;
  v.FarKind[1] = p1;
  v.FarKind[2] = p2;
  v.FarKind[3] = p3 <= 2 ? 1 : 2;
  v.M = 3 * p2 + 20 + p6 + p1 + p3;
  v.Q = p7 / 7 + 2 + p5;
  v.P = p7 / 10 + 6 + p1;
  v.LoadKind[1] = p4;
  v.LoadKind[2] = p5;
  v.LoadKind[3] = p6;
  const int couple_sign[4] = {0, SignNonZero(p7 - 30), SignNonZero(p3 - 2), SignNonZero(p2 - 1)};
  const int q_sign[4] = {0, SignNonZero(p7 - 41), SignNonZero(p7 - 20), SignNonZero(p7 / 4 - 8)};
  const int p_sign[4] = {0, SignNonZero(p7 - 8 * p2), SignNonZero(p7 - 8 * p3),
                         SignNonZero(p7 / 8 - 4)};
  for (int k = 1; k <= 3; ++k) {
    switch (v.LoadKind[k]) {
      case 1: v.Signed[k] = q_sign[k] * v.Q; break;
      case 2: v.Signed[k] = couple_sign[k] * v.M; break;
      case 3: v.Signed[k] = p_sign[k] * v.P; break;
      default: v.Signed[k] = 0; break;
    }
  }

  auto& x = v.X;
  auto& y = v.Y;
  x[1] = 0;
  x[2] = p5 + 6;
  x[3] = x[2] + p6 + 4 + p7 / 14;
  int h = p6 / 3 + p3 + p7 / 20 + p5 / 2 + p4 + 3;
  if (h < 4) h = 8;
  if (h > 9) h = 6;
  x[4] = x[2];
  y[4] = v.G * h;
  auto mid_load = [&](int k) { return v.LoadKind[k] == 2 || v.LoadKind[k] == 3; };
  x[5] = mid_load(1) ? RoundHalfEven((x[1] + x[2]) / 2) : x[2];
  x[6] = mid_load(2) ? RoundHalfEven((x[3] + x[2]) / 2) : x[2];
  x[7] = x[2];
  y[7] = mid_load(3) ? RoundHalfEven((y[2] + y[4]) / 2) : y[2];
  const bool side_q = v.LoadKind[1] == 1 || v.LoadKind[2] == 1;
  y[8] = v.G > 0 && side_q ? -1.5 : 0;
  v.L[1] = RoundHalfEven(x[2] - x[1]);
  v.L[2] = RoundHalfEven(x[3] - x[2]);
  v.L[3] = RoundHalfEven(std::fabs(y[4] - y[2]));
  v.Jd[1] = RoundHalfEven(x[2] - x[5]);
  v.Jd[2] = RoundHalfEven(x[6] - x[2]);
  v.Jd[3] = std::fabs(RoundHalfEven(y[2] - y[7]));

  const double cq[4] = {0, -1.0, 1.0, -1.0 * v.G};
  const double dp[4] = {0, 1.0, -1.0, 1.0 * v.G};
  for (int k = 1; k <= 3; ++k) {
    const double l = v.L[k], j = v.Jd[k], f = l - j;
    v.F[k] = f;
    const bool fixed = v.FarKind[k] == 1;
    const double i = v.J[k] / l;
    v.M1Joint[k] = fixed ? 4 * i : 3 * i;
    v.M1Far[k] = fixed ? -2 * i : 0;
    v.M1LoadFar[k] = v.M1LoadJoint[k] = fixed ? 2 * i * (3 * f / l - 1) : 3 * i * f / l;
    double far = 0, joint = 0, load_far = 0, load_joint = 0;
    switch (v.LoadKind[k]) {
      case 1: {
        const double w = v.Signed[k] * l * l * cq[k];
        far = fixed ? w / 12 : 0;
        joint = fixed ? w / 12 : w / 8;
        load_far = load_joint = joint;
        break;
      }
      case 3: {
        const double pp = v.Signed[k] * dp[k];
        joint = fixed ? -pp * j * f * f / (l * l) : -pp * f * (l * l - f * f) / (2 * l * l);
        far = fixed ? -pp * f * j * j / (l * l) : 0;
        load_far = load_joint = joint * f / l + far * j / l + pp * j * f / l;
        break;
      }
      case 2: {
        const double u = -v.Signed[k] / (l * l);
        joint = fixed ? u * f * (2 * l - 3 * f) : u / 2 * (l * l - 3 * f * f);
        far = fixed ? -u * j * (2 * l - 3 * j) : 0;
        const double line = joint * f / l + far * j / l;
        load_joint = line + v.Signed[k] * j / l;
        load_far = line - v.Signed[k] * f / l;
        break;
      }
      default:
        break;
    }
    v.MpFar[k] = far;
    v.MpJoint[k] = joint;
    v.MpLoadFar[k] = load_far;
    v.MpLoadJoint[k] = load_joint;
  }
  for (int k = 1; k <= 3; ++k) {
    v.R1 += v.M1Joint[k];
    v.Rp += v.MpJoint[k];
  }
  v.Z1 = -v.Rp / v.R1;
  for (int k = 1; k <= 3; ++k) {
    v.MFar[k] = v.MpFar[k] + v.Z1 * v.M1Far[k];
    v.MJoint[k] = v.MpJoint[k] + v.Z1 * v.M1Joint[k];
    v.MLoadFar[k] = v.MpLoadFar[k] + v.Z1 * v.M1LoadFar[k];
    v.MLoadJoint[k] = v.MpLoadJoint[k] + v.Z1 * v.M1LoadJoint[k];
  }
  return v;
}

namespace {

// The value labels of one answers diagram: each is kept clear of those placed before it
// (at a joint three members' end values meet).
class ValueLabels {
 public:
  // |v| with its reference point near (x, y): `align` 0 puts the label's left end at x, 1 its
  // right end, 0.5 its middle.
  void Put(SharedState& s, double x, double y, double v, double align) {
    const double value = std::fabs(v);
    const std::string text = value > 1e-8 ? toolkit::FormatFixed(value, 4, 2) : "0";
    const double w = figures::LabelWidth(text, 8);
    const auto [px, py] = placed_.Clear(x - align * w, y, w, 5.5, kReach);
    AnsPutFixedValueLabel(s, px, py, value);
  }
  // How far Put may move a label to clear the others.
  static constexpr double kReach = 14;

 private:
  figures::LabelSpacing placed_;
};

// The final moment diagram of one piece of a member: from (xa, ya) to (xb, yb) in picture
// units, values va at a and vb at b, t the side factor. A uniform load q' (0 when the piece
// carries none) bends the diagram by a parabola over the whole member of length l.
struct Piece {
  double xa, ya, xb, yb, va, vb, t, q, l;
  bool skip_start;
};

void DrawBeamPiece(SharedState& s, ValueLabels& labels, const Piece& c, double d) {
  const bool uniform = c.q != 0;
  const double ell = uniform ? s.Scale * c.l : c.xb - c.xa;
  const int n = std::max(1, static_cast<int>(RoundHalfEven(ell / 3)));
  const double h = ell / n, slope = ell != 0 ? (c.vb - c.va) / ell : 0;
  auto p = [&](double x) { return uniform ? d * c.q * x * (ell - x) / (2 * s.Scale * s.Scale) : 0; };
  auto at = [&](int k) { return c.ya + d * c.t * (c.va + slope * k * h) - p(k * h); };
  if (!uniform) {
    for (int k = 0; k <= n; ++k) AnsDrawSegment(s, c.xa + k * h, c.ya, c.xa + k * h, at(k));
  }
  // The end values stand inside the piece, clear of the next piece's values.
  if (!c.skip_start) {
    labels.Put(s, c.xa + 1, c.ya + d * c.t * c.va + 5 * toolkit::SignNonZero(c.t * c.va) - 4, c.va,
               0);
  }
  labels.Put(s, c.xb - 1, c.ya + d * c.t * c.vb + 5 * toolkit::SignNonZero(c.t * c.vb) - 4, c.vb,
             1);
  AnsSetLineWidth(s, 4);
  AnsMoveTo(s, c.xa, at(0));
  if (!uniform) {
    AnsLineTo(s, c.xb, c.ya + d * c.t * c.vb);
  } else {
    for (int k = 1; k <= n; ++k) AnsLineTo(s, c.xa + k * h, at(k));
    const double xs = ell / (2 * s.Scale) - c.t * slope * s.Scale / c.q;
    const double ms = c.t * (c.va + slope * s.Scale * xs) - (d != 0 ? p(s.Scale * xs) / d : 0);
    labels.Put(s, c.xa + s.Scale * xs, c.ya + d * ms + 5 * toolkit::SignOf(-c.q) - 3, ms, 0.5);
    for (int k = 0; k <= n; ++k) AnsDrawSegment(s, c.xa + k * h, c.ya, c.xa + k * h, at(k));
  }
  AnsSetLineWidth(s, 1);
}

void DrawColumnPiece(SharedState& s, ValueLabels& labels, const Piece& c, double d, int g) {
  // A value beside the diagram's curve at (x, y), on the side `sign` points to; `into` moves
  // it up (1) or down (-1) off the level of a member's end, 0 centres it there.
  auto beside = [&](double x, double y, double v, int sign, int into) {
    const double at = into > 0 ? y + 1.5 : into < 0 ? y - 7 : y - 2;
    labels.Put(s, x + (sign < 0 ? -2 : 2), at, v, sign < 0 ? 1 : 0);
  };
  const int up = toolkit::SignOf(c.yb - c.ya);
  const bool uniform = c.q != 0;
  const double ell =
      uniform ? toolkit::SignOf(c.yb - c.ya) * s.Scale * c.l : c.yb - c.ya;
  const int n = std::max(1, static_cast<int>(std::fabs(RoundHalfEven(ell / 3))));
  const double h = ell / n, slope = ell != 0 ? (c.vb - c.va) / ell : 0;
  auto p = [&](double y) { return uniform ? d * c.q * y * (ell - y) / (2 * s.Scale * s.Scale) : 0; };
  auto at = [&](int k) { return c.xa + d * c.t * (c.va + slope * k * h) - p(k * h); };
  if (!uniform) {
    for (int k = 0; k <= n; ++k) AnsDrawSegment(s, c.xa, c.ya + k * h, at(k), c.ya + k * h);
  }
  AnsSetLineWidth(s, 4);
  AnsMoveTo(s, at(0), c.ya);
  if (!uniform) {
    AnsLineTo(s, c.xa + d * c.t * c.vb, c.yb);
  } else {
    for (int k = 1; k <= n; ++k) AnsLineTo(s, at(k), c.ya + k * h);
    const double ys = ell / (2 * s.Scale) - slope * s.Scale / c.q;
    const double bend = d != 0 ? g * p(s.Scale * ys) / d : 0;
    const double ms =
        (g > 0 ? c.vb - slope * s.Scale * ys : c.va + slope * s.Scale * ys) + bend;
    beside(c.xa + d * c.t * ms, c.ya + s.Scale * ys, ms, toolkit::SignOf(-c.q), 0);
    for (int k = 0; k <= n; ++k) AnsDrawSegment(s, c.xa, c.ya + k * h, at(k), c.ya + k * h);
  }
  AnsSetLineWidth(s, 1);
  if (!c.skip_start) {
    beside(c.xa + d * c.t * c.va, c.ya, c.va, toolkit::SignNonZero(c.t * c.va), up);
  }
  beside(c.xb + d * c.t * c.vb, c.yb, c.vb, toolkit::SignNonZero(c.t * c.vb), -up);
}

}  // namespace

void BeginIndeterminateFrameDisplacement2Problem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsWrite(s, "\\tabcolsep=2pt");
  // Nine answer columns and the student's name: a wider table would rule empty columns past
  // the last cell.
  Ans2BeginTable(s, 10);
  Ans2WriteLine(s, "&\\mc{$r_1$}");
  for (int k = 1; k <= 3; ++k) Ans2WriteLine(s, "&\\mc{$m_{1" + std::to_string(k) + "}$}");
  Ans2WriteLine(s, "&\\mc{$R_p$}");
  for (int k = 1; k <= 3; ++k) Ans2WriteLine(s, "&\\mc{$M_{p" + std::to_string(k) + "}$}");
  Ans2WriteLine(s, "& $Z_1$ \\\\\\hline ");
  WriteLine(s, "Построить эпюру моментов в раме. \\vskip2mm\\noindent ");
}

void WriteIndeterminateFrameDisplacement2Variant(SharedState& s) {
  const OneJointFrameVariant v =
      DeriveOneJointFrameVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int g = v.G;
  ClearPoints(s, 9);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 8; ++i) {
    x[i] = v.X[i];
    y[i] = v.Y[i];
  }
  // The frame takes 140 x 75 of the picture; loads, supports and labels reach at most 26
  // above it and the dimension chains lie right of and below everything drawn.
  s.BoxWidth = 140;
  s.BoxHeight = 75;
  FitPointsToBox(s, 8, 0);
  BeginPicture(s, 185, 138, -20, -35);
  SetLineWidth(s, 12);
  MoveToPoint(s, 1);
  LineToPoint(s, 3);
  MoveToPoint(s, 2);
  LineToPoint(s, 4);
  SetLineWidth(s, 1);

  // Loads; a positive signed load acts down on a horizontal member and to the left on the
  // column, a positive couple turns clockwise (so the final diagram lies on the stretched
  // side of every member). Each label stands beside its own arrows; `lowest` follows what
  // hangs below the frame, so that the dimension chain clears it.
  const int far_point[4] = {0, 1, 3, 4}, load_point[4] = {0, 5, 6, 7};
  int arrows_side[4] = {0, 0, 0, 0};  // the side of its member a load lies on (above, right: 1)
  double lowest = std::min(y[2], y[4]) - 13.5;
  for (int k = 1; k <= 3; ++k) {
    const int kind = v.LoadKind[k];
    if (kind < 1 || kind > 3) continue;
    const bool column = k == 3;
    const double px = x[load_point[k]], py = y[load_point[k]];
    const int dir = -toolkit::SignOf(v.Signed[k]);
    const int a = 2, b = far_point[k];
    arrows_side[k] = kind != 2 ? -dir : column ? 0 : 1;
    if (kind == 1) {
      WriteText(s, "\\Blue{");
      if (column) {
        const double y0 = std::min(y[a], y[b]), y1 = std::max(y[a], y[b]);
        const double xl = x[a] - 8 * dir;
        DrawSegment(s, xl, y0, xl, y1);
        const int n = std::max(1, static_cast<int>(RoundHalfEven((y1 - y0) / 7)));
        for (int i = 0; i <= n; ++i) DrawDirectedVector(s, dir, 0, 1, xl, y0 + i * (y1 - y0) / n, 8);
        PutBlueLabel(s, "$q$", xl - 6 * dir - 2, (y0 + y1) / 2 + 2);
      } else {
        const double x0 = std::min(x[a], x[b]), x1 = std::max(x[a], x[b]);
        const double yl = y[a] - 8 * dir;
        DrawSegment(s, x0, yl, x1, yl);
        const int n = std::max(1, static_cast<int>(RoundHalfEven((x1 - x0) / 7)));
        for (int i = 0; i <= n; ++i) DrawDirectedVector(s, 0, dir, 1, x0 + i * (x1 - x0) / n, yl, 8);
        PutBlueLabel(s, "$q$", (x0 + x1) / 2 - 2, yl - 6 * dir + (dir > 0 ? -2 : 1));
        if (dir > 0) lowest = std::min(lowest, yl - 10);
      }
      WriteText(s, "}");
    } else if (kind == 3) {
      WriteText(s, "\\Red{{\\thicklines");
      if (column) {
        DrawDirectedVector(s, 1, 0, dir, dir > 0 ? px - 20 : px, py, 20);
        PutLabel(s, "$P$", dir > 0 ? px - 14 : px + 8, py + 2);
      } else {
        DrawDirectedVector(s, 0, 1, dir, px, dir > 0 ? py - 20 : py, 20);
        PutLabel(s, "$P$", px + 2, dir > 0 ? py - 14 : py + 9);
        if (dir > 0) lowest = std::min(lowest, py - 20);
      }
      WriteText(s, "}}");
    } else {
      // The couple's letter stands off the arc, beyond its open end.
      const bool positive = dir > 0;
      PutBox(s, column ? (positive ? "dmomentp" : "dmomentm") : (positive ? "vmomentp" : "vmoment"),
             px, py);
      PutLabel(s, "$m$", px + (column ? 7 : 10), py + (column ? 8 : 11));
    }
  }
  DrawDimensionChains(s, 7, s.Scale * s.RangeX + 22, std::min(-24.0, lowest - 10), 1, s.Scale,
                      s.Scale, 1);

  x[1] -= 1.2;
  x[3] += 1.5;
  y[4] += 1.5 * g;
  auto side_support = [&](int kind, int point, const char* wall) {
    if (kind == 1) {
      PutBoxAtPoint(s, point, wall);
    } else if (kind == 2) {
      PutBoxAtPoint(s, point, "dnst");
    } else if (g > 0) {
      PutUpHingeBoxAtPoint(s, point);
    } else {
      PutHingeBoxAtPoint(s, point);
    }
  };
  side_support(v.FarKind[1], 1, "leftzadelka");
  side_support(v.FarKind[2], 3, "rightzadelka");
  switch (s.P3) {
    case 1: PutFixedSupportBox(s, x[4], y[4]); break;
    case 2: PutUpFixedSupportBox(s, x[4], y[4]); break;
    case 3: PutHingeBoxAtPoint(s, 4); break;
    default: PutUpHingeBoxAtPoint(s, 4); break;
  }
  // A stiffness label goes on the side of its member that its load leaves free.
  // A couple's arc takes both sides of a short member: its member's label stands in the
  // arc's open mouth.
  for (int k = 1; k <= 2; ++k) {
    const std::string label = figures::FormatCoefficient(v.J[k]) + "J";
    if (v.LoadKind[k] == 2) {
      PutLabel(s, label, x[load_point[k]] - figures::LabelWidth(label, 8) / 2, y[2] - 7.5);
      continue;
    }
    const int side = arrows_side[k] == g ? -g : g;
    const int at = k == 1 ? 1 : 2;
    PutLabel(s, label, x[at] + 5, y[at] + 5 * side - 3);
  }
  PutLabel(s, figures::FormatCoefficient(v.J[3]) + "J", arrows_side[3] > 0 ? x[4] - 12 : x[4] + 1,
           y[4] - 5 * g - 3);
  EndPicture(s);
  x[1] += 1.2;
  x[3] -= 1.5;
  y[4] -= 1.5 * g;

  bool has[5] = {false, false, false, false, false};
  for (int k = 1; k <= 3; ++k) has[v.LoadKind[k]] = true;
  WriteText(s, "\\vfill\\parbox[b]{190pt}{\\small");
  WriteFrameLoadData(s, has[1], has[3], has[2], v.Q, v.P, v.M);
  WriteText(s, "}");

  auto fixed = [](double value) { return toolkit::FormatFixed(value, 6, 3); };
  std::string row = toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)) + "&" + fixed(v.R1);
  for (int k = 1; k <= 3; ++k) row += "&" + fixed(v.M1Joint[k]);
  row += "&" + fixed(v.Rp);
  for (int k = 1; k <= 3; ++k) row += "&" + fixed(v.MpJoint[k]);
  row += "&" + fixed(v.Z1);
  Ans2Write(s, row);

  // The answers draw the frame half as large again as the statement where the box spans
  // the line (two boxes share it in students mode): the values need the room.
  const double answer_scale = s.StudentsMode ? 1 : 1.5;
  for (int i = 1; i <= 8; ++i) {
    x[i] *= answer_scale;
    y[i] *= answer_scale;
  }
  s.Scale *= answer_scale;
  // Two boxes share a row of 429pt in students mode, each framed with the document's 8pt
  // \fboxsep: 196pt holds the 192pt picture and keeps the pair inside the row.
  AnsBeginVariantBox(s, 196);
  // The diagram's scale: every curve stays within `amplitude` of its member, the bulge of a
  // uniform load (q l^2 / 8 over the line of its end values) included.
  const double amplitude = 35 * answer_scale;
  double largest = 0;
  for (int k = 1; k <= 3; ++k) {
    const double bulge = v.LoadKind[k] == 1 ? std::fabs(v.Signed[k]) * v.L[k] * v.L[k] / 8 : 0;
    for (double m : {v.MFar[k], v.MJoint[k], v.MLoadFar[k], v.MLoadJoint[k]}) {
      largest = std::max(largest, std::fabs(m) + bulge);
    }
  }
  // A flat diagram (all values 0) is drawn flat on its members.
  const double d = largest > 1e-9 ? amplitude / largest : 0;
  // The room: the curves, their values up to 13 beyond them (a label's width beside a
  // column) and the little a value moves to clear the others.
  const double reach = ValueLabels::kReach;
  const double bottom =
      std::min(y[2] - amplitude - 13 - reach, std::min(y[2], y[4]) - 8 - reach);
  const double top = std::max(y[2] + amplitude + 13 + reach, std::max(y[2], y[4]) + 6 + reach);
  const double left = std::min(-12 - reach, x[2] - amplitude - 27 - reach);
  const double right = std::max(x[3] + 12 + reach, x[2] + amplitude + 27 + reach);
  AnsBeginPicture(s, right - left, top - bottom, left, bottom);
  AnsSetLineWidth(s, 12);
  AnsMoveTo(s, x[1], y[1]);
  AnsLineTo(s, x[3], y[3]);
  AnsMoveTo(s, x[2], y[2]);
  AnsLineTo(s, x[4], y[4]);
  AnsSetLineWidth(s, 1);
  auto q_of = [&](int k) { return v.LoadKind[k] == 1 ? v.Signed[k] : 0.0; };
  auto split = [&](int k) { return v.LoadKind[k] == 2 || v.LoadKind[k] == 3; };
  ValueLabels labels;
  AnsWrite(s, "\\Blue{");
  if (split(1)) {
    DrawBeamPiece(s, labels, {x[1], y[1], x[5], y[5], v.MFar[1], v.MLoadFar[1], -1, 0, v.L[1], false}, d);
    DrawBeamPiece(s, labels, {x[5], y[5], x[2], y[2], v.MLoadJoint[1], v.MJoint[1], -1, 0, v.L[1],
                      v.LoadKind[1] == 3}, d);
  } else {
    DrawBeamPiece(s, labels, {x[1], y[1], x[2], y[2], v.MFar[1], v.MJoint[1], -1, q_of(1), v.L[1], false},
                  d);
  }
  AnsWrite(s, "}\\Red{");
  if (split(2)) {
    DrawBeamPiece(s, labels, {x[2], y[2], x[6], y[6], v.MJoint[2], v.MLoadJoint[2], 1, 0, v.L[2], false}, d);
    DrawBeamPiece(s, labels, {x[6], y[6], x[3], y[3], v.MLoadFar[2], v.MFar[2], 1, 0, v.L[2],
                      v.LoadKind[2] == 3}, d);
  } else {
    DrawBeamPiece(s, labels, {x[2], y[2], x[3], y[3], v.MJoint[2], v.MFar[2], 1, q_of(2), v.L[2], false},
                  d);
  }
  AnsWrite(s, "}\\OliveGreen{");
  const double tc = -g;
  if (split(3)) {
    DrawColumnPiece(s, labels, {x[2], y[2], x[7], y[7], v.MJoint[3], v.MLoadJoint[3], tc, 0, v.L[3], false},
                    d, g);
    DrawColumnPiece(s, labels, {x[7], y[7], x[4], y[4], v.MLoadFar[3], v.MFar[3], tc, 0, v.L[3],
                        v.LoadKind[3] == 3}, d, g);
  } else {
    // An unloaded column still carries the moments of the joint's rotation.
    DrawColumnPiece(s, labels, {x[2], y[2], x[4], y[4], v.MJoint[3], v.MFar[3], tc, q_of(3), v.L[3], false},
                    d, g);
  }
  AnsWrite(s, "}");
  AnsEndPicture(s);
  AnsWrite(s, "}}");
  // The box is 380pt wide outside students mode: one box a row there, two in students mode.
  // The document's answers block is then closed and opened again, so that the pages can break
  // between rows (one block would run off the sheet).
  if (!s.StudentsMode || s.VariantIndex % 2 == 0) AnsWrite(s, "\\\\ }\\par \\parbox{430pt}{");
}

}  // namespace structural
