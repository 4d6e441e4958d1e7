#include "subjects/dynamics/point_dynamics_theorems.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/dynamics/time_laws.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

using Long = long double;
using toolkit::RoundHalfEven;

constexpr Long kPi = std::numbers::pi_v<long double>;
constexpr Long g = 9.81L;

constexpr int kAngleTable[20] = {30, 45, 60, 75, 15, 30, 45, 75, 60, 15,
                                 30, 45, 15, 45, 45, 60, 30, 75, 45, 60};
constexpr int kMassTable[20] = {2, 3, 4, 5, 6, 7, 8, 9, 4, 5, 1, 2, 4, 9, 5, 4, 3, 2, 2, 2};
constexpr int kResistanceTable[20] = {9, 13, 6, 7, 15, 12, 11, 2, 10, 5,
                                      5, 1,  3, 2, 1,  2,  3,  4, 2,  6};
constexpr int kDistanceTable[20] = {1, 7, 7, 9, 4, 6, 10, 6, 14, 5, 2, 3, 3, 5, 7, 6, 5, 8, 22, 11};

enum class Angle { kBeta, kMinusBeta, kAlphaMinusBeta, kBetaMinusAlpha };

// One layout type: the order of the parts, the angles of the solution, the target and the
// figure's fixed pieces.
struct PuckLayout {
  bool straight_first;
  Angle theta, phi0, psi;
  bool wall;
  int h_sign;
  double t1, gamma;
  // Figure: arc box, the arc angle where the straight joins, the straight's direction from
  // there, the force slope and length, the flight's \bezier point count, the target box, the
  // beta mark and its reference direction (degrees).
  const char* arc_box;
  double join_deg, straight_deg;
  int force_dx, force_dy;
  double force_len;
  int bezier_points;
  const char* target_box;
  const char* beta_box;
  double reference_deg;
};

constexpr PuckLayout kLayouts[10] = {
    {true, Angle::kBeta, Angle::kAlphaMinusBeta, Angle::kAlphaMinusBeta, true, 1, 5, 60,
     "circlDown", 225, 135, 4, 1, 20, 6, "CTEHKAvr", "betl", 180},
    {true, Angle::kBeta, Angle::kAlphaMinusBeta, Angle::kAlphaMinusBeta, false, 1, 2, 45,
     "circlDown", 330, 60, -4, 1, 20, 12, "CTEHKAhu", "betr", 0},
    {false, Angle::kMinusBeta, Angle::kBeta, Angle::kBeta, false, -1, 2, 15, "circlDown", 225,
     135, -1, 3, 9, 25, "CTEHKAhd", "betl", 180},
    {false, Angle::kMinusBeta, Angle::kBeta, Angle::kBeta, false, 1, 4, 15, "circlDown", 225,
     135, -1, 3, 9, 9, "CTEHKAhu", "betl", 180},
    {false, Angle::kMinusBeta, Angle::kBeta, Angle::kBeta, true, 1, 4, 30, "circlDown", 225, 135,
     -1, 3, 9, 5, "CTEHKAvl", "betl", 180},
    {true, Angle::kMinusBeta, Angle::kBeta, Angle::kBetaMinusAlpha, true, 1, 3, 15, "circlUP", 45,
     -45, -1, 3, 7, 10, "CTEHKAvl", "betl", 180},
    {true, Angle::kMinusBeta, Angle::kBeta, Angle::kBetaMinusAlpha, false, -1, 3, 15, "circlUP",
     45, -45, -1, 3, 9, 10, "CTEHKAhd", "betl", 180},
    {false, Angle::kBeta, Angle::kAlphaMinusBeta, Angle::kMinusBeta, false, -1, 1, 30, "circlUP",
     120, 210, -2, 1, 23, 10, "CTEHKAhd", "betrs", 0},
    {false, Angle::kBeta, Angle::kAlphaMinusBeta, Angle::kMinusBeta, true, 1, 1, 60, "circlUP", 45,
     -45, 3, 1, 18, 9, "CTEHKAvr", "betl", 180},
    {true, Angle::kBeta, Angle::kAlphaMinusBeta, Angle::kAlphaMinusBeta, false, -1, 5, 75,
     "circlDown", 330, 60, -4, 1, 20, 20, "CTEHKAhd", "betr", 0},
};

