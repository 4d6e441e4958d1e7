#include "subjects/dynamics/hamilton_equations.h"

#include <gtest/gtest.h>

#include <array>
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

testing_support::RunTexts RunRow(const std::vector<VariantParams>& variants, int first = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 29, variants);
}

TEST(HamiltonEquationsTest, EqualKindsGiveEqualVariantsAndParagraphs) {
  const auto run = RunRow({{7, 1, 1, 1, 1, 1, 1}, {7, 4, 4, 2, 1, 33, 32}}, 3);
  EXPECT_EQ(run.answers,
            "\\noindent{\\bf 3.}\\\\   $L=(1/2)\\dot x^2(m_1+m_2\\ctg^2\\alpha)+m_2gx\\ctg\\alpha,$"
            "\\\\   $\\dot x=p/(m_1+m_2\\ctg^2\\alpha),$ \\\\ $\\dot p=m_2g\\ctg\\alpha$ \\\\"
            "\\noindent{\\bf 4.}\\\\   $L=(1/2)\\dot x^2(m_1+m_2\\ctg^2\\alpha)+m_2gx\\ctg\\alpha,$"
            "\\\\   $\\dot x=p/(m_1+m_2\\ctg^2\\alpha),$ \\\\ $\\dot p=m_2g\\ctg\\alpha$ \\\\");
  // The two variant boxes hold the same figure and statement.
  const std::string& main = run.main;
  const auto first = main.find("\\begin{picture}");
  const auto second = main.find("\\begin{picture}", first + 1);
  ASSERT_NE(second, std::string::npos);
  const auto end1 = main.find("\\vskip 6mm", first), end2 = main.find("\\vskip 6mm", second);
  EXPECT_EQ(main.substr(first, end1 - first), main.substr(second, end2 - second));
  EXPECT_NE(main.find("\\hfill\\parbox[b]{182pt}{\\small\r\n Груз массой $m_1$"), std::string::npos);
  EXPECT_THROW(HamiltonEquationsAnswerOf(11), toolkit::IndexRangeError);
}

// The answers of a problem set stand in one \parbox, which cannot break across pages: every
// twelfth paragraph starts a new box.
TEST(HamiltonEquationsTest, LongAnswerSetsAreSplitIntoBoxes) {
  const auto run = RunRow(std::vector<VariantParams>(25, VariantParams{1, 1, 1, 1, 1, 1, 1}));
  std::size_t boxes = 0;
  for (std::size_t at = 0; (at = run.answers.find("}\\par \\parbox{430pt}{", at)) !=
                           std::string::npos;
       ++at) {
    ++boxes;
  }
  EXPECT_EQ(boxes, 2u);
  EXPECT_NE(run.answers.find("\\parbox{430pt}{\\noindent{\\bf 13.}"), std::string::npos);
  EXPECT_NE(run.answers.find("\\parbox{430pt}{\\noindent{\\bf 25.}"), std::string::npos);
}

// Printed names as letters: phi f, its rate w, the momentum's rate P, m_1 K, m_2 J, alpha z.
std::string Letters(std::string text, bool coordinate_x) {
  std::vector<std::pair<std::string, std::string>> names = {
      {"\\sin2\\varphi", "\\sin(2f)"}, {"\\sin 2\\varphi", "\\sin(2f)"}, {"\\dot\\varphi", " w "},
      {"\\varphi", " f "},            {"\\dot x", " w "},               {"\\dot p", "P"},
      {"m_1", "K"},                   {"m_2", "J"},                     {"\\alpha", " z "}};
  for (const auto& [from, to] : names) {
    for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
      text.replace(at, from.size(), to);
    }
  }
  if (coordinate_x) {
    for (char& c : text) {
      if (c == 'x') c = 'f';
    }
  }
  return text;
}

// The answer's three equations: L, the coordinate's rate and the momentum's rate.
std::array<std::string, 3> Equations(const std::string& answers, bool coordinate_x) {
  std::array<std::string, 3> out;
  std::size_t at = answers.find(".}\\\\ ");
  int k = 0;
  while (k < 3 && (at = answers.find('$', at)) != std::string::npos) {
    const std::size_t end = answers.find('$', at + 1);
    std::string math = answers.substr(at + 1, end - at - 1);
    at = end + 1;
    while (!math.empty() && (math.back() == ',' || math.back() == '.' || math.back() == ' ')) {
      math.pop_back();
    }
    const auto eq = math.find('=');
    if (eq == std::string::npos) continue;
    out[k++] = Letters(math.substr(eq + 1), coordinate_x);
  }
  return out;
}

constexpr double g = 9.81, m = 2, R = 0.7, a = 1.3, F = 3, M = 1.7, h = 0.8;
constexpr double m1 = 3, m2 = 1.5, alpha = 0.6;

using Position = std::function<std::pair<double, double>(double)>;

// Squared speed of a point at coordinate q per unit coordinate rate, by central differences.
double SpeedSquared(const Position& r, double q) {
  const double e = 1e-6;
  const auto [x1, y1] = r(q + e);
  const auto [x0, y0] = r(q - e);
  return (std::pow(x1 - x0, 2) + std::pow(y1 - y0, 2)) / (4 * e * e);
}

