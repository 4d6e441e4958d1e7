#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <regex>
#include <set>
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
using testing_support::IsLogicDnf;
using testing_support::LogicTruthVector;
using testing_support::MinimalDnfLiteralCount;
using testing_support::ParseLogicFormula;

/// The truth vector (rows 000..111) of a list of true rows such as "001 101 111".
std::vector<int> VectorOfTrueRows(const std::string& rows) {
  std::vector<int> f(8, 0);
  std::istringstream in(rows);
  std::string r;
  while (in >> r) f[static_cast<std::size_t>(std::stoi(r, nullptr, 2))] = 1;
  return f;
}

// The catalogue as tabulated: index and the rows at which the entry is true.
struct Entry {
  int index;
  const char* true_rows;
};
constexpr Entry kCatalogue[] = {
    {1, "000 001 101 111"},
    {2, "001 011 101 110 111"},
    {3, "010 011 101 110 111"},
    {4, "011 100 101 110 111"},
    {5, "001 010 011 101 111"},
    {6, "001 010 011 110 111"},
    {7, "010 100 101 110 111"},
    {8, "001 011 100 101 111"},
    {9, "010 011 100 110 111"},
    {10, "001 100 101 110 111"},
    {11, "000 010 100 110 111"},
    {12, "000 001 100 101 111"},
    {13, "000 001 010 011 111"},
    {14, "000 001 011 101 111"},
    {15, "000 010 011 110 111"},
    {16, "000 100 101 110 111"},
    {17, "000 010 011 100 110"},
    {18, "000 001 011 100 101"},
    {19, "000 001 010 011 110"},
    {20, "010 101 110 111"},
    {21, "000 100 101 111"},
    {22, "011 100 110 111"},
    {23, "001 010 011 110"},
    {24, "000 100 110 111"},
    {25, "001 010 011 100 101 110 111"},
    {26, "000 001 010 011 101 110 111"},
    {27, "000 001 011 100 101 110 111"},
    {28, "000 010 011 100 101 110 111"},
    {29, "000 001 010 011 100 101 111"},
    {30, "000 001 010 011 100 110 111"},
    {31, "101 110 111"},
    {0, "001 101 111"},
    {32, "001 101 111"},
    {33, "001 101 111"},
};

// Every entry's printed text, read back, is true exactly on its tabulated rows, the routine's
// value agrees at every row, the text is written once (on request only), and the formula is a
// minimal DNF of its function.
TEST(ThreeVariableFormulas, EveryEntryMatchesItsTableAndIsMinimal) {
  for (const Entry& e : kCatalogue) {
    auto s = testing_support::NewState();
    std::vector<int> values;
    for (int row = 0; row < 8; ++row) {
      values.push_back(
          logic::EvaluateThreeVariableFormula(*s, e.index, row >> 2 & 1, row >> 1 & 1, row & 1,
                                              row == 0 ? toolkit::WriteText : nullptr));
    }
    const std::string text = testing_support::MainText(*s);
    const auto expected = VectorOfTrueRows(e.true_rows);
    EXPECT_EQ(values, expected) << e.index;
    const auto f = ParseLogicFormula(text);
    EXPECT_EQ(LogicTruthVector(f, "xyz"), expected) << e.index << " " << text;
    int literals = 0;
    EXPECT_TRUE(IsLogicDnf(f, &literals)) << text;
    EXPECT_EQ(literals, MinimalDnfLiteralCount(expected, 3)) << e.index << " " << text;
  }
}

TEST(ThreeVariableFormulas, TextsFollowTheLetterRules) {
  const std::pair<int, const char*> cases[] = {
      {1, "\\bar x\\bar y\\vee xz"}, {25, "x\\vee y\\vee z"},  {4, "zy\\vee x"},
      {0, "xz\\vee \\bar yz"},       {40, "xz\\vee \\bar yz"}, {31, "xz\\vee xy"}};
  for (const auto& [index, text] : cases) {
    auto s = testing_support::NewState();
    logic::EvaluateThreeVariableFormula(*s, index, 0, 0, 0, toolkit::AnsWrite);
    EXPECT_EQ(testing_support::AnsText(*s), text) << index;
    EXPECT_EQ(testing_support::MainText(*s), "") << index;
  }
}

