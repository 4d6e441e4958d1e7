#include "subjects/dynamics/coulisse_lagrange.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/beam_diagrams.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

using namespace figures;  // NOLINT: the library reads like the drawing it makes

constexpr int kCoulisseDiskOffset = 90;
constexpr double kPi = std::numbers::pi;
constexpr double g = 9.81;

bool Starred(int p1) { return p1 == 20 || p1 == 21 || (p1 >= 30 && p1 <= 33); }

void Box(SharedState& s, const char* name) { toolkit::BeginSaveBox(s, name); }
void End(SharedState& s) { toolkit::EndSaveBox(s); }

void DefineCoulisseBoxes(SharedState& s) {
  Box(s, "clndrk");
  DrawSegment(s, 10, 0, 10, 12);
  DrawHatchRowV(s, 1, 7, 12, 6);
  DrawFilledCircle(s, 0, 0, 1);
  DrawCircle(s, 0, 0, 20);
  PutBlueLabel(s, "$5$", -7, 0);
  End(s);
  Box(s, "cilindrik");
  DrawSegment(s, -10, -38, -10, 0);
  PutBox(s, "clndrk", 0, -38);
  End(s);
  Box(s, "cilindriksmall");
  DrawSegment(s, -10, -26, -10, 0);
  PutBox(s, "clndrk", 0, -26);
  End(s);
  Box(s, "ciliN");
  DrawSegment(s, -16, -40, -16, 0);
  DrawSegment(s, 16, -40, 16, 0);
  DrawCircle(s, 0, -40, 32);
  DrawFilledCircle(s, 0, -40, 1);
  PutBlueLabel(s, "$5$", -7, -38);
  End(s);
  Box(s, "GRUZIK");
  DrawSegment(s, 0, -1.5, 0, -23);
  DrawRotatedBlock(s, 5, 0, -28, 0, 10, 10);
  PutBlueLabel(s, "$5$", -2, -31);
  End(s);
  Box(s, "blkklsimpl");
  PutLabel(s, "$M_{\\!\\rm{n}}$", -7, 4);
  PutLabel(s, "4", 6, -6);
  PutBox(s, "vmomen", 0, 0);
  DrawFilledCircle(s, 0, 0, 1);
  toolkit::WriteText(s, "\\Blue{");
  DrawCircle(s, 0, 0, 24);
  toolkit::WriteText(s, "}");
  End(s);
  Box(s, "blkkls");
  PutBox(s, "blkklsimpl", 0, 0);
  toolkit::WriteText(s, "\\Blue{");
  DrawCircle(s, 0, 0, 40);
  toolkit::WriteText(s, "}");
  End(s);
  Box(s, "osnnR");
  SetLineWidth(s, 1);
  DrawHatchRowH(s, 1, 0.5, 5, 30);
  End(s);
  Box(s, "osnnL");
  DrawHatchRowH(s, -1, -0.5, 5, 30);
  End(s);
  Box(s, "osnnv");
  DrawHatchRowV(s, 1, 0, 0.5, 40);
  End(s);
  Box(s, "osnn");
  DrawHatchRowV(s, -1, 0, -0.5, 40);
  End(s);
  Box(s, "maha");
  SetLineWidth(s, 4);
  DrawCircle(s, 0, 0, 28);
  PutLabel(s, "3", 5, -20);
  DrawSegment(s, 4, -18, 0, -15);
  PutLabel(s, "$M_{\\!\\rm{D}}$", -12, 3);
  PutHingeBox(s, 0, 0);
  PutBox(s, "brmomentp", 0, 0);
  End(s);
  Box(s, "mahb");
  SetLineWidth(s, 4);
  DrawLineBySlope(s, 11, 13.7, -5, 0.75, 43);
  DrawLineBySlope(s, 11, -13.7, -5, -0.75, 43);
  PutBox(s, "maha", 10, 0);
  End(s);
  Box(s, "mahc");
  SetLineWidth(s, 4);
  DrawLineBySlope(s, -1, -9, -1, 1.2, 16);
  DrawLineBySlope(s, -1, 9, -1, -1.2, 16);
  PutBox(s, "maha", 10, 0);
  End(s);
  Box(s, "mahd");
  DrawCircle(s, -2, 0, 24);
  PutHingeBox(s, -2, 0);
  toolkit::WriteText(s, "\\Red{");
  DrawLabelledArcArrow(s, 0, "M_{\\!\\rm{D}}", 19, -34, 0, 4.31969, 5.49779, 25, 8);
  toolkit::WriteText(s, "}");
  PutLabel(s, "3", 5, 0);
  SetLineWidth(s, 3);
  DrawVector(s, 1, 1, -14.2, -15.4, 1);
  SetLineWidth(s, 1);
  End(s);
  const double d = kCoulisseDiskOffset;
  Box(s, "kulisa");
  DrawRotatedBlock(s, 5, d - 10, 0, 0, 4, 27);
  SetLineWidth(s, 1);
  DrawHatchRowsV(s, 60, 0, 6);
  PutLabel(s, "2", 55, 5);
  DrawSegment(s, 55, 3, 52, 1);
  PutLabel(s, "1", d + 6, -16);
  DrawCircle(s, d, 0, 40);
  PutLabel(s, "$A$", d - 20, 15);
  PutLabel(s, "$O$", d + 8, -7);
  PutHingeBox(s, d, 0);
  DrawCircle(s, d - 10, 10, 2);
  DrawLineBySlope(s, 90, 0, 1, 0, 11);
  DrawDashedLineMultiput(s, 4, 80, 10, 90, 0);
  toolkit::WriteText(s, "\\Red{");
  DrawLabelledArcArrow(s, 0, "\\varphi_1", 1, 90, 0, 0, 3 * kPi / 4, 7, 1);
  DrawVector(s, -3, -2, 86, 5.8, 1);
  toolkit::WriteText(s, "}");
  End(s);
  Box(s, "kulisavert");
  DrawRotatedBlock(s, 5, 0, 11, 0, 27, 4);
  SetLineWidth(s, 1);
  DrawHatchRowsH(s, 0, 25, 6);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawLineBySlope(s, 0.5, 13, 0, 1, 50);
  DrawLineBySlope(s, -0.5, 13, 0, 1, 50);
  DrawLineBySlope(s, -0.5, 63, 1, 0, 1);
  toolkit::WriteText(s, "}");
  PutLabel(s, "1", 1, -16);
  DrawCircle(s, 0, 0, 40);
  PutLabel(s, "$A$", -20, 15);
  PutLabel(s, "$O$", 8, -7);
  PutHingeBox(s, 0, 0);
  DrawCircle(s, -11, 11, 2);
  DrawLineBySlope(s, 2, 0, 1, 0, 11);
  DrawDashedLineMultiput(s, 4, -11, 11, 0, 0);
  DrawLabelledArcArrow(s, 0, "\\varphi_1", 5, 0, 0, 0, 3 * kPi / 4, 7, -5);
  DrawVector(s, -3, -2, -5, 5, 1);
  End(s);
  Box(s, "prsn");
  PutLabel(s, "5", -15, 4);
  DrawThickRedVector(s, 1, 0, -29, 0, 11);
  PutLabel(s, "$F_n$", -27, 3);
  DrawSegment(s, -15, 3, -15, 1);
  SetLineWidth(s, 5);
  DrawLineBySlope(s, -17, 0, 1, 0, 67);
  DrawLineBySlope(s, -17, -2, 0, 1, 4);
  SetLineWidth(s, 1);
  DrawHatchRowsV(s, -10, 0, 8);
  DrawHatchRowsV(s, 42, 0, 7);
  End(s);
}

