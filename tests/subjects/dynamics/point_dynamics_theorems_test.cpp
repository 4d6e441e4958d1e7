#include "subjects/dynamics/point_dynamics_theorems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"
#include "subjects/dynamics/time_laws.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

constexpr double g = 9.81;
const double kPi = std::acos(-1.0);

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 1, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

std::vector<double> AnswerRow(const std::string& answers) {
  std::string row = answers.substr(answers.find("$b$ \\\\\\hline\r\n") + 13);
  row = row.substr(0, row.find("\\\\"));
  std::vector<double> out;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    out.push_back(std::stod(row.substr(from, at - from)));
  }
  out.push_back(std::stod(row.substr(from)));
  return out;
}

// What the printed variant states: the data read back from the text.
struct Printed {
  double r, m, a, t1, alpha, beta, gamma;
  std::string law;
  std::optional<double> friction, va, b;
};

Printed ReadVariant(const std::string& main) {
  Printed p{};
  p.r = NumberAfter(main, "$r=");
  p.m = NumberAfter(main, " $m=$");
  p.a = NumberAfter(main, "$a=");
  p.t1 = NumberAfter(main, "$t_1=");
  const auto law_at = main.find("$F=") + 3;
  p.law = main.substr(law_at, main.find(",$\\\\ ", law_at) - law_at);
  for (std::size_t at; (at = p.law.find("$+$")) != std::string::npos;) p.law.replace(at, 3, "+");
  p.alpha = NumberAfter(main, "$\\alpha=");
  p.beta = NumberAfter(main, "$\\beta=");
  p.gamma = NumberAfter(main, "$\\gamma=");
  if (main.find("$F_{fr}=") != std::string::npos) p.friction = NumberAfter(main, "$F_{fr}=");
  if (main.find("$v_A=") != std::string::npos) p.va = NumberAfter(main, "$v_A=");
  if (main.find("$b=") != std::string::npos) p.b = NumberAfter(main, "$b=");
  if (main.find("$b$=") != std::string::npos) p.b = NumberAfter(main, "$b$=");
  return p;
}

// The track of each layout type as its statement and figure show it: the order of the parts,
// the slope of the straight part (positive when the puck runs down it), the height drop on
// the arc, the direction at C and the target.
struct Track {
  bool straight_first;
  int theta;  // +1: beta, -1: -beta
  bool phi0_beta;  // phi0 = beta, else alpha - beta
  int psi;  // 1: alpha - beta, 2: beta, 3: beta - alpha, 4: -beta
  bool wall;
  int h_sign;
};
constexpr Track kTracks[11] = {{},
                               {true, 1, false, 1, true, 1},
                               {true, 1, false, 1, false, 1},
                               {false, -1, true, 2, false, -1},
                               {false, -1, true, 2, false, 1},
                               {false, -1, true, 2, true, 1},
                               {true, -1, true, 3, true, 1},
                               {true, -1, true, 3, false, -1},
                               {false, 1, false, 4, false, -1},
                               {false, 1, false, 4, true, 1},
                               {true, 1, false, 1, false, -1}};

struct Solved {
  double impulse = 0, vb = 0, vc = 0, b = 0;
  bool ok = false;
};

// The puck run forward from v_A with the printed data: the impulse by quadrature of the
// printed force, the energy theorem on the arc, then the free flight from C stepped in time
// until it meets the wall or the plane.
Solved Forward(const Track& track, const Printed& p, double va, double friction, double h) {
  const double deg = kPi / 180;
  const double alpha = p.alpha * deg, beta = p.beta * deg, gamma = p.gamma * deg;
  const double theta = track.theta * beta;
  const double phi0 = track.phi0_beta ? beta : alpha - beta;
  const double psi = track.psi == 1 ? alpha - beta
                     : track.psi == 2 ? beta
                     : track.psi == 3 ? beta - alpha
                                      : -beta;
  Solved out;
  const tex_formula::Formula force(p.law, 't');
  const int n = 2000;
  double sum = force(0.0) + force(p.t1);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * force(i * p.t1 / n);
  out.impulse = sum * p.t1 / n / 3;
  const double straight = g * p.t1 * std::sin(theta) + out.impulse * std::cos(gamma) / p.m;
  const double arc2 = 2 * g * p.r * (std::cos(phi0) - std::cos(alpha - phi0)) -
                      2 * friction * p.r * alpha / p.m;
  double v = va;
  for (const bool straight_part : {track.straight_first, !track.straight_first}) {
    if (straight_part) {
      v += straight;
    } else {
      if (v * v + arc2 < 0) return out;
      v = std::sqrt(v * v + arc2);
    }
    if (v < 0) return out;
    if (straight_part == track.straight_first) out.vb = v;
  }
  out.vc = v;
  // Free flight, x along the direction of motion, y up, in small steps with the exact
  // crossing inside the last step.
  double x = 0, y = 0, vx = v * std::cos(psi), vy = v * std::sin(psi);
  const double dt = 1e-4;
  for (int step = 0; step < 10000000; ++step) {
    const double nx = x + vx * dt, ny = y + vy * dt - g * dt * dt / 2, nvy = vy - g * dt;
    if (track.wall && nx >= h) {
      const double tau = (h - x) / vx;
      out.b = y + vy * tau - g * tau * tau / 2;
      out.ok = true;
      return out;
    }
    if (!track.wall && ((h > 0 && ny >= h && vy > 0) || (h < 0 && ny <= h))) {
      // The crossing inside the step: y(tau) = h.
      const double d = vy * vy - 2 * g * (h - y);
      const double tau = (vy - (h > 0 ? 1 : -1) * std::sqrt(std::max(d, 0.0))) / g;
      out.b = x + vx * tau;
      out.ok = true;
      return out;
    }
    if (!track.wall && h > 0 && vy <= 0) return out;  // the plane above is out of reach
    x = nx, y = ny, vy = nvy;
  }
  return out;
}

