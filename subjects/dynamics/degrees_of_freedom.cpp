#include "subjects/dynamics/degrees_of_freedom.h"

#include <algorithm>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// What a section of each kind adds to the system's W (index = kind).
constexpr int kSectionShare[7] = {0, 4, 3, 4, 2, 3, 4};

// What a support takes from W: a hinge 2, a strut 1, none 0.
int LeftSupportShare(int p1) { return p1 <= 2 ? 2 : p1 <= 4 ? 1 : 0; }
int RightSupportShare(int p5) { return p5 <= 2 ? 2 : p5 <= 4 ? 1 : 0; }

// The shared parameters' advance before each system: P1 wraps 5 -> 1, P2..P4 wrap 6 -> 1.
void Advance(int& p1, int& p2, int& p3, int& p4) {
  p1 = p1 + 1 > 5 ? 1 : p1 + 1;
  p2 = p2 + 1 > 6 ? 1 : p2 + 1;
  p3 = p3 + 1 > 6 ? 1 : p3 + 1;
  p4 = p4 + 1 > 6 ? 1 : p4 + 1;
}

// A slider on the bar between joints b and c (drawn with a gap around its middle m), joined
// to joint a by a bar.
void DrawSliderOnBar(SharedState& s, int a, int b, int c) {
  using namespace figures;  // NOLINT
  const double mx = (s.PointX[b] + s.PointX[c]) / 2;
  const double my = (s.PointY[b] + s.PointY[c]) / 2;
  kinematics::ComputeSegmentDirection(s, b, c);  // from c towards b
  const double ux = s.SegmentDirX, uy = s.SegmentDirY;
  DrawSegmentFromNode(s, s.PointX[c], s.PointY[c], mx - 5 * ux, my - 5 * uy);
  DrawSegmentFromNode(s, s.PointX[b], s.PointY[b], mx + 5 * ux, my + 5 * uy);
  DrawSegmentShortenedCopy(s, s.PointX[a], s.PointY[a], mx, my, 1.5);
  SetLineWidth(s, 2);
  s.BlockCentred = true;
  DrawRotatedBlock(s, 5, mx, my, s.SegmentAngle, 10, 4);
  SetLineWidth(s, 6);
  DrawCircle(s, mx, my, 3);
}

// Draws section i (lower joints i and i + 1, upper joint i + 4) of the given kind; returns
// its share of W.
int DrawLinkageSection(SharedState& s, int kind, int i) {
  using namespace figures;  // NOLINT
  const int u = i + 4;
  SetLineWidth(s, 6);
  switch (kind) {
    case 1:
      DrawBar(s, i, u);
      DrawSliderOnBar(s, i, i + 1, u);
      break;
    case 2:
      DrawBar(s, i, u);
      DrawBar(s, i + 1, i);
      DrawBar(s, i + 1, u);
      break;
    case 3:
      DrawBar(s, i, u);
      DrawBar(s, i + 1, u);
      break;
    case 4:
      DrawBar(s, i, u);
      s.PointX[i + 7] = (s.PointX[i] + s.PointX[i + 1]) / 2;
      s.PointY[i + 7] = s.PointY[i] - 1;
      DrawBar(s, i + 1, u);
      DrawBar(s, i + 7, i);
      DrawBar(s, i + 1, i + 7);
      PutHingeBoxAtPoint(s, i + 7);
      break;
    case 5:
      DrawSliderOnBar(s, i + 1, i, u);
      DrawBar(s, i + 1, u);
      PutBoxAtPoint(s, u, "upstr");
      break;
    default:  // 6
      DrawBar(s, i + 1, i);
      DrawBar(s, i + 1, u);
      break;
  }
  return kSectionShare[kind];
}

}  // namespace

std::vector<DegreesOfFreedomSystem> DeriveDegreesOfFreedomSystems(const SharedState& s) {
  std::vector<DegreesOfFreedomSystem> out;
  int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4;
  for (int k = 1; k <= s.Level; ++k) {
    DegreesOfFreedomSystem sys;
    sys.upper_code = p1;
    Advance(p1, p2, p3, p4);
    sys.left = p1;
    sys.kinds[0] = p2;
    sys.kinds[1] = p3;
    sys.kinds[2] = p4;
    sys.right = s.P5;
    sys.w = kSectionShare[p2] + kSectionShare[p3] + kSectionShare[p4] - LeftSupportShare(p1) -
            RightSupportShare(s.P5) - 6;
    out.push_back(sys);
  }
  return out;
}

