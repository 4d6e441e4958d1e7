#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "subjects/kinematics/complex_motion.h"
#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Agrees;
using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

constexpr double kPi = std::numbers::pi;

using Vec = std::array<double, 3>;

Vec Sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const Vec& a) { return std::sqrt(Dot(a, a)); }

double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

// First and second derivatives of a vector function of time at t0 (fourth-order stencils).
struct Motion {
  Vec x{}, v{}, a{};
};
Motion Differentiate(const std::function<Vec(double)>& f, double t0) {
  const double h = 1e-3;
  Vec q[5];
  for (int i = 0; i < 5; ++i) q[i] = f(t0 + (i - 2) * h);
  Motion m;
  m.x = q[2];
  for (int c = 0; c < 3; ++c) {
    m.v[c] = (q[0][c] - 8 * q[1][c] + 8 * q[3][c] - q[4][c]) / (12 * h);
    m.a[c] = (-q[0][c] + 16 * q[1][c] - 30 * q[2][c] + 16 * q[3][c] - q[4][c]) / (12 * h * h);
  }
  return m;
}

// The printed law sigma(t) (the text after "BM=", "AM=" or "DM=").
struct Law {
  tex_formula::Formula f;
  double operator()(double t) const {
    tex_formula::Point p;
    p.Set('t', t);
    return static_cast<double>(f(p));
  }
};

bool Close(double printed, double x) { return Agrees(printed, x, 3, 2e-7); }

// ---------------------------------------------------------------- axis across the figure

// M on the channel of flat figure k at arc length sigma, in the figure's frame with the axis
// at the origin, from the drawn figure and the printed dimensions.
Vec FlatChannelPoint(int k, const std::string& main, double sigma) {
  const double R = NumberAfter(main, "$R=");
  const double AB = NumberAfter(main, "$AB="), AD = NumberAfter(main, "$AD=");
  const double BC = NumberAfter(main, "$BC="), AC = NumberAfter(main, "$AC=");
  auto arc = [&](double cx, double cy, double a0, int dir) -> Vec {
    const double a = a0 + dir * sigma / R;
    return {cx + R * std::cos(a), cy + R * std::sin(a), 0};
  };
  auto line = [&](double x0, double y0, double dx, double dy) -> Vec {
    const double l = std::hypot(dx, dy);
    return {x0 + sigma * dx / l, y0 + sigma * dy / l, 0};
  };
  switch (k) {
    case 1: return arc(0, R + AB, -kPi / 2, -1);  // ring on a rod AB, M from its foot B
    case 3: return arc(0, R, -kPi / 2, -1);       // ring touching the axis
    case 2: return arc(R, AD, kPi, 1);            // half ring in the plate's top, from A
    case 8: return arc(-R, AD, kPi, 1);
    case 4: return arc(-R, AB, 0, 1);             // ring beside the rod's top B
    case 9: return arc(R, AB, kPi, -1);
    case 5: return line(0, AB, 1, 0);             // channel BC along the plate's top
    case 10: return line(-BC, AB, 1, 0);
    case 6: return line(BC, 0, 0, 1);             // channel up the plate's right side from D
    case 11: return line(-BC, 0, 0, 1);           // up the left side from A
    case 7: return line(0, AB, AC, -AB);          // hypotenuse from B toward C
    default: return line(0, AB, -AC, -AB);
  }
}

Vec Rotate(const Vec& p, double phi) {
  return {p[0] * std::cos(phi) - p[1] * std::sin(phi), p[0] * std::sin(phi) + p[1] * std::cos(phi),
          p[2]};
}

struct Transport {
  double rate = 0;       // omega (constant) or c (phi = c t^2), as printed
  bool constant = true;
  int sense = 1;
  double Angle(double t) const { return sense * (constant ? rate * t : rate * t * t); }
};

Transport ReadTransport(const std::string& main, int sense) {
  Transport tr;
  tr.sense = sense;
  if (main.find("$\\omega_e=") != std::string::npos) {
    tr.rate = NumberAfter(main, "$\\omega_e=");
  } else {
    tr.constant = false;
    tr.rate = NumberAfter(main, "$\\varphi_e=");
  }
  return tr;
}

