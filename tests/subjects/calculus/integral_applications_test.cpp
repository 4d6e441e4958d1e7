#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <string>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/quadrature.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace {

using numeric_check::Params;

constexpr double kPi = std::numbers::pi;

std::string WithoutLineEnds(std::string text) {
  for (auto p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n")) text.erase(p, 2);
  return text;
}

// The printed formula as the evaluator reads it: \varphi is t, and "\sin2t", "\cos 3t" take the
// whole product as their argument, as a reader does.
std::string Readable(std::string text) {
  static const std::regex kVarphi(R"(\\varphi)");
  static const std::regex kTrigProduct(R"(\\(sin|cos) ?(\d+)t)");
  text = std::regex_replace(text, kVarphi, "t");
  return std::regex_replace(text, kTrigProduct, "\\$1($2t)");
}

// Everything after "&" up to the next "&" or the end, line ends removed.
std::vector<std::string> Cells(const std::string& ans) {
  std::vector<std::string> out;
  const std::string text = WithoutLineEnds(ans);
  for (std::size_t p = text.find('&'); p != std::string::npos;) {
    const std::size_t e = text.find('&', p + 1);
    out.push_back(text.substr(p + 1, e == std::string::npos ? e : e - p - 1));
    p = e;
  }
  return out;
}

// A cell "decimal=fraction" or "decimal$=fraction\pi $": the decimal and the exact value.
struct ExactCell {
  double decimal = 0, exact = 0;
};

ExactCell ReadCell(const std::string& cell) {
  static const std::regex kPlain(R"(^\s*([-0-9.]+)=([-0-9/]+)$)");
  static const std::regex kTimesPi(R"(^\s*([-0-9.]+)\$=([-0-9/]*)\\pi \$$)");
  auto m = numeric_check::Match(cell, kPlain);
  if (m.size() == 2) return {std::stod(m[0]), numeric_check::ParseRational(m[1])};
  m = numeric_check::Match(cell, kTimesPi);
  if (m.size() != 2) return {std::nan(""), std::nan("")};
  return {std::stod(m[0]), (m[1].empty() ? 1 : numeric_check::ParseRational(m[1])) * kPi};
}

TEST(IntegralApplications1, BeginWritesOneHeadingCellPerItem) {
  for (bool students : {false, true}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.StudentsMode = students;
    calculus::BeginAnalysisProblem(s, 30);
    EXPECT_EQ(s.ParboxWidth, 175);
    EXPECT_EQ(testing_support::MainText(s), "");
    EXPECT_EQ(testing_support::AnsText(s),
              "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n"
              "\\No&1 \r\n&2 \r\n&3 \r\n" +
                  std::string(students ? " & студент" : "") + "\\\\\\hline \r\n");
  }
}

TEST(IntegralApplications1, WritesTheThreeItemsAndTheirExactValues) {
  numeric_check::VariantRunner run(30, 1);
  // Square root; rose area 2 pi; V = 19 pi / 30 for y = x^2 + x + 1 and y = 2x + 1.
  auto v = run.Run({{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            "\\vskip1pt 1)\r\n{\\small Вычислить площадь фигуры, ограниченной линиями:}\\ "
            "$y=\\sqrt{x}$, \r\n$y=x^2$\r\n"
            "\\vskip1pt 2)\r\n{\\small Найти площадь фигуры, ограниченной кривой, заданной в "
            "полярных координатах:}\\  $\\rho = 2\\sin2\\varphi $.\r\n"
            "\\vskip1pt 3)\r\n{\\small Найти объем тела, образованного вращением вокруг оси $0x$ "
            "фигуры, ограниченной линиями }$ y = x^2+x + 1$, \\ \r\n$ y=2x+1 $.\r\n ");
  EXPECT_EQ(v.ans, "1&0.3333=\r\n1/3&6.2832$=\r\n2\\pi $&1.9897$=\r\n19/30\\pi $");
  // A root of higher index; a rose of area pi shows no fraction; a cosine rose.
  v = run.Run({{3, 2, 2, 4, 1, 1, 1}});
  EXPECT_NE(v.main.find("$y=\\sqrt[4]{x}$,\\  \r\n$y=x^3$"), std::string::npos) << v.main;
  EXPECT_NE(v.main.find("$\\rho = 2\\cos3\\varphi $."), std::string::npos) << v.main;
  EXPECT_NE(v.ans.find("&3.1416$=\r\n\\pi $&"), std::string::npos) << v.ans;
  // y = x^2 - 3x + d dips below the axis for d = 1, 2: both curves are lifted to d = 3.
  for (int d : {1, 2}) {
    v = run.Run({{1, 5, 1, d, 1, 1, 1}});
    EXPECT_NE(v.main.find("$ y = x^2-3x + 3$, \\ \r\n$ y=2x+3 $."), std::string::npos) << v.main;
  }
}

// Item 1 by quadrature between the printed curves over [0, 1]; item 2 as the area swept by
// the printed polar curve (the points whose distance in direction theta is at most rho(theta)
// or -rho(theta + pi)); item 3 as the volume swept by the region between the printed curves,
// taken from where they meet, whatever the sign of the lower curve.
TEST(IntegralApplications1, AnswersAreTheAreasAndVolumeOfThePrintedFigures) {
  int bounds[7];
  numeric_check::RowBounds(30, {true, true, true, true, true, false, false}, bounds);
  numeric_check::VariantRunner run(30, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const std::string text = WithoutLineEnds(v.main);
        const auto cells = Cells(v.ans);
        ASSERT_EQ(cells.size(), 3u) << where;
        // Item 1.
        const auto curves = numeric_check::PrintedFormulas(text, "$y=", "$");
        ASSERT_EQ(curves.size(), 2u) << where;
        const tex_formula::Formula root(curves[0]), power(curves[1]);
        const double area =
            quadrature::GaussGraded([&](double x) { return root(x) - power(x); }, 0, 1);
        const ExactCell c1 = ReadCell(cells[0]);
        EXPECT_NEAR(c1.decimal, area, 0.00005) << where;
        EXPECT_NEAR(c1.exact, area, 1e-9) << where;
        // Item 2.
        const tex_formula::Formula rho(Readable(numeric_check::Between(text, "$\\rho = ", " $.")),
                                       't');
        auto reach = [&](double th) { return std::max({0.0, rho(th), -rho(th + kPi)}); };
        const double rose = quadrature::Gauss([&](double th) { return reach(th) * reach(th) / 2; },
                                              0, 2 * kPi, 480);
        const ExactCell c2 = ReadCell(cells[1]);
        EXPECT_NEAR(c2.decimal, rose, 0.00005) << where;
        EXPECT_NEAR(c2.exact, rose, 1e-9) << where;
        // Item 3.
        const tex_formula::Formula parabola(numeric_check::Between(text, "$ y = ", "$, \\ "));
        const tex_formula::Formula line(numeric_check::Between(text, "$ y=", " $."));
        auto gap = [&](double x) { return line(x) - parabola(x); };
        const double r = gap(0), p = (gap(1) - gap(-1)) / 2;
        const double disc = p * p + 4 * r;
        ASSERT_GT(disc, 0) << where;
        const double x1 = (p - std::sqrt(disc)) / 2, x2 = (p + std::sqrt(disc)) / 2;
        const double volume = quadrature::Gauss(
            [&](double x) {
              const double lo = parabola(x), hi = line(x);
              const double outer = std::max(lo * lo, hi * hi);
              const double inner = lo <= 0 && hi >= 0 ? 0 : std::min(lo * lo, hi * hi);
              return kPi * (outer - inner);
            },
            x1, x2, 64);
        const ExactCell c3 = ReadCell(cells[2]);
        EXPECT_NEAR(c3.decimal, volume, 0.00005) << where;
        EXPECT_NEAR(c3.exact, volume, 1e-9 * std::max(1.0, volume)) << where;
        ++checked;
      },
      1000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5 * 5 * 5 * 5 * 5));
}

TEST(IntegralApplications2, WritesTheThreeItems) {
  numeric_check::VariantRunner run(31, 1);
  // P1 = 5, P2 = 1, P3 = 1: c = 2 gives A = -1, c = 3 gives A = 1, so c = 4 and A = 3.
  auto v = run.Run({{5, 1, 1, 1, 4, 1, 1}});
  EXPECT_EQ(v.main,
            "\\vskip1pt 1)\r\n{\\small Найти объем тела, образованного вращением вокруг оси "
            "$0x$ фигуры, ограниченной линиями:\\\\ }$ y = 3e^x+11$, \r\n"
            "$ y = 4e^{2x}+1$, $x=0$.\r\n"
            "\\vskip1pt 2)\r\n{\\small Найти длину параметрически заданной кривой:\\\\ }"
            "$ x = 6\\sin t - \\cos 6t$, \r\n$ y = 6\\cos t - \\sin 6t$,\r\n"
            "$ t = 0 ... \\pi/7$.\r\n"
            "\\vskip1pt 3)\r\n{\\small Найти длину  кривой, заданной в полярных координатах:\\\\ }"
            "$ \\rho =1 + \\varphi,$ $\\varphi = 0 ...4$.\r\n ");
  EXPECT_NE(v.ans.find("\r\n & 4.8487\r\n"), std::string::npos) << v.ans;
  // P5 = 4, P3 = 5, P4 = 1: rho = 5 + phi from 0 to 4.
  v = run.Run({{1, 2, 5, 1, 4, 1, 1}});
  EXPECT_NE(v.main.find("$ \\rho =5 + \\varphi,$ $\\varphi = 0 ...4$."), std::string::npos);
  EXPECT_NE(v.main.find("$ x = t^2, y=2t^3$, $ t = 0 ... 5$."), std::string::npos);
}

// Item 1: the volume swept by the region between the two printed exponentials and x = 0, up
// to where they meet; items 2 and 3: the length of the printed curves by quadrature of the
// speed, the derivatives taken numerically from the printed formulas.
TEST(IntegralApplications2, AnswersAreTheVolumeAndLengthsOfThePrintedCurves) {
  static const std::regex kParametric(
      R"(\$ x = ([^$,]*)\$?, ?\$? ?y ?= ?([^$]*)\$, ?\$ t = 0 \.\.\. ([^$]*)\$)");
  static const std::regex kPolar(R"(\$ \\rho =([^$,]*),?\$,? \$\\varphi = (\d+) \.\.\.(\d+)\$)");
  int bounds[7];
  numeric_check::RowBounds(31, {true, true, true, true, true, false, false}, bounds);
  numeric_check::VariantRunner run(31, 1);
  long long checked = 0;
  numeric_check::ForEachParameterSet(
      bounds,
      [&](const Params& q) {
        const auto v = run.Run(q);
        const std::string where = numeric_check::Where(q, 1, v);
        const std::string text = WithoutLineEnds(v.main);
        const auto cells = numeric_check::AnswerCells(v.ans);
        ASSERT_EQ(cells.size(), 3u) << where;
        // Item 1.
        const tex_formula::Formula upper(numeric_check::Between(text, "}$ y = ", "$, ")),
            lower(numeric_check::Between(text, "$, $ y = ", "$, $x=0$"));
        auto gap = [&](double x) { return upper(x) - lower(x); };
        ASSERT_GT(gap(0), 0) << where;
        double lo = 0, hi = 10;
        ASSERT_LT(gap(hi), 0) << where;
        for (int i = 0; i < 200; ++i) (gap((lo + hi) / 2) > 0 ? lo : hi) = (lo + hi) / 2;
        const double volume = quadrature::Gauss(
            [&](double x) {
              EXPECT_GE(lower(x), 0) << where;
              return kPi * (upper(x) * upper(x) - lower(x) * lower(x));
            },
            0, lo, 16);
        EXPECT_NEAR(cells[0], volume, 0.00005 + 1e-12 * volume) << where;
        // Item 2.
        const auto m = numeric_check::Match(text, kParametric);
        ASSERT_EQ(m.size(), 3u) << where;
        const auto x = numeric_check::TexFunction(Readable(m[0]), 't');
        const auto y = numeric_check::TexFunction(Readable(m[1]), 't');
        const double end = numeric_check::EvalTex(m[2], 't', 0);
        const double length = quadrature::Gauss(
            [&](double t) {
              return std::hypot(numeric_check::Derivative(x, t), numeric_check::Derivative(y, t));
            },
            0, end, 32);
        EXPECT_NEAR(cells[1], length, 0.00005 + 1e-12 * length) << where;
        // Item 3.
        const auto polar = numeric_check::Match(text, kPolar);
        ASSERT_EQ(polar.size(), 3u) << where;
        const auto rho = numeric_check::TexFunction(Readable(polar[0]), 't');
        const double arc = quadrature::Gauss(
            [&](double t) { return std::hypot(rho(t), numeric_check::Derivative(rho, t)); },
            std::stod(polar[1]), std::stod(polar[2]), 32);
        EXPECT_NEAR(cells[2], arc, 0.00005 + 1e-12 * arc) << where;
        ++checked;
      },
      1000);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5 * 3 * 5 * 5 * 5));
}

}  // namespace
