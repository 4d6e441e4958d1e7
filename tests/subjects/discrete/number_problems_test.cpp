#include <gtest/gtest.h>

#include <numeric>

#include "tests/subjects/discrete/counting_check.h"

namespace {

using counting_check::Squeeze;
using discrete_check::Cells;
using discrete_check::Integers;
using discrete_check::RowRunner;

TEST(Diophantine, GoldenVariants) {
  RowRunner run(36, 1);
  EXPECT_NE(run.BeginAnswers().find("\\No & x & y   \\\\\\hline"), std::string::npos);
  EXPECT_NE(RowRunner(36, 1, true).BeginAnswers().find("\\No & x & y & студент\\\\\\hline"),
            std::string::npos);
  auto [main, answers] = run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(main, "$$x+y=2$$\r\n");
  EXPECT_EQ(answers, "1&$6+\r\nt$  &$-4-t$ \\\\");
  // P7 = 5: y0 = P1 + P2; a = 12 and b = 18 reduce to 2 and 3.
  std::tie(main, answers) = run.RunVariant({2, 3, 3, 4, 3, 1, 5});
  EXPECT_EQ(main, "$$12x+18y=162$$\r\n");
  EXPECT_EQ(answers, "1&$6+\r\n3t$  &$5-2t$ \\\\");
}

// The coefficient of t in a cell "x0+b't" or "y0-a't" (1 when it is left out), and x0 or y0.
std::pair<long, long> ReadLinear(const std::string& cell, char sign) {
  std::string text = Squeeze(cell);
  text.erase(std::remove(text.begin(), text.end(), '$'), text.end());
  const std::size_t t = text.find('t');
  const std::size_t op = text.rfind(sign, t);
  EXPECT_TRUE(t == text.size() - 1 && op != std::string::npos && op > 0) << cell;
  const long constant = std::stol(text.substr(0, op));
  const std::string coef = text.substr(op + 1, t - op - 1);
  return {constant, coef.empty() ? 1 : std::stol(coef)};
}

// From the printed a x + b y = c: x = x0 + b' t, y = y0 - a' t solves it for every t, and
// (a', b') = (a, b) / gcd(a, b), so that the solution is the general one.
TEST(Diophantine, AnswerIsTheGeneralSolutionOfThePrintedEquation) {
  counting_check::LevelRunners runners(36);
  discrete_check::ForEachParams({4, 4, 4, 5, 5, 9, 9}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const std::string eq = Squeeze(main);
    ASSERT_EQ(eq.substr(0, 2), "$$") << main;
    const std::size_t x = eq.find("x+");
    const std::size_t y = eq.find("y=");
    ASSERT_TRUE(x != std::string::npos && y != std::string::npos) << main;
    const long a = x == 2 ? 1 : std::stol(eq.substr(2, x - 2));
    const long b = y == x + 2 ? 1 : std::stol(eq.substr(x + 2, y - x - 2));
    const long c = std::stol(eq.substr(y + 2));
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 3u) << answers;
    const auto [x0, b1] = ReadLinear(cells[1], '+');
    const auto [y0, a1] = ReadLinear(cells[2], '-');
    const long g = std::gcd(a, b);
    EXPECT_EQ(a1, a / g) << main << answers;
    EXPECT_EQ(b1, b / g) << main << answers;
    for (long t = -3; t <= 3; ++t)
      EXPECT_EQ(a * (x0 + b1 * t) + b * (y0 - a1 * t), c) << main << answers;
  });
}

TEST(EulerFunction, GoldenVariants) {
  RowRunner run(37, 1);
  EXPECT_NE(run.BeginAnswers().find("\\No & $\\varphi$   \\\\\\hline"), std::string::npos);
  const struct {
    testing_support::VariantParams p;
    const char* main;
    const char* answers;
  } cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, "$\\varphi(143)$\r\n", "1\r\n&120 \\\\"},
      {{1, 1, 1, 1, 1, 1, 2}, "$\\varphi(187)$\r\n", "1\r\n&160 \\\\"},
      {{1, 1, 1, 1, 1, 1, 3}, "$\\varphi(209)$\r\n", "1\r\n&180 \\\\"},
      {{1, 1, 1, 1, 1, 1, 4}, "$\\varphi(253)$\r\n", "1\r\n&220 \\\\"},
      {{3, 2, 1, 1, 1, 1, 1}, "$\\varphi(12)$\r\n", "1\r\n&4 \\\\"},   // n >= 10: no factor Q
      {{2, 2, 1, 1, 1, 1, 2}, "$\\varphi(78)$\r\n", "1\r\n&24 \\\\"},  // n = 6, Q = 13
      {{4, 3, 2, 2, 2, 2, 4}, "$\\varphi(2520)$\r\n", "1\r\n&576 \\\\"},
  };
  for (const auto& c : cases) {
    const auto [main, answers] = run.RunVariant(c.p);
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(answers, c.answers);
  }
}

