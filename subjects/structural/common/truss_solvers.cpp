#include "subjects/structural/common/truss_solvers.h"

#include <cmath>

#include "subjects/structural/common/linear_system.h"

namespace structural {

namespace {

// Writes the column of bar i: -e at the first end p and +e at the second end q, where e is
// the unit vector from p to q; an end 0 is a ground point and has no rows. Returns the length.
double PutBarColumn(Mechanics& m, int i, int p, int q, double dx, double dy) {
  const double length = std::sqrt(dx * dx + dy * dy);
  const double ex = dx / length;
  const double ey = dy / length;
  if (p > 0) {
    m.SystemMatrix[2 * p - 1][i] = -ex;
    m.SystemMatrix[2 * p][i] = -ey;
  }
  if (q > 0) {
    m.SystemMatrix[2 * q - 1][i] = ex;
    m.SystemMatrix[2 * q][i] = ey;
  }
  return length;
}

void PutLoads(Mechanics& m, int count) {
  for (int j = 1; j <= count; ++j) {
    const int r = m.LoadNodes[j];
    if (r == 0) continue;  // no load in this entry
    m.SystemRhs[2 * r - 1][1] = m.NodeLoads[r].x;
    m.SystemRhs[2 * r][1] = m.NodeLoads[r].y;
  }
}

}  // namespace

void ByteToBinaryDigits5(int n, toolkit::IndexedArray<int, 1, 5>& digits) {
  digits.Fill(0);
  int k = 1;
  do {
    digits[k] = n % 2;
    n /= 2;
    ++k;
  } while (n != 0);
}

void SetTrussPanelOffsets(Mechanics& m, int n) {
  m.TrussPanelX[1] = 0;
  ByteToBinaryDigits5(n, m.TrussPanelDigits);
  for (int k = 1; k <= 3; ++k) {
    m.TrussPanelX[k + 1] = m.TrussPanelX[k] + 2 * (m.TrussPanelDigits[k] + 1);
  }
}

void SetTrussPanelOffsetsFromTable(Mechanics& m, int shape) {
  m.TrussPanelX[1] = 0;
  for (int k = 1; k <= 4; ++k) {
    m.TrussPanelX[k + 1] = m.TrussPanelX[k] + TrussPanelWidthTable[shape][k];
  }
}

void SolveTrussByJointsA(Mechanics& m, int panels, int load_count) {
  const int n = panels;
  const int count = 4 * (n + 1);
  m.TrussUnknownCount = count;
  ClearLinearSystem(m, count);
  const auto& w = m.TrussPanelExtents;
  const auto& h = m.TrussPostHeights;
  for (int k = 1; k <= n; ++k) {
    m.TrussBarLength[k] = PutBarColumn(m, k, k, k + 1, w[k], 0);
  }
  for (int k = 1; k <= n + 1; ++k) {
    m.TrussBarLength[n + k] = PutBarColumn(m, n + k, k, n + 1 + k, 0, h[k]);
  }
  for (int k = 1; k <= n; ++k) {
    m.TrussBarLength[2 * n + 1 + k] =
        PutBarColumn(m, 2 * n + 1 + k, n + 1 + k, n + 2 + k, w[k], h[k + 1] - h[k]);
  }
  for (int k = 1; k <= n; ++k) {
    const int i = 3 * n + 1 + k;
    m.TrussBarLength[i] = m.TrussPanelBits[k] == 0
                              ? PutBarColumn(m, i, n + 1 + k, k + 1, w[k], -h[k])
                              : PutBarColumn(m, i, n + 2 + k, k, -w[k], -h[k + 1]);
  }
  m.TrussBarLength[count - 2] = PutBarColumn(m, count - 2, 0, m.TrussSupportNodeB, -1, 0);
  m.TrussBarLength[count - 1] = PutBarColumn(m, count - 1, 0, m.TrussSupportNodeB, 0, -1);
  m.TrussBarLength[count] = PutBarColumn(m, count, 0, m.TrussSupportNodeA, 0, -1);
  PutLoads(m, load_count);
  SolveLinearSystem(m, count, 1, "joint equations of the truss");
}

void SolveTrussByJointsB(Mechanics& m) {
  m.TrussUnknownCount = 14;
  ClearLinearSystem(m, 14);
  const auto& w = m.TrussPanelExtents;
  for (int k = 1; k <= 3; ++k) PutBarColumn(m, k, k, k + 1, 1, 0);
  for (int k = 1; k <= 3; ++k) {
    const double height = m.TrussChordY[k];
    PutBarColumn(m, 2 * k + 2, k + 4, k, -w[k] / 2, -height);
    PutBarColumn(m, 2 * k + 3, k + 4, k + 1, w[k] / 2, -height);
  }
  for (int k = 1; k <= 2; ++k) {
    PutBarColumn(m, k + 9, k + 4, k + 5, (w[k] + w[k + 1]) / 2,
                 m.TrussChordY[k + 1] - m.TrussChordY[k]);
  }
  PutBarColumn(m, 12, 0, m.TrussSupportNodeB, -1, 0);
  PutBarColumn(m, 13, 0, m.TrussSupportNodeB, 0, -1);
  PutBarColumn(m, 14, 0, m.TrussSupportNodeA, -m.TrussSupportCos, -m.TrussSupportSin);
  PutLoads(m, 3);
  SolveLinearSystem(m, 14, 1, "joint equations of the truss");
}

void SolveTrussByJointsC(SharedState& s, int a, int dx, int dy, int node, int load_node, int fx,
                         int fy) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[5] = x[node] - 1;
  y[5] = y[node];
  x[6] = x[node];
  y[6] = y[node] - 1;
  x[7] = x[a] - dx;
  y[7] = y[a] - dy;
  static constexpr int kFirst[9] = {0, 1, 2, 3, 1, 2, 0, 0, 0};
  static constexpr int kSecond[9] = {0, 2, 3, 4, 3, 4, 5, 6, 7};
  ClearLinearSystem(s, 8);
  for (int i = 1; i <= 8; ++i) {
    const int p = i <= 5 ? kFirst[i] : (i == 8 ? a : node);
    const int q = kSecond[i];
    const double ddx = x[q] - x[p];
    const double ddy = y[q] - y[p];
    const double length = std::sqrt(ddx * ddx + ddy * ddy);
    // Here the first end takes +e: the load enters with the opposite sign to the n-panel
    // solver, which the callers' unit-load products do not see.
    s.SystemMatrix[2 * p - 1][i] = ddx / length;
    s.SystemMatrix[2 * p][i] = ddy / length;
    if (i <= 5) {
      s.SystemMatrix[2 * q - 1][i] = -ddx / length;
      s.SystemMatrix[2 * q][i] = -ddy / length;
    }
    s.TrussUnitForceResult[i] = length;
  }
  s.SystemRhs[2 * load_node - 1][1] = fx;
  s.SystemRhs[2 * load_node][1] = fy;
  SolveLinearSystem(s, 8, 1, "joint equations of the four-joint truss");
}

}  // namespace structural
