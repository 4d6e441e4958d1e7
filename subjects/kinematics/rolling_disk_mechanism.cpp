#include "subjects/kinematics/rolling_disk_mechanism.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>

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
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

// Points by scheme (1 O and 2 A everywhere):
//   1: 3 B, 4 C, 5 D, 6 contact, 7 N, 8 centre   crank, rod A-B-N, BC, CD, disk
//   2: 3 B, 4 C, 5 contact, 6 D, 7 corner, 8 centre   crank, AB, bent B-corner-C, AD, disk
//   3: 3 B, 4 C, 5 D, 6 contact, 7 N, 8 K   crank, A-K rigid with B-K-N, BC, CD, disk
//   4: 3 B, 4 C, 5 contact, 6 corner, 7 D, 8 left rim   crank, bent A-corner-B, BC, AD, disk
//   5: 3 B, 4 C, 5 D, 6 contact, 7 N, 8 centre   crank, rod A-N-B on the disk's top, BC, CD,
//      disk

// The direction of a parameter 1..9 on the 3 x 3 grid: 1 = (1, 1) .. 9 = (-1, -1).
void Direction(int d, int& dx, int& dy) {
  const int r = 1 + (d - 1) / 3, c = 1 + (d - 1) % 3;
  dx = 2 - c;
  dy = 2 - r;
}

bool IsDiagonal(int d) { return d == 1 || d == 3 || d == 7 || d == 9; }

void Set(RollingDiskData& d, int i, double x, double y) {
  d.x[static_cast<std::size_t>(i)] = x;
  d.y[static_cast<std::size_t>(i)] = y;
}

void DeriveScheme1(RollingDiskData& d, int p5, int p6, int p7) {
  if (d.p4 > 2) d.p4 = 1;
  if (d.p2 == 5) d.p2 = 7;
  if (d.p2 == 4) d.p2 = 9;
  if (d.p3 == 1 && d.p2 == 7) d.p3 = 3;
  d.s = p5 + p7 + 1;
  const int p = d.p4;
  d.k = d.p3 - 2;
  Direction(d.p2, d.dx, d.dy);
  d.a = p6 + 3;
  d.L = p * d.a;
  const int s = d.s, k = d.k, a = d.a, L = d.L, dx = d.dx, dy = d.dy;
  Set(d, 1, s * dx, -s * dy);
  Set(d, 3, L, 0);
  Set(d, 4, L + a * k, a);
  Set(d, 5, L + 2 * a, a);
  Set(d, 6, L + 2 * a, -a);
  Set(d, 7, L + a, 0);
  Set(d, 8, L + 2 * a, 0);
  d.cx = L + 2 * a, d.cy = 0;
  d.diagonal = IsDiagonal(d.p2);
  d.w[0] = a * (p + 1) * (2 - k);
  d.w[1] = (dy - dx) * (k - 2) * s;
  d.w[2] = -(p + 1) * (k - 2) * s * dy;
  d.w[3] = (dx - dy * k - dy * p * (k - 1)) * s;
  d.w[4] = d.w[2];
}

void DeriveScheme2(RollingDiskData& d, int p5, int p6) {
  if (d.p4 > 2) d.p4 = 1;
  const int q = d.p4;
  d.k = d.p3 - 2;
  constexpr int kE[4] = {-1, 0, 1, 1};
  d.e = kE[p5 - 1];
  d.f = p5 == 4 ? 0 : 1;
  d.a = p6 + 3;
  d.b = d.a + 1;
  d.L = d.a * q;
  const int a = d.a, b = d.b, L = d.L, k = d.k, e = d.e, f = d.f;
  Set(d, 1, a * e, -a * f);
  Set(d, 3, k * b, b);
  Set(d, 4, -L - 2 * a, 0);
  Set(d, 5, -L - a, -a);
  Set(d, 6, -L, 0);
  Set(d, 7, -L - 2 * a, b);
  Set(d, 8, -L - a, 0);
  d.cx = -L - a, d.cy = 0;
  d.diagonal = IsDiagonal(p5);
  d.w[0] = q * (q + 2);
  d.w[1] = (f - e) * q;
  d.w[2] = d.w[1];
  d.w[3] = d.w[0] * f;
  d.w[4] = -(q + 2) * (f + e);
}

