#include "shell/list_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "toolkit/errors.h"

namespace {

using Lines = std::vector<std::string>;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST(ListFilesTest, SplitsLinesOfEveryEndingAndDecodesWindows1251) {
  struct Case {
    const char* name;
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"crlf", "a\r\nb\r\n", {"a", "b"}},
      {"lf and no last end", "a\nb", {"a", "b"}},
      {"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
      {"bare cr", "a\rb\r", {"a", "b"}},
      {"utf8 bom dropped", "\xEF\xBB\xBFИВТ\r\n", {"ИВТ"}},
      {"windows-1251", "\xC8\xC2\xD2-21\xE0\r\n", {"ИВТ-21а"}},
      {"two blanks", "  \r\n", {"  "}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::SplitTextFileLines(c.bytes), c.lines) << c.name;
  }
}

TEST(ListFilesTest, WritesWindows1251WhenItHoldsEveryCharacterElseUtf8) {
  testing_support::TempDir dir;
  const auto path = dir.path() / "list.txt";

  shell::WriteTextFileLines(path, {"Вопрос 1", "x"});
  EXPECT_EQ(ReadBytes(path), "\xC2\xEE\xEF\xF0\xEE\xF1 1\r\nx\r\n");
  EXPECT_EQ(shell::ReadTextFileLines(path, 10), (Lines{"Вопрос 1", "x"}));

  // "∑" and "中" have no Windows-1251 code: the file keeps them in UTF-8 rather than as "?".
  shell::WriteTextFileLines(path, {"Вопрос ∑", "中"});
  EXPECT_EQ(ReadBytes(path), "Вопрос ∑\r\n中\r\n");
  EXPECT_EQ(shell::ReadTextFileLines(path, 10), (Lines{"Вопрос ∑", "中"}));
}

// A list saved again keeps its own encoding and line ends, unless they would not read back as
// the same lines: then it is stored as UTF-8, which does.
TEST(ListFilesTest, SavedListsKeepTheirFormAndReadBackUnchanged) {
  struct Case {
    const char* name;
    std::string bytes;  // the file as the teacher has it
    std::string saved;  // what saving its lines unchanged writes
  };
  const std::string bom = "\xEF\xBB\xBF";
  const Case cases[] = {
      {"UTF-8 with LF", "Группа\nИванов\n", "Группа\nИванов\n"},
      {"UTF-8 with a byte-order mark", bom + "Группа\r\nИванов\r\n", bom + "Группа\r\nИванов\r\n"},
      {"Windows-1251 with CR", "\xC8\xE2\xE0\xED\xEE\xE2\r", "\xC8\xE2\xE0\xED\xEE\xE2\r"},
      // 0x98 has no character: read as "?", the rest "В«" must not come back as "«".
      {"Windows-1251 with 0x98", "\x98\xC2\xAB\r\n", "?В«\r\n"},
  };
  for (const Case& c : cases) {
    const Lines lines = shell::SplitTextFileLines(c.bytes);
    const std::string saved =
        shell::EncodeTextFileLines(lines, shell::DetectTextFileFormat(c.bytes));
    EXPECT_EQ(saved, c.saved) << c.name;
    EXPECT_EQ(shell::SplitTextFileLines(saved), lines) << c.name;
  }
  // "п»ї" in Windows-1251 are the bytes of a byte-order mark: such a list is saved as UTF-8.
  const Lines typed{"п»ї начало", "а"};
  EXPECT_EQ(shell::EncodeTextFileLines(typed), "п»ї начало\r\nа\r\n");
  // A text that begins with a byte-order mark character itself keeps it behind a second one.
  const Lines marked{"\uFEFFa"};
  EXPECT_EQ(shell::SplitTextFileLines(shell::EncodeTextFileLines(marked)), marked);
}

TEST(ListFilesTest, AtomicWriteReplacesWholeOrLeavesNothingBehind) {
  testing_support::TempDir dir;
  const auto path = dir.path() / "ma1.txt";
  WriteBytes(path, "old\r\n");
  shell::WriteFileAtomically(path, "new\r\n");
  EXPECT_EQ(ReadBytes(path), "new\r\n");

  // A target that cannot be replaced (here a folder) fails with the file's name and leaves
  // no half-written file beside it.
  const auto blocked = dir.path() / "blocked";
  std::filesystem::create_directories(blocked / "inside");
  try {
    shell::WriteFileAtomically(blocked, "x");
    FAIL() << "no IoError";
  } catch (const toolkit::IoError& e) {
    EXPECT_NE(std::string(e.what()).find("blocked"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    EXPECT_TRUE(e.path() == path || e.path() == blocked) << "left behind: " << e.path();
  }

  EXPECT_THROW(shell::WriteFileAtomically(dir.path() / "no" / "such" / "f.txt", "x"),
               toolkit::IoError);
}

TEST(ListFilesTest, StartFilesMissingAreReportedInOneMessageAndCreatedWithTwoBlanks) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;
  const auto rows = shell::LoadStartFiles(s, platform, dir.path());

  EXPECT_EQ(platform.messages,
            (Lines{"File not found:\n"
                   "File  kaf.txt not found: the departments, one per line\n"
                   "File  vuz.txt not found: the universities, one per line\n"
                   "File  ma1.txt not found: the first list of ticket questions, one per line\n"
                   "File  ma2.txt not found: the second list of ticket questions, one per line\n"
                   "Each was created with one blank line in " +
                   dir.path().string() + ": fill it in, and the program reads it at the next start."}));
  for (const char* name : {"kaf.txt", "vuz.txt", "ma1.txt", "ma2.txt"}) {
    EXPECT_EQ(ReadBytes(dir.path() / name), "  \r\n") << name;
  }
  EXPECT_TRUE(rows.departments.empty());
  EXPECT_EQ(s.QuestionCount1, 0);

  // The next start reads what was created.
  testing_support::FakePlatform again;
  const auto rows2 = shell::LoadStartFiles(s, again, dir.path());
  EXPECT_TRUE(again.messages.empty());
  EXPECT_EQ(rows2.departments, Lines{"  "});
  EXPECT_EQ(s.QuestionCount1, 1);
  EXPECT_EQ(s.QuestionList2[1], "  ");
}

TEST(ListFilesTest, StartFilesFillCombosAndQuestionListsUpTo50) {
  testing_support::TempDir dir;
  WriteBytes(dir.path() / "kaf.txt", "\xCA\xE0\xF4\xE5\xE4\xF0\xE0\r\nDept 2\r\n");
  WriteBytes(dir.path() / "vuz.txt", "University\n");
  std::string many;
  for (int i = 1; i <= 53; ++i) many += "Q" + std::to_string(i) + "\r\n";
  WriteBytes(dir.path() / "ma1.txt", many);
  WriteBytes(dir.path() / "ma2.txt", "A\r\nB\r\nC");

  testing_support::FakePlatform platform;
  SharedState s;
  const auto rows = shell::LoadStartFiles(s, platform, dir.path());
  EXPECT_EQ(rows.departments, (Lines{"Кафедра", "Dept 2"}));
  EXPECT_EQ(rows.universities, Lines{"University"});
  EXPECT_EQ(s.QuestionCount1, 50);
  EXPECT_EQ(s.QuestionList1[50], "Q50");
  EXPECT_EQ(s.QuestionCount2, 3);
  EXPECT_EQ(s.QuestionList2[3], "C");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("ma1.txt"), std::string::npos);
}

TEST(ListFilesTest, QuestionListCopyKeepsCountWhenAsked) {
  toolkit::IndexedArray<std::string, 1, 50> list{};
  int count = 7;
  EXPECT_TRUE(shell::CopyQuestionList(list, count, {"a", "b"}, false));
  EXPECT_EQ(count, 7);  // leaving the memo keeps the old count
  EXPECT_EQ(list[2], "b");
  EXPECT_TRUE(shell::CopyQuestionList(list, count, {"a", "b"}, true));
  EXPECT_EQ(count, 2);
}

TEST(ListFilesTest, StudentListFillsNamesCutsThemAndClearsTheRest) {
  SharedState s;
  s.StudentNames[5] = "old";
  const std::string long_name(70, 'x');
  EXPECT_TRUE(shell::CopyStudentList(s, {"  ИВТ-21а", "Иванов", long_name}));
  EXPECT_EQ(s.StudentLineCount, 3);
  EXPECT_EQ(s.StudentNames[2], "Иванов");
  EXPECT_EQ(s.StudentNames[3], std::string(65, 'x'));
  EXPECT_EQ(s.StudentNames[5], "");

  Lines too_many(45, "name");
  EXPECT_FALSE(shell::CopyStudentList(s, too_many));
  EXPECT_EQ(s.StudentLineCount, 40);

  EXPECT_EQ(shell::GroupLineOf({"  ИВТ-21а", "x"}), "ИВТ-21а");
  EXPECT_EQ(shell::GroupLineOf({"   " + std::string(60, 'g')}), std::string(50, 'g'));
  EXPECT_EQ(shell::GroupLineOf({}), "");
}

TEST(ListFilesTest, WindowLoadAndSaveReportFailures) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  const auto path = dir.path() / "students.txt";
  EXPECT_TRUE(shell::SaveListFile(platform, path, {"Group", "Петров"}));
  EXPECT_EQ(shell::LoadListFile(platform, path)->lines, (Lines{"Group", "Петров"}));
  EXPECT_TRUE(platform.messages.empty());

