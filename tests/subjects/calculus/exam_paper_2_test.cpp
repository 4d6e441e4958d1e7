#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/subjects/calculus/set_check.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 35;

std::string WithoutLineEnds(std::string text) {
  for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) text.erase(p, 2);
  return text;
}

// The cells of the answers row, split at "&" (the first is the variant number).
std::vector<std::string> Cells(const std::string& ans) {
  std::vector<std::string> out;
  std::string cell;
  for (char c : WithoutLineEnds(ans)) {
    if (c == '&') {
      out.push_back(cell);
      cell.clear();
    } else {
      cell += c;
    }
  }
  out.push_back(cell);
  return out;
}

std::string Stripped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '$' && c != ' ') out += c;
  }
  return out;
}

// Whether x belongs to the printed region: conditions joined by "," are a union.
bool InRegion(const std::string& cell, double x) {
  static const std::regex kBelow(R"(^x<(-?\d+)$)"), kAbove(R"(^(-?\d+)<x$)"),
      kAbove2(R"(^x>(-?\d+)$)"), kBetween(R"(^(-?\d+)<x<(-?\d+)$)"), kBut(R"(^x\\ne(-?\d+)$)");
  const std::string text = Stripped(cell);
  if (text == "\\emptyset") return false;
  bool in = false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma == std::string::npos ? comma : comma - start);
    std::vector<std::string> m;
    if (!(m = numeric_check::Match(part, kBelow)).empty()) {
      in = in || x < std::stod(m[0]);
    } else if (!(m = numeric_check::Match(part, kAbove)).empty() ||
               !(m = numeric_check::Match(part, kAbove2)).empty()) {
      in = in || x > std::stod(m[0]);
    } else if (!(m = numeric_check::Match(part, kBetween)).empty()) {
      in = in || (std::stod(m[0]) < x && x < std::stod(m[1]));
    } else if (!(m = numeric_check::Match(part, kBut)).empty()) {
      in = in || x != std::stod(m[0]);
    } else {
      throw std::runtime_error("cannot read region \"" + cell + "\"");
    }
    if (comma == std::string::npos) return in;
    start = comma + 1;
  }
}

// Whether the series of the printed general term converges at x, judged from how |a_n|
// falls between N and 2N (the largest N of a few where both are finite and not 0): a fall
// faster than 1/n^(1.02) converges, slower than 1/n^(0.98) (or growth) diverges; in between
// the answer is left open (nullopt). Geometric and n^2-exponent terms fall or grow far past
// either bound at the points tried.
std::optional<bool> Converges(const tex_formula::Formula& term, double x) {
  // Factors like (1 + 2/n^(1/5))^(30x) settle only at very large n: try those first.
  for (double n : {1e15, 1e12, 1e9, 1e6, 4000.0, 1000.0, 250.0, 60.0, 15.0}) {
    long double a = 0, b = 0;
    try {
      a = std::fabs(term.AtN(n, x));
      b = std::fabs(term.AtN(2 * n, x));
    } catch (const tex_formula::NotReal&) {
      continue;
    }
    if (!std::isfinite(a) || !std::isfinite(b) || a == 0 || b == 0) continue;
    const double p = -double(std::log(b / a)) / std::log(2.0);
    if (p > 1.02) return true;
    if (p < 0.98) return false;
    return std::nullopt;
  }
  return std::nullopt;
}

TEST(ExamPaper2, BeginWritesTheAnswersHeadOnly) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 200);
  EXPECT_EQ(testing_support::MainText(s), "");
  EXPECT_NE(testing_support::AnsText(s).find(
                "\\small\\tabcolsep=2pt\r\n\\noindent\\begin{center}\\begin{tabular}{|r|"),
            std::string::npos);
  EXPECT_NE(testing_support::AnsText(s).find(
                "\\No &\\mc{$i_1$}&\\mc{$i_2$}&\\mc{$i_{sum}$}& Область сходимости&Сумма&$div$ & "
                "$rot$ &Card\\\\ \\hline\r\n"),
            std::string::npos);
}

