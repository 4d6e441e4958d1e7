#include "toolkit/answers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

using testing_support::Ans2Text;
using testing_support::AnsText;
using testing_support::MainText;

class AnswersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::OpenMemoryFiles(r);
    r.FirstNumber = 1;
    r.VariantIndex = 1;
  }
  void UseStudents() {
    r.StudentsMode = true;
    r.StudentNames[1] = "Группа 101";
    r.StudentNames[2] = "Алексеев";
    r.StudentNames[3] = "Борисова";
  }
  toolkit::Run r;
};

TEST_F(AnswersTest, TableOpenersCountColumnsModulo256) {
  AnsBeginTable(r, 3);
  EXPECT_EQ(AnsText(r), "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n");
  EXPECT_TRUE(r.AnsTableOpen);

  Ans2BeginTable(r, 257);  // a byte: 257 is 1, and the second file adds one column
  EXPECT_EQ(Ans2Text(r), "\\noindent\\begin{center}\\begin{tabular}{|r|r|}\\hline \r\n");
  EXPECT_TRUE(r.Ans2TableOpen);
}

// The variant-number column is headed "\\No" when the head row leaves its first cell blank,
// however the cell is written; a cell that names itself, a data row and a table of one
// variant's answers are left as they come.
TEST(AnswersHead, ABlankFirstHeadCellGetsTheNumberSign) {
  struct Case {
    std::vector<std::string> writes;  // the head as the row writes it, piece by piece
    const char* head;                 // what the file holds after the table's opening
  };
  const Case cases[] = {
      {{"   & lim  ", " \\\\\\hline "}, "   \\No& lim   \\\\\\hline "},
      {{"\\ru ", "", "& $x$"}, "\\ru \\No& $x$"},
      {{"\\rule[-4pt]{0pt}{10pt}{\\small ", "}&a"}, "\\rule[-4pt]{0pt}{10pt}{\\small }\\No&a"},
      {{"  \\\\\\hline"}, "  \\No\\\\\\hline"},
      {{"\\No\\ru & a"}, "\\No\\ru & a"},
      {{"\\#\\ru & a"}, "\\#\\ru & a"},
      {{"{a&b} & c & d"}, "{a&b} & c & d"},
      {{"1& 12"}, "1& 12"},
      {{" ", "&a", " & b"}, " \\No&a & b"},
  };
  for (const Case& c : cases) {
    toolkit::Run r;
    testing_support::OpenMemoryFiles(r);
    AnsBeginTable(r, 2);
    Ans2BeginTable(r, 2);
    for (const std::string& w : c.writes) {
      AnsWrite(r, w);
      Ans2Write(r, w);
    }
    AnsWrite(r, " & later");  // past the first cell nothing more is added
    const std::string opening = "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n";
    EXPECT_EQ(AnsText(r), opening + c.head + " & later") << c.head;
    EXPECT_EQ(Ans2Text(r).substr(Ans2Text(r).find("\r\n") + 2), c.head) << c.head;
  }
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  r.FirstNumber = 1;
  r.VariantIndex = 1;
  AnsBeginVariant(r);
  r.AnsTableOpen = true;  // as a variant that writes its own rows into that table
  AnsWrite(r, "& a");
  EXPECT_TRUE(AnsText(r).ends_with("\\hline \r\n& a")) << AnsText(r);
}

TEST_F(AnswersTest, HeadEndClosesOpenTablesAndCites) {
  r.AnsTableOpen = true;
  r.Ans2TableOpen = true;
  EndTableHeadWithReference(r, 123);
  EXPECT_EQ(AnsText(r), " \\\\\\hline \r\n");
  EXPECT_EQ(Ans2Text(r), " \\\\\\hline \r\n");
  const std::string main = MainText(r);
  EXPECT_EQ(main.rfind("\\vskip1pt{\\small\\par\\noindent{\\it ", 0), 0u) << main;
  EXPECT_TRUE(main.ends_with(" \\Red{(с.123.)}\\\\\\noindent\r\n")) << main;
  EXPECT_EQ(main.find("\r\n"), main.size() - 2) << "one line";
}

