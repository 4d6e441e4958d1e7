#include "subjects/statics/simple_frame.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Member directions (t1 post, t2 beam, t3 drop) by P2.
struct FrameSigns {
  int t1, t2, t3;
};
const toolkit::IndexedArray<FrameSigns, 1, 8> FrameSignTable = [] {
  toolkit::IndexedArray<FrameSigns, 1, 8> t;
  t[1] = {1, 1, 1};
  t[2] = {1, -1, 1};
  t[3] = {-1, 1, 1};
  t[4] = {-1, -1, 1};
  t[5] = {1, 1, -1};
  t[6] = {1, -1, -1};
  t[7] = {-1, 1, -1};
  t[8] = {-1, -1, -1};
  return t;
}();

// One variant after the reduction: the loads as printed (F = |f5|) and the three reactions.
struct SimpleFrame {
  FrameSigns t{};
  int H = 0, W = 0, h = 0, w = 0;
  int f5 = 0, e = 0, u = 0;  // 5p, P, m
  int R1 = 0, R2 = 0, R3 = 0;
};

SimpleFrame SolveSimpleFrame(SharedState& s) {
  SimpleFrame f;
  const int p1 = s.P1, p3 = s.P3, p4 = s.P4, p7 = s.P7;
  f.t = FrameSignTable[s.P2];
  f.H = (p3 + 3) * f.t.t1;
  f.W = (p4 + 9) * f.t.t2;
  // The drop is shorter than the post and point 5 lies on the beam: P5 and P6 are lowered
  // for the rest of this variant.
  if (s.P5 >= p3) s.P5 = static_cast<std::int8_t>(p3 - 1);
  f.h = (s.P5 + 2) * f.t.t3;
  if (s.P6 >= p4 + 2) s.P6 = 2;
  f.w = (s.P6 + 2) * f.t.t2;
  const int k0 = p7 - 2 == 0 ? 2 : p7 - 2;
  int e = p7 + s.P6 - s.P5;
  if (e == 0) e = 11;
  const int H = f.H, W = f.W, h = f.h, w = f.w;
  int u = 0, p = 0, R1 = 0, R2 = 0, R3 = 0;
  switch (p1) {
    case 1:
      u = e * w;
      p = k0 * (H - h);
      R3 = k0 * (4 * H - 3 * W);
      R1 = 4 * p - R3;
      R2 = 3 * p + e;
      break;
    case 2:
      u = 2 * p4 + p3;
      p = k0 * p7;
      R1 = e * w - (4 * h - 3 * W) * p - 2 * p4 - p3;
      R2 = 3 * p + e;
      R3 = 4 * p;
      break;
    case 3:
      u = e * w;
      p = k0 * W;
      R3 = k0 * (3 * W - 4 * H);
      R1 = 4 * p;
      R2 = 3 * p + e - R3;
      break;
    case 4:
      u = 2 * p4 + p3;
      p = k0 * (p7 + p3);
      R1 = 4 * p;
      R2 = 3 * p + e;
      R3 = e * w - u - (4 * (H - h) - 3 * W) * p;
      break;
    case 5:
      u = p3 + 3 * p4;
      p = k0 * (p7 + p3 + 3);
      R1 = 4 * p;
      R2 = 3 * p + e;
      R3 = -(W - w) * e - p3 - 3 * p4 - 4 * p * H;
      break;
    case 6:
      u = p3 + 5 * p4;
      p = k0 * (p7 + p3 + 3);
      R1 = 4 * p;
      R2 = 3 * p + e;
      R3 = e * w - u - (4 * H - 3 * W) * p;
      break;
    case 7:
      u = -e * w;
      p = k0 * (H - h);
      R3 = k0 * (4 * H - 3 * (W - w));
      R1 = 4 * p - R3;
      R2 = 3 * p + e;
      break;
    case 8:
      u = -e * w;
      p = k0 * (W - w);
      R3 = -k0 * (4 * H - 3 * (W - w));
      R1 = 4 * p;
      R2 = 3 * p + e - R3;
      break;
    case 9:
      u = p3 + 7 * p4;
      p = k0 * (p7 + p3 + 1);
      R1 = 4 * p;
      R2 = 3 * p + e;
      R3 = -(4 * H - 3 * (W - w)) * p - e * w - p3 - 7 * p4;
      break;
    default:
      e = 6 * e;
      u = 7 * (p4 + p3 - 3);
      if (u == 0) u = 10;
      p = k0 * (p7 + p3 + 1);
      R1 = 4 * p;
      R2 = 3 * p + e;
      R3 = -(4 * (H - h) - 3 * (W - w)) * p - e * w - u;
      break;
  }
  int v[6] = {5 * p, e, R1, R2, R3, u};
  toolkit::NormalizeIntVector(v, 6);
  f.f5 = v[0];
  f.e = v[1];
  f.R1 = v[2];
  f.R2 = v[3];
  f.R3 = v[4];
  f.u = v[5];
  return f;
}

