#include "subjects/structural/frame_hinge_displacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// The members whose second end carries no moment: with the point balances they make points
// 1, 2 and 6 hinges.
constexpr int kHingeReleaseMembers[4] = {1, 4, 5, 6};

// Variants in one answers paragraph: the pages break only between paragraphs.
constexpr int kVariantsPerParagraph = 2;

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

int NonZero(int value, int replacement) { return value == 0 ? replacement : value; }

// The 52 equations of the members' and the points' equilibrium, the hinges and the supports;
// right-hand sides 0.
void AssembleHingedFrameSystem(Mechanics& m, const FrameHingeVariant& v) {
  ClearLinearSystem(m, 52);
  auto& a = m.SystemMatrix;
  for (int i = 1; i <= 8; ++i) {
    const int c = 6 * (i - 1);
    const double dx = v.X[v.Second[i]] - v.X[v.First[i]];
    const double dy = v.Y[v.Second[i]] - v.Y[v.First[i]];
    a[i][c + 1] = 1;
    a[i][c + 2] = 1;
    a[8 + i][c + 3] = 1;
    a[8 + i][c + 4] = 1;
    a[16 + i][c + 2] = -dy;
    a[16 + i][c + 4] = dx;
    a[16 + i][c + 5] = 1;
    a[16 + i][c + 6] = 1;
    for (int k = 1; k <= 2; ++k) {
      const int n = k == 1 ? v.First[i] : v.Second[i];
      a[24 + n][c + k] = -1;
      a[32 + n][c + 2 + k] = -1;
      a[40 + n][c + 4 + k] = -1;
    }
  }
  for (int r = 0; r < 4; ++r) a[49 + r][6 * kHingeReleaseMembers[r]] = 1;
  a[32][49] = -1;  // X_A at point 8
  a[28][50] = -1;  // X_B at point 4
  a[40][51] = -1;  // Y_A
  a[36][52] = -1;  // Y_B
}

void AddLoads(Mechanics& m, const FrameHingeVariant& v) {
  auto& rhs = m.SystemRhs;
  for (int i = 1; i <= 8; ++i) {
    const double q = v.Intensity[i];
    if (q == 0) continue;
    const double dx = v.X[v.Second[i]] - v.X[v.First[i]];
    const double dy = v.Y[v.Second[i]] - v.Y[v.First[i]];
    const bool along_x = (i == v.Q1Member && v.Q1AlongX) || (i == v.Q2Member && v.Q2AlongX);
    if (along_x) {
      rhs[i][1] += q * std::fabs(dy);
      rhs[16 + i][1] -= q * std::fabs(dy) * dy / 2;
    } else {
      rhs[8 + i][1] += q * std::fabs(dx);
      rhs[16 + i][1] += q * std::fabs(dx) * dx / 2;
    }
  }
  for (int f = 0; f < 2; ++f) {
    const int n = f == 0 ? v.Force1Point : v.Force2Point;
    const bool along_x = f == 0 ? v.Force1AlongX : v.Force2AlongX;
    rhs[(along_x ? 24 : 32) + n][1] += v.P;
  }
}

// The member's load across it, along its normal (its direction turned a quarter
// counter-clockwise): the load's sign as the member runs.
double NormalLoad(const FrameHingeVariant& v, int i) {
  const double q = v.Intensity[i];
  if (q == 0) return 0;
  const double dx = v.X[v.Second[i]] - v.X[v.First[i]];
  const double dy = v.Y[v.Second[i]] - v.Y[v.First[i]];
  const bool along_x = (i == v.Q1Member && v.Q1AlongX) || (i == v.Q2Member && v.Q2AlongX);
  return q * (along_x ? -dy : dx) / v.Length[i];
}

