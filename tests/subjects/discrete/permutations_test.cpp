#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "tests/subjects/discrete/counting_check.h"

namespace {

using counting_check::AreCyclesOf;
using counting_check::Groups;
using counting_check::IsPermutation;
using counting_check::TwoRowPermutations;
using discrete_check::Cells;
using discrete_check::Integers;
using discrete_check::RowRunner;

// P = 1..7 makes the variant permutation the identity, P = 8..2 the reversed identity; the
// inversion rows read it backwards.
TEST(InversionTables, GoldenVariants) {
  RowRunner from_table(14, 1);
  EXPECT_EQ(from_table.BeginMain(),
            "\\arraycolsep=3ptВосстановить перестановку по таблице инверсий. \\\\\\noindent ");
  auto [main, answers] = from_table.RunVariant({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(main,
            "\\vspace{5mm}[7,\r\n6,\r\n5,\r\n4,\r\n3,\r\n2,\r\n1,\r\n0]\\\\\\vspace{10mm}\r\n");
  EXPECT_EQ(answers, "1& \r\n[8,7,6,5,4,3,2,1] \\\\");
  std::tie(main, answers) = from_table.RunVariant({8, 7, 6, 5, 4, 3, 2});
  EXPECT_EQ(answers, "1& \r\n[1,2,3,4,5,6,7,8] \\\\");

  RowRunner table(15, 1);
  std::tie(main, answers) = table.RunVariant({8, 7, 6, 5, 4, 3, 2});
  EXPECT_EQ(main.rfind("\\vspace{3mm}$\\alpha=\\left[\\begin{array}{cccccccc}1&\r\n", 0), 0u);
  EXPECT_EQ(answers, "1& \r\n[0,0,0,0,0,0,0,0] \\\\");
  std::tie(main, answers) = table.RunVariant({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(answers, "1& \r\n[7,6,5,4,3,2,1,0] \\\\");
}

// Row 14: the answer is the permutation whose inversion table is the printed one (rebuilt by
// inserting 8, 7, .., 1, each behind as many greater entries as its table says). Row 15: the
// answer is the inversion table of the printed permutation.
TEST(InversionTables, AnswersMatchThePrintedData) {
  counting_check::LevelRunners from_table(14);
  counting_check::LevelRunners table(15);
  discrete_check::ForEachParams({8, 8, 8, 8, 8, 8, 8}, 20000, [&](const auto& p) {
    auto [main, answers] = from_table.Pick(p).RunVariant(p);
    const auto groups = Groups(main);
    ASSERT_EQ(groups.size(), 1u) << main;
    const auto& b = groups[0];
    ASSERT_EQ(b.size(), 8u) << main;
    std::vector<int> rebuilt;
    for (int v = 8; v >= 1; --v) {
      const int before = b[static_cast<std::size_t>(v - 1)];
      ASSERT_LE(before, 8 - v) << main;
      rebuilt.insert(rebuilt.begin() + before, v);
    }
    auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    std::vector<long> expected(rebuilt.begin(), rebuilt.end());
    EXPECT_EQ(Integers(cells[1]), expected) << main << answers;

    std::tie(main, answers) = table.Pick(p).RunVariant(p);
    const auto perms = TwoRowPermutations(main);
    ASSERT_EQ(perms.size(), 1u) << main;
    const std::vector<int>& q = perms[0];
    ASSERT_EQ(q.size(), 8u) << main;
    ASSERT_TRUE(IsPermutation(q)) << main;
    std::vector<long> inversions(8, 0);
    for (std::size_t j = 0; j < 8; ++j) {
      for (std::size_t i = 0; i < j; ++i) {
        if (q[i] > q[j]) ++inversions[static_cast<std::size_t>(q[j] - 1)];
      }
    }
    cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_EQ(Integers(cells[1]), inversions) << main << answers;
  });
}

// P = 4, 6, 5, 1, 3, 2, 2 gives phi1 = 4 2 5 1 3 6 (the variant permutation with entries 2 and
// 6 exchanged, since P7 = 2).
TEST(CycleIndex, GoldenVariants) {
  RowRunner run(17, 1);
  EXPECT_EQ(run.BeginMain(),
            "\\arraycolsep=3pt\\tabcolsep=1ptНайти цикловой индекс структуры. \\\\\\noindent ");
  auto [main, answers] = run.RunVariant({4, 6, 5, 1, 3, 2, 2});
  const auto perms = TwoRowPermutations(main);
  ASSERT_EQ(perms.size(), 4u);
  EXPECT_EQ(perms[1], (std::vector<int>{4, 2, 5, 1, 3, 6}));
  EXPECT_EQ(perms[2], (std::vector<int>{4, 2, 1, 5, 3, 6}));
  EXPECT_EQ(perms[3], (std::vector<int>{1, 2, 4, 3, 5, 6}));
  EXPECT_EQ(answers,
            "1& \r\n\\small \\small [4,1][2][5,3][6]&\\small [4,5,3,1][2][6]&\\small "
            "[1][2][4,3][5][6]& $x_1^6+x_1^2x_2^2+x_1^2x_4+x_1^4x_2$ \\\\");
  // P = 2, 1, 3..6 and P7 = 1 (entries 1 and 2 exchanged back) make phi1 the identity: phi0's
  // term is never merged, so x_1^6 stands twice; phi2 and phi3 share one type, merged.
  std::tie(main, answers) = run.RunVariant({2, 1, 3, 4, 5, 6, 1});
  EXPECT_EQ(TwoRowPermutations(main)[1], (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_NE(answers.find("& $x_1^6+x_1^6+2x_1^4x_2$ \\\\"), std::string::npos) << answers;
}

// The monomials of a cycle-index cell "$x_1^6+2x_1^4x_2+..$": cycle type -> coefficient.
std::map<std::vector<int>, int> Monomials(std::string cell) {
  cell = counting_check::Squeeze(cell);
  cell.erase(std::remove(cell.begin(), cell.end(), '$'), cell.end());
  std::map<std::vector<int>, int> result;
  std::size_t at = 0;
  while (at < cell.size()) {
    if (cell[at] == '+') ++at;
    int coefficient = 1;
    if (std::isdigit(static_cast<unsigned char>(cell[at])) != 0) {
      std::size_t used = 0;
      coefficient = std::stoi(cell.substr(at), &used);
      at += used;
    }
    std::vector<int> type(7, 0);
    while (at < cell.size() && cell[at] == 'x') {
      at += 2;  // "x_"
      const int length = cell[at++] - '0';
      int count = 1;
      if (at < cell.size() && cell[at] == '^') {
        count = cell[at + 1] - '0';
        at += 2;
      }
      type[static_cast<std::size_t>(length)] += count;
    }
    result[type] += coefficient;
    if (at < cell.size() && cell[at] != '+') return {};  // not a sum of monomials
  }
  return result;
}

std::vector<int> CycleType(const std::vector<int>& p) {
  std::vector<int> type(7, 0);
  std::vector<bool> seen(p.size() + 1, false);
  for (int k = 1; k <= static_cast<int>(p.size()); ++k) {
    if (seen[static_cast<std::size_t>(k)]) continue;
    int length = 0;
    for (int x = k; !seen[static_cast<std::size_t>(x)]; x = p[static_cast<std::size_t>(x - 1)]) {
      seen[static_cast<std::size_t>(x)] = true;
      ++length;
    }
    ++type[static_cast<std::size_t>(length)];
  }
  return type;
}

// From the printed phi0..phi3: phi0 is the identity, phi2 is phi1 with entries 3 and 4
// exchanged, phi3(k) = phi1(phi2(k)); the three cycle cells are the cycles of phi1..phi3 and
// the index is x_1^6 plus the monomials of their cycle types, equal types merged.
TEST(CycleIndex, AnswersMatchThePrintedPermutations) {
  counting_check::LevelRunners runners(17);
  discrete_check::ForEachParams({6, 6, 6, 6, 6, 6, 6}, 15000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto perms = TwoRowPermutations(main);
    ASSERT_EQ(perms.size(), 4u) << main;
    for (const auto& q : perms) ASSERT_TRUE(IsPermutation(q) && q.size() == 6) << main;
    EXPECT_EQ(perms[0], (std::vector<int>{1, 2, 3, 4, 5, 6}));
    std::vector<int> swapped = perms[1];
    std::swap(swapped[2], swapped[3]);
    EXPECT_EQ(perms[2], swapped) << main;
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(perms[3][static_cast<std::size_t>(k)],
                perms[1][static_cast<std::size_t>(perms[2][static_cast<std::size_t>(k)] - 1)])
          << main;
    }
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 5u) << answers;
    std::map<std::vector<int>, int> expected;
    expected[CycleType(perms[0])] = 1;
    std::map<std::vector<int>, int> merged;
    for (int i = 1; i <= 3; ++i) {
      EXPECT_TRUE(AreCyclesOf(Groups(cells[static_cast<std::size_t>(i)]),
                              perms[static_cast<std::size_t>(i)]))
          << cells[static_cast<std::size_t>(i)] << "\n"
          << main;
      ++merged[CycleType(perms[static_cast<std::size_t>(i)])];
    }
    for (const auto& [type, count] : merged) expected[type] += count;
    EXPECT_EQ(Monomials(cells[4]), expected) << answers;
    // Equal types are merged into one term: as many '+' as distinct types.
    const auto plus = std::count(cells[4].begin(), cells[4].end(), '+');
    EXPECT_EQ(static_cast<std::size_t>(plus), merged.size()) << answers;
  });
}

TEST(PermutationCycles, GoldenVariants) {
  RowRunner run(18, 1);
  auto [main, answers] = run.RunVariant({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(run.BeginAnswers().substr(run.BeginAnswers().find("\\No")), "\\No & Циклы \\\\\\hline\r\n");
  EXPECT_EQ(answers, "1& \r\n[1][2][3][4][5][6][7][8] \\\\");
  std::tie(main, answers) = run.RunVariant({2, 1, 3, 4, 5, 6, 7});
  EXPECT_EQ(answers, "1& \r\n[2, 1][3][4][5][6][7][8] \\\\");
  EXPECT_NE(main.find("\\end{array}\\right]$\\par"), std::string::npos);
}

TEST(PermutationCycles, AnswerListsTheCyclesOfThePrintedPermutation) {
  counting_check::LevelRunners runners(18);
  const std::regex cycles(R"((\[\d(, \d)*\])+)");
  discrete_check::ForEachParams({8, 8, 8, 8, 8, 8, 8}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto perms = TwoRowPermutations(main);
    ASSERT_EQ(perms.size(), 1u) << main;
    ASSERT_TRUE(IsPermutation(perms[0]) && perms[0].size() == 8) << main;
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_TRUE(AreCyclesOf(Groups(cells[1]), perms[0])) << main << answers;
    // One style: every cycle "[a, b, c]", numbers joined by a comma and one space.
    EXPECT_TRUE(std::regex_match(cells[1], cycles)) << answers;
  });
}

TEST(PermutationProducts, GoldenVariants) {
  RowRunner run(32, 1);
  // P = 1..5 gives alpha = the identity; P7 = 1 exchanges positions 1 and 5 first, P2 = 2 then
  // 2 and 4: beta = 5 4 3 2 1. Product 1 is alpha beta^{-1} = beta^{-1} = beta.
  auto [main, answers] = run.RunVariant({1, 2, 3, 4, 5, 1, 1});
  EXPECT_EQ(main.rfind("$\\alpha\\beta^{-1}=?$\\\\[5pt]$\\alpha=\\left[", 0), 0u) << main;
  auto perms = TwoRowPermutations(main);
  ASSERT_EQ(perms.size(), 2u);
  EXPECT_EQ(perms[1], (std::vector<int>{5, 4, 3, 2, 1}));
  EXPECT_EQ(answers, "1\r\n&$[5,4,3,2,1]$ \\\\");
  // The statement says in which order a product is taken; the table heads both columns.
  EXPECT_NE(run.BeginMain().find("Найти указанное произведение (подстановки применяются справа "
                                  "налево: $(\\alpha\\beta)(k)=\\alpha(\\beta(k))$)."),
            std::string::npos)
      << run.BeginMain();
  EXPECT_NE(run.BeginAnswers().find("\\No & Произведение \\\\\\hline"), std::string::npos);
  // P7 = 2, P2 = 1: exchanges (1, 2) then (2, 3).
  std::tie(main, answers) = run.RunVariant({1, 1, 3, 4, 5, 2, 2});
  perms = TwoRowPermutations(main);
  ASSERT_EQ(perms.size(), 2u);
  std::vector<int> beta = perms[0];
  std::swap(beta[0], beta[1]);
  std::swap(beta[1], beta[2]);
  EXPECT_EQ(perms[1], beta);
}

// The five products from the printed alpha and beta, (XY)(k) = X(Y(k)).
TEST(PermutationProducts, AnswerIsTheProductOfThePrintedPermutations) {
  counting_check::LevelRunners runners(32);
  discrete_check::ForEachParams({5, 5, 5, 5, 5, 5, 5}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto perms = TwoRowPermutations(main);
    ASSERT_EQ(perms.size(), 2u) << main;
    const auto& a = perms[0];
    const auto& b = perms[1];
    ASSERT_TRUE(IsPermutation(a) && IsPermutation(b) && a.size() == 5 && b.size() == 5) << main;
    using P = std::vector<int>;
    const auto inv = [](const P& x) {
      P y(x.size());
      for (std::size_t k = 0; k < x.size(); ++k)
        y[static_cast<std::size_t>(x[k] - 1)] = static_cast<int>(k + 1);
      return y;
    };
    const auto mul = [](const P& x, const P& y) {
      P z(x.size());
      for (std::size_t k = 0; k < x.size(); ++k) z[k] = x[static_cast<std::size_t>(y[k] - 1)];
      return z;
    };
    P expected;
    if (main.rfind("$\\alpha\\beta^{-1}=?$", 0) == 0) {
      expected = mul(a, inv(b));
    } else if (main.rfind("$\\alpha^{-1}\\beta=?$", 0) == 0) {
      expected = mul(inv(a), b);
    } else if (main.rfind("$(\\alpha\\beta)^{-1}=?$", 0) == 0) {
      expected = inv(mul(a, b));
    } else if (main.rfind("$\\beta\\alpha^{-1}=?$", 0) == 0) {
      expected = mul(b, inv(a));
    } else if (main.rfind("$\\alpha^{-1}\\beta^{-1}=?$", 0) == 0) {
      expected = mul(inv(a), inv(b));
    } else {
      FAIL() << "no product asked: " << main;
    }
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_EQ(Integers(cells[1]), std::vector<long>(expected.begin(), expected.end()))
        << main << answers;
  });
}

TEST(InversionCount, GoldenVariants) {
  RowRunner run(38, 1);
  EXPECT_NE(run.BeginAnswers().find("\\No & знак & N \\\\\\hline"), std::string::npos);
  auto [main, answers] = run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(main, "$$[1,2,3,4,5,6]$$\r\n");
  EXPECT_EQ(answers, "1\r\n&+&0 \\\\");
  std::tie(main, answers) = run.RunVariant({6, 5, 4, 3, 2, 1, 1});
  EXPECT_EQ(main, "$$[6,5,4,3,2,1]$$\r\n");
  EXPECT_EQ(answers, "1\r\n&-&15 \\\\");
}

TEST(InversionCount, AnswerCountsTheInversionsOfThePrintedRow) {
  counting_check::LevelRunners runners(38);
  discrete_check::ForEachParams({6, 6, 6, 6, 6, 6, 5}, 20000, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto q = Integers(main);
    ASSERT_EQ(q.size(), 6u) << main;
    ASSERT_TRUE(IsPermutation(std::vector<int>(q.begin(), q.end()))) << main;
    long inversions = 0;
    for (std::size_t i = 0; i < 6; ++i) {
      for (std::size_t j = i + 1; j < 6; ++j) inversions += q[i] > q[j] ? 1 : 0;
    }
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 3u) << answers;
    EXPECT_EQ(cells[1], inversions % 2 == 0 ? "+" : "-") << main;
    EXPECT_EQ(cells[2], std::to_string(inversions)) << main;
  });
}

}  // namespace
