#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

// Evaluates a printed component formula: products of a_1, a_2, b_1, b_2 and numbers,
// differences, and |...|.
class Formula {
 public:
  Formula(std::string text, const int a[2], const int b[2]) : t_(std::move(text)), a_(a), b_(b) {}
  int Value() {
    const int v = Expr();
    EXPECT_EQ(at_, t_.size()) << t_;
    return v;
  }

 private:
  int Expr() {
    int v = Term();
    while (at_ < t_.size() && t_[at_] == '-') {
      ++at_;
      v -= Term();
    }
    return v;
  }
  int Term() {
    int v = Factor();
    while (at_ < t_.size() && t_[at_] != '-' && t_[at_] != '|') v *= Factor();
    return v;
  }
  int Factor() {
    if (t_[at_] == '|') {
      ++at_;
      const int v = std::abs(Expr());
      ++at_;  // closing '|'
      return v;
    }
    if (t_[at_] == 'a' || t_[at_] == 'b') {
      const int* x = t_[at_] == 'a' ? a_ : b_;
      const int k = t_[at_ + 2] - '1';
      at_ += 3;
      return x[k];
    }
    return t_[at_++] - '0';
  }
  std::string t_;
  const int* a_;
  const int* b_;
  std::size_t at_ = 0;
};

// The printed formulas and the 16 cells of the framed table.
void Check(const std::string& main, const std::string& answers) {
  const std::size_t open = main.find("$(\r\n");
  const std::size_t close = main.find(")$", open);
  ASSERT_NE(open, std::string::npos) << main;
  const std::string pair = main.substr(open + 4, close - open - 4);
  const std::size_t comma = pair.find(", ");
  const std::string f1 = pair.substr(0, comma);
  const std::string f2 = pair.substr(comma + 2);
  const std::size_t body = answers.find("\\hline") + 6;
  std::string cells = answers.substr(body, answers.find("\\hline\\end") - body);
  std::vector<std::string> read;
  for (std::size_t at = cells.find("$x_"); at != std::string::npos; at = cells.find("$x_", at + 1))
    read.push_back(cells.substr(at, 5));
  ASSERT_EQ(read.size(), 16u) << answers;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      const int a[2] = {i / 2, i % 2};
      const int b[2] = {j / 2, j % 2};
      const int c = Formula(f1, a, b).Value();
      const int d = Formula(f2, a, b).Value();
      ASSERT_TRUE((c == 0 || c == 1) && (d == 0 || d == 1));
      EXPECT_EQ(read[static_cast<std::size_t>(i * 4 + j)], "$x_" + std::to_string(2 * c + d) + "$")
          << f1 << ", " << f2 << " at " << i << j;
    }
  }
}

TEST(CayleyTable, WorkedExamples) {
  RowRunner run(7, 1);
  EXPECT_FALSE(run.State().AnsTableOpen);
  const auto [main, answers] = run.RunVariant({1, 2, 1, 1, 1, 1, 1});
  EXPECT_EQ(main, " $a*b=$\r\n$(\r\na_1b_2, a_2b_1)$  \r\n");
  EXPECT_EQ(answers,
            "\\noindent\\parbox{100pt}{\\hfill{\\bf 1)} \\tabcolsep=3pt\\begin{tabular}{|rrrr|}\\hline"
            "$x_0$ & $x_0$ & $x_0$ & $x_0$\\\\ $x_0$ & $x_0$ & $x_1$ & $x_1$\\\\ "
            "$x_0$ & $x_2$ & $x_0$ & $x_2$\\\\ $x_0$ & $x_2$ & $x_1$ & $x_3$\\\\"
            "\\hline\\end{tabular}\\rule{0pt}{38pt}} ");
  // Equal formula numbers move the second on; above 11 it starts again at 1.
  EXPECT_NE(run.RunVariant({5, 5, 1, 1, 1, 1, 1}).first.find("|a_1a_2-b_1b_2|, |a_2b_1-a_1b_2|)"), std::string::npos);
  EXPECT_NE(run.RunVariant({11, 11, 1, 1, 1, 1, 1}).first.find("|a_2b_2-a_1|, a_1b_2)"), std::string::npos);
  EXPECT_NE(run.RunVariant({3, 14, 1, 1, 1, 1, 1}).first.find("|a_1-b_2|, a_1b_2)"), std::string::npos);
  RowRunner ticket(7, 1);
  EXPECT_NE(ticket.BeginMain().find("$b=(b_1,b_2)$.\\\\\\noindent "), std::string::npos);
}

// Every table is the printed formulas evaluated on the 16 pairs.
TEST(CayleyTable, TableIsThePrintedRuleOnEveryPair) {
  RowRunner run(7, 1);
  for (int p1 = 1; p1 <= 14; ++p1) {
    for (int p2 = 1; p2 <= 14; ++p2) {
      const auto [main, answers] = run.RunVariant({p1, p2, 1, 1, 1, 1, 1});
      Check(main, answers);
    }
  }
}

}  // namespace