constexpr int kFormulaRow = 1;
constexpr int kCircuitRow = 2;

TEST(ThreeVariableDnf, BeginWritesStatementAndOpensTheTable) {
  for (int row : {kFormulaRow, kCircuitRow}) {
    const auto out = RunLogicVariant(row, {2, 1, 1, 1, 1, 1, 1});
    const char* statement =
        row == 1 ? "Упростить совершенную дизъюнктивную нормальную форму.\\\\\\noindent"
                 : "Упростить переключательную схему ($x$ - включено, $\\bar x$ - "
                   "выключено).\\\\\\noindent";
    EXPECT_EQ(out.main.rfind(statement, 0), 0u) << out.main;
    EXPECT_EQ(out.answers.rfind("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|}"
                                "\\hline \r\n",
                                0),
              0u)
        << out.answers;
  }
}

TEST(ThreeVariableDnf, GoldenLines) {
  // P1 = 2: the answers row of both modes; P1 = 31 as a formula.
  for (int row : {kFormulaRow, kCircuitRow}) {
    const auto out = RunLogicVariant(row, {2, 1, 1, 1, 1, 1, 1}, 1, 7);
    EXPECT_EQ(logic_check::AnswersRow(out.answers),
              "7& $xy\\vee z $ &  0, 1, 0, 1, 0, 1, 1, 1  \\\\")
        << row;
  }
  const auto sdnf = RunLogicVariant(kFormulaRow, {31, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(sdnf.main,
            "Упростить совершенную дизъюнктивную нормальную форму.\\\\\\noindent"
            "\\vskip2mm $$x\\bar yz\\vee xy\\bar z\\vee xyz $$ \\vskip2mm ");
}

// P1 = 31 has three true rows: the chains sit at heights 0, 40 and 80.
TEST(ThreeVariableDnf, CircuitOfThreeChains) {
  const auto out = RunLogicVariant(kCircuitRow, {31, 1, 1, 1, 1, 1, 1});
  const std::string picture = Between(out.main, "\\begin{picture}", "\\end{picture}");
  std::set<std::string> heights;
  static const std::regex kCircle(R"(\\put\(\d+,(-?[\d.]+)\)\{\\circle\{ 3\}\})");
  for (auto it = std::sregex_iterator(picture.begin(), picture.end(), kCircle);
       it != std::sregex_iterator(); ++it) {
    heights.insert((*it)[1]);
  }
  EXPECT_EQ(heights, (std::set<std::string>{"0", "40", "80"})) << picture;
  EXPECT_NE(picture.find("(200,115)(-20,-10)%"), std::string::npos) << picture;
  // The drives of x, y and z span the chains with 10 to spare.
  EXPECT_NE(picture.find("\\mt{50}{-10}\\pp{50}{90}}"), std::string::npos) << picture;
  EXPECT_NE(picture.find("\\put(48,94){$x$}"), std::string::npos) << picture;
}

/// The function drawn by a circuit, read back from the picture: the chains' heights from the
/// terminals, then each variable's contacts in its colour group (closed at chain height + 2,
/// open at - 6); a chain conducts when all three of its contacts are in the state of the row.
std::vector<int> CircuitFunction(const std::string& main, std::string* why) {
  const std::string picture = Between(main, "\\begin{picture}", "\\end{picture}");
  std::set<double> heights;
  static const std::regex kCircle(R"(\\put\((-?[\d.]+),(-?[\d.]+)\)\{\\circle\{ 3\}\})");
  int circles = 0;
  for (auto it = std::sregex_iterator(picture.begin(), picture.end(), kCircle);
       it != std::sregex_iterator(); ++it) {
    heights.insert(std::stod((*it)[2]));
    ++circles;
  }
  const std::vector<double> chain(heights.begin(), heights.end());
  if (circles != 6 * static_cast<int>(chain.size())) *why += "terminal count; ";
  // contact[j][k]: 1 closed, 0 open, -1 missing.
  std::vector<std::array<int, 3>> contact(chain.size(), {-1, -1, -1});
  const char* colours[] = {"\\OliveGreen{", "\\Blue{", "\\Orange{"};
  static const std::regex kSegment(
      R"(\\mt\{(-?[\d.]+)\}\{(-?[\d.]+)\}\\pp\{(-?[\d.]+)\}\{(-?[\d.]+)\})");
  for (int k = 0; k < 3; ++k) {
    // A colour group runs to the next colour, the last one to the letters under the drives.
    const std::size_t from = picture.find(colours[k]);
    const std::size_t to = picture.find(k < 2 ? colours[k + 1] : "\\put(", from + 1);
    if (from == std::string::npos || to == std::string::npos) {
      *why += "colour group; ";
      continue;
    }
    const std::string body = picture.substr(from, to - from);
    for (auto it = std::sregex_iterator(body.begin(), body.end(), kSegment);
         it != std::sregex_iterator(); ++it) {
      const double x1 = std::stod((*it)[1]), y1 = std::stod((*it)[2]);
      const double x2 = std::stod((*it)[3]), y2 = std::stod((*it)[4]);
      if (y1 != y2) continue;  // the drive
      if (x2 - x1 != 20 || x1 != 40 * (k + 1)) *why += "contact span; ";
      for (std::size_t j = 0; j < chain.size(); ++j) {
        // Printed coordinates carry two decimals.
        if (std::fabs(y1 - (chain[j] + 2)) < 0.02) contact[j][static_cast<std::size_t>(k)] = 1;
        if (std::fabs(y1 - (chain[j] - 6)) < 0.02) contact[j][static_cast<std::size_t>(k)] = 0;
      }
    }
  }
  std::vector<int> f(8, 0);
  for (const auto& c : contact) {
    if (c[0] < 0 || c[1] < 0 || c[2] < 0) *why += "contact missing; ";
    f[static_cast<std::size_t>(c[0] * 4 + c[1] * 2 + c[2])] = 1;
  }
  return f;
}

// Every P1 and Level, both modes: the answer formula is a minimal DNF equivalent to the printed
// perfect DNF (mode 1) or to the drawn circuit (mode 2), and the answers vector is its truth
// vector.
TEST(ThreeVariableDnf, AnswerMatchesTheDataForEveryParameter) {
  int count = 0;
  for (int row : {kFormulaRow, kCircuitRow}) {
    for (int p1 = 1; p1 <= 32; ++p1) {
      for (int level : logic_check::LevelsFor(count++)) {
        const auto out = RunLogicVariant(row, {p1, 1, 1, 1, 1, 1, 1}, level);
        const std::string where = "row " + std::to_string(row) + " P1 " + std::to_string(p1);
        const auto cells = Cells(logic_check::AnswersRow(out.answers));
        ASSERT_EQ(cells.size(), 3u) << where << out.answers;
        EXPECT_EQ(cells[0], "1") << where;
        const auto answer = ParseLogicFormula(Between(cells[1], "$", "$"));
        const auto f = LogicTruthVector(answer, "xyz");
        int literals = 0;
        EXPECT_TRUE(IsLogicDnf(answer, &literals)) << where;
        EXPECT_EQ(literals, MinimalDnfLiteralCount(f, 3)) << where;
        EXPECT_EQ(Digits(cells[2]), f) << where;
        if (row == kFormulaRow) {
          const std::string sdnf = Between(out.main, "$$", "$$");
          const auto data = ParseLogicFormula(sdnf);
          EXPECT_EQ(LogicTruthVector(data, "xyz"), f) << where << sdnf;
          // A perfect DNF: one product of all three letters per true row.
          int data_literals = 0;
          EXPECT_TRUE(IsLogicDnf(data, &data_literals)) << where;
          EXPECT_EQ(data_literals, 3 * static_cast<int>(std::count(f.begin(), f.end(), 1)))
              << where;
        } else {
          std::string why;
          EXPECT_EQ(CircuitFunction(out.main, &why), f) << where << out.main;
          EXPECT_EQ(why, "") << where;
        }
      }
    }
  }
}

}  // namespace