void DeriveScheme3(RollingDiskData& d, int p6, int p7) {
  if (d.p2 == 6) d.p2 = 9;
  if (d.p2 == 5) d.p2 = 7;
  d.g = p7 <= 3 ? 1 : 0;
  Direction(d.p2, d.dx, d.dy);
  d.a = p6 + 2;
  d.b = d.p3 + 1;
  d.L = d.p4 + 1;
  d.c = d.a + 3;
  const int a = d.a, b = d.b, L = d.L, c = d.c, g = d.g, dx = d.dx, dy = d.dy;
  Set(d, 1, -L * dx, -L * dy);
  Set(d, 3, c, b);
  Set(d, 4, g * a + a + c, b);
  Set(d, 5, g * a + a + c, -g * a);
  Set(d, 6, a + c, -2 * a);
  Set(d, 7, c, -a);
  Set(d, 8, c, 0);
  d.cx = a + c, d.cy = -a;
  d.diagonal = IsDiagonal(d.p2);
  const int u = g * a + b;
  d.w[0] = -a * b * (a - c) * u;
  d.w[1] = -(dx + dy) * u * a * b * L;
  d.w[2] = u * b * L * (a * dx + c * dy);
  d.w[3] = (c * dy * g - a * (dy - g * dx) - 2 * a * dx - b * dy - c * dy - b * dx) * a * b * L;
  d.w[4] = d.w[2];
}

void DeriveScheme4(RollingDiskData& d, int p6, int p7) {
  if (d.p2 == 5) d.p2 = 9;
  d.g = p7 <= 3 ? 1 : 0;
  Direction(d.p2, d.dx, d.dy);
  d.a = p6 + 3;
  d.b = d.p3;
  d.L = d.p4 + 2;
  const int a = d.a, b = d.b, L = d.L, g = d.g, dx = d.dx, dy = d.dy;
  Set(d, 1, -L * dx, -L * dy);
  Set(d, 3, -2 * a - g * a, 2 * a + b);
  Set(d, 4, -2 * a - g * a, 2 * a - g * a);
  Set(d, 5, -2 * a, 0);
  Set(d, 6, 0, 2 * a + b);
  Set(d, 7, -a, a);
  Set(d, 8, -3 * a, a);
  // A horizontal crank leaves the figure flat: the left extent point drops below O.
  if (d.p2 == 4 || d.p2 == 6) d.y[8] = d.y[1] - a / 3.0;
  d.cx = -2 * a, d.cy = a;
  d.diagonal = IsDiagonal(d.p2);
  const int t = g * a + b;
  d.w[0] = 2 * a * (g + 2) * t;
  d.w[1] = (g * dx + g * dy + 2 * dx) * t * L;
  d.w[2] = (g * g * a * (dx + dy) + 4 * a * dy * g + 2 * a * dx * g + g * dx * b + g * dy * b +
            2 * b * dx) *
           L;
  d.w[3] = L * (g + 2) * (dx + dy) * t;
  d.w[4] = -(dy - dx) * (g + 2) * L * t;
}

void DeriveScheme5(RollingDiskData& d, int p5, int p6, int p7) {
  if (d.p2 == 5) d.p2 = 9;
  if (d.p2 == 4) d.p2 = 7;
  d.g = p7 <= 3 ? 1 : 0;
  Direction(d.p2, d.dx, d.dy);
  d.a = p6 + 4;
  const int a = d.a;
  if (d.p2 == 1) {
    d.n = 2 * a + p7 + 3;
    d.L = p5 + 3;
  } else if (d.p2 == 7 || d.p2 == 9) {
    d.n = a + p7 + 2;
    d.L = p5 + 2;
  } else {
    d.n = a + p7;
    d.L = p5 + 5;
  }
  d.b = 2 * a;
  const int b = d.b, L = d.L, g = d.g, n = d.n, dx = d.dx, dy = d.dy;
  Set(d, 1, -L * dx, -L * dy);
  Set(d, 3, -n - b, 0);
  Set(d, 4, -n - b, -2 * a - g * a);
  Set(d, 5, a * (g - 1) - n, -a);
  Set(d, 6, -n, -2 * a);
  Set(d, 7, -n, 0);
  Set(d, 8, -n, -a);
  d.cx = -n, d.cy = -a;
  d.diagonal = IsDiagonal(d.p2);
  const int m = n * dy, v = m * g + 4 * a * dx;
  d.w[0] = 2 * a * n * (g + 1) * (g + 2);
  d.w[1] = 2 * a * dx * L * (g + 2) * (g + 1);
  d.w[2] = v * (g + 1) * L;
  d.w[3] = (v - m) * (g + 2) * L;
  d.w[4] = (g + 2) * m * L * (g + 1);
}