TEST(ExamPaper2, WritesTheIntegralAndEachKindOfTask) {
  numeric_check::VariantRunner run(kRow, 1);
  // P2 = 7: the second term is not integrable, i2 and the sum are infinite.
  auto v = run.Run({{1, 7, 1, 2, 1, 1, 7}});
  EXPECT_EQ(v.main,
            "1. Вычислить интеграл\r\n\\begin{center}$\\displaystyle\\int_0^1 "
            "\\biggl(2(x+1)e^{x-1}\r\n+\\frac{2}{(2x-1)^2}\\biggr) dx$\\end{center}2. Найти "
            "сумму ряда $$ \\sum_{n=1}^{\\infty} "
            "(3n+1)x^n$$\r\n при $x=1/2$. ");
  EXPECT_EQ(v.ans, "1 &2&$\\infty$&$\\infty$&& 7 &&&");
  // P2 = 6 closes its parenthesis.
  v = run.Run({{1, 6, 1, 1, 1, 1, 6}});
  EXPECT_NE(v.main.find("+15\\sqrt{x}(1-2x)\r\n\\biggr) dx$\\end{center}"), std::string::npos)
      << v.main;
  EXPECT_EQ(v.ans, "1 &1&-2&-1&$x\\ne0$&&&&");
  // P7 = 6 with beta = 2 <= P1 + 1: the empty set.
  v = run.Run({{1, 1, 1, 1, 1, 1, 6}});
  EXPECT_EQ(v.ans, "1 &1&2&3&$\\emptyset$&&&&");
  // P7 = 10 with P4 = 2: z0 = 0, rot = (0, 1, -a b P2).
  v = run.Run({{3, 2, 1, 2, 2, 3, 10}});
  EXPECT_NE(v.main.find("$$F(3xe^{4y}+z,xz^2,3yz^2)$$ в точке \r\n$x=2$, $y=0$, $z=0$. "),
            std::string::npos)
      << v.main;
  EXPECT_EQ(v.ans, "1 &0&-6&-6& & & &(0,1,-24)&");
  // P7 = 11 with P1 = 6: the set task runs with P1 = 1 in ticket mode, and the mode is
  // restored after it.
  v = run.Run({{6, 4, 1, 2, 3, 4, 11}});
  EXPECT_NE(
      v.main.find("\\end{center}2. Универсальное множество состоит из 26 строчных букв латинского "
                  "алфавита. Вычислить мощность множества $X$.\\\\\r\n $A=\\{\r\na,b,c,d,e\r\n"),
      std::string::npos)
      << v.main;
  EXPECT_NE(v.main.find("$X$= $(A\\backslash  B)\\cap (C\\cap D)$."), std::string::npos) << v.main;
  EXPECT_EQ(v.ans, "1 &4&-4&0&&&&&0");
  EXPECT_EQ(run.state().P1, 1);
  EXPECT_FALSE(run.state().TicketMode);
}

