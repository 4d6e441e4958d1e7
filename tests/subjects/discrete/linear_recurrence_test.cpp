#include <gtest/gtest.h>

#include <cmath>

#include "tests/subjects/discrete/counting_check.h"
#include "tests/support/tex_formula.h"

namespace {

using discrete_check::Cells;
using discrete_check::RowRunner;

// Replaces every occurrence of from in text by to.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// A printed recurrence: x_{n+order} = rhs(a = x_{n+1}, b = x_n, n) with x_0 (and x_1).
struct Recurrence {
  int order = 1;
  std::string rhs;
  long x0 = 0;
  long x1 = 0;
};

Recurrence ReadRecurrence(const std::string& main) {
  Recurrence r;
  std::size_t from = main.find("x_{n+2}=");
  if (from != std::string::npos) {
    r.order = 2;
  } else {
    from = main.find("x_{n+1}=");
  }
  EXPECT_NE(from, std::string::npos) << main;
  from += 8;
  const std::size_t to = main.find("$,", from);
  std::string rhs = main.substr(from, to - from);
  rhs = ReplaceAll(rhs, "x_{n+1}", "a");
  rhs = ReplaceAll(rhs, "x_{n}", "b");
  rhs = ReplaceAll(rhs, "x_n", "b");
  r.rhs = rhs;
  const std::size_t x0 = main.find("$x_0=");
  EXPECT_NE(x0, std::string::npos) << main;
  r.x0 = std::stol(main.substr(x0 + 5));
  const std::size_t x1 = main.find("$x_1=");
  if (x1 != std::string::npos) r.x1 = std::stol(main.substr(x1 + 5));
  return r;
}

// x_0..x_10 by iterating the printed recurrence.
std::vector<long double> Iterate(const Recurrence& r) {
  const tex_formula::Formula f(r.rhs, 'n');
  std::vector<long double> x{static_cast<long double>(r.x0)};
  if (r.order == 2) x.push_back(static_cast<long double>(r.x1));
  while (x.size() <= 10) {
    tex_formula::Point p;
    const std::size_t k = x.size();  // the index computed now
    p.n = static_cast<long double>(k - static_cast<std::size_t>(r.order));
    p.Set('b', x[k - static_cast<std::size_t>(r.order)]);
    if (r.order == 2) p.Set('a', x[k - 1]);
    x.push_back(f(p));
  }
  return x;
}

// The answer formula of a row ("N&$ .. $ \\") at n = 0..10 equals the iterated sequence.
void ExpectClosedForm(const std::string& main, const std::string& answers) {
  const Recurrence r = ReadRecurrence(main);
  const auto x = Iterate(r);
  const auto cells = Cells(answers);
  ASSERT_EQ(cells.size(), 2u) << answers;
  std::string formula = cells[1];
  ASSERT_TRUE(formula.size() > 2 && formula.front() == '$' && formula.back() == '$') << answers;
  formula = formula.substr(1, formula.size() - 2);
  EXPECT_EQ(formula.find("+0"), std::string::npos) << answers;
  EXPECT_EQ(formula.find("-0"), std::string::npos) << answers;
  // A power of the root 1 is written as its bare coefficient.
  for (std::size_t at = formula.find("1^n"); at != std::string::npos;
       at = formula.find("1^n", at + 1)) {
    EXPECT_TRUE(at > 0 && std::isdigit(static_cast<unsigned char>(formula[at - 1])) != 0)
        << answers;
  }
  const tex_formula::Formula f(formula, 'n');
  for (int n = 0; n <= 10; ++n) {
    ASSERT_EQ(f.AtN(n), x[static_cast<std::size_t>(n)]) << "n = " << n << "\n" << main << answers;
  }
}

TEST(LinearRecurrence, GoldenVariants) {
  RowRunner run(33, 1);
  EXPECT_NE(run.BeginAnswers().find(" \\No &  $x_n$ \\\\\\hline"), std::string::npos);
  // Kind 1, P1 = 3, P2 = 7: the roots -2 and 2 become 1 and 4.
  auto [main, answers] = run.RunVariant({3, 7, 6, 4, 1, 1, 1});
  EXPECT_EQ(main,
            " \\vskip4mm  $ x_{n+2}=5 x_{n+1} -4x_n $,\\\\   $x_0=1$, $x_1=1.$ \\vskip4mm \r\n");
  // A = x1 - x0 = 0: only the root 1 is left, written as its coefficient.
  EXPECT_EQ(answers, "1&$ 1$ \\\\");
  // x_1 = 4: (3 4^n + 0) / 3 reduces to D = 1: no parentheses, no "/".
  std::tie(main, answers) = run.RunVariant({3, 7, 6, 7, 1, 1, 1});
  EXPECT_EQ(answers, "1&$ 4^n$ \\\\");
  std::tie(main, answers) = run.RunVariant({3, 7, 6, 9, 1, 1, 1});
  EXPECT_EQ(answers, "1&$( 5\r\n\\cdot4^n-2)/3$ \\\\");
  // Kind 3, P1 = 3: q = -1 and the fixed text "-x_{n}".
  std::tie(main, answers) = run.RunVariant({3, 7, 6, 1, 3, 1, 1});
  EXPECT_EQ(main, " \\vskip4mm  $ x_{n+1}= -x_{n}-8\r\n $,\\\\   $x_0=1$ \\vskip4mm \r\n");
  EXPECT_EQ(answers, "1&$ 5\r\n(-1)^n-4$ \\\\");
  // Kind 3 with c + 2d = 0 (P2 = 4, P3 = 7): x_0 = -2d is a fixed point; no "0" term.
  std::tie(main, answers) = run.RunVariant({7, 4, 7, 1, 3, 1, 1});
  EXPECT_EQ(answers, "1&$ 2$ \\\\");
  // Kind 4 with P1 = 6 and P7 = 1: the root u = 0 becomes 1, its power a bare coefficient.
  std::tie(main, answers) = run.RunVariant({6, 2, 7, 1, 4, 1, 1});
  EXPECT_EQ(answers, "1&$ 1+3^n$ \\\\");
  // Kind 6 with b = 3a: no n^2 term.
  std::tie(main, answers) = run.RunVariant({3, 1, 6, 1, 6, 1, 1});
  EXPECT_EQ(answers, "1&$1+2\r\nn^3-2\r\nn$ \\\\");
}

// Every distinct statement of every kind (the parameters each kind reads), checked by
// iterating the printed recurrence from the printed initial values to n = 10; the normal run
// takes a sample.
TEST(LinearRecurrence, ClosedFormsMatchThePrintedRecurrences) {
  counting_check::LevelRunners runners(33);
  // The parameters each kind reads: 1 for read, 0 for fixed at 1.
  const std::array<std::array<int, 7>, 6> reads = {{{1, 1, 1, 1, 0, 0, 0},
                                                    {1, 1, 1, 0, 0, 1, 0},
                                                    {1, 1, 1, 0, 0, 1, 1},
                                                    {1, 1, 1, 0, 0, 1, 1},
                                                    {1, 0, 1, 0, 0, 0, 1},
                                                    {1, 1, 1, 0, 0, 1, 0}}};
  const std::array<int, 7> bounds = {10, 10, 10, 10, 6, 10, 10};
  for (int kind = 1; kind <= 6; ++kind) {
    std::array<int, 7> b{};
    for (std::size_t k = 0; k < 7; ++k)
      b[k] = reads[static_cast<std::size_t>(kind - 1)][k] == 1 ? bounds[k] : 1;
    counting_check::SampleParams(b, discrete_check::FullSweep() ? 1000000 : 10000, [&](auto p) {
      p[4] = kind;
      const auto [main, answers] = runners.Pick(p).RunVariant(p);
      ExpectClosedForm(main, answers);
    });
  }
}

}  // namespace
