#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <set>
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
  std::string cell;  ///< the answer as printed
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
  // The cells after the table heads (a split row comes with the heads of its tables); a
  // cell "$4.9\cdot10^{-5}$" is 4.9e-5.
  std::string rows = ans;
  for (std::size_t p = rows.find("\\begin{tabular}"); p != std::string::npos;
       p = rows.find("\\begin{tabular}", p)) {
    const std::size_t head_end = rows.find("\\\\\\hline", p);
    rows.erase(p, head_end == std::string::npos ? std::string::npos : head_end - p);
  }
  std::size_t p = rows.find('&');
  for (Item& item : items) {
    if (p == std::string::npos) break;
    const std::size_t end = std::min(rows.find('&', p + 1), rows.size());
    const std::string cell = rows.substr(p + 1, end - p - 1);
    const std::size_t power = cell.find("\\cdot10^{");
    item.answer = std::strtod(cell.c_str() + (cell[0] == '$' ? 1 : 0), nullptr);
    if (power != std::string::npos) item.answer *= std::pow(10.0, std::stoi(cell.substr(power + 9)));
    item.cell = cell;
    p = rows.find('&', p + 1);
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

TEST(SeriesSum, BeginWritesStatementAndNumberedHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 3;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 175);
  EXPECT_EQ(testing_support::MainText(s).rfind("Найти сумму ряда при $x=x_0$.", 0), 0u);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "\\No&1 \r\n&2 \r\n&3 \r\n  \\\\\\hline \r\n");
}

// Every item has its numbered column; above five items the table is split into tables of
// five, each with its heads, instead of being set small with the digits against the rules.
TEST(SeriesSum, TableHasANumberedColumnForEveryItem) {
  for (int level : {5, 8, 10}) {
    numeric_check::VariantRunner run(kRow, level, 1);
    run.state().VariantCount = 1;
    const auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
    const std::string all = (level > 5 ? v.ans : std::string()) +
                            testing_support::AnsText(run.state());
    EXPECT_EQ(all.find("tabcolsep"), std::string::npos) << all;
    for (int i = 1; i <= level; ++i) {
      if (level <= 5) break;  // the unsplit head is written by the begin entry (above)
      EXPECT_NE(v.ans.find("&" + std::to_string(i) + " "), std::string::npos) << i << "\n" << v.ans;
    }
  }
}

// A sum that is not zero is not printed as 0.0000.
TEST(SeriesSum, ASmallSumIsNotPrintedAsZero) {
  int cells = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner run(kRow, level, 1);
    numeric_check::ForEachParameterSet({11, 0, 5, 5, 5, 0, 0}, [&](const Params& q) {
      const auto v = run.Run(q);
      for (const Item& item : Items(v.main, v.ans)) {
        if (item.cell.find("0.0000") != std::string::npos) {
          const double sum = PartialSums(tex_formula::Formula(item.term), item.from, item.x0);
          ASSERT_LT(std::fabs(sum), 1e-12)
              << item.cell << " for " << sum << "; " << numeric_check::Describe(q, level);
        }
        ++cells;
      }
    });
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
  EXPECT_EQ(v.ans, " 5&0.9163 ");
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
      std::set<std::string> distinct;
      for (const Item& item : items) distinct.insert(item.term + "|" + std::to_string(item.x0));
      EXPECT_EQ(distinct.size(), items.size()) << "an item repeats: " << where;
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
