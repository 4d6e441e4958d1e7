// "PDF" and "SuperPDF": which programs start, with which arguments, and in which order.
#include <memory>

#include <QTest>

#include "shell/tex_menu.h"
#include "shell/ui/notifying_platform.h"
#include "shell/ui/ui_tests.h"

namespace {

using Args = std::vector<std::string>;
using testing_support::NotifyingPlatform;

const std::filesystem::path kStartDir = "/home/teacher/my sets";
const Args kGsArgsForO12a7C = {"-dBATCH", "-dNOPAUSE", "-sDEVICE=pdfwrite",
                               "-sOutputFile=o12a7C.pdf", "-c", "save", "pop", "-f", "o12a7C.ps"};

class TexMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    s = std::make_unique<SharedState>();
    s->OutputName = "o12a7C";
    s->Level = 3;
    platform = std::make_unique<NotifyingPlatform>();
  }

  void PdfConvertsThePostScriptOfTheLastDocumentWhateverTheLevelNow() {
    s->Level = 4;  // a begin entry lowered it, or the spin edit moved
    QCOMPARE(shell::RunPdfOfDocument(*s, *platform, kStartDir, s->OutputName),
             shell::StartResult::kStarted);
    QCOMPARE(platform->started.size(), std::size_t{1});
    QCOMPARE(platform->started[0].program, std::string("gs"));
    QCOMPARE(platform->started[0].args, kGsArgsForO12a7C);
    QCOMPARE(platform->started[0].working_dir, kStartDir);
    QCOMPARE(s->Level, 4);
  }

  void PdfOfATicketDocumentNamesThatDocument() {
    s->OutputName = "mathA";
    shell::RunPdfOfDocument(*s, *platform, kStartDir, s->OutputName);
    QCOMPARE(platform->started.at(0).args.back(), std::string("mathA.ps"));
  }

  void PdfBeforeAnyDocumentStartsNothing() {
    QCOMPARE(shell::RunPdfOfDocument(*s, *platform, kStartDir, ""), shell::StartResult::kNotFound);
    QVERIFY(platform->started.empty());
  }

  void SuperPdfStartsGhostscriptOnlyAfterDvipsHasFinished() {
    shell::RunSuperPdfInOrder(*s, *platform, kStartDir);
    QCOMPARE(platform->started.size(), std::size_t{1});
    QCOMPARE(platform->started[0].program, std::string("dvips"));
    QCOMPARE(platform->started[0].args, Args{"o12a7C"});
    s->OutputName = "o3a7C";  // a Start while dvips runs does not change what it converts
    platform->Finish(true);
    QCOMPARE(platform->started.size(), std::size_t{2});
    QCOMPARE(platform->started[1].program, std::string("gs"));
    QCOMPARE(platform->started[1].args, kGsArgsForO12a7C);
    QVERIFY(platform->messages.empty());
  }

  void SuperPdfMakesNoPdfFromAFailedOrMissingDvips() {
    shell::RunSuperPdfInOrder(*s, *platform, kStartDir);
    platform->Finish(false);
    QCOMPARE(platform->started.size(), std::size_t{1});
    QCOMPARE(platform->messages, std::vector<std::string>{
                                     "dvips could not convert o12a7C.dvi; no PDF was made"});

    platform = std::make_unique<NotifyingPlatform>();
    platform->missing_programs = {"dvips"};
    shell::RunSuperPdfInOrder(*s, *platform, kStartDir);
    QCOMPARE(platform->started.size(), std::size_t{1});
    QVERIFY(platform->pending.empty());
    QCOMPARE(platform->messages,
             std::vector<std::string>{"A conversion program  \n dvips was not found "});
  }

  void SuperPdfOnAPlatformThatCannotWaitRunsDvipsOnlyAndSaysSo() {
    platform->can_notify = false;
    shell::RunSuperPdfInOrder(*s, *platform, kStartDir);
    QCOMPARE(platform->started.size(), std::size_t{1});
    QCOMPARE(platform->started[0].program, std::string("dvips"));
    QCOMPARE(platform->messages.size(), std::size_t{1});
    QVERIFY(platform->messages[0].find("\"PDF\"") != std::string::npos);
  }

 private:
  std::unique_ptr<SharedState> s;
  std::unique_ptr<NotifyingPlatform> platform;
};

}  // namespace

int RunTexMenuTests(int argc, char** argv) {
  TexMenuTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "tex_menu_test.moc"