std::string DerivedLawText(int k) {
  std::string law = TimeLawText(k, 't');
  for (std::size_t at; (at = law.find("$+$")) != std::string::npos;) law.replace(at, 3, "+");
  return law;
}

// The data of a variant from the row's tables, for variants that print none.
Printed TableData(const VariantParams& q) {
  constexpr int kAngle[20] = {30, 45, 60, 75, 15, 30, 45, 75, 60, 15,
                              30, 45, 15, 45, 45, 60, 30, 75, 45, 60};
  constexpr int kMass[20] = {2, 3, 4, 5, 6, 7, 8, 9, 4, 5, 1, 2, 4, 9, 5, 4, 3, 2, 2, 2};
  constexpr int kResistance[20] = {9, 13, 6, 7, 15, 12, 11, 2, 10, 5, 5, 1, 3, 2, 1, 2, 3, 4, 2, 6};
  constexpr int kDistance[20] = {1, 7, 7, 9, 4, 6, 10, 6, 14, 5, 2, 3, 3, 5, 7, 6, 5, 8, 22, 11};
  constexpr double kT1[11] = {0, 5, 2, 2, 4, 4, 3, 3, 1, 1, 5};
  constexpr double kGamma[11] = {0, 60, 45, 15, 15, 30, 15, 15, 30, 60, 75};
  const int k = q[1] - 1;
  Printed p{};
  p.r = q[2] + 2;
  p.m = kMass[k] * (q[0] == 1 ? 0.5 : 0.1);
  p.a = kDistance[k];
  p.t1 = kT1[q[0]];
  p.beta = kAngle[k];
  p.alpha = p.beta + 15;
  p.gamma = kGamma[q[0]];
  p.law = DerivedLawText(q[1]);
  p.friction = kResistance[k];
  p.va = q[3] + 24;
  return p;
}