// Points 2..5 of scheme p1 (P2 picks the first or second value of a pair), in centimetres.
void LayOutScheme(SharedState& s, int p1, int p2) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  auto pick = [p2](double first, double second) { return p2 == 1 ? first : second; };
  if (p1 <= 19) x[2] = x[3] = x[4] = -20;
  if (p1 >= 22 && p1 <= 29) x[3] = x[4] = -20;
  if (p1 <= 19 || (p1 >= 22 && p1 <= 29)) x[5] = x[3] + kCoulisseDiskOffset + 34;
  if (Starred(p1)) {
    y[3] = -52;
    y[4] = -20;
    y[5] = y[3];
  }
  auto ys = [&](double y2, double y3, double y4) { y[2] = y2, y[3] = y3, y[4] = y4; };
  switch (p1) {
    case 1: case 18: ys(pick(-12, 12), 20, -20); break;
    case 2: ys(pick(-12, 20), 12, -20); break;
    case 3: ys(pick(12, 20), -12, -20); break;
    case 4: ys(pick(-12, 12), 0, -20); break;
    case 5: ys(pick(-20, 12), 20, -12); break;
    case 6: ys(pick(12, 20), -20, -12); break;
    case 7: case 19: ys(pick(-20, 20), 12, -12); break;
    case 8: ys(pick(-20, 20), 0, -12); break;
    case 9: ys(pick(-12, 12), 0, -pick(-12, 12)); break;
    case 10: ys(-20, pick(12, -12), 20); break;
    case 11: ys(12, pick(-12, -20), 20); break;
    case 12: ys(-12, pick(12, -20), 20); break;
    case 13: ys(20, pick(-12, -20), 12); break;
    case 14: ys(-12, pick(20, -20), 12); break;
    case 15: ys(-20, pick(-12, 20), 12); break;
    case 16: ys(pick(-12, 12), 0, 20); break;
    case 17: ys(pick(-20, 20), 0, 12); break;
    case 20: x[3] = pick(-12, -20), x[4] = pick(20, 12); break;
    case 21: x[3] = pick(12, 20), x[4] = pick(-20, -12); break;
    case 22: case 23: case 24: case 25: {
      const int s1 = p1 == 22 || p1 == 24 ? 1 : -1;
      const int s2 = p1 <= 23 ? 1 : -1;
      y[3] = pick(12, 20) * s2;
      x[2] = pick(-20, -12) * s1;
      break;
    }
    case 26: case 27: y[3] = pick(12, 20), x[2] = p1 == 26 ? -4 : 4; break;
    case 28: y[3] = pick(12, 20), x[2] = pick(-10, -2); break;
    case 29: y[3] = pick(12, 20), x[2] = pick(30, 22); break;
    case 30: case 31: x[2] = pick(20, 12), x[3] = pick(-12, -20); break;
    default: x[2] = pick(30, 22), x[3] = pick(-12, -20); break;  // 32, 33
  }
}

