#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Match;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 2;

TEST(SequenceLimit, BeginWritesStatementReferenceAndAnswersHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 175);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind("Вычислить предел.\r\n\\vskip1pt{", 0), 0u) << main;
  EXPECT_NE(main.find(" \\Red{(с.73.)}"), std::string::npos) << main;
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "   \\No& предел \\\\\\hline \r\n");
}

TEST(SequenceLimit, VariantLinesOfEachForm) {
  struct Case {
    const char* what;
    Params q;
    const char* fraction;  // between \frac{ and .$$
    const char* answer;    // between "& $" and the closing "$"
  };
  const Case cases[] = {
      {"form 1: root over a polynomial",
       {{1, 1, 1, 1, 1}},
       "\\sqrt{4\r\nn^{6}\r\n+2n+1}}{\r\n(1+\r\n2n^{2})n+1}\r\n",
       "1"},
      {"form 2: d equal to c is raised by one",
       {{2, 2, 1, 1, 2}},
       "(3+\r\n4n^3)^2\r\n-3n^{6}}\r\n{(3n^3+1)\r\n(4n^3+1)}\r\n",
       "13/12"},
      {"form 3 with squares",
       {{3, 1, 2, 2, 3}},
       "(4-n)^2-\r\n(2+n)^2}\r\n{(2-n)^2-\r\n(5+n)^2}\r\n",
       "6/7"},
      {"form 3 with cubes answers the literal 1",
       {{3, 1, 3, 2, 3}},
       "(4-n)^3-\r\n(2+n)^3}\r\n{(2-n)^3-\r\n(5+n)^3}\r\n",
       " 1  "},
      {"form 4 with cubes",
       {{4, 2, 1, 3, 2}},
       "(3+n)^3+\r\n(3-n)^3}\r\n{(2-n)^3+\r\n(1+n)^3}\r\n",
       "2"},
      {"form 4 with squares answers the literal 1",
       {{4, 2, 3, 3, 2}},
       "(3+n)^2+\r\n(3-n)^2}\r\n{(2-n)^2+\r\n(3+n)^2}\r\n",
       "  1   "},
      {"form 5 answers P5 itself",
       {{5, 1, 2, 3, 4}},
       "(n\\sqrt{16n+4}+\r\n2)^2}\r\n{(4n+1)(n+2)^2}\r\n",
       " 4"},
  };
  for (const Case& c : cases) {
    const auto out = RunAnalysisVariant(kRow, c.q, 1, 7);
    EXPECT_EQ(out.main, std::string("\\parbox[t][32mm]{233pt}{ $$\r\n\\lim_{n\\to\\infty}\\frac{") +
                            c.fraction + ".$$ }\r\n")
        << c.what;
    EXPECT_EQ(out.ans, std::string(" 7 & $") + c.answer + "$") << c.what;
  }
}

/// The printed sequence as a function of n, rebuilt from the numbers in its text.
struct PrintedSequence {
  numeric_check::Function term;
  int root = 1;  // expansion in n^(-1/root)
};

PrintedSequence ParseSequence(const std::string& main) {
  static const std::regex kForm1(
      R"(\\sqrt\{(\d+)\r\nn\^\{(\d+)\}\r\n\+(\d+)n\+1\}\}\{\r\n\((\d+)\+\r\n(\d+)n\^\{(\d+)\}\)n\+1\}\r\n\.)");
  static const std::regex kForm2(
      R"(\{\((\d+)\+\r\n(\d+)n\^(\d+)\)\^2\r\n-(\d+)n\^\{(\d+)\}\}\r\n\{\((\d+)n\^(\d+)\+1\)\r\n\((\d+)n\^(\d+)\+1\)\}\r\n\.)");
  static const std::regex kForm3(
      R"(\{\((\d+)-n\)\^(\d)-\r\n\((\d+)\+n\)\^(\d)\}\r\n\{\((\d+)-n\)\^(\d)-\r\n\((\d+)\+n\)\^(\d)\}\r\n\.)");
  static const std::regex kForm4(
      R"(\{\((\d+)\+n\)\^(\d)\+\r\n\((\d+)-n\)\^(\d)\}\r\n\{\((\d+)-n\)\^(\d)\+\r\n\((\d+)\+n\)\^(\d)\}\r\n\.)");
  static const std::regex kForm5(
      R"(\{\(n\\sqrt\{(\d+)n\+(\d+)\}\+\r\n(\d+)\)\^2\}\r\n\{\((\d+)n\+1\)\(n\+(\d+)\)\^2\}\r\n\.)");
  auto nums = [](const std::vector<std::string>& g) {
    std::vector<double> v;
    for (const auto& x : g) v.push_back(std::stod(x));
    return v;
  };
  if (auto g = Match(main, kForm1); !g.empty()) {
    const auto v = nums(g);
    return {[v](double n) {
      return std::sqrt(v[0] * std::pow(n, v[1]) + v[2] * n + 1) /
             ((v[3] + v[4] * std::pow(n, v[5])) * n + 1);
    }};
  }
  if (auto g = Match(main, kForm2); !g.empty()) {
    const auto v = nums(g);
    EXPECT_NE(v[5], v[7]) << "equal factors in the denominator\n" << main;
    return {[v](double n) {
      return (std::pow(v[0] + v[1] * std::pow(n, v[2]), 2) - v[3] * std::pow(n, v[4])) /
             ((v[5] * std::pow(n, v[6]) + 1) * (v[7] * std::pow(n, v[8]) + 1));
    }};
  }
  if (auto g = Match(main, kForm3); !g.empty()) {
    const auto v = nums(g);
    return {[v](double n) {
      return (std::pow(v[0] - n, v[1]) - std::pow(v[2] + n, v[3])) /
             (std::pow(v[4] - n, v[5]) - std::pow(v[6] + n, v[7]));
    }};
  }
  if (auto g = Match(main, kForm4); !g.empty()) {
    const auto v = nums(g);
    return {[v](double n) {
      return (std::pow(v[0] + n, v[1]) + std::pow(v[2] - n, v[3])) /
             (std::pow(v[4] - n, v[5]) + std::pow(v[6] + n, v[7]));
    }};
  }
  if (auto g = Match(main, kForm5); !g.empty()) {
    const auto v = nums(g);
    return {[v](double n) {
              return std::pow(n * std::sqrt(v[0] * n + v[1]) + v[2], 2) /
                     ((v[3] * n + 1) * std::pow(n + v[4], 2));
            },
            2};
  }
  return {};
}

TEST(SequenceLimit, AnswerIsTheLimitOfThePrintedSequenceForEveryParameterSet) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, false, false}, bounds);
  static const std::regex kAnswer(R"(^ ?\d+ & \$ *(-?\d+(?:/\d+)?) *\$$)");
  int checked = 0;
  numeric_check::ForEachVariant(kRow, bounds, [&](const Params& q, int level, const auto& out) {
    const std::string where = numeric_check::Where(q, level, out);
    const PrintedSequence seq = ParseSequence(out.main);
    ASSERT_TRUE(seq.term) << "unrecognised sequence\n" << where;
    const auto a = Match(out.ans, kAnswer);
    ASSERT_EQ(a.size(), 1u) << where;
    const double limit = numeric_check::LimitAtInfinity(seq.term, 400, 5, seq.root);
    ASSERT_TRUE(numeric_check::Near(limit, numeric_check::ParseRational(a[0]), 1e-6))
        << "numeric limit " << limit << "\n"
        << where;
    ++checked;
  });
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 5 * 6 * 3 * 3 * 5)) << checked;
}

}  // namespace
