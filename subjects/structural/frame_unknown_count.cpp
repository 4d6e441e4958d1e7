#include "subjects/structural/frame_unknown_count.h"

#include <set>

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

// (n columns, m rows) by P7.
constexpr int kGridSize[8][2] = {{6, 4}, {4, 3}, {3, 5}, {5, 3}, {6, 3}, {3, 6}, {2, 6}, {6, 2}};

bool OuterSegment(int j, int n, int m) {
  for (int k = 1; k <= m - 1; ++k)
    if (j == k * n || j == k * n - n + 1) return true;
  return false;
}

void DrawLeftSideLink(SharedState& s, int i, int k) {
  DrawBarByNodeKinds(s, i, k);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, s.PointX[i], s.PointY[i] - 5, 10);
  SetLineWidth(s, 7);
}

void DrawRightSideLink(SharedState& s, int k, int i) {
  DrawBarByNodeKinds(s, k, i);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, 1, s.PointX[i], s.PointY[i] - 5, 10);
  SetLineWidth(s, 7);
}

}  // namespace

FrameUnknownCountVariant DeriveFrameUnknownCountVariant(int p4, int p5, int p6, int p7) {
  if (p7 < 1 || p7 > 8 || p4 < 1 || p5 < 1 || p6 < 1 || p4 > 30 || p5 > 30 || p6 > 30) {
    throw toolkit::DegenerateDataError("frame unknown count: parameters out of range");
  }
  FrameUnknownCountVariant v;
  const int n = kGridSize[p7 - 1][0], m = kGridSize[p7 - 1][1];
  const int nodes = n * m;
  v.Columns = n;
  v.Rows = m;
  for (int node : {n + p4 / 2 + 1, n + p5 / 2 + 1, n + p6 / 2 + 1, n + p7 + 10})
    if (node <= nodes) v.Hinged[node] = true;
  for (int node = 1; node <= nodes; ++node) v.HingeCount += v.Hinged[node] ? 1 : 0;

  v.LeftStorey = p4 / 4;
  v.RightStorey = p5 / 4 + 1;
  const int left = v.LeftStorey > m - 1 ? 0 : v.LeftStorey * n + 1;
  const int right = v.RightStorey > m - 1 ? 0 : (v.RightStorey + 1) * n;
  v.LeftNode = left >= 2 ? left : 0;
  v.RightNode = right >= 2 ? right : 0;
  v.SideBars = (v.LeftNode != 0 ? 1 : 0) + (v.RightNode != 0 ? 1 : 0);

  int j = p4 / 2 + 1;
  while (OuterSegment(j, n, m)) ++j;
  v.RemovedSegment = j <= (m - 1) * n ? j : 0;
  const int removed = v.RemovedSegment;

  // Displacement method: one sway per storey not held by a side bar, and the vertical
  // translation of the column line standing on the gap of a segment taken out below the
  // top storey; a rotation per rigid node, except the top node over the gap, which is then
  // a point of a continuous beam.
  std::set<int> held;
  for (int storey : {v.LeftStorey, v.RightStorey})
    if (storey >= 1 && storey <= m - 1) held.insert(storey);
  v.Linear = (m - 1) - static_cast<int>(held.size());
  if (removed != 0 && removed < (m - 2) * n + 1) v.Linear += 1;
  v.NodeRotations = (m - 1) * n - v.HingeCount;
  // The top node over a gap is no node of its own when it is rigid; a hinged one has been
  // taken off with the hinges already.
  if (removed > (m - 2) * n + 1 && removed < (m - 1) * n && !v.Hinged[removed + n]) {
    v.NodeRotations -= 1;
  }
  v.Total = v.Linear + v.NodeRotations;

  // Force method: three per closed contour, less what the hinges release.
  toolkit::IndexedArray<int, 1, 40> adjust{};
  if (removed != 0) {
    adjust[removed] -= 1;
    adjust[removed + n] -= 1;
  }
  if (v.LeftNode != 0) adjust[v.LeftNode] += 1;
  if (v.RightNode != 0) adjust[v.RightNode] += 1;
  v.Redundants = 3 * (n - 1) * (m - 1) + 3 * v.SideBars - (removed != 0 ? 3 : 0);
  for (int node = n + 1; node <= nodes; ++node) {
    if (!v.Hinged[node]) continue;
    const int column = (node - 1) % n + 1;
    const bool top = node > nodes - n;
    const bool outer = column == 1 || column == n;
    int bars = 4;
    if (top && outer) {
      bars = 2;
    } else if (top || outer) {
      bars = 3;
    }
    bars += adjust[node];
    v.Redundants -= bars - 1;
  }
  return v;
}

void BeginFrameUnknownCountProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 6);
  AnsWriteLine(s,
               "\\No &\\multicolumn{3}{|c|}{Метод перемещений}&Метод сил\\\\\\cline{2-4} & "
               "\\mc{$ N_{\\scriptstyle\\mbox{лин}}$}& \\mc{$N_{\\scriptstyle\\mbox{узл} }$}&"
               "\\mc{$N_\\varepsilon$}& \\mc{$ N_F$}\\\\\\hline ");
  WriteLine(s,
            " Определить число неизвестных в раме при расчете по методу сил и по методу "
            "перемещений. \\vskip2mm\\noindent");
}

void WriteFrameUnknownCountVariant(SharedState& s) {
  const FrameUnknownCountVariant v = DeriveFrameUnknownCountVariant(s.P4, s.P5, s.P6, s.P7);
  const int n = v.Columns, m = v.Rows, nodes = n * m;

  ClearPoints(s, nodes + 2);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int r = 1; r <= m; ++r)
    for (int c = 1; c <= n; ++c) {
      x[(r - 1) * n + c] = 15 * c;
      y[(r - 1) * n + c] = 20 * (r - 1);
    }
  // Small offsets of single nodes, so that the frames do not all look alike; a number
  // beyond the grid marks no node.
  if (s.P6 > n && s.P6 <= nodes) y[s.P6] += s.P1 - 1;
  if (s.P5 > n && s.P5 <= nodes) y[s.P5] += s.P2 - 2;
  if (s.P4 <= nodes) x[s.P4] += s.P3 - 3;
  // The wall ends of the side bars; a missing bar leaves its point at the origin.
  x[nodes + 1] = 0;
  y[nodes + 1] = v.LeftNode != 0 ? y[v.LeftNode] : 0;
  x[nodes + 2] = v.RightNode != 0 ? x[v.RightNode] + 15 : 0;
  y[nodes + 2] = v.RightNode != 0 ? y[v.RightNode] : 0;
  s.BoxWidth = 100;
  s.BoxHeight = 70;
  FitPointsToBoxStretch(s, nodes + 2);
  // The frame and its supports lie between x = -2 and 112.
  BeginPicture(s, 125, 90, -10, -12);
  for (int node = 1; node <= nodes; ++node) s.NodeKinds[node] = v.Hinged[node] ? 2 : 1;
  for (int c = 1; c <= n; ++c)
    for (int r = 1; r <= m; ++r)
      if (v.Hinged[(r - 1) * n + c]) DrawNodeMarker(s, (r - 1) * n + c);
  DrawHatchRowV(s, -1, x[1] - 5, y[1], s.Scale * 15 * (n - 1) + 10);
  SetLineWidth(s, 7);
  for (int r = 1; r <= m - 1; ++r) {
    for (int c = 1; c <= n; ++c) {
      const int j = (r - 1) * n + c;
      if (j != v.RemovedSegment) DrawBarByNodeKinds(s, j, j + n);
    }
    for (int c = 1; c <= n - 1; ++c) DrawBarByNodeKinds(s, r * n + c, r * n + c + 1);
  }
  s.NodeKinds[nodes + 1] = 1;
  s.NodeKinds[nodes + 2] = 1;
  if (v.LeftNode != 0) DrawLeftSideLink(s, nodes + 1, v.LeftNode);
  if (v.RightNode != 0) DrawRightSideLink(s, v.RightNode, nodes + 2);
  SetLineWidth(s, 1);
  EndPicture(s);

  AnsWrite(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)) + "&" +
                  toolkit::FormatNumber(v.Linear) + "&" + toolkit::FormatNumber(v.NodeRotations) +
                  "&" + toolkit::FormatNumber(v.Total) + "&" +
                  toolkit::FormatNumber(v.Redundants));
  AnsWriteLine(s, "");
}

}  // namespace structural
