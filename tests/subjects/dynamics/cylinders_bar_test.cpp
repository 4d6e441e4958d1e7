#include "subjects/dynamics/cylinders_bar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <string>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

testing_support::RunTexts RunRow14(const testing_support::VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 14, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

TEST(CylindersBarTest, EveryParameterSetGivesAnExactIntegerAcceleration) {
  // Every parameter set: a = F N / D holds exactly with the printed F, D > 0, N != 0, and the
  // pair is reduced by the small primes only (F and a keep no common factor 2, 3, 5, 7, 11).
  for (int p1 = 1; p1 <= 6; ++p1) {
    for (int p2 = 1; p2 <= 5; ++p2) {
      for (int p3 = 1; p3 <= 2; ++p3) {
        for (int p4 = 1; p4 <= 3; ++p4) {
          for (int p5 = 1; p5 <= 4; ++p5) {
            for (int p6 = 1; p6 <= 3; ++p6) {
              for (int p7 = 1; p7 <= 3; ++p7) {
                const auto v = DeriveCylindersBarVariant(p1, p2, p3, p4, p5, p6, p7);
                const std::string what = std::to_string(p1) + std::to_string(p2) +
                                         std::to_string(p3) + std::to_string(p4) +
                                         std::to_string(p5) + std::to_string(p6) +
                                         std::to_string(p7);
                ASSERT_GT(v.D, 0) << what;
                ASSERT_NE(v.N, 0) << what;
                EXPECT_GT(v.F, 0) << what;
                EXPECT_EQ(static_cast<long long>(v.F) * v.N, static_cast<long long>(v.a) * v.D)
                    << what;
                for (int q : {2, 3, 5, 7, 11}) {
                  EXPECT_FALSE(v.F % q == 0 && v.a % q == 0) << what << " " << q;
                }
                EXPECT_FALSE(v.m1 == v.m2 && v.m2 == v.m3) << what;
              }
            }
          }
        }
      }
    }
  }
}

TEST(CylindersBarTest, SchemeOneExampleAndEqualMasses) {
  // Scheme 1, sub-variant 1, P3 = 2, all masses 1 (m3 raised to 2): D = 113, N = 4.
  const auto v = DeriveCylindersBarVariant(1, 1, 2, 1, 1, 1, 1);
  EXPECT_EQ(v.m3, 2);
  EXPECT_EQ(v.D, 113);
  EXPECT_EQ(v.N, 4);
  EXPECT_EQ(v.F, 113);
  EXPECT_EQ(v.a, 4);
  const auto t = RunRow14({1, 1, 2, 1, 1, 1, 1}, 1);
  EXPECT_NE(t.main.find("\\vskip1mm $F=113$, $m_1=1$, $m_2=1$, $m_3=2$. "), std::string::npos);
  EXPECT_NE(t.answers.find("1&  4"), std::string::npos) << t.answers;
  // Level 1 writes this problem, any other level the two-degree-of-freedom one.
  EXPECT_NE(t.main.find("бруска 3"), std::string::npos);
  EXPECT_EQ(RunRow14({1, 1, 2, 1, 1, 1, 1}, 2).main.find("бруска 3"), std::string::npos);
}

TEST(CylindersBarTest, PrintedDataAndAnswerAgreeOverTheSchemes) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 5, 2, 3, 4, 3, 3}, 300, 1, 1);
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow14(point.p, 1);
    const auto& p = point.p;
    const auto v = DeriveCylindersBarVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    EXPECT_EQ(NumberAfter(t.main, "$F="), v.F) << what;
    const std::string head = "\\\\\\hline";
    const auto row = t.answers.substr(t.answers.find(head) + head.size());
    EXPECT_EQ(std::strtol(row.c_str() + row.find('&') + 1, nullptr, 10), v.a) << what;
    // Scheme 3 and scheme 6 (k = 1) stand on legs; every figure holds both cylinders.
    EXPECT_NE(t.main.find("\\Blue{"), std::string::npos) << what;
  }
}

}  // namespace
}  // namespace dynamics
