#include <gtest/gtest.h>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Integers;
using discrete_check::RowRunner;

using Matrix = std::vector<long>;  // 16 entries, row by row

// The 16 entries of the first 4 x 4 tabular of text.
Matrix ReadRelation(const std::string& text) {
  std::size_t from = text.find("{|llll|}");
  if (from == std::string::npos) from = text.find("{|rrrr|}");
  const std::size_t to = text.find("\\end{tabular}", from);
  return Integers(text.substr(from + 8, to - from - 8));
}

Matrix Warshall(Matrix r) {
  for (int k = 0; k < 4; ++k) {
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) {
        if (r[static_cast<std::size_t>(i * 4 + k)] == 1 && r[static_cast<std::size_t>(k * 4 + j)] == 1)
          r[static_cast<std::size_t>(i * 4 + j)] = 1;
      }
    }
  }
  return r;
}

TEST(TransitiveClosure, WorkedExamples) {
  RowRunner run(1, 1);
  EXPECT_EQ(run.BeginMain(),
            " Найти транзитивное замыкание отношения, заданного матрицей.\\\\\\noindent\r\n");
  EXPECT_FALSE(run.State().AnsTableOpen);
  struct Case {
    testing_support::VariantParams p;
    Matrix relation;
    Matrix closure;
  };
  const Case cases[] = {
      // The first attempt is already transitive; P1 = 2 is taken.
      {{1, 2, 3, 4, 5, 6, 7},
       {0, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},
       {1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0}},
      // The third attempt (P1 = 2) is taken; the closure adds (2, 4).
      {{16, 16, 16, 16, 16, 16, 16},
       {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1},
       {0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1}},
      {{5, 10, 15, 2, 7, 12, 1},
       {1, 1, 0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0},
       {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const auto [main, answers] = run.RunVariant(c.p);
    EXPECT_EQ(ReadRelation(main), c.relation) << main;
    EXPECT_EQ(ReadRelation(answers), c.closure) << answers;
  }
  const auto [main, answers] = run.RunVariant({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(main,
            "$\\begin{tabular}{|llll|}\r\n0 & 1 & 0 & 0 \\\\ 1 & 1 & 0 & 0 \\\\ 1 & 1 & 0 & 0 \\\\ "
            "0 & 0 & 0 & 0 \\\\ \\end{tabular}$\\vskip3mm\r\n");
  EXPECT_EQ(answers,
            "\\parbox{100pt}{\\hfill{\\bf 1)} $\\begin{tabular}{|rrrr|}\\hline 1 & 1 & 0 & 0 \\\\ 1 & 1 & 0 & "
            "0 \\\\ 1 & 1 & 0 & 0 \\\\ 0 & 0 & 0 & 0 \\\\\\hline\\end{tabular}$ \\rule{0pt}{40pt}} ");
}

// The answer is Warshall's closure of the printed matrix, which transitivity still changes
// whenever a non-transitive relation was found within the attempts.
TEST(TransitiveClosure, AnswerIsTheClosureOfThePrintedRelation) {
  RowRunner run(1, 1);
  long changed = 0, total = 0;
  picture_read::ForEachSample({16, 16, 16, 16, 16, 16, 16}, 20000, 200000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const Matrix relation = ReadRelation(main);
    ASSERT_EQ(relation.size(), 16u) << main;
    for (long e : relation) ASSERT_TRUE(e == 0 || e == 1);
    const Matrix closure = Warshall(relation);
    ASSERT_EQ(ReadRelation(answers), closure) << main;
    changed += closure != relation ? 1 : 0;
    ++total;
  });
  // Nearly every variant asks for work.
  EXPECT_GT(changed * 100, total * 99);
}

}  // namespace