struct CoulisseData {
  double k, m0, mu, i1, m2, m3, m4, m5, r1_big, r3, r1, r4_big, r4, i4, r5, phi0, omega0;
};

CoulisseData DataOf(const SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5;
  CoulisseData d{};
  d.k = p4 + 10;
  d.m0 = p5 + 5 + p3;
  d.mu = 14 - p5 + p2;
  d.i1 = p5 * p3 + 3;
  d.m2 = p5 + 13;
  d.m3 = p5 + 31;
  d.m4 = p5 + 23;
  d.m5 = p5 + p2 + p3 - 2;
  if (p1 == 26 || p1 == 27) d.m5 *= 10;
  if (p1 <= 21) d.m5 = 0;
  d.r1_big = p4 + 33;
  d.r3 = p4 + 23;
  d.r1 = p4 + 22;
  d.r4_big = 20;
  d.r4 = 12;
  d.i4 = p1 == 9 ? d.r4 / std::sqrt(2.0) : p5 + 12;
  d.r5 = (p1 == 26 || p1 == 27) ? 16 : (p1 == 28 || p1 == 29 || p1 >= 32) ? p3 + 9 : 0;
  d.phi0 = 1 + 0.1 * p5;
  d.omega0 = 0.1 * p4;
  return d;
}

