#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::RunOne;

constexpr double kPi = std::numbers::pi;

// The right sides of a printed answer "$x=f, \ y=g.$", each read by the shared evaluator with
// the Greek letters as single letters: alpha p, beta q (bracketed as function arguments),
// omega w.
std::vector<std::string> RightSides(const std::string& answers) {
  std::string t = answers.substr(answers.find(".} ") + 3);
  t = t.substr(0, t.rfind(" \\\\ "));
  auto replace = [&](const std::string& from, const std::string& to) {
    for (std::size_t at; (at = t.find(from)) != std::string::npos;) t.replace(at, from.size(), to);
  };
  replace("$", "");
  replace("\\sin4\\alpha", "\\sin(4p)");
  replace("\\alpha", "(p)");
  replace("\\beta", "(q)");
  replace("\\omega", "w");
  std::vector<std::string> out;
  std::size_t from = 0;
  for (;;) {
    const std::size_t eq = t.find('=', from);
    if (eq == std::string::npos) break;
    std::size_t end = t.find(", \\ ", eq);
    std::string rhs = t.substr(eq + 1, end == std::string::npos ? std::string::npos : end - eq - 1);
    while (!rhs.empty() && (rhs.back() == '.' || rhs.back() == ' ')) rhs.pop_back();
    out.push_back(rhs);
    if (end == std::string::npos) break;
    from = end + 3;
  }
  return out;
}

double Eval(const std::string& formula, const std::map<char, double>& values) {
  const tex_formula::Formula f(formula, 'x');
  tex_formula::Point p;
  for (const auto& [c, v] : values) p.Set(c, v);
  return static_cast<double>(f(p));
}

// d/dt and d2/dt2 of f at t0.
std::pair<double, double> Rates(const std::function<double(double)>& f, double t0) {
  const double h = 1e-4;
  const double q[5] = {f(t0 - 2 * h), f(t0 - h), f(t0), f(t0 + h), f(t0 + 2 * h)};
  return {(q[0] - 8 * q[1] + 8 * q[3] - q[4]) / (12 * h),
          (-q[0] + 16 * q[1] - 30 * q[2] + 16 * q[3] - q[4]) / (12 * h * h)};
}

// Angle of the vector (x, y), continuous near the positions checked here.
double Angle(double x, double y) { return std::atan2(y, x); }

