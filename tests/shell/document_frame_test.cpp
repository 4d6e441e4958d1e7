#include "shell/document_frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/memory_files.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

TEST(DocumentFrameTest, OutputNameKeeps25CharactersAndTheLevelLetter) {
  TempDir dir;
  auto s = std::make_unique<SharedState>();
  s->TextHeight = 700;
  s->Level = 10;
  s->ProblemNumber = 12;
  shell::OpenDocument(*s, dir.path(), "abcdefghijklmnopqrstuvwxyz0123", 500);
  EXPECT_EQ(s->OutputName, "abcdefghijklmnopqrstuvwxyJ");
  shell::CloseDocument(*s);
  const std::string text = ReadBytes(dir.path() / "abcdefghijklmnopqrstuvwxyJ.tex");
  // The text block of any width stands in the middle of the A4 sheet.
  EXPECT_NE(text.find("\r\n\\oddsidemargin=\\dimexpr(210mm-500pt)/2-1in-\\hoffset\\relax\r\n"
                      "\\textheight700pt\\textwidth500pt\\begin{document}\\input{sav.txt}\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n\\setcounter{zdch}{12}\r\n\\end{document}"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 14), "\\end{document}");
}

TEST(DocumentFrameTest, LevelLetters) {
  EXPECT_EQ(shell::LevelLetter(1), 'A');
  EXPECT_EQ(shell::LevelLetter(3), 'C');
  EXPECT_EQ(shell::LevelLetter(10), 'J');
}

TEST(DocumentFrameTest, HeadingsOfVariantsAndTickets) {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->FirstNumber = 10;
  s->VariantIndex = 3;
  s->UniversityName = "Университет";
  s->DepartmentName = "Кафедра";
  s->TicketDate = "25.12.2010.";
  shell::WriteProblemHeading(*s);
  shell::WriteTicketHeader(*s);
  EXPECT_EQ(
      testing_support::MainText(*s),
      "\\noindent{\\small \\Blue{{\\bf Problem~\\arabic{zdch}.12.}}}\r\n"
      "\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{\\begin{center}\\sf\\Blue{Университет}\\end{center}\r\n"
      "{\\small Кафедра} \\hfill \\Blue{Student} \\rule{88pt}{0.1pt}гр.\\rule{22pt}{0.1pt}\\par\r\n"
      "{ \\noindent\\Blue{{\\bf Examination ticket} 12 \\hfill 25.12.2010. "
      "\\rule{25pt}{0.1pt}h.\\rule{20pt}{0.1pt} min.\\vskip1pt}\r\n");
}

}  // namespace
