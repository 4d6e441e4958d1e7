#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/integral_check.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;
using numeric_check::VariantRunner;

// How a row's items are read back: the integrand between "\displaystyle{\int" and "}$" in
// the main file, the answer between a row's own marks in the answers file.
struct RowReading {
  int row;
  const char* answer_open;
  const char* answer_close;
};

constexpr RowReading kSubstitution{14, "\\rule{0pt}{14pt}$\\displaystyle{ ", "}$\\\\"};
constexpr RowReading kRational{15, "\\rule{0pt}{14pt}$", " $\\\\"};
constexpr RowReading kBinomial{16, "\\rule{0pt}{14pt} $ ", " $ \\\\"};
constexpr RowReading kTrig{21, "\\rule{0pt}{14pt} $", " $\\\\"};
constexpr RowReading kQuadratic{27, "\\rule{0pt}{14pt}$ ", " $\\\\"};

struct Item {
  std::string integrand;
  std::string answer;  ///< "" when the cell is empty
};

std::string Trim(std::string t) {
  for (std::size_t p = t.find("\r\n"); p != std::string::npos; p = t.find("\r\n")) t.erase(p, 2);
  const std::size_t a = t.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

std::vector<Item> Items(const RowReading& r, const numeric_check::VariantText& out) {
  const auto integrands = numeric_check::PrintedFormulas(out.main, "\\displaystyle{\\int", "}$");
  const auto answers = numeric_check::PrintedFormulas(out.ans, r.answer_open, r.answer_close);
  std::vector<Item> items;
  for (std::size_t i = 0; i < integrands.size(); ++i) {
    items.push_back({integrands[i], i < answers.size() ? Trim(answers[i]) : "<missing>"});
  }
  if (answers.size() != integrands.size()) items.push_back({"<count>", "<mismatch>"});
  return items;
}

bool Contains(const std::string& text, const char* piece) {
  return text.find(piece) != std::string::npos;
}

// Points where a narrow domain of the printed integrand lies: around the zero x = 1/b of every
// "\ln(bx)" (an arcsin(a ln(bx)) is real only close to it), and a fine grid over (0, 1) for
// the roots sqrt(ax + 1), sqrt(bx - 1) whose log key is real only below some x < 1.
std::vector<double> PointsInNarrowDomains(const std::string& integrand) {
  std::vector<double> points;
  for (double x = 0.185; x < 1; x += 0.04) points.push_back(x);
  for (std::size_t p = integrand.find("\\ln("); p != std::string::npos;
       p = integrand.find("\\ln(", p + 1)) {
    std::size_t end = p + 4;
    while (end < integrand.size() && std::isdigit(static_cast<unsigned char>(integrand[end]))) ++end;
    if (end == p + 4 || integrand.compare(end, 2, "x)") != 0) continue;
    const double b = std::stod(integrand.substr(p + 4, end - p - 4));
    for (double t : {-0.041, -0.023, -0.011, -0.004, 0.003, 0.009, 0.017, 0.037}) points.push_back(std::exp(t) / b);
  }
  return points;
}

// The points of the candidate set (and around the zeros of ln(bx)) where the printed integrand
// has a real value: an integrand a student can integrate is real on an interval, so at several.
int RealPoints(const std::string& integrand) {
  static std::map<std::string, int> cache;
  const auto [it, fresh] = cache.emplace(integrand, 0);
  if (!fresh) return it->second;
  const tex_formula::Formula f(integrand, 'x');
  std::vector<double> points = integral_check::CandidatePoints();
  const auto extra = PointsInNarrowDomains(integrand);
  points.insert(points.end(), extra.begin(), extra.end());
  for (double x : points) {
    try {
      if (std::isfinite(f(x))) ++it->second;
    } catch (const numeric_check::TexFormulaError&) {
    }
  }
  return it->second;
}

// The binomial written with u/x^2 under the root equals 1/(x^4 sqrt(u + v x^2)) for x > 0
// only; its key, the one of that integral, holds there.
bool WrittenForPositiveX(const std::string& integrand) {
  return Contains(integrand, "x^5\\sqrt{") && Contains(integrand, "/x^2+");
}

// Checks one item: the integrand is real on an interval, and the printed answer differentiates
// back to it.
void CheckItem(const Item& item, const std::string& where) {
  const std::string integrand = integral_check::Integrand(item.integrand);
  ASSERT_TRUE(integral_check::Parses(integrand)) << where << "\n" << item.integrand;
  EXPECT_GE(RealPoints(integrand), 3) << where << ": no interval where the integrand is real\n"
                                      << item.integrand;
  ASSERT_FALSE(item.answer.empty() || item.answer == "*") << where << ": no answer\n"
                                                          << item.integrand;
  ASSERT_TRUE(integral_check::Parses(item.answer)) << where << "\n" << item.answer;
  const auto& outcome = integral_check::CachedCheck(
      item.integrand, item.answer, WrittenForPositiveX(integrand), PointsInNarrowDomains(integrand));
  EXPECT_TRUE(outcome.ok) << where << ": " << outcome.detail << "\n  integrand " << item.integrand
                          << "\n  answer " << item.answer;
}

// Runs the row over the sweep: at Level 10 every item is checked; at the other Levels (all of
// them in the full sweep, one a set otherwise) the items must be the first ones of Level 10.
// The item count lives in the row's begin routine, so one Level runs at a time.
void SweepRow(const RowReading& r, const bool (&reads)[7], int budget, int (*item_count)(int)) {
  int bounds[7];
  numeric_check::RowBounds(r.row, reads, bounds);
  const auto sets = integral_check::SweepSets(bounds, budget);
  std::vector<std::vector<std::size_t>> level_ten(sets.size());
  const std::hash<std::string> hash;
  {
    VariantRunner runner(r.row, 10);
    for (std::size_t n = 0; n < sets.size(); ++n) {
      const auto items = Items(r, runner.Run(sets[n]));
      ASSERT_EQ(static_cast<int>(items.size()), item_count(10)) << Describe(sets[n], 10);
      for (std::size_t i = 0; i < items.size(); ++i) {
        CheckItem(items[i], Describe(sets[n], 10) + ", item " + std::to_string(i + 1));
        level_ten[n].push_back(hash(items[i].integrand + "|" + items[i].answer));
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
  for (int level = 1; level <= 9; ++level) {
    VariantRunner runner(r.row, level);
    for (std::size_t n = 0; n < sets.size(); ++n) {
      if (!integral_check::FullSweep() && level != 1 + static_cast<int>(n % 9)) continue;
      const auto items = Items(r, runner.Run(sets[n]));
      ASSERT_EQ(static_cast<int>(items.size()), item_count(level)) << Describe(sets[n], level);
      for (std::size_t i = 0; i < items.size(); ++i) {
        ASSERT_EQ(hash(items[i].integrand + "|" + items[i].answer), level_ten[n][i])
            << Describe(sets[n], level) << ", item " << i + 1;
      }
    }
  }
}

int LevelItems(int level) { return level; }
int AtMostFour(int level) { return std::min(level, 4); }

TEST(SubstitutionIntegral, AnswersDifferentiateToTheirIntegrands) {
  SweepRow(kSubstitution, {true, true, true, true, true, false, false}, 3000, LevelItems);
}

// arcsin and arccos of a ch(x) (family 1) and of a x^2 + 1 (family 2) were real nowhere or at
// x = 0 alone; every integral of these draws is now real on an interval.
TEST(SubstitutionIntegral, InverseSineIntegrandsAreRealOnAnInterval) {
  VariantRunner runner(14, 10);
  for (int f : {5, 6}) {
    for (int g : {4, 7}) {
      const Params q{{f, 1, f, 1, g, 1, 1}};
      for (const Item& item : Items(kSubstitution, runner.Run(q))) {
        EXPECT_GE(RealPoints(integral_check::Integrand(item.integrand)), 3)
            << Describe(q, 10) << "\n" << item.integrand;
      }
    }
  }
}

TEST(RationalIntegral, AnswersDifferentiateToTheirIntegrands) {
  SweepRow(kRational, {true, true, true, true, true, false, false}, 1500, LevelItems);
}

TEST(QuadraticIntegral, AnswersDifferentiateToTheirIntegrands) {
  SweepRow(kQuadratic, {true, true, true, true, true, false, false}, 1500, LevelItems);
}

TEST(TrigIntegral, AnswersDifferentiateToTheirIntegrands) {
  SweepRow(kTrig, {true, true, true, true, true, false, false}, 1500, LevelItems);
}

TEST(BinomialIntegral, AnswersDifferentiateToTheirIntegrands) {
  SweepRow(kBinomial, {true, true, true, true, true, false, false}, 2000, AtMostFour);
}

// Golden variants: the bytes each row writes for the cases that matter.
struct Golden {
  int row;
  Params q;
  int level;
  const char* main;
  const char* ans;
  const char* what;
};

const Golden kGoldens[] = {
    {14,
     {{1, 1, 1, 1, 1, 1, 1}},
     1,
     " \\ $\\displaystyle{\\int \\cos(x)\\sin(2\\sin(x))dx\r\n"
     "}$\\vskip2mm",
     "\\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "-\\cos(2\\sin(x))/2}$\\\\\\hline\\end{tabular}\\end{center}",
     "one item, no number"},
    {14,
     {{1, 1, 1, 1, 3, 1, 1}},
     1,
     " \\ $\\displaystyle{\\int \\ch(x)\\sin(2\\sh(x))dx\r\n"
     "}$\\vskip2mm",
     "\\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "-\\cos(2\\sh(x))/2}$\\\\\\hline\\end{tabular}\\end{center}",
     "family 1 with g = sh"},
    {14,
     {{1, 6, 1, 1, 1, 1, 1}},
     5,
     "\\par 1)\r\n"
     " \\ $\\displaystyle{\\int x\\arcsin(2x)dx\r\n"
     "}$\\par 2)\r\n"
     " \\ $\\displaystyle{\\int x\\arcsin(3x^2)dx\r\n"
     "}$\\par 3)\r\n"
     " \\ $\\displaystyle{\\int \\cos(x)\\sin(4\\sin(x))dx\r\n"
     "}$\\par 4)\r\n"
     " \\ $\\displaystyle{\\int x\\sin(5x^2+1)dx\r\n"
     "}$\\par 5)\r\n"
     " \\ $\\displaystyle{\\int \\arcsin(6x)dx\r\n"
     "}$\\vskip2mm",
     "\\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "(x^2/2-1/16)\\arcsin(2x)+x\\sqrt{1-4x^2}/8}$\\\\2&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "(x^2\\arcsin(3x^2)+\\sqrt{1/9-x^4})/2}$\\\\3&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "-\\cos(4\\sin(x))/4}$\\\\4&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "-\\cos(5x^2+1)/10}$\\\\5&\\rule{0pt}{14pt}$\\displaystyle{ \r\n"
     "x\\arcsin(6x)+\\sqrt{1/36-x^2}}$\\\\\\hline\\end{tabular}\\end{center}",
     "P2 = 6: families 4, 5, 1, 2, 3"},
    {15,
     {{3, 4, 1, 2, 1, 1, 1}},
     1,
     " \\ $\\displaystyle{\\int\\frac{x^2+6x+8}{\r\n"
     "(x^2-4)(x-3)}dx\r\n"
     "}$\\vskip2mm\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$-6\\ln(x-2)\r\n"
     "+7\\ln(x-3)\r\n"
     " $\\\\\\hline\\end{tabular}\\end{center}",
     "kind 4, the x + r1 term left out"},
    {15,
     {{1, 1, 4, 1, 4, 1, 1}},
     1,
     " \\ $\\displaystyle{\\int\\frac{x^3+5x+3}{\r\n"
     "(x-5)(x-2)(x-9)}dx\r\n"
     "}$\\vskip2mm\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$x\r\n"
     "-51/4\\ln(x-5)\r\n"
     "+\\ln(x-2)\r\n"
     "+111/4\\ln(x-9)\r\n"
     " $\\\\\\hline\\end{tabular}\\end{center}",
     "a +1 middle term keeps its sign"},
    {27,
     {{1, 1, 1, 1, 1, 1, 1}},
     1,
     " \\ $\\displaystyle{\\int\\frac{x^3+3x+14}{x^2/4+x+2}dx\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt}$ \r\n"
     "2x^2-16x+22\\ln(x^2+4x+8)\r\n"
     "+48\\arctan\\frac{x+2}{2}\r\n"
     " $\\\\\\hline\\end{tabular}\\end{center}",
     "t = 1"},
    {21,
     {{1, 2, 1, 1, 1, 1, 1}},
     2,
     "\\vskip2mm \r\n"
     "\\par 1)\r\n"
     " \\ $\\displaystyle{\\int \\frac{dx}{2\\cos(x)+\r\n"
     "3\\sin(x)+6}\r\n"
     "}$\\vskip2mm \r\n"
     "\\par 2)\r\n"
     " \\ $\\displaystyle{\\int \\frac{dx}{4+2\\cos(x)}\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $\r\n"
     "\\frac{2}{\\sqrt{23}} \r\n"
     "\\arctg((4\\tg(x/2)+3)/\\sqrt{23}) $\\\\2&\\rule{0pt}{14pt} $\r\n"
     "\\frac{2}{\\sqrt{12}} \r\n"
     "\\arctg((2\\tg(x/2))/\\sqrt{12}) $\\\\\\hline\\end{tabular}\\end{center} ",
     "kinds 1 then 12"},
    {21,
     {{1, 1, 1, 1, 1, 1, 1}},
     1,
     "\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\frac{dx}{\\cos(x)+2\\sin(x)+4}\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $\r\n"
     "\\frac{2}{\\sqrt{11}} \r\n"
     "\\arctg((3\\tg(x/2)+2)/\\sqrt{11}) $\\\\\\hline\\end{tabular}\\end{center} ",
     "kind 1 with a = 1 left out"},
    {21,
     {{11, 1, 1, 1, 1, 1, 1}},
     2,
     "\\vskip2mm \r\n"
     "\\par 1)\r\n"
     " \\ $\\displaystyle{\\int \\sin^{2}(x)\\ dx\r\n"
     "}$\\vskip2mm \r\n"
     "\\par 2)\r\n"
     " \\ $\\displaystyle{\\int \\frac{dx}{3+2\\cos(x)}\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $\r\n"
     "-\\sin(2x)/4+x/2 $\\\\2&\\rule{0pt}{14pt} $\r\n"
     "\\frac{2}{\\sqrt{5}} \r\n"
     "\\arctg((\\tg(x/2))/\\sqrt{5}) $\\\\\\hline\\end{tabular}\\end{center} ",
     "kind 12 with c - b = 1"},
    {21,
     {{9, 1, 1, 1, 1, 1, 1}},
     1,
     "\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\cos^{2}(x)\\ dx\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $\r\n"
     "\\sin(2x)/4+x/2 $\\\\\\hline\\end{tabular}\\end{center} ",
     "cos^4: 3x/8"},
    {16,
     {{1, 1, 1, 1, 1, 1, 1}},
     1,
     "\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\sqrt{4-x^2}\\ dx\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $ \r\n"
     "\\frac{x\\sqrt{4-x^2}}{2}+2\\arctan\\left(\\frac{x}{\\sqrt{4-x^2}}\\right) $ "
     "\\\\\\hline\\end{tabular}\\end{center} ",
     "one item"},
    {16,
     {{1, 1, 2, 1, 1, 1, 1}},
     2,
     "\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\sqrt{4-x^2}\\ dx\r\n"
     "}$\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\frac{1}{x^2}\\sqrt[3]{2+3x^{3/4}}\\ dx\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $ \r\n"
     "\\frac{x\\sqrt{4-x^2}}{2}+2\\arctan\\left(\\frac{x}{\\sqrt{4-x^2}}\\right) $ "
     "\\\\2&\\rule{0pt}{14pt} $ \r\n"
     "-\\frac{\\sqrt[3]{2}}{x}\\left(1.5x^{3/4}+1\\right)^{4/3} $ "
     "\\\\\\hline\\end{tabular}\\end{center} ",
     "item 2, kind 1 writes v/u = 1.5"},
    {16,
     {{1, 1, 1, 1, 1, 1, 1}},
     10,
     "\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\sqrt{4-x^2}\\ dx\r\n"
     "}$\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\frac{1}{x^2}\\sqrt[3]{3+2x^{3/4}}\\ dx\r\n"
     "}$\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\frac{\\sqrt{x^2+2x+1}}{x}\\ dx\r\n"
     "}$\\vskip2mm \r\n"
     " \\ $\\displaystyle{\\int \\frac{dx}{\\sqrt{x+3}-\\sqrt{x-2}}\r\n"
     "}$\\vskip2mm",
     "\\tabcolsep=2pt \\vskip2mm 1. \\par\r\n"
     "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
     "1&\\rule{0pt}{14pt} $ \r\n"
     "\\frac{x\\sqrt{4-x^2}}{2}+2\\arctan\\left(\\frac{x}{\\sqrt{4-x^2}}\\right) $ "
     "\\\\2&\\rule{0pt}{14pt} $ \r\n"
     "-\\frac{\\sqrt[3]{3}}{x}\\left(\\frac{2}{3}x^{3/4}+1\\right)^{4/3} $ \\\\3&\\rule{0pt}{14pt} "
     "$ \r\n"
     "\\sqrt{x^2+2x+1}+\\ln(2x+2+2\\sqrt{x^2+2x+1})-\\ln\\frac{2+2x+2\\sqrt{x^2+2x+1}}{x} $ "
     "\\\\4&\\rule{0pt}{14pt} $ \r\n"
     "\\frac{2}{15}\\left((x+3)^{3/2}+(x-2)^{3/2}\\right) $ \\\\\\hline\\end{tabular}\\end{center} ",
     "at most four items, each with its antiderivative"},
};

