#include "shell/colloquium.h"

#include "shell/list_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace {

using Groups = std::vector<std::vector<std::string>>;
using testing_support::FakePlatform;
using testing_support::ReadBytes;
using testing_support::TempDir;

TEST(ColloquiumTest, ParsesGroupsBetweenSeparators) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    Groups groups;
  };
  const Case cases[] = {
      {"two groups", {"a", "b", "###", "c", "***"}, {{"a", "b"}, {"c"}}},
      {"lines after the end ignored", {"a", "***", "b", "###", "c"}, {{"a"}}},
      {"no end line", {"a", "###", "b"}, {{"a"}, {"b"}}},
      {"leading separator: no empty group", {"###", "c", "***"}, {{"c"}}},
      {"two separators in a row", {"a", "###", "###", "b"}, {{"a"}, {"b"}}},
      {"separator before the end", {"a", "###", "***"}, {{"a"}}},
      {"blank lines are no questions", {"a", "", "  ", "###", "b", ""}, {{"a"}, {"b"}}},
      {"nothing", {}, {}},
  };
  for (const Case& c : cases) {
    SharedState s;
    shell::ParseColloquiumList(s, c.lines);
    EXPECT_EQ(s.ColloquiumQuestions, c.groups) << c.name;
    EXPECT_EQ(s.ColloquiumGroupCount, static_cast<int>(c.groups.size())) << c.name;
    ASSERT_EQ(s.ColloquiumGroupSizes.size(), c.groups.size()) << c.name;
    for (std::size_t g = 0; g < c.groups.size(); ++g) {
      EXPECT_EQ(s.ColloquiumGroupSizes[g], static_cast<int>(c.groups[g].size())) << c.name;
    }
  }
}

TEST(ColloquiumTest, HasNoLimitOnGroupsOrQuestions) {
  std::vector<std::string> lines;
  for (int g = 1; g <= 25; ++g) {
    for (int q = 1; q <= 30; ++q) lines.push_back(std::to_string(g) + "." + std::to_string(q));
    lines.push_back("###");
  }
  SharedState s;
  shell::ParseColloquiumList(s, lines);
  ASSERT_EQ(s.ColloquiumGroupCount, 25);
  EXPECT_EQ(s.ColloquiumGroupSizes[24], 30);
  EXPECT_EQ(s.ColloquiumQuestions[24][29], "25.30");
}

class ColloquiumRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s->Level = 1;
    shell::ParseColloquiumList(*s, {"Что такое предел?", "Define a derivative.", "Ряд Тейлора",
                                    "###", "Only question", "***"});
  }
  std::string Document() const { return toolkit::Cp1251ToUtf8(ReadBytes(dir.path() / "vprA.tex")); }

  TempDir dir;
  FakePlatform platform;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
};

TEST_F(ColloquiumRunTest, WritesOneBoxedSetPerSetNumberWithAQuestionOfEachGroup) {
  s->SetNumber = 2;
  shell::WriteColloquiumSets(*s, platform, dir.path());
  EXPECT_EQ(s->TextHeight, 700);
  EXPECT_EQ(platform.random_requests, (std::vector<int>{3, 1, 3, 1}));

  // The draws of the fake platform's fixed seed.
  FakePlatform draws;
  const int first = draws.RandomInt(3);
  draws.RandomInt(1);
  const int second = draws.RandomInt(3);
  const std::string group1[] = {"Что такое предел?", "Define a derivative.", "Ряд Тейлора"};

  const std::string doc = Document();
  EXPECT_NE(doc.find("\\textheight700pt\\textwidth500pt"), std::string::npos);
  const std::string head = "\\setcounter{zdch}{0}\r\n";
  ASSERT_NE(doc.find(head), std::string::npos) << doc;
  EXPECT_EQ(doc.substr(doc.find(head) + head.size()),
            "\\newcounter{vrnt}\\setcounter{vrnt}{2}"
            "\\newcommand{\\vrn}{\\refstepcounter{vrnt}\\arabic{vrnt}}"
            "\\newcounter{wrnt}\\setcounter{wrnt}{2}"
            "\\newcommand{\\wrn}{\\refstepcounter{wrnt}\\arabic{wrnt}}"
            "\\newcounter{urnt}\\setcounter{urnt}{2}"
            "\\newcommand{\\urn}{\\refstepcounter{urnt}\\arabic{urnt}}"
            "\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{{\\bf Set 1}\\par \\begin{enumerate}\\itemsep=-9pt\r\n"
            "\\item " +
                group1[first] +
                "\r\n"
                "\\item Only question\r\n"
                "\\end{enumerate}}}\\vskip4mm \r\n"
                "\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{{\\bf Set 2}\\par \\begin{enumerate}\\itemsep=-9pt\r\n"
                "\\item " +
                group1[second] +
                "\r\n"
                "\\item Only question\r\n"
                "\\end{enumerate}}}\\vskip4mm \r\n"
                "\\end{document}");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "otv"));
}

TEST_F(ColloquiumRunTest, SetNumberAbove255IsTakenWhole) {
  s->SetNumber = 300;
  shell::WriteColloquiumSets(*s, platform, dir.path());
  const std::string doc = Document();
  EXPECT_NE(doc.find("{\\bf Set 300}"), std::string::npos);
  EXPECT_EQ(doc.find("{\\bf Set 301}"), std::string::npos);
}

TEST_F(ColloquiumRunTest, EmptyListIsRefusedBeforeTheDocumentIsCreated) {
  shell::ParseColloquiumList(*s, {"###", "***"});
  s->SetNumber = 1;
  EXPECT_THROW(shell::WriteColloquiumSets(*s, platform, dir.path()), shell::ListDataError);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "vprA.tex"));
}

}  // namespace
