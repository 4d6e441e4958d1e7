#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 10;

TEST(FuzzySetsTest, GoldenVariants) {
  // P1 = 3 takes A or not B; B's first grade 0.9 gives 0.1 under not.
  auto out = RunAiVariant(kRow, {3, 3, 3, 9, 1, 5, 7}, 1, 2);
  EXPECT_NE(out.main.find("$A=0.3/a + 0.3/b + 0.3/c + 0.9/d ;$\\\\\r\n"
                          "$B=0.9/a + 0.1/b + 0.5/c + 0.7/d ;$\\\\\r\n"
                          "$C=0.3/a + 0.3/b + 0.1/c + 0.7/d ;$\\\\\r\n"
                          "$ X= A \\cup \\bar B$, \\ \\ $ Y= $ CON $(A)\\cup C$\\\\$X\\cup Y$ =?"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(DataRow(out.answers, true),
            "2 & $0.3$ & $0.9 $&$ 0.5$ & $0.9$ &\r\n"
            "$0.3$ & $0.3 $&$ 0.1$ & $0.81$ &\r\n"
            "$ 0.30/a$+$ 0.90/b $+$  0.50/c$+$ 0.90/d$");
  // P1 = 4 takes not A and B; CON of the algebraic sum; not X and Y.
  out = RunAiVariant(kRow, {4, 4, 7, 9, 1, 5, 7});
  EXPECT_NE(out.main.find("$ X= \\bar A \\cap B$, \\ \\ $ Y= $CON$(A\\hat{+}C),$\\\\"
                          "$\\bar X\\cap Y$ =?"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(DataRow(out.answers, true),
            "1 & $0.6$ & $0.1 $&$ 0.3$ & $0.1$ &\r\n"
            "$0.41$ & $0.67 $&$ 0.53$ & $0.94$ &\r\n"
            "$ 0.40/a$+$ 0.67/b $+$  0.53/c$+$ 0.90/d$");
  EXPECT_EQ(out.answers.substr(0, out.answers.find("\\hline", 80) + 6),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            " \\No& \\multicolumn{4}{c|}{$X$}& \\multicolumn{4}{c|}{$Y$} & Результат \\\\\\hline");
}

using Set = std::array<double, 4>;

Set PrintedSet(const std::string& main, const std::string& name) {
  const auto v = Numbers(Between(main, "$" + name + "=", ";$"));
  Set set{};
  EXPECT_EQ(v.size(), 4u) << main;
  for (std::size_t i = 0; i < 4 && i < v.size(); ++i) set[i] = v[i];
  return set;
}

// X, Y and Z recomputed from the printed A, B, C and the printed operations.
TEST(FuzzySetsTest, AnswersFollowFromThePrintedSetsAndOperations) {
  long long checked = 0;
  for (const auto& point : ai_check::LargeSweep({9, 9, 9, 9, 9, 9, 9}, 3000, 100000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const Set a = PrintedSet(out.main, "A"), b = PrintedSet(out.main, "B"),
              c = PrintedSet(out.main, "C");
    Set x{}, y{}, z{};
    const bool x_or_not_b = out.main.find("X= A \\cup \\bar B") != std::string::npos;
    const bool x_not_a_and_b = out.main.find("X= \\bar A \\cap B") != std::string::npos;
    const bool x_not_a_or_b = out.main.find("X= \\bar A \\cup B") != std::string::npos;
    const bool y_con_or = out.main.find("CON $(A)\\cup C") != std::string::npos;
    const bool y_con_sum = out.main.find("CON$(A\\hat{+}C)") != std::string::npos;
    const bool y_dil = out.main.find("DIL$(CB)") != std::string::npos;
    const bool z_or = out.main.find("$X\\cup Y$ =?") != std::string::npos;
    const bool z_and = out.main.find("$X\\cap Y$ =?") != std::string::npos;
    const bool z_not = out.main.find("$\\bar X\\cap Y$ =?") != std::string::npos;
    ASSERT_EQ(x_or_not_b + x_not_a_and_b + x_not_a_or_b, 1) << out.main;
    ASSERT_EQ(y_con_or + y_con_sum + y_dil, 1) << out.main;
    ASSERT_EQ(z_or + z_and + z_not, 1) << out.main;
    for (int i = 0; i < 4; ++i) {
      x[i] = x_or_not_b      ? std::max(a[i], 1 - b[i])
             : x_not_a_and_b ? std::min(1 - a[i], b[i])
                             : std::max(1 - a[i], b[i]);
      const double sum = a[i] + c[i] - a[i] * c[i];
      y[i] = y_con_or    ? std::max(a[i] * a[i], c[i])
             : y_con_sum ? sum * sum
                         : std::sqrt(c[i] * b[i]);
      z[i] = z_or ? std::max(x[i], y[i]) : z_and ? std::min(x[i], y[i]) : std::min(1 - x[i], y[i]);
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 10u) << out.answers;
    EXPECT_EQ(cells[0], std::to_string(1));
    for (int i = 0; i < 4; ++i) {
      // The program's number format keeps two decimals, or one when 10x is within 0.09 of an
      // integer.
      EXPECT_NEAR(Numbers(cells[1 + i]).at(0), x[i], 0.0091) << testing_support::Describe(point);
      EXPECT_NEAR(Numbers(cells[5 + i]).at(0), y[i], 0.0091) << testing_support::Describe(point);
    }
    const auto zs = Numbers(cells[9]);
    ASSERT_EQ(zs.size(), 4u) << cells[9];
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(ai_check::PrintedAs(zs[i], z[i], 2)) << testing_support::Describe(point);
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

}  // namespace