// The moments and the force that keep the mechanism at rest, from the reduced vector.
void DeriveStatics(RollingDiskData& d, int p3, int p5, int p6, int p7) {
  const auto& w = d.w;
  d.E = p5 + 1;
  d.Q = p6 + 2;
  switch (d.scheme) {
    case 1:
      d.M1 = w[4] - d.E * d.s * w[0];
      d.M2 = d.Q * d.s * w[0] - w[3];
      d.F = d.E * w[3] - d.Q * w[4];
      break;
    case 2:
      d.M1 = d.E * d.a * w[0] - w[3];
      d.M2 = w[2] - d.a * d.Q * w[0];
      d.F = d.Q * w[3] - d.E * w[2];
      break;
    case 3:
      d.M1 = d.E * d.L * w[0] - w[4];
      d.M2 = w[2] - d.Q * d.L * w[0];
      d.F = d.Q * w[4] - d.E * w[2];
      break;
    case 4:
      if (std::abs(w[0]) > 50) d.E = d.Q = 1;
      d.M1 = d.E * d.L * w[0] - w[3];
      d.M2 = w[1] - d.Q * d.L * w[0];
      d.F = d.Q * w[3] - d.E * w[1];
      break;
    default: {
      const double wl = static_cast<double>(w[0]) * d.L;
      d.E = static_cast<int>(toolkit::RoundHalfEven((p3 * 150 + w[4]) / wl));
      d.Q = static_cast<int>(toolkit::RoundHalfEven((p7 * 150 + w[2]) / wl));
      d.M1 = d.E * d.L * w[0] - w[4];
      d.M2 = w[2] - d.Q * d.L * w[0];
      d.F = d.Q * w[4] - d.E * w[2];
      break;
    }
  }
}

std::string Field(int v) { return toolkit::FormatFixed(v, 4, 0); }

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

// The 45-degree angle between a diagonal link and the horizontal through its end (x, y), in
// one of four orientations: 1 up-right, 3 down-right, 6 up-left, 8 down-left.
void MarkAngle45(SharedState& s, double x, double y, int orientation, std::string_view text,
                 figures::LabelSpacing* placed = nullptr) {
  constexpr double q = std::numbers::pi / 4;
  auto put = [&](double lx, double ly) {
    if (placed != nullptr && !text.empty()) {
      figures::PutLabelClear(s, *placed, text, lx, ly);
    } else {
      figures::PutLabel(s, text, lx, ly);
    }
  };
  switch (orientation) {
    case 1:
      figures::DrawLabelledArcArrow(s, 0, "\\alpha", 1, x, y, 0, q, 10, 1, placed);
      figures::DrawSegment(s, x + 1, y, x + 14, y);
      put(x - 8, y - 2);
      break;
    case 3:
      figures::DrawLabelledArcArrow(s, 0, "\\alpha", 1, x, y, -q, 0, 12, -1, placed);
      figures::DrawSegment(s, x + 1, y, x + 14, y);
      put(x - 8, y - 2);
      break;
    case 6:
      figures::DrawLabelledArcArrow(s, 0, "\\alpha", -1, x, y, 3 * q, 4 * q, 10, 1, placed);
      figures::DrawSegment(s, x - 1, y, x - 14, y);
      put(x - 1, y + 3);
      break;
    default:
      figures::DrawLabelledArcArrow(s, 0, "\\alpha", -1, x, y, 4 * q, 5 * q, 10, -1, placed);
      figures::DrawSegment(s, x - 1, y, x - 14, y);
      put(x + 3, y - 2);
      break;
  }
}

void MarkAngle45AtPoint(SharedState& s, int i, int orientation, std::string_view text,
                        figures::LabelSpacing* placed = nullptr) {
  MarkAngle45(s, X(s, i), Y(s, i), orientation, text, placed);
}

// The crank's mark at O by its direction: orientations for P2 = 1, 3, 7, 9 (0: no mark).
int CrankOrientation(int p2, int o1, int o3, int o7, int o9) {
  switch (p2) {
    case 1:
      return o1;
    case 3:
      return o3;
    case 7:
      return o7;
    case 9:
      return o9;
    default:
      return 0;
  }
}

