#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::RunAiVariant;

constexpr int kRow = 1;

TEST(ProcessStabilityTest, GoldenVariants) {
  struct Case {
    testing_support::VariantParams p;
    const char* text;
    const char* row;
  };
  const Case cases[] = {
      // P3 = P4 = 2: a would equal b = 3 and becomes 4.
      {{1, 1, 2, 2, 3, 1, 1},
       " $$\r\n4\\ddot xx+3\\dot x+x^2\r\n=0.$$\r\n$m/n$=(0/3), $\\dot x_0=3$.",
       "1&     4.5000& ---"},
      // Type 2 with selector 2: a = 2b + P4, so a - 2b = P4.
      {{2, 2, 1, 3, 2, 1, 1},
       " $$\r\n7\\ddot xx+2\\dot x^2+x^2\r\n=0.$$\r\n$m/n$=(0/3), $\\dot x_0=2$.",
       "1&     9.3808& ---"},
      // Type 7 with selector 2: a minus sign before |b|.
      {{7, 2, 2, 1, 4, 1, 1},
       " $$\r\n2\\ddot x-3\\dot x+\\sqrt{x}\r\n=0.$$\r\n$m/n$=(1/3), $\\dot x_0=4$.",
       "1&     1.3333& ---"},
      // Type 10 with selector 2: x-dot_0 = -b - P4.
      {{10, 2, 1, 1, 5, 1, 1},
       " $$\r\n3\\ddot x+2x+x\\dot x\r\n=0.$$\r\n$m/n$=(2/3), $\\dot x_0=-3$.",
       "1&     3.4641& ---"},
      // Type 11 with selector 2 has the order 0/3 and the selector-1 formula.
      {{11, 2, 1, 3, 2, 3, 1},
       " $$\r\n4\\ddot x\\sqrt{\\dot x}+4\\dot x+x^2 \r\n=0.$$\r\n$m/n$=(0/3), $\\dot x_0=2$.",
       "1&     2.8284& ---"},
  };
  for (const Case& c : cases) {
    const auto out = RunAiVariant(kRow, c.p);
    EXPECT_NE(out.main.find(c.text), std::string::npos) << out.main;
    EXPECT_EQ(DataRow(out.answers, true), c.row);
  }
}

struct Shape {
  const char* middle;
  const char* closing;
};
// Equation types 1..10 as "<a><middle><b><closing>"; type 7's middle ends in the sign of b.
const Shape kShapes[] = {
    {"\\ddot xx+", "\\dot x+x^2"},       {"\\ddot xx+", "\\dot x^2+x^2"},
    {"\\ddot x+", "\\dot x^2+x"},        {"\\ddot x+", "\\dot x+x^2"},
    {"\\ddot x\\dot x+", "\\dot x+x"},   {"\\ddot x\\dot x+", "x^2+x"},
    {"\\ddot x", "\\dot x+\\sqrt{x}"},   {"\\ddot x+", "\\sqrt{\\dot x}+x"},
    {"\\ddot x+", "\\dot x^2+x\\dot x"}, {"\\ddot x+", "x+x\\dot x"},
};
// The order of the first formula of each type.
const char* const kFirstOrder[] = {"0/3", "1/2", "0/3", "2/3", "1/3",
                                   "0/3", "0/3", "0/3", "0/2", "0/3"};

// The answer recomputed from the numbers printed in the equation, the order and x-dot_0.
TEST(ProcessStabilityTest, AnswersFollowFromThePrintedEquation) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({11, 2, 5, 5, 5, 5, 1}, 3000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string line = Between(out.main, " $$\r\n", "\r\n=0.$$");
    const std::string order = Between(out.main, "$m/n$=(", "),");
    const double v = std::stod(Between(out.main, "$\\dot x_0=", "$."));
    double x = 0;
    if (line.find("\\sqrt{\\dot x}+") != std::string::npos &&
        line.find("\\ddot x\\sqrt") != std::string::npos) {
      // c x'' sqrt(x') + a x' + x^b.
      const double c = std::stod(line);
      const std::size_t p = line.find("}+") + 2;
      EXPECT_GE(std::stod(line.substr(p)), 2);  // a, on which the answer does not depend
      const double b = std::stod(line.substr(line.find("x^") + 2));
      EXPECT_EQ(order, "0/3");
      x = std::exp(-(2 * std::log(2 / (c * b)) - 5 * std::log(v)) / (2 * (b + 1)));
    } else {
      int type = 0;
      double a = 0, b = 0;
      for (int t = 1; t <= 10; ++t) {
        const Shape& sh = kShapes[t - 1];
        const std::string closing = sh.closing;
        if (line.size() < closing.size() ||
            line.compare(line.size() - closing.size(), closing.size(), closing) != 0) {
          continue;
        }
        const std::size_t m = line.find(sh.middle);
        if (m == std::string::npos) continue;
        const std::size_t after = m + std::string(sh.middle).size();
        if (t == 7 && line[after] != '+' && line[after] != '-') continue;
        if (t != 7 && line.find(sh.middle, after) != std::string::npos) continue;
        const std::string second =
            line.substr(after, line.size() - closing.size() - after);  // "+3" for type 7
        try {
          a = std::stod(line.substr(0, m));
          b = std::stod(second);
        } catch (...) {
          continue;
        }
        if (line.substr(0, m).find('\\') != std::string::npos) continue;
        type = t;
        break;
      }
      ASSERT_NE(type, 0) << line;
      const bool first = order == kFirstOrder[type - 1];
      switch (type) {
        case 1:
          x = first ? std::sqrt(b * b / a + 2 * b * v) : std::sqrt(b * v);
          break;
        case 2:
          x = first ? v * std::sqrt(b) : v * std::sqrt(3 * b * (2 * b + a) / (a - 2 * b));
          break;
        case 3:
          x = first ? (a - 6 * b * b * v * v) / (2 * b) : a / (2 * b) - b * v * v;
          break;
        case 4:
          x = first ? std::sqrt(b * v / 2) : b * b / (2 * a);
          break;
        case 5:
          x = first ? -b * v / 2 : -2 * b * v / 3;
          break;
        case 6:
          x = first ? -1 / b : -1 / (2 * b);
          break;
        case 7:
          x = first ? std::pow(a / (2 * b * b), 2) : -a * v / (2 * b);
          break;
        case 8:
          x = first ? -4 * a * v * std::sqrt(v) / b : -std::sqrt(v) * (4 * a * v / b + b);
          break;
        case 9:
          x = first ? -2 * b * v : -1.5 * b * v;
          break;
        default:
          x = first ? std::sqrt(a * (b + 2 * v)) : std::sqrt(-a * (b + 2 * v));
          break;
      }
    }
    ASSERT_TRUE(std::isfinite(x)) << testing_support::Describe(point) << line;
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u) << out.answers;
    EXPECT_EQ(cells[0], "1");
    EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[1]), x, 4))
        << testing_support::Describe(point) << " " << line << " " << cells[1] << " vs " << x;
    EXPECT_EQ(cells[2], "---");
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 11LL * 2 * 5 * 5 * 5 * 5 * 10));
}

}  // namespace
