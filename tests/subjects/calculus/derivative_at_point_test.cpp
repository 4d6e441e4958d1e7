#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 5;

std::string TableOpening(int columns) {
  std::string t = "\\noindent\\begin{center}\\begin{tabular}{|";
  for (int i = 0; i < columns; ++i) t += "r|";
  return t + "}\\hline \r\n";
}

// The table has a column for every cell a variant writes: the number, three cells for the
// single function (Level 1: its two terms and their sum, each with its heading) or one per
// item, and the students' names.
TEST(DerivativeAtPoint, BeginOpensAColumnForEveryCell) {
  struct Case {
    int level;
    const char* head;
    int answer_columns;
  };
  const Case cases[] = {
      {1, "\\No&1-е слаг. \r\n&2-е слаг. \r\n&$y'(1)$ \r\n", 3},
      {2, "\\No&1 \r\n&2 \r\n", 2},
      {5, "\\No&1 \r\n&2 \r\n&3 \r\n&4 \r\n&5 \r\n", 5},
  };
  for (const Case& c : cases) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.Level = c.level;
    calculus::BeginAnalysisProblem(s, kRow);
    EXPECT_EQ(s.ParboxWidth, 190);
    const std::string main = testing_support::MainText(s);
    EXPECT_EQ(main.rfind(" Вычислить производную функции при $x=1$. \r\n\\vskip1pt{", 0), 0u);
    EXPECT_NE(main.find(" \\Red{(с.99.)}"), std::string::npos) << main;
    EXPECT_EQ(testing_support::AnsText(s),
              TableOpening(c.answer_columns + 2) + c.head + " \\\\\\hline \r\n")
        << c.level;
  }
  // Above five items the answers are split over several tables, written after the last
  // variant: the begin entry opens none.
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 10;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(testing_support::AnsText(s), "");
  EXPECT_FALSE(s.AnsTableOpen);
}

TEST(DerivativeAtPoint, OneFunctionAtLevelOne) {
  const auto out = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 1, 1}}, 1, 4);
  EXPECT_EQ(out.main,
            "\\parbox[t][32mm]{233pt}{ Вычислить производную $y(x)$ при $x=1$. \\\\[5pt]\r\n"
            "$y=(2\\ln(x)+2x^2)\r\n\\,e^{x-1}+\\frc{2x+2}{2x-1}\r\n$}\\vskip2mm");
  EXPECT_EQ(out.ans, "4\r\n&         8&        -6&   2");
}

TEST(DerivativeAtPoint, ListItemsAdvanceInnerAndKindAndFoldTheOuterFunctions) {
  const auto out = RunAnalysisVariant(kRow, Params{{6, 1, 1, 1, 1, 1, 1}}, 2);
  // Inner forms 7 and 8, kinds 2 and 3.
  EXPECT_EQ(out.main,
            "\\parbox[t][32mm]{233pt}{1)\r\n\\ \\ $y=e^x\\sin((2+x)/(x^2+2)\r\n)\r\n $ \\par \r\n"
            "2)\r\n\\ \\ $y=(\\cos(2+1/x\r\n)\r\n)^2 $ \\par \r\n}\\vskip2mm");
  EXPECT_EQ(out.ans, "1\r\n&    1.7978&   -0.2794");

  const auto ten = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 1, 1}}, 10);
  static const std::regex kOuter(
      R"(\$y=(?:x\\cdot|e\^x|\(|\\sh x\\cdot|\\arcsin\(x/2\)\+|\\arccos\(0\.5x\)-)(\\[a-z]+)\()");
  std::vector<std::string> outer;
  for (auto it = std::sregex_iterator(ten.main.begin(), ten.main.end(), kOuter);
       it != std::sregex_iterator(); ++it) {
    outer.push_back((*it)[1].str());
  }
  EXPECT_EQ(outer, (std::vector<std::string>{"\\sin", "\\cos", "\\tg", "\\ctg", "\\arctg",
                                             "\\arctg", "\\ctg", "\\tg", "\\cos", "\\sin"}));
}

// Every row of the answers table, students' names included, has no more cells than the table
// has columns (LaTeX stops with "Extra alignment tab" otherwise).
TEST(DerivativeAtPoint, AnswersRowsFitTheTableInStudentsMode) {
  for (int level : {1, 2, 9, 10}) {
    for (bool students : {false, true}) {
      auto s = testing_support::NewState();
      s->Level = level;
      s->StudentsMode = students;
      for (int v = 1; v <= 3; ++v) s->StudentNames[v] = "Student " + std::to_string(v);
      const auto texts = testing_support::RunBeginVariant(
          *s, [](SharedState& st) { calculus::BeginAnalysisProblem(st, kRow); },
          [](SharedState& st) { calculus::WriteAnalysisVariant(st, kRow); },
          {{1, 1, 1, 1, 1, 1, 1}, {8, 6, 3, 8, 3, 4, 4}});
      const std::string& ans = texts.answers;
      const std::size_t format_start = ans.find("{tabular}{") + 10;
      const std::string columns_format =
          ans.substr(format_start, ans.find('}', format_start) - format_start);
      const long columns = std::count(columns_format.begin(), columns_format.end(), 'r');
      // Rows end with "\\"; count the cells of each row between the head and the closing.
      std::size_t row_start = ans.find("\\hline \r\n") + 9;
      for (std::size_t end; (end = ans.find("\\\\", row_start)) != std::string::npos;
           row_start = end + 2) {
        const std::string row = ans.substr(row_start, end - row_start);
        EXPECT_LE(std::count(row.begin(), row.end(), '&') + 1, columns)
            << "Level " << level << (students ? ", students" : "") << "\n"
            << row << "\n"
            << ans;
      }
    }
  }
}