// The unit-load integral over the members. The stored second-end moments act on the point,
// so the bending moment there is their negative; one end of every member carries no moment
// in either state, which lets the straight parts use them as stored. The load's parabola
// enters with the bending moments' signs, whichever end is loaded and whichever way the
// member runs.
double FrameMohrIntegral(const FrameHingeVariant& v, bool with_parabola,
                         const toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 2>, 1, 8>& a,
                         const toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 2>, 1, 8>& b) {
  double sum = 0;
  for (int i = 1; i <= 8; ++i) {
    const double l = v.Length[i];
    sum += l / 6 * (2 * a[i][1] * b[i][1] + a[i][2] * b[i][1] + a[i][1] * b[i][2] +
                    2 * a[i][2] * b[i][2]);
    if (with_parabola) sum -= NormalLoad(v, i) * l * l * l * (a[i][1] - a[i][2]) / 24;
  }
  return sum;
}

void SetLoadKinds(FrameHingeVariant& v, int p1, int p2, int p3, int p4, int p5) {
  if (p3 <= 2) {
    v.Q1Member = 4;
    v.Q1AlongX = true;
  } else if (p3 == 3) {
    v.Q1Member = 5;
    v.Q1AlongX = true;
  } else {
    v.Q1Member = 3;
    v.Q1AlongX = p1 != 1;
  }
  v.Q2Member = p4 <= 2 ? 1 : 6;
  v.Q2AlongX = false;
  v.Force1Point = 3;
  v.Force1AlongX = p1 != 1;
  if (p5 <= 3) {
    v.Force2Point = p2 <= 3 ? 7 : 5;
    v.Force2AlongX = true;
  } else {
    v.Force2Point = p5 <= 6 ? 1 : p5 == 7 ? 6 : 2;
    v.Force2AlongX = false;
  }
}

// Draws the uniform load `index` on member b: along x on the side -1 (left) or 0 (right),
// along y on the side 0 (above). Its letter's box goes to `placed`.
void DrawUniformLoad(SharedState& s, const FrameHingeVariant& v, int index, int b, bool along_x,
                     int side, int& label, figures::LabelSpacing& placed) {
  const int e1 = v.First[b], e2 = v.Second[b];
  auto& x = s.PointX;
  auto& y = s.PointY;
  const double q = index == 1 ? v.q1 : v.q2;
  const double len = PointDistanceRounded(s, e2, e1) - 4;
  const int cnt = std::max(1, Round(0.2 * len));
  const double step = len / cnt;
  ++label;
  WriteText(s, "\\Blue{");
  if (along_x) {
    const int e = y[e1] < y[e2] ? e1 : e2;
    // Left of the arrows' line with a little air (the label is about 9 wide).
    const double lx = side < 0 ? x[e] - 21.5 : x[e] + 16.5 * (2 * side + 1) - 3;
    PutBlueLabel(s, "$q_" + std::to_string(label) + "$", lx, MidY(s, e1, e2) - 4);
    placed.Clear(lx, MidY(s, e1, e2) - 4, 9.5, 8, 0);
    DrawLatexLine(s, 0, 1, x[e] + 22 * side + 11, y[e] + 2, len);
    for (int j = 0; j <= cnt; ++j) DrawDirectedVector(s, 1, 0, q, x[e] + 11 * side, y[e] + j * step + 2, 11);
  } else {
    const int e = x[e1] < x[e2] ? e1 : e2;
    PutBlueLabel(s, "$q_" + std::to_string(label) + "$", x[e] + 14,
                 y[e] + 16.5 * (2 * side + 1) - 2);
    placed.Clear(x[e] + 14, y[e] + 16.5 * (2 * side + 1) - 2, 9.5, 8, 0);
    DrawLatexLine(s, 1, 0, x[e] + 2, y[e] + 22 * side + 11, len);
    for (int j = 0; j <= cnt; ++j) DrawDirectedVector(s, 0, 1, q, x[e] + j * step + 2, y[e] + 11 * side, 11);
  }
  WriteText(s, "}");
}

// Draws P at point n; its letter keeps clear of the letters in `placed`.
void DrawNodeForce(SharedState& s, const FrameHingeVariant& v, int n, bool along_x, int side,
                   figures::LabelSpacing& placed) {
  const double px = s.PointX[n], py = s.PointY[n];
  WriteText(s, "\\Red{{\\thicklines");
  if (along_x) {
    DrawDirectedVector(s, 1, 0, v.P, px - 20 * side, py, 20);
    PutLabelClear(s, placed, "$P$", px + 22 - 40 * side, py + 6 * side - 4, 14);
    WriteText(s, "}}");
  } else {
    DrawDirectedVector(s, 0, 1, v.P, px, py - 19.5 + 21 * side, 18);
    WriteText(s, "}}");
    PutLabelClear(s, placed, "$P$", px + 2, py - 18 + 31 * side, 14);
  }
}