CoulisseAnswers SolveCoulisseMechanism(const SharedState& s, const CoulisseData& d) {
  const int p1 = s.P1;
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  CoulisseAnswers out;
  out.starred = Starred(p1);
  double a = 0, c = 0, e = 0;
  if (p1 <= 17) {
    a = y[3] - y[4], c = -y[4], e = y[2] - y[4];
  } else if (p1 <= 19) {
    a = y[3], c = 0, e = y[2];
  } else if (p1 <= 21) {
    a = x[3] - x[4], c = -x[4], e = x[2] - x[4];
  } else if (p1 <= 25) {
    a = y[3], c = 0, e = x[2];
  } else if (p1 <= 29) {
    a = y[3], c = 0, e = -x[2];
  } else if (p1 <= 31) {
    a = x[3], c = 0, e = -x[2];
  } else {
    a = x[3], c = 0, e = 10 - x[2];
  }
  const double ell = (p1 == 18 || p1 == 19) ? y[2] - y[4] : e;
  // Every |l| the schemes give is even, so the divisor never vanishes.
  double nu = 5 * toolkit::RoundHalfEven(std::pow(40 / (std::fabs(ell) - 7), 2) + 6 - s.P5);
  if (nu > 1000) nu = 100 * toolkit::RoundHalfEven(nu * 0.01);
  out.nu = nu;
  const double trig = out.starred ? std::cos(d.phi0) : std::sin(d.phi0);
  const double w = d.omega0 * trig;
  const double u = s.P3 == 2 ? d.r1_big / d.r3 : s.P3 == 4 ? 1 : -d.r1_big / d.r3;
  const double omega4 = (out.starred ? 1 : -1) * d.r1 * w / a;
  double v5 = 0, omega5 = 0, v4 = 0;
  if (p1 <= 19) {
    v5 = e * omega4 / 100;
  } else if (p1 <= 21) {
    v4 = e * omega4 / 100;
  } else if (p1 <= 25) {
    v5 = -e * omega4 / 100;
  } else if (p1 <= 27) {
    omega5 = omega4;
    v5 = e * (d.r4_big * omega4 / (std::fabs(e) + d.r5)) / 100;
  } else if (p1 <= 29) {
    omega5 = omega4;
    v5 = (x[2] - 10 - x[1]) * (-omega4) * 0.5 / 100;
    omega5 = v5 / (d.r5 / 100);
  } else if (p1 <= 31) {
    v5 = -e * omega4 / 100;
  } else {
    v5 = -e * omega4 * 0.5 / 100;
    omega5 = v5 / (d.r5 / 100);
  }
  if (p1 <= 19) out.qf = -nu * v5 * v5 / d.omega0;
  if (p1 == 20 || p1 == 21) {
    out.qt = -g * (d.m2 * d.r1 * w / 100 + d.m4 * v4) / d.omega0;
  } else if (p1 >= 22 && p1 <= 29) {
    out.qt = -g * d.m5 * v5 / d.omega0;
  } else if (p1 >= 30) {
    out.qt = -g * (d.m2 * d.r1 * w / 100 + d.m5 * v5) / d.omega0;
  }
  out.qd = (d.m0 - d.k * u * d.omega0) * u;
  out.qm = -d.mu * omega4 * omega4 / d.omega0;
  out.q = out.qf + out.qt + out.qd + out.qm;
  out.a = d.i1 + 0.5 * d.m3 * std::pow(d.r1_big / 100, 2);
  out.b2 = d.m2 * std::pow(d.r1 / 100, 2);
  out.b4 = d.m4 * (std::pow(c / 100, 2) + std::pow(d.i4 / 100, 2)) * std::pow(d.r1 / a, 2);
  out.b5 = d.m5 * std::pow(v5 / w, 2) + 0.5 * d.m5 * std::pow(d.r5 * omega5 / (100 * w), 2);
  out.b = out.b2 + out.b4 + out.b5;
  const double s2 = std::sin(2 * d.phi0);
  if (out.starred) {
    out.epsilon = (out.q + d.omega0 * d.omega0 * s2 * out.b / 2) /
                  (out.a + out.b * std::pow(std::cos(d.phi0), 2));
  } else {
    out.epsilon = (out.q - d.omega0 * d.omega0 * s2 * out.b / 2) /
                  (out.a + out.b * std::pow(std::sin(d.phi0), 2));
  }
  return out;
}

// How far each saved box of the figure reaches from the point it is put at, its letters
// included (x0, x1, y0, y1 in pt), so that the picture declares the room its parts take.
struct Reach {
  double x0, x1, y0, y1;
};
struct BoxReach {
  std::string_view name;
  Reach reach;
};
constexpr BoxReach kBoxReaches[] = {
    {"cilindrik", {-10, 13, -48, 0}},    {"cilindriksmall", {-10, 13, -36, 0}},
    {"ciliN", {-16, 16, -56, 0}},        {"GRUZIK", {-5, 5, -33, -1.5}},
    {"blkklsimpl", {-12, 12, -12, 12}},  {"blkkls", {-20, 20, -20, 20}},
    {"osnnR", {0.5, 2.5, 5, 35}},        {"osnnL", {-2.5, -0.5, 5, 35}},
    {"osnnv", {0, 40, 0.5, 2.5}},        {"osnn", {0, 40, -2.5, -0.5}},
    {"maha", {-14, 14, -20, 14}},        {"mahb", {-32, 24, -20.2, 20.2}},
    {"mahc", {-17, 24, -20, 14}},        {"mahd", {-43.6, 10, -25, 12}},
    {"kulisa", {52, 110, -20, 20.5}},    {"kulisavert", {-20, 20, -20, 63}},
    {"prsn", {-29, 50, -3.6, 9.5}},      {"hing", {-7, 7, -9, 1.5}},
};