void DrawLinks(SharedState& s, const RollingDiskData& d) {
  toolkit::WriteText(s, "\\Blue{");
  switch (d.scheme) {
    case 1:
      figures::DrawBar(s, 2, 1);
      figures::DrawBar(s, 2, 7);
      figures::DrawBar(s, 3, 4);
      figures::DrawBar(s, 5, 4);
      break;
    case 2:
      figures::DrawTwoSegmentsFromNode(s, 4, 7, 3);
      figures::DrawBar(s, 2, 3);
      figures::DrawBar(s, 2, 1);
      figures::DrawBar(s, 2, 6);
      break;
    case 3:
      figures::DrawSegmentFromNodePoints(s, 2, 8);
      figures::DrawBar(s, 2, 1);
      figures::DrawBar(s, 3, 7);
      figures::DrawBar(s, 3, 4);
      figures::DrawBar(s, 4, 5);
      break;
    case 4:
      figures::DrawTwoSegmentsFromNode(s, 2, 6, 3);
      figures::DrawBar(s, 2, 1);
      figures::DrawBar(s, 2, 7);
      figures::DrawBar(s, 3, 4);
      break;
    default:
      figures::DrawBar(s, 2, 1);
      figures::DrawBar(s, 2, 3);
      figures::DrawBar(s, 3, 4);
      figures::DrawBar(s, 5, 4);
      break;
  }
  toolkit::WriteText(s, "}");
}

// With `placed` every letter and angle mark is kept clear of those placed before it.
void DrawMarksAndLabels(SharedState& s, const RollingDiskData& d, int p5,
                        figures::LabelSpacing* placed) {
  auto label = [placed](SharedState& st, std::string_view text, double x, double y) {
    if (placed != nullptr) {
      figures::PutLabelClear(st, *placed, text, x, y);
    } else {
      figures::PutLabel(st, text, x, y);
    }
  };
  auto mark45 = [placed](SharedState& st, int i, int orientation, std::string_view text) {
    MarkAngle45AtPoint(st, i, orientation, text, placed);
  };
  constexpr int O = 1, A = 2, B = 3, C = 4;
  const int p2 = d.p2, p3 = d.p3;
  switch (d.scheme) {
    case 1: {
      constexpr int D = 5, N = 7;
      if (const int o = CrankOrientation(p2, 6, 1, 8, 3); o != 0) {
        mark45(s, O, o, "$O$");
      } else {
        label(s, "$O$", X(s, O) - 8, Y(s, O) - 3);
      }
      if (p3 == 1) mark45(s, B, 6, "");
      if (p3 == 3) mark45(s, B, 1, "");
      if (p2 == 6 || p2 == 7) {
        label(s, "$A$", X(s, A) - 2, Y(s, A) - 9);
      } else if (p2 == 9) {
        label(s, "$A$", X(s, A) - 9, Y(s, A) - 4);
      } else {
        label(s, "$A$", X(s, A) - 2, Y(s, A) + 3);
      }
      label(s, "$B$", X(s, B) - 2, Y(s, A) - 9);
      label(s, "$C$", X(s, C) - 9, Y(s, C) - 2);
      label(s, "$D$", X(s, D), Y(s, D) + 2);
      label(s, "$N$", X(s, N) + 2, Y(s, N) - 2);
      break;
    }
    case 2: {
      constexpr int D = 6;
      if (p5 == 2 || p5 == 4) label(s, "$O$", X(s, O) + 3, Y(s, O) + 2);
      if (p5 == 1) {
        label(s, "$A$", X(s, A), Y(s, A) - 9);
      } else if (p5 == 2) {
        label(s, "$A$", X(s, A) - 9, Y(s, A) - 9);
      } else {
        label(s, "$A$", X(s, A) + 4, Y(s, A) + 1);
      }
      if (p3 == 1 || p3 == 2) label(s, "$B$", X(s, B) - 8, Y(s, B) - 8);
      label(s, "$C$", X(s, C) - 10, Y(s, C) - 3);
      label(s, "$D$", X(s, D) + 2, Y(s, D) + 3);
      if (p5 == 1) mark45(s, O, 1, "$O$");
      if (p5 == 3) mark45(s, O, 6, "$O$");
      if (p3 == 1) mark45(s, B, 3, "");
      if (p3 == 3) mark45(s, B, 8, "$B$");
      break;
    }
    case 3: {
      constexpr int D = 5, N = 7, K = 8;
      if (p2 == 2) {
        label(s, "$A$", X(s, A), Y(s, A) + 3);
      } else if (p2 == 7) {
        label(s, "$A$", X(s, A), Y(s, A) - 8);
      } else if (p2 == 9) {
        label(s, "$A$", X(s, A) - 9, Y(s, A) - 1);
      } else {
        label(s, "$A$", X(s, A) + 2, Y(s, A) + 1);
      }
      label(s, "$B$", X(s, B) - 2, Y(s, B) + 2);
      label(s, "$C$", X(s, C) + 3, Y(s, C) - 3);
      label(s, "$D$", X(s, D) + 2, Y(s, D) - 7);
      label(s, "$K$", X(s, K) + 2, Y(s, K) - 3);
      label(s, "$N$", X(s, N) - 9, Y(s, N) - 1);
      if (const int o = CrankOrientation(p2, 1, 6, 3, 8); o != 0) {
        mark45(s, O, o, "$O$");
      } else {
        label(s, "$O$", X(s, O) - 8, Y(s, O) - 3);
      }
      break;
    }
    case 4: {
      constexpr int D = 7;
      if (p2 == 2 || p2 == 3 || p2 == 6 || p2 == 9) {
        label(s, "$A$", X(s, A) - 9, Y(s, A) - 7);
      } else {
        label(s, "$A$", X(s, A) + 3, Y(s, A) + 2);
      }
      label(s, "$B$", X(s, B) - 9, Y(s, B) - 2);
      label(s, "$C$", X(s, C) - 9, Y(s, C) - 8);
      label(s, "$D$", X(s, D) + 2, Y(s, D));
      if (const int o = CrankOrientation(p2, 1, 6, 0, 8); o != 0) {
        mark45(s, O, o, "$O$");
      }
      if (p2 == 2 || p2 == 4) label(s, "$O$", X(s, O) - 10, Y(s, O) - 4);
      if (p2 == 6) label(s, "$O$", X(s, O) + 3, Y(s, O) - 3);
      mark45(s, A, 6, "");
      break;
    }
    default: {
      constexpr int D = 5, N = 7;
      if (p2 == 2 || p2 == 3 || p2 == 6) {
        label(s, "$A$", X(s, A) - 9, Y(s, A) - 7);
      } else if (p2 == 7) {
        label(s, "$A$", X(s, A) + 3, Y(s, A));
      } else if (p2 == 9) {
        label(s, "$A$", X(s, A) + 2, Y(s, A) - 3);
      } else {
        label(s, "$A$", X(s, A) + 2, Y(s, A) + 1);
      }
      label(s, "$B$", X(s, B) - 9, Y(s, B) - 2);
      label(s, "$C$", X(s, C) - 9, Y(s, C) - 8);
      label(s, "$N$", X(s, N) - 2, Y(s, N) + 3);
      label(s, "$D$", X(s, D) + 2, Y(s, D) - 8);
      if (const int o = CrankOrientation(p2, 1, 6, 3, 8); o != 0) {
        mark45(s, O, o, "$O$");
      }
      if (p2 == 2) label(s, "$O$", X(s, O) - 10, Y(s, O) - 4);
      if (p2 == 6) label(s, "$O$", X(s, O) + 3, Y(s, O) - 3);
      mark45(s, C, 1, "");
      break;
    }
  }
}

