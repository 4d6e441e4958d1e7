#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subjects/logic/logic_run.h"
#include "tests/support/logic_formula.h"

namespace {

using logic_check::Between;
using logic_check::Cells;
using logic_check::Digits;
using logic_check::RunLogicVariant;
using testing_support::IsLogicDnf;
using testing_support::LogicTruthVector;
using testing_support::MinimalDnfLiteralCount;
using testing_support::ParseLogicFormula;

constexpr int kRow = 3;

TEST(ExpressionSimplification, BeginWritesStatementAndHeading) {
  const auto out = RunLogicVariant(kRow, {1, 1, 2, 1, 1, 1, 1});
  EXPECT_EQ(out.main.rfind("Упростить выражение, преобразовав его в минимальную дизъюнктивную "
                           "нормальную форму.\\\\\\noindent\\vskip3mm \r\n",
                           0),
            0u)
      << out.main;
  EXPECT_EQ(out.answers.rfind("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|"
                              "r|r|}\\hline \r\n \\No & $f$ & МДНФ & 2-я МДНФ \\\\\\hline\r\n",
                              0),
            0u)
      << out.answers;
}

TEST(ExpressionSimplification, GoldenLines) {
  struct Case {
    const char* what;
    testing_support::VariantParams p;
    const char* expression;
    const char* row;
  };
  const Case cases[] = {
      {"one minimal cover",
       {1, 1, 2, 1, 1, 1, 1},
       " $(\\bar x\\bar y\\vee xz)\\oplus (xz\\vee y)$ ",
       "1&1, 1, 1, 1, 0, 0, 1, 0  & $\\bar x\\vee y\\bar z$   \\\\"},
      {"two minimal covers in the order found",
       {1, 1, 3, 1, 1, 1, 1},
       " $(\\bar x\\bar y\\vee xz)\\oplus (zy\\vee x)$ ",
       "1&1, 1, 0, 1, 1, 0, 1, 0  & $x\\bar z\\vee \\bar x\\bar y\\vee \\bar xz$  "
       "& $x\\bar z\\vee \\bar xz\\vee \\bar y\\bar z$   \\\\"},
      {"both default entries under exclusive or: the constant 0",
       {32, 1, 1, 1, 1, 1, 1},
       " $(xz\\vee \\bar yz)\\oplus (xz\\vee \\bar yz)$ ",
       "1&0, 0, 0, 0, 0, 0, 0, 0  $0$ \\\\"},
      {"both default entries under equivalence: the constant 1",
       {32, 2, 1, 1, 1, 1, 1},
       " $(xz\\vee \\bar yz)\\leftrightarrow (xz\\vee \\bar yz)$ ",
       "1&1, 1, 1, 1, 1, 1, 1, 1  $1$ \\\\"},
      {"complementary formulas under exclusive or",
       {17, 1, 15, 1, 1, 1, 1},
       " $(\\bar xy\\vee \\bar z)\\oplus (xz\\vee \\bar yz)$ ",
       "1&1, 1, 1, 1, 1, 1, 1, 1  $1$ \\\\"},
      {"conjunction; the primes in term order",
       {5, 3, 20, 1, 1, 1, 1},
       " $(\\bar xy\\vee z)(x\\vee y\\vee z)$ ",
       "1&0, 1, 1, 1, 0, 1, 0, 1  & $z\\vee \\bar xy$   \\\\"},
  };
  for (const Case& c : cases) {
    const auto out = RunLogicVariant(kRow, c.p);
    EXPECT_EQ(Between(out.main, "\\vskip3mm \r\n", "\\vskip4mm \r\n"), c.expression) << c.what;
    EXPECT_EQ(logic_check::AnswersRow(out.answers), c.row) << c.what;
  }
}

// The 26 candidate products in their order, as the student would write them.
constexpr const char* kTerms[26] = {
    "x",
    "\\bar x",
    "y",
    "\\bar y",
    "z",
    "\\bar z",
    "xy",
    "x\\bar y",
    "xz",
    "x\\bar z",
    "\\bar xy",
    "\\bar x\\bar y",
    "\\bar xz",
    "\\bar x\\bar z",
    "yz",
    "y\\bar z",
    "\\bar yz",
    "\\bar y\\bar z",
    "xyz",
    "xy\\bar z",
    "x\\bar yz",
    "x\\bar y\\bar z",
    "\\bar xyz",
    "\\bar xy\\bar z",
    "\\bar x\\bar yz",
    "\\bar x\\bar y\\bar z",
};

struct Expected {
  std::vector<std::string> covers;  // texts of the minimal covers, in order
  int recorded = 0;                 // covers the search records
};

/// The minimal covers by brute force over the printed function: primes are the products true
/// only where f is and inside no larger such product; covers of one to four primes in
/// lexicographic order, stopping after single primes when one literal suffices.
Expected MinimalCoversOf(const std::vector<int>& f) {
  struct Term {
    std::string text;
    std::vector<int> truth;
    int literals;
  };
  std::vector<Term> implicants;
  for (const char* t : kTerms) {
    const auto truth = LogicTruthVector(ParseLogicFormula(t), "xyz");
    bool inside = true;
    for (int k = 0; k < 8; ++k) inside = inside && (truth[k] == 0 || f[k] == 1);
    int literals = 0;
    IsLogicDnf(ParseLogicFormula(t), &literals);
    if (inside) implicants.push_back({t, truth, literals});
  }
  std::vector<Term> primes;
  for (const Term& a : implicants) {
    bool prime = true;
    for (const Term& b : implicants) {
      bool larger = b.truth != a.truth;
      for (int k = 0; k < 8; ++k) larger = larger && (a.truth[k] == 0 || b.truth[k] == 1);
      if (larger) prime = false;
    }
    if (prime) primes.push_back(a);
  }
  struct Cover {
    std::string text;
    int cost;
  };
  std::vector<Cover> recorded;
  const int p = static_cast<int>(primes.size());
  bool one_literal = false;
  for (int size = 1; size <= 4 && !one_literal; ++size) {
    std::vector<int> idx(static_cast<std::size_t>(size));
    // Lexicographic combinations of `size` prime indices.
    for (int i = 0; i < size; ++i) idx[static_cast<std::size_t>(i)] = i;
    while (size <= p) {
      std::vector<int> covered(8, 0);
      std::string text;
      int cost = 0;
      for (int i : idx) {
        const Term& t = primes[static_cast<std::size_t>(i)];
        for (int k = 0; k < 8; ++k) covered[k] |= t.truth[k];
        text += (text.empty() ? "" : "\\vee ") + t.text;
        cost += t.literals;
      }
      if (covered == f) recorded.push_back({text, cost});
      int i = size - 1;
      while (i >= 0 && idx[static_cast<std::size_t>(i)] == p - size + i) --i;
      if (i < 0) break;
      ++idx[static_cast<std::size_t>(i)];
      for (int j = i + 1; j < size; ++j) {
        idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
      }
    }
    if (size == 1) {
      for (const Cover& c : recorded) one_literal = one_literal || c.cost == 1;
    }
  }
  int least = 1 << 20;
  for (const Cover& c : recorded) least = std::min(least, c.cost);
  Expected e;
  e.recorded = static_cast<int>(recorded.size());
  for (const Cover& c : recorded) {
    if (c.cost == least) e.covers.push_back(c.text);
  }
  return e;
}

// Every parameter set and Level: the answers vector is the printed expression's function, a
// constant gives $0$ or $1$, and otherwise the written covers are exactly the covers of least
// literal count, each equivalent to the expression and minimal, in the order of the search;
// the search records at most 11 covers and at most 2 are minimal.
TEST(ExpressionSimplification, CoversAreExactlyTheMinimalOnesForEveryParameterSet) {
  int count = 0, most_recorded = 0, most_minimal = 0;
  for (int p1 = 1; p1 <= 32; ++p1) {
    for (int p2 = 1; p2 <= 3; ++p2) {
      for (int p3 = 1; p3 <= 20; ++p3) {
        for (int level : logic_check::LevelsFor(count++)) {
          const auto out = RunLogicVariant(kRow, {p1, p2, p3, 1, 1, 1, 1}, level);
          const std::string where = "P " + std::to_string(p1) + " " + std::to_string(p2) + " " +
                                    std::to_string(p3) + " level " + std::to_string(level);
          const std::string expression = Between(out.main, " $", "$ ");
          const auto f = LogicTruthVector(ParseLogicFormula(expression), "xyz");
          const auto cells = Cells(logic_check::AnswersRow(out.answers));
          ASSERT_GE(cells.size(), 2u) << where;
          EXPECT_EQ(cells[0], "1") << where;
          const std::string vector_cell = cells[1].substr(0, cells[1].find('$'));
          EXPECT_EQ(Digits(vector_cell), f) << where;
          int ones = 0;
          for (int v : f) ones += v;
          if (ones == 0 || ones == 8) {
            EXPECT_EQ(cells.size(), 2u) << where;
            EXPECT_EQ(cells[1].substr(cells[1].find('$')), ones == 0 ? "$0$" : "$1$") << where;
            continue;
          }
          const Expected e = MinimalCoversOf(f);
          most_recorded = std::max(most_recorded, e.recorded);
          most_minimal = std::max(most_minimal, static_cast<int>(e.covers.size()));
          ASSERT_EQ(cells.size(), 2 + e.covers.size()) << where << out.answers;
          const int least = MinimalDnfLiteralCount(f, 3);
          for (std::size_t i = 0; i < e.covers.size(); ++i) {
            const std::string written = Between(cells[2 + i], "$", "$");
            EXPECT_EQ(written, e.covers[i]) << where;
            const auto cover = ParseLogicFormula(written);
            int literals = 0;
            EXPECT_TRUE(IsLogicDnf(cover, &literals)) << where;
            EXPECT_EQ(literals, least) << where;
            EXPECT_EQ(LogicTruthVector(cover, "xyz"), f) << where;
          }
        }
      }
    }
  }
  EXPECT_LE(most_recorded, 11);
  EXPECT_LE(most_minimal, 2);
  EXPECT_EQ(most_minimal, 2);
}

}  // namespace
