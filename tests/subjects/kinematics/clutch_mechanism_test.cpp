#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/mechanism_figure.h"

namespace {

using kinematics_check::RunOne;
using mechanism_figure::CircleMeets;
using mechanism_figure::Dot;
using mechanism_figure::Len;
using mechanism_figure::NumberAfter;
using mechanism_figure::Perp;
using mechanism_figure::RawCells;
using mechanism_figure::Vec;

constexpr double kPi = 3.14159265358979323846;

// The data row of every table in an answers text (one variant), in order.
std::vector<std::string> TableRows(const std::string& text) {
  std::vector<std::string> rows;
  const std::string head_end = "\\\\\\hline ";
  std::size_t at = 0;
  while ((at = text.find(head_end, at)) != std::string::npos) {
    const std::size_t from = at + head_end.size();
    const std::size_t to = text.find("\\\\", from);
    rows.push_back(text.substr(from, to - from));
    at = to;
  }
  return rows;
}

// Places "\put(x,y)" right after `head`, in order.
std::vector<Vec> PutsAfter(const std::string& text, const std::string& head) {
  std::vector<Vec> out;
  std::size_t at = 0;
  while ((at = text.find(head, at)) != std::string::npos) {
    char* end = nullptr;
    Vec v;
    v.x = std::strtod(text.c_str() + at + head.size(), &end);
    v.y = std::strtod(end + 1, nullptr);
    out.push_back(v);
    at += head.size();
  }
  return out;
}

Vec Nearest(const std::vector<Vec>& candidates, Vec to) {
  Vec best = candidates.at(0);
  for (const Vec& c : candidates) {
    if (Len(c - to) < Len(best - to)) best = c;
  }
  return best;
}

// The mechanism as the student reads it: the printed data, the supports on the dimension grid
// (whole centimetres), the joints where the figure draws them, the kind of clutch by what the
// figure draws at the sleeve.
struct Mechanism {
  double w = 0, oa = 0, theta = 0, ab = 0, bc = 0;
  bool four_bar = true;
  int guide = 0;  // slider: 1 horizontal, 2 vertical
  int kind = 1;
  char start = 'O', end = 'A';  // the carrier
  char e_at = 'E';              // E on a joint (O, B, C) or a hinge of its own
  Vec C, E, B0;
  double line = 0;  // the slider's line
  double ed = 0;    // kind 1: the rod's length
};

struct State {
  Vec A, B, D, E, start, end;
  double s = 0;  // the sleeve's coordinate along its guide
  double rod = 0;  // the angle of the rod through the sleeve (kind 1: E-D; else D-E)
};

Vec Joint(const State& st, char c) {
  return c == 'O' ? Vec{0, 0} : c == 'A' ? st.A : st.B;
}

State Position(const Mechanism& m, double q, const State* near) {
  State st;
  const double phi = m.theta + q;
  st.A = {m.oa * std::cos(phi), m.oa * std::sin(phi)};
  const Vec b_near = near ? near->B : m.B0;
  if (m.four_bar) {
    st.B = Nearest(CircleMeets(st.A, m.ab, m.C, m.bc), b_near);
  } else if (m.guide == 1) {
    const double dx = std::sqrt(m.ab * m.ab - (m.line - st.A.y) * (m.line - st.A.y));
    st.B = Nearest({{st.A.x + dx, m.line}, {st.A.x - dx, m.line}}, b_near);
  } else {
    const double dy = std::sqrt(m.ab * m.ab - (m.line - st.A.x) * (m.line - st.A.x));
    st.B = Nearest({{m.line, st.A.y + dy}, {m.line, st.A.y - dy}}, b_near);
  }
  auto joint = [&](char c) { return c == 'C' ? m.C : Joint(st, c); };
  st.start = joint(m.start);
  st.end = joint(m.end);
  st.D = 0.5 * (st.start + st.end);
  st.E = m.e_at == 'E' ? m.E : joint(m.e_at);
  if (m.kind == 1) {
    // The sleeve slides on the carrier at the rod's length from E.
    const Vec u = (1 / Len(st.start - st.end)) * (st.start - st.end);
    const Vec r = st.end - st.E;
    const double b = Dot(u, r), c = Dot(r, r) - m.ed * m.ed;
    const double root = std::sqrt(std::max(0.0, b * b - c));
    const double s0 = near ? near->s : Len(st.D - st.end);
    const double l1 = -b + root, l2 = -b - root;
    st.s = std::abs(l1 - s0) < std::abs(l2 - s0) ? l1 : l2;
    const Vec S = st.end + st.s * u;
    st.rod = std::atan2(S.y - st.E.y, S.x - st.E.x);
  } else {
    st.s = Len(st.D - st.E);
    st.rod = std::atan2(st.D.y - st.E.y, st.D.x - st.E.x);
  }
  return st;
}

Mechanism Read(const std::string& main, const std::string& what) {
  Mechanism m;
  m.w = NumberAfter(main, "$\\omega_{OA}=");
  m.theta = NumberAfter(main, "$\\alpha=") * kPi / 180;
  m.oa = NumberAfter(main, "$OA=");
  m.ab = NumberAfter(main, "$AB=");
  m.bc = NumberAfter(main, " $BC=");
  m.four_bar = !std::isnan(m.bc);
  const std::size_t carrier = main.find("D$=$");
  EXPECT_NE(carrier, std::string::npos) << what;
  m.start = main[carrier + 4];
  m.end = main[carrier + 5];
  EXPECT_EQ(main[carrier - 1], m.start) << what;

  const auto nodes = PutsAfter(main, "\\BrickRed{\\put(");
  const auto hinges = mechanism_figure::BoxPlaces(main, "hing");
  const Vec O = hinges.at(0);
  const double scale = Len(nodes.at(0) - O) / m.oa;
  auto cm = [&](Vec pic) { return (1 / scale) * (pic - O); };
  auto grid = [&](Vec pic) {
    const Vec c = cm(pic);
    return Vec{std::round(c.x), std::round(c.y)};
  };
  m.B0 = cm(nodes.at(1));
  std::size_t next_hinge = 1;
  if (m.four_bar) m.C = grid(hinges.at(next_hinge++));
  if (!m.four_bar) {
    m.guide = main.find("slblockh") != std::string::npos ? 1 : 2;
    m.line = m.guide == 1 ? grid(nodes.at(1)).y : grid(nodes.at(1)).x;
  }
  // What is drawn at the sleeve: the guide's segments in the 0.7pt pen.
  const std::size_t g0 = main.find("\\special{em:linewidth0.7pt}");
  const std::size_t g1 = main.find("\\special{em:linewidth0.2pt}", g0);
  const std::string guide = main.substr(g0, g1 - g0);
  const auto segs = mechanism_figure::Segments(guide);
  const bool ring = guide.find("{\\circle{ 3}}") != std::string::npos;
  m.kind = ring && nodes.size() == 2 ? 3 : segs.size() == 4 ? 2 : 1;
  EXPECT_EQ(nodes.size(), m.kind == 3 ? 2u : 3u) << what;
  if (next_hinge < hinges.size()) {
    m.E = grid(hinges.at(next_hinge));
    m.e_at = 'E';
  } else {
    EXPECT_NE(m.kind, 3) << what;
    // The rod starts at E with the pen's gap.
    const auto& seg = m.kind == 1 ? segs.at(2) : segs.at(0);
    const Vec d = seg.to - seg.from;
    const Vec e = cm(seg.from - (1.5 / Len(d)) * d);
    State st0 = Position(m, 0, nullptr);  // joints only: E is not read yet
    char best = 'O';
    for (char c : {'O', 'B', 'C'}) {
      if (c == 'C' && !m.four_bar) continue;
      const Vec j = c == 'C' ? m.C : Joint(st0, c);
      const Vec b = best == 'C' ? m.C : Joint(st0, best);
      if (Len(j - e) < Len(b - e)) best = c;
    }
    m.e_at = best;
  }
  if (m.kind == 1) {
    State st0 = Position(m, 0, nullptr);
    m.ed = Len(st0.D - st0.E);
    EXPECT_NEAR(m.ed, std::round(m.ed), 0.5) << what;
  }
  return m;
}

double Angle(Vec a) { return std::atan2(a.y, a.x); }
double Unwrap(double a, double ref) {
  while (a - ref > kPi) a -= 2 * kPi;
  while (a - ref < -kPi) a += 2 * kPi;
  return a;
}

// The answers the motion gives, by five-point differences over the crank angle with step h
// (d/dt = w d/dq): v_A, a_A, v_B, a_B, v_D, a_D, v_r, a_r, w_AB, e_AB, w_BC, e_BC, the omega_e
// column, the epsilon_e column, x_B, y_B.
struct Expected {
  std::array<double, 16> v{};
};

Expected Differentiate(const Mechanism& m, double h) {
  std::array<State, 5> st;
  st[2] = Position(m, 0, nullptr);
  st[1] = Position(m, -h, &st[2]);
  st[0] = Position(m, -2 * h, &st[1]);
  st[3] = Position(m, h, &st[2]);
  st[4] = Position(m, 2 * h, &st[3]);
  auto rates = [&](const std::function<double(const State&)>& f) {
    double y[5];
    for (int i = 0; i < 5; ++i) y[i] = f(st[i]);
    const auto [d1, d2] = kinematics_check::FivePointRates(y, h);
    return std::pair{m.w * d1, m.w * m.w * d2};
  };
  auto point = [&](Vec State::*pt) {
    const auto [vx, ax] = rates([&](const State& s) { return (s.*pt).x; });
    const auto [vy, ay] = rates([&](const State& s) { return (s.*pt).y; });
    return std::pair{std::hypot(vx, vy), std::hypot(ax, ay)};
  };
  auto turn = [&](const std::function<Vec(const State&)>& r) {
    const double ref = Angle(r(st[2]));
    return rates([&](const State& s) { return Unwrap(Angle(r(s)), ref); });
  };
  const auto [vA, aA] = point(&State::A);
  const auto [vB, aB] = point(&State::B);
  const auto [vD, aD] = point(&State::D);
  auto [vr, ar] = rates([](const State& s) { return s.s; });
  // The answers' sense of v_r: along the carrier toward its start for a sleeve riding on it; for
  // a sleeve on a rod about E (or a rod through the fixed sleeve at E), positive as D nears E.
  if (m.kind != 1) {
    vr = -vr;
    ar = -ar;
  }
  const auto [wAB, eAB] = turn([](const State& s) { return s.B - s.A; });
  const auto [wBC, eBC] = turn([&](const State& s) { return s.B - m.C; });
  const double wCar = turn([](const State& s) { return s.start - s.end; }).first;
  const auto [wRod, eRod] = rates([&](const State& s) { return Unwrap(s.rod, st[2].rod); });
  // The omega_e column holds the guide's turn: the carrier's in kind 1; the epsilon_e column the
  // rod's angular acceleration.
  const double we = m.kind == 1 ? wCar : wRod;
  return {{vA, aA, vB, aB, vD, aD, vr, ar, wAB, eAB, wBC, eBC, we, eRod, st[2].B.x, st[2].B.y}};
}

// Differences with halved steps down to h_min, keeping for every value the one where two steps
// agree best: a large step misses fast changes, a small one loses digits to rounding.
Expected Settle(const Mechanism& m, double h_min) {
  Expected x = Differentiate(m, 4e-3), best = x;
  std::array<double, 16> best_gap;
  best_gap.fill(1e300);
  for (double h = 2e-3; h > h_min; h /= 2) {
    const Expected finer = Differentiate(m, h);
    for (std::size_t i = 0; i < x.v.size(); ++i) {
      const double gap = std::abs(finer.v[i] - x.v[i]);
      if (gap < best_gap[i]) {
        best_gap[i] = gap;
        best.v[i] = finer.v[i];
      }
    }
    x = finer;
  }
  return best;
}

void CheckRow21(const kinematics_check::Params& p) {
  const auto v = RunOne(21, p);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers +
                           "\n" + v.second_answers;
  const bool failed_before = ::testing::Test::HasFailure();
  const Mechanism m = Read(v.main, what);
  if (!failed_before && ::testing::Test::HasFailure()) return;  // the figure could not be read
  Expected x = Settle(m, 8e-6);
  // Near a position where the rod stands almost across the carrier the sleeve races (v_r many
  // times v_A): only much smaller steps follow it.
  if (std::abs(x.v[6]) > 10 * x.v[0]) x = Settle(m, 5e-7);
  const auto [vA, aA, vB, aB, vD, aD, vr, ar, wAB, eAB, wBC, eBC, we, eRod, xB, yB] = x.v;

  // The answers stand in three tables: the joints and B; the angular values; the accelerations.
  const auto first = TableRows(v.answers), rest = TableRows(v.second_answers);
  ASSERT_EQ(first.size(), 1u) << what;
  ASSERT_EQ(rest.size(), 2u) << what;
  const auto r1 = RawCells(first[0]);
  auto r2 = RawCells(rest[0]);
  const auto r3 = RawCells(rest[1]);
  r2.insert(r2.end(), r3.begin() + 1, r3.end());
  ASSERT_EQ(r1.size(), 7u) << what;
  ASSERT_EQ(r2.size(), 11u) << what;
  EXPECT_EQ(r1[1], std::to_string(static_cast<long>(std::lround(m.w * m.oa)))) << what;
  const double rel = 2e-6;
  auto expect = [&](const std::string& cell, double x, int decimals, const char* name) {
    // One unit of the last printed digit: the differences carry a little noise of their own.
    EXPECT_LE(std::abs(std::stod(cell) - x), std::pow(10.0, -decimals) + rel * std::abs(x))
        << what << "\n" << name << " printed " << cell << " expected " << x;
  };
  expect(r1[2], vB, 4, "v_B");
  expect(r1[3], vD, 4, "v_D");
  expect(r1[4], vr, 4, "v_r");
  expect(r1[5], xB, 3, "x_B");
  expect(r1[6], yB, 3, "y_B");
  expect(r2[1], wAB, 3, "w_AB");
  expect(r2[3], we, 3, "w_e");
  expect(r2[4], eAB, 3, "e_AB");
  expect(r2[6], eRod, 3, "e_e");
  expect(r2[7], aA * 0.01, 3, "a_A");
  expect(r2[8], aB * 0.01, 3, "a_B");
  expect(r2[9], aD * 0.01, 3, "a_D");
  expect(r2[10], ar * 0.01, 3, "a_r");
  if (m.four_bar) {
    expect(r2[2], wBC, 3, "w_BC");
    expect(r2[5], eBC, 3, "e_BC");
  } else {
    EXPECT_EQ(r2[2], "---") << what;
    EXPECT_EQ(r2[5], "---") << what;
  }
  EXPECT_NEAR(vA, m.w * m.oa, 1e-6 * vA) << what;

  // The sleeve lies along its guide, whichever way the guide runs: the block's long sides are
  // parallel to the guide's first drawn piece.
  const std::size_t g0 = v.main.find("\\special{em:linewidth0.7pt}");
  const std::size_t b0 = v.main.find("\\OliveGreen{\\speh%", g0);
  ASSERT_NE(b0, std::string::npos) << what;
  const auto guide = mechanism_figure::Segments(v.main.substr(g0, b0 - g0));
  const auto block = mechanism_figure::Segments(v.main.substr(b0));
  ASSERT_GE(block.size(), 4u) << what;
  const Vec g = guide.at(0).to - guide.at(0).from;
  for (int i : {0, 2}) {
    const Vec side = block[i].to - block[i].from;
    EXPECT_NEAR(Len(side), 10, 0.02) << what;
    EXPECT_NEAR(std::abs(Dot(side, g)) / (Len(side) * Len(g)), 1, 2e-3) << what;
  }
}

TEST(ClutchMechanism, AnswersFollowTheMotionOfTheDrawnMechanism) {
  long long checked = 0;
  // omega only scales the motion: every geometry, each at one of the 33 crank rates.
  kinematics_check::ForEachSample(
      {8, 6, 4, 3, 3, 1, 1}, 1728,
      [&](auto p, int) {
        p[5] = 1 + (7 * p[0] + 5 * p[1] + 3 * p[2] + 2 * p[3] + p[4]) % 33;
        CheckRow21(p);
        ++checked;
      },
      1);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8 * 6 * 4 * 3 * 3)) << checked;
}