// The force F at A (mode 2): its direction and whether it points into A.
void ForceDirection(const RollingDiskData& d, int p5, int& fx, int& fy, int& into) {
  fx = fy = 0;
  into = 0;
  const int p2 = d.p2;
  switch (d.scheme) {
    case 1:
      if (p2 <= 3) {
        fx = -1;
      } else if (p2 == 6) {
        fy = 1;
      } else if (p2 == 7) {
        fx = 1, into = 1;
      } else {
        fy = 1, into = 1;
      }
      break;
    case 2:
      if (p5 <= 2) {
        fx = -1, into = 1;
      } else {
        fy = -1;
      }
      break;
    case 3:
      if (p2 <= 3) {
        fx = -1;
      } else if (p2 == 4) {
        fy = 1;
      } else if (p2 == 7) {
        fx = 1, into = 1;
      } else {
        fy = -1;
      }
      break;
    case 4:
      if (p2 <= 3) {
        fx = -1, into = 1;
      } else if (p2 == 4) {
        fy = 1, into = 1;
      } else if (p2 == 6) {
        fy = -1;
      } else {
        fx = 1;
      }
      break;
    default:
      if (p2 <= 3) {
        fx = -1, into = 1;
      } else if (p2 == 7) {
        fy = 1, into = 1;
      } else {
        fy = -1;
      }
      break;
  }
}

void PutMoment(SharedState& s, int m, bool up, std::string_view label, double x, double y,
               figures::LabelSpacing& placed) {
  if (m == 0) return;
  const std::string name = std::string(up ? "u" : "r") + (m > 0 ? "momentp" : "momentm");
  figures::PutBox(s, name, x, y);
  figures::PutLabelClear(s, placed, label, x + 6, y + 5);
}

