#include "subjects/dynamics/point_motion_equation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/tex_formula.h"
#include "toolkit/errors.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;
using tex_formula::Point;

constexpr double g = 9.81;

testing_support::RunTexts RunRow(const std::vector<VariantParams>& variants, int first = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 2, variants);
}

TEST(PointMotionEquationTest, GoldenLines) {
  const auto run = RunRow({{6, 1, 1, 1, 1, 1, 1}, {19, 1, 1, 1, 1, 1, 1}}, 5);
  EXPECT_EQ(run.answers,
            "{\\bf 5.}  $v_2=v_1/2$.\\vskip2mm \r\n"
            "{\\bf 6.}   $t=4a/v+2v(\\pi-2\\sqrt{2})/(gf)$, если  $v^2\\le agf\\sqrt{2}/2$;\\par "
            "\\ \\ \\ \\ $t=2\\pi v/(fg)$, если $v^2>agf\\sqrt{2}/2$.\\vskip2mm \r\n");
  EXPECT_NE(run.main.find(" В сухую погоду автомобиль проходит закругление на дороге на "
                          "предельной скорости $v_1$."),
            std::string::npos);
  const auto run32 = RunRow({{32, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(run32.main.find("Найти максимальную скорость груза.} \\hfill\\input{DAT7/RIS32D.TeX}"
                            "\r\n"),
            std::string::npos)
      << run32.main;
  EXPECT_NE(run32.answers.find("$v=\\sqrt{2F(L-H)/m}$.\\vskip2mm "), std::string::npos);
  EXPECT_THROW(PointMotionProblemOf(34), toolkit::IndexRangeError);
}

// The printed names as single letters for the formula evaluator.
std::string Letters(std::string text) {
  const std::pair<const char*, const char*> names[] = {
      {"S_\\alpha", "Z"}, {"\\Delta h", "D"}, {"v_{max}", "V"}, {"v^*", "W"}, {"t^*", "U"},
      {"v_0", "u"},       {"v_1", "w"},       {"v_2", "X"},     {"v_o", "u"}, {"t_1", "s"},
      {"t_2", "Y"},       {"t_0", "s"},       {"k_1", "K"},     {"k_2", "J"}, {"m_1", "M"},
      {"m_2", "B"},       {"a_0", "b"},       {"F_0", "F"},     {"T_0", "T"}, {"N_1", "P"},
      {"N_2", "O"},       {"\\cos kt", "\\cos(kt)"}, {"\\alpha", " z "}, {"\\rho", " r "}, {"\\tau", " q "}};
  for (const auto& [from, to] : names) {
    for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
      text.replace(at, std::string(from).size(), to);
    }
  }
  return text;
}

// "lhs=rhs" pieces of the answer's math, trailing punctuation dropped.
std::vector<std::pair<std::string, std::string>> Equations(const std::string& answer) {
  std::vector<std::pair<std::string, std::string>> out;
  std::size_t at = 0;
  while ((at = answer.find('$', at)) != std::string::npos) {
    const std::size_t end = answer.find('$', at + 1);
    std::string math = answer.substr(at + 1, end - at - 1);
    at = end + 1;
    while (!math.empty() && (math.back() == ',' || math.back() == '.' || math.back() == ' ')) {
      math.pop_back();
    }
    const std::size_t eq = math.find('=');
    if (eq == std::string::npos) continue;
    std::string lhs = Letters(math.substr(0, eq));
    std::erase(lhs, ' ');
    out.emplace_back(lhs, Letters(math.substr(eq + 1)));
  }
  return out;
}

// The value the answer gives for `asked`, after binding its auxiliary equations in order.
double Printed(int problem, const std::string& asked, Point p) {
  p.Set('g', g);
  const auto equations = Equations(std::string(PointMotionProblemOf(problem).Answer));
  const std::string* final_rhs = nullptr;
  for (const auto& [lhs, rhs] : equations) {
    if (lhs == asked) {
      final_rhs = &rhs;
    } else {
      EXPECT_EQ(lhs.size(), 1u) << "problem " << problem << ": " << lhs;
      p.Set(lhs[0], tex_formula::Formula(rhs)(p));
    }
  }
  if (final_rhs == nullptr) throw std::runtime_error("no " + asked);
  return static_cast<double>(tex_formula::Formula(*final_rhs)(p));
}

double Simpson(const std::function<double(double)>& f, double a, double b, int n = 2000) {
  const double h = (b - a) / n;
  double sum = f(a) + f(b);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(a + i * h);
  return sum * h / 3;
}

// y' = f(x, y) by RK4 from (x0, y0) to x1.
double Rk4(const std::function<double(double, double)>& f, double x0, double y0, double x1,
           int n = 4000) {
  const double h = (x1 - x0) / n;
  double x = x0, y = y0;
  for (int i = 0; i < n; ++i) {
    const double k1 = f(x, y), k2 = f(x + h / 2, y + h / 2 * k1);
    const double k3 = f(x + h / 2, y + h / 2 * k2), k4 = f(x + h, y + h * k3);
    y += h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
    x += h;
  }
  return y;
}

// The root of f on [a, b] (f changes sign there).
double Bisect(const std::function<double(double)>& f, double a, double b) {
  const bool rising = f(b) > f(a);
  for (int i = 0; i < 200; ++i) {
    const double c = (a + b) / 2;
    ((f(c) > 0) == rising ? b : a) = c;
  }
  return (a + b) / 2;
}

struct Case {
  int problem;
  const char* asked;  // the answer's left-hand side, in letters
  std::vector<std::pair<char, double>> data;
  std::function<double()> expected;  // from the statement: its equation of motion solved
};

// Each problem's answer against the motion of its own statement: the equation of motion
// integrated (quadrature in the speed or RK4 in time) or the balance of forces or energy
// solved numerically, with admissible data.
TEST(PointMotionEquationTest, EveryAnswerSolvesItsStatement) {
  const double pi = std::acos(-1.0);
  const std::vector<Case> cases = {
      {1, "Z", {{'u', 20}, {'S', 40}, {'z', 0.1}}, [] {
         const double f = 400 / (2 * g * 40);  // horizontal: v0^2 = 2 f g S
         return 400 / (2 * g * (f * std::cos(0.1) - std::sin(0.1)));
       }},
      {2, "t", {{'m', 1000}, {'k', 50}, {'f', 0.3}, {'u', 30}, {'w', 10}}, [] {
         return Simpson([](double v) { return 1000 / (50 * v + 1000 * g * 0.3); }, 10, 30);
       }},
      {3, "S", {{'m', 1000}, {'k', 50}, {'f', 0.3}, {'u', 30}, {'w', 10}}, [] {
         return Simpson([](double v) { return 1000 * v / (50 * v + 1000 * g * 0.3); }, 10, 30);
       }},
      {4, "v", {{'Q', 5}, {'r', 2}, {'z', 0.7}, {'m', 3}}, [] {
         // Normal component of Q: m v^2 / rho = Q sin alpha.
         return Bisect([](double v) { return 3 * v * v / 2 - 5 * std::sin(0.7); }, 0, 100);
       }},
      {5, "v", {{'Q', 5}, {'m', 2}, {'k', 1.3}, {'t', 2.1}, {'z', 0.5}}, [] {
         return Rk4([](double t, double) { return 5 * std::sin(1.3 * t) * std::cos(0.5) / 2; },
                    0, 0, 2.1);
       }},
      {6, "X", {{'w', 20}}, [] {
         const double fr = 400 / g;  // f R from v1^2 = f g R
         return std::sqrt(fr / 4 * g);
       }},
      {7, "N", {{'m', 2}, {'R', 3}, {'Q', 5}, {'t', 1.5}, {'z', 0.6}}, [] {
         const double v = Rk4([](double, double) { return 5 * std::cos(0.6) / 2; }, 0, 0, 1.5);
         return std::hypot(2 * v * v / 3 - 5 * std::sin(0.6), 2 * g);
       }},
      {8, "v", {{'K', 2}, {'J', 0.5}, {'V', 10}}, [] {
         return Bisect([](double v) { return 0.5 * v * v - 2 * 10; }, 0, 100);
       }},
      {9, "t", {{'m', 1000}, {'k', 40}, {'s', 10}}, [] {
         const double v =
             Rk4([](double, double v) { return (3000 - 40 * v) / 1000; }, 0, 0, 10);
         return 1000 * v / 3000;
       }},
      {10, "Y", {{'m', 1000}, {'k', 40}, {'s', 10}}, [] {
         const double v =
             Rk4([](double, double v) { return (3000 - 40 * v) / 1000; }, 0, 0, 10);
         return Simpson([](double u) { return 1000 / (6000 - 40 * u); }, 0, v);
       }},
      {11, "S", {{'m', 1e5}, {'R', 500}, {'u', 10}}, [] {
         return Simpson([](double v) { return 1e5 * v / (500 * v * v); }, 5, 10);
       }},
      {12, "t", {{'m', 2000}, {'R', 20}, {'u', 15}, {'w', 5}}, [] {
         return Simpson([](double v) { return 2000 / (20 * v * v); }, 5, 15);
       }},
      {13, "t", {{'R', 50}, {'f', 0.5}, {'a', 1.2}}, [] {
         // Friction holds both accelerations until their resultant reaches f g.
         return Bisect(
             [](double t) { return std::hypot(1.44 * t * t / 50, 1.2) - 0.5 * g; }, 0, 100);
       }},
      {14, "z", {{'u', 300}, {'H', 2000}}, [] {
         return Bisect(
             [](double a) {
               const double vy = 300 * std::sin(a);  // top of the flight: vy^2 = 2 g H
               return vy * vy / (2 * g) - 2000;
             },
             0, 1.5);
       }},
      {15, "S", {{'m', 1000}, {'u', 20}, {'R', 4000}}, [] {
         // m v dv / (k v) with k = R / v0: the speed cancels.
         return Simpson([](double) { return 1000 / (4000 / 20.0); }, 0, 20);
       }},
      {16, "t", {{'m', 1000}, {'u', 20}, {'R', 4000}}, [] {
         return Simpson([](double v) { return 1000 / (4000 * v / 20); }, 10, 20);
       }},
      {17, "v", {{'m', 80}, {'H', 100}, {'R', 600}}, [] {
         return std::sqrt(Rk4([](double, double) { return 2 * (80 * g - 600) / 80; }, 0, 0, 100));
       }},
      {18, "t", {{'W', 20}, {'U', 10}, {'f', 0.1}}, [] {
         const double traction = 20.0 / 10 + 0.1 * g;  // per unit of the empty mass
         return 20 / (traction / 2 - 0.1 * g);
       }},
      {20, "t", {{'q', 20}, {'T', 12000}, {'R', 500}, {'m', 1000}}, [] {
         const double down = (12000 + 500 - 1000 * g) / 1000, up = (12000 - 500 - 1000 * g) / 1000;
         // The initial speed v0 whose descent and climb back take tau together.
         const double v0 = Bisect(
             [&](double v) {
               return v / down + std::sqrt(2 * (v * v / (2 * down)) / up) - 20;
             },
             0, 1000);
         return v0 / down;
       }},
      {21, "t", {{'M', 500}, {'B', 200}, {'u', 5}, {'b', 2}, {'F', 3000}}, [] {
         const double k = (500 * (g - 2) - 3000) / 5.0;  // before the drop: m1 a0 = m1 g - F - k v0
         return Simpson([&](double v) { return 300 / (k * v - (300 * g - 3000)); }, 0, 5);
       }},
      {22, "Z", {{'w', 20}, {'S', 30}, {'f', 0.5}, {'z', 0.1}}, [] {
         const double r = 400 / (2 * 30.0) - g * 0.5;  // air resistance per unit mass
         return 400 / (2 * (g * (0.5 * std::cos(0.1) - std::sin(0.1)) + r));
       }},
      {23, "m", {{'M', 1000}, {'a', 1}, {'R', 200}}, [] {
         const double lift = 1000 * g - 200 - 1000 * 1;  // falling: M a = M g - T - R
         return Bisect([&](double m) { return (1000 - m) * 1 - (lift - 200 - (1000 - m) * g); },
                       0, 1000);
       }},
      {24, "m", {{'M', 1000}, {'H', 100}, {'u', 5}, {'b', 1}}, [] {
         const double up = 1000 * (g - 1);  // T + R from M a0 = M g - T - R
         return Bisect(
             [&](double m) {
               // Stops exactly at the ground: the deceleration is v0^2 / (2 H).
               return (up - (1000 - m) * g) - (1000 - m) * 25 / (2 * 100.0);
             },
             1, 999);
       }},
      {25, "Y", {{'s', 10}, {'M', 1000}, {'m', 500}}, [] {
         const double v0 =
             Rk4([](double, double v) { return (3000 - 100 * v) / 1000; }, 0, 0, 10);
         return Simpson([](double v) { return 1500 / (3000 - 100 * v); }, 0, v0);
       }},
      {26, "T", {{'m', 5000}, {'w', 25}, {'u', 15}, {'s', 20}}, [] {
         return Bisect(
             [](double traction) {
               const double k = traction / 25;  // top speed v1 = T / k
               return Simpson([&](double v) { return 5000 / (traction - k * v); }, 0, 15) - 20;
             },
             1000, 1e6);
       }},
      {27, "v", {{'m', 500}, {'T', 6000}, {'w', 5}, {'S', 1000}}, [] {
         const double tau = 1000 / 5.0;
         auto height = [&](double c) {
           return Rk4([&](double t, double) { return ((6000 - 500 * g) * t - c * t * t / 2) / 500; },
                      0, 0, tau);
         };
         const double c = Bisect(height, 1e-6, 100);
         return std::fabs(((6000 - 500 * g) * tau - c * tau * tau / 2) / 500);
       }},
      {28, "v", {{'u', 10}, {'s', 10}, {'f', 0.05}}, [] {
         const double traction = 10.0 / 10 + 0.05 * g;
         return (traction / 1.5 - 0.05 * g) * 10;
       }},
      {29, "v", {{'M', 500}, {'T', 6000}, {'H', 200}}, [] {
         auto v2 = [](double c, double h) {  // lift T0 - c h
           return 2 * Simpson([&](double y) { return 6000 - c * y - 500 * g; }, 0, h, 200) / 500;
         };
         const double c = Bisect([&](double c) { return v2(c, 200); }, 1e-6, 1000);
         return std::sqrt(v2(c, 100));
       }},
      {30, "D", {{'M', 500}, {'m', 200}, {'u', 5}, {'b', 2}, {'F', 3000}}, [] {
         const double k = (500 * (g - 2) - 3000) / 5.0;
         return Simpson([&](double v) { return 300 * v / (k * v - (300 * g - 3000)); }, 0, 5);
       }},
      {31, "v", {{'b', 2}, {'F', 5000}, {'k', 10}, {'H', 100}}, [] {
         const double m = 5000 / (2 + g);  // lift-off: m a0 = F0 - m g
         return std::sqrt(
             2 * Simpson([&](double h) { return 5000 - 10 * h - m * g; }, 0, 100) / m);
       }},
      {32, "v", {{'F', 10}, {'L', 2}, {'H', 0.3}, {'m', 1}}, [] {
         // The thread between the load and the ring shortens from L to H.
         return std::sqrt(2 * 10 * (2 - 0.3) / 1);
       }},
      {33, "v", {{'m', 2}, {'k', 50}, {'c', 0.3}, {'u', 3}, {'y', 0.2}}, [] {
         // d(v^2)/dy = -(2/m)(k y + c v^2) below the static equilibrium.
         return std::sqrt(Rk4([](double y, double w) { return -(50 * y + 0.3 * w); }, 0, 9, 0.2));
       }},
  };
  for (const Case& c : cases) {
    Point p;
    for (const auto& [letter, value] : c.data) p.Set(letter, value);
    const double expected = c.expected();
    EXPECT_NEAR(Printed(c.problem, c.asked, p), expected, 1e-6 * (1 + std::fabs(expected)))
        << "problem " << c.problem;
  }
  // 19: the speed v is the car's; corners by arcs of the least radius r = v^2/(f g), which
  // pass through the square's corners while r <= a/sqrt(2), else one circle of radius r.
  const auto equations = Equations(std::string(PointMotionProblemOf(19).Answer));
  ASSERT_EQ(equations.size(), 2u);
  for (const double v : {5.0, 12.0}) {
    Point p;
    p.Set('a', 20);
    p.Set('f', 0.6);
    p.Set('v', v);
    p.Set('g', g);
    const double r = v * v / (0.6 * g);
    const bool rounded = r <= 20 / std::sqrt(2.0);
    const double length = rounded ? 4 * (20 - std::sqrt(2.0) * r) + 2 * pi * r : 2 * pi * r;
    EXPECT_NEAR(static_cast<double>(tex_formula::Formula(equations[rounded ? 0 : 1].second)(p)),
                length / v, 1e-9)
        << "problem 19 at v = " << v;
  }
}

}  // namespace
}  // namespace dynamics