void CheckFlat(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(18, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main;
  const int k = p[0];
  const std::string law_text = Between(v.main, "M=", "$~см.");
  const Law sigma{tex_formula::Formula(kinematics_check::Normalize(law_text), 't')};
  const double t1 = NumberAfter(v.main, "t_1=");
  const int sense = 3 - 2 * p[2];
  EXPECT_NE(v.main.find(sense == 1 ? "{\\usebox{\\Lmomp}}" : "{\\usebox{\\Lmomm}}"),
            std::string::npos)
      << what;
  const Transport tr = ReadTransport(v.main, sense);
  EXPECT_GT(tr.rate, 0) << what;
  const double s1 = sigma(t1);
  auto absolute = [&](double t) {
    return Rotate(FlatChannelPoint(k, v.main, sigma(t)), tr.Angle(t) - tr.Angle(t1));
  };
  auto figure_point = [&](double t) {
    return Rotate(FlatChannelPoint(k, v.main, s1), tr.Angle(t) - tr.Angle(t1));
  };
  auto relative = [&](double t) { return FlatChannelPoint(k, v.main, sigma(t)); };
  const Motion m = Differentiate(absolute, t1), e = Differentiate(figure_point, t1),
               r = Differentiate(relative, t1);
  const Vec ac = Sub(Sub(m.a, e.a), r.a);
  const double Re = Norm(m.x);
  const Vec rhat{m.x[0] / Re, m.x[1] / Re, 0}, tangent{-rhat[1], rhat[0], 0};
  const double vr = Norm(r.v);
  const Vec vhat{r.v[0] / vr, r.v[1] / vr, 0};
  const double ar_tau = Dot(r.a, vhat);
  const double ar_n = Norm(Sub(r.a, {ar_tau * vhat[0], ar_tau * vhat[1], 0}));

  const auto row1 = Cells(v.answers), row2 = Cells(v.second_answers);
  ASSERT_EQ(row1.size(), 9u) << v.answers;
  ASSERT_EQ(row2.size(), 7u) << v.second_answers;
  const double expect1[] = {Re, vr, Norm(e.v), Norm(m.v), Norm(r.a), Norm(e.a), Norm(ac),
                            Norm(m.a)};
  const double expect2[] = {ar_n, ar_tau, -Dot(e.a, rhat), Dot(e.a, tangent), m.a[0], m.a[1]};
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(Close(row1[i + 1], expect1[i]))
        << what << "\n" << v.answers << "\ncell " << i + 1 << " expected " << expect1[i];
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(Close(row2[i + 1], expect2[i]))
        << what << "\n" << v.second_answers << "\ncell " << i + 1 << " expected " << expect2[i];
  }
}

TEST(ComplexMotionFlat, AnswersFollowFromTheMotionOfThePoint) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {12, 4, 2, 3, 7, 1, 1}, 700,
      [&](const auto& p, int level) {
        CheckFlat(p, level);
        ++checked;
      },
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 2016 * 2)) << checked;
  for (int k = 1; k <= 12; ++k) CheckFlat({k, 4, 2, 3, 7, 1, 1}, 10);
}

// ---------------------------------------------------------------- axis in the figure

