#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;

/// One printed series: its first index and its general term.
struct Series {
  int from = 0;
  std::string term;
};

std::vector<Series> ReadSeries(const std::string& main) {
  static const std::regex kSeries(
      R"(\$\\displaystyle\{\\sum_\{n=([0-9]+)\}\^\{\\infty\} \r\n([^$]*)\}\$\\vskip1pt )");
  std::vector<Series> out;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), kSeries);
       it != std::sregex_iterator(); ++it) {
    out.push_back({std::stoi((*it)[1]), (*it)[2]});
  }
  return out;
}

/// Whether a "+" or "-" stands outside every bracket and brace of the term: after the sum
/// sign such a term reads as (sum of the first part) +- the rest.
bool HasBareSign(const std::string& term) {
  int depth = 0;
  for (std::size_t i = 0; i < term.size(); ++i) {
    const char c = term[i];
    if (c == '(' || c == '{' || c == '[') ++depth;
    if (c == ')' || c == '}' || c == ']') --depth;
    if ((c == '+' || c == '-') && depth == 0 && i > 0) return true;
  }
  return false;
}

/// Whether the term is a real number at n; overflow (n! far out) counts as a number.
bool Defined(const tex_formula::Formula& a, int n) {
  try {
    a.AtN(n);
    return true;
  } catch (const tex_formula::NotReal& e) {
    return std::string(e.what()) == "not a number";  // inf / inf from overflow
  }
}

TEST(NumericSeries, BeginWritesStatementReferenceAndNoKeyNote) {
  for (int row : {18, 19}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    calculus::BeginAnalysisProblem(s, row);
    EXPECT_EQ(s.ParboxWidth, 175);
    const std::string main = testing_support::MainText(s);
    EXPECT_EQ(main.rfind("Исследовать сходимость ряда \\\\ \\vskip1pt{\\small", 0), 0u) << main;
    EXPECT_NE(main.find("\\Red{(с.222.)}"), std::string::npos);
    // No verdicts are computed: the answers say that the row has no key.
    EXPECT_EQ(testing_support::AnsText(s),
              "\\noindent Ответы к этой задаче не приводятся.\\par\r\n");
  }
}

TEST(NumericSeries, WritesNumberedSeriesAndNoAnswers) {
  numeric_check::VariantRunner run(18, 2, 1);
  const auto v = run.Run({{2, 1, 2, 1, 1, 7, 1}});
  EXPECT_EQ(v.main,
            "Исследовать сходимость ряда \\\\ 1)\r\n$\\displaystyle{\\sum_{n=1}^{\\infty} \r\n"
            "\\frac{1}{n}\\ln\\frac{4n^3+3}{n^3+1}\r\n}$\\vskip1pt 2)\r\n"
            "$\\displaystyle{\\sum_{n=1}^{\\infty} \r\n n^2\\left(\\frac{2n\r\n^3+7}{\r\n"
            " 4n^3+n!}\\right)^n\r\n}$\\vskip1pt ");
  EXPECT_EQ(v.ans, "");
}

// The family index walks forward for P5 1..3 and backward for 4..5, wrapping at the family
// count: 15 up to Level 5, 17 above.
TEST(NumericSeries, FamilyWalkWrapsAtTheFamilyCount) {
  struct Case {
    int p1, p5, level, series;  // the series (1-based) whose term is checked
    const char* term_start;
  };
  const Case cases[] = {
      {1, 4, 3, 1, "\\left(1-\\sin\\frac{"},  // backward from 0: family 15 (member 4)
      {1, 4, 6, 1, "\\frac{7(n^2+5)}"},       // backward from 0 above Level 5: family 17
      {14, 1, 3, 3, "\\frac{n!+"},            // 14, 15, then family 1
      {14, 1, 6, 3, "\\frac{1}{("},           // 14, 15, then family 16 (member 1 by P5)
  };
  for (const Case& c : cases) {
    numeric_check::VariantRunner run(18, c.level, 1);
    const auto series = ReadSeries(run.Run({{c.p1, 4, 1, 2, c.p5, 1, 1}}).main);
    ASSERT_EQ(series.size(), static_cast<std::size_t>(c.level));
    const std::string& term = series[static_cast<std::size_t>(c.series - 1)].term;
    EXPECT_EQ(term.rfind(c.term_start, 0), 0u)
        << c.p1 << " " << c.p5 << " " << c.level << ": " << term;
  }
}

TEST(NumericSeries, AlternatingKindPlacesTheSign) {
  // Family 7 member 2 (P5 = 2) is wrapped; family 17 carries the sign in its numerator.
  numeric_check::VariantRunner run7(19, 1, 1);
  EXPECT_NE(run7.Run({{7, 1, 2, 1, 2, 1, 1}})
                .main.find("(-1)^n\\left(1-\\ch\\frac{3}{\\sqrt{n}}\r\n\\right)}"),
            std::string::npos);
  numeric_check::VariantRunner run17(19, 6, 1);
  const auto v = run17.Run({{14, 2, 1, 1, 1, 1, 1}});
  EXPECT_NE(v.main.find("\\frac{(-1)^n4(n+3)}\r\n{n(2n+1)\\ln(n)\\sqrt{"), std::string::npos)
      << v.main;
  numeric_check::VariantRunner run1(19, 1, 1);
  EXPECT_NE(run1.Run({{1, 1, 1, 1, 1, 1, 1}}).main.find("(-1)^n\\frac{n!+1}{(n+1)!}"),
            std::string::npos);
}

// Some catalogue terms are not real for the first indices (ln 1 = 0 in a denominator, a
// zero denominator at n = 2, an arcsine of more than 1, the cosine under a root negative, a
// negative base under a real power). Every printed series must start where all its terms are
// defined, and no later than needed: checked on the printed text for every parameter set,
// Level and kind.
TEST(NumericSeries, EverySeriesStartsWhereAllItsTermsAreDefined) {
  std::set<std::string> checked;
  int moved = 0, series_count = 0;
  for (int kind : {1, 2}) {
    for (int level = 1; level <= 10; ++level) {
      numeric_check::VariantRunner run(17 + kind, level, 1);
      numeric_check::ForEachParameterSet({14, 5, 5, 5, 5, 0, 0}, [&](const Params& q) {
        const auto v = run.Run(q);
        const auto series = ReadSeries(v.main);
        ASSERT_EQ(series.size(), static_cast<std::size_t>(level)) << Describe(q, level);
        for (const Series& s : series) {
          ++series_count;
          if (s.from != q.p[1]) ++moved;
          const std::string key = std::to_string(s.from) + "|" + s.term;
          if (!checked.insert(key).second) continue;
          EXPECT_FALSE(HasBareSign(s.term)) << "the sum takes only part of " << s.term;
          const tex_formula::Formula a(s.term);  // also checks that the text reads
          for (int n = s.from; n <= s.from + 400; ++n) {
            ASSERT_TRUE(Defined(a, n)) << "n = " << n << ": " << s.term << " from " << s.from
                                       << "; " << Describe(q, level);
          }
          if (s.from > q.p[1]) {
            EXPECT_FALSE(Defined(a, s.from - 1))
                << "starts later than needed: " << s.term << " from " << s.from;
          } else {
            EXPECT_EQ(s.from, q.p[1]);
          }
        }
      });
    }
  }
  EXPECT_TRUE(testing_support::SweepCovered(series_count, 2 * 14 * 625 * 55)) << series_count;
  EXPECT_GT(moved, 0);
}

}  // namespace