// The force and the moments; their letters are recorded in `placed`, so that the letters of
// the joints and the angle marks keep clear of them.
void DrawStatics(SharedState& s, const RollingDiskData& d, int p5, figures::LabelSpacing& placed) {
  int fx = 0, fy = 0, into = 0;
  ForceDirection(d, p5, fx, fy, into);
  const double x0 = X(s, 2) - 20.0 * into * fx, y0 = Y(s, 2) - 20.0 * into * fy;
  figures::DrawThickRedVector(s, fx, fy, x0, y0, 20);
  // The label just beyond the end of the arrow away from A.
  const int ax = (1 - 2 * into) * fx, ay = (1 - 2 * into) * fy;
  const double xf = X(s, 2) + 20.0 * ax, yf = Y(s, 2) + 20.0 * ay;
  if (ax != 0) {
    figures::PutLabelClear(s, placed, "$F$", xf + (ax > 0 ? 2 : -9), yf - 3);
  } else {
    figures::PutLabelClear(s, placed, "$F$", xf - 3, yf + (ay > 0 ? 2 : -9));
  }
  constexpr int kM1Point[6][2] = {{0, 0}, {4, 5}, {7, 7}, {3, 3}, {3, 3}, {3, 5}};
  const int i = kM1Point[d.scheme][0], j = kM1Point[d.scheme][1];
  const bool up = d.scheme == 5;
  const double m1x = up ? X(s, i) : X(s, i) + 9;
  PutMoment(s, d.M1, up, "$M_1$", m1x, Y(s, j), placed);
  double cx = 0, cy = 0;
  switch (d.scheme) {
    case 3:
      cx = X(s, 6), cy = Y(s, 7);
      break;
    case 4:
      cx = X(s, 5), cy = Y(s, 7);
      break;
    default:
      cx = X(s, 8), cy = Y(s, 8);
      break;
  }
  PutMoment(s, d.M2, up, "$M_2$", cx, up ? cy + 5 : cy, placed);
}

void DrawFigure(SharedState& s, const RollingDiskData& d, int mode, int p5) {
  figures::ClearPoints(s, 8);
  for (int i = 1; i <= 8; ++i) {
    s.PointX[i] = d.x[static_cast<std::size_t>(i)];
    s.PointY[i] = d.y[static_cast<std::size_t>(i)];
  }
  s.BoxWidth = 150;
  // The velocity mode's picture keeps the height of the statics mode's (95) with the supports
  // below the lowest joint inside it.
  s.BoxHeight = mode == 2 ? 80 : 73;
  figures::FitPointsToBox(s, 8, 0);
  double cx = 0, cy = 0;
  int contact = 6;
  switch (d.scheme) {
    case 2:
      cx = X(s, 8), cy = Y(s, 8), contact = 5;
      break;
    case 3:
      cx = X(s, 6), cy = Y(s, 7);
      break;
    case 4:
      cx = X(s, 5), cy = Y(s, 7), contact = 5;
      break;
    default:
      cx = X(s, 8), cy = Y(s, 8);
      break;
  }
  if (mode == 2) {
    // The fitted mechanism reaches x = 150; the force, the moments and their letters reach
    // further right, below the ground's hatching (scheme 4) and above the top joints
    // (scheme 3).
    const double bottom = d.scheme == 4 ? -21 : -9;
    const double top = d.scheme == 3 ? 96 : 92;
    toolkit::BeginPicture(s, 225, top - bottom, -35, bottom);
  } else {
    // The fitted joints and the disc's rim, with the supports and letters round them.
    const double rim = d.a * s.Scale;
    const double right = std::max(figures::ArrayMax(s.PointX, 8), cx + rim) + 16;
    toolkit::BeginPicture(s, right + 12, 95, -12, -10);
  }
  figures::SetLineWidth(s, 10);
  // Every letter and angle mark is kept clear of those placed before it.
  figures::LabelSpacing placed;
  if (mode == 2) DrawStatics(s, d, p5, placed);
  if (d.scheme == 1) s.PointY[3] += 1.5;
  if (d.scheme == 5) {
    s.PointY[2] += 0.5;
    s.PointY[3] += 0.5;
    s.PointY[7] -= 0.5;
  }
  DrawLinks(s, d);
  figures::DrawTwoCircles(s, 2, static_cast<int>(toolkit::RoundHalfEven(2 * d.a * s.Scale - 1)),
                          cx, cy);
  figures::SetLineWidth(s, 1);
  figures::PutBox(s, "osnclndr", X(s, contact) - (d.scheme == 5 ? 12 : 15), Y(s, contact) + 0.5);
  const bool scheme_with_n = d.scheme == 1 || d.scheme == 3 || d.scheme == 5;
  for (int i = 2; i <= 4; ++i) figures::DrawNodeMarker(s, i);
  if (scheme_with_n) {
    figures::DrawNodeMarker(s, 5);
    figures::DrawNodeMarker(s, 7);
  } else {
    figures::DrawNodeMarker(s, d.scheme == 2 ? 6 : 7);
  }
  if (d.scheme != 2 && (d.p2 == 7 || d.p2 == 9)) {
    figures::PutUpHingeBoxAtPoint(s, 1);
  } else {
    figures::PutHingeBoxAtPoint(s, 1);
  }
  DrawMarksAndLabels(s, d, p5, &placed);
  toolkit::EndPicture(s);
}