// L = T - V of each mechanism written from its statement and figure: positions of the bodies
// as functions of the coordinate, T from their speeds, V from the weights, the force (in the
// direction drawn) and the couple.
double Lagrangian(int kind, double q, double w) {
  const double ctg = 1 / std::tan(alpha);
  switch (kind) {
    case 1: {  // rolling cylinder, force down at the rod's end
      const Position centre = [](double f) { return std::pair{-R * f, R}; };
      const double t = 0.5 * m * SpeedSquared(centre, q) * w * w + 0.25 * m * R * R * w * w;
      return t - F * (R + a * std::sin(q));
    }
    case 2: {  // slider A on the floor, slider B on the wall, force down on B
      const Position slider = [](double f) { return std::pair{-a * std::cos(f), 0.0}; };
      return 0.5 * m * SpeedSquared(slider, q) * w * w - F * a * std::sin(q);
    }
    case 3: {  // rod over the edge, slider at distance a, couple M
      const Position slider = [](double f) { return std::pair{a, a * std::tan(f)}; };
      return 0.5 * m * SpeedSquared(slider, q) * w * w - m * g * a * std::tan(q) + M * q;
    }
    case 4: {  // mass at hinge A, force on slider B towards O
      const Position hinge = [](double f) { return std::pair{a * std::cos(f), a * std::sin(f)}; };
      return 0.5 * m * SpeedSquared(hinge, q) * w * w - m * g * a * std::sin(q) -
             F * 2 * a * std::cos(q);
    }
    case 5: {  // crank and piston, couple M
      const Position piston = [](double f) { return std::pair{0.0, a * std::sin(f)}; };
      return 0.5 * m * SpeedSquared(piston, q) * w * w - m * g * a * std::sin(q) + M * q;
    }
    case 6: {  // parallelogram and horizontal rod, couple M
      const Position rod = [](double f) { return std::pair{a * std::cos(f), 0.0}; };
      return 0.5 * m * SpeedSquared(rod, q) * w * w + M * q;
    }
    case 7: {  // load at x, wedge down the wall
      const Position wedge = [ctg](double x) { return std::pair{0.0, -x * ctg}; };
      return 0.5 * m1 * w * w + 0.5 * m2 * SpeedSquared(wedge, q) * w * w - m2 * g * (-q * ctg);
    }
    case 8: {  // mass on the rim of a weightless rolling cylinder
      const Position point = [](double f) {
        return std::pair{-R * f + R * std::cos(f), R + R * std::sin(f)};
      };
      return 0.5 * m * SpeedSquared(point, q) * w * w - m * g * (R + R * std::sin(q));
    }
    case 9: {  // two rolling cylinders, force on axle A towards the wall
      const Position axle_a = [](double f) { return std::pair{-a * std::cos(f), 0.0}; };
      const Position axle_b = [](double f) { return std::pair{0.0, a * std::sin(f)}; };
      const double t = 0.75 * m * (SpeedSquared(axle_a, q) + SpeedSquared(axle_b, q)) * w * w;
      return t - m * g * a * std::sin(q) + F * (-a * std::cos(q));
    }
    default: {  // block pushed by the rod over its edge at height h, force down at B
      const Position block = [](double f) { return std::pair{h / std::tan(f), h}; };
      return 0.5 * m * SpeedSquared(block, q) * w * w - F * a * std::sin(q);
    }
  }
}

TEST(HamiltonEquationsTest, PrintedEquationsFollowFromEachDrawnMechanism) {
  for (int kind = 1; kind <= 10; ++kind) {
    const auto run = RunRow({{kind, 1, 1, 1, 1, 1, 1}});
    const auto eq = Equations(run.answers, kind == 7);
    const tex_formula::Formula printed_l(eq[0]), rate(eq[1]), momentum_rate(eq[2]);
    auto at = [](double q, double w, double p) {
      tex_formula::Point pt;
      for (const auto& [c, v] : std::initializer_list<std::pair<char, double>>{
               {'g', g}, {'m', m}, {'R', R}, {'a', a}, {'F', F}, {'M', M}, {'h', h},
               {'K', m1}, {'J', m2}, {'z', alpha}, {'f', q}, {'w', w}, {'p', p}}) {
        pt.Set(c, v);
      }
      return pt;
    };
    const double q0 = 0.5;
    for (const double q : {0.4, 0.7, 1.1}) {
      for (const double w : {-1.3, 0.6}) {
        // L up to a constant.
        const double printed = static_cast<double>(printed_l(at(q, w, 0)) - printed_l(at(q0, 0, 0)));
        const double derived = Lagrangian(kind, q, w) - Lagrangian(kind, q0, 0);
        EXPECT_NEAR(printed, derived, 1e-5 * (1 + std::fabs(derived))) << "kind " << kind;
      }
      for (const double p : {-0.9, 2.2}) {
        // qdot = dH/dp: the printed rate gives back p = dL/dqdot.
        const double w = static_cast<double>(rate(at(q, 0, p)));
        const double e = 1e-5;
        const double momentum =
            (Lagrangian(kind, q, w + e) - Lagrangian(kind, q, w - e)) / (2 * e);
        EXPECT_NEAR(momentum, p, 1e-5 * (1 + std::fabs(p))) << "kind " << kind;
        // pdot = -dH/dq = dL/dq at that rate.
        const double force = (Lagrangian(kind, q + e, w) - Lagrangian(kind, q - e, w)) / (2 * e);
        EXPECT_NEAR(static_cast<double>(momentum_rate(at(q, 0, p))), force,
                    1e-4 * (1 + std::fabs(force)))
            << "kind " << kind;
      }
    }
  }
}

}  // namespace
}  // namespace dynamics