  EXPECT_FALSE(shell::LoadListFile(platform, dir.path() / "none.txt"));
  EXPECT_FALSE(shell::SaveListFile(platform, dir.path() / "no" / "x.txt", {"a"}));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_NE(platform.messages[0].find("none.txt"), std::string::npos);

  SharedState s;
  s.StudentsFileName = "students.txt";
  EXPECT_EQ(shell::StudentsListPath(s, dir.path()), path);
  s.StudentsFileName = "/abs/list.txt";
  EXPECT_EQ(shell::StudentsListPath(s, dir.path()), std::filesystem::path("/abs/list.txt"));
}

}  // namespace

namespace {

TEST(ListFilesTest, AFolderOrAnUnreadableFileIsAnIoErrorNamingIt) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  std::filesystem::create_directories(dir.path() / "list.txt");
  try {
    shell::ReadTextFileLines(dir.path() / "list.txt", 10);
    FAIL() << "no IoError";
  } catch (const toolkit::IoError& e) {
    EXPECT_NE(std::string(e.what()).find("list.txt"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("folder"), std::string::npos) << e.what();
  }
  // The students list named "." (a damaged settings line) is the start directory itself.
  EXPECT_FALSE(shell::LoadListFile(platform, dir.path() / "."));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("folder"), std::string::npos) << platform.messages[0];
}

}  // namespace