std::string Cell(int r) { return "$" + toolkit::FormatFixed(r, 4, 0) + "$"; }

// The answers cells X_A, Y_A, M_A, X_B, Y_B, M_B, Y_C of the scheme: which of the three
// reactions stands in each, and a dash for a reaction the scheme's supports do not give.
std::string AnswerCells(int scheme, const SimpleFrame& f) {
  static constexpr std::string_view kPlaces[10] = {"ab-c---", "-b-c-a-", "ab--c--", "abc----",
                                                   "a---bc-", "ab---c-", "a--c--b", "a---c-b",
                                                   "a----cb", "a---bc-"};
  std::string cells;
  for (const char k : kPlaces[(scheme - 1) % 10]) {
    if (!cells.empty()) cells += "&";
    cells += k == 'a'   ? Cell(f.R1)
             : k == 'b' ? Cell(f.R2)
             : k == 'c' ? Cell(f.R3)
                        : "  " + std::string(toolkit::kNoValue) + "  ";
  }
  return cells;
}

void DrawSimpleFrame(SharedState& s, int scheme, const SimpleFrame& f) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const int t1 = f.t.t1, t3 = f.t.t3;
  const double my = (Y[2] + Y[1]) / 2;
  // The labels of the forces and the digits of the chain under the frame stand where they
  // must; the letters of the supports and of the couple keep clear of them and of each other.
  figures::LabelSpacing placed;
  placed.Clear(-5, -18, s.RangeX * s.Scale + 10, 6, 0);
  const double sign_p = -f.e;
  const bool p_on_beam = scheme <= 6;
  const double px = p_on_beam ? X[5] : X[2];
  const double py = p_on_beam ? Y[5] - 18 : Y[3] - 10 * (1 - t1);
  const int pox = p_on_beam ? -9 : 2;
  placed.Clear(px + pox, py + 5, figures::LabelWidth("$P$", 8), 7, 0);
  const int q = scheme == 4 || scheme == 10 ? 4 : 3;
  // F's label goes beside its arrow's free end where below it would stand among the digits.
  const bool low = Y[q] < 11;
  const double fx = f.f5 > 0 ? X[3] : X[3] - 18, fy = f.f5 > 0 ? Y[q] : Y[q] - 12;
  const int fox = f.f5 > 0 ? (low ? -25 : -19) : (low ? -7 : 6);
  const int foy = f.f5 > 0 ? (low ? -12 : -19) : (low ? 0 : -3);
  placed.Clear(fx + fox, fy + foy, figures::LabelWidth("$F$", 8), 7, 0);

  PutBox(s, f.u > 0 ? "umomentp" : "umomentm", X[1], my);
  PutLabelClear(s, placed, "$m$", X[1] - 13, my + 4);
  PutLabelClear(s, placed, "$A$", X[1] - 9, scheme == 4 ? Y[1] + 4 * t1 - 1 : Y[1] - 2);
  if (scheme >= 7 && scheme <= 9) PutLabelClear(s, placed, "$C$", X[5] - 3, Y[5] - 8);
  switch (scheme) {
    case 2:
      PutLabelClear(s, placed, "$B$", X[4] + 5, Y[4] + 3 * t3 - 2);
      break;
    case 3:
    case 8:
      PutLabelClear(s, placed, "$B$", X[4] + 3, Y[4] + 3 * t3 - 2);
      break;
    case 5:
      PutLabelClear(s, placed, "$B$", X[4] - 9, Y[4] - 2);
      break;
    case 6:
    case 9:
      PutLabelClear(s, placed, "$B$", X[4] - 3, Y[4] - 8 * t3 - 2);
      break;
    case 10:
      PutLabelClear(s, placed, "$B$", X[5] + 3, Y[5] + 4);
      break;
    case 1:
    case 7:
      PutLabelClear(s, placed, "$B$", X[4] + 2, Y[4] + 2);
      break;
    default:
      break;
  }
  DrawThickRedForce(s, 0, 1, "$P$", sign_p, px, py, p_on_beam ? 18 : 20, pox, 5);
  if (q == 4) DrawNodeMarker(s, 4);
  if (f.f5 > 0) {
    DrawThickRedForce(s, -3, -2, "$F$", 1, fx, fy, 20, fox, foy);
  } else {
    DrawThickRedForce(s, 3, 2, "$F$", 1, fx, fy, 18, fox, foy);
  }
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 2, 1);
  LineToPoint(s, 3);
  DrawSegmentFromNodeRev(s, 3, 4);
  if (scheme == 6 || scheme == 9) {
    DrawSegment(s, X[4], Y[4] + 1.5 * t3, X[4], Y[4] - 3 * t3);
    DrawSegment(s, X[4] - 2, Y[4] + 2.5 * t3, X[4] - 2, Y[4] - 3 * t3);
    DrawSegment(s, X[4] + 2, Y[4] + 2.5 * t3, X[4] + 2, Y[4] - 3 * t3);
    DrawSegment(s, X[4] + 2, Y[4], X[4] + 12, Y[4]);
  }
  if (scheme == 5) DrawSegment(s, X[4], Y[4] + 1.5 * t3, X[4] + 8, Y[4] + 1.5 * t3);
  SetLineWidth(s, 1);
  DrawSegment(s, X[3], Y[q], X[3] - 17, Y[q]);
  PutBox(s, "ugalf", X[3], Y[q]);

  const bool post_up = f.H > 0;
  const bool drop_up = f.h > 0;
  const auto hinge_a = [&] {
    if (post_up) {
      PutHingeBoxAtPoint(s, 1);
    } else {
      PutUpHingeBoxAtPoint(s, 1);
    }
  };
  const auto roller_b = [&] {
    if (drop_up) {
      PutRollerBoxAtPoint(s, 4);
    } else {
      PutUpRollerBox(s, X[4], Y[4]);
    }
  };
  switch (scheme) {
    case 1:
      hinge_a();
      PutRightRodBox(s, X[4] - 1, Y[4]);
      break;
    case 2:
      if (post_up) {
        PutRollerBoxAtPoint(s, 1);
      } else {
        PutUpRollerBox(s, X[1], Y[1]);
      }
      DrawHatchRowsH(s, X[4], Y[4] + 3 * t3 - 3, 6);
      break;
    case 3:
      hinge_a();
      roller_b();
      break;
    case 4:
      if (post_up) {
        PutFixedSupportBox(s, X[1], Y[1]);
      } else {
        PutUpFixedSupportBox(s, X[1], Y[1]);
      }
      break;
    case 5:
      PutRightRodBox(s, X[1] - 1, Y[1]);
      DrawHatchRowsV(s, X[4] + 3, Y[4] + 1.5 * t3, 6);
      break;
    case 6:
      hinge_a();
      DrawHatchRowsV(s, X[4] + 4, Y[4], 6);
      break;
    case 7:
      PutRightRodBox(s, X[1] - 1, Y[1]);
      PutRightRodBox(s, X[4] - 1, Y[4]);
      PutUpRollerBox(s, X[5], Y[5] + 1.5);
      break;
    case 8:
      PutRightRodBox(s, X[1] - 1, Y[1]);
      roller_b();
      PutUpRollerBox(s, X[5], Y[5] + 1.5);
      break;
    case 9:
      PutRightRodBox(s, X[1] - 1, Y[1]);
      DrawHatchRowsV(s, X[4] + 4, Y[4], 6);
      PutUpRollerBox(s, X[5], Y[5] + 1.5);
      break;
    default:
      PutRightRodBox(s, X[1] - 1, Y[1]);
      DrawHatchRowsV(s, X[5] - 3, Y[5], 6);
      break;
  }
  DrawDimensionChains(s, 5, s.RangeX * s.Scale + 20, -20, 1, s.Scale, s.Scale, 0);
}

}  // namespace

