#include "shell/external_programs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using Args = std::vector<std::string>;
using testing_support::FakePlatform;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Writes start_dir/name with its modification time age_seconds in the past.
void WriteAged(const std::filesystem::path& path, int age_seconds) {
  WriteBytes(path, "x");
  std::filesystem::last_write_time(
      path, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(age_seconds));
}

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
  EXPECT_EQ(p.env, (std::vector<std::pair<std::string, std::string>>{
                       {"TEXINPUTS", "/usr/share/tarbel/tex:"},
                       {"openin_any", "p"},
                       {"openout_any", "p"}}));
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

namespace {

// latex's end is heard: a failure shows latex's first error with the log's name and leaves
// no .dvi, .ps or .pdf that a menu command could show as the new document; a success is
// told on the status line.
TEST_F(ExternalProgramsTest, LatexEndIsToldAndNoOlderOutputSurvivesIt) {
  TempDir dir;
  std::vector<std::string> status;
  const auto record = [&](const std::string& text) { status.push_back(text); };
  for (const char* old : {"o12a7C.dvi", "o12a7C.ps", "o12a7C.pdf"}) WriteAged(dir.path() / old, 60);
  WriteAged(dir.path() / "o12a7C.tex", 1);

  shell::RunLatex(s, platform, dir.path(), "/t", record);
  for (const char* old : {"o12a7C.dvi", "o12a7C.ps", "o12a7C.pdf"}) {
    EXPECT_FALSE(std::filesystem::exists(dir.path() / old)) << old;
  }
  // latex wrote part of a .dvi and its log, then failed.
  WriteBytes(dir.path() / "o12a7C.dvi", "partial");
  WriteBytes(dir.path() / "o12a7C.log",
             "This is pdfTeX\n(./o12a7C.tex\n! Misplaced alignment tab character &.\n"
             "l.14 \\item a &\n                b\nI can't figure out why\n"
             "! Missing } inserted.\n");
  platform.Finish(false);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0],
            "latex could not typeset o12a7C.tex:\n! Misplaced alignment tab character &.\n"
            "l.14 \\item a &\nThe whole report is in " +
                (dir.path() / "o12a7C.log").string() + "; no .dvi was made.");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "o12a7C.dvi"));
  EXPECT_EQ(status, std::vector<std::string>{"latex failed on o12a7C.tex: see o12a7C.log"});

  platform.messages.clear();
  status.clear();
  shell::RunLatex(s, platform, dir.path(), "/t", record);
  platform.Finish(true);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(status, std::vector<std::string>{"latex made o12a7C.dvi in " + dir.path().string()});
}

// A log that cannot be read or holds no "!" line still gives the failure and the log's name.
TEST_F(ExternalProgramsTest, LatexFailureWithoutALogStillNamesIt) {
  TempDir dir;
  shell::RunLatex(s, platform, dir.path(), "/t");
  platform.Finish(false);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "latex could not typeset o12a7C.tex.\nThe whole report is in " +
                                      (dir.path() / "o12a7C.log").string() + "; no .dvi was made.");
}

// Each command removes what it is about to make again when it is not newer than its source;
// what is newer than the source stands for it and stays.
TEST_F(ExternalProgramsTest, MenuCommandsRemoveOnlyOutputsOlderThanTheirSource) {
  TempDir dir;
  const auto at = [&](const char* name) { return dir.path() / name; };
  WriteAged(at("o12a7C.dvi"), 30);
  WriteAged(at("o12a7C.ps"), 60);   // made from an older .dvi
  WriteAged(at("o12a7C.pdf"), 10);  // newer than the .dvi, older than nothing it stands for
  std::vector<std::string> status;
  shell::RunDvips(s, platform, dir.path(), [&](const std::string& t) { status.push_back(t); });
  EXPECT_FALSE(std::filesystem::exists(at("o12a7C.ps")));
  EXPECT_TRUE(std::filesystem::exists(at("o12a7C.pdf")));
  platform.Finish(false);
  EXPECT_EQ(platform.messages, std::vector<std::string>{"dvips could not convert o12a7C.dvi"});
  EXPECT_EQ(status, std::vector<std::string>{"dvips failed on o12a7C.dvi"});

  WriteAged(at("o12a7C.ps"), 5);
  WriteAged(at("o12a7C.pdf"), 20);
  platform.messages.clear();
  status.clear();
  shell::RunGhostscript(platform, dir.path(), "o12a7C", [&](const std::string& t) { status.push_back(t); });
  EXPECT_FALSE(std::filesystem::exists(at("o12a7C.pdf")));
  EXPECT_TRUE(std::filesystem::exists(at("o12a7C.ps")));
  platform.Finish(true);
  EXPECT_EQ(status, std::vector<std::string>{"Ghostscript made o12a7C.pdf"});
  EXPECT_TRUE(platform.pending.empty());
}

}  // namespace
