#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

// The law between " $x = " and the data line's end, and the instant.
struct Law {
  std::string x, y, t1;
};

Law ReadLaw(const std::string& main) {
  std::string m;
  for (char c : main) {
    if (c != '\r' && c != '\n') m += c;
  }
  const std::size_t end = m.find(",$ \\\\[3pt] $t_1=");
  std::string law = m.substr(m.find("$x = ") + 5, end - m.find("$x = ") - 5);
  const std::size_t sep = law.find('$');
  Law out;
  out.x = law.substr(0, sep);
  while (!out.x.empty() && (out.x.back() == ',' || out.x.back() == ' ')) out.x.pop_back();
  std::string rest = law.substr(sep);
  const std::size_t ys = rest.find('y');
  rest = rest.substr(rest.find('=', ys) + 1);
  out.y = rest;
  out.t1 = Between(m, "t_1=", ".$");
  return out;
}

TEST(CartesianFlat, GoldenLines) {
  const struct {
    std::array<int, 4> p;
    const char* line;
  } cases[] = {
      // Kind 1: P4 3 becomes 11, N = 2.
      {{1, 1, 1, 3},
       " $x = 2\\sin(2t),$ \\\\[2pt]$ y =3 +3\\cos(4t),$ \\\\[3pt] $t_1=11\\pi/12.$\r\n"},
      // Kind 4 with A = 10: no coefficient line before the bracket.
      {{4, 9, 1, 1},
       " $x = 10\\sin(2t),\r\n$ \\\\[2pt] $ y= -\r\n(9+\\cos^2(2t))\\sin(2t)\r\n,$ \\\\[3pt] "
       "$t_1= \\pi/12.$\r\n"},
      {{4, 2, 1, 1},
       " $x = 3\\sin(2t),\r\n$ \\\\[2pt] $ y= -\r\n0.3\r\n(9+\\cos^2(2t))\\sin(2t)\r\n,$ \\\\[3pt] "
       "$t_1= \\pi/12.$\r\n"},
      // Kind 23: no retry; P2 = 7, P4 = 2 retries once (A = 10); P2 = 1, P4 = 6 too.
      {{23, 1, 1, 1},
       " $x = 2\\cos(6t),$ \\\\[2pt] $y=4\\sin^2(3t),$ \\\\[3pt] $t_1= \\pi/12.$\r\n"},
      {{23, 7, 1, 2},
       " $x = 3\\cos(20t),$ \\\\[2pt] $y=4\\sin^2(10t),$ \\\\[3pt] $t_1= \\pi/9.$\r\n"},
      {{23, 1, 1, 6},
       " $x = 15\\cos(8t),$ \\\\[2pt] $y=4\\sin^2(4t),$ \\\\[3pt] $t_1=7\\pi/45.$\r\n"},
      // Kind 3 with P4 = 5: t1 = 0.5.
      {{3, 1, 1, 5}, " $x = 2e^{2t}+3,$\\\\[2pt]$ y=e^{4t}/2,$ \\\\[3pt] $t_1=0.5.$\r\n"},
      // Kind 5: the instant in a field of 3; 2/A reduced (A = 4: t/2).
      {{5, 1, 1, 4},
       " $x = 4e^{t/4}, \r\n$ \\\\[2pt] $ y= 4e^{t/4}(0.1e^{ t/2}-1)\r\n,$ \\\\[3pt] $t_1=  "
       "5.$\r\n"},
      // Kind 6 with A = B N: the first number of the numerator is left out.
      // Kind 8 with P4 = 1: t1 = 0.01 is printed as it is, not rounded to 0.
      {{8, 1, 1, 1},
       " $x = \\frac1{2}(4/(e^{2t} +1)+1),$ \\\\[2pt] $y=e^{2t}\r\n,$ \\\\[3pt] $t_1=0.01.$\r\n"},
      {{6, 1, 1, 1}, " $x = 1/(t +1),$ \\\\[2pt] $y=( -5t)/(t+1)^3\r\n,$ \\\\[3pt] $t_1=0.1.$\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunOne(1, {c.p[0], c.p[1], c.p[2], c.p[3], 1, 1, 1}).main, c.line) << c.p[0];
  }
  EXPECT_EQ(RunOne(1, {23, 7, 1, 2, 1, 1, 1}).p_after[1], 8);
  EXPECT_EQ(RunOne(1, {23, 1, 1, 6, 1, 1, 1}).p_after[1], 2);
  EXPECT_EQ(RunOne(1, {23, 1, 1, 6, 1, 1, 1}).p_after[3], 14);
  // A straight path prints an infinite radius.
  EXPECT_EQ(RunOne(1, {23, 1, 1, 1, 1, 1, 1}).answers,
            " $ 1$&$   -12.00$&$    12.00$&$    16.97$&$     0.00$&$     0.00$&$     0.00$&$     "
            "0.00$&$     0.00$&$ \\infty                              $");
}

TEST(CartesianFlat, AnswersFollowFromThePrintedLaw) {
  kinematics_check::ForEachSample({23, 10, 4, 10, 1, 1, 1}, 10000, [](const auto& p, int level) {
    const auto v = RunOne(1, p, level);
    const Law law = ReadLaw(v.main);
    const double t1 =
        static_cast<double>(tex_formula::Formula(kinematics_check::Normalize(law.t1), 't')(0.0));
    const auto x = kinematics_check::Differentiate(law.x, 't', t1, 1e-4);
    const auto y = kinematics_check::Differentiate(law.y, 't', t1, 1e-4);
    const double speed = std::hypot(x.d1, y.d1), acc = std::hypot(x.d2, y.d2);
    const double at = (x.d1 * x.d2 + y.d1 * y.d2) / speed;
    const double an = std::sqrt(std::max(0.0, acc * acc - at * at));
    const auto c = Cells(v.answers);
    ASSERT_EQ(c.size(), 10u) << v.answers;
    const double expected[] = {x.d1, y.d1, speed, x.d2, y.d2, acc, at, an};
    for (int i = 0; i < 8; ++i) {
      EXPECT_TRUE(kinematics_check::Agrees(c[i + 1], expected[i], 2, 1e-6))
          << kinematics_check::Describe(p) << " cell " << i + 1 << ": " << c[i + 1] << " vs "
          << expected[i] << "\n"
          << v.main << v.answers;
    }
    if (an > 1e-5 * std::max(1.0, acc)) {
      EXPECT_TRUE(kinematics_check::Agrees(c[9], speed * speed / an, 2, 1e-5))
          << kinematics_check::Describe(p) << " R " << c[9] << " vs " << speed * speed / an;
    } else {
      EXPECT_EQ(c[9], -1) << kinematics_check::Describe(p) << v.answers;
    }
  });
}

}  // namespace
