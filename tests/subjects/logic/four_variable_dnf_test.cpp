#include <gtest/gtest.h>

#include <array>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "subjects/logic/logic_run.h"
#include "tests/support/logic_formula.h"

namespace {

using logic_check::Between;
using logic_check::Cells;
using logic_check::Digits;
using logic_check::RunLogicVariant;
using testing_support::IsLogicDnf;
using testing_support::LogicTruthVector;
using testing_support::MinimalDnfLiteralCount;
using testing_support::ParseLogicFormula;

constexpr int kFormulaRow = 6;
constexpr int kMapRow = 7;

// The catalogue as tabulated, over the positions a, b, c, d (entry 0 is the default entry).
// Entry 22 stands as tabulated; the program prints a shorter form of the same function.
const char* const kCatalogue[25] = {
    "a\\bar d\\vee b",
    "\\bar a\\bar b\\vee dc",
    "\\bar ab\\vee d\\bar c",
    "a\\bar b\\bar cd\\vee cb",
    "\\bar abc\\vee d\\bar a\\bar c",
    "\\bar abc\\vee ab\\bar c\\bar d",
    "ab\\vee \\bar ca",
    "\\bar abc\\vee \\bar ca",
    "\\bar abc\\vee a\\bar c\\bar d\\vee \\bar cab",
    "a\\bar b\\vee bcd\\bar a",
    "\\bar abc\\vee c\\bar d\\vee a\\bar b",
    "\\bar b\\bar c\\bar d\\vee \\bar ac\\vee \\bar ad",
    "abc\\vee a\\bar b\\bar c\\vee \\bar a\\bar bcd\\vee a\\bar d",
    "a\\bar c\\vee \\bar a\\bar bc\\bar d",
    "\\bar db\\vee dc",
    "\\bar ab\\bar c\\vee abd\\vee a\\bar b\\bar c",
    "\\bar ab\\bar c\\vee abd\\vee a\\bar b\\bar c\\vee \\bar a\\bar bc\\bar d",
    "\\bar ab\\bar c\\vee abd\\vee a\\bar b\\bar c\\vee \\bar a\\bar bcd",
    "\\bar a",
    "\\bar bcd\\vee a",
    "\\bar ad\\vee ac",
    "\\bar b\\bar c\\bar d\\vee \\bar ab\\bar c\\vee abcd",
    "\\bar c\\bar d\\vee \\bar bc\\bar d\\vee abcd",
    "ad\\vee \\bar a\\bar b\\bar c\\bar d",
    "\\bar ab\\vee a\\bar bd\\vee \\bar ac\\bar d",
};

/// The permutation drawn from P2..P5, computed as the smallest free value counted cyclically
/// from each parameter: perm[k] is the variable (1 x, 2 y, 3 z, 4 w) of position k.
std::array<int, 4> Permutation(int p2, int p3, int p4, int p5) {
  std::array<int, 4> perm{};
  std::array<bool, 4> used{};
  const int from[] = {p2, p3, p4, p5};
  for (int k = 0; k < 4; ++k) {
    for (int step = 0; step < 4; ++step) {
      const int v = (from[k] - 1 + step) % 4;
      if (!used[static_cast<std::size_t>(v)]) {
        used[static_cast<std::size_t>(v)] = true;
        perm[static_cast<std::size_t>(k)] = v + 1;
        break;
      }
    }
  }
  return perm;
}

/// The function of catalogue entry `index` with position k standing for variable perm[k], as a
/// truth vector over x, y, z, w (x outermost).
std::vector<int> CatalogueFunction(int index, const std::array<int, 4>& perm) {
  const auto f = ParseLogicFormula(kCatalogue[index >= 1 && index <= 24 ? index : 0]);
  std::vector<int> column;
  for (int row = 0; row < 16; ++row) {
    testing_support::LogicValues v{};
    for (int k = 0; k < 4; ++k) {
      v[static_cast<std::size_t>(k)] = (row >> (4 - perm[static_cast<std::size_t>(k)])) & 1;
    }
    column.push_back(testing_support::EvaluateLogicFormula(f, v));
  }
  return column;
}

TEST(FourVariableDnf, PermutationsOfTheExamples) {
  struct Case {
    std::array<int, 4> p;
    std::array<int, 4> perm;
  };
  const Case cases[] = {
      {{3, 3, 4, 1}, {3, 4, 1, 2}}, {{2, 2, 2, 2}, {2, 3, 4, 1}}, {{4, 4, 4, 4}, {4, 1, 2, 3}},
      {{1, 2, 3, 4}, {1, 2, 3, 4}}, {{4, 1, 1, 1}, {4, 1, 2, 3}},
  };
  // Entry 3 prints the positions a, b, c, d in this order first: a\bar b\bar cd...
  const char letters[] = {'x', 'y', 'z', 'w'};
  for (const Case& c : cases) {
    EXPECT_EQ(Permutation(c.p[0], c.p[1], c.p[2], c.p[3]), c.perm);
    const auto out = RunLogicVariant(kFormulaRow, {3, c.p[0], c.p[1], c.p[2], c.p[3], 1, 1});
    std::string expected = "1& $";
    expected += letters[c.perm[0] - 1];
    expected += std::string("\\bar ") + letters[c.perm[1] - 1];
    expected += std::string("\\bar ") + letters[c.perm[2] - 1];
    expected += letters[c.perm[3] - 1];
    expected += std::string("\\vee ") + letters[c.perm[2] - 1] + letters[c.perm[1] - 1] + " $ & ";
    EXPECT_EQ(logic_check::AnswersRow(out.answers).rfind(expected, 0), 0u)
        << logic_check::AnswersRow(out.answers);
  }
}

TEST(FourVariableDnf, BeginDefinesTheMapInBothModes) {
  const char* karno =
      "\\newsavebox{\\karno}\\sbox{\\karno}{%\r\n\\noindent\\begin{picture}(2,2)(0,0)%\r\n"
      "\\spe%\r\n"
      "\\mt{0}{0}\\pp{40}{0}\\mt{0}{0}\\pp{0}{40}\\mt{0}{10}\\pp{40}{10}\\mt{10}{0}\\pp{10}{40}"
      "\\mt{0}{20}\\pp{40}{20}\\mt{20}{0}\\pp{20}{40}\\mt{0}{30}\\pp{40}{30}\\mt{30}{0}\\pp{30}{40}"
      "\\mt{0}{40}\\pp{40}{40}\\mt{40}{0}\\pp{40}{40}"
      "\\put(28,46){\\scriptsize \\Brown{$y$}}\r\n\\put(18,-8){\\scriptsize \\Brown{$x$}}\r\n"
      "\\put(-10,18){\\scriptsize \\Brown{$w$}}\r\n\\put(45,8){\\scriptsize \\Brown{$z$}}\r\n"
      "\\speh\\Blue{\\mt{20}{41}\\pp{20}{43}\\pp{40}{43}\\pp{40}{41}"
      "}\\Red{\\mt{10}{-1}\\pp{10}{-3}\\pp{30}{-3}\\pp{30}{-1}"
      "}\\Magenta{\\mt{-1}{10}\\pp{-3}{10}\\pp{-3}{30}\\pp{-1}{30}"
      "}\\OliveGreen{\\mt{41}{0}\\pp{43}{0}\\pp{43}{20}\\pp{39}{20}}\\end{picture}}\r\n";
  const auto formula = RunLogicVariant(kFormulaRow, {18, 2, 1, 1, 1, 1, 1});
  EXPECT_EQ(formula.main,
            std::string("Упростить совершенную дизъюнктивную нормальную форму.\\\\\\noindent") +
                karno +
                "\\vskip1pt $\\bar x\\bar y\\bar z\\bar w\\vee \\bar x\\bar y\\bar zw\\vee "
                "\\bar x\\bar yz\\bar w\\vee \\bar x\\bar yzw\\vee x\\bar y\\bar z\\bar w\\vee "
                "x\\bar y\\bar zw\\vee x\\bar yz\\bar w\\vee x\\bar yzw$ ");
  EXPECT_EQ(formula.answers,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & $f$ & значения $f$ \\\\\\hline \r\n"
            "1& $\\bar y $ &  1  1  1  1  0  0  0  0  1  1  1  1  0  0  0  0  \\\\"
            "\\hline\\end{tabular}\\end{center}");
  // P1 = 18 with perm[1] = 2: stars in the eight cells with y = 0, columns 1 and 2.
  const auto map = RunLogicVariant(kMapRow, {18, 2, 1, 1, 1, 1, 1});
  EXPECT_EQ(map.main,
            std::string("Упростить логическую функцию, заданную картой Карно.\\\\\\noindent") +
                karno +
                "\\noindent\\begin{picture}(120,62)(-60,-10)%\r\n"
                "\\put(2,31){$*$}\\put(2,21){$*$}\\put(2,1){$*$}\\put(2,11){$*$}"
                "\\put(12,31){$*$}\\put(12,21){$*$}\\put(12,1){$*$}\\put(12,11){$*$}"
                "\\put(0,0){\\usebox{\\karno}}\\end{picture}\r\n");
}

TEST(FourVariableDnf, EntryTwentyTwoIsWrittenInItsMinimalForm) {
  // Positions in order (perm 1, 2, 3, 4): c̄d̄ ∨ b̄d̄ ∨ abcd has 8 literals where the tabulated
  // c̄d̄ ∨ b̄cd̄ ∨ abcd has 9; the function is the same.
  const auto out = RunLogicVariant(kFormulaRow, {22, 1, 2, 3, 4, 1, 1});
  const auto cells = Cells(logic_check::AnswersRow(out.answers));
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[1], " $\\bar z\\bar w\\vee \\bar y\\bar w\\vee xyzw $ ");
  EXPECT_EQ(LogicTruthVector(ParseLogicFormula(Between(cells[1], "$", "$")), "xyzw"),
            CatalogueFunction(22, {1, 2, 3, 4}));
  EXPECT_EQ(MinimalDnfLiteralCount(CatalogueFunction(22, {1, 2, 3, 4}), 4), 8);
}