TEST(PointDynamicsTheoremsTest, GoldenLines) {
  auto run = RunRow({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(run.main.find("\\hfill\\parbox{110pt}{\\small $r=3$~м, \r\n $m=$1кг, \\\\ $a=1$~м,  "
                          "\r\n$t_1=5$~c,\\\\\r\n$F=0.2\\exp(t/5)$+$1,$\\\\ $F_{fr}=9$~Н, "
                          "$v_A=25\\frac{\\mbox{\\scriptsize м}}{c}$,\\\\ $b$ -- ?}}\\vskip1mm\r\n"
                          "\\hfill\\parbox{150pt}{$\\alpha=45^\\circ$, $\\beta=30^\\circ$, "
                          "$\\gamma=60^\\circ.$ }\r\n"),
            std::string::npos)
      << run.main;
  // I = 5 + (e - 1); v_B = 25 + 9.81 * 5 * sin 30 + I cos 60.
  const auto row = AnswerRow(run.answers);
  EXPECT_NEAR(row[2], 5 + std::exp(1.0) - 1, 0.0006);
  EXPECT_NEAR(row[4], 25 + 9.81 * 2.5 + (4 + std::exp(1.0)) / 2, 0.0006);
  EXPECT_NE(run.answers.find(" 1&   9.000&  6.718& 25.000& 52.884&"), std::string::npos)
      << run.answers;
  // A wall type asked for v_A: a = Round(h) = 10 Round(I cos gamma + 1), here 10 * 4 = 40.
  run = RunRow({1, 1, 1, 1, 2, 1, 1});
  EXPECT_NE(run.main.find("$a=40$~м,"), std::string::npos) << run.main;
  EXPECT_NE(run.main.find("$b$=5.4~м,\\\\ $v_A$ -- ?}}\\vskip1pt"), std::string::npos);
  // Asked for F_fr: b is the forward b times 0.99 (psi > 0), to hundredths.
  run = RunRow({1, 1, 1, 1, 3, 1, 1});
  const double forward_b = AnswerRow(RunRow({1, 1, 1, 1, 1, 1, 1}).answers)[6];
  EXPECT_NEAR(NumberAfter(run.main, "$b="), std::round(99 * forward_b) / 100, 0.006);
  EXPECT_NE(run.main.find("$F_{fr}$ -- ?"), std::string::npos);
}

TEST(PointDynamicsTheoremsTest, DegenerateDataGiveANoteAndDashes) {
  // Type 4 (a plane 10 m above C) with a slow puck: the plane is out of reach.
  int found = 0;
  for (int k = 1; k <= 20 && found == 0; ++k) {
    for (int p1 = 1; p1 <= 10 && found == 0; ++p1) {
      const VariantParams p{p1, k, 1, 1, 1, 1, 1};
      if (!DerivePuckVariant(p[0], p[1], p[2], p[3], p[4]).degenerate) continue;
      const auto run = RunRow(p);
      EXPECT_NE(run.main.find("\\par\\noindent\\vbox{%\r\nДанные этого варианта вырождены: задача "
                              "не имеет решения, нужны другие параметры.}"),
                std::string::npos);
      EXPECT_EQ(run.main.find("nan"), std::string::npos);
      EXPECT_NE(run.answers.find(" 1&---&---&---&---&---&--- \\\\"), std::string::npos)
          << run.answers;
      ++found;
    }
  }
  EXPECT_EQ(found, 1);
}

// Every non-degenerate variant, run forward from its printed data: asked for b, the forward
// run gives the answers; asked for v_A or F_fr, the forward run with the answered value hits
// the printed b. A degenerate variant asked for b has no valid forward run either.
TEST(PointDynamicsTheoremsTest, AnswersMatchTheSimulatedPuck) {
  const int levels = testing_support::FullSweep() ? 1 : 10;  // the row does not read Level
  long long checked = 0, degenerate = 0, negative_friction = 0;
  for (const auto& point : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                        {10, 20, 4, 3, 3, 1, 1}, 600, 1, levels)) {
    const auto& q = point.p;
    const auto run = RunRow(q, point.level);
    const Track& track = kTracks[q[0]];
    ++checked;
    if (run.answers.find("&---&---") != std::string::npos) {
      ++degenerate;
      if (q[4] == 1) {
        // Asked for b: the data as the tables give them admit no valid forward run.
        const Printed p = TableData(q);
        EXPECT_FALSE(Forward(track, p, *p.va, *p.friction, track.h_sign * p.a).ok)
            << testing_support::Describe(point);
      }
      continue;
    }
    const Printed p = ReadVariant(run.main);
    const auto row = AnswerRow(run.answers);
    ASSERT_EQ(row.size(), 7u);
    if (q[4] == 3 && row[1] < 0) ++negative_friction;
    const double h = track.h_sign * p.a;
    const double va = q[4] == 2 ? row[3] : *p.va;
    const double friction = q[4] == 3 ? row[1] : *p.friction;
    const Solved solved = Forward(track, p, va, friction, h);
    ASSERT_TRUE(solved.ok) << testing_support::Describe(point);
    EXPECT_NEAR(row[2], solved.impulse, 0.0006 + 1e-6 * solved.impulse)
        << testing_support::Describe(point);
    const double tolerance = q[4] == 1 ? 0.002 + 1e-5 * std::fabs(solved.b)
                                       : 0.01 + 1e-3 * std::fabs(solved.b);
    if (q[4] == 1) {
      EXPECT_NEAR(row[4], solved.vb, 0.001 + 1e-6 * solved.vb) << testing_support::Describe(point);
      EXPECT_NEAR(row[5], solved.vc, 0.001 + 1e-6 * solved.vc) << testing_support::Describe(point);
      EXPECT_NEAR(row[6], std::fabs(solved.b), tolerance) << testing_support::Describe(point);
    } else {
      EXPECT_NEAR(*p.b, std::fabs(solved.b), tolerance) << testing_support::Describe(point);
    }
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10LL * 20 * 4 * 3 * 3 * levels));
  if (testing_support::FullSweep()) {
    std::cout << "degenerate variants: " << degenerate
              << ", answered resistances below zero: " << negative_friction << "\n";
  }
}

}  // namespace
}  // namespace dynamics
