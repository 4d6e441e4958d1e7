#include "subjects/dynamics/cylinder_springs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const std::vector<VariantParams>& variants, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 20, variants);
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// The data row of the only variant: its cells split at "&", without the row's end.
std::vector<std::string> AnswerCells(const std::string& answers) {
  const auto head = answers.find("Уравнение частот\\\\ \\hline");
  std::string row = answers.substr(answers.find('\n', head) + 1);
  row = row.substr(0, row.find("\\\\"));
  std::vector<std::string> cells;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    cells.push_back(row.substr(from, at - from));
  }
  cells.push_back(row.substr(from));
  return cells;
}

// The system written apart from the generator: each cylinder rolls, so its point at the
// centre moves with it and its top point twice as far. Springs: left wall-A (absent when
// P1 = 3), A-B, B-right wall; a spring's stretch is a linear form in (x, s).
struct Model {
  double M[2][2]{}, K[2][2]{};
  double w1 = 0, w2 = 0;
};

Model Solve(const VariantParams& p, double mA, double mB, double c) {
  Model m;
  const auto factor = [](int attach) { return attach == 2 ? 2.0 : 1.0; };
  // 2T = (m + J/r^2) v^2 with J = m r^2 / 2.
  m.M[0][0] = mA * 1.5;
  m.M[1][1] = mB * 1.5;
  struct Stretch {
    double dx, ds;
  };
  std::vector<Stretch> springs;
  if (p[0] != 3) springs.push_back({factor(p[0]), 0});
  springs.push_back({factor(p[1]), -factor(p[2])});
  springs.push_back({0, -factor(p[3])});
  for (const Stretch& d : springs) {
    m.K[0][0] += c * d.dx * d.dx;
    m.K[0][1] += c * d.dx * d.ds;
    m.K[1][1] += c * d.ds * d.ds;
  }
  m.K[1][0] = m.K[0][1];
  // det(K - lambda M) = 0 by bisection on the two brackets of the quadratic's vertex.
  const auto det = [&](double l) {
    return (m.K[0][0] - l * m.M[0][0]) * (m.K[1][1] - l * m.M[1][1]) - m.K[0][1] * m.K[1][0];
  };
  const double top = 4 * (m.K[0][0] / m.M[0][0] + m.K[1][1] / m.M[1][1]) + 1;
  // det is a convex-up parabola in lambda, positive at 0 and at +inf, negative between
  // K00/M00 and K11/M11's neighbourhood: the roots bracket l_mid = the vertex.
  const double a = m.M[0][0] * m.M[1][1];
  const double b = -(m.K[0][0] * m.M[1][1] + m.K[1][1] * m.M[0][0]);
  const double mid = -b / (2 * a);
  const auto root = [&](double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
      const double c2 = (lo + hi) / 2;
      if ((det(lo) > 0) == (det(c2) > 0))
        lo = c2;
      else
        hi = c2;
    }
    return (lo + hi) / 2;
  };
  m.w1 = std::sqrt(root(0, mid));
  m.w2 = std::sqrt(root(mid, top));
  return m;
}

