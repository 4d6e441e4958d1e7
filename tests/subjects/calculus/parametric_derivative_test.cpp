#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "subjects/calculus/calculus.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

constexpr int kRow = 7;

using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

TEST(ParametricDerivative, StatementAndSingleColumnHeadWhateverTheLevel) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 10;
  calculus::BeginAnalysisProblem(s, kRow);
  const std::string main = testing_support::MainText(s);
  const std::string ans = testing_support::AnsText(s);
  EXPECT_EQ(main.rfind(" Найти $dy/dx$ {\\small при $t=1$.\\\\\\noindent}\r\n", 0), 0u) << main;
  EXPECT_EQ(ans.rfind("$dy/dx$\\par\r\n\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}", 0),
            0u)
      << ans;
  EXPECT_NE(ans.find("\\hline \r\n\\No&1 \r\n"), std::string::npos) << ans;
  EXPECT_EQ(ans.find("&2 "), std::string::npos) << ans;
  EXPECT_EQ(s.ParboxWidth, 175);
}

TEST(ParametricDerivative, TheThreeFormsOfX) {
  struct Case {
    Params q;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      // Every index wraps: F 1, E 1, G 1, x form 1; y = G.
      {{{10, 7, 8, 3, 1, 1, 1}},
       "$\\left\\{\\begin{array}{l}x=(1+4t)/(e^{t/9}+13),\\\\y=\\sqrt{1+7t}\r\n"
       "\\end{array}\\right.$\r\n",
       " 1&    4.4159"},
      // x form 2 with F 3; y = F.
      {{{2, 2, 1, 1, 7, 1, 1}},
       "$\\left\\{\\begin{array}{l}x=\\sqrt{(1+2^t)^2+1},\\\\y=2^t"
       "\\end{array}\\right.$\r\n",
       " 1&    1.0541"},
      // x form 3 with E 6; y = E.
      {{{1, 5, 1, 2, 12, 1, 1}},
       "$\\left\\{\\begin{array}{l}x=e^t(\\mbox{sh}(t/2)+1),\\\\y=\\mbox{sh}(t/2)"
       "\\end{array}\\right.$\r\n",
       " 1&    0.0995"},
  };
  for (const Case& c : cases) {
    const auto v = RunAnalysisVariant(kRow, c.q, 5);
    EXPECT_EQ(v.main, c.main);
    EXPECT_EQ(v.ans, c.ans);
  }
}

TEST(ParametricDerivative, StudentsModeNumbersTheSystem) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 1;
  s.StudentsMode = true;
  s.FirstNumber = 12;
  s.VariantIndex = 3;
  s.P1 = s.P2 = s.P3 = s.P4 = s.P5 = 1;
  calculus::BeginAnalysisProblem(s, kRow);
  const std::size_t main_before = testing_support::MainText(s).size();
  const std::size_t ans_before = testing_support::AnsText(s).size();
  calculus::WriteAnalysisVariant(s, kRow);
  EXPECT_EQ(testing_support::MainText(s).substr(main_before, 16), "\\vskip1pt 1)\r\n$\\");
  EXPECT_EQ(testing_support::AnsText(s).substr(ans_before, 3), "14&");
}

// dy/dx = y'(1)/x'(1) of the printed curve, over every parameter set; Level is not read, so
// one Level stands for all ten (checked on a sample below).
TEST(ParametricDerivative, AnswersMatchThePrintedCurveEverywhere) {
  std::map<std::string, double> checked;
  double smallest_dx = 1e300;
  numeric_check::ForEachParameterSet({10, 7, 8, 3, 15, 0, 0}, [&](const Params& q) {
    const auto v = RunAnalysisVariant(kRow, q, 1);
    const std::string x_text = numeric_check::Between(v.main, "{l}x=", ",\\\\y=");
    const std::string y_text = numeric_check::Between(v.main, ",\\\\y=", "\\end{array}");
    const double answer = std::strtod(v.ans.c_str() + v.ans.find('&') + 1, nullptr);
    auto it = checked.find(x_text + "|" + y_text);
    if (it == checked.end()) {
      const tex_formula::Formula x(x_text, 't');
      const tex_formula::Formula y(y_text, 't');
      const double dx = numeric_check::Derivative([&x](double t) { return x(t); }, 1.0);
      const double dy = numeric_check::Derivative([&y](double t) { return y(t); }, 1.0);
      smallest_dx = std::fmin(smallest_dx, std::fabs(dx));
      it = checked.emplace(x_text + "|" + y_text, dy / dx).first;
    }
    ASSERT_NEAR(answer, it->second, 6e-5 + 1e-7 * std::fabs(it->second))
        << x_text << " ; " << y_text << " at " << numeric_check::Describe(q, 1);
  });
  // The slope of x that the answers divide by stays clear of zero.
  EXPECT_GT(smallest_dx, 1e-4);
  for (int level = 2; level <= 10; ++level) {
    const Params q{{7, 3, 5, 2, 9, 1, 1}};
    EXPECT_EQ(RunAnalysisVariant(kRow, q, level).ans, RunAnalysisVariant(kRow, q, 1).ans);
  }
}

TEST(ParametricDerivative, ParametersOutsideTheCataloguesEndTheStart) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 1;
  s.FirstNumber = s.VariantIndex = 1;
  s.P1 = s.P2 = s.P3 = s.P4 = 1;
  s.P5 = 16;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_THROW(calculus::WriteAnalysisVariant(s, kRow), toolkit::IndexRangeError);
}

}  // namespace
