#include "shell/tickets.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "shell/list_files.h"
#include "shell/start.h"
#include "shell/tiny_subject.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace {

using testing_support::FakePlatform;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// A line of question numbers as a ticket question file holds them.
std::string NumberLine(const std::vector<int>& numbers, int width) {
  std::string line;
  for (int n : numbers) {
    std::string f = std::to_string(n);
    line += std::string(static_cast<std::size_t>(width) - f.size(), ' ') + f;
  }
  return line;
}

std::vector<int> Numbers(const std::string& line) {
  std::vector<int> out;
  for (std::size_t pos = 0; pos < line.size(); pos += 3)
    out.push_back(std::stoi(line.substr(pos, 3)));
  return out;
}

class TicketsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s->QuestionCount1 = 25;
    s->QuestionCount2 = 30;
    s->QuestionSetNumber = 0;
    for (int i = 1; i <= 50; ++i) {
      s->QuestionList1[i] = "Вопрос " + std::to_string(i);
      s->QuestionList2[i] = "Question " + std::to_string(i);
    }
  }
  std::filesystem::path TicketFile() const { return dir.path() / "dat" / "b_25_30.0"; }

  TempDir dir;
  FakePlatform platform;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
};

TEST_F(TicketsTest, NewFileHolds40DrawsPerListAndIsReadBack) {
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  EXPECT_EQ(s->TicketFileName, TicketFile().string());

  const auto lines = shell::SplitTextFileLines(ReadBytes(TicketFile()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 120u);
  EXPECT_EQ(lines[1].size(), 120u);
  EXPECT_EQ(lines[2], "25.12.2010.");
  EXPECT_EQ(s->TicketDate, "25.12.2010.");
  const auto list1 = Numbers(lines[0]);
  const auto list2 = Numbers(lines[1]);
  for (int t = 1; t <= 40; ++t) {
    EXPECT_EQ(s->TicketQuestions1[t], list1[static_cast<std::size_t>(t - 1)]);
    EXPECT_EQ(s->TicketQuestions2[t], list2[static_cast<std::size_t>(t - 1)]);
    EXPECT_TRUE(list1[static_cast<std::size_t>(t - 1)] >= 1 &&
                list1[static_cast<std::size_t>(t - 1)] <= 25);
    EXPECT_TRUE(list2[static_cast<std::size_t>(t - 1)] >= 1 &&
                list2[static_cast<std::size_t>(t - 1)] <= 30);
  }
  // Row 1 is drawn whole before row 2.
  ASSERT_EQ(platform.random_requests.size(), 80u);
  EXPECT_EQ(platform.random_requests[39], 25);
  EXPECT_EQ(platform.random_requests[40], 30);

  // Other counts name another file; the old counts find the old file again, unchanged.
  s->QuestionCount1 = 24;
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "dat" / "b_24_30.0"));
  s->QuestionCount1 = 25;
  platform.random_requests.clear();
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  EXPECT_TRUE(platform.random_requests.empty());
  EXPECT_EQ(s->TicketQuestions1[40], list1[39]);
}

TEST_F(TicketsTest, SaveRewritesNumbersInFieldsOfFourAndTheDate) {
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  for (int t = 1; t <= 40; ++t) {
    s->TicketQuestions1[t] = t % 25 + 1;
    s->TicketQuestions2[t] = 30 - t % 30;
  }
  s->TicketDate = "12 января 2027";
  ASSERT_TRUE(shell::SaveQuestionIndexFile(*s, platform));

  std::vector<int> l1, l2;
  for (int t = 1; t <= 40; ++t) {
    l1.push_back(t % 25 + 1);
    l2.push_back(30 - t % 30);
  }
  EXPECT_EQ(ReadBytes(TicketFile()), NumberLine(l1, 4) + "\r\n" + NumberLine(l2, 4) + "\r\n" +
                                         toolkit::Utf8ToCp1251("12 января 2027") + "\r\n");

  SharedState back;
  back.QuestionCount1 = 25;
  back.QuestionCount2 = 30;
  ASSERT_TRUE(shell::LoadTicketQuestions(back, platform, dir.path()));
  EXPECT_EQ(back.TicketQuestions1, s->TicketQuestions1);
  EXPECT_EQ(back.TicketQuestions2, s->TicketQuestions2);
  EXPECT_EQ(back.TicketDate, "12 января 2027");
}

