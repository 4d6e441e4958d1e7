#include "subjects/dynamics/motion_integration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 3, {p});
}

std::string Joined(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return text;
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key + " in " + text);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// The five printed problems: force text (math mode left and re-entered around "+" undone),
// mass, initial data and question.
struct Row {
  std::string force, conditions, question;
  double mass = 0;
};

std::vector<Row> Rows(const std::string& main) {
  std::string table = Joined(main);
  table = table.substr(table.find("Вопрос"));
  std::vector<Row> rows;
  std::size_t from = table.find("\\hline") + 6;
  for (std::size_t at; (at = table.find("\\hline", from)) != std::string::npos; from = at + 6) {
    const std::string row = table.substr(from, at - from);
    std::vector<std::string> cells;
    std::size_t c = 0;
    for (std::size_t amp; (amp = row.find('&', c)) != std::string::npos; c = amp + 1) {
      cells.push_back(row.substr(c, amp - c));
    }
    cells.push_back(row.substr(c));
    if (cells.size() != 5) throw std::runtime_error("row " + row);
    Row r;
    for (const char ch : cells[1]) {
      if (ch != '$') r.force += ch;
    }
    std::string mass;
    for (const char ch : cells[2]) {
      if (ch != '$') mass += ch;
    }
    r.mass = std::stod(mass);
    r.conditions = cells[3];
    r.question = cells[4];
    rows.push_back(r);
  }
  return rows;
}

// y' = f(s, y) by RK4 over [a, b], y a vector of one or two values.
std::vector<double> Rk4(const std::function<std::vector<double>(double, const std::vector<double>&)>& f,
                        double a, double b, std::vector<double> y, int n = 400) {
  const double h = (b - a) / n;
  auto add = [](const std::vector<double>& u, const std::vector<double>& k, double c) {
    std::vector<double> r = u;
    for (std::size_t i = 0; i < r.size(); ++i) r[i] += c * k[i];
    return r;
  };
  for (int i = 0; i < n; ++i) {
    const double s = a + i * h;
    const auto k1 = f(s, y), k2 = f(s + h / 2, add(y, k1, h / 2));
    const auto k3 = f(s + h / 2, add(y, k2, h / 2)), k4 = f(s + h, add(y, k3, h));
    for (std::size_t j = 0; j < y.size(); ++j) {
      y[j] += h / 6 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
    }
  }
  return y;
}

// Each printed problem integrated by RK4 from its printed force, mass and data.
std::vector<double> Simulated(const std::vector<Row>& rows) {
  std::vector<double> out;
  {  // 1: constant force; x at a time or at a speed
    const Row& r = rows[0];
    const double a = std::stod(r.force) / r.mass;
    const double x0 = NumberAfter(r.conditions, "x_0="), v0 = NumberAfter(r.conditions, "v_0=");
    double t = 0;
    if (r.question.find("$t=") != std::string::npos) {
      t = NumberAfter(r.question, "$t=");
    } else {
      t = (NumberAfter(r.question, "$v=") - v0) / a;
    }
    out.push_back(Rk4([&](double, const std::vector<double>& y) {
                        return std::vector<double>{y[1], a};
                      },
                      0, t, {x0, v0})[0]);
  }
  {  // 2: force of the time; v at a time
    const Row& r = rows[1];
    const tex_formula::Formula f(r.force, 't');
    out.push_back(Rk4([&](double t, const std::vector<double>&) {
                        return std::vector<double>{f(t) / r.mass};
                      },
                      0, NumberAfter(r.question, "$t="), {NumberAfter(r.conditions, "v_0=")})[0]);
  }
  {  // 3: force of the coordinate; v at a coordinate, through d(v^2)/dx = 2F/m
    const Row& r = rows[2];
    const tex_formula::Formula f(r.force, 'x');
    const double v0 = NumberAfter(r.conditions, "v_0=");
    out.push_back(std::sqrt(Rk4([&](double x, const std::vector<double>&) {
                                  return std::vector<double>{2 * f(x) / r.mass};
                                },
                                0, NumberAfter(r.question, "$x="), {v0 * v0})[0]));
  }
  {  // 4: force of the speed; the time, dt/dv = m/F
    const Row& r = rows[3];
    const tex_formula::Formula f(r.force, 'v');
    const std::string key = "значения ";
    out.push_back(Rk4([&](double v, const std::vector<double>&) {
                        return std::vector<double>{r.mass / f(v)};
                      },
                      NumberAfter(r.conditions, "v_0="), NumberAfter(r.question, key), {0.0})[0]);
  }
  {  // 5: force of the speed, dx/dv = m v/F; or the forced oscillation in time
    const Row& r = rows[4];
    const double v0 = NumberAfter(r.conditions, "v_0=");
    if (r.question.find("$t=") != std::string::npos) {
      const tex_formula::Formula f(r.force);
      out.push_back(Rk4([&](double t, const std::vector<double>& y) {
                          tex_formula::Point p;
                          p.Set('t', t);
                          p.Set('x', y[0]);
                          return std::vector<double>{y[1], static_cast<double>(f(p)) / r.mass};
                        },
                        0, NumberAfter(r.question, "$t="), {0.0, v0})[0]);
    } else {
      const tex_formula::Formula f(r.force, 'v');
      out.push_back(Rk4([&](double v, const std::vector<double>&) {
                          return std::vector<double>{r.mass * v / f(v)};
                        },
                        v0, NumberAfter(r.question, "$v="), {0.0})[0]);
    }
  }
  return out;
}

