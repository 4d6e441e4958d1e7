#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 29;

/// One printed item: the first index, the general term, the point and the answer.
struct Item {
  int from = 0;
  std::string term;
  double x0 = 0;
  double answer = 0;
};

std::vector<Item> Items(const std::string& main, const std::string& ans) {
  static const std::regex kItem(
      R"(\\sum_\{n=([0-9]+)\}\^\{\\infty\}([^$]*)\}\$, \\ \$x=([-0-9.]+) \$\\vskip2pt )");
  std::vector<Item> items;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), kItem);
       it != std::sregex_iterator(); ++it) {
    Item item;
    item.from = std::stoi((*it)[1]);
    item.term = (*it)[2];
    item.x0 = std::stod((*it)[3]);
    items.push_back(item);
  }
  std::size_t p = ans.find('&');
  for (Item& item : items) {
    if (p == std::string::npos) break;
    item.answer = std::strtod(ans.c_str() + p + 1, nullptr);
    p = ans.find('&', p + 1);
  }
  return items;
}

/// The sum of the printed series at x0, by partial sums until the terms no longer count.
double PartialSums(const tex_formula::Formula& term, int from, double x0) {
  long double sum = 0;
  int small = 0;
  for (int n = from; n < 200000; ++n) {
    tex_formula::Point p;
    p.n = n;
    p.x = x0;
    const long double a = term(p);
    sum += a;
    small = std::fabs(static_cast<double>(a)) < 1e-14 * std::fmax(1.0, std::fabs(double(sum)))
                ? small + 1
                : 0;
    if (small > 20) break;
  }
  return static_cast<double>(sum);
}

TEST(SeriesSum, BeginWritesStatementAndEmptyHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 3;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 175);
  EXPECT_EQ(testing_support::MainText(s).rfind("Найти сумму ряда при $x=x_0$.", 0), 0u);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            " & \\\\\\hline \r\n");
}

// Every cell of a row needs its column: Level 10 in students mode writes 12 cells.
TEST(SeriesSum, TableHasAColumnForEveryItem) {
  for (int level : {5, 8, 10}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.Level = level;
    s.StudentsMode = true;
    calculus::BeginAnalysisProblem(s, kRow);
    const std::string ans = testing_support::AnsText(s);
    std::size_t columns = 0;
    for (std::size_t p = ans.find("r|"); p != std::string::npos; p = ans.find("r|", p + 1)) {
      ++columns;
    }
    EXPECT_EQ(columns, static_cast<std::size_t>(level + 2)) << "Level " << level;
    // Ten sums of up to nine characters fit the answers page only set small and close.
    EXPECT_EQ(ans.rfind("\\tabcolsep=1pt\\scriptsize\\noindent", 0) == 0, level > 5);
  }
}

TEST(SeriesSum, ItemsTakeEverySecondKindAndWrapAfterTwelve) {
  struct Case {
    int p1;
    std::vector<std::string> starts;  // the first piece of each term
  };
  const Case cases[] = {
      {11, {"\\sum_{n=1}^{\\infty}(n+1)x^{2n+4}", "\\sum_{n=1}^{\\infty}\\frac{3^nx^n}{n}",
            "\\sum_{n=0}^{\\infty}\\frac{3^n}{(n+1)x^{2n}}"}},
      {10, {"\\sum_{n=1}^{\\infty}nx^{n+3}", "\\sum_{n=1}^{\\infty}\\frac{(-1)^nx^{n+3}}{n}",
            "\\sum_{n=1}^{\\infty}\\frac{3^nx^n}{n}"}},
  };
  for (const Case& c : cases) {
    numeric_check::VariantRunner run(kRow, 3, 1);
    const auto v = run.Run({{c.p1, 1, 1, 1, 1, 1, 1}});
    std::size_t p = 0;
    for (const std::string& s : c.starts) {
      p = v.main.find(s, p);
      EXPECT_NE(p, std::string::npos) << s << "\n" << v.main;
    }
  }
  // Kind 1 with a = 3: x0 = 0.2 and the sum -ln(0.4).
  numeric_check::VariantRunner run(kRow, 1, 5);
  const auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            "\\par$\\displaystyle{1) \r\n\\sum_{n=1}^{\\infty}\\frac{3^nx^n}{n}\r\n}$, "
            "\\ $x=0.2 $\\vskip2pt \r\n");
  EXPECT_EQ(v.ans, "5\r\n&0.9163 \r\n");
}

// Every printed sum against the partial sums of the printed series at the printed point, for
// every parameter set that the row reads and every Level.
TEST(SeriesSum, AnswersAreThePartialSumLimitsEverywhere) {
  std::map<std::string, double> sums;
  int checked = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner run(kRow, level, 1);
    numeric_check::ForEachParameterSet({11, 0, 5, 5, 5, 0, 0}, [&](const Params& q) {
      const auto v = run.Run(q);
      const auto items = Items(v.main, v.ans);
      const std::string where = numeric_check::Where(q, level, v);
      ASSERT_EQ(items.size(), static_cast<std::size_t>(level)) << where;
      for (const Item& item : items) {
        const std::string key = item.term + "|" + std::to_string(item.x0);
        auto it = sums.find(key);
        if (it == sums.end()) {
          it = sums.emplace(key, PartialSums(tex_formula::Formula(item.term), item.from,
                                             item.x0)).first;
        }
        ASSERT_NEAR(item.answer, it->second, 5.1e-5 + 1e-9 * std::fabs(it->second))
            << item.term << " at x0 = " << item.x0 << "; " << where;
        ++checked;
      }
    });
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 11 * 125 * 55)) << checked;
}

}  // namespace