// M on the channel of axis figure k at arc length sigma: (distance across the axis in the
// figure's plane, 0, distance along the axis), from the drawn figure and the printed
// dimensions.
Vec AxisChannelPoint(int k, const std::string& main, double sigma) {
  const double R = NumberAfter(main, "$R=");
  const double psi = sigma / R;
  double h = 0, z = 0;
  switch (k) {
    case 1: {  // ring on a rod AB across the shaft, M from the ring's foot B
      const double AB = NumberAfter(main, "$AB=");
      h = AB + R * (1 - std::cos(psi)), z = -R * std::sin(psi);
      break;
    }
    case 2: h = R * (1 - std::cos(psi)), z = -R * std::sin(psi); break;
    case 3:
    case 6: {  // the shaft along a chord AB of the ring, M from A
      const double AB = NumberAfter(main, "$AB=");
      const double beta = std::asin(AB / 2 / R);
      const int side = k == 3 ? -1 : 1;  // the ring's centre below (3) or above (6) the shaft
      h = side * (R * std::cos(beta) - R * std::cos(beta + psi)), z = -R * std::sin(beta + psi);
      break;
    }
    case 4: h = R * std::sin(psi), z = -R * std::cos(psi); break;  // the shaft along a diameter
    case 5: {
      const double AD = NumberAfter(main, "$AD=");
      h = AD - R * std::sin(psi), z = -R * std::cos(psi);
      break;
    }
    case 7: {  // equilateral triangle, A off the shaft, B on it
      const double side = NumberAfter(main, "$AB$=$BC$=$AC$=");
      h = side / 2 - sigma / 2, z = sigma * std::sqrt(3.0) / 2;
      break;
    }
    case 8: {
      const double AB = NumberAfter(main, "$AB=");
      h = (AB - sigma) * std::sin(kPi / 4), z = sigma * std::cos(kPi / 4);
      break;
    }
    case 9:
    case 10: {  // trapezoid ABCD, D and C on the shaft
      const double AD = NumberAfter(main, "$AD="), BC = NumberAfter(main, "$BC=");
      const double DC = NumberAfter(main, "$DC=");
      const double l = std::hypot(DC, BC - AD);
      h = AD + sigma * (BC - AD) / l, z = sigma * DC / l;
      break;
    }
    case 11: {  // along AB at height h, then down BC across the shaft
      const double AB = NumberAfter(main, "$AB="), hh = NumberAfter(main, "$h=");
      if (sigma < AB) {
        h = hh, z = sigma;
      } else {
        h = hh - (sigma - AB), z = AB;
      }
      break;
    }
    default: {  // rhombus, A and C on the shaft, M from B toward C
      const double AB = NumberAfter(main, "$AB=");
      h = (AB - sigma) * std::sin(kPi / 3), z = sigma * std::cos(kPi / 3);
      break;
    }
  }
  return {h, 0, z};
}

Vec TurnAboutAxis(const Vec& p, double phi) { return {p[0] * std::cos(phi), p[0] * std::sin(phi), p[2]}; }

void CheckSpatial(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(19, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main;
  const int k = p[0];
  const std::string law_text = Between(v.main, "M=", "$,\\par");
  const Law sigma{tex_formula::Formula(kinematics_check::Normalize(law_text), 't')};
  const double t1 = NumberAfter(v.main, "\\\\ $t=");
  const Transport tr = ReadTransport(v.main, 3 - 2 * p[2]);
  EXPECT_GT(tr.rate, 0) << what;
  const double s1 = sigma(t1);
  if (k == 11) {
    // The corner of the L-shaped channel: no derivative there.
    const double AB = NumberAfter(v.main, "$AB=");
    if (std::abs(s1 - AB) < 0.05) {
      EXPECT_LT(s1, AB) << what;
      return;
    }
  }
  auto absolute = [&](double t) {
    return TurnAboutAxis(AxisChannelPoint(k, v.main, sigma(t)), tr.Angle(t) - tr.Angle(t1));
  };
  auto figure_point = [&](double t) {
    return TurnAboutAxis(AxisChannelPoint(k, v.main, s1), tr.Angle(t) - tr.Angle(t1));
  };
  auto relative = [&](double t) { return AxisChannelPoint(k, v.main, sigma(t)); };
  const Motion m = Differentiate(absolute, t1), e = Differentiate(figure_point, t1),
               r = Differentiate(relative, t1);
  const Vec ac = Sub(Sub(m.a, e.a), r.a);
  const double vr = Norm(r.v);
  const Vec vhat{r.v[0] / vr, r.v[1] / vr, r.v[2] / vr};
  const double ar_tau = Dot(r.a, vhat);
  const double ar_n = Norm(Sub(r.a, {ar_tau * vhat[0], ar_tau * vhat[1], ar_tau * vhat[2]}));
  const double omega = tr.constant ? tr.rate : 2 * tr.rate * t1;
  const double eps = tr.constant ? 0 : 2 * tr.rate;

  const auto row1 = Cells(v.answers), row2 = Cells(v.second_answers);
  ASSERT_EQ(row1.size(), 7u) << v.answers;
  ASSERT_EQ(row2.size(), 9u) << v.second_answers;
  const double expect1[] = {std::abs(m.x[0]), vr, e.v[1], Norm(m.v), omega, eps};
  const double expect2[] = {ar_n, ar_tau, -e.a[0], e.a[1], Norm(ac), m.a[0], m.a[1], Norm(m.a)};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(Close(row1[i + 1], expect1[i]))
        << what << "\n" << v.answers << "\ncell " << i + 1 << " expected " << expect1[i];
  }
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(Close(row2[i + 1], expect2[i]))
        << what << "\n" << v.second_answers << "\ncell " << i + 1 << " expected " << expect2[i];
  }
}