const PuckLayout& LayoutOf(int type) {
  if (type < 1 || type > 10) {
    throw toolkit::IndexRangeError("puck layout " + std::to_string(type) + " outside 1..10");
  }
  return kLayouts[type - 1];
}

Long AngleValue(Angle kind, Long alpha, Long beta) {
  switch (kind) {
    case Angle::kBeta: return beta;
    case Angle::kMinusBeta: return -beta;
    case Angle::kAlphaMinusBeta: return alpha - beta;
    case Angle::kBetaMinusAlpha: return beta - alpha;
  }
  return 0;
}

// The distance b of the flight from C with speed v; false when the target is out of reach
// (a plane the puck never gets to, or no horizontal speed towards a wall).
bool FlightDistance(bool wall, Long h, Long v, Long psi, Long& b) {
  const Long vx = v * std::cos(psi), vy = v * std::sin(psi);
  if (wall) {
    if (!(vx > 0)) return false;
    const Long t = h / vx;
    b = t * (vy - g * t / 2);
    return true;
  }
  const Long d = vy * vy - 2 * g * h;
  if (!(d > 0)) return false;
  const Long t = (vy - toolkit::SignOf(static_cast<double>(h)) * std::sqrt(d)) / g;
  if (!(t > 0)) return false;
  b = t * vx;
  return true;
}

// The speed at C that lands exactly at b; false when no throw does.
bool SpeedForDistance(bool wall, Long h, Long b, Long psi, Long& v) {
  const Long den = wall ? h * std::tan(psi) - b : b * std::tan(psi) - h;
  const Long q = wall ? h * h / den : b * b / den;
  if (!(den > 0) || !(q > 0)) return false;
  v = std::sqrt(g * q / (2 * std::pow(std::cos(psi), 2)));
  return true;
}

}  // namespace

PuckVariant DerivePuckVariant(int p1, int p2, int p3, int p4, int p5) {
  const PuckLayout& layout = LayoutOf(p1);
  if (p2 < 1 || p2 > 20) throw toolkit::IndexRangeError("puck table index outside 1..20");
  PuckVariant out;
  out.type = p1;
  out.law = p2;
  out.asked = p5;
  out.r = p3 + 2;
  out.va = p4 + 24;
  out.beta_deg = kAngleTable[p2 - 1];
  out.alpha_deg = out.beta_deg + 15;
  out.gamma_deg = layout.gamma;
  out.friction = kResistanceTable[p2 - 1];
  out.a = kDistanceTable[p2 - 1];
  out.m = kMassTable[p2 - 1] * (p1 == 1 ? 0.5 : 0.1);
  out.t1 = layout.t1;

  const Long deg = kPi / 180;
  const Long alpha = out.alpha_deg * deg, beta = out.beta_deg * deg, gamma = layout.gamma * deg;
  const Long theta = AngleValue(layout.theta, alpha, beta);
  const Long phi0 = AngleValue(layout.phi0, alpha, beta);
  const Long psi = AngleValue(layout.psi, alpha, beta);
  const Long m = out.m, r = out.r;
  Long h = layout.h_sign * out.a;

  const Long impulse = TimeLawIntegral(p2, out.t1);
  out.impulse = static_cast<double>(impulse);
  const Long s_impulse = m * g * out.t1 * std::sin(theta) + impulse * std::cos(gamma);
  const Long gravity_work = m * g * r * (std::cos(phi0) - std::cos(alpha - phi0));
  Long work = gravity_work - out.friction * r * alpha;

  // Forward pass from v_A; an arc step needs a non-negative radicand.
  Long va = out.va, vb = 0, vc = 0;
  bool forward_ok = true;
  auto arc_step = [&](Long v_in, Long& v_out) {
    const Long radicand = v_in * v_in + 2 * work / m;
    if (radicand < 0) return false;
    v_out = std::sqrt(radicand);
    return true;
  };
  if (layout.straight_first) {
    vb = va + s_impulse / m;
    forward_ok = arc_step(vb, vc);
  } else {
    forward_ok = arc_step(va, vb);
    vc = vb + s_impulse / m;
  }
  Long b0 = 0;
  const bool forward_flight = forward_ok && vb >= 0 && vc >= 0 &&
                              FlightDistance(layout.wall, h, vc, psi, b0);

  bool ok = true;
  Long b = b0;
  if (p5 == 2 || p5 == 3) {
    if (p5 == 2 && layout.wall) {
      h = 10 * RoundHalfEven(static_cast<double>(impulse * std::cos(gamma) + 1));
      b = RoundHalfEven(static_cast<double>((psi > 0 ? 5 : 15) * h * std::tan(psi))) / 10;
      out.a = RoundHalfEven(static_cast<double>(h));
    } else if (!forward_flight) {
      ok = false;
    } else if (layout.wall) {
      b = RoundHalfEven(static_cast<double>((100 - toolkit::SignOf(static_cast<double>(psi))) *
                                            b0)) /
          100;
    } else {
      b = RoundHalfEven(static_cast<double>(10 * b0)) / 10;
    }
    ok = ok && SpeedForDistance(layout.wall, h, b, psi, vc);
    if (ok && p5 == 2) {
      if (layout.straight_first) {
        const Long radicand = vc * vc - 2 * work / m;
        ok = radicand >= 0;
        if (ok) {
          vb = std::sqrt(radicand);
          va = vb - s_impulse / m;
        }
      } else {
        vb = vc - s_impulse / m;
        const Long radicand = vb * vb - 2 * work / m;
        ok = radicand >= 0;
        if (ok) va = std::sqrt(radicand);
      }
    } else if (ok) {
      if (layout.straight_first) {
        vb = va + s_impulse / m;
        work = m * (vc * vc - vb * vb) / 2;
      } else {
        vb = vc - s_impulse / m;
        work = m * (vb * vb - va * va) / 2;
      }
      out.friction = static_cast<double>(-(work - gravity_work) / (alpha * r));
    }
  } else {
    ok = forward_flight;
  }
  out.h = static_cast<double>(h);
  out.va = static_cast<double>(va);
  out.vb = static_cast<double>(vb);
  out.vc = static_cast<double>(vc);
  out.b = static_cast<double>(b);
  out.degenerate = !ok || va < 0 || vb < 0 || vc < 0;
  return out;
}

