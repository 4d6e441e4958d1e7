#include "subjects/logic/logic.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"

namespace logic {
namespace {

TEST(LogicTablesTest, TitlesAndBoundsOfEveryRow) {
  struct Row {
    const char* title;
    int bounds[7];
  };
  const Row rows[kLogicProblemCount] = {
      {"Упрощение совершенной дизъюнктивной нормальной формы", {32, 1, 1, 1, 1, 1, 1}},
      {"Упрощение переключательных схем", {32, 1, 1, 1, 1, 1, 1}},
      {"Упрощение выражений", {32, 3, 20, 10, 10, 33, 32}},
      {"Полином Жегалкина", {41, 10, 10, 10, 10, 33, 32}},
      {"СДНФ", {4, 4, 6, 5, 6, 33, 32}},
      {"Упрощение СДНФ (4 переменные)", {25, 4, 4, 4, 4, 33, 32}},
      {"Упрощение логической функции. Карты Карно", {25, 4, 4, 4, 4, 33, 32}},
  };
  for (int r = 1; r <= kLogicProblemCount; ++r) {
    EXPECT_EQ(LogicTitles[r], rows[r - 1].title) << r;
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(LogicRanges[r][p], rows[r - 1].bounds[p - 1]) << r;
  }
  for (int r = kLogicProblemCount + 1; r <= 40; ++r) {
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(LogicRanges[r][p], 1) << r;
  }
}

TEST(LogicTablesTest, TheShellListsTheTabAsSubjectNine) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 9), kLogicProblemCount);
  EXPECT_EQ(shell::ProblemTitle(table, 9, 4), "Полином Жегалкина");
  EXPECT_EQ(shell::FindSubject(table, 9)->Letter, "L");
  EXPECT_EQ(shell::FindSubject(table, 9)->Tab, &LogicTab);
}

TEST(LogicDispatchTest, RowsOutsideTheListWriteNothingAndChangeNothing) {
  for (int problem : {0, 8, 40, 255, -1}) {
    auto s = std::make_unique<SharedState>();
    testing_support::OpenMemoryFiles(*s);
    s->Level = 5;
    s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
    s->VariantIndex = 1;
    s->FirstNumber = 1;
    BeginLogicProblem(*s, problem);
    WriteLogicVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
    EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
    EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
    EXPECT_EQ(s->ParboxWidth, 0) << problem;
    EXPECT_FALSE(s->AnsTableOpen) << problem;
  }
}

}  // namespace
}  // namespace logic