std::vector<double> AnswerCells(const std::string& answers) {
  std::string row = answers.substr(answers.find("\\hline\r\n") + 8);
  row = row.substr(0, row.find("\r\n"));
  std::vector<double> out;
  std::size_t from = row.find('&') + 1;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    out.push_back(std::stod(row.substr(from, at - from)));
  }
  out.push_back(std::stod(row.substr(from)));
  return out;
}

TEST(MotionIntegrationTest, GoldenLines) {
  // P6 = 5: m1 = 14, x0 = 0, v0 = 5, t2 = 6; P2 = P3 = 13 print law 13 in t and in x.
  auto run = RunRow({1, 13, 13, 1, 5, 5, 1});
  EXPECT_NE(run.main.find("\\bf  1\\rule{0pt}{13pt} & $ 14 $ & 14 & $t=0, \r\n x_0=0, \\ v_0=5$"),
            std::string::npos)
      << run.main;
  EXPECT_NE(run.main.find("\\bf  2 \\rule{0pt}{13pt}& $ t\\exp(t/4) $ & $ 7$ & $t=0, v_0=5$ "
                          "&\\small \r\nПри $t=6$ найти  $v$."),
            std::string::npos);
  EXPECT_NE(run.main.find("\\bf  3 \\rule{0pt}{13pt}& $ x\\exp(x/4) $ & $ 7 $ &  $x=0, v_0=5 $"),
            std::string::npos);
  // P5 = 5: c v e^(-v/e) with e = 6, the coordinate where the speed reaches w1.
  EXPECT_NE(run.main.find("\\bf  5 \\rule{0pt}{13pt}& $  6ve^{-v/6}\r\n $ & $ 14 $ &  $x=0, "
                          "v_0=4 $ \r\n &\\small  При $v=5$ найти $x$."),
            std::string::npos)
      << run.main;
  EXPECT_NE(run.answers.find("  \\No\\ru    &$ x $&$v$&$v$&$t$&$x$\\\\\\hline\r\n  1&"),
            std::string::npos);
  // P1 = 2 with P6 = 1: v* = v0 + 1 = 10 and T = 1/P4. P5 = 10: the forced oscillation.
  run = RunRow({2, 1, 1, 4, 10, 1, 1});
  EXPECT_NE(run.main.find("При $v=10$ найти $x$."), std::string::npos) << run.main;
  EXPECT_NE(run.main.find("\\bf  5 \\rule{0pt}{13pt}& $  6\\sin(5t)\r\n-32x\r\n $ & $ 2 $ &  "
                          "$t=0, x_0=0, v_0=13 $ \r\n &\\small  При $t=0.4$ найти $x$."),
            std::string::npos)
      << run.main;
  // P4 = 6: the law printed with the brackets of the law that is solved.
  run = RunRow({1, 4, 1, 6, 3, 2, 1});
  EXPECT_NE(run.main.find("& $ (5+v)/(4v^2)\r\n $"), std::string::npos) << run.main;
}

TEST(MotionIntegrationTest, EveryAnswerMatchesTheIntegratedPrintedProblem) {
  // The row reads neither Level nor P7: the full sweep takes every parameter set at Level 1.
  const int levels = testing_support::FullSweep() ? 1 : 10;
  long long checked = 0;
  for (const auto& point : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                        {2, 20, 20, 6, 10, 5, 1}, 500, 1, levels)) {
    const auto run = RunRow(point.p, point.level);
    const auto expected = Simulated(Rows(run.main));
    const auto printed = AnswerCells(run.answers);
    ASSERT_EQ(printed.size(), 5u);
    for (int i = 0; i < 5; ++i) {
      ASSERT_NEAR(printed[i], expected[i], 0.0005 + 1e-4 * std::fabs(expected[i]))
          << testing_support::Describe(point) << " problem " << i + 1;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 2LL * 20 * 20 * 6 * 10 * 5 * levels));
}

}  // namespace
}  // namespace dynamics
