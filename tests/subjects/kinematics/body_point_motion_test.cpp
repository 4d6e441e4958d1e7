#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::RunOne;

constexpr double kPi = std::numbers::pi;

// The numbers of a statement in reading order ("^2" exponents are not data).
std::vector<double> NumbersIn(std::string text) {
  for (std::size_t at; (at = text.find("^2")) != std::string::npos;) text.erase(at, 2);
  std::vector<double> out;
  for (std::size_t i = 0; i < text.size();) {
    if (std::isdigit(static_cast<unsigned char>(text[i]))) {
      std::size_t j = i;
      while (j < text.size() &&
             (std::isdigit(static_cast<unsigned char>(text[j])) ||
              (text[j] == '.' && j + 1 < text.size() &&
               std::isdigit(static_cast<unsigned char>(text[j + 1])))))
        ++j;
      out.push_back(std::stod(text.substr(i, j - i)));
      i = j;
    } else {
      ++i;
    }
  }
  return out;
}

// The x at which the monotone f reaches target, by bisection on (lo, hi); hi doubles until the
// target is bracketed.
double SolveFor(const std::function<double(double)>& f, double target, double lo = 1e-9,
                double hi = 1) {
  const bool rising = f(2 * hi) > f(hi / 2);
  auto below = [&](double x) { return rising ? f(x) < target : f(x) > target; };
  for (int i = 0; i < 200 && below(hi); ++i) hi *= 2;
  for (int i = 0; i < 300; ++i) {
    const double mid = 0.5 * (lo + hi);
    (below(mid) ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

// The acceleration of a point at r on a body turning with omega and eps: normal and
// tangential parts added as vectors.
double Accel(double r, double omega, double eps) {
  const double an = omega * omega * r, at = eps * r;
  return std::sqrt(an * an + at * at);
}

// Angle turned from rest with constant eps after t.
double AngleFromRest(double eps, double t) { return eps * t * t / 2; }

struct Answer {
  double value = 0;  // in cm, cm/s, cm/s^2, rad/s, rad/s^2, s or turns
  bool metres = false;
  bool ok = false;
};

Answer ReadAnswer(const std::string& row) {
  Answer a;
  const std::size_t eq = row.find('=');
  if (eq == std::string::npos) return a;
  std::size_t i = eq + 1;
  while (i < row.size() && (row[i] == ' ' || row[i] == '$')) ++i;
  std::size_t used = 0;
  a.value = std::stod(row.substr(i), &used);
  const std::string rest = row.substr(i + used);
  if (rest.rfind("\\cdot10^{-2}", 0) == 0) a.value *= 0.01;
  a.metres = rest.find("~м/с") != std::string::npos;
  if (a.metres) a.value *= 100;
  a.ok = true;
  return a;
}

// The asked value solved from the printed data of problem (p1, p2); nan when the case is not
// one of the catalogue's.
struct Expected {
  double value;
  bool switches_unit;  // a velocity or acceleration: printed in m when 100 cm or more
};

Expected Solve(int p1, int p2, const std::vector<double>& n) {
  const double nan = std::nan("");
  switch (p1) {
    case 1: {
      if (p2 == 1) {  // eps, t, a -> R
        const double eps = n[0], t = n[1], a = n[2];
        return {SolveFor([&](double R) { return Accel(R, eps * t, eps); }, a), false};
      }
      if (p2 == 2) {  // eps, r, t -> a
        const double eps = n[0], r = n[1], t = n[2];
        return {Accel(r, eps * t, eps), true};
      }
      const double t = n[0], r = n[1], a = n[2];  // -> eps
      return {SolveFor([&](double e) { return Accel(r, e * t, e); }, a), false};
    }
    case 2: {
      if (p2 == 1) {  // eps, r, a -> omega
        const double eps = n[0], r = n[1], a = n[2];
        return {SolveFor([&](double w) { return Accel(r, w, eps); }, a), false};
      }
      if (p2 == 2) {  // eps, v, r -> a
        return {Accel(n[2], n[1] / n[2], n[0]), true};
      }
      const double eps = n[0], w = n[1], a = n[2];  // -> R
      return {SolveFor([&](double R) { return Accel(R, w, eps); }, a), false};
    }
    case 3: {
      if (p2 == 1) {  // t, a, omega -> R (eps = omega / t from rest)
        const double t = n[0], a = n[1], w = n[2];
        return {SolveFor([&](double R) { return Accel(R, w, w / t); }, a), false};
      }
      if (p2 == 2) {  // r, t, omega -> a
        return {Accel(n[0], n[2], n[2] / n[1]), true};
      }
      const double a = n[0], w = n[1], R = n[2];  // -> t
      return {SolveFor([&](double t) { return Accel(R, w, w / t); }, a, 1e-9, 1), false};
    }
    case 4: {  // t, r, a: eps from the point's acceleration
      const double t = n[0], r = n[1], a = n[2];
      const double eps = SolveFor([&](double e) { return Accel(r, e * t, e); }, a);
      if (p2 == 1) return {AngleFromRest(eps, t) / (2 * kPi), false};
      if (p2 == 2) return {r * eps * t, true};
      return {eps * t, false};
    }
    case 5:
    case 8: {  // N, t (5) or eps, N (8)
      double eps, t;
      if (p1 == 5) {
        const double N = n[0];
        t = n[1];
        eps = SolveFor([&](double e) { return AngleFromRest(e, t); }, 2 * kPi * N);
      } else {
        eps = n[0];
        const double N = n[1];
        t = SolveFor([&](double x) { return AngleFromRest(eps, x); }, 2 * kPi * N);
      }
      const double w = eps * t;
      if (p2 == 1) return {w * n[2], true};
      if (p2 == 2) return {Accel(n[2], w, eps), true};
      const double a = p1 == 8 ? 100 * n[2] : n[2];
      return {SolveFor([&](double R) { return Accel(R, w, eps); }, a), false};
    }
    case 6: {  // N, t at constant omega
      const double w = 2 * kPi * n[0] / n[1];
      if (p2 == 1) return {w * n[2], true};
      if (p2 == 2) return {Accel(n[2], w, 0), true};
      return {SolveFor([&](double R) { return Accel(R, w, 0); }, n[2]), false};
    }
    case 7: {
      if (p2 == 1) {  // N, omega -> t from rest
        const double N = n[0], w = n[1];
        return {SolveFor([&](double t) { return AngleFromRest(w / t, t); }, 2 * kPi * N), false};
      }
      const double w = n[0], N = n[1];
      const double t = SolveFor([&](double x) { return AngleFromRest(w / x, x); }, 2 * kPi * N);
      const double eps = w / t;
      if (p2 == 2) return {Accel(n[2], w, eps), true};
      return {SolveFor([&](double R) { return Accel(R, w, eps); }, n[2]), false};
    }
    case 9: {  // omega = k t^2, eps = 2 k t
      if (p2 == 1) {  // t, eps, R
        const double t = n[0], eps = n[1], R = n[2];
        const double k = SolveFor([&](double kk) { return 2 * kk * t; }, eps);
        return {Accel(R, k * t * t, eps), true};
      }
      const double t = n[0], a = n[1], R = n[2], T = n[3];  // -> omega or eps at T
      const double k = SolveFor([&](double kk) { return Accel(R, kk * t * t, 2 * kk * t); }, a);
      return {p2 == 2 ? k * T * T : 2 * k * T, false};
    }
    case 10: {  // omega0, N: braking halves omega0 over N turns
      const double w0 = n[0], N = n[1];
      auto angle_to_half = [&](double e) {
        const double t = (w0 / 2) / e;
        return w0 * t - e * t * t / 2;
      };
      const double eps = SolveFor(angle_to_half, 2 * kPi * N);
      if (p2 == 1) return {w0 / eps, false};
      if (p2 == 2) return {eps, false};
      return {(2 * w0 / 3) / eps, false};
    }
    default:
      return {nan, false};
  }
}

TEST(BodyPointMotion, AnswersFollowFromTheTurningBody) {
  int checked = 0;
  kinematics_check::ForEachSample(
      {10, 3, 9, 10, 1, 1, 1}, 2700,
      [&](const auto& p, int level) {
        const auto v = RunOne(5, p, level);
        const Expected e = Solve(p[0], p[1], NumbersIn(v.main));
        const Answer a = ReadAnswer(v.answers);
        ASSERT_TRUE(a.ok) << v.answers;
        const double tol = 0.0101 + 1e-6 * std::abs(e.value);
        EXPECT_NEAR(a.value, e.value, tol * (a.metres ? 100 : 1))
            << kinematics_check::Describe(p) << "\n" << v.main << "\n" << v.answers;
        EXPECT_EQ(a.metres, e.switches_unit && e.value >= 100 - 1e-6)
            << kinematics_check::Describe(p) << " " << v.answers << " " << e.value;
        ++checked;
      },
      // Levels 1, 2 and 10 (this row does not read Level).
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 2700 * 2)) << checked;
  for (int p1 = 1; p1 <= 10; ++p1) {
    const auto v = RunOne(5, {p1, 3, 9, 10, 1, 1, 1}, 10);
    EXPECT_NEAR(ReadAnswer(v.answers).value,
                Solve(p1, 3, NumbersIn(v.main)).value,
                0.0101 + 1e-6 * std::abs(ReadAnswer(v.answers).value) * 100);
  }
}

TEST(BodyPointMotion, GoldenLines) {
  // Outside the catalogue only the row head and the spacing are written.
  auto v = RunOne(5, {11, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(v.main, "\\vskip3mm");
  EXPECT_EQ(v.answers, "{\\bf    1.} & $");

  // Braking flywheel: omega0 = 15 rad/s (with its unit), N = 15 turns.
  v = RunOne(5, {10, 2, 1, 1, 1, 1, 1});
  EXPECT_EQ(v.main,
            " Имея угловую скорость $\\omega=$15~рад/c, маховик начинает  равномерно тормозить "
            "($\\varepsilon=const$). После 15 оборотов его угловая скорость уменьшается "
            "вдвое.\r\n Найти  угловое ускорение маховика.\\vskip3mm");
  EXPECT_EQ(v.answers, "{\\bf    1.} & $ \\varepsilon=0.9$~рад/c$^2$");

  // The acceleration is given in m/s^2 and R answered in cm.
  v = RunOne(5, {8, 3, 3, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("в этот момент равно 30~м/c$^2$~?"), std::string::npos) << v.main;
  EXPECT_NE(v.answers.find("$~cм. "), std::string::npos) << v.answers;

  // omega = k t^2 asked at t = P4, not at the t of the statement.
  v = RunOne(5, {9, 2, 1, 4, 1, 1, 1});
  EXPECT_NE(v.main.find(" Через $0.6 c$ ускорение"), std::string::npos) << v.main;
  EXPECT_NE(v.main.find(" угловую скорость  колеса при $t=4$~c.\r\n"), std::string::npos);

  // The body-spin-up data lines with their fixed-width fields.
  v = RunOne(5, {4, 2, 2, 3, 1, 1, 1});
  EXPECT_EQ(v.main,
            " Твердое тело вращается вокруг неподвижной оси  с постоянным угловым ускорением. "
            "Через 2~c после начала движения ускорение точки M, лежащей на\r\n"
            " расстоянии  24~см от оси, достигает    3~см/с$^2$.\r\n"
            " Найти скорость точки М в этот момент.\r\n\\vskip3mm");
}

TEST(BodyPointMotion, UnitSwitchAtOneMetre) {
  // No parameter set gives exactly 100 cm/s^2 (the sweep checks the switch on every answer):
  // one answer of each unit.
  const struct {
    kinematics_check::Params p;
    const char* answer;
  } cases[] = {
      {{6, 2, 9, 1, 1, 1, 1}, " a   =5.87$~м/с$^2$. "},
      {{5, 2, 9, 10, 1, 1, 1}, " a   =15.8$~см/с$^2$. "},
  };
  for (const auto& c : cases) {
    const auto v = RunOne(5, c.p);
    EXPECT_EQ(v.answers, std::string("{\\bf    1.} & $") + c.answer);
  }
}

TEST(BodyPointMotion, KeyCarriesThePrintedNumber) {
  auto s = testing_support::NewState();
  s->SubjectIndex = 6;
  s->FirstNumber = 21;
  const auto& table = shell::DefaultSubjectTable();
  shell::BeginSubjectProblem(*s, 5, table);
  testing_support::SetVariant(*s, 3, {1, 1, 1, 1, 1, 1, 1});
  const std::size_t a0 = testing_support::AnsText(*s).size();
  shell::WriteSubjectVariant(*s, 5, table);
  EXPECT_EQ(testing_support::AnsText(*s).substr(a0, 13), "{\\bf   23.} &");
}

}  // namespace