// The room of the figure's parts, grown as they are placed.
class Room {
 public:
  void Add(double x, double y, const Reach& r) {
    x0_ = std::min(x0_, x + r.x0);
    x1_ = std::max(x1_, x + r.x1);
    y0_ = std::min(y0_, y + r.y0);
    y1_ = std::max(y1_, y + r.y1);
  }
  void AddBox(double x, double y, std::string_view name) {
    for (const BoxReach& b : kBoxReaches) {
      if (b.name == name) return Add(x, y, b.reach);
    }
  }
  // The picture over the room with 1 pt around it; its left edge stays at -30 where the
  // figures always began, and it is never narrower than the 150 pt they were given.
  void BeginPicture(SharedState& s) const {
    const double left = std::min(-30.0, std::floor(x0_) - 1);
    const double right = std::max(left + 150, std::ceil(x1_) + 1);
    const double bottom = std::floor(y0_) - 1;
    toolkit::BeginPicture(s, right - left, std::ceil(y1_) + 1 - bottom, left, bottom);
  }

 private:
  double x0_ = 1e9, x1_ = -1e9, y0_ = 1e9, y1_ = -1e9;
};

void DrawCoulisseFigure(SharedState& s) {
  const int p1 = s.P1;
  auto& x = s.PointX;
  auto& y = s.PointY;
  double d = 0;
  if (!Starred(p1)) {
    if (p1 == 18 || p1 == 19) x[4] = y[4] = 0;
    d = toolkit::SignOf(y[3]);
    y[5] = y[3];
    x[6] = x[3], y[6] = y[3] - 38;
    x[7] = x[1];
    y[7] = y[1] - (p1 >= 22 && p1 <= 27 ? 58 : p1 == 28 || p1 == 29 ? 50 : 38);
  } else {
    d = toolkit::SignOf(x[3]);
    x[3] += d;
    x[5] = x[3] + 34, y[5] = y[3];
    x[6] = x[3], y[6] = y[3] - 28;
    x[7] = x[1] - 28, y[7] = y[1] + 28;
  }
  FitPointsToBox(s, 7, 1);
  if (!Starred(p1)) {
    y[5] += d;
    y[3] += d;
  }
  // What goes where: the guide of the slide bar (not in the starred schemes), cylinder 4, its
  // base, body 5, the coulisse and cylinder 3; the picture is declared from their room.
  const int b = (p1 == 4 || p1 == 8 || p1 == 9 || p1 == 16 || p1 == 17) ? 20 : 2;
  const int f = (p1 == 9 && s.P2 == 1) || (p1 >= 10 && p1 <= 17) ? 2 : 1;
  const char* base = p1 <= 17   ? (f == 1 ? "osnn" : "osnnv")
                     : p1 <= 19 ? "hing"
                     : p1 == 20 ? "osnnR"
                     : p1 == 21 ? "osnnL"
                                : "hing";
  const int base_point = p1 <= 21 ? 4 : 1;
  const char* body5 = p1 <= 19                ? "prsn"
                      : p1 <= 21              ? nullptr
                      : p1 <= 25              ? "GRUZIK"
                      : p1 <= 27              ? "ciliN"
                      : p1 <= 29              ? "cilindrik"
                      : p1 <= 31              ? "GRUZIK"
                                              : "cilindriksmall";
  const char* cylinders[5] = {"", "maha", "mahb", "mahc", "mahd"};
  const char* cylinder3 = cylinders[s.P3 >= 1 && s.P3 <= 4 ? s.P3 : 1];
  const char* cylinder4 = p1 == 9 ? "blkklsimpl" : "blkkls";
  const char* coulisse = Starred(p1) ? "kulisavert" : "kulisa";
  // The number 2 of the slide bar in the starred schemes, with its leader, left or right.
  const bool two_right = x[4] <= x[3];
  const double two_x = two_right ? x[3] + 8 : x[3] - 12;
  const double two_y = two_right ? y[3] + 38 : y[3] + 33;

  Room room;
  if (!Starred(p1)) room.Add(x[3], y[3], {static_cast<double>(b) - 1.5, 78, -1.5, 1.5});
  room.AddBox(x[1], y[1], cylinder4);
  room.AddBox(x[base_point], y[base_point], base);
  if (body5 != nullptr) room.AddBox(x[2], y[2], body5);
  room.AddBox(x[3], y[3], coulisse);
  room.AddBox(x[5], y[5], cylinder3);
  if (Starred(p1)) room.Add(two_x, two_y, {-5, 5, -3, 6});
  room.BeginPicture(s);

  if (!Starred(p1)) {
    if (b == 20) DrawCircle(s, x[3] + 20, y[3], 3);
    toolkit::WriteText(s, "\\OliveGreen{");
    SetLineWidth(s, 4);
    DrawLineBySlope(s, x[3] + b, y[3] + 0.5, 1, 0, 78 - b);
    DrawLineBySlope(s, x[3] + b, y[3] - 0.5, 1, 0, 78 - b);
    DrawLineBySlope(s, x[3] + b, y[3] - 0.5, 0, 1, 1);
    SetLineWidth(s, 1);
    toolkit::WriteText(s, "}");
  }
  PutBoxAtPoint(s, 1, cylinder4);
  if (std::string_view(base) == "hing") {
    PutHingeBoxAtPoint(s, base_point);
  } else {
    PutBoxAtPoint(s, base_point, base);
  }
  if (body5 != nullptr) PutBoxAtPoint(s, 2, body5);
  PutBoxAtPoint(s, 3, coulisse);
  PutBoxAtPoint(s, 5, cylinder3);
  if (Starred(p1)) {
    PutLabel(s, "2", two_x, two_y);
    if (two_right) {
      DrawSegment(s, x[3] + 6, y[3] + 38, x[3] + 2, y[3] + 36);
    } else {
      DrawSegment(s, x[3] - 7, y[3] + 35, x[3] - 2, y[3] + 34);
    }
  }
  toolkit::EndPicture(s);
}