void DrawFrameMembers(SharedState& s, int p2, bool answers) {
  const int pairs[8][2] = {{1, 2}, {3, 2}, {3, 4}, {7, 2}, {7, 6}, {0, 8}, {5, 6}, {5, 1}};
  for (const auto& pair : pairs) {
    const int a = pair[0] == 0 ? (p2 == 3 || p2 == 4 ? 7 : 5) : pair[0];
    if (answers) {
      AnsDrawSegmentPoints(s, a, pair[1]);
    } else if (a == 1) {
      DrawBar(s, 1, 2);
    } else {
      DrawSegmentFromNodeRev(s, a, pair[1]);
    }
  }
}

// One member's diagram: the outline from the member's first end over the ordinates back to
// its second end, the hatching, and the two end values with the point each is set at.
struct MemberDiagram {
  std::vector<std::pair<double, double>> outline;
  std::vector<std::array<double, 4>> hatching;
  bool blue = false;  // hatched in blue where the first ordinate is positive
  struct Value {
    double v = 0;           // the moment, printed without sign
    double tx = 0, ty = 0;  // the point beyond the ordinate's end the label keeps to
    double nx = 0, ny = 0;  // the side of that point the label lies on
  };
  std::vector<Value> values;
};

MemberDiagram MeasureMemberDiagram(
    const SharedState& s, const FrameHingeVariant& v, int i,
    const toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 2>, 1, 8>& d, double scale,
    int state) {
  MemberDiagram out;
  const int e1 = v.First[i], e2 = v.Second[i];
  auto& x = s.PointX;
  auto& y = s.PointY;
  const double lp = v.Length[i] * s.Scale;
  const double ya = d[i][1], yb = -d[i][2];
  const double slope = (yb - ya) / lp;
  const int n = std::max(1, Round(0.5 * v.Length[i] * s.Scale));
  const double h = lp / n;
  const double sn = (y[e2] - y[e1]) / lp, cs = (x[e2] - x[e1]) / lp;
  // The load's parabola, on the side its bending moment takes as the member runs.
  const double w = NormalLoad(v, i);
  auto parabola = [&](double t) { return scale * w * t * (lp - t) / (2 * s.Scale * s.Scale); };
  auto ordinate = [&](int j) {
    const double t = j * h;
    return state == 1 ? ya + t * slope - parabola(t) : ya + t * slope;
  };
  auto px = [&](double t, double o) { return x[e1] + t * cs - o * sn; };
  auto py = [&](double t, double o) { return y[e1] + t * sn + o * cs; };
  out.outline.emplace_back(x[e1], y[e1]);
  if (state == 2) {
    out.outline.emplace_back(px(0, ya), py(0, ya));
    out.outline.emplace_back(px(lp, yb), py(lp, yb));
  } else {
    for (int j = 0; j <= n; ++j) out.outline.emplace_back(px(j * h, ordinate(j)), py(j * h, ordinate(j)));
  }
  out.outline.emplace_back(x[e2], y[e2]);
  out.blue = ya > 0;
  for (int j = 1; j <= n; ++j) {
    const double o = ordinate(j);
    if (std::fabs(o) > 1) out.hatching.push_back({px(j * h, 0), py(j * h, 0), px(j * h, o), py(j * h, o)});
  }
  // Each value stands 3 beyond its ordinate's end (on the member's side the ordinate takes,
  // the left side of the member's run for a zero one) and a little in from the member's end,
  // so that the values of two members meeting at a point keep apart.
  auto value = [&](double t, double o, double inward) {
    const double side = o < 0 ? -1 : 1;
    MemberDiagram::Value val;
    val.v = o / scale;
    val.nx = -sn * side;
    val.ny = cs * side;
    val.tx = px(t, o) + 3 * val.nx + inward * cs;
    val.ty = py(t, o) + 3 * val.ny + inward * sn;
    return val;
  };
  if (std::fabs(yb / scale) > 1e-8) out.values.push_back(value(lp, yb, -4));
  if (std::fabs(ya / scale) > 1e-8) out.values.push_back(value(0, ya, 4));
  return out;
}

