// The TeX programs as the program starts them, with the real latex through the Qt platform:
// a document latex rejects is told with its first error, and a document cannot read or write
// files outside its own folder. Skipped where latex is not installed.
#include <QStandardPaths>
#include <QTest>

#include "shell/external_programs.h"
#include "shell/ui/qt_platform.h"
#include "shell/ui/ui_tests.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

// The Qt platform with its message boxes recorded instead of shown.
class RecordingQtPlatform : public shell::ui::QtPlatform {
 public:
  RecordingQtPlatform() : QtPlatform(std::filesystem::temp_directory_path()) {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// Typesets body as name.tex in dir with the program's latex start; returns what the teacher
// was told (messages, then the status line), once latex has ended.
std::vector<std::string> Typeset(const std::filesystem::path& dir, const std::string& name,
                                 const std::string& body) {
  WriteBytes(dir / (name + ".tex"),
             "\\documentclass{article}\\begin{document}\n" + body + "\n\\end{document}\n");
  SharedState s;
  s.OutputName = name;
  RecordingQtPlatform platform;
  std::vector<std::string> status;
  shell::RunLatex(s, platform, dir, TARBEL_SOURCE_DIR "/tex",
                  [&](const std::string& text) { status.push_back(text); });
  if (!QTest::qWaitFor([&] { return !status.empty(); }, 60000)) return {"latex did not end"};
  std::vector<std::string> told = platform.messages;
  told.insert(told.end(), status.begin(), status.end());
  return told;
}

class RealTexTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    if (QStandardPaths::findExecutable("latex").isEmpty()) QSKIP("latex is not installed");
  }

  void ABrokenDocumentIsToldWithItsFirstError() {
    TempDir dir;
    WriteBytes(dir.path() / "broken.dvi", "an older document");
    const auto told = Typeset(dir.path(), "broken", "Set 1 \\undefinedcommand here");
    QCOMPARE(told.size(), std::size_t{2});
    QVERIFY2(told[0].starts_with("latex could not typeset broken.tex:\n! Undefined control "
                                 "sequence.\nl.2 Set 1 \\undefinedcommand"),
             told[0].c_str());
    QVERIFY(told[0].find((dir.path() / "broken.log").string()) != std::string::npos);
    QCOMPARE(told[1], std::string("latex failed on broken.tex: see broken.log"));
    QVERIFY(!std::filesystem::exists(dir.path() / "broken.dvi"));

    const auto good = Typeset(dir.path(), "good", "Set 1");
    QCOMPARE(good, std::vector<std::string>{"latex made good.dvi in " + dir.path().string()});
    QVERIFY(std::filesystem::exists(dir.path() / "good.dvi"));
  }

  // A list from a colleague may carry file commands past the list check (a document edited by
  // hand): latex itself reads and writes only in and below the document's folder.
  void ADocumentReadsAndWritesOnlyInItsOwnFolder() {
    TempDir outer;
    const std::filesystem::path dir = outer.path() / "sets";
    std::filesystem::create_directories(dir / "otv");
    WriteBytes(outer.path() / "secret.tex", "SECRET");
    WriteBytes(dir / "otv" / "answers.tex", "answers");

    const auto read = Typeset(dir, "reads", "\\input{" + (outer.path() / "secret").string() + "}");
    QVERIFY2(read[0].find("secret.tex' not found") != std::string::npos, read[0].c_str());
    const auto up = Typeset(dir, "up", "\\input{../secret}");
    QVERIFY2(up[0].find("not found") != std::string::npos, up[0].c_str());
    const auto write = Typeset(dir, "writes", "\\immediate\\openout5=../escaped.txt x");
    QVERIFY2(write[0].find("I can't write on file `../escaped.txt'") != std::string::npos,
             write[0].c_str());
    QVERIFY(!std::filesystem::exists(outer.path() / "escaped.txt"));
    // The answers below the folder and the support files on TEXINPUTS stay readable.
    const auto inside = Typeset(
        dir, "inside", "\\input{otv/answers.tex}\\IfFileExists{eepico.sty}{}{\\undefinedcommand}");
    QVERIFY2(inside.size() == 1 && inside[0].starts_with("latex made"), inside[0].c_str());
  }
};

}  // namespace

int RunRealTexTests(int argc, char** argv) {
  RealTexTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "real_tex_test.moc"
