#include "shell/variant_parameters.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/tiny_subject.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "toolkit/errors.h"

namespace {

using testing_support::FakePlatform;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

class VariantParametersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s->SubjectIndex = 1;
    s->ProblemNumber = 1;
    s->SetNumber = 7;
    s->Level = 3;
  }
  std::filesystem::path FilePath() const { return dir.path() / "dat1" / "1" / "7.txt"; }
  void Load() { shell::LoadVariantParameters(*s, platform, dir.path(), table); }

  TempDir dir;
  FakePlatform platform;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  tiny_subject::Tab tiny;
  shell::SubjectTable table = tiny.TableWith(1);
};

TEST_F(VariantParametersTest, NewFileHasTheStoredLayoutAndIsReadBack) {
  Load();
  const std::vector<std::string> lines = Lines(ReadBytes(FilePath()));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "2");
  const int bounds[7] = {5, 5, 3, 3, 4, 2, 2};
  for (int k = 1; k <= 7; ++k) {
    const std::string& line = lines[static_cast<std::size_t>(k + 1)];
    ASSERT_TRUE(std::regex_match(line, std::regex("i" + std::to_string(k) + "(   [1-9]){40}")))
        << line;
    std::istringstream values(line.substr(2));
    for (int v = 1; v <= 40; ++v) {
      int value = 0;
      values >> value;
      EXPECT_LE(value, bounds[k - 1]);
      EXPECT_EQ(s->StoredVariants[v][k], value) << "P" << k << " of variant " << v;
    }
  }
  std::string numbers = "**";
  for (int v = 1; v <= 40; ++v) numbers += (v < 10 ? "   " : "  ") + std::to_string(v);
  EXPECT_EQ(lines[9], numbers);
  EXPECT_EQ(lines[10], "File 1.txt (7) created by Tarbel, u=3");
  EXPECT_EQ(lines[11], "5*5*3*3*4*2*2");
  EXPECT_EQ(lines[12], "");
  // Draws row by row: all of P1 first, each uniform in 0..bound-1.
  ASSERT_EQ(platform.random_requests.size(), 280u);
  EXPECT_EQ(platform.random_requests[0], 5);
  EXPECT_EQ(platform.random_requests[40 * 2], 3);
  EXPECT_EQ(platform.random_requests[279], 2);
}

TEST_F(VariantParametersTest, SelectGivesSignedBytesAndRefusesWhatTheFileCannotServe) {
  std::filesystem::create_directories(FilePath().parent_path());
  // Two variants only, P1 of variant 2 outside its bound 5.
  WriteBytes(FilePath(),
             "\r\n2\r\ni1   3   9\r\ni2   1   1\r\ni3   1   1\r\ni4   1   1\r\ni5   1   1\r\n"
             "i6   1   1\r\ni7   1   1\r\n");
  Load();
  shell::SelectVariantParameters(*s, 1);
  EXPECT_EQ(s->P1, 3);
  try {
    shell::SelectVariantParameters(*s, 2);
    ADD_FAILURE() << "value 9 above bound 5 accepted";
  } catch (const shell::ParameterFileError& e) {
    EXPECT_NE(std::string(e.what()).find("value 9 for P1 of variant 2, outside 1..5"),
              std::string::npos)
        << e.what();
  }
  EXPECT_THROW(shell::SelectVariantParameters(*s, 3), shell::ParameterFileError);

  // A bound above 127 reaches the generators as value - 256.
  tiny.rows[0].Bounds[5] = 253;
  WriteBytes(FilePath(),
             "\r\n2\r\ni1   3\r\ni2   1\r\ni3   1\r\ni4   1\r\ni5   1\r\ni6 200\r\ni7   1\r\n");
  Load();
  shell::SelectVariantParameters(*s, 1);
  EXPECT_EQ(s->P6, 200 - 256);
}

TEST_F(VariantParametersTest, DamagedFileIsAnIoError) {
  std::filesystem::create_directories(FilePath().parent_path());
  WriteBytes(FilePath(), "\r\n2\r\ni1   3  x4\r\n");
  EXPECT_THROW(Load(), toolkit::IoError);
}

TEST_F(VariantParametersTest, FolderThatCannotBeMadeIsAnIoError) {
  WriteBytes(dir.path() / "dat1", "a file where the folder belongs");
  EXPECT_THROW(Load(), toolkit::IoError);
}