void WriteDampingCoefficient(SharedState& s, double nu) {
  if (nu > 1000) {
    toolkit::WriteTextNumberLn(s, "$\\nu=", nu * 0.001, "$кНc/м,");
  } else {
    toolkit::WriteTextNumberLn(s, "$\\nu=", nu, "$Нc/м,");
  }
}

void WriteCoulisseData(SharedState& s, const CoulisseData& d, double nu) {
  using toolkit::WriteText2NumbersLn;
  using toolkit::WriteText3NumbersLn;
  const int p1 = s.P1;
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{230pt}{\\small");
  toolkit::WriteText(s, s.P3 == 4 ? "$M_{D_z}=M_0-k\\omega_{1_z},$ $M_{n_z}=-\\mu\\omega_{4_z}$, \\\\"
                                  : "$M_{D_z}=M_0-k\\omega_{3_z},$ $M_{n_z}=-\\mu\\omega_{4_z}$, \\\\");
  if (p1 <= 21) {
    if (p1 <= 19) toolkit::WriteText(s, "$F_{n_x}=-\\nu v_{5_x}$, ");
    WriteText2NumbersLn(s, " $\\varphi_{1,0}=", d.phi0, "$, $\\omega_{1_z,0}=", d.omega0,
                        "\\frac{1}{c}$,\\\\");
    WriteText2NumbersLn(s, "$M_0=", d.m0, "$~Нм, $k=", d.k, "$~Нмc,\\\\");
    if (p1 <= 19) WriteDampingCoefficient(s, nu);
    WriteText2NumbersLn(s, "$\\mu=", d.mu, "$~Нмc,\\\\ $I_1=", d.i1, "$~кгм$^2$,");
    WriteText2NumbersLn(s, "$m_2=", d.m2, "$~кг, $m_3=", d.m3, "$~кг,\\\\ ");
    WriteText2NumbersLn(s, "$m_4=", d.m4, "$~кг, $R_1=", d.r1_big, "$~см, ");
    WriteText2NumbersLn(s, "$r_1=", d.r1, "$~см,\\\\ $R_3=", d.r3, "$~см,");
    if (p1 == 9) {
      toolkit::WriteTextNumberLn(s, "$R_4=", d.r4, "$~см. ");
    } else {
      WriteText3NumbersLn(s, "$R_4=", d.r4_big, "$~см, $r_4=", d.r4, "$~см, $i_4=", d.i4,
                          "$~см. ");
    }
  } else {
    const bool plain = (p1 <= 25) || p1 == 30 || p1 == 31;
    WriteText2NumbersLn(s, "$M_0=", d.m0, plain ? "$Нм, $k=" : "$~Нм, $k=", d.k,
                        plain ? "$Нмc,\\\\" : "$~Нмc,\\\\");
    WriteText2NumbersLn(s, "$\\varphi_{1,0}=", d.phi0, "$, $\\omega_{1_z,0}=", d.omega0,
                        "\\frac{1}{c}$,\\\\");
    WriteText2NumbersLn(s, "$\\mu=", d.mu, plain ? "$Нмc, $I_1=" : "$~Нмc, $I_1=", d.i1,
                        "$~кгм$^2$,\\\\");
    WriteText3NumbersLn(s, "$m_2=", d.m2, "$~кг, $m_3=", d.m3, plain ? "$~кг, $m_4=" : "$~кг,$m_4=",
                        d.m4, plain ? "$~кг,\\\\ " : "$~кг, \\\\ ");
    WriteText3NumbersLn(s, "$m_5=", d.m5, "$~кг, $R_1=", d.r1_big, "$~см, $r_1=", d.r1,
                        "$~см,\\\\ ");
    WriteText2NumbersLn(s, "$R_3=", d.r3, "$~см, $R_4=", d.r4_big, "$~см, ");
    if (plain) {
      WriteText2NumbersLn(s, "$r_4=", d.r4, "$~см, $i_4=", d.i4, "$~см. ");
    } else {
      WriteText3NumbersLn(s, "$r_4=", d.r4, "$~см, $i_4=", d.i4, "$~см, $r_5=", d.r5, "$~см.");
    }
  }
  toolkit::WriteLine(s, "\\par }");
}

}  // namespace