namespace {

// Reading waits for nothing and takes no more than the lines a list can hold: a pipe or a
// device is refused at once, and a list far longer than any list is refused, not kept.
TEST(ListFilesTest, PipesDevicesAndOversizedListsAreRefusedWithoutBeingReadWhole) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  const auto fifo = dir.path() / "students.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto loading = std::async(std::launch::async,
                            [&] { return shell::LoadListFile(platform, fifo); });
  if (loading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
    // Give the blocked reader its end of file so that the test ends.
    const int fd = ::open(fifo.c_str(), O_WRONLY);
    if (fd >= 0) ::close(fd);
    loading.wait();
    FAIL() << "reading a pipe waited for a writer";
  }
  EXPECT_FALSE(loading.get());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("students.txt"), std::string::npos);
  EXPECT_NE(platform.messages[0].find("not a regular file"), std::string::npos);

  platform.messages.clear();
  EXPECT_FALSE(shell::LoadListFile(platform, "/dev/zero"));
  EXPECT_EQ(platform.messages.size(), 1u);

  // Two million empty lines, and one line of two megabytes.
  const auto blank = dir.path() / "blank.txt";
  WriteBytes(blank, std::string(4'000'000, '\n'));
  const auto wide = dir.path() / "wide.txt";
  WriteBytes(wide, std::string(2'000'000, 'x'));
  for (const auto& path : {blank, wide}) {
    platform.messages.clear();
    EXPECT_FALSE(shell::LoadListFile(platform, path)) << path;
    ASSERT_EQ(platform.messages.size(), 1u) << path;
    EXPECT_NE(platform.messages[0].find(path.filename().string()), std::string::npos);
  }
  // A reader that needs n lines reads n and tells whether there are more.
  EXPECT_EQ(shell::ReadTextFileLines(blank, 3), Lines(4, ""));
  WriteBytes(blank, "a\r\nb\rc\n");
  EXPECT_EQ(shell::ReadTextFileLines(blank, 3), (Lines{"a", "b", "c"}));
  EXPECT_EQ(shell::ReadTextFileLines(blank, 2), (Lines{"a", "b", "c"}));
  EXPECT_EQ(shell::ReadTextFileLines(blank, 1), (Lines{"a", "b"}));
}

// A start question list of a million lines gives its 50 questions and the one message.
TEST(ListFilesTest, HugeStartListGivesItsFirst50Questions) {
  testing_support::TempDir dir;
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "Q" + std::to_string(i) + "\r\n";
  WriteBytes(dir.path() / "ma1.txt", text + std::string(2'000'000, '\n'));
  testing_support::FakePlatform platform;
  SharedState s;
  shell::LoadStartFiles(s, platform, dir.path());
  EXPECT_EQ(s.QuestionCount1, 50);
  EXPECT_EQ(s.QuestionList1[50], "Q50");
}

}  // namespace

namespace {

// Someone who can write in the start directory plants a link where the temporary file of a
// save could be: the save neither follows it nor overwrites what it points to.
TEST(ListFilesTest, AtomicSaveNeverFollowsAPlantedLink) {
  testing_support::TempDir dir;
  const auto victim = dir.path() / "victim.txt";
  WriteBytes(victim, "precious\n");
  const auto path = dir.path() / "Brevlin.txt";
  std::filesystem::create_symlink(victim, dir.path() / "Brevlin.txt.tmp");
  shell::WriteFileAtomically(path, "new\r\n");
  EXPECT_EQ(ReadBytes(path), "new\r\n");
  EXPECT_EQ(ReadBytes(victim), "precious\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "Brevlin.txt.tmp"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 3) << "a temporary file was left behind";
}

}  // namespace