TEST_F(VariantParametersTest, BoundOfOneAlwaysStoresOne) {
  s->ProblemNumber = 2;  // bounds 1 except P3
  Load();
  for (int v = 1; v <= 40; ++v) {
    EXPECT_EQ(s->StoredVariants[v][1], 1);
    EXPECT_EQ(s->StoredVariants[v][7], 1);
  }
}

TEST_F(VariantParametersTest, SetTextOfFileNames) {
  struct Case {
    bool students;
    int set;
    const char* group;
    const char* expected;
  };
  const Case cases[] = {
      {false, 7, "", "7"},         {false, 10000, "", "1000"}, {true, 7, "ИВТ-21а", "ИВТ-"},
      {true, 7, "a/b\\c", "a_b_"}, {true, 7, "..", ".."},      {true, 7, "x\ty", "x_y"},
  };
  for (const Case& c : cases) {
    s->StudentsMode = c.students;
    s->SetNumber = c.set;
    s->GroupName = c.group;
    EXPECT_EQ(shell::ParameterSetText(*s), c.expected) << c.group;
  }
}

TEST_F(VariantParametersTest, NearDuplicatePassBumpsTheFirstParameter) {
  s->ParameterRanges = tiny_subject::Ranges();  // P1 bound 5
  for (int v = 1; v <= 34; ++v) {
    for (int k = 1; k <= 7; ++k) s->StoredVariants[v][k] = static_cast<std::uint8_t>(v + k);
  }
  for (int k = 1; k <= 4; ++k) s->StoredVariants[2][k] = s->StoredVariants[1][k];
  s->StoredVariants[1][1] = 3;
  s->StoredVariants[2][1] = 3;
  shell::MakeVariantParametersDistinct(*s);
  EXPECT_EQ(s->StoredVariants[2][1], 4);
  EXPECT_EQ(s->StoredVariants[1][1], 3);

  // With bound 1 a bump cannot separate equal records: the pass still ends.
  s->ParameterRanges[1][1] = 1;
  for (int v = 1; v <= 34; ++v) {
    for (int k = 1; k <= 7; ++k) s->StoredVariants[v][k] = 1;
  }
  shell::MakeVariantParametersDistinct(*s);
  EXPECT_EQ(s->StoredVariants[34][1], 1);
}

TEST(BumpParameterTest, CyclesThroughOneToBoundMinusOne) {
  struct Case {
    int p, bound, expected;
  };
  for (const Case& c :
       {Case{3, 5, 4}, Case{4, 5, 1}, Case{5, 5, 1}, Case{1, 1, 1}, Case{1, 2, 1}}) {
    std::uint8_t p = static_cast<std::uint8_t>(c.p);
    shell::BumpParameter(p, c.bound);
    EXPECT_EQ(p, c.expected) << c.p << " bound " << c.bound;
  }
}

TEST_F(VariantParametersTest, UpdateFileDeletesTheFileSoTheNextLoadDrawsAgain) {
  Load();
  ASSERT_TRUE(std::filesystem::exists(FilePath()));
  shell::DeleteVariantParameterFile(*s);
  EXPECT_FALSE(std::filesystem::exists(FilePath()));
  Load();
  EXPECT_EQ(platform.random_requests.size(), 560u);
}

}  // namespace

namespace {

// A new set draws a variant again while it prints a problem an earlier variant prints;
// a set without repeats keeps its draws (and the random sequence), a printing that throws is
// no new problem, and a space of fewer than 40 problems keeps every problem it has.
TEST(RedrawRepeatedVariantsTest, DrawsAgainOnlyWhatRepeatsAnEarlierProblem) {
  auto s = std::make_unique<SharedState>();
  s->ProblemNumber = 1;
  for (int k = 1; k <= 7; ++k) s->ParameterRanges[1][k] = 1;
  s->ParameterRanges[1][1] = 200;
  s->ParameterRanges[1][2] = 9;
  const std::vector<int> one_level = {1};

  struct Case {
    const char* name;
    shell::PrintedVariant print;
    std::size_t problems;  // different problems the set ends with
  };
  const Case cases[] = {
      {"prints P1 / 10: 20 problems in the space",
       [](int, int, const std::array<int, 7>& p) { return std::to_string(p[0] / 10); }, 21},
      {"prints P1 mod 50; odd P1 cannot be printed",
       [](int, int, const std::array<int, 7>& p) {
         if (p[0] % 2 == 1) throw toolkit::DegenerateDataError("odd");
         return std::to_string(p[0] % 50);
       },
       0},  // as many as there are first draws that can be printed (at most 25)
      {"prints P1 and P2 apart", [](int, int, const std::array<int, 7>& p) {
         return std::to_string(p[0]) + "," + std::to_string(p[1]);
       }, 40},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    shell::ParameterDraws draws = shell::DrawVariantParameters(*s, platform);
    const shell::ParameterDraws first = draws;
    shell::RedrawRepeatedVariants(*s, draws, c.print, one_level);
    std::set<std::string> problems;
    std::size_t printable = 0;
    for (const auto& p : first) printable += p[0] % 2 == 0 ? 1 : 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
      EXPECT_GE(draws[i][0], 1) << c.name;
      EXPECT_LE(draws[i][0], 200) << c.name;
      try {
        problems.insert(c.print(1, static_cast<int>(i) + 1, draws[i]));
      } catch (const toolkit::DegenerateDataError&) {
        // a first draw that cannot be printed stays for the Start to report
        EXPECT_EQ(draws[i], first[i]) << c.name;
      }
    }
    EXPECT_EQ(problems.size(), c.problems != 0 ? c.problems : std::min<std::size_t>(printable, 25))
        << c.name;
  }

