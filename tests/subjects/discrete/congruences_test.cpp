#include <gtest/gtest.h>

#include <numeric>

#include "tests/subjects/discrete/counting_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::Integers;
using discrete_check::RowRunner;

TEST(ChineseRemainder, GoldenVariants) {
  RowRunner level2(13, 2);
  EXPECT_EQ(level2.BeginMain(),
            "\\arraycolsep=3ptНайти решение системы сравнений. \\\\\\noindent ");
  EXPECT_NE(level2.BeginAnswers().find("\\No & $x$ & $z_i$ & $M_i$\\\\\\hline\r\n"),
            std::string::npos);
  auto [main, answers] = level2.RunVariant({1, 2, 3, 4, 1, 1, 1});
  EXPECT_EQ(main,
            "$x=2(\\mbox{mod}\\ 3)$\\\\ \r\n"
            "$x=1(\\mbox{mod}\\ 5)$\\\\ \r\n"
            "$x=2(\\mbox{mod}\\ 8)$\\\\ \r\n");
  EXPECT_EQ(answers, "1&26(mod 120)&2, 4, 6&40, 24, 15 \\\\");
  // P1 = P2 = 4: m2 is the next prime, 13, but r2 = 11 - P6 still comes from 11.
  std::tie(main, answers) = level2.RunVariant({4, 4, 4, 1, 1, 1, 1});
  EXPECT_NE(main.find("(\\mbox{mod}\\ 11)"), std::string::npos);
  EXPECT_NE(main.find("(\\mbox{mod}\\ 13)"), std::string::npos);
  EXPECT_EQ(Integers(Cells(answers)[2]), (std::vector<long>{10, 10, 10}));
  // Level 1 lowers P1 = 6 to 3: modulus 7.
  RowRunner level1(13, 1);
  std::tie(main, answers) = level1.RunVariant({6, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(main.rfind("$x=", 0), 0u);
  EXPECT_EQ(Integers(main.substr(0, main.find("\r\n")))[1], 7);
}

// Reads the printed system back: the moduli are pairwise coprime, x solves every congruence
// and lies in 0..M-1, M_i = M / m_i and z_i = M_i r_i mod m_i.
TEST(ChineseRemainder, AnswerSolvesThePrintedSystem) {
  counting_check::LevelRunners runners(13);
  discrete_check::ForEachParams({6, 6, 4, 2, 6, 6, 6}, 20000, [&](const auto& p) {
    // Level 1 lowers P1..P3; the other Levels take them as they are.
    for (int level : {1, 0}) {
      auto& run = level == 1 ? runners.At(1) : runners.Pick(p);
      const auto [main, answers] = run.RunVariant(p);
      const auto values = Integers(main);
      ASSERT_EQ(values.size(), 6u) << main;
      const long z[3] = {values[0], values[2], values[4]};
      const long m[3] = {values[1], values[3], values[5]};
      for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) ASSERT_EQ(std::gcd(m[i], m[j]), 1) << main;
      }
      const auto cells = Cells(answers);
      ASSERT_EQ(cells.size(), 4u) << answers;
      const auto xm = Integers(cells[1]);
      const auto r = Integers(cells[2]);
      const auto mi = Integers(cells[3]);
      ASSERT_EQ(xm.size(), 2u);
      ASSERT_EQ(r.size(), 3u);
      ASSERT_EQ(mi.size(), 3u);
      const long big_m = m[0] * m[1] * m[2];
      EXPECT_EQ(xm[1], big_m) << answers;
      EXPECT_GE(xm[0], 0);
      EXPECT_LT(xm[0], big_m);
      for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(xm[0] % m[i], z[i]) << main << answers;
        EXPECT_EQ(mi[static_cast<std::size_t>(i)], big_m / m[i]) << answers;
        EXPECT_EQ(mi[static_cast<std::size_t>(i)] * r[static_cast<std::size_t>(i)] % m[i], z[i])
            << answers;
      }
    }
  });
}

TEST(LinearCongruence, GoldenVariants) {
  RowRunner run(16, 3);
  EXPECT_EQ(run.BeginMain(), "\\arraycolsep=3ptНайти решение сравнения. \\\\\\noindent ");
  auto [main, answers] = run.RunVariant({1, 5, 1, 1, 2, 3, 1});
  EXPECT_EQ(main, "$13x= 9(\\mbox{mod}\\ 14)$\\\\ \r\n");
  EXPECT_EQ(answers, "1&5  \\\\");
  // P1 = P6 = 4: P6 becomes 5, a = 23, m = 17 P5.
  std::tie(main, answers) = run.RunVariant({4, 5, 1, 1, 2, 4, 1});
  EXPECT_EQ(main.substr(0, 4), "$23x");
  EXPECT_NE(main.find("(\\mbox{mod}\\ 34)"), std::string::npos);
  // x = 14 with m = 7: the answer is the residue 0 that a student finds, not 14.
  std::tie(main, answers) = run.RunVariant({1, 14, 1, 1, 1, 4, 1});
  EXPECT_EQ(main, "$17x= 0(\\mbox{mod}\\ 7)$\\\\ \r\n");
  EXPECT_EQ(answers, "1&0  \\\\");
}

// a x = b (mod m) for the printed a, b, m, gcd(a, m) = 1 and 0 <= x < m.
TEST(LinearCongruence, AnswerSolvesThePrintedCongruence) {
  counting_check::LevelRunners runners(16);
  discrete_check::ForEachParams({13, 14, 4, 3, 2, 7, 7}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto v = Integers(main);
    ASSERT_EQ(v.size(), 3u) << main;
    const long a = v[0], b = v[1], m = v[2];
    ASSERT_EQ(std::gcd(a, m), 1) << main;
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    const long x = std::stol(cells[1]);
    EXPECT_GE(x, 0);
    EXPECT_LT(x, m);
    EXPECT_EQ(a * x % m, b) << main << answers;
  });
}

}  // namespace