// A list longer than six items would run out of the 32mm box into the variant below it.
TEST(DerivativeAtPoint, LongListsGetATallerBox) {
  const std::pair<int, const char*> cases[] = {{1, "\\parbox[t][32mm]{233pt}{ "},
                                               {6, "\\parbox[t][32mm]{233pt}{1)"},
                                               {7, "\\parbox[t][38mm]{233pt}{1)"},
                                               {10, "\\parbox[t][55mm]{233pt}{1)"}};
  for (const auto& [level, opening] : cases) {
    const auto out = RunAnalysisVariant(kRow, Params{{1, 1, 1, 1, 1, 1, 1}}, level);
    EXPECT_EQ(out.main.rfind(opening, 0), 0u) << level << "\n" << out.main;
  }
}

TEST(DerivativeAtPoint, ItemCountIsTheLevelOfTheBeginCall) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 3;
  s.FirstNumber = s.VariantIndex = 1;
  calculus::BeginAnalysisProblem(s, kRow);
  s.Level = 7;
  s.P1 = s.P2 = s.P3 = s.P4 = s.P5 = s.P6 = s.P7 = 1;
  testing_support::OpenMemoryFiles(s);
  calculus::WriteAnalysisVariant(s, kRow);
  const std::string main = testing_support::MainText(s);
  EXPECT_NE(main.find("3)\r\n"), std::string::npos) << main;
  EXPECT_EQ(main.find("4)\r\n"), std::string::npos) << main;
}

double DerivativeAtOne(const std::string& function) {
  return numeric_check::Derivative(numeric_check::TexFunction(function, 'x'), 1.0, 5e-4);
}

// Every answer against the derivative of the printed function at x = 1; at Level 1 also
// each of the two terms (A B and C) and the integrality the single function promises.
TEST(DerivativeAtPoint, AnswersAreTheDerivativesOfThePrintedFunctions) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, true}, bounds);
  std::map<std::string, double> derivatives;  // printed function -> y'(1)
  int checked = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    numeric_check::ForEachParameterSet(bounds, [&](const Params& q) {
      // A list reads P1, P2 and P5 only; the other parameters would repeat its variants.
      if (level > 1 && (q.p[2] != 1 || q.p[3] != 1 || q.p[5] != 1 || q.p[6] != 1)) return;
      const auto out = runner.Run(q);
      const std::string where = numeric_check::Where(q, level, out);
      // The printed functions: the text between "$y=" and the closing "$" of each.
      const auto functions = numeric_check::PrintedFormulas(out.main, "$y=", "$");
      const auto cells = numeric_check::AnswerCells(out.ans);
      if (level == 1) {
        ASSERT_EQ(functions.size(), 1u) << where;
        ASSERT_EQ(cells.size(), 3u) << where;
        const std::string& y = functions[0];
        const std::size_t product_end = y.find("\\,");
        const std::size_t c_start = y.find("+\\frc", product_end);
        ASSERT_NE(c_start, std::string::npos) << where;
        const std::string product = "(" + y.substr(0, product_end) + ")\\cdot(" +
                                    y.substr(product_end + 2, c_start - product_end - 2) + ")";
        const double d1 = DerivativeAtOne(product);
        const double d2 = DerivativeAtOne(y.substr(c_start + 1));
        for (double d : {d1, d2}) ASSERT_NEAR(d, std::round(d), 1e-7) << where;
        ASSERT_NEAR(cells[0], d1, 1e-7) << where;
        ASSERT_NEAR(cells[1], d2, 1e-7) << where;
        ASSERT_NEAR(cells[2], d1 + d2, 1e-7) << where;
        ASSERT_NEAR(DerivativeAtOne(y), d1 + d2, 1e-7) << where;
      } else {
        ASSERT_EQ(functions.size(), static_cast<std::size_t>(level)) << where;
        ASSERT_EQ(cells.size(), functions.size()) << where;
        for (std::size_t i = 0; i < functions.size(); ++i) {
          auto it = derivatives.find(functions[i]);
          if (it == derivatives.end()) {
            it = derivatives.emplace(functions[i], DerivativeAtOne(functions[i])).first;
          }
          ASSERT_NEAR(cells[i], it->second, 5.1e-5 + 1e-9 * std::fabs(it->second))
              << "item " << i + 1 << ": " << functions[i] << "\n"
              << where;
        }
      }
      ++checked;
    });
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8 * 6 * 3 * 8 * 3 * 4 * 4 + 9 * 8 * 6 * 3)) << checked;
}

}  // namespace