void BeginPointDynamicsTheoremsProblem(SharedState& s) {
  using namespace figures;  // NOLINT: the saveboxes read like the drawing they make
  const double deg = std::numbers::pi / 180;
  DefineHatchBox(s, 37, 1, "CTEHKAhu", 0, 0);
  DefineHatchBox(s, 37, -1, "CTEHKAhd", 0, 0);
  toolkit::BeginSaveBox(s, "CTEHKAvl");
  DrawHatchRowH(s, -1, 0, 0, 37);
  toolkit::EndSaveBox(s);
  toolkit::BeginSaveBox(s, "CTEHKAvr");
  DrawHatchRowH(s, 1, 0, 0, 37);
  toolkit::EndSaveBox(s);
  const struct {
    const char* name;
    const char* text;
    double a1, a2;
  } marks[] = {{"betl", "$\\beta$", 135, 180},
               {"betrs", "$\\beta$", 0, 30},
               {"betr", "\\scriptsize$\\beta$", 0, 60}};
  for (const auto& mark : marks) {
    toolkit::BeginSaveBox(s, mark.name);
    DrawLabelledArc(s, 0, mark.text, 1, 0, 0, mark.a1 * deg, mark.a2 * deg, 11);
    toolkit::EndSaveBox(s);
  }
  const struct {
    const char* name;
    double a1, a2, label_y;
    bool width_line;
  } arcs[] = {{"circlDown", 225, 330, 1, true}, {"circlUP", 45, 120, -8, false}};
  for (const auto& arc : arcs) {
    toolkit::BeginSaveBox(s, arc.name);
    if (arc.width_line) toolkit::WriteLine(s, "\\put(0,0){\\special{em:linewidth 0.2pt}}");
    DrawLabelledArc(s, 0, "$\\alpha$", 2, 0, 0, arc.a1 * deg, arc.a2 * deg, 9);
    PutBlueLabel(s, "\\scriptsize O", 0, arc.label_y);
    DrawArcPolyline(s, 0, 0, 0, arc.a1 * deg, arc.a2 * deg, 37);
    DrawArcPolyline(s, 0, 0, 0, arc.a1 * deg, arc.a2 * deg, 39);
    DrawDashedLine(s, 10, 0, 0, arc.a1 * deg, 37, 0.5);
    DrawDashedLine(s, 10, 0, 0, arc.a2 * deg, 37, 0.5);
    toolkit::EndSaveBox(s);
  }
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 12);
  toolkit::WriteText(
      s,
      "На прямолинейном участке пути шайба разгоняется в течение времени $t=t_1$ переменной "
      "силой $F$, направленной под углом $\\gamma$ к перемещению. На криволинейном участке "
      "оси, изогнутой по дуге окружности радиуса $r$ (геометрический центр в точке $O$), "
      "действует постоянная сила сопротивления $F_{fr}$. Участки оси сопрягаются в точке $B$ "
      "без излома.  Вся траектория находится в вертикальной плоскости.  Сила $F$ дана в Н. В "
      "зависимости от варианта найти расстояние $b$, скорость $v_A$ или силу $F_{fr}$.\\\\ "
      "\\noindent");
  toolkit::AnsWriteLine(s, " &$F_{tr}$& $\\int F dt$ &$v_A$&$v_B$&$v_C$&$b$ \\\\\\hline");
}