/// The function shown by the map: each star's cell read back through the layout (x = 1 on
/// columns 2 and 3, y = 1 on columns 3 and 4, z = 1 on lines 1 and 2, w = 1 on lines 2 and 3).
std::vector<int> MapFunction(const std::string& main, int* stars) {
  static const std::regex kStar(R"(\\put\((\d+),(\d+)\)\{\$\*\$\})");
  std::vector<int> f(16, 0);
  *stars = 0;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), kStar);
       it != std::sregex_iterator(); ++it) {
    const int c = (std::stoi((*it)[1]) - 2) / 10 + 1, r = (std::stoi((*it)[2]) - 1) / 10 + 1;
    const int x = c == 2 || c == 3, y = c == 3 || c == 4;
    const int z = r == 1 || r == 2, w = r == 2 || r == 3;
    f[static_cast<std::size_t>(8 * x + 4 * y + 2 * z + w)] = 1;
    ++*stars;
  }
  return f;
}

// Every parameter set and Level, both modes: the answer formula is the catalogue entry with the
// permuted letters, a minimal DNF, equal to the printed perfect DNF (mode 1) or to the starred
// cells of the map (mode 2), and the sixteen values are its truth vector.
TEST(FourVariableDnf, AnswerMatchesTheDataForEveryParameterSet) {
  std::map<std::vector<int>, int> least;  // minimal literal count by function
  int count = 0;
  for (int row : {kFormulaRow, kMapRow})
    for (int p1 = 1; p1 <= 25; ++p1)
      for (int p2 = 1; p2 <= 4; ++p2)
        for (int p3 = 1; p3 <= 4; ++p3)
          for (int p4 = 1; p4 <= 4; ++p4)
            for (int p5 = 1; p5 <= 4; ++p5)
              for (int level : logic_check::LevelsFor(count++)) {
                const auto out = RunLogicVariant(row, {p1, p2, p3, p4, p5, 1, 1}, level);
                const std::string where = "row " + std::to_string(row) + " P " +
                                          std::to_string(p1) + " " + std::to_string(p2) +
                                          std::to_string(p3) + std::to_string(p4) +
                                          std::to_string(p5);
                const auto cells = Cells(logic_check::AnswersRow(out.answers));
                ASSERT_EQ(cells.size(), 3u) << where;
                const auto answer = ParseLogicFormula(Between(cells[1], "$", "$"));
                const auto f = LogicTruthVector(answer, "xyzw");
                EXPECT_EQ(f, CatalogueFunction(p1, Permutation(p2, p3, p4, p5))) << where;
                EXPECT_EQ(Digits(cells[2]), f) << where;
                int literals = 0;
                EXPECT_TRUE(IsLogicDnf(answer, &literals)) << where;
                auto [it, fresh] = least.try_emplace(f, 0);
                if (fresh) it->second = MinimalDnfLiteralCount(f, 4);
                EXPECT_EQ(literals, it->second) << where;
                int ones = 0;
                for (int v : f) ones += v;
                if (row == kFormulaRow) {
                  const auto sdnf = ParseLogicFormula(Between(out.main, "\\vskip1pt $", "$ "));
                  EXPECT_EQ(LogicTruthVector(sdnf, "xyzw"), f) << where;
                  int sdnf_literals = 0;
                  EXPECT_TRUE(IsLogicDnf(sdnf, &sdnf_literals)) << where;
                  EXPECT_EQ(sdnf_literals, 4 * ones) << where;
                  EXPECT_EQ(out.main.find("\\usebox{\\karno}"), std::string::npos) << where;
                } else {
                  int stars = 0;
                  EXPECT_EQ(MapFunction(out.main, &stars), f) << where;
                  EXPECT_EQ(stars, ones) << where;
                }
              }
}

}  // namespace
