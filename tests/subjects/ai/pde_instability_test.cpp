#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 5;

TEST(PdeInstabilityTest, GoldenVariants) {
  // P2 = 1: a = 2, b = 3.
  auto out = RunAiVariant(kRow, {3, 1, 1, 1, 1, 1, 1}, 1, 9);
  EXPECT_NE(out.main.find("$$2u_x+3u_y+u(2y+3x) = 0. $$\r\n"), std::string::npos) << out.main;
  EXPECT_EQ(DataRow(out.answers, true), "9 & $(2y+3x)((3x+2y)^2-\r\n12)$");
  // Shape 4: 12, 18, 2 reduce to 6, 9, 1; the last term shows only its sign.
  out = RunAiVariant(kRow, {4, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(out.main.find("$$2y^2u_x+3x^2u_y+2u(2y+3x) = 0. $$\r\n"), std::string::npos);
  EXPECT_EQ(DataRow(out.answers, true), "1 & $(2y+3x)(6 x^2 +9 xy + y^2 )$");
  // P3 = P4 = 1: q = 3 and r = 4.
  out = RunAiVariant(kRow, {5, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(out.main.find("$$ 4x^{3}y^{3}u_x+3x^{\r\n4}y^{\r\n2}u_y+x^{4}y^{3}u+1=0.$$\r\n"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(DataRow(out.answers, true), "1 & $x=0$, $y=0$, $x^2=4$, $y^2=3$");
  // Shape 1 shows q in the equation and the same answer for every P3.
  const auto one = RunAiVariant(kRow, {1, 2, 1, 1, 1, 1, 1});
  const auto other = RunAiVariant(kRow, {1, 2, 3, 1, 1, 1, 1});
  EXPECT_NE(one.main.find("$$3yu_x+3xu_y+u(3y+3x) = 0. $$"), std::string::npos) << one.main;
  EXPECT_NE(other.main.find("$$3yu_x+5xu_y+u(3y+5x) = 0. $$"), std::string::npos);
  EXPECT_EQ(DataRow(one.answers, true), DataRow(other.answers, true));
  EXPECT_EQ(DataRow(one.answers, true), "1 & $(3y+4x)(16x^2+24xy\r\n+9y^2-12x -12y)$");
}

// Each answer from the numbers printed in the equation (shape 1 from its a and b = a + 1).
TEST(PdeInstabilityTest, AnswersFollowFromThePrintedEquation) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({8, 5, 3, 3, 1, 1, 1}, 5000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    std::string eq = out.main.substr(out.main.find("\\noindent\r\n") + 11);
    for (std::size_t at; (at = eq.find("\r\n")) != std::string::npos;) eq.erase(at, 2);
    const auto n = Numbers(eq);
    const auto str = [](long long v) { return std::to_string(v); };
    std::string expected;
    if (eq.find("u(") != std::string::npos && eq.find("yu_x+") != std::string::npos &&
        eq.find("y^2u_x") == std::string::npos) {
      // a y u_x + q x u_y + u(a y + q x)
      const long long a = n.at(0), b = a + 1;
      expected = "$(" + str(a) + "y+" + str(b) + "x)(" + str(b * b) + "x^2+" + str(2 * a * b) +
                 "xy+" + str(a * a) + "y^2-" + str(a * b) + "x -" + str(a * b) + "y)$";
    } else if (eq.find("xu_x+") != std::string::npos && eq.find("(x^2y^2") == std::string::npos) {
      const long long b = n.at(0), a = n.at(1);
      expected = "$(" + str(a) + "y+" + str(b) + "x)(" + str(b * b) + "x^2+" + str(2 * a * b) +
                 "xy+" + str(a * a) + "y^2+" + str(a * b) + "x +" + str(a * b) + "y)$";
    } else if (eq.find("$$" + str(static_cast<long long>(n.at(0))) + "u_x+") == 0) {
      const long long a = n.at(0), b = n.at(1);
      expected = "$(" + str(a) + "y+" + str(b) + "x)((" + str(b) + "x+" + str(a) + "y)^2-" +
                 str(2 * a * b) + ")$";
    } else if (eq.find("y^2u_x+") != std::string::npos) {
      const long long a = n.at(0), b = n.at(2);
      long long c[3] = {2 * b * b - a * b, 3 * a * b, 2 * a * a - a * b};
      for (long long d : {2, 3, 5, 7, 11}) {
        while (c[0] % d == 0 && c[1] % d == 0 && c[2] % d == 0) {
          for (long long& v : c) v /= d;
        }
      }
      expected = "$(" + str(a) + "y+" + str(b) + "x)(";
      const char* names[3] = {" x^2 ", " xy ", " y^2 )$"};
      for (int i = 0; i < 3; ++i) {
        ASSERT_GT(c[i], 0);
        expected += (i > 0 ? "+" : "") + (c[i] == 1 ? std::string() : str(c[i])) + names[i];
      }
    } else if (eq.find("u+1=0.$$") != std::string::npos) {
      // r x^{r-1} y^q u_x + q x^r y^{q-1} u_y + x^r y^q u + 1 = 0.
      const long long r = n.at(0), q = n.at(3);
      EXPECT_EQ(n.at(1), r - 1);
      expected = "$x=0$, $y=0$, $x^2=" + str(r) + "$, $y^2=" + str(q) + "$";
    } else if (eq.find("u-1=0.$$") != std::string::npos) {
      const long long q = n.at(0), r = n.at(3);
      expected = "$x=0$, $y=0$, $x^2y^2=" + str(q * r) + "$";
    } else if (eq.find("u+1=0. $$") != std::string::npos) {
      // y^q x^{r+1} u_x + y^{q+1} x^r u_y + rq x^{r-1} y^{q-1} u + 1 = 0.
      const long long q = n.at(0), r = n.at(3);
      EXPECT_EQ(n.at(4), q * r);
      expected = "$x=0$, $y=0$, $(3xy+" + str(q * r) + ")(xy+" + str(q * r) + ")$";
    } else {
      const long long q = n.at(2);  // x(x^2y^2+q)u_x+..
      expected = "$x=0$, $y=0$, $(3x^2y^2+4xy-" + str(q) + ")(x^2y^2+4xy+" + str(q) + ")$";
    }
    std::string row = DataRow(out.answers, true);
    for (std::size_t at; (at = row.find("\r\n")) != std::string::npos;) row.erase(at, 2);
    EXPECT_EQ(row, "1 & " + expected) << testing_support::Describe(point) << "\n" << eq;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8 * 5 * 3 * 3 * 10));
}

}  // namespace