TEST(ComplexMotionSpatial, AnswersFollowFromTheMotionOfThePoint) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {12, 4, 2, 3, 7, 1, 1}, 700,
      [&](const auto& p, int level) {
        CheckSpatial(p, level);
        ++checked;
      },
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 2016 * 2)) << checked;
  for (int k = 1; k <= 12; ++k) CheckSpatial({k, 4, 2, 3, 7, 1, 1}, 10);
  // M on the axis (figures 3 and 6 at the factor 5 pi / 3): the rate is P7 + 1.
  // Every law and instant in the full sweep, a slice of them otherwise.
  const bool full = testing_support::FullSweep();
  for (int k : {3, 6}) {
    for (int p7 = 1; p7 <= 10; ++p7) {
      for (int p3 = 1; p3 <= 2; ++p3) {
        for (int p2 = 1; p2 <= 4; ++p2) {
          for (int p4 = 1; p4 <= 3; ++p4) {
            if (full || (p2 == 1 + p7 % 4 && p4 == 1 + p7 % 3)) {
              CheckSpatial({k, p2, p3, p4, 7, 1, p7}, 1);
            }
          }
        }
      }
    }
  }
}

// ---------------------------------------------------------------- golden lines

TEST(ComplexMotion, ChannelLaws) {
  auto law = kinematics::MakeChannelLaw(1, 1, 1);
  EXPECT_EQ(law.ChannelLawText, "(t^2+50)");
  EXPECT_EQ(law.ChannelLawValue, 51);
  EXPECT_EQ(law.RelativeVelocity, 2);
  EXPECT_EQ(law.RelativeAcceleration, 2);
  law = kinematics::MakeChannelLaw(4, 3, 2);
  EXPECT_EQ(law.ChannelLawText, "(t^2+4)t");
  EXPECT_EQ(law.ChannelLawValue, 16);
  EXPECT_EQ(law.RelativeVelocity, 16);
  EXPECT_EQ(law.RelativeAcceleration, 12);
  EXPECT_THROW(kinematics::MakeChannelLaw(5, 1, 1), toolkit::DegenerateDataError);
}