// Item 1 by quadrature of each printed term; item 2 against the printed term or field: the
// region at points a quarter away from every integer (all printed bounds are integers), the
// sums by partial sums, div and rot by central differences at the printed point, the set's
// cardinality from the printed sets and expression.
TEST(ExamPaper2, AnswersAgreeWithThePrintedTasks) {
  static const std::regex kIntegral(
      R"(\$\\displaystyle\\int_0\^1 \\biggl\((.*)\r\n(.*?)(?:\r\n)?\\biggr\) dx\$)");
  static const std::regex kPoint(R"(\$x=(-?\d+)\$, \$y=(-?\d+)\$, \$z=(-?\d+)\$)");
  static const std::regex kX(R"(\$X\$= \$([^$]*)\$)");
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  numeric_check::VariantRunner run(kRow, 1);
  long long checked = 0, open = 0, tried = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const auto cells = Cells(v.ans);
        ASSERT_GE(cells.size(), 9u) << where;
        // Item 1.
        const auto terms = numeric_check::Match(v.main, kIntegral);
        ASSERT_EQ(terms.size(), 2u) << where;
        const tex_formula::Formula first(terms[0]), second(terms[1]);
        auto over01 = [](const tex_formula::Formula& f) {
          auto g = [&](double x) { return f(x); };
          return quadrature::GaussGraded(g, 0, 0.5) +
                 quadrature::GaussGraded([&](double x) { return g(1 - x); }, 0, 0.5);
        };
        const double i1 = over01(first);
        EXPECT_NEAR(std::stod(cells[1]), i1, 1e-7) << where;
        if (q.p[1] == 7) {
          // Not integrable at 1/2: the integral up to 1/2 - h grows like 1/h.
          const double near =
              quadrature::Gauss([&](double x) { return second(x); }, 0, 0.5 - 1e-4, 64);
          EXPECT_GT(near, 1000) << where;
          EXPECT_EQ(cells[2], "$\\infty$") << where;
          EXPECT_EQ(cells[3], "$\\infty$") << where;
        } else {
          const double i2 = over01(second);
          EXPECT_NEAR(std::stod(cells[2]), i2, 1e-7) << where;
          EXPECT_NEAR(std::stod(cells[3]), i1 + i2, 1e-7) << where;
        }
        // Item 2.
        const std::string text = WithoutLineEnds(v.main);
        const int task = q.p[6];
        if (task <= 6) {
          const std::string general = numeric_check::Between(text, "}^{\\infty} ", "$$");
          const tex_formula::Formula term(general, 'n');
          for (int k = -14; k <= 14; ++k) {
            for (double x : {k + 0.25, k + 0.75}) {
              const auto converges = Converges(term, x);
              ++tried;
              if (!converges) {
                ++open;
                continue;
              }
              EXPECT_EQ(*converges, InRegion(cells[4], x))
                  << where << "\nx = " << x << ", term " << general;
            }
          }
        } else if (task <= 8) {
          const std::string general = numeric_check::Between(text, "}^{\\infty} ", "$$");
          const tex_formula::Formula term(general, 'n');
          long double sum = 0;
          for (int n = 1; n <= 300; ++n) sum += term.AtN(n, 0.5L);
          const std::string printed = Stripped(cells[5]);
          EXPECT_NEAR(numeric_check::EvalTex(printed, 'x', 0), double(sum), 1e-9) << where;
        } else if (task <= 10) {
          const std::string field = numeric_check::Between(text, "$$F(", ")$$");
          std::vector<tex_formula::Formula> f;
          std::size_t start = 0;
          for (int i = 0; i < 3; ++i) {
            const std::size_t comma = field.find(',', start);
            f.emplace_back(field.substr(start, comma == std::string::npos ? comma : comma - start));
            start = comma + 1;
          }
          const auto m = numeric_check::Match(text, kPoint);
          ASSERT_EQ(m.size(), 3u) << where;
          const double at[3] = {std::stod(m[0]), std::stod(m[1]), std::stod(m[2])};
          // d f[i] / d coordinate j at the point.
          auto partial = [&](int i, int j) {
            auto along = [&](double t) {
              tex_formula::Point p;
              double c[3] = {at[0], at[1], at[2]};
              c[j] = t;
              p.x = c[0], p.y = c[1], p.z = c[2];
              return double(f[i](p));
            };
            return numeric_check::Derivative(along, at[j]);
          };
          if (task == 9) {
            EXPECT_NEAR(std::stod(cells[6]), partial(0, 0) + partial(1, 1) + partial(2, 2), 1e-6)
                << where;
          } else {
            // The curl at an integer point of this field is a vector of integers.
            const double curl[3] = {partial(2, 1) - partial(1, 2), partial(0, 2) - partial(2, 0),
                                    partial(1, 0) - partial(0, 1)};
            std::string rot = "(";
            for (int i = 0; i < 3; ++i) {
              EXPECT_NEAR(curl[i], std::lround(curl[i]), 1e-6) << where;
              rot += std::to_string(std::lround(curl[i])) + (i < 2 ? "," : ")");
            }
            EXPECT_EQ(cells[7], rot) << where;
          }
        } else {
          const auto sets = set_check::ReadSets(v.main);
          const auto x = numeric_check::Match(v.main, kX);
          ASSERT_EQ(x.size(), 1u) << where;
          EXPECT_EQ(std::stoi(cells[8]), int(set_check::Evaluate(x[0], sets).count())) << where;
          EXPECT_FALSE(run.state().TicketMode) << where;
        }
        ++checked;
      },
      3000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8LL * 7 * 4 * 5 * 5 * 5 * 11));
  // The open verdicts stay few: the check decides nearly every point.
  EXPECT_LT(open * 50, tried) << open << " of " << tried;
}

}  // namespace