TEST(IndefiniteIntegrals, GoldenVariants) {
  for (const Golden& g : kGoldens) {
    const auto out = RunAnalysisVariant(g.row, g.q, g.level);
    EXPECT_EQ(out.main, g.main) << "row " << g.row << ": " << g.what;
    EXPECT_EQ(out.ans, g.ans) << "row " << g.row << ": " << g.what;
  }
}

// The keys mended in these rows, as they were: the check rejects each of them.
TEST(IndefiniteIntegrals, TheCheckRejectsTheFormerWrongKeys) {
  struct Case {
    const char* integrand;
    const char* answer;
  };
  const Case cases[] = {
      {"\\cos^{4}(x)\\ dx", "\\sin(2x)/4+\\sin(4x)/32+3x/2"},
      {"\\sin^{4}(x)\\ dx", "-\\sin(2x)/4+\\sin(4x)/32+3x/2"},
      {"x\\sin(2x^2+1)dx", "0.5\\sin(x^2+1)"},
      {"x\\ch(3x^2+1)dx", "0.5\\sh(x^2+1)"},
      {"\\frac{x^3+5x+3}{(x-5)(x-2)(x-9)}dx", "x-51/4\\ln(x-5)\\ln(x-2)+111/4\\ln(x-9)"},
      {"\\arcsh(2x)dx", "x\\arcsh(2x)-x\\sqrt{1/4+x^2}"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(integral_check::CheckAntiderivative(c.integrand, c.answer).ok) << c.answer;
  }
  // The former key of arcsh(ax) left a parenthesis open.
  EXPECT_FALSE(integral_check::Parses("x(\\arcsh(2x)-\\sqrt{1/4+x^2}"));
}

// In students mode every answers row of the integral rows, the student's name included, has no
// more cells than its table has columns, and every table is closed.
TEST(IntegralRows, AnswersRowsFitTheirTablesInStudentsMode) {
  for (int row : {14, 15, 16, 17, 21, 27}) {
    for (int level : {1, 4, 10}) {
      auto s = testing_support::NewState();
      s->Level = level;
      s->StudentsMode = true;
      for (int v = 1; v <= 4; ++v) s->StudentNames[v] = "Student " + std::to_string(v);
      const auto texts = testing_support::RunBeginVariant(
          *s, [row](SharedState& st) { calculus::BeginAnalysisProblem(st, row); },
          [row](SharedState& st) { calculus::WriteAnalysisVariant(st, row); },
          {{1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3, 3}});
      const std::string all = texts.answers + texts.second_answers;
      const std::string where =
          "row " + std::to_string(row) + ", Level " + std::to_string(level) + "\n" + all;
      std::size_t opened = 0, closed = 0;
      for (std::size_t p = all.find("\\begin{tabular}{"); p != std::string::npos;
           p = all.find("\\begin{tabular}{", p + 1)) {
        ++opened;
        const std::size_t format = p + 16;
        const std::string columns = all.substr(format, all.find('}', format) - format);
        const long count = std::count(columns.begin(), columns.end(), 'r');
        const std::size_t end = all.find("\\end{tabular}", p);
        ASSERT_NE(end, std::string::npos) << where;
        ++closed;
        const std::string body = all.substr(p, end - p);
        std::size_t row_start = body.find("\\hline") + 6;
        for (std::size_t e; (e = body.find("\\\\", row_start)) != std::string::npos;
             row_start = e + 2) {
          const std::string cells = body.substr(row_start, e - row_start);
          EXPECT_LE(std::count(cells.begin(), cells.end(), '&') + 1, count) << cells << "\n"
                                                                            << where;
        }
      }
      EXPECT_GT(opened, 0u) << where;
      EXPECT_EQ(opened, closed) << where;
      // The student of variant v is StudentNames[v + 1].
      for (int v = 1; v <= 3; ++v) {
        EXPECT_NE(all.find("Student " + std::to_string(v + 1)), std::string::npos) << where;
      }
    }
  }
}

}  // namespace