namespace {

struct Pt {
  double x = 0, y = 0;
};

Pt Polar(Pt from, double r, double deg) {
  const double a = deg * std::numbers::pi / 180;
  return {from.x + r * std::cos(a), from.y + r * std::sin(a)};
}

// A dimension line from p to q (horizontal or vertical) with arrowheads at both ends.
void DrawDimension(SharedState& s, Pt p, Pt q) {
  const double mx = (p.x + q.x) / 2, my = (p.y + q.y) / 2;
  if (std::fabs(q.x - p.x) >= std::fabs(q.y - p.y)) {
    const double half = std::fabs(q.x - p.x) / 2;
    if (half < 0.5) return;
    figures::DrawVector(s, 1, 0, mx, my, half);
    figures::DrawVector(s, -1, 0, mx, my, half);
  } else {
    const double half = std::fabs(q.y - p.y) / 2;
    if (half < 0.5) return;
    figures::DrawVector(s, 0, 1, mx, my, half);
    figures::DrawVector(s, 0, -1, mx, my, half);
  }
}

// The drawing: the track (arc box and straight strip), the puck and its force, the flight
// to the target, the dimensions a and b, the beta mark and the labels A, B, C. The ten
// layouts share one construction around the arc's centre, shifted into the picture.
void DrawPuckFigure(SharedState& s, const PuckVariant& v) {
  using namespace figures;  // NOLINT
  const PuckLayout& layout = LayoutOf(v.type);
  const bool down = std::string(layout.arc_box) == "circlDown";
  const double other_deg = down ? (layout.join_deg == 225 ? 330 : 225)
                                : (layout.join_deg == 45 ? 120 : 45);
  Pt centre{0, 0};
  const Pt join = Polar(centre, 37, layout.join_deg);
  const Pt far = Polar(join, 37, layout.straight_deg);
  const Pt other = Polar(centre, 37, other_deg);
  const Pt a_point = layout.straight_first ? far : other;
  const Pt c_point = layout.straight_first ? other : far;
  double exit_deg = layout.straight_deg;
  if (layout.straight_first) exit_deg = other_deg + (other_deg > layout.join_deg ? 90 : -90);
  const double ex = std::cos(exit_deg * std::numbers::pi / 180);
  const double ey = std::sin(exit_deg * std::numbers::pi / 180);
  const int sx = ex > 0 ? 1 : -1;
  const double slope = ey / std::fabs(ex);

  // The flight: a parabola from C along the track's direction, drawn schematically.
  double dx = 0, dy = 0;
  if (layout.wall) {
    dx = 16;
    dy = slope > 0 ? 10 * toolkit::SignOf(v.b) : 16 * slope - 4;
  } else if (layout.h_sign > 0) {
    dx = 24;
    dy = 14;
  } else {
    dx = slope > 0 ? 22 : 18;
    dy = -14;
  }
  Pt land{c_point.x + sx * dx, c_point.y + dy};
  Pt control{c_point.x + sx * dx / 2, c_point.y + slope * dx / 2};

  // A plane (36 units of hatching) reaches 8 units beyond the landing point and back under
  // (or over) the flight.
  const double plane_left = sx > 0 ? land.x - 28 : land.x - 8;
  const Pt puck_local = Polar(join, layout.straight_first ? 29.6 : 7.4, layout.straight_deg);
  const double run = layout.force_dx == 0 ? 0 : layout.force_len;
  const double rise = layout.force_dx == 0
                          ? layout.force_len
                          : layout.force_len * layout.force_dy / std::fabs(layout.force_dx);
  const Pt tip_local{puck_local.x + (layout.force_dx > 0 ? run : -run), puck_local.y + rise};

  // Everything the figure puts on the page, in the arc's frame: the track, the flight, the
  // target, the marks and every label, so that the picture declares the room it takes.
  double lo_x = 1e9, hi_x = -1e9, lo_y = 1e9, hi_y = -1e9;
  auto take = [&](Pt p) {
    lo_x = std::min(lo_x, p.x), hi_x = std::max(hi_x, p.x);
    lo_y = std::min(lo_y, p.y), hi_y = std::max(hi_y, p.y);
  };
  // Label boxes: letters of \scriptsize, the force's of \footnotesize; descenders below.
  constexpr double kLetterW = 6, kLetterH = 5.5, kForceW = 7.5, kForceH = 9.5;
  figures::LabelSpacing labels;
  auto label = [&](Pt at, double w, double h) {
    labels.Reserve(at.x, at.y, w, h);
    take({at.x, at.y - 1}), take({at.x + w, at.y + h});
  };
  const double a1 = down ? 225 : 45, a2 = down ? 330 : 120;
  for (const Pt& p : {centre, join, far, other, land, control, Polar(centre, 39, a1),
                      Polar(centre, 39, a2), Polar(centre, 39, down ? 270 : 90)}) {
    take(p);
  }
  const Pt outer{(join.x - centre.x) / 37 * 2, (join.y - centre.y) / 37 * 2};
  take({far.x + outer.x, far.y + outer.y});
  const Pt across = Polar({0, 0}, 4, layout.straight_deg + 90);
  take({puck_local.x - across.x, puck_local.y - across.y});
  take({puck_local.x + across.x, puck_local.y + across.y});
  take(tip_local);
  // A wall (36 units of hatching upward from its foot) covers the landing point with 2 units
  // to spare; of those feet, the one that keeps the drawing lowest.
  double wall_foot = land.y - 34;
  if (layout.wall) {
    double best = 1e9;
    for (double foot = land.y - 34; foot <= land.y - 2; foot += 1) {
      const double extent = std::max(hi_y, foot + 36) - std::min(lo_y, foot);
      if (extent < best - 1e-9) best = extent, wall_foot = foot;
    }
  }
  const Pt target_ends[2] = {
      layout.wall ? Pt{land.x, wall_foot} : Pt{plane_left, land.y},
      layout.wall ? Pt{land.x, wall_foot + 36} : Pt{plane_left + 36, land.y}};
  // The hatching's strokes stand 2 units off the line, on the side away from the flight.
  const std::string target(layout.target_box);
  const Pt strokes{target == "CTEHKAvl" ? -2.0 : target == "CTEHKAvr" ? 2.0 : 0.0,
                   target == "CTEHKAhu" ? 2.0 : target == "CTEHKAhd" ? -2.0 : 0.0};
  for (const Pt& p : target_ends) {
    take(p);
    take({p.x + strokes.x, p.y + strokes.y});
  }
  const Pt lower_local = join.y < far.y ? join : far;
  take(Polar(lower_local, 20, layout.reference_deg));
  take(Polar(lower_local, 13, layout.reference_deg + (layout.reference_deg == 0 ? 30 : -20)));

  // The labels the statement names stand where it puts them: A, B, C, O and the force.
  const Pt tip_label{tip_local.x + (layout.force_dx > 0 ? 1 : -7), tip_local.y + 1};
  label(tip_label, kForceW, kForceH);
  label({a_point.x + 2, a_point.y + 1}, kLetterW, kLetterH);
  label({join.x + 2, join.y - 5}, kLetterW, kLetterH);
  const Pt c_label{c_point.x + (sx > 0 ? -7 : 3), c_point.y + 1};
  label(c_label, kLetterW, kLetterH);
  label({centre.x, centre.y + (down ? 1 : -8)}, kLetterW, kLetterH);

  // Dimensions: horizontal a (wall) or b (plane), vertical the other one. Their letters keep
  // clear of the labels above and of both dimension lines, as near their own line as that
  // allows.
  const double hy = layout.wall ? std::min(c_point.y, land.y) - 4
                                : (dy > 0 ? land.y - 3 : land.y + 3);
  const double vx = layout.wall ? land.x - sx * 4 : c_point.x - sx * 3;
  take({c_point.x, hy}), take({land.x, hy}), take({vx, c_point.y}), take({vx, land.y});
  labels.Reserve(std::min(c_point.x, land.x), hy - 0.5, std::fabs(land.x - c_point.x), 1);
  labels.Reserve(vx - 0.5, std::min(c_point.y, land.y) + 2, 1,
                 std::max(0.0, std::fabs(land.y - c_point.y) - 2));
  constexpr double kDimW = 4.5;
  const auto [hx_at, hy_at] = labels.Clear((c_point.x + land.x) / 2 - kDimW / 2, hy + 2, kDimW,
                                           kLetterH);
  take({hx_at, hy_at - 1}), take({hx_at + kDimW, hy_at + kLetterH});
  const auto [vx_at, vy_at] = labels.Clear(sx > 0 ? vx - 6 : vx + 2,
                                           (c_point.y + land.y) / 2 - kLetterH / 2, kDimW,
                                           kLetterH);
  take({vx_at, vy_at - 1}), take({vx_at + kDimW, vy_at + kLetterH});

  // Flush left (the text stands to the right), centred in height but clear of the heading;
  // a figure taller than the usual room takes the room it needs below.
  constexpr double kTop = 88.6;
  const double shift_x = -9 - lo_x;
  const double shift_y = std::min(59.3 - (lo_y + hi_y) / 2, kTop - 1 - hi_y);
  auto at = [&](Pt p) { return Pt{p.x + shift_x, p.y + shift_y}; };
  const double bottom = std::min(30.0, lo_y + shift_y - 1);
  const double width = std::max(111.0, hi_x + shift_x + 1 + 10);

  toolkit::BeginPicture(s, width, kTop - bottom, -10, bottom);
  const Pt o = at(centre);
  PutBox(s, layout.arc_box, o.x, o.y);
  // The straight strip, two units wide on the outer side like the arc's rail.
  const Pt j = at(join);
  DrawPolarSegment(s, j.x, j.y, layout.straight_deg * std::numbers::pi / 180, 37);
  const Pt f = at(far);
  LineTo(s, f.x + outer.x, f.y + outer.y);
  LineTo(s, j.x + outer.x, j.y + outer.y);
  toolkit::WriteLine(s, "%");

  // The puck, its force and the angle gamma between the force and the motion.
  const Pt puck = at(puck_local);
  SetLineWidth(s, 20);
  DrawSegment(s, puck.x - across.x, puck.y - across.y, puck.x + across.x, puck.y + across.y);
  SetLineWidth(s, 2);
  DrawThickRedVector(s, layout.force_dx, layout.force_dy, puck.x, puck.y, layout.force_len);
  const Pt tl = at(tip_label);
  PutBlueLabel(s, "\\footnotesize  $\\bar F$", tl.x, tl.y);
  const double force_angle = std::atan2(rise, layout.force_dx > 0 ? run : -run);
  double motion_angle =
      (layout.straight_deg + (layout.straight_first ? 180 : 0)) * std::numbers::pi / 180;
  while (motion_angle > force_angle + std::numbers::pi) motion_angle -= 2 * std::numbers::pi;
  while (motion_angle <= force_angle - std::numbers::pi) motion_angle += 2 * std::numbers::pi;
  DrawLabelledArc(s, 0, "$\\gamma$", 1, puck.x, puck.y, std::min(force_angle, motion_angle),
                  std::max(force_angle, motion_angle), 6);

  // The flight and the target surface.
  const Pt c = at(c_point), l = at(land), k = at(control);
  SetLineWidth(s, 8);
  toolkit::WriteLine(s, "\\bezier{" + std::to_string(layout.bezier_points) + "}(" +
                            toolkit::FormatNumberSci(c.x) + "," + toolkit::FormatNumberSci(c.y) +
                            ")(" + toolkit::FormatNumberSci(k.x) + "," +
                            toolkit::FormatNumberSci(k.y) + ")(" +
                            toolkit::FormatNumberSci(l.x) + "," + toolkit::FormatNumberSci(l.y) +
                            ")");
  SetLineWidth(s, 1);
  const Pt box = at(target_ends[0]);
  PutBox(s, layout.target_box, box.x, box.y);

  const char* horizontal = layout.wall ? "\\scriptsize $a$" : "\\scriptsize $b$";
  const char* vertical = layout.wall ? "\\scriptsize $b$" : "\\scriptsize $a$";
  DrawDimension(s, {c.x, hy + shift_y}, {l.x, hy + shift_y});
  PutBlueLabel(s, horizontal, hx_at + shift_x, hy_at + shift_y);
  DrawDimension(s, {vx + shift_x, c.y}, {vx + shift_x, l.y});
  PutBlueLabel(s, vertical, vx_at + shift_x, vy_at + shift_y);

  // The angle beta at the lower end of the straight part, with its horizontal reference.
  const Pt lower = at(lower_local);
  PutBox(s, layout.beta_box, lower.x, lower.y);
  DrawDashedLine(s, 5, lower.x, lower.y, layout.reference_deg * std::numbers::pi / 180, 20, 0.5);

  const Pt a_at = at(a_point), b_at = j, cl = at(c_label);
  PutBlueLabel(s, "\\scriptsize A", a_at.x + 2, a_at.y + 1);
  PutBlueLabel(s, "\\scriptsize B", b_at.x + 2, b_at.y - 5);
  PutBlueLabel(s, "\\scriptsize C", cl.x, cl.y);
  toolkit::EndPicture(s);
}

}  // namespace

