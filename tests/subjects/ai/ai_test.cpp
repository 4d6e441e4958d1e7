#include "subjects/ai/ai.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"

namespace ai {
namespace {

TEST(AiTablesTest, TitlesAndBoundsOfEveryRow) {
  struct Row {
    const char* title;
    int bounds[7];
  };
  const Row rows[kAiProblemCount] = {
      {"Условие стабильности процесса       ", {11, 2, 5, 5, 5, 5, 5}},
      {"Условие стабильности процесса на плоскости", {6, 5, 5, 5, 5, 5, 5}},
      {"Упругий эквивалент                  ", {5, 5, 3, 3, 3, 33, 32}},
      {"Рекурсия", {30, 5, 5, 5, 5, 5, 32}},
      {"Нестабильность дифф. уравнения в частных производных", {8, 5, 3, 3, 5, 5, 5}},
      {"Двухслойный персептрон", {3, 5, 5, 5, 5, 5, 5}},
      {"Алгоритм обратного распространения ошибок", {3, 5, 5, 5, 5, 5, 5}},
      {"Гетероассоциативная память", {11, 10, 10, 10, 10, 10, 10}},
      {"Сеть Кохонена", {11, 10, 10, 10, 10, 10, 10}},
      {"Нечеткие множества", {9, 9, 9, 9, 9, 9, 9}},
      {"Сеть Хопфилда", {15, 4, 4, 4, 4, 4, 4}},
      {"Муравьиный алгоритм", {32, 32, 32, 32, 60, 60, 60}},
      {"Алгоритм отжига", {32, 32, 32, 32, 79, 79, 79}},
      {"Генетический алгоритм", {7, 7, 3, 3, 8, 253, 253}},
      {"Размещение вершин графа на линейке", {20, 20, 20, 20, 20, 20, 20}},
      {"Сеть Кохонена (2)", {64, 64, 64, 64, 64, 64, 64}},
      {"Функция принадлежности нечетких множеств", {64, 64, 10, 10, 10, 10, 10}},
      {"Сеть Хэмминга", {64, 64, 10, 10, 10, 10, 10}},
      {"Композиционное правило нечеткого вывода Заде", {32, 32, 32, 32, 32, 32, 32}},
  };
  for (int r = 1; r <= kAiProblemCount; ++r) {
    EXPECT_EQ(AiTitles[r], rows[r - 1].title) << r;
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(AiRanges[r][p], rows[r - 1].bounds[p - 1]) << r;
  }
  // Rows 1 and 3 keep their blanks: 36 characters each.
  EXPECT_EQ(AiTitles[1].size(), std::string("Условие стабильности процесса").size() + 7);
  EXPECT_EQ(AiTitles[3].size(), std::string("Упругий эквивалент").size() + 18);

  const int spare_row[7] = {1, 1, 1, 1, 1, 33, 32};
  for (int r = 20; r <= 31; ++r) {
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(AiRanges[r][p], spare_row[p - 1]) << r;
  }
  for (int r = 32; r <= 40; ++r) {
    const int bound = r == 32 || r == 34 ? 3 : 1;
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(AiRanges[r][p], bound) << r;
  }
}

TEST(AiTablesTest, TheShellListsTheTabAsSubjectEight) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 8), kAiProblemCount);
  EXPECT_EQ(shell::ProblemTitle(table, 8, 18), "Сеть Хэмминга");
  EXPECT_EQ(shell::FindSubject(table, 8)->Letter, "b");
  EXPECT_EQ(shell::FindSubject(table, 8)->Tab, &AiTab);
}

TEST(AiDispatchTest, RowsOutsideTheListWriteNothingAndChangeNothing) {
  for (int problem : {0, 20, 40, 255, -1}) {
    auto s = std::make_unique<SharedState>();
    testing_support::OpenMemoryFiles(*s);
    s->Level = 5;
    s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
    s->VariantIndex = 1;
    s->FirstNumber = 1;
    BeginAiProblem(*s, problem);
    WriteAiVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
    EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
    EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
    EXPECT_EQ(s->ParboxWidth, 0) << problem;
    EXPECT_FALSE(s->AnsTableOpen) << problem;
  }
}

}  // namespace
}  // namespace ai
