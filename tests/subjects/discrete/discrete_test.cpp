#include "subjects/discrete/discrete.h"

#include <gtest/gtest.h>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"

namespace {

using testing_support::AnsText;
using testing_support::MainText;
using testing_support::OpenMemoryFiles;

TEST(DiscreteDispatch, ProblemNumbersOutsideTheListWriteNothing) {
  for (int problem : {0, 39, 40, 255}) {
    auto s = std::make_unique<SharedState>();
    OpenMemoryFiles(*s);
    s->Level = 3;
    s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
    s->VariantIndex = 1;
    s->FirstNumber = 1;
    discrete::BeginDiscreteProblem(*s, problem);
    discrete::WriteDiscreteVariant(*s, problem);
    EXPECT_EQ(MainText(*s), "") << problem;
    EXPECT_EQ(AnsText(*s), "") << problem;
    EXPECT_FALSE(s->AnsTableOpen) << problem;
  }
}

TEST(DiscreteTables, TitlesAreStoredAsListedBlanksIncluded) {
  EXPECT_EQ(discrete::DiscreteTitles[1], "Транзитивное замыкание              ");
  EXPECT_EQ(discrete::DiscreteTitles[2], "Дискретная математика. Минимальный остов");
  EXPECT_EQ(discrete::DiscreteTitles[5], "Радиус и диаметр графа                ");
  EXPECT_EQ(discrete::DiscreteTitles[8], "Дерево. Десятичная кодировка.         ");
  EXPECT_EQ(discrete::DiscreteTitles[11], "Раскодировка Прюфера                  ");
  EXPECT_EQ(discrete::DiscreteTitles[22], "Центроид дерева (n=16)");
  EXPECT_EQ(discrete::DiscreteTitles[38], "Число инверсий");
  // Rows 1 and 4..11 are padded with blanks.
  for (int i = 4; i <= 11; ++i) {
    EXPECT_EQ(discrete::DiscreteTitles[i].back(), ' ') << i;
  }
}

TEST(DiscreteTables, RangesOfRepresentativeRows) {
  struct Row {
    int row;
    std::uint8_t bounds[7];
  };
  const Row rows[] = {
      {1, {16, 16, 16, 16, 16, 16, 16}}, {4, {4, 10, 15, 15, 15, 33, 32}},
      {5, {10, 10, 10, 10, 10, 33, 32}}, {8, {64, 4, 5, 5, 5, 33, 32}},
      {11, {16, 4, 5, 5, 5, 33, 32}},    {22, {16, 3, 4, 4, 4, 33, 32}},
      {26, {9, 4, 5, 5, 5, 2, 3}},       {28, {6, 7, 7, 7, 7, 7, 7}},
      {37, {4, 3, 2, 2, 2, 2, 4}},       {38, {6, 6, 6, 6, 6, 6, 5}},
      {39, {1, 1, 1, 1, 1, 1, 1}},       {40, {1, 1, 1, 1, 1, 1, 1}},
  };
  for (const Row& r : rows) {
    for (int p = 1; p <= 7; ++p) {
      EXPECT_EQ(discrete::DiscreteRanges[r.row][p], r.bounds[p - 1]) << r.row << " P" << p;
    }
  }
  EXPECT_EQ(discrete::DiscreteRanges[19], discrete::DiscreteRanges[20]);
}

TEST(DiscreteDispatch, ShellTableReachesTheDiscreteRows) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 4), 38);
  EXPECT_EQ(shell::ProblemTitle(table, 4, 31), "Реберный граф");
  EXPECT_EQ(shell::FindSubject(table, 4)->Tab, &discrete::DiscreteTab);
  EXPECT_EQ(shell::FindSubject(table, 4)->Letter, "c");
}

}  // namespace