void BeginSimpleFrameProblem(SharedState& s) {
  BeginSaveBox(s, "ugalf");
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 0, 0, 3.141592653589793, 3.6915927, 14);
  EndSaveBox(s);
  s.ParboxWidth = 205;
  AnsBeginTable(s, 9);
  WriteLine(s, "Determine the reactions of the supports frames.");
  WriteSecondBookReference(s, 10);
  AnsWriteLine(s,
               "\\ru\\# &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$M_A$}&\\mc{$X_B$}&\\mc{$Y_B $}&"
               "\\mc{$M_B$}&\\mc{$Y_C$}\\\\\\hline");
}

void WriteSimpleFrameVariant(SharedState& s) {
  const int scheme = s.P1;
  ClearPoints(s, 5);
  AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  const SimpleFrame f = SolveSimpleFrame(s);
  auto& X = s.PointX;
  auto& Y = s.PointY;
  X[1] = 0;
  Y[1] = 0;
  X[2] = 0;
  Y[2] = f.H;
  X[3] = f.W;
  Y[3] = f.H;
  X[4] = f.W;
  Y[4] = f.H - f.h;
  X[5] = f.w;
  Y[5] = f.H;
  AnsWriteLine(s, AnswerCells(scheme, f));

  // The frame's points fill 99 x 60; the supports, the force above the beam and the
  // dimension chains (below, and right of the frame with their digits) take the rest of the
  // picture, whose origin stays where the page has always had it.
  s.BoxHeight = 60;
  s.BoxWidth = 99;
  FitPointsToBox(s, 5, 0);
  BeginPicture(s, 187, 100, -65, -20);
  DrawSimpleFrame(s, scheme, f);
  EndPicture(s);
  WriteText(s, "\\vskip3mm");
  WriteText3NumbersLn(s, "$F=", std::abs(f.f5), "$\\,kN, $P=", std::abs(f.e),
                      "$\\,kN, $m=", std::abs(f.u), "$\\,kNm, $\\cos\\alpha=0.8$.");
}

}  // namespace statics
