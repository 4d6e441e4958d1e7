#include "toolkit/text_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace toolkit {
namespace {

TEST(TextWriterTest, WritesWindows1251WithCrLf) {
  TextWriter w;
  w.OpenMemory();
  w.Write("Вариант ");
  w.WriteLine("№1");
  w.WriteLine("");
  EXPECT_EQ(w.Contents(), "\xC2\xE0\xF0\xE8\xE0\xED\xF2 \xB9" "1\r\n\r\n");
}

TEST(TextWriterTest, SwapExchangesTheTextsBeingWritten) {
  TextWriter a, b;
  a.OpenMemory();
  a.Write("a");
  b.Swap(a);
  EXPECT_FALSE(a.IsOpen());
  EXPECT_THROW(a.Write("x"), IoError);
  b.Write("b");
  a.Swap(b);
  a.Write("c");
  EXPECT_EQ(a.Contents(), "abc");
  EXPECT_EQ(b.Contents(), "");
}

TEST(TextWriterTest, CharactersOutsideWindows1251BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a∑b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y");
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251("Ёё «»—")), "Ёё «»—");
}

TEST(TextWriterTest, CutsCountCharactersNotBytes) {
  EXPECT_EQ(CutToChars("ИВТ-21а", 4), "ИВТ-");
  EXPECT_EQ(CharCount("ИВТ"), 3u);
  EXPECT_EQ(CutToChars("ab", 5), "ab");
}

TEST(TextWriterTest, DecodesUtf8OrWindows1251Files) {
  EXPECT_EQ(DecodeTextFileBytes("Группа"), "Группа");
  EXPECT_EQ(DecodeTextFileBytes("\xC3\xF0\xF3\xEF\xEF\xE0"), "Группа");
}

TEST(TextWriterTest, WritesToDiskAndReportsFailures) {
  const auto dir = std::filesystem::temp_directory_path() / "tarbel_text_writer_test";
  std::filesystem::create_directories(dir);
  TextWriter w;
  w.OpenFile(dir / "a.tex");
  w.WriteLine("Ж");
  w.Close();
  std::ifstream in(dir / "a.tex", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "\xC6\r\n");
  EXPECT_THROW(w.Write("x"), IoError);
  EXPECT_THROW(w.OpenFile(dir / "missing" / "b.tex"), IoError);
  std::filesystem::remove_all(dir);
}

// A file is written beside its path and renamed into place: a device or a pipe at the path
// is refused, never replaced. (A full disk is tested with a file size limit in the shell.)
TEST(TextWriterTest, ADeviceAtThePathIsRefusedAndLeftAsItIs) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP();
  TextWriter w;
  EXPECT_THROW(w.OpenFile("/dev/full"), IoError);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(TextWriterTest, AFileWaitingForCommitLeavesTheOldOneUntilThenAndNothingWhenDropped) {
  const auto dir = std::filesystem::temp_directory_path() / "tarbel_text_writer_commit_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const auto path = dir / "a.tex";
  auto read = [&] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  {
    std::ofstream(path, std::ios::binary) << "old";
  }
  TextWriter w;
  w.OpenFile(path, TextWriter::Replace::kOnCommit);
  w.Write("new");
  w.Close();
  EXPECT_EQ(read(), "old");
  w.Commit();
  EXPECT_EQ(read(), "new");

  w.OpenFile(path, TextWriter::Replace::kOnCommit);
  w.Write("dropped");
  w.Close();
  w.CloseQuietly();
  EXPECT_EQ(read(), "new");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace toolkit