  // Every variant prints a problem of its own: nothing is drawn again.
  FakePlatform platform;
  shell::ParameterDraws draws = shell::DrawVariantParameters(*s, platform);
  const shell::ParameterDraws first = draws;
  shell::RedrawRepeatedVariants(
      *s, draws, [](int, int v, const std::array<int, 7>&) { return std::to_string(v); },
      one_level);
  EXPECT_EQ(draws, first);

  // The same first draws end the same, whatever the platform's sequence does meanwhile.
  shell::ParameterDraws again = first, once_more = first;
  auto by_tens = [](int, int, const std::array<int, 7>& p) { return std::to_string(p[0] / 10); };
  shell::RedrawRepeatedVariants(*s, again, by_tens, one_level);
  shell::RedrawRepeatedVariants(*s, once_more, by_tens, one_level);
  EXPECT_EQ(again, once_more);
  EXPECT_NE(again, first);
}

// The problems of a set at one Level: element v - 1 for variant v.
std::vector<std::string> ProblemsAt(const shell::PrintedVariant& print, int level,
                                    const shell::ParameterDraws& draws) {
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < draws.size(); ++i) {
    problems.push_back(print(level, static_cast<int>(i) + 1, draws[i]));
  }
  return problems;
}

// The nearest two variants of a set that print the same problem: 1000 when none do.
int NearestRepeat(const std::vector<std::string>& problems) {
  int nearest = 1000;
  for (std::size_t i = 0; i < problems.size(); ++i) {
    for (std::size_t j = i + 1; j < problems.size(); ++j) {
      if (problems[i] == problems[j]) nearest = std::min(nearest, static_cast<int>(j - i));
    }
  }
  return nearest;
}