// The box a diagram's outline and values take, in picture units.
struct Extent {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  void Add(double x, double y) {
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
  }
};

// The label's lower left corner for a box w x h (picture units) lying beyond (tx, ty) on the
// side (nx, ny) points to.
std::pair<double, double> BesidePoint(const MemberDiagram::Value& val, double w, double h) {
  const double lx = val.nx > 0.3 ? val.tx : val.nx < -0.3 ? val.tx - w : val.tx - w / 2;
  const double ly = val.ny > 0.3 ? val.ty : val.ny < -0.3 ? val.ty - h : val.ty - h / 2;
  return {lx, ly};
}

void AnsDrawFrameMomentDiagram(SharedState& s, const FrameHingeVariant& v, int p2,
                               toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 2>, 1, 8> d,
                               int state) {
  double largest = 0;
  for (int i = 1; i <= 8; ++i)
    for (int j = 1; j <= 2; ++j) largest = std::max(largest, std::fabs(d[i][j]));
  // A diagram without moments draws the frame alone.
  const double scale = largest > 0 ? 15 / largest : 1;
  for (int i = 1; i <= 8; ++i)
    for (int j = 1; j <= 2; ++j) d[i][j] *= scale;
  std::vector<MemberDiagram> diagrams;
  for (int i = 1; i <= 8; ++i) {
    if (std::fabs(d[i][1]) > 1e-8 || std::fabs(d[i][2]) > 1e-8 || v.Intensity[i] != 0) {
      diagrams.push_back(MeasureMemberDiagram(s, v, i, d, scale, state));
    }
  }
  // The room of two diagrams side by side in the answers' box, in points. The values keep
  // their size in points, so a diagram too large for the room at 1.2 pt a unit is set in a
  // smaller unit and its values placed again.
  constexpr double kRoomWidth = 189, kRoomHeight = 114;
  constexpr double kValueHeight = 5.5;
  double unit = 1.2;
  struct Placed {
    double x, y, v;
  };
  std::vector<Placed> labels;
  Extent extent;
  for (int attempt = 0; attempt < 4; ++attempt) {
    labels.clear();
    extent = Extent();
    for (int k = 1; k <= 8; ++k) extent.Add(s.PointX[k], s.PointY[k]);
    figures::LabelSpacing placed(unit);
    // The values alone: where the hatching leaves no room near a value's point, the value may
    // stand on hatching, but never on another value.
    figures::LabelSpacing values(unit);
    for (const MemberDiagram& m : diagrams) {
      for (const auto& [px, py] : m.outline) extent.Add(px, py);
    }
    // The hatching is kept clear of the values as far as the values can move.
    for (const MemberDiagram& m : diagrams) {
      for (const auto& seg : m.hatching) {
        placed.Clear(std::min(seg[0], seg[2]), std::min(seg[1], seg[3]) + 2 / unit,
                     std::max(0.1, std::fabs(seg[2] - seg[0])) * unit,
                     std::max(0.1, std::fabs(seg[3] - seg[1])) * unit - 2, 0);
      }
    }
    // Two members meeting at a rigid point carry the same moment there: it is printed once.
    std::vector<std::pair<std::string, std::pair<double, double>>> printed;
    for (const MemberDiagram& m : diagrams) {
      for (const MemberDiagram::Value& val : m.values) {
        const std::string text = toolkit::FormatNumber(std::fabs(val.v));
        const bool repeated = std::any_of(printed.begin(), printed.end(), [&](const auto& p) {
          return p.first == text && std::fabs(p.second.first - val.tx) < 20 &&
                 std::fabs(p.second.second - val.ty) < 20;
        });
        if (repeated) {
          labels.push_back({0, 0, 0});
          continue;
        }
        printed.push_back({text, {val.tx, val.ty}});
        const double w = figures::LabelWidth(text, 8) / unit;
        const double h = kValueHeight / unit;
        const auto [lx, ly] = BesidePoint(val, w, h);
        auto found = placed.Find(lx, ly, w * unit, kValueHeight, 16);
        if (!found) found = placed.Find(lx, ly, w * unit, kValueHeight, 28);
        if (!found) found = values.Find(lx, ly, w * unit, kValueHeight, 16);
        const auto [cx, cy] = found.value_or(std::pair{lx, ly});
        placed.Reserve(cx, cy, w * unit, kValueHeight);
        values.Reserve(cx, cy, w * unit, kValueHeight);
        labels.push_back({cx, cy, val.v});
        extent.Add(cx, cy - 2 / unit);
        extent.Add(cx + w, cy + h);
      }
    }
    // Air of a unit and a half on each side, which the picture's whole-unit origin and size
    // may take.
    const double need = std::max((extent.x1 - extent.x0 + 3) * unit / kRoomWidth,
                                 (extent.y1 - extent.y0 + 3) * unit / kRoomHeight);
    if (need <= 1) break;
    unit /= need * 1.02;
  }
  const double width = std::floor(kRoomWidth / unit), height = std::floor(kRoomHeight / unit);
  const double x0 = std::floor((extent.x0 + extent.x1 - width) / 2);
  const double y0 = std::floor((extent.y0 + extent.y1 - height) / 2);
  AnsWrite(s, "\\unitlength=" + toolkit::FormatNumber(std::round(unit * 1000) / 1000) + "pt");
  AnsBeginPicture(s, width, height, x0, y0);
  AnsSetLineWidth(s, 12);
  DrawFrameMembers(s, p2, true);
  AnsSetLineWidth(s, 1);
  std::size_t next_label = 0;
  for (std::size_t k = 0; k < diagrams.size(); ++k) {
    const MemberDiagram& m = diagrams[k];
    AnsWrite(s, "\\Red{");
    AnsMoveTo(s, m.outline.front().first, m.outline.front().second);
    for (std::size_t j = 1; j < m.outline.size(); ++j) AnsLineTo(s, m.outline[j].first, m.outline[j].second);
    AnsWrite(s, m.blue ? "}\\Blue{" : "}{");
    for (const auto& seg : m.hatching) AnsDrawSegment(s, seg[0], seg[1], seg[2], seg[3]);
    for (std::size_t j = 0; j < m.values.size(); ++j, ++next_label) {
      AnsPutAbsValueLabel(s, labels[next_label].x, labels[next_label].y, labels[next_label].v);
    }
    AnsWriteLine(s, "}%");
  }
  AnsEndPicture(s);
}

}  // namespace