void BeginCoulisseLagrangeProblem(SharedState& s) {
  s.ParboxWidth = 360;
  structural::DefineMomentArcBox(s);
  s.BlockCentred = true;
  DefineCoulisseBoxes(s);
  toolkit::WriteLine(s,
                     " Кулисный механизм расположен в вертикальной плоскости и состоит из "
                     "однородных цилиндров, блоков (радиус инерции $i_k$), штока и "
                     "груза\\footnote{В некоторых вариантах содержатся не все элементы.}. ");
  toolkit::WriteLine(s,
                     " Используя уравнение Лагранжа  2-го рода, получить уравнение движения "
                     "механизма. Найти значение углового ускорения $\\ddot\\varphi_1$ при $t=0$. ");
  toolkit::WriteLine(s,
                     " Кинетическую энергию представить в форме  "
                     "$T=(\\dot\\varphi^2/2)(A+B\\sin^2\\varphi)$ ");
  toolkit::WriteLine(s,
                     "или $T=(\\dot\\varphi^2/2)(A+B\\cos^2\\varphi)$ (варианты помечены *)\\par");
  toolkit::WriteBookReference(s, 307);
  toolkit::AnsWrite(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 13);
  toolkit::AnsWriteLine(s,
                        "& $A$ & $B$ & $Q$ & $\\varepsilon$ & $B_2$ & $B_4$ & $B_5$ & $Q_F$ &  "
                        "$Q_M$ &  $Q_D$ & $Q_T$ \\\\\\hline");
}

void WriteCoulisseLagrangeVariant(SharedState& s) {
  s.BoxWidth = 80;
  s.BoxHeight = 60;
  ClearPoints(s, 7);
  LayOutScheme(s, s.P1, s.P2);
  const CoulisseData data = DataOf(s);
  const CoulisseAnswers ans = SolveCoulisseMechanism(s, data);

  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  if (ans.starred) toolkit::AnsWrite(s, "*");
  toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(ans.a, 7, 3));
  for (const double v : {ans.b, ans.q, ans.epsilon}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(v, 8, 3));
  }
  for (const double v : {ans.b2, ans.b4, ans.b5}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(v, 6, 2));
  }
  for (const double v : {ans.qf, ans.qm, ans.qd, ans.qt}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(v, 8, 2));
  }
  toolkit::AnsWriteLine(s, "");

  DrawCoulisseFigure(s);
  WriteCoulisseData(s, data, ans.nu);
}

}  // namespace dynamics
