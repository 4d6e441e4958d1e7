// Plain-text fields typed by people (students' names, the group line, the department, the
// university, the ticket date) typeset with the real latex and show as typed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "shell/start.h"
#include "shell/tiny_subject.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ReadBytes;

bool Installed(const char* program) {
  return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

// The text of a document as a reader sees it: latex, dvips, ps2pdf, pdftotext. Empty when
// latex refused the document.
std::string TypesetText(const std::filesystem::path& dir, const std::string& name) {
  const std::string cd = "cd '" + dir.string() + "' && ";
  const std::string tex = "TEXINPUTS='" + std::string(TARBEL_SOURCE_DIR) + "/tex:' ";
  if (std::system((cd + tex + "latex -no-shell-escape -interaction=nonstopmode -halt-on-error " +
                   name + " >/dev/null 2>&1")
                      .c_str()) != 0) {
    return {};
  }
  if (std::system((cd + "dvips -q -t a4 " + name + " -o " + name + ".ps >/dev/null 2>&1 && ps2pdf " +
                   name + ".ps " + name + ".pdf && pdftotext -raw " + name + ".pdf " + name +
                   ".txt")
                      .c_str()) != 0) {
    return {};
  }
  return ReadBytes(dir / (name + ".txt"));
}

class LatexFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"latex", "dvips", "ps2pdf", "pdftotext"}) {
      if (!Installed(p)) GTEST_SKIP() << p << " is not installed";
    }
    session.StartDirectory = dir.path();
    session.TexDirectory = std::string(TARBEL_SOURCE_DIR) + "/tex";
    session.LevelControl = 1;
    s->SubjectIndex = 1;
    s->SavedProblems[1] = 1;
    s->SetNumber = 1;
    s->FirstNumber = 1;
  }

  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  shell::ShellSession session;
  tiny_subject::Tab tiny;
  shell::SubjectTable table = tiny.TableWith(1);
};

TEST_F(LatexFieldsTest, NamesWithEveryLatexSpecialCharacterShowAsTyped) {
  const std::string names[] = {
      "O'Neil & Sons", "Smith_J",       "100% Ivanov",          "#1 Petrov",
      "Sidorov {jr",   "Kim jr}",       "Lee $5 a~b c^d e\\f", "\\input{/etc/passwd}",
      "\\immediate\\openout1=Brevlin.txt",
  };
  s->StudentsMode = true;
  s->GroupName = "A&B_1%";
  s->StudentNames[1] = s->GroupName;
  int line = 2;
  for (const std::string& name : names) s->StudentNames[line++] = name;
  s->StudentLineCount = line - 1;
  ASSERT_TRUE(shell::Start(*s, session, platform, table)) << platform.messages.front();
  // The list itself stays as typed.
  EXPECT_EQ(s->StudentNames[2], "O'Neil & Sons");

  const std::string text = TypesetText(dir.path(), s->OutputName);
  ASSERT_FALSE(text.empty()) << "latex refused " << s->OutputName;
  for (const std::string& name : names) {
    // T2A sets the apostrophe as a closing quote; the rest of the name reads as typed.
    const std::string shown = name[1] == '\'' ? name.substr(2) : name;
    EXPECT_NE(text.find(shown), std::string::npos) << name << "\n" << text;
  }
  EXPECT_NE(text.find("A&B_1%"), std::string::npos) << text;
  EXPECT_EQ(text.find("root:"), std::string::npos) << "a file was read into the document";
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Brevlin.txt"));
}

TEST_F(LatexFieldsTest, TicketHeaderFieldsShowAsTyped) {
  s->DocumentMode = 1;
  s->VariantCount = 1;
  s->QuestionList1[1] = "First question";
  s->QuestionList2[1] = "Second question";
  s->QuestionCount1 = 1;
  s->QuestionCount2 = 1;
  s->UniversityName = "U & Co {100%}";
  s->DepartmentName = "Dept #2_b $x$";
  s->TicketDate = "1.1.2027 ~^\\";
  ASSERT_TRUE(shell::Start(*s, session, platform, table)) << platform.messages.front();
  const std::string text = TypesetText(dir.path(), s->OutputName);
  ASSERT_FALSE(text.empty()) << "latex refused " << s->OutputName;
  for (const char* field : {"U & Co {100%}", "Dept #2_b $x$", "1.1.2027 ~^\\"}) {
    EXPECT_NE(text.find(field), std::string::npos) << field << "\n" << text;
  }
}

}  // namespace