FrameHingeVariant DeriveFrameHingeVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                          int p7) {
  FrameHingeVariant v;
  v.q1 = NonZero(3 * (p5 - 7), 5);
  v.q2 = NonZero(3 * (p6 - 7), 7);
  v.P = NonZero(3 * (p7 - 7), 9);
  if (std::abs(v.q1) == std::abs(v.q2)) v.q1 = 2 * v.q2 - 1;
  v.Asked = p7 <= 4 ? 1 : 2;
  if (p2 == 1 || p2 == 4) v.Asked = 2;

  int a = p3 + 3;
  const int h = p4 + 4;
  if ((p2 == 1 || p2 == 4) && (p1 == 1 || p1 == 2)) a = h / 2;
  if (p1 == 3 && (p2 == 2 || p2 == 3)) a = h;
  const double upper[4] = {0, 2.0 * a, 3.0 * a, 4.0 * a};
  const double lower[4] = {0, 1.0 * a, 2.0 * a, 4.0 * a};
  for (int k = 1; k <= 4; ++k) {
    v.X[k] = upper[k - 1];
    v.Y[k] = h;
    v.X[k + 4] = lower[k - 1];
    v.Y[k + 4] = 0;
  }
  if (p1 == 2) {
    v.X[4] = 3 * a;
    v.Y[4] = h - 3 - p7 / 10;
    if (v.Y[2] - v.Y[4] == v.Y[4] - v.Y[8]) v.X[8] += 1;
  } else if (p1 == 3) {
    v.X[4] = 3 * a;
    v.Y[4] = h + 4;
  }
  if (p2 == 1) {
    v.X[8] = -a;
    v.Y[8] = 0;
  } else if (p2 == 2) {
    v.X[8] = 0;
    v.Y[8] = -h;
  } else if (p2 == 3) {
    v.X[8] = 2 * a;
    v.Y[8] = -h;
  }
  const int members[8][2] = {{1, 2}, {2, 3}, {3, 4}, {5, 1}, {7, 2}, {5, 6}, {6, 7}, {5, 8}};
  for (int i = 1; i <= 8; ++i) {
    v.First[i] = members[i - 1][0];
    v.Second[i] = members[i - 1][1];
  }
  if (p2 > 2) v.First[8] = 7;
  for (int i = 1; i <= 8; ++i) {
    v.Length[i] = toolkit::Hypot(v.X[v.Second[i]] - v.X[v.First[i]], v.Y[v.Second[i]] - v.Y[v.First[i]]);
  }
  SetLoadKinds(v, p1, p2, p3, p4, p5);
  v.Intensity[v.Q1Member] = v.q1;
  v.Intensity[v.Q2Member] = v.q2;

  auto m = std::make_unique<Mechanics>();
  AssembleHingedFrameSystem(*m, v);
  AddLoads(*m, v);
  SolveLinearSystem(*m, 52, 1, "frame with hinges");
  for (int r = 1; r <= 4; ++r) v.Reaction[r] = m->SystemRhs[48 + r][1];
  for (int i = 1; i <= 8; ++i) {
    v.LoadMoment[i][1] = m->SystemRhs[6 * (i - 1) + 5][1];
    v.LoadMoment[i][2] = m->SystemRhs[6 * (i - 1) + 6][1];
  }
  AssembleHingedFrameSystem(*m, v);
  m->SystemRhs[v.Asked == 1 ? 30 : 38][1] = 1;
  SolveLinearSystem(*m, 52, 1, "frame with hinges");
  for (int r = 1; r <= 4; ++r) v.UnitReaction[r] = m->SystemRhs[48 + r][1];
  for (int i = 1; i <= 8; ++i) {
    v.UnitMoment[i][1] = m->SystemRhs[6 * (i - 1) + 5][1];
    v.UnitMoment[i][2] = m->SystemRhs[6 * (i - 1) + 6][1];
  }
  v.Displacement = FrameMohrIntegral(v, true, v.UnitMoment, v.LoadMoment);
  return v;
}

void BeginFrameHingeDisplacementProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteText(s, "\\tabcolsep=2pt");
  Ans2BeginTable(s, 14);
  Ans2Write(s,
            "\\No\\ru & \\mc{$ X_A$}& \\mc{$ X_B $}&\\mc{$ Y_A$}& \\mc{$Y_B$}& \\mc{$ x_A$}& "
            "\\mc{$ x_B $}&\\mc{$ y_A$}& \\mc{$y_B$}&\\mc{$EJ\\Delta\\cdot10^{-3}$}\\\\\\hline");
  WriteLine(s,
            " Построить эпюры $M$, $Q$, $N$ в раме. Найти горизонтальное ($\\Delta x_C$) или "
            "вертикальное ($\\Delta y_C$) смещение  шарнира $C$. Все стержни имеют одинаковую "
            "жесткость $EJ$.\\\\ \\noindent");
}

void WriteFrameHingeDisplacementVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5;
  const FrameHingeVariant v = DeriveFrameHingeVariant(p1, p2, p3, p4, p5, s.P6, s.P7);

  // The vertical dimensions stand right of all the frame carries at its right: the supports
  // at B and A with their letters, and the arrows of forces along x drawn to the right of
  // their point. A frame too wide for that within the picture is drawn narrower.
  auto right_extras = [&]() {
    double right = s.PointX[4] + 10;
    if (p2 != 1) right = std::max(right, s.PointX[8] + 10);  // A's letter stands right of it
    for (int f = 0; f < 2; ++f) {
      const int n = f == 0 ? v.Force1Point : v.Force2Point;
      const bool along_x = f == 0 ? v.Force1AlongX : v.Force2AlongX;
      const bool to_right = f == 0 || n == 7;
      if (along_x && to_right) right = std::max(right, s.PointX[n] + 29);
    }
    return right;
  };
  constexpr double kChainLimit = 142;  // the vertical dimensions' line, 2 left of the picture's edge
  double chain_x = 0;
  for (int width = 120; width >= 80; width -= 4) {
    ClearPoints(s, 8);
    for (int i = 1; i <= 8; ++i) {
      s.PointX[i] = v.X[i];
      s.PointY[i] = v.Y[i];
    }
    s.BoxWidth = width;
    s.BoxHeight = 70;
    FitPointsToBox(s, 8, 0);
    chain_x = std::max(s.RangeX * s.Scale + 14, right_extras() + 8);
    if (chain_x <= kChainLimit) break;
  }
  // With the data's parbox and the space before it the picture fills the variant's 240 pt.
  BeginPicture(s, 166, 116, -22, -22);
  int label = 0;
  figures::LabelSpacing placed;
  DrawUniformLoad(s, v, 1, v.Q1Member, v.Q1AlongX, v.Q1AlongX ? -1 : 0, label, placed);
  DrawUniformLoad(s, v, 2, v.Q2Member, false, 0, label, placed);
  DrawNodeForce(s, v, v.Force1Point, v.Force1AlongX, 0, placed);
  DrawNodeForce(s, v, v.Force2Point, v.Force2AlongX,
                v.Force2AlongX ? (v.Force2Point == 7 ? 0 : 1) : 1, placed);
  DrawNodeMarker(s, 6);
  SetLineWidth(s, 7);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawFrameMembers(s, p2, false);
  SetLineWidth(s, 1);
  if (p1 == 3) {
    PutUpHingeBoxAtPoint(s, 4);
  } else {
    PutHingeBoxAtPoint(s, 4);
  }
  PutHingeBoxAtPoint(s, 8);
  auto& x = s.PointX;
  auto& y = s.PointY;
  // Support A stands on the lowest level with its ground 9 below: the horizontal dimensions
  // go under it.
  DrawDimensionChains(s, 8, chain_x - 1, -19, 1, s.Scale, s.Scale, 0);
  PutLabel(s, "$B$", x[4] + 3, y[4] - 3);
  if (p2 == 1) {
    PutLabel(s, "$A$", x[8] - 9, y[8] - 3);
  } else {
    PutLabel(s, "$A$", x[8] + 3, y[8] - 1);
  }
  PutLabel(s, "$C$", x[6] - 3, y[6] - 7);
  EndPicture(s);
  WriteTextNumberLn(s, "\\hfill\\parbox[b]{70pt}{\\small $q_1=", std::abs(v.q1), "$кН/м,\\\\");
  WriteTextNumberLn(s, "$q_2=", std::abs(v.q2), "$кН/м,\\\\");
  WriteTextNumberLn(s, "$P=", std::abs(v.P), "$кН.\\\\");
  WriteText(s, v.Asked == 1 ? "$\\Delta x_C-?$" : "$\\Delta y_C-?$");
  WriteText(s, "}");

  Ans2Write(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (int r = 1; r <= 4; ++r) Ans2Write(s, "&" + toolkit::FormatFixed(v.Reaction[r], 6, 3) + " ");
  for (int r = 1; r <= 4; ++r) {
    Ans2Write(s, "&" + toolkit::FormatFixed(v.UnitReaction[r], 6, 3) + " ");
  }
  Ans2WriteLine(s, " & " + toolkit::FormatFixed(v.Displacement * 0.001, 8, 3));

  if (s.DocumentMode == 0 && !s.TicketMode && s.VariantIndex > 1 &&
      (s.VariantIndex - 1) % kVariantsPerParagraph == 0) {
    AnsWrite(s, "}\\par \\parbox{430pt}{");
  }
  AnsBeginVariantBox(s, 200);
  AnsDrawFrameMomentDiagram(s, v, p2, v.LoadMoment, 1);
  AnsDrawFrameMomentDiagram(s, v, p2, v.UnitMoment, 2);
  AnsWrite(s, "}}\\\\ ");
}

}  // namespace structural