TEST_F(AnswersTest, HeadEndInStudentsModeAddsTheNamesCell) {
  UseStudents();
  r.AnsTableOpen = true;
  r.TicketMode = true;
  EndTableHeadWithReference(r, 5);
  EXPECT_EQ(AnsText(r), " &  \\\\\\hline \r\n");
  EXPECT_EQ(Ans2Text(r), "");
  EXPECT_EQ(MainText(r), "");
}

TEST_F(AnswersTest, RowEnderDependsOnStudentsMode) {
  AnsEndTableRow(r);
  r.StudentsMode = true;
  AnsEndTableRow(r);
  EXPECT_EQ(AnsText(r), "  \\\\\\hline \r\n & \\\\\\hline \r\n");
}

TEST_F(AnswersTest, VariantHeadingsNumberFromFirstNumber) {
  r.FirstNumber = 5;
  r.VariantIndex = 2;
  AnsBeginVariant(r);
  AnsBeginVariantBox(r, 200);
  EXPECT_EQ(AnsText(r),
            "\\vskip2mm 6. \\par\r\n"
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "\\noindent\\fbox{\\parbox{380pt}{{\\bf 6.} \\\\ ");
  EXPECT_FALSE(r.AnsTableOpen);
}

TEST_F(AnswersTest, StudentsHeadingsNameTheStudentNotTheGroup) {
  UseStudents();
  AnsBeginVariant(r);
  AnsBeginVariantBox(r, 150);
  EXPECT_EQ(AnsText(r),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "{\\bf 1} & Алексеев\\\\\\hline \r\n"
            "\\noindent\\fbox{\\parbox{150pt}{{\\bf 1.}\\hfill Алексеев \\\\ ");
  EXPECT_FALSE(r.AnsTableOpen);

  toolkit::Run second;
  testing_support::OpenMemoryFiles(second);
  second.StudentsMode = true;
  second.StudentNames = r.StudentNames;
  second.FirstNumber = 5;
  second.VariantIndex = 2;
  AnsBeginVariantBox(second, 150);
  EXPECT_EQ(AnsText(second), "\\noindent\\fbox{\\parbox{150pt}{{\\bf 6.}\\hfill Борисова \\\\ ");
}

TEST_F(AnswersTest, StudentsHeadingBeyondTheListThrows) {
  UseStudents();
  r.VariantIndex = 40;
  EXPECT_THROW(AnsBeginVariantBox(r, 100), IndexRangeError);
}

TEST_F(AnswersTest, BookReferencesKeepTheirFrames) {
  WriteBookReference(r, 45);
  WriteSecondBookReference(r, 7);
  const std::string main = MainText(r);
  const auto first_end = main.find("\r\n");
  const std::string first = main.substr(0, first_end);
  const std::string second = main.substr(first_end + 2);
  EXPECT_EQ(first.rfind("\\vskip1mm{\\small\\par\\noindent{\\it ", 0), 0u);
  EXPECT_TRUE(first.ends_with(" \\Red{(p.45.)}\\par\\noindent")) << first;
  EXPECT_EQ(second.rfind("\\vskip1mm{\\small\\par\\noindent{\\it ", 0), 0u);
  EXPECT_TRUE(second.ends_with(" \\Red{(с.7)}\\par\\noindent\r\n")) << second;
  // Each citation closes every group it opens.
  for (const std::string& line : {first, second}) {
    int depth = 0;
    for (char c : line) depth += c == '{' ? 1 : c == '}' ? -1 : 0;
    EXPECT_EQ(depth, 0) << line;
  }
}

TEST_F(AnswersTest, TicketModeSilencesReferencesAndNotes) {
  r.TicketMode = true;
  WriteBookReference(r, 1);
  EndTableHeadWithReference(r, 2);
  WriteSmallNoteLine(r, "note");
  WriteUnlessTicketMode(r, "text");
  EXPECT_EQ(MainText(r), "");
  WriteSecondBookReference(r, 3);
  EXPECT_TRUE(MainText(r).ends_with(" \\Red{(с.3)}\\par\\noindent\r\n"));

  toolkit::Run plain;
  testing_support::OpenMemoryFiles(plain);
  WriteSmallNoteLine(plain, " note");
  WriteUnlessTicketMode(plain, "text");
  EXPECT_EQ(MainText(plain), "{\\small note}\r\ntext");
}

}  // namespace
}  // namespace toolkit