TEST(DifferentTopics, MendedAnswersAgreeWithTheMechanismInItsPosition) {
  // 1. Slider A on the horizontal guide at speed v, slider B on the guide inclined at beta,
  // rod AB of length l at alpha: the rod's angle as A moves, differentiated.
  {
    const double l = 2.3, v = 1.7, beta = 0.9, alpha = 0.4;
    // B = A + l (cos a, sin a) on the line through the origin at beta: given A's abscissa x,
    // sin(beta - a) l = x sin(beta) fixes a.
    const double x0 = l * std::sin(beta - alpha) / std::sin(beta);
    auto rod_angle = [&](double t) {
      const double x = x0 + v * t;
      return beta - std::asin(x * std::sin(beta) / l);
    };
    const double omega = std::abs(Rates(rod_angle, 0).first);
    const auto rhs = RightSides(RunOne(23, {1, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 1u);
    EXPECT_NEAR(Eval(rhs[0], {{'v', v}, {'l', l}, {'p', alpha}, {'q', beta}}), omega, 1e-6);
  }
  // 7. v_A = 2v at 60 degrees to AB, v_B = v: the projections on AB agree (2v cos 60 = v), so
  // v_B lies along AB, and the middle of a rigid segment moves with the mean velocity.
  {
    const double v = 1.3;
    const double vax = 2 * v * std::cos(kPi / 3), vay = 2 * v * std::sin(kPi / 3);
    const double vbx = v, vby = 0;
    const double vc = std::hypot((vax + vbx) / 2, (vay + vby) / 2);
    const auto rhs = RightSides(RunOne(23, {7, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 1u);
    EXPECT_NEAR(Eval(rhs[0], {{'v', v}}), vc, 1e-9);
  }
  // 13. Crank OB = l at constant omega, wheel of radius r rolling on the fixed wheel of radius
  // l - r; C the point of the moving wheel farthest from O.
  {
    const double l = 3.0, r = 1.2, w = 0.8;
    const double R = l - r;
    auto point = [&](double t, int c) {
      const double crank = w * t;
      const double spin = crank * (1 + R / r);  // rolling: R crank = r (spin - crank)
      const double x = l * std::cos(crank) + r * std::cos(spin);
      const double y = l * std::sin(crank) + r * std::sin(spin);
      return c == 0 ? x : y;
    };
    const double ax = Rates([&](double t) { return point(t, 0); }, 0).second;
    const double ay = Rates([&](double t) { return point(t, 1); }, 0).second;
    const auto rhs = RightSides(RunOne(23, {13, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 1u);
    EXPECT_NEAR(Eval(rhs[0], {{'w', w}, {'l', l}, {'r', r}}), std::hypot(ax, ay), 1e-4);
  }
  // 17. The sleeve C slides along OA at v; rod BC (B fixed at distance b from O) keeps its
  // length. OA is upright when OC = b tan(alpha).
  {
    const double b = 2.0, v = 0.7, alpha = 0.6;
    const double rho0 = b * std::tan(alpha);
    const double L = std::hypot(b, rho0);
    // rho^2 - 2 b rho cos(theta) + b^2 = L^2 gives theta for rho = rho0 + v t.
    auto theta = [&](double t) {
      const double rho = rho0 + v * t;
      return std::acos((rho * rho + b * b - L * L) / (2 * b * rho));
    };
    const auto [om, eps] = Rates(theta, 0);
    const auto rhs = RightSides(RunOne(23, {17, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 2u);
    EXPECT_NEAR(Eval(rhs[0], {{'v', v}, {'b', b}, {'p', alpha}}), std::abs(om), 1e-6);
    EXPECT_NEAR(Eval(rhs[1], {{'v', v}, {'b', b}, {'p', alpha}}), std::abs(eps), 1e-4);
  }
  // 21 and 24. OA turns at omega about O with C fixed on it at OC = c; the rod through C and
  // the hinged sleeve (or the rod hinged at B through the sleeve C) points from B at distance
  // b to C; OA upright, tan(alpha) = c / b.
  for (int problem : {21, 24}) {
    const double b = 2.0, c = 1.5, w = 0.9;
    const double alpha = std::atan(c / b);
    auto rod = [&](double t) {
      const double th = kPi / 2 + w * t;
      return Angle(c * std::cos(th) - b, c * std::sin(th));
    };
    const auto [om, eps] = Rates(rod, 0);
    const auto rhs = RightSides(RunOne(23, {problem, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 2u) << problem;
    EXPECT_NEAR(Eval(rhs[0], {{'w', w}, {'p', alpha}}), std::abs(om), 1e-6) << problem;
    EXPECT_NEAR(Eval(rhs[1], {{'w', w}, {'p', alpha}}), std::abs(eps), 1e-4) << problem;
  }
  // 16 (unchanged, the same sleeve as 17): rod BC turning at omega gives OA omega and
  // omega^2 ctg(alpha).
  {
    const double b = 2.0, w = 0.7, alpha = 0.6;
    const double L = b / std::cos(alpha);
    const double phi0 = kPi - alpha;  // BC's direction from B
    auto oa = [&](double t) {
      const double phi = phi0 - w * t;
      return Angle(b + L * std::cos(phi), L * std::sin(phi));
    };
    const auto [om, eps] = Rates(oa, 0);
    const auto rhs = RightSides(RunOne(23, {16, 1, 1, 1, 1, 1, 1}).answers);
    ASSERT_EQ(rhs.size(), 2u);
    EXPECT_NEAR(Eval(rhs[0], {{'w', w}, {'p', alpha}}), std::abs(om), 1e-6);
    EXPECT_NEAR(Eval(rhs[1], {{'w', w}, {'p', alpha}}), std::abs(eps), 1e-4);
  }
}

TEST(DifferentTopics, GoldenLines) {
  // Problem 11: one statement line ending in two blanks, then text without a line end, then the
  // line that closes the box.
  auto v = RunOne(23, {11, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("\\\\ \\vfill\\noindent\\parbox[b]{220pt}{ Колесо радиуса $R$ катится без "
                        "проскальзывания так, что  \r\n вектор ускорения некоторой точки на его "
                        "ободе горизонтален и равен $3a$,  где $a$ -- ускорение центра колеса. "
                        "Найти  скорость центра колеса.}\\vskip10pt\r\n"),
            std::string::npos)
      << v.main;
  EXPECT_EQ(v.answers, "{\\bf    1.} $v=\\sqrt{\\sqrt{3}aR}$ \\\\ ");

  const struct {
    int p1;
    const char* answer;
  } mended[] = {
      {1, "$  \\omega=v\\sin\\beta/(l\\cos(\\alpha-\\beta))$"},
      {7, "$v_c=v\\sqrt{7}/2$"},
      {13, "$a_c=\\omega^2l(1+l/r)$"},
      {17, "$\\omega_{OA}=v/b, \\ \\varepsilon_{OA}=(v/b)^2\\mbox{ctg}\\alpha.$"},
      {21, "$\\omega_{CD}=\\omega\\sin^2\\alpha, \\ \\varepsilon_{CD}=(\\omega/2)^2\\sin4\\alpha.$"},
      {24, "$\\omega_{DB}=\\omega\\sin^2\\alpha, \\ \\varepsilon_{BD}= (\\omega/2)^2\\sin4\\alpha.$"},
  };
  for (const auto& m : mended) {
    EXPECT_EQ(RunOne(23, {m.p1, 1, 1, 1, 1, 1, 1}).answers,
              std::string("{\\bf    1.} ") + m.answer + " \\\\ ");
  }
  // Problem 24 runs its first sentence into the next line.
  v = RunOne(23, {24, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("скоростью $\\omega$. Муфта C,"), std::string::npos) << v.main;
}

TEST(DifferentTopics, EveryProblemClosesWhatItOpens) {
  for (int p1 = 1; p1 <= 30; ++p1) {
    const auto v = RunOne(23, {p1, 1, 1, 1, 1, 1, 1});
    auto count = [&](const std::string& what) {
      int n = 0;
      for (std::size_t at = 0; (at = v.main.find(what, at)) != std::string::npos; ++at) ++n;
      return n;
    };
    EXPECT_EQ(count("\\begin{picture}"), count("\\end{picture}")) << p1;
    EXPECT_EQ(count("\\parbox[b]{220pt}{"), 1) << p1;
    EXPECT_EQ(count("{"), count("}")) << p1;
    EXPECT_TRUE(v.main.ends_with("}\\vskip10pt\r\n")) << p1;
  }
  // Outside the catalogue: the row head and the row end only, nothing opened.
  const auto v = RunOne(23, {31, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(v.main, "");
  EXPECT_EQ(v.answers, "{\\bf    1.}  \\\\ ");
}

}  // namespace