// phi of the printed M by trial-division factorisation, over every parameter set.
TEST(EulerFunction, AnswerIsTheTotientOfThePrintedNumber) {
  counting_check::LevelRunners runners(37);
  discrete_check::ForEachParams({4, 3, 2, 2, 2, 2, 4}, 1000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto v = Integers(main);
    ASSERT_EQ(v.size(), 1u) << main;
    long m = v[0];
    long phi = m;
    for (long d = 2; d * d <= m; ++d) {
      if (m % d != 0) continue;
      phi = phi / d * (d - 1);
      while (m % d == 0) m /= d;
    }
    if (m > 1) phi = phi / m * (m - 1);
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_EQ(cells[1], std::to_string(phi)) << main;
  });
}

TEST(InclusionExclusion, GoldenVariants) {
  RowRunner run(35, 1);
  EXPECT_NE(run.BeginAnswers().find("\\No & N & шаблон  \\\\\\hline"), std::string::npos);
  auto [main, answers] = run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(
      main,
      "\\fboxsep=10ptМножество $A$ состоит из 20 чисел, 6 из которых делятся на 6, остальные числа "
      "четные или делятся на 3.\r\n"
      " Сколько чисел в этом множестве делятся на 3, если известно, что таких чисел на 2 больше "
      "чем четных?\r\n");
  EXPECT_EQ(answers, "1&14&1 \\\\");
  std::tie(main, answers) = run.RunVariant({4, 1, 1, 1, 5, 5, 1});
  EXPECT_EQ(
      main,
      "\\fboxsep=10pt Группа студентов проходила производственную практику в Египте и Израйле. "
      "Половина студентов проходила практику в  Египте. В обеих странах учились 7 студентов,  19 "
      "студентов --- в Израйле.  Сколько студентов в группе, если все прошли практику?\r\n");
  EXPECT_EQ(answers, "1&24&4 \\\\");
}

// Each template solved from its printed numbers: two sets A, B with |A u B|, |A n B| and a
// relation between |A| and |B|, or the three sets of multiples of 2, 3 and 5.
TEST(InclusionExclusion, AnswerSolvesThePrintedProblem) {
  counting_check::LevelRunners runners(35);
  discrete_check::ForEachParams({6, 5, 3, 5, 5, 5, 5}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 3u) << answers;
    const long answer = std::stol(cells[1]);
    EXPECT_EQ(cells[2], std::to_string(p[0]));
    // The numbers of the statement in order; "6" and "3" of the texts are dropped where they
    // name divisors.
    auto v = Integers(main.substr(main.find("10pt") + 4));
    const auto has = [&](const char* text) { return main.find(text) != std::string::npos; };
    long expected = -1;
    if (has("остальные числа четные или делятся на 3")) {
      // T, d, [6, 3, 3], diff: |E| + |D3| - d = T, |D3| - |E| = diff.
      ASSERT_EQ(v.size(), 6u) << main;
      const long t = v[0], d = v[1], diff = v[5];
      ASSERT_EQ((t + d + diff) % 2, 0);
      expected = (t + d + diff) / 2;
    } else if (has("Множество мощностью")) {
      // T, d, diff: |S| + |I| - d = T, |S| - |I| = diff.
      ASSERT_EQ(v.size(), 3u) << main;
      ASSERT_EQ((v[0] + v[1] + v[2]) % 2, 0);
      expected = (v[0] + v[1] + v[2]) / 2;
    } else if (has("сюръективные; $Card(A)=")) {
      // |S| = t, |A| = T, |I| = k |B|: T = t + (k - 1) |B|.
      ASSERT_EQ(v.size(), 3u) << main;
      const long t = v[0], total = v[1], k = v[2];
      ASSERT_EQ((total - t) % (k - 1), 0);
      expected = k * (total - t) / (k - 1);
    } else if (has("Группа студентов")) {
      // |Y| = G / 2, |X n Y| = a, |X| = u: G = G / 2 + u - a.
      ASSERT_EQ(v.size(), 2u) << main;
      expected = 2 * (v[1] - v[0]);
    } else if (has("имеющих множители 2, 3 и 5")) {
      // [2, 3, 5, 5], h, [6, 3], k, [10], f, [15], e, [30], g:
      // |D5| = |D6| + h, |D3| = |D10| + k, |D15| = f, |D30| = e, |D2| = g.
      ASSERT_EQ(v.size(), 14u) << main;
      const long h = v[4], k = v[7], f = v[9], e = v[11], g = v[13];
      // |D2| + |D3| + |D5| - |D6| - |D10| - |D15| + |D30|
      expected = g + k + h - f + e;
    } else if (has("остальные числа четные или делятся на 6")) {
      // T, t, [3, 6], k [6]: T = t + (k - 1) |D6|, |E| = k |D6|.
      ASSERT_EQ(v.size(), 6u) << main;
      const long total = v[0], t = v[1], k = v[4];
      ASSERT_EQ((total - t) % (k - 1), 0);
      expected = k * (total - t) / (k - 1);
    } else {
      FAIL() << "unknown template: " << main;
    }
    EXPECT_EQ(answer, expected) << main;
  });
}

}  // namespace