// Every parameter set and Level: the printed coefficients equal the independent model's, the
// printed frequencies are its roots to the printed precision, and the printed equation (read
// back with the formula evaluator) vanishes at both.
TEST(CylinderSpringTest, AnswersMatchAnIndependentModelOverTheSweep) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 2, 2, 2, 5, 5, 2}, 3000);
  long long checked = 0;
  for (const auto& point : points) {
    const VariantParams p = point.p;
    const auto t = RunRow({p}, point.level);
    const std::string what = testing_support::Describe(point);
    const double mA = NumberAfter(t.main, "$m_A{=}");
    const double mB = NumberAfter(t.main, "$m_B{=}");
    const double c = NumberAfter(t.main, "$c{=}");
    const Model m = Solve(p, mA, mB, c);
    const auto cells = AnswerCells(t.answers);
    ASSERT_EQ(cells.size(), 9u) << what;
    EXPECT_EQ(std::stod(cells[1]), m.M[0][0]) << what;
    EXPECT_EQ(std::stod(cells[2]), m.M[1][1]) << what;
    EXPECT_EQ(std::stod(cells[3]), m.K[0][0]) << what;
    EXPECT_EQ(std::stod(cells[4]), m.K[0][1]) << what;
    EXPECT_EQ(std::stod(cells[5]), m.K[1][1]) << what;
    EXPECT_NEAR(std::stod(cells[6]), m.w1, 0.0005 + 1e-9) << what;
    EXPECT_NEAR(std::stod(cells[7]), m.w2, 0.0005 + 1e-9) << what;
    std::string eq = cells[8];
    eq = eq.substr(eq.find('$') + 1);
    eq = eq.substr(0, eq.find("=0$"));
    for (std::size_t at; (at = eq.find("\\omega")) != std::string::npos;) eq.replace(at, 6, "w");
    const auto f = tex_formula::Formula(eq, 'w');
    // a w^4 - b w^2 + e from three values; the residual is measured against the terms' size.
    const double e = f(0), f1 = f(1), f2 = f(std::sqrt(2.0));
    const double a = (f2 - 2 * f1 + e) / 2, b = a + e - f1;
    EXPECT_GT(a, 0) << what;
    for (double w : {m.w1, m.w2}) {
      const double size = std::abs(a) * std::pow(w, 4) + std::abs(b) * w * w + std::abs(e);
      EXPECT_LE(std::abs(f(w)), 1e-9 * size) << what << " " << cells[8];
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 1200LL * 10));
}

// The figure matches the model: the middle spring is horizontal, so its heights on A and B
// agree, and both cylinders stand on the floor.
TEST(CylinderSpringTest, RadiiKeepTheMiddleSpringHorizontal) {
  for (int p2 = 1; p2 <= 2; ++p2) {
    for (int p3 = 1; p3 <= 2; ++p3) {
      const CylinderSpringVariant v = DeriveCylinderSpringVariant(1, p2, p3, 1, 1, 1);
      EXPECT_EQ(v.rA * p2, v.rB * p3) << p2 << p3;
      EXPECT_EQ(v.rA + v.rB, 24) << p2 << p3;
      EXPECT_EQ(v.x3, 102) << p2 << p3;
    }
  }
}

TEST(CylinderSpringTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* answer;  // the data row up to its end
    const char* figure;  // a line of the figure
  };
  const Case cases[] = {
      {"P1 = 3: no left spring, no left wall",
       {3, 1, 2, 2, 1, 4, 1},
       " 1&      6&      9&      4&     -8&     32&  0.550&  1.980& "
       "$27\\omega^4-114\\omega^2+32=0$",
       "\\mt{34}{16}\\pp{50}{16}\\put(50,16){\\usebox{\\pruzh}}"},
      {"a unit coefficient omitted",
       {1, 1, 1, 2, 1, 4, 2},
       " 1&      6&     12&      8&     -4&     20&  1.000&  1.414& $\\omega^4-3\\omega^2+2=0$",
       "\\put(0,12){\\usebox{\\pruzh}}"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow({c.p});
    EXPECT_NE(t.answers.find(c.answer), std::string::npos) << c.what << "\n" << t.answers;
    EXPECT_NE(t.main.find(c.figure), std::string::npos) << c.what;
    if (c.p[0] == 3) EXPECT_EQ(t.main.find("strichl"), std::string::npos) << c.what;
  }
}

TEST(CylinderSpringTest, BeginWritesTheStatementAndTheDefaultBox) {
  auto s = testing_support::NewState();
  const auto t = testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 20,
                                              {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\r\n Механическая  система  с  двумя"), std::string::npos);
  EXPECT_NE(t.main.find("(p.336.)"), std::string::npos);
  EXPECT_EQ(s->BoxWidth, 120);
  EXPECT_EQ(s->BoxHeight, 60);
}

}  // namespace
}  // namespace dynamics