// "$" or "\sqrt{2}$" after a crank length, then the tail.
std::string CrankTail(bool diagonal, std::string_view tail) {
  return std::string(diagonal ? "\\sqrt{2}$" : "$") + std::string(tail);
}

void WriteDataText(SharedState& s, const RollingDiskData& d, int mode, int p5) {
  using toolkit::WriteTextNumberLn;
  toolkit::WriteText(s, "\\small\\vskip1mm ");
  if (mode == 1) {
    WriteTextNumberLn(s, " $\\omega_{OA_z}=", d.w[0], " \\frac{1}{c}$,  ");
  } else if (std::abs(d.M1) == std::abs(d.M2)) {
    WriteTextNumberLn(s, " $M_1=M_2=", std::abs(d.M1), "$,  ");
  } else {
    toolkit::WriteText2NumbersLn(s, " $M_1=", std::abs(d.M1), "$, $M_2=", std::abs(d.M2), "$,  ");
  }
  WriteTextNumberLn(s, " $R=", d.a, "$, ");
  const int a = d.a;
  switch (d.scheme) {
    case 1:
      WriteTextNumberLn(s, " $OA=", d.s, CrankTail(d.diagonal, ", "));
      if (d.p3 == 2) {
        toolkit::WriteText2NumbersLn(s, "\\\\ $AB=", d.L, "$,  $BN=BC=", a, "$,");
      } else {
        toolkit::WriteText3NumbersLn(s, "\\\\ $AB=", d.L, "$,  $BN=", a, "$,  $BC=", a,
                                     "\\sqrt{2}$, ");
      }
      WriteTextNumberLn(s, "$ CD=", (2 - d.k) * a,
                        d.diagonal || d.p3 != 2 ? "$,  $\\alpha$=$45^\\circ$" : "$. ");
      break;
    case 2:
      WriteTextNumberLn(s, " $OA=", a, (p5 == 2 || p5 == 4) ? "$,\\\\ " : "\\sqrt{2}$,\\\\ ");
      WriteTextNumberLn(s, " $AB=", d.b, d.p3 == 2 ? "$, " : "\\sqrt{2}$, ");
      WriteTextNumberLn(s, "$ AD=", d.L,
                        (p5 == 1 || p5 == 3 || d.p3 != 2) ? "$,  $\\alpha=45^\\circ$. " : "$. ");
      break;
    case 3:
      WriteTextNumberLn(s, " $OA=", d.L, CrankTail(d.diagonal, ",\\\\ "));
      toolkit::WriteText3NumbersLn(s, " $AK=", d.c, "$, $BK=", d.b, "$, $KN=", a, "$, ");
      WriteTextNumberLn(s, "$ CD=", d.b + d.g * a,
                        d.diagonal ? "$,  $\\alpha=45^\\circ$. " : "$. ");
      break;
    case 4:
      WriteTextNumberLn(s, " $OA=", d.L, CrankTail(d.diagonal, ",\\\\ "));
      toolkit::WriteText2NumbersLn(s, " $AD=", a, "\\sqrt{2}$, $ BC=", d.b + d.g * a,
                                   "$,  $\\alpha=45^\\circ$. ");
      break;
    default:
      WriteTextNumberLn(s, " $OA=", d.L, CrankTail(d.diagonal, ",\\\\ "));
      toolkit::WriteText3NumbersLn(s, " $CD=", a * (d.g + 1), "\\sqrt{2}$, $AN=", d.n,
                                   "$, $AB=", d.n + d.b, "$,  $\\alpha=45^\\circ$. ");
      break;
  }
}

