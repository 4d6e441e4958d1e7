#include "shell/external_programs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"

namespace {

using Args = std::vector<std::string>;
using testing_support::FakePlatform;

const std::filesystem::path kStartDir = "/home/teacher/my sets";

class ExternalProgramsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.OutputName = "o12a7C";
    s.Level = 3;
    s.LatexPath = "";
    s.GsviewPath = "/opt/my viewer/gv";
  }
  SharedState s;
  FakePlatform platform;
};

TEST_F(ExternalProgramsTest, LatexGetsTheSupportFolderOnTexinputs) {
  EXPECT_EQ(shell::RunLatex(s, platform, kStartDir, "/usr/share/tarbel/tex"),
            shell::StartResult::kStarted);
  ASSERT_EQ(platform.started.size(), 1u);
  const auto& p = platform.started[0];
  EXPECT_EQ(p.program, "latex");
  EXPECT_EQ(p.args, (Args{"-no-shell-escape", "-interaction=nonstopmode", "o12a7C"}));
  EXPECT_EQ(
      p.env,
      (std::vector<std::pair<std::string, std::string>>{{"TEXINPUTS", "/usr/share/tarbel/tex:"}}));
  EXPECT_EQ(p.working_dir, kStartDir);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ExternalProgramsTest, EveryCommandLineAndItsNotFoundMessage) {
  s.LatexPath = "/opt/tex/bin/";
  struct Case {
    const char* name;
    std::function<shell::StartResult()> run;
    std::string program;
    Args args;
    std::string not_found;
  };
  const Case cases[] = {
      {"latex",
       [&] { return shell::RunLatex(s, platform, kStartDir, "/t"); },
       "/opt/tex/bin/latex",
       {"-no-shell-escape", "-interaction=nonstopmode", "o12a7C"},
       "The programm  \n/opt/tex/bin/latex not found "},
      {"dvi viewer",
       [&] { return shell::RunDviViewer(s, platform, kStartDir); },
       "/opt/tex/bin/xdvi",
       {"o12a7C"},
       "The programm \n/opt/tex/bin/ xdvi was not found "},
      {"dvips",
       [&] { return shell::RunDvips(s, platform, kStartDir); },
       "dvips",
       {"-t", "a4", "o12a7C"},
       "A conversion program  \n dvips was not found "},
      {"ghostscript",
       [&] { return shell::RunGhostscript(platform, kStartDir, s.OutputName); },
       "gs",
       {"-dBATCH", "-dNOPAUSE", "-sDEVICE=pdfwrite", "-sOutputFile=o12a7C.pdf", "-sPAPERSIZE=a4", "-c",
        "save", "pop", "-f", "o12a7C.ps"},
       "gs not found"},
      {"ps viewer",
       [&] { return shell::RunPsViewer(s, platform, kStartDir); },
       "/opt/my viewer/gv",
       {"o12a7C.ps"},
       " Not found /opt/my viewer/gv o12a7C.ps"},
  };
  for (const Case& c : cases) {
    platform.started.clear();
    platform.messages.clear();
    platform.missing_programs.clear();
    EXPECT_EQ(c.run(), shell::StartResult::kStarted) << c.name;
    ASSERT_EQ(platform.started.size(), 1u) << c.name;
    EXPECT_EQ(platform.started[0].program, c.program) << c.name;
    EXPECT_EQ(platform.started[0].args, c.args) << c.name;
    EXPECT_EQ(platform.started[0].working_dir, kStartDir) << c.name;
    EXPECT_TRUE(platform.messages.empty()) << c.name;

    platform.missing_programs.insert(c.program);
    EXPECT_EQ(c.run(), shell::StartResult::kNotFound) << c.name;
    EXPECT_EQ(platform.messages, std::vector<std::string>{c.not_found}) << c.name;
  }
}

// "PDF" converts what "Ps" made: the PostScript of the last document, whatever the level
// control says now; before any document there is nothing to convert.
TEST_F(ExternalProgramsTest, PdfConvertsThePostScriptOfTheLastDocument) {
  s.OutputName = "mathA";
  s.Level = 4;
  shell::RunDvips(s, platform, kStartDir);
  shell::RunGhostscript(platform, kStartDir, s.OutputName);
  ASSERT_EQ(platform.started.size(), 2u);
  EXPECT_EQ(platform.started[0].args, (Args{"-t", "a4", "mathA"}));
  EXPECT_EQ(platform.started[1].args[3], "-sOutputFile=mathA.pdf");
  EXPECT_EQ(platform.started[1].args.back(), "mathA.ps");

  platform.started.clear();
  EXPECT_EQ(shell::RunGhostscript(platform, kStartDir, ""), shell::StartResult::kNotFound);
  EXPECT_TRUE(platform.started.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ExternalProgramsTest, SuperPdfStartsGhostscriptOnlyAfterDvipsHasEndedWell) {
  shell::RunSuperPdf(s, platform, kStartDir);
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].program, "dvips");
  EXPECT_EQ(platform.started[0].args, (Args{"-t", "a4", "o12a7C"}));
  s.OutputName = "o3a7C";  // a Start while dvips runs does not change what it converts
  platform.Finish(true);
  ASSERT_EQ(platform.started.size(), 2u);
  EXPECT_EQ(platform.started[1].program, "gs");
  EXPECT_EQ(platform.started[1].args.back(), "o12a7C.ps");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ExternalProgramsTest, SuperPdfMakesNoPdfFromAFailedOrMissingDvips) {
  shell::RunSuperPdf(s, platform, kStartDir);
  platform.Finish(false);
  EXPECT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.messages,
            std::vector<std::string>{"dvips could not convert o12a7C.dvi; no PDF was made"});

  FakePlatform without_dvips;
  without_dvips.missing_programs = {"dvips"};
  shell::RunSuperPdf(s, without_dvips, kStartDir);
  EXPECT_EQ(without_dvips.started.size(), 1u);
  EXPECT_TRUE(without_dvips.pending.empty());
  EXPECT_EQ(without_dvips.messages,
            std::vector<std::string>{"A conversion program  \n dvips was not found "});
}

TEST_F(ExternalProgramsTest, SuperPdfOnAPlatformThatCannotWaitRunsDvipsOnlyAndSaysSo) {
  platform.can_notify = false;
  shell::RunSuperPdf(s, platform, kStartDir);
  ASSERT_EQ(platform.started.size(), 1u);
  EXPECT_EQ(platform.started[0].program, "dvips");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("\"PDF\""), std::string::npos);
}

TEST_F(ExternalProgramsTest, ChoosingTheViewerSetsItsPathOnlyWhenChosen) {
  EXPECT_FALSE(shell::ChoosePsViewer(s, platform));
  EXPECT_EQ(s.GsviewPath, "/opt/my viewer/gv");
  platform.dialog_answers.push_back(std::filesystem::path("/usr/bin/evince"));
  EXPECT_TRUE(shell::ChoosePsViewer(s, platform));
  EXPECT_EQ(s.GsviewPath, "/usr/bin/evince");
  EXPECT_EQ(platform.dialog_filters.size(), 2u);
}

}  // namespace
