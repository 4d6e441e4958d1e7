#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "subjects/logic/logic_run.h"
#include "subjects/logic/three_variable_formulas.h"
#include "tests/support/logic_formula.h"
#include "tests/support/memory_files.h"
#include "toolkit/writers.h"

namespace {

using logic_check::Between;
using logic_check::Cells;
using logic_check::Digits;
using logic_check::RunLogicVariant;
using testing_support::LogicTruthVector;
using testing_support::ParseLogicFormula;

constexpr int kRow = 4;

TEST(ZhegalkinPolynomial, BeginWritesStatementAndHeading) {
  const auto out = RunLogicVariant(kRow, {2, 1, 1, 1, 1, 1, 1}, 1, 12);
  EXPECT_EQ(out.main,
            "Записать в виде полинома Жегалкина логическую функцию.\\\\\\noindent"
            "\\vskip3mm$x\\downarrow yz\\bar x$ \\vskip3mm");
  EXPECT_EQ(out.answers,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            " \\No & $f$ & Полином \\\\\\hline\r\n"
            "12&1, 1, 1, 0, 0, 0, 0, 0 & $xyz\\oplus yz\\oplus x\\oplus 1$ \\\\"
            "\\hline\\end{tabular}\\end{center}");
}

TEST(ZhegalkinPolynomial, GoldenPolynomials) {
  const std::pair<int, const char*> cases[] = {
      {1, "$xyz\\oplus xz\\oplus 1$"},
      {25, "$xyz\\oplus yz\\oplus xz\\oplus xy\\oplus z\\oplus y\\oplus x$"},
      {41, "$xyz\\oplus xz\\oplus y\\oplus x\\oplus 1$"},
  };
  for (const auto& [p1, polynomial] : cases) {
    const auto cells =
        Cells(logic_check::AnswersRow(RunLogicVariant(kRow, {p1, 1, 1, 1, 1, 1, 1}).answers));
    ASSERT_EQ(cells.size(), 3u) << p1;
    EXPECT_EQ(cells[2], std::string(" ") + polynomial) << p1;
  }
}

/// The truth vector (rows 000..111) of a list of true rows such as "001 101 111".
std::vector<int> VectorOfTrueRows(const std::string& rows) {
  std::vector<int> f(8, 0);
  std::istringstream in(rows);
  std::string r;
  while (in >> r) f[static_cast<std::size_t>(std::stoi(r, nullptr, 2))] = 1;
  return f;
}

// The entries of this catalogue's own, as tabulated; entries 3..30 print the three-variable
// catalogue's texts.
TEST(ZhegalkinPolynomial, CatalogueMatchesItsTable) {
  const std::pair<int, const char*> own[] = {
      {1, "000 001 010 011 100 110 111"},
      {2, "000 001 010"},
      {31, "011 101 110 111"},
      {32, "010 101 110 111"},
      {33, "000 010 011 101 111"},
      {34, "000 010 011 101 111"},
      {35, "000 010 011 101 111"},
      {36, "000 100 101 111"},
      {37, "000 100 101 111"},
      {38, "000 100 101 111"},
      {39, "000 001 101 111"},
      {40, "000 001 011 100 101"},
      {41, "000 001 101 110 111"},
  };
  for (const auto& [p1, rows] : own) {
    const auto out = RunLogicVariant(kRow, {p1, 1, 1, 1, 1, 1, 1});
    const std::string text = Between(out.main, "$", "$");
    EXPECT_EQ(LogicTruthVector(ParseLogicFormula(text), "xyz"), VectorOfTrueRows(rows))
        << p1 << " " << text;
  }
  EXPECT_EQ(Between(RunLogicVariant(kRow, {1, 1, 1, 1, 1, 1, 1}).main, "$", "$"), "xz | \\bar y");
  for (int p1 = 3; p1 <= 30; ++p1) {
    auto s = testing_support::NewState();
    logic::EvaluateThreeVariableFormula(*s, p1, 0, 0, 0, toolkit::WriteText);
    EXPECT_EQ(Between(RunLogicVariant(kRow, {p1, 1, 1, 1, 1, 1, 1}).main, "$", "$"),
              testing_support::MainText(*s))
        << p1;
  }
}

// Every P1 and Level: the answers vector is the printed formula's function, and the polynomial
// is its Möbius transform: the coefficient of a monomial is the exclusive or of f over the
// rows whose true variables lie inside it; monomials from xyz down to 1.
TEST(ZhegalkinPolynomial, PolynomialIsTheTransformOfThePrintedFormula) {
  const std::vector<std::string> order = {"xyz", "yz", "xz", "xy", "z", "y", "x", "1"};
  // Row bits of each monomial's variables (x = 4, y = 2, z = 1).
  const int bits[] = {7, 3, 5, 6, 1, 2, 4, 0};
  int count = 0;
  for (int p1 = 1; p1 <= 41; ++p1) {
    for (int level : logic_check::LevelsFor(count++)) {
      const auto out = RunLogicVariant(kRow, {p1, 1, 1, 1, 1, 1, 1}, level);
      const std::string where = "P1 " + std::to_string(p1);
      const auto f = LogicTruthVector(ParseLogicFormula(Between(out.main, "$", "$")), "xyz");
      const auto cells = Cells(logic_check::AnswersRow(out.answers));
      ASSERT_EQ(cells.size(), 3u) << where;
      EXPECT_EQ(Digits(cells[1]), f) << where;
      std::string expected;
      for (std::size_t m = 0; m < order.size(); ++m) {
        int c = 0;
        for (int row = 0; row < 8; ++row) {
          if ((row & ~bits[m]) == 0) c ^= f[static_cast<std::size_t>(row)];
        }
        if (c) expected += (expected.empty() ? "" : "\\oplus ") + order[m];
      }
      const std::string polynomial = Between(cells[2], "$", "$");
      EXPECT_EQ(polynomial, expected) << where;
      EXPECT_EQ(LogicTruthVector(ParseLogicFormula(polynomial), "xyz"), f) << where;
    }
  }
}

}  // namespace