void WriteAnswers(SharedState& s, const RollingDiskData& d, int mode) {
  const auto& w = d.w;
  std::string row = Field(toolkit::PrintedVariantNumber(s)) + "&";
  const std::string no = "& " + std::string(toolkit::kNoValue) + " &";
  switch (d.scheme) {
    case 1:
    case 3:
    case 5:
      row += Field(w[1]) + "&" + Field(w[2]) + "&" + Field(w[3]) + no + Field(w[4]);
      break;
    default:
      row += Field(w[1]) + "&" + Field(w[2]) + no + Field(w[4]) + "&" + Field(w[3]);
      break;
  }
  if (mode == 2) {
    toolkit::AnsWriteLine(s, row + "&$" + Field(w[0]) + "$&$" + Field(d.F) + "$");
  } else {
    toolkit::AnsWrite(s, row);
  }
}

}  // namespace

RollingDiskData DeriveRollingDisk(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  RollingDiskData d;
  d.scheme = p1;
  d.p2 = p2;
  d.p3 = p3;
  d.p4 = p4;
  switch (p1) {
    case 1:
      DeriveScheme1(d, p5, p6, p7);
      break;
    case 2:
      DeriveScheme2(d, p5, p6);
      break;
    case 3:
      DeriveScheme3(d, p6, p7);
      break;
    case 4:
      DeriveScheme4(d, p6, p7);
      break;
    case 5:
      DeriveScheme5(d, p5, p6, p7);
      break;
    default:
      throw toolkit::DegenerateDataError("rolling-disk mechanism: no scheme " +
                                         std::to_string(p1));
  }
  d.x[2] = d.y[2] = 0;
  toolkit::NormalizeIntVector(d.w.data(), 5);
  // The crank's rate scales every answer; the bounds of the rows never make it 0.
  if (d.w[0] == 0 || d.L == 0) {
    throw toolkit::DegenerateDataError("rolling-disk mechanism: the crank does not turn");
  }
  DeriveStatics(d, d.p3, p5, p6, p7);
  return d;
}

void BeginRollingDiskMechanismProblem(SharedState& s, int mode) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 11);
  if (mode == 2) {
    toolkit::AnsWriteLine(
        s,
        "\\No &\\mc{$\\omega_{AB_z}$}&\\mc{$\\omega_{BC_z}$}&\\mc{$\\omega_{CD_z}$}&"
        "\\mc{$\\omega_{DA_z}$}&\\mc{$\\omega_{диск_z}$} &\\mc{$\\omega_{OA_z}$}&\\mc{$F$}"
        "\\\\ \\hline");
    toolkit::WriteLine(
        s,
        "Mechanism with ideal stationary constraints is in equilibrium under the action of $ F $ "
        "and points $ M_1 $, $ M_2 $ Length units are in centimeters. Rods, whose direction is "
        "not specified, assume horizontal or vertical. The disk rolls along a horizontal surface "
        "without slipping. Find the $F$. ");
  } else {
    toolkit::AnsWriteLine(
        s,
        "\\No &\\mc{$\\omega_{AB_z}$}&\\mc{$\\omega_{BC_z}$}&\\mc{$\\omega_{CD_z}$}&"
        "\\mc{$\\omega_{DA_z}$}&\\mc{$\\omega_{диск_z}$}\\\\ \\hline");
    toolkit::WriteLine(
        s,
        "In a situation of a mechanism given the angular velocity of one of the links. Length "
        "units are in centimeters. Rods, whose direction is not specified, assume horizontal or "
        "vertical.The disk rolls along a horizontal surface without slipping. Find the angular "
        "velocity of all parts of the mechanism. ");
  }
  toolkit::WriteBookReference(s, 158);
  figures::DefineHatchBox(s, 30, -1, "osnclndr", 0, 0);
}

void WriteRollingDiskMechanismVariant(SharedState& s, int mode) {
  const int p5 = s.P5;
  const RollingDiskData d = DeriveRollingDisk(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  s.P2 = static_cast<decltype(s.P2)>(d.p2);
  s.P3 = static_cast<decltype(s.P3)>(d.p3);
  s.P4 = static_cast<decltype(s.P4)>(d.p4);
  WriteAnswers(s, d, mode);
  DrawFigure(s, d, mode, p5);
  WriteDataText(s, d, mode, p5);
}

}  // namespace kinematics