TEST(ClutchMechanism, GoldenLines) {
  // E on B: no hinge and no label of its own; v_A = w OA is whole.
  const auto at_b = RunOne(21, {1, 1, 1, 1, 1, 7, 1});
  EXPECT_EQ(mechanism_figure::BoxPlaces(at_b.main, "hing").size(), 2u) << at_b.main;  // O, C
  EXPECT_EQ(at_b.main.find("{$E$}"), std::string::npos) << at_b.main;
  EXPECT_NE(at_b.answers.find(" 1&  210& "), std::string::npos) << at_b.answers;
  // A slider-crank has no BC: no BC in the data, dash cells in its columns.
  const auto slider = RunOne(21, {6, 2, 2, 1, 1, 1, 1});
  EXPECT_EQ(slider.main.find("$BC="), std::string::npos) << slider.main;
  EXPECT_NE(slider.main.find("$AD$=$AB/2.$}"), std::string::npos) << slider.main;
  const std::string& key = slider.second_answers;
  const std::size_t dash = key.find("& ---&");
  ASSERT_NE(dash, std::string::npos) << key;
  EXPECT_NE(key.find("& ---&", dash + 1), std::string::npos) << key;
  // A vertical guide of the slider.
  const auto vertical = RunOne(21, {7, 3, 3, 2, 2, 5, 1});
  EXPECT_NE(vertical.main.find("{\\usebox{\\slblockv}}"), std::string::npos) << vertical.main;
  // The rod ED almost across the carrier: the sleeve's system is near-singular but solved, and
  // the motion agrees (the sweep's check).
  const auto steep = RunOne(21, {4, 1, 4, 1, 1, 16, 1});
  EXPECT_NE(steep.answers.find("-13842.2892"), std::string::npos) << steep.answers;
  CheckRow21({4, 1, 4, 1, 1, 16, 1});
}

}  // namespace
