#include "subjects/statics/three_link_chain.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

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

namespace statics {

namespace {

constexpr double kRad = std::numbers::pi / 180;

// Direction codes of link 1 (rows 1, 2: s = 1, 2) and link 3 (rows 3, 4), by P1 and P2.
const int ChainLinkCodeTable[5][7] = {{0, 0, 0, 0, 0, 0, 0},
                                      {0, 2, 4, 6, 10, 12, 14},
                                      {0, 4, 6, 8, 12, 14, 16},
                                      {0, 1, 3, 5, 9, 11, 13},
                                      {0, 1, 5, 7, 9, 13, 15}};

bool IsVerticalCode(int c) { return c == 5 || c == 13; }
bool IsHorizontalCode(int c) { return c == 1 || c == 9; }
bool IsObliqueCode(int c) { return !IsVerticalCode(c) && !IsHorizontalCode(c); }

// The ends of the arc of the angle mark of an oblique code, radians.
void SetAngleMarkArc(int k, double& from, double& to) {
  const double a = figures::DirectionAngles[k] * kRad;
  if (k >= 2 && k <= 4) {
    from = std::numbers::pi, to = a + std::numbers::pi;
  } else if (k >= 6 && k <= 8) {
    from = a + std::numbers::pi, to = 2 * std::numbers::pi;
  } else if (k >= 10 && k <= 12) {
    from = 0, to = a - std::numbers::pi;
  } else if (k >= 14 && k <= 16) {
    from = a - std::numbers::pi, to = std::numbers::pi;
  }
}

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Rows 1, 2 (joint 2) and 3, 4 (joint 4) of the chain with the directions in degrees; each
// link pulls its joint towards its other end.
void FillChainRows(structural::Mechanics& m, double t1, double t0, double t3) {
  const double c1 = std::cos(t1 * kRad), s1 = std::sin(t1 * kRad);
  const double c0 = std::cos(t0 * kRad), s0 = std::sin(t0 * kRad);
  const double c3 = std::cos(t3 * kRad), s3 = std::sin(t3 * kRad);
  auto& a = m.SystemMatrix;
  a[1][1] = c1, a[1][2] = c0;
  a[2][1] = s1, a[2][2] = s0;
  a[3][2] = -c0, a[3][3] = c3;
  a[4][2] = -s0, a[4][3] = s3;
}

void PutP(structural::Mechanics& m, const ThreeLinkChainVariant& v) {
  if (v.p_horizontal) {
    if (v.j == 1) {
      m.SystemRhs[1][1] = v.P;
    } else {
      m.SystemRhs[3][1] = -v.P;
    }
  } else {
    m.SystemRhs[2 * v.j][1] = v.P;
  }
}

// The direction of the sought link on the line at alpha (degrees) on the side its code
// points to.
double TurnLikeCode(double alpha, int code) {
  if (code >= 6 && code <= 13) return alpha + 180;
  if (code >= 14) return alpha + 360;
  return alpha;
}

}  // namespace

ThreeLinkChainVariant DeriveThreeLinkChainVariant(structural::Mechanics& m, int p1, int p2, int p3,
                                                  int p4, int p5, int p6) {
  ThreeLinkChainVariant v;
  v.s = p3 % 2 == 1 ? 1 : 2;
  v.j = p4 % 2 == 1 ? 1 : 2;
  v.w = p4 <= 2 ? 1 : 2;
  v.theta0 = (p5 % 2 == 1 ? 30 : 45) * (v.s == 1 ? -1 : 1);
  v.z = p5 <= 2 ? 1 : 2;
  v.c1 = ChainLinkCodeTable[v.s][p1];
  v.c3 = ChainLinkCodeTable[v.s + 2][p2];
  v.L1 = v.L3 = 200;
  if (v.c1 <= 4 && v.c3 >= 6 && v.c3 <= 9) v.L1 = v.L3 = 150;
  if ((v.c1 == 1 || v.c1 >= 14) && v.c3 >= 9 && v.c3 <= 12) v.L1 = v.L3 = 150;
  if (IsVerticalCode(v.c1)) v.L1 = 90, v.L3 = 150;
  if (IsVerticalCode(v.c3)) v.L3 = 90, v.L1 = 150;
  v.P = p6;
  v.p_horizontal = IsVerticalCode(v.j == 1 ? v.c1 : v.c3);

  // Q's component, positive to the right or upwards, as a fourth unknown.
  const int q_joint = v.j == 1 ? 2 : 1;  // 1: point 2, 2: point 4
  const int q_code = q_joint == 1 ? v.c1 : v.c3;
  const bool q_along_x = IsVerticalCode(q_code) || (!IsHorizontalCode(q_code) && v.w == 1);
  v.q_row = 2 * q_joint - (q_along_x ? 1 : 0);
  const double t1 = figures::DirectionAngles[v.c1];
  const double t3 = figures::DirectionAngles[v.c3];
  structural::ClearLinearSystem(m, 4);
  FillChainRows(m, t1, v.theta0, t3);
  m.SystemMatrix[v.q_row][4] = 1;
  PutP(m, v);
  structural::SolveLinearSystem(m, 4, 1, "equilibrium of the chain");
  // Halves are decided on the exact value: the elimination's last bits must not turn an exact
  // 5 into 4.999999 or 5.000001.
  const double tenths = std::nearbyint(m.SystemRhs[4][1] / 10 * 1e9) / 1e9;
  v.Q = 10 * static_cast<int>(toolkit::RoundHalfEven(tenths));
  if (v.Q == 0) v.Q = 1;

  v.sought = v.z == 1 ? 1 : 3;
  if (!IsObliqueCode(v.sought == 1 ? v.c1 : v.c3)) v.sought = 2;

  // The loads at points 2 and 4.
  double f2x = 0, f2y = 0, f4x = 0, f4y = 0;
  if (!v.p_horizontal) {
    (v.j == 1 ? f2y : f4y) = -v.P;
  } else if (v.j == 1) {
    f2x = -v.P;  // to the left at point 2
  } else {
    f4x = v.P;  // to the right at point 4
  }
  double& qf = v.q_row == 1 ? f2x : v.q_row == 2 ? f2y : v.q_row == 3 ? f4x : f4y;
  qf += v.Q;
  const double u1x = std::cos(t1 * kRad), u1y = std::sin(t1 * kRad);
  const double u3x = std::cos(t3 * kRad), u3y = std::sin(t3 * kRad);
  const double th0 = v.theta0 * kRad;
  const double u0x = std::cos(th0), u0y = std::sin(th0);
  double num = 0, den = 0, nominal = 0;
  if (v.sought == 1) {
    const double s2 = Cross(u3x, u3y, f4x, f4y) / Cross(u3x, u3y, u0x, u0y);
    num = s2 * std::sin(th0) + f2y;
    den = s2 * std::cos(th0) + f2x;
    nominal = t1;
  } else if (v.sought == 3) {
    const double s2 = -Cross(u1x, u1y, f2x, f2y) / Cross(u1x, u1y, u0x, u0y);
    num = s2 * std::sin(th0) - f4y;
    den = s2 * std::cos(th0) - f4x;
    nominal = t3;
  } else {
    const double a = -Cross(u1x, u1y, f2x, f2y);
    const double b = -Cross(u3x, u3y, f4x, f4y);
    num = a * u3y + b * u1y;
    den = a * u3x + b * u1x;
    nominal = v.theta0;
  }

  // A zero denominator (to rounding) makes the sought link vertical: it takes the vertical
  // direction nearest its nominal one, and tg alpha is infinite.
  double direction = 0;
  if (std::fabs(den) <= 1e-9 * (std::fabs(num) + 1)) {
    v.vertical = true;
    v.alpha = std::numbers::pi / 2;
    const double up = std::fabs(std::remainder(nominal - 90, 360));
    const double down = std::fabs(std::remainder(nominal - 270, 360));
    direction = up <= down ? 90 : (v.sought == 2 ? -90 : 270);
  } else {
    v.tg = num / den;
    v.alpha = std::atan(v.tg);
    const double alpha_deg = v.alpha * 57.29577951308232;
    direction = v.sought == 2   ? alpha_deg
                : v.sought == 1 ? TurnLikeCode(alpha_deg, v.c1)
                                : TurnLikeCode(alpha_deg, v.c3);
  }
  v.theta1 = v.sought == 1 ? direction : t1;
  v.theta2 = v.sought == 2 ? direction : v.theta0;
  v.theta3 = v.sought == 3 ? direction : t3;

  structural::ClearLinearSystem(m, 4);
  FillChainRows(m, v.theta1, v.theta2, v.theta3);
  PutP(m, v);
  m.SystemRhs[v.q_row][1] -= v.Q;
  if (IsVerticalCode(v.c3)) {
    for (int k = 1; k <= 4; ++k) m.SystemMatrix[3][k] = m.SystemMatrix[4][k];
    m.SystemRhs[3][1] = m.SystemRhs[4][1];
  }
  structural::SolveLinearSystem(m, 3, 1, "forces of the chain");
  v.S1 = m.SystemRhs[1][1];
  v.S2 = m.SystemRhs[2][1];
  v.S3 = m.SystemRhs[3][1];
  return v;
}

namespace {

std::string Letter(int code) { return std::string(1, static_cast<char>(64 + code)); }

// The angle's value (or alpha) is recorded in `placed`, so that the bar numbers written
// after it keep clear of it.
void PutAngleMark(SharedState& s, figures::LabelSpacing& placed, int point, int code, bool alpha) {
  const double X = s.PointX[point], Y = s.PointY[point];
  PutBox(s, "ANGL" + Letter(code), X, Y);
  double from = 0, to = 0;
  SetAngleMarkArc(code, from, to);
  const double d = alpha ? 2 : 5;
  const std::string text = alpha ? std::string("\\alpha")
                                 : toolkit::FormatFixed((to - from) / kRad, 6, 0) + "\\!^\\circ";
  const double mid = (from + to) / 2;
  const std::string label = "$" + text + "$";
  const double lx = X - d + (d + 11) * std::cos(mid), ly = Y - d / 2 + (d + 11) * std::sin(mid);
  placed.Clear(lx, ly, figures::LabelWidth(label, 8), 7, 0);
  PutLabel(s, label, lx, ly);
}

// A horizontal load of sign sgn at point i (2 or 4), whose link has code `code`.
void DrawHorizontalLoad(SharedState& s, int i, int sgn, int code, const char* label) {
  const double X = s.PointX[i], Y = s.PointY[i];
  const double e = i == 4 && sgn == -1 ? 15 : (i == 2 && sgn == 1 ? -15 : 0);
  const double g = code >= 9 ? 4 : -9;
  DrawThickRedVector(s, sgn, 0, X + e, Y, 15);
  PutBlueLabel(s, label, X + 7 * sgn - 3 + e, Y + g - 2);
}

void DrawVerticalLoad(SharedState& s, int i, int sgn, int code, const char* label) {
  const double X = s.PointX[i], Y = s.PointY[i];
  const double dy = code <= 9 && sgn == 1 ? -15 : (code >= 10 && sgn == -1 ? 15 : 0);
  const double dx = i == 2 ? -11 : 0;
  DrawThickRedVector(s, 0, sgn, X, Y + dy, 15);
  PutBlueLabel(s, label, X + 1 + dx, Y + 8 * sgn + dy - 4);
}

}  // namespace

void BeginThreeLinkChainProblem(SharedState& s) {
  s.BoxHeight = 58;
  s.BoxWidth = 125;
  s.ParboxWidth = 205;
  s.BlockCentred = true;
  DefineWeightBox(s, "P", 15);
  for (int k : {2, 3, 4, 6, 7, 8, 10, 11, 12, 14, 15, 16}) {
    WriteLine(s, "\\newsavebox{\\ANGL" + Letter(k) + "}\\sbox{\\ANGL" + Letter(k) + "}{%");
    double from = 0, to = 0;
    SetAngleMarkArc(k, from, to);
    BeginPicture(s, 2, 2, 0, 0);
    DrawArcPolyline(s, 0, 0, 0, from, to, 10);
    if (k <= 4 || k >= 14) {
      DrawSegment(s, -1, 0, -18, 0);
    } else {
      DrawSegment(s, 1, 0, 18, 0);
    }
    EndSaveBox(s);
  }
  AnsBeginTable(s, 6);
  WriteLine(s, "Find the angle $\\alpha$ in the equilibrium chain and efforts in bars.\\par");
  WriteBookReference(s, 21);
  AnsWriteLine(s, " &tg$\\alpha $&$  \\alpha $&$   S_1  $&$ S_2 $&$S_3$\\\\\\hline ");
}

void WriteThreeLinkChainVariant(SharedState& s) {
  const ThreeLinkChainVariant v =
      DeriveThreeLinkChainVariant(s, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);

  ClearPoints(s, 5);
  s.PointX[4] = 300 * std::cos(v.theta0 * kRad);
  s.PointY[4] = 300 * std::sin(v.theta0 * kRad);
  SetPointAtTableAngle(s, 2, v.c1, v.L1);
  SetPointAtTableAngle(s, 4, v.c3, v.L3);
  const int p_point = 2 * v.j;
  if (v.p_horizontal) {
    s.PointX[5] = s.PointX[p_point] + 15;
    s.PointY[5] = s.PointY[p_point];
  } else {
    s.PointX[5] = s.PointX[p_point];
    s.PointY[5] = s.PointY[p_point] - 25;
  }
  FitPointsToBox(s, 5, 0);
  WriteText(s, "\\par");
  // The links fill 125 x 58 pt; the supports' hatching and the loads with their letters
  // reach 15 pt past the right end and 26 pt below the lowest point, so the picture
  // reserves that room and the data line stays clear of them.
  BeginPicture(s, 165, s.BoxHeight + 46, -20, -27);
  figures::LabelSpacing placed;

  const int nominal_sought = v.z == 1 ? v.c1 : v.c3;
  if (IsObliqueCode(v.c1)) PutAngleMark(s, placed, 1, v.c1, v.z == 1);
  if (IsObliqueCode(v.c3)) PutAngleMark(s, placed, 3, v.c3, v.z == 2);
  const int middle_code = v.s == 1 ? (v.theta0 == -45 ? 15 : 16) : (v.theta0 == 45 ? 3 : 2);
  PutAngleMark(s, placed, 4, middle_code, !IsObliqueCode(nominal_sought));

  const int p_code = v.j == 1 ? v.c1 : v.c3;
  if (v.p_horizontal) {
    DrawHorizontalLoad(s, p_point, v.j == 1 ? -1 : 1, p_code, "$\\vec P $");
  } else if (p_code == 11 || p_code == 12 || p_code == 14 || p_code == 15) {
    const double X = s.PointX[p_point], Y = s.PointY[p_point];
    DrawThickRedVector(s, 0, -1, X, Y + 15, 15);
    PutBlueLabel(s, "$\\vec P $", X + 2, Y + 3);
  } else {
    PutBox(s, "weightP", s.PointX[p_point], s.PointY[p_point]);
    // The weight's letter hangs beside the middle link or link 1 in some chains: the link
    // numbers placed below keep clear of it.
    const double S = s.WeightBoxSize;
    placed.Reserve(s.PointX[p_point] - S / 2 - 8, s.PointY[p_point] - S - 15 - 6,
                   figures::LabelWidth("$P$", 10.95), 7.5);
  }
  const int q_point = v.q_row <= 2 ? 2 : 4;
  const int q_code = q_point == 2 ? v.c1 : v.c3;
  const int q_sign = toolkit::SignOf(v.Q);
  if (v.q_row % 2 == 1) {
    DrawHorizontalLoad(s, q_point, q_sign, q_code, "$\\vec Q $");
  } else {
    DrawVerticalLoad(s, q_point, q_sign, q_code, "$\\vec Q $");
  }

  SetLineWidth(s, 8);
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  DrawSegmentShortenedCopy(s, x[1], y[1], x[2], y[2], 1.5);
  DrawSegmentShortenedCopy(s, x[2], y[2], x[4], y[4], 1.5);
  DrawSegmentShortenedCopy(s, x[3], y[3], x[4], y[4], 1.5);
  SetLineWidth(s, 1);

  WriteText(s, "\\Green{");
  const auto end_shift = [](int code, double& dx, double& dy) {
    dx = code <= 5 || code >= 13 ? 1 : -6;
    dy = code <= 9 ? -7 : 0;
  };
  // A bar number beside a short link would stand on the angle at its end: it goes to the
  // link's other side, or else moves the least that clears the angle's value; where a short
  // link is hemmed in by the angle's value and the weight's letter, it slides along its link.
  const auto put_number = [&](int i, int j, double dx, double dy, int number) {
    const double w = figures::LabelWidth("1", 8), h = 5;
    const double mx = MidX(s, i, j), my = MidY(s, i, j);
    const double x = mx + dx, y = my + dy;
    std::optional<std::pair<double, double>> found;
    if (placed.Clears(x, y, w, h + 2)) found = std::pair{x, y};
    const double len = std::hypot(s.PointX[j] - s.PointX[i], s.PointY[j] - s.PointY[i]);
    const double ux = (s.PointX[j] - s.PointX[i]) / len, uy = (s.PointY[j] - s.PointY[i]) / len;
    if (!found) {
      // The label's centre mirrored in the link's line.
      const double ox = dx + w / 2, oy = dy + h / 2, along = ox * ux + oy * uy;
      const double fx = mx + 2 * along * ux - ox - w / 2, fy = my + 2 * along * uy - oy - h / 2;
      if (placed.Clears(fx, fy, w, h + 2)) found = std::pair{fx, fy};
    }
    if (!found) found = placed.Find(x, y, w, h + 2);
    // The label's centre 6 pt off the link at a fraction t of it, on either side.
    for (double t : {0.35, 0.65, 0.25, 0.75}) {
      for (double side : {1.0, -1.0}) {
        const double cx = s.PointX[i] + t * (s.PointX[j] - s.PointX[i]) - side * 6 * uy;
        const double cy = s.PointY[i] + t * (s.PointY[j] - s.PointY[i]) + side * 6 * ux;
        if (!found && placed.Clears(cx - w / 2, cy - h / 2, w, h + 2))
          found = std::pair{cx - w / 2, cy - h / 2};
      }
    }
    const auto [px, py] = placed.Clear(found ? found->first : x, found ? found->second : y, w, h + 2);
    PutValueLabel(s, px, py, number);
  };
  double dx = 0, dy = 0;
  end_shift(v.c1, dx, dy);
  put_number(1, 2, dx, dy, 1);
  put_number(2, 4, 2, v.s == 1 ? 0 : -5, 2);
  end_shift(v.c3, dx, dy);
  put_number(3, 4, dx, dy, 3);
  WriteText(s, "}");
  DrawCircle(s, x[2], y[2], 3);
  DrawCircle(s, x[4], y[4], 3);
  if (v.c1 >= 3 && v.c1 <= 7) {
    PutUpHingeBox(s, x[1], y[1]);
  } else {
    PutHingeBox(s, x[1], y[1]);
  }
  if (v.c3 >= 3 && v.c3 <= 7) {
    PutUpHingeBox(s, x[3], y[3]);
  } else {
    PutHingeBox(s, x[3], y[3]);
  }
  EndPicture(s);
  WriteText2NumbersLn(s, "\\vskip2mm\\hfill $P$=", v.P, "~kN, $Q$=", std::abs(v.Q), "~kN.");

  using toolkit::FormatFixed;
  AnsWrite(s, FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0) + " & " +
                  (v.vertical ? std::string("$\\infty$") : FormatFixed(std::fabs(v.tg), 8, 3)) +
                  "  &$ " + FormatFixed(std::fabs(v.alpha), 8, 3));
  for (double f : {v.S1, v.S2, v.S3}) AnsWrite(s, " $&$ " + FormatFixed(f, 9, 3));
  AnsWrite(s, "$");
}

}  // namespace statics