TEST(ComplexMotionFlat, GoldenLines) {
  // Figure 5: n = 51, f = 1/6, sigma = 8.5: M at (8.5, 26), moving along x.
  auto v = RunOne(18, {5, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("\\hfill $\\sigma(t)=BM=\\frc16(t^2+50)$~см.\\\\"), std::string::npos)
      << v.main;
  EXPECT_NE(v.main.find("$AB=26$~см,\\\\ $BC=51$~см,\r\n\\\\ $t_1=1$~c.}\r\n"),
            std::string::npos)
      << v.main;
  const auto cells = Cells(v.answers);
  ASSERT_EQ(cells.size(), 9u);
  EXPECT_NEAR(cells[1], std::hypot(8.5, 26), 0.0006);  // R_e
  EXPECT_EQ(Cells(v.second_answers)[1], 0);          // a straight channel: a_r^n = 0
  EXPECT_NE(v.main.find("{\\usebox{\\Lmomp}}"), std::string::npos);

  // Clockwise: the marker turns and the signed cells change sign.
  const auto w = RunOne(18, {5, 1, 2, 1, 1, 1, 1});
  EXPECT_NE(w.main.find("{\\usebox{\\Lmomm}}"), std::string::npos);
  EXPECT_NE(w.main.find("$\\varphi_e="), std::string::npos);
  EXPECT_EQ(Cells(w.second_answers)[4], -Cells(v.second_answers)[4]);  // a_e^tau

  // The label B of figures 4 and 9 stands beside the top of the rod.
  auto s = testing_support::NewState();
  kinematics::DefineFlatFigureBox(*s, 4);
  kinematics::DefineFlatFigureBox(*s, 9);
  const std::string boxes = testing_support::MainText(*s);
  EXPECT_NE(boxes.find("\\put(50,47){\\scriptsize \\Brown{$B$}}"), std::string::npos) << boxes;
  EXPECT_NE(boxes.find("\\put(7,47){\\scriptsize \\Brown{$B$}}"), std::string::npos) << boxes;
}

TEST(ComplexMotion, TransportRateNeverPrintsAsZero) {
  // Row 18 figure 12 with sigma = (t^2 + 52) / 6 at t1 = 3 turns slowest: c = 0.01, printed
  // so.
  auto v = RunOne(18, {12, 1, 1, 3, 1, 1, 1});
  EXPECT_NE(v.main.find("$\\varphi_e=0.01t^2$, \\\\"), std::string::npos) << v.main;
  v = RunOne(19, {7, 1, 1, 3, 1, 1, 1});
  EXPECT_EQ(v.main.find("$\\varphi_e=0t^2$"), std::string::npos) << v.main;
  for (int row : {18, 19}) {
    for (int k = 1; k <= 12; ++k) {
      for (int p2 = 1; p2 <= 4; ++p2) {
        for (int p4 = 1; p4 <= 3; ++p4) {
          for (int p5 = 1; p5 <= 7; ++p5) {
            const auto u = RunOne(row, {k, p2, 2, p4, p5, 1, 1});
            EXPECT_EQ(u.main.find("=0t^2"), std::string::npos) << row << " " << k;
            EXPECT_EQ(u.main.find("omega_e=0$"), std::string::npos) << row << " " << k;
          }
        }
      }
    }
  }
}

TEST(ComplexMotionSpatial, GoldenLines) {
  // Figures 3 and 6 (beta = pi / 6): the chord AB equals R.
  auto v = RunOne(19, {3, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("$R=51$,\\\\ $AB=51$,\r\n"), std::string::npos) << v.main;
  v = RunOne(19, {6, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("$R=51$,\\\\ $AB=51$,\r\n"), std::string::npos) << v.main;
  // A point on the axis (figure 3 at 5 pi / 3) turns at P7 + 1: v_e = 0, a_e = 0.
  v = RunOne(19, {3, 1, 1, 1, 7, 1, 4});
  EXPECT_NE(v.main.find("$\\omega_e=5$~рад/с"), std::string::npos) << v.main;
  auto cells = Cells(v.answers);
  EXPECT_EQ(cells[1], 0);
  EXPECT_EQ(cells[3], 0);
  // Figure 11 with sigma = h2 (kind 3 at t1 = b = 2: n = 12, h2 = 6; f = 1/2: sigma = 6): the
  // point at the corner stays on the leg parallel to the axis, and AB grows by 1.
  v = RunOne(19, {11, 3, 1, 2, 4, 1, 1});
  EXPECT_NE(v.main.find("$AB=7$,\\\\ $BC=6$,\\\\$h=2$,"), std::string::npos) << v.main;
  cells = Cells(v.answers);
  EXPECT_EQ(cells[1], 2);  // R_e = h
}

}  // namespace