void WritePointDynamicsTheoremsVariant(SharedState& s) {
  const PuckVariant v = DerivePuckVariant(s.P1, s.P2, s.P3, s.P4, s.P5);
  toolkit::WriteLine(s, "\\par\\noindent\\vbox{%");
  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  if (v.degenerate) {
    // No real solution with non-negative speeds exists for these data.
    toolkit::WriteLine(s, "Данные этого варианта вырождены: задача не имеет решения, нужны "
                          "другие параметры.}");
    std::string cells;
    for (int i = 0; i < 6; ++i) cells += "&" + std::string(toolkit::kNoValue);
    toolkit::AnsWrite(s, cells);
    return;
  }
  DrawPuckFigure(s, v);
  toolkit::WriteTextNumberLn(s, "\\hfill\\parbox{110pt}{\\small $r=", v.r, "$~м, ");
  toolkit::WriteText2NumbersLn(s, " $m=$", v.m, "кг, \\\\ $a=", v.a, "$~м,  ");
  toolkit::WriteTextNumberLn(s, "$t_1=", v.t1, "$~c,\\\\");
  toolkit::WriteText(s, "$F=" + TimeLawText(v.law, 't') + ",$\\\\ ");
  switch (v.asked) {
    case 1:
      toolkit::WriteText2NumbersLn(s, "$F_{fr}=", v.friction, "$~Н, $v_A=", v.va,
                                   "\\frac{\\mbox{\\scriptsize м}}{c}$,\\\\ $b$ -- ?}}\\vskip1mm");
      break;
    case 2:
      toolkit::WriteText2NumbersLn(s, "$F_{fr}=", v.friction, "$~Н, $b$=", std::fabs(v.b),
                                   "~м,\\\\ $v_A$ -- ?}}\\vskip1pt");
      break;
    default:
      toolkit::WriteText2NumbersLn(s, "$v_A=", v.va,
                                   " \\frac{\\mbox{\\scriptsize м}}{c}$, $F_{fr}$ -- ?\\\\ $b=",
                                   std::fabs(v.b), "$~м.}}\\vskip1pt");
      break;
  }
  toolkit::WriteText3NumbersLn(s, "\\hfill\\parbox{150pt}{$\\alpha=", v.alpha_deg,
                               "^\\circ$, $\\beta=", v.beta_deg, "^\\circ$, $\\gamma=",
                               v.gamma_deg, "^\\circ.$ }");
  toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(v.friction, 8, 3));
  for (const double x : {v.impulse, v.va, v.vb, v.vc, std::fabs(v.b)}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(x, 7, 3));
  }
}

}  // namespace dynamics
