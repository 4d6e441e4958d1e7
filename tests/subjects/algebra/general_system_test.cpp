#include <gtest/gtest.h>

#include <string>

#include "subjects/algebra/algebra_check.h"

namespace {

using algebra_check::Cut;
using algebra_check::Det;
using algebra_check::Equation;
using algebra_check::Matrix;
using algebra_check::Params;
using algebra_check::ReadEquation;
using algebra_check::RunRow;
using algebra_check::Where;

// x_i = y_i + z_i C for i = 1..5, read from the answers cell "$(y+zC,\ ..,\ C)$": a term is
// [whole part][sign][number]C, with the whole part and a unit number left out.
bool ReadGeneralSolution(const std::string& cell, long long (&y)[5], long long (&z)[5]) {
  if (cell.rfind("$(", 0) != 0 || !cell.ends_with(")$")) return false;
  std::vector<std::string> terms;
  std::size_t from = 2;
  for (std::size_t p = cell.find(",\\ ", from); p != std::string::npos;
       p = cell.find(",\\ ", from)) {
    terms.push_back(cell.substr(from, p - from));
    from = p + 3;
  }
  terms.push_back(cell.substr(from, cell.size() - 2 - from));
  if (terms.size() != 5) return false;
  for (int k = 0; k < 5; ++k) {
    const std::string& t = terms[static_cast<std::size_t>(k)];
    if (t.empty() || t.back() != 'C') return false;
    // The free term starts at the last sign that is not the first character.
    std::size_t sign = t.find_last_of("+-");
    if (sign == 0 && t.find_first_of("+-", 1) == std::string::npos) sign = std::string::npos;
    const std::string whole = sign == std::string::npos ? "" : t.substr(0, sign);
    const std::string free = sign == std::string::npos ? t : t.substr(sign);
    y[k] = whole.empty() ? 0 : std::stoll(whole);
    const std::string number = free.substr(0, free.size() - 1);  // without the C
    if (number.empty() || number == "+") {
      z[k] = 1;
    } else if (number == "-") {
      z[k] = -1;
    } else {
      z[k] = std::stoll(number);
    }
  }
  return y[4] == 0 && z[4] == 1;
}

// The printed general solution satisfies every printed equation for several values of C,
// and the coefficients of x_1..x_4 form a regular matrix, so the solutions are exactly that
// line: one free unknown.
TEST(GeneralSystem, PrintedGeneralSolutionSolvesThePrintedSystem) {
  const long long count =
      algebra_check::ForEachParams({20, 20, 15, 15, 3, 0, 0}, 20000, [&](const Params& p) {
        const auto out = RunRow(4, p, 1);
        const std::string where = Where(p);
        Matrix w;
        std::vector<Equation> eqs;
        std::size_t from = 0;
        for (int i = 0; i < 4; ++i) {
          const Equation e = ReadEquation(Cut(out.main, "$", "$", from), 5);
          ASSERT_TRUE(e.ok) << where << "\n" << out.main;
          eqs.push_back(e);
          w.push_back({e.coef[0], e.coef[1], e.coef[2], e.coef[3]});
        }
        ASSERT_NE(Det(w), 0) << where << "\n" << out.main;
        const std::size_t amp = out.ans.find('&');
        ASSERT_NE(amp, std::string::npos) << where << "\n" << out.ans;
        long long y[5], z[5];
        ASSERT_TRUE(ReadGeneralSolution(out.ans.substr(amp + 1), y, z)) << where << "\n" << out.ans;
        for (long long c : {0, 1, -3}) {
          for (const Equation& e : eqs) {
            long long lhs = 0;
            for (int j = 0; j < 5; ++j)
              lhs += e.coef[static_cast<std::size_t>(j)] * (y[j] + z[j] * c);
            EXPECT_EQ(lhs, e.rhs) << where << ", C = " << c << "\n" << out.main << out.ans;
          }
        }
      });
  EXPECT_GT(count, 0);
}

TEST(GeneralSystem, StatementAsksForTheGeneralSolution) {
  const auto out = RunRow(4, {1, 1, 1, 1, 1, 1, 1}, 1);
  EXPECT_EQ(out.begin_main.rfind("Найти общее решение системы линейных уравнений.\\\\ \r\n", 0), 0u)
      << out.begin_main;
  EXPECT_NE(out.begin_ans.find("   \\No& общее решение $(x_1,\\ldots,x_5)$ \r\n \\\\\\hline \r\n"),
            std::string::npos)
      << out.begin_ans;
}

TEST(GeneralSystem, VariantLinesForTheEdgeCases) {
  struct Case {
    const char* what;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"alpha = 1 (t1 = -2), gamma = 2 (t2 = 2), delta = 1 (y2 = 0: the term is z2 C alone)",
       {4, 1, 1, 3, 1, 1, 1},
       "\\vskip2mm \r\n$ x_1-2\r\nx_2+2\r\nx_3+2\r\nx_4+6\r\nx_{5}\r\n=4,$ \\\\ "
       "\r\n$-2x_1+5\r\nx_2-3\r\nx_3-3\r\nx_4-14\r\nx_{5}\r\n=-7,$ \\\\ "
       "\r\n$-x_1+4\r\nx_2+x_3+2\r\nx_4-12\r\nx_{5}\r\n=1,$ \\\\ \r\n$ "
       "2x_2+3\r\nx_3+5\r\nx_4-8\r\nx_{5}\r\n=7.$\\vskip4mm\r\n",
       "    1&$(2-2C,\\ 2C,\\ -1-2C,\\ 2+2C,\\ C)$"},
      {"gamma = 1 (z1 = -1) and beta = 1 (z2 = 1): unit free terms show their sign alone",
       {1, 4, 3, 2, 2, 1, 1},
       "\\vskip2mm \r\n$ x_1+x_2-x_3+x_4-6\r\nx_{5}\r\n=6,$ \\\\ "
       "\r\n$-x_1+3\r\nx_3+2\r\nx_4+2\r\nx_{5}\r\n=-5,$ \\\\ \r\n$ "
       "x_2+3\r\nx_3+2\r\nx_4+2\r\nx_{5}\r\n=-2,$ \\\\ \r\n$ "
       "x_1+2\r\nx_2+3\r\nx_3+3\r\nx_4-x_{5}\r\n=2.$\\vskip4mm\r\n",
       "    1&$(1-C,\\ 2+C,\\ -2-3C,\\ 1+3C,\\ C)$"},
      {"P2 above 15 picks the third h; P5 = 3",
       {2, 17, 5, 5, 3, 1, 1},
       "\\vskip2mm \r\n$ x_1+2\r\nx_2+x_3+2\r\nx_4-5\r\nx_{5}\r\n=9,$ \\\\ \r\n$ "
       "x_2+3\r\nx_3+3\r\nx_4-2\r\nx_{5}\r\n=2,$ \\\\ "
       "\r\n$-2x_1-x_2+8\r\nx_3+3\r\nx_4+16\r\nx_{5}\r\n=-21,$ \\\\ "
       "\r\n$-x_1+8\r\nx_3-x_4+33\r\nx_{5}\r\n=-29.$\\vskip4mm\r\n",
       "    1&$(2-3C,\\ 2+2C,\\ -3-4C,\\ 3+4C,\\ C)$"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(4, c.p, 1);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