TEST_F(TicketsTest, FileThatCannotServeTheRunIsRefusedBeforeAnythingIsWritten) {
  std::filesystem::create_directories(dir.path() / "dat");
  const std::vector<int> old32(32, 3);
  WriteBytes(TicketFile(),
             NumberLine(old32, 3) + "\r\n" + NumberLine(old32, 3) + "\r\n01.02.2003\r\n");
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  EXPECT_EQ(s->TicketQuestions1[32], 3);
  EXPECT_EQ(s->TicketQuestions1[33], 0);
  EXPECT_EQ(s->TicketDate, "01.02.2003");

  struct Case {
    const char* name;
    int count;
    int question1_of_ticket2;
    int question_count2;
    const char* message_part;
  };
  const Case cases[] = {
      {"tickets beyond an old file", 33, 3, 30, "no question of list 1 for ticket 33"},
      {"number above its list", 2, 26, 30, "gives ticket 2 question 26 of list 1, which has 25"},
      {"negative number", 2, -4, 30, "question -4 of list 1"},
      {"empty second list", 2, 3, 0, "list of questions 2 is empty"},
  };
  // The run reads the file of the current lists itself: each case puts its file in place.
  for (const Case& c : cases) {
    std::vector<int> list1 = old32;
    list1[1] = c.question1_of_ticket2;
    s->QuestionCount2 = c.question_count2;
    WriteBytes(TicketFile(),
               NumberLine(list1, 3) + "\r\n" + NumberLine(old32, 3) + "\r\n01.02.2003\r\n");
    try {
      shell::WriteExaminationTickets(*s, platform, dir.path(), c.count);
      ADD_FAILURE() << c.name << ": not refused";
    } catch (const shell::ListDataError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message_part), std::string::npos)
          << c.name << ": " << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "mathA.tex")) << c.name;
  }

  // The 32 tickets the file holds are written, and the file is saved with 40 fields, the
  // missing tickets as 0, which the same check refuses next time.
  WriteBytes(TicketFile(),
             NumberLine(old32, 3) + "\r\n" + NumberLine(old32, 3) + "\r\n01.02.2003\r\n");
  s->QuestionCount2 = 30;
  s->Level = 1;
  std::filesystem::create_directories(dir.path() / "otv");
  shell::WriteExaminationTickets(*s, platform, dir.path(), 32);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "mathA.tex"));
  const auto lines = shell::SplitTextFileLines(ReadBytes(TicketFile()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            NumberLine(std::vector<int>(32, 3), 4) + NumberLine(std::vector<int>(8, 0), 4));
}

