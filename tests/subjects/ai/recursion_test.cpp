#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"
#include "tests/support/tex_formula.h"

namespace {

using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 4;
constexpr char kStatementEnd[] = "Создать рекуррентную процедуру.\\par\\noindent \r\n";

/// What the variant prints after the statement.
std::string PrintedValues(const std::string& main) {
  const std::size_t at = main.find(kStatementEnd);
  return at == std::string::npos ? "" : main.substr(at + sizeof(kStatementEnd) - 1);
}

TEST(RecursionTest, GoldenRows) {
  struct Case {
    int p1;
    const char* values;
    const char* row;
  };
  const Case cases[] = {
      {14, "1, 4, 8, 16, 29, 51, ", "1 & 87   & g[n-1]+g[n-2]+n"},
      {19, "1, 3, 10, 43, 225, 1393", "1 & 9976& ng[n-1]+g[n-2]"},
      {23, "0, 4, 13, 29, 54, 90", "1 & 139  &n*n+g[n-1]"},
      {28, "1, 0, 1, 4, 15, 64", "1 & 325  &g[n-1](n-2)+n-2"},
  };
  for (const Case& c : cases) {
    const auto out = RunAiVariant(kRow, {c.p1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(PrintedValues(out.main), c.values) << c.p1;
    EXPECT_EQ(DataRow(out.answers, true), c.row) << c.p1;
  }
  const auto out = RunAiVariant(kRow, {14, 1, 1, 1, 1, 1, 1}, 1, 7);
  EXPECT_EQ(out.answers,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "\\No\\ru & $f(7)$ & $g[n]$  \\\\\\hline \r\n"
            "7 & 87   & g[n-1]+g[n-2]+n    \\\\\\hline\\end{tabular}\\end{center}");
  EXPECT_EQ(out.main,
            "\\noindent  При $x=1,2,3,4,5,6$ функция $f(x)$ \r\n"
            "принимает указанные значения. Чему равно значение $f(7)$ ? \r\n"
            "Создать рекуррентную процедуру.\\par\\noindent \r\n"
            "1, 4, 8, 16, 29, 51, ");
}

// Every printed recurrence, read by the formula evaluator with g[n-1] and g[n-2] as the
// letters a and b, reproduces the printed values from the first one or two on, and f(7).
TEST(RecursionTest, EveryRecurrenceReproducesItsValuesAndTheAnswer) {
  for (int p1 = 1; p1 <= 30; ++p1) {
    for (int level : {1, 5, 10}) {
      const auto out = RunAiVariant(kRow, {p1, 2, 3, 4, 5, 1, 32}, level);
      std::vector<double> f = Numbers(PrintedValues(out.main));
      ASSERT_EQ(f.size(), 6u) << p1;
      const auto cells = Cells(DataRow(out.answers, true));
      ASSERT_EQ(cells.size(), 3u) << out.answers;
      EXPECT_EQ(cells[0], "1");
      f.push_back(std::stod(cells[1]));
      std::string text = cells[2];
      bool second = false;
      for (const char* from : {"g[n-1]", "g[n-2]", "g(n-2)", "*"}) {
        const std::string to = from[0] == '*' ? "\\cdot " : from[4] == '1' ? "a" : "b";
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
          text.replace(at, std::string(from).size(), to);
          if (to == "b") second = true;
        }
      }
      const tex_formula::Formula g(text, 'n');
      for (int n = second ? 3 : 2; n <= 7; ++n) {
        tex_formula::Point point;
        point.n = n;
        point.Set('a', f[n - 2]);
        point.Set('b', n >= 3 ? f[n - 3] : 0);
        EXPECT_EQ(static_cast<double>(g(point)), f[n - 1]) << "row " << p1 << ", n = " << n;
      }
    }
  }
}

}  // namespace