// One set serves every Level: it is drawn again until no Level repeats a problem, and a Level
// whose space holds fewer problems than the set repeats each one as far back as it can, while
// the Levels with room for all keep 40 different problems.
TEST(RedrawRepeatedVariantsTest, EveryLevelGetsItsOwnProblemsAndRepeatsAsFarApartAsItCan) {
  auto s = std::make_unique<SharedState>();
  s->ProblemNumber = 1;
  for (int k = 1; k <= 7; ++k) s->ParameterRanges[1][k] = 1;
  s->ParameterRanges[1][1] = 200;
  s->ParameterRanges[1][2] = 9;
  std::vector<int> every_level;
  for (int level = 1; level <= shell::kLevelCount; ++level) every_level.push_back(level);
  struct Case {
    const char* name;
    shell::PrintedVariant print;
    std::vector<std::pair<int, int>> nearest;  // Level, nearest repeat it ends with
  };
  const Case cases[] = {
      // Level 1 alone, drawing the set, sees 50 problems; Level 3 prints 450 others.
      {"P1 / 4, and at Level 3 P1 mod 50 with P2",
       [](int level, int, const std::array<int, 7>& p) {
         if (level == 3) return std::to_string(p[0] % 50) + "," + std::to_string(p[1]);
         return std::to_string(p[0] / 4);
       },
       {{1, 1000}, {3, 1000}, {7, 1000}}},
      {"ten problems at every Level",
       [](int, int, const std::array<int, 7>& p) { return std::to_string(p[0] % 10); },
       {{1, 10}, {10, 10}}},
      // Level 1 prints the 8 values of P1 mod 8 and the Levels above add P2 to them.
      {"eight problems at Level 1, 72 above it",
       [](int level, int, const std::array<int, 7>& p) {
         return std::to_string(p[0] % 8) + (level > 1 ? "," + std::to_string(p[1]) : "");
       },
       {{1, 8}, {2, 1000}, {10, 1000}}},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    shell::ParameterDraws draws = shell::DrawVariantParameters(*s, platform);
    shell::RedrawRepeatedVariants(*s, draws, c.print, every_level);
    for (auto [level, nearest] : c.nearest) {
      const std::vector<std::string> problems = ProblemsAt(c.print, level, draws);
      EXPECT_EQ(NearestRepeat(problems), nearest) << c.name << ", Level " << level;
      if (nearest < 1000) {
        // Variant k + space repeats variant k.
        for (std::size_t i = static_cast<std::size_t>(nearest); i < problems.size(); ++i) {
          EXPECT_EQ(problems[i], problems[i - static_cast<std::size_t>(nearest)])
              << c.name << ", Level " << level << ", variant " << i + 1;
        }
      }
    }
  }

  // A Level the row refuses for every draw is left aside: the set is drawn for the others
  // without spending every variant's tries on it.
  int printings = 0;
  auto refuses_level_9 = [&printings](int level, int, const std::array<int, 7>& p) {
    ++printings;
    if (level == 9) throw toolkit::DegenerateDataError("Level 9");
    return std::to_string(p[0]) + "," + std::to_string(p[1]);
  };
  FakePlatform platform;
  shell::ParameterDraws draws = shell::DrawVariantParameters(*s, platform);
  shell::RedrawRepeatedVariants(*s, draws, refuses_level_9, every_level);
  EXPECT_EQ(NearestRepeat(ProblemsAt(refuses_level_9, 1, draws)), 1000);
  EXPECT_LT(printings, 1000);
}

}  // namespace

namespace {

std::string ThreeVariantFile(const std::string& end) {
  std::string text = end + "2" + end;
  for (int k = 1; k <= 7; ++k) text += "i" + std::to_string(k) + "   1   2   2" + end;
  return text;
}

// The file is read for every variant: only its nine lines are, however much follows them.
TEST_F(VariantParametersTest, OnlyTheNineLinesAreReadWhateverFollows) {
  std::filesystem::create_directories(FilePath().parent_path());
  WriteBytes(FilePath(), ThreeVariantFile("\r\n") + std::string(5'000'000, '\n'));
  const auto begin = std::chrono::steady_clock::now();
  for (int v = 1; v <= 40; ++v) Load();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(4));
  shell::SelectVariantParameters(*s, 3);
  EXPECT_EQ(s->P7, 2);
}

// CR LF, LF and CR alone end lines alike.
TEST_F(VariantParametersTest, EveryKindOfLineEndIsRead) {
  std::filesystem::create_directories(FilePath().parent_path());
  for (const char* end : {"\r\n", "\n", "\r"}) {
    WriteBytes(FilePath(), ThreeVariantFile(end));
    s->StoredVariants[2][5] = 0;
    Load();
    shell::SelectVariantParameters(*s, 2);
    EXPECT_EQ(s->P5, 2) << "line end " << static_cast<int>(end[0]);
  }
}

}  // namespace

namespace {

// A stored value is checked whole: 257 and -255 are not 1 in disguise.
TEST_F(VariantParametersTest, ValuesOutsideTheirRangeAreRefusedWhole) {
  std::filesystem::create_directories(FilePath().parent_path());
  for (const char* value : {"257", "-255", "256", "99999999999"}) {
    std::string text = "\r\n2\r\ni1   1 " + std::string(value) + "\r\n";
    for (int k = 2; k <= 7; ++k) text += "i" + std::to_string(k) + "   1   1\r\n";
    WriteBytes(FilePath(), text);
    try {
      Load();
      shell::SelectVariantParameters(*s, 2);
      ADD_FAILURE() << value << " taken as " << static_cast<int>(s->P1);
    } catch (const shell::ParameterFileError& e) {
      EXPECT_NE(std::string(e.what()).find("\"Update File\""), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("P1 of variant 2"), std::string::npos) << e.what();
    } catch (const toolkit::IoError& e) {
      // A number too large for any value is a damaged file.
      EXPECT_EQ(std::string(value), "99999999999") << e.what();
    }
  }
}

}  // namespace