// A teacher who starts with empty lists and types the questions afterwards: the run takes the
// file of the typed lists (drawn for them), not the one loaded at start-up for lists of
// length 0, whose tickets all carry question 1; the date of the "Date" field is kept.
TEST_F(TicketsTest, TypedListsGetTheirOwnQuestionFileAtTheRun) {
  s->QuestionCount1 = 0;
  s->QuestionCount2 = 0;
  ASSERT_TRUE(shell::LoadTicketQuestions(*s, platform, dir.path()));
  EXPECT_EQ(s->TicketQuestions1[7], 1);
  s->QuestionCount1 = 25;
  s->QuestionCount2 = 30;
  s->TicketDate = "20.01.2027";
  s->Level = 1;
  std::filesystem::create_directories(dir.path() / "otv");
  shell::WriteExaminationTickets(*s, platform, dir.path(), 40);

  EXPECT_EQ(s->TicketFileName, TicketFile().string());
  const auto lines = shell::SplitTextFileLines(ReadBytes(TicketFile()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "20.01.2027");
  std::set<int> questions1;
  for (int t = 1; t <= 40; ++t) questions1.insert(s->TicketQuestions1[t]);
  EXPECT_GT(questions1.size(), 10u);
  const std::string main = toolkit::Cp1251ToUtf8(ReadBytes(dir.path() / "mathA.tex"));
  EXPECT_NE(main.find("{\\bf Question 1. }Вопрос " + std::to_string(s->TicketQuestions1[40])),
            std::string::npos);

  // Saving a list window with another length selects that length's file, keeping the date.
  s->QuestionCount1 = 24;
  s->TicketDate = "21.01.2027";
  ASSERT_TRUE(shell::ReloadTicketQuestions(*s, platform, dir.path()));
  EXPECT_EQ(s->TicketFileName, (dir.path() / "dat" / "b_24_30.0").string());
  EXPECT_EQ(s->TicketDate, "21.01.2027");
}

// The ticket document with one problem per ticket, from the tiny subject, byte for byte
// after the preamble; and the answers files, whose tables were left open by an earlier run.
TEST_F(TicketsTest, TicketDocumentWithProblemAndItsAnswers) {
  std::filesystem::create_directories(dir.path() / "otv");
  std::filesystem::create_directories(dir.path() / "dat5" / "1");
  // Stored parameters of problem 1 of subject 5, set 1: variant 1 has a=3, b=1; variant 2 a=5, b=2.
  std::string params = "\r\n2\r\n";
  const int values[7][2] = {{3, 5}, {1, 2}, {2, 3}, {1, 1}, {4, 1}, {1, 2}, {2, 1}};
  for (int k = 0; k < 7; ++k) {
    params += "i" + std::to_string(k + 1);
    for (int v = 0; v < 34; ++v) params += NumberLine({v < 2 ? values[k][v] : 1}, 4);
    params += "\r\n";
  }
  WriteBytes(dir.path() / "dat5" / "1" / "1.txt", params);

  // The questions of tickets 1 and 2 as the question file holds them.
  std::filesystem::create_directories(dir.path() / "dat");
  std::vector<int> list1(40, 1), list2(40, 1);
  list1[0] = 2;
  list2[0] = 30;
  list1[1] = 25;
  list2[1] = 1;
  WriteBytes(TicketFile(), NumberLine(list1, 4) + "\r\n" + NumberLine(list2, 4) + "\r\n01.01.2000\r\n");

  // The run reads the selected row of the tab as the window does.
  s->SubjectIndex = 5;
  s->SavedProblems[5] = 1;
  s->ProblemNumber = 0;
  s->SetNumber = 1;
  s->Level = 1;
  s->FirstNumber = 10;
  s->TicketMode = true;
  s->TicketProblemOn = true;
  s->UniversityName = "Университет";
  s->DepartmentName = "Кафедра";
  s->TicketDate = "20.01.2027";
  s->AnsTableOpen = true;  // left so by an earlier run
  s->Ans2TableOpen = true;
  shell::WriteExaminationTickets(*s, platform, dir.path(), 2, tiny_subject::TableWith(5));

  const std::string main = toolkit::Cp1251ToUtf8(ReadBytes(dir.path() / "mathA.tex"));
  const std::string head = "\\setcounter{zdch}{1}\r\n";
  ASSERT_NE(main.find(head), std::string::npos) << main;
  EXPECT_EQ(
      main.substr(main.find(head) + head.size()),
      "\\let\\TarbelNewSaveBox\\newsavebox\\renewcommand{\\newsavebox}[1]{\\ifdefined#1\\else"
      "\\TarbelNewSaveBox{#1}\\fi}\\let\\newcommand\\providecommand\r\n"
      "{\\parbox{470pt}{\r\n"
      "\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{\\begin{center}\\sf\\Blue{Университет}\\end{center}\r\n"
      "{\\small Кафедра} \\hfill \\Blue{Student} \\rule{88pt}{0.1pt}гр.\\rule{22pt}{0.1pt}\\par\r\n"
      "{ \\noindent\\Blue{{\\bf Examination ticket} 10 \\hfill 20.01.2027 "
      "\\rule{25pt}{0.1pt}h.\\rule{20pt}{0.1pt} min.\\vskip1pt}\r\n"
      "{\\bf Question 1. }Вопрос 2\\\\\r\n"
      "{\\bf Question 2. }Question 30\\\\\r\n"
      "{\\bf Problem. }\\par Find $a+b$.\r\n$a=3$, $b=1$\r\n"
      "}}}}\\vfill\\eject{\\parbox{470pt}{\r\n"
      "\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{\\begin{center}\\sf\\Blue{Университет}\\end{center}\r\n"
      "{\\small Кафедра} \\hfill \\Blue{Student} \\rule{88pt}{0.1pt}гр.\\rule{22pt}{0.1pt}\\par\r\n"
      "{ \\noindent\\Blue{{\\bf Examination ticket} 11 \\hfill 20.01.2027 "
      "\\rule{25pt}{0.1pt}h.\\rule{20pt}{0.1pt} min.\\vskip1pt}\r\n"
      "{\\bf Question 1. }Вопрос 25\\\\\r\n"
      "{\\bf Question 2. }Question 1\\\\\r\n"
      "{\\bf Problem. }\\par Find $a+b$.\r\n$a=5$, $b=2$\r\n"
      "}}}}\\vfill\\eject\\end{document}");

  const std::string answers = toolkit::Cp1251ToUtf8(ReadBytes(dir.path() / "otv" / "otvmathA.tex"));
  const std::string answers2 =
      toolkit::Cp1251ToUtf8(ReadBytes(dir.path() / "otv" / "OT2mathA.tex"));
  EXPECT_TRUE(answers.ends_with("10 & & 4 \\\\11 & & 7 \\\\\\hline\\end{tabular}\\end{center}"))
      << answers;
  EXPECT_TRUE(answers2.ends_with("10 & 2 \\\\11 & 3 \\\\\\hline\\end{tabular}\\end{center}"))
      << answers2;
}

// Without a problem no table is opened: a table flag an earlier run left set must neither
// end rows nor close a table in these answers files.
TEST_F(TicketsTest, TicketsWithoutProblemLeaveTheAnswersFilesEmpty) {
  std::filesystem::create_directories(dir.path() / "otv");
  s->Level = 2;
  s->FirstNumber = 1;
  s->TicketQuestions1.Fill(1);
  s->TicketQuestions2.Fill(1);
  s->AnsTableOpen = true;
  s->Ans2TableOpen = true;
  s->UniversityName = std::string(90, 'u');
  shell::WriteExaminationTickets(*s, platform, dir.path(), 3);
  EXPECT_EQ(ReadBytes(dir.path() / "otv" / "otvmathB.tex"), "");
  EXPECT_EQ(ReadBytes(dir.path() / "otv" / "OT2mathB.tex"), "");
  const std::string main = ReadBytes(dir.path() / "mathB.tex");
  EXPECT_NE(main.find("Examination ticket} 3 "), std::string::npos);
  EXPECT_EQ(main.find("Problem."), std::string::npos);
  EXPECT_NE(main.find("\\Blue{" + std::string(78, 'u') + "}"), std::string::npos);
  EXPECT_FALSE(s->AnsTableOpen);
}

}  // namespace