void BeginDegreesOfFreedomProblem(SharedState& s) {
  // The picture reserves 44 above its lowest joints; a fit 70 high would run the upper joints
  // and their struts into the variant's heading, so the systems fit 30 high.
  s.BoxWidth = 115;
  s.BoxHeight = 30;
  figures::DefineUpStrutBox(s);
  s.ParboxWidth = 190;
  toolkit::WriteText(s, "Определить число степеней свободы системы по формуле $W=$3Д-2Ш-С.\\par");
  toolkit::WriteText(s, "\\noindent");
  // A row holds the number and Level values (and the name in students mode): at least
  // Level + 2 columns.
  toolkit::AnsBeginTable(s, std::max(4, s.Level));
  // One W a system, numbered in the order the variant draws them.
  std::string head = "\\No";
  for (int k = 1; k <= s.Level; ++k) {
    head += s.Level == 1 ? " & $W$" : " & $W_" + std::to_string(k) + "$";
  }
  toolkit::AnsWriteLine(s, head + " \\\\\\hline ");
}

void WriteDegreesOfFreedomVariant(SharedState& s) {
  using namespace figures;  // NOLINT
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  toolkit::IndexedArray<int, 1, 5> d;
  for (int k = 1; k <= s.Level; ++k) {
    // From Level 2 on the systems stand side by side, as many to a line as the box holds, each
    // numbered at its top left: ten systems one under another run off a ticket's page.
    if (s.Level > 1) {
      toolkit::WriteText(s, k == 1 ? "\\par\\noindent" : "\\hskip 8pt plus 1fil ");
      toolkit::WriteTextNumber(s, "\\hbox to 140pt{\\vrule width0pt depth4pt\\raisebox{40pt}{\\bf ",
                               k, ".}\\hskip2pt");
    }
    structural::ByteToBinaryDigits5(s.P1, d);
    int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4;
    Advance(p1, p2, p3, p4);
    s.P1 = p1;
    s.P2 = p2;
    s.P3 = p3;
    s.P4 = p4;
    for (int i = 1; i <= 3; ++i) s.PointY[4 + i] = 2 + d[i];
    structural::ByteToBinaryDigits5(s.P2, d);
    for (int i = 1; i <= 4; ++i) s.PointY[i] = 0.5 * d[i];
    structural::ByteToBinaryDigits5(s.P4, d);
    s.PointX[1] = 0;
    for (int i = 1; i <= 3; ++i) {
      s.PointX[i + 1] = s.PointX[i] + 2 * d[i] + 2;
      s.PointX[4 + i] = (s.PointX[i] + s.PointX[i + 1]) / 2;
    }
    FitPointsToBox(s, 7, 0);
    if (s.Level == 1) toolkit::WriteText(s, "\\par ");
    toolkit::BeginPicture(s, 116, 54, -7, -10);
    SetLineWidth(s, 6);
    DrawBar(s, 5, 6);
    DrawBar(s, 6, 7);
    for (int j = 1; j <= 7; ++j) DrawNodeMarker(s, j);
    int w = 0;
    w += DrawLinkageSection(s, s.P2, 1);
    w += DrawLinkageSection(s, s.P3, 2);
    w += DrawLinkageSection(s, s.P4, 3);
    SetLineWidth(s, 6);
    if (s.P1 <= 2) {
      PutHingeBoxAtPoint(s, 1);
    } else if (s.P1 <= 4) {
      PutBoxAtPoint(s, 1, "upstr");
    }
    if (s.P5 <= 2) {
      PutHingeBoxAtPoint(s, 4);
    } else if (s.P5 <= 4) {
      PutBoxAtPoint(s, 4, "upstr");
    }
    w -= LeftSupportShare(s.P1) + RightSupportShare(s.P5) + 6;
    toolkit::EndPicture(s);
    if (s.Level > 1) toolkit::WriteText(s, "\\hss}");
    toolkit::AnsWriteTextNumber(s, " & ", w, " ");
  }
}

}  // namespace dynamics
