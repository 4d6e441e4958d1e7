// A set of 40 drawn for a new parameter file gives 40 students 40 different problems at every
// Level, as a teacher's start folder holds one file a problem and set for all Levels. For every
// built row of the program's subject table a Start at Level 1 in an empty folder draws the file,
// and Starts at Levels 2..10 in the same folder read it; at each Level the variant boxes (the
// heading with the variant number left out) are compared: there are 40 different ones, or, for
// a row whose parameter space prints fewer than 40 problems at that Level, as many as the space
// holds (kSmallSpaces), each repeated as far back as the space allows (variant k + space repeats
// variant k). How many a space holds is counted by printing the row over its whole space when it
// is small, else over a sample of its parameters (larger spaces and samples under TARBEL_FULL=1).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "shell/start.h"
#include "shell/variant_parameters.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::FakePlatform;
using testing_support::ReadBytes;
using testing_support::TempDir;

// Rows whose whole parameter space prints fewer than 40 different problems at a Level
// (level 0: at every Level).
struct SmallSpace {
  int subject;
  int row;
  int level;
  std::size_t problems;
};
constexpr SmallSpace kSmallSpaces[] = {
    {1, 25, 0, 8},   // Analysis, sum of a series: 8 series
    {1, 16, 1, 25},  // Analysis, binomial integrals: item 1 alone, 5 x 5 square roots
    {6, 23, 0, 30},  // Kinematics, tasks on different topics: a bank of 30
    {7, 2, 0, 33},   // Dynamics, worded point-dynamics problems: a bank of 33
    {7, 29, 0, 10},  // Dynamics, Hamilton equations: ten mechanisms
    {8, 4, 0, 30},   // AI, recursion: 30 problems
    {9, 1, 0, 32},   // Logic rows 1, 2 and 4
    {9, 2, 0, 32},
    {9, 4, 0, 37},
};

std::size_t Allowance(int subject, int row, int level) {
  for (const SmallSpace& small : kSmallSpaces) {
    if (small.subject == subject && small.row == row && (small.level == 0 || small.level == level))
      return small.problems;
  }
  return 40;
}

bool Full() {
  const char* full = std::getenv("TARBEL_FULL");
  return full != nullptr && std::string(full) == "1";
}

// The text of each variant box of a problem-set document, from after its heading line to
// the box's end.
std::vector<std::string> VariantBodies(const std::string& document) {
  const std::string open = "\\fboxsep=8pt\\noindent\\fbox{\\parbox{";
  const std::string close = "}}%\r\n\\rule{0pt}{50pt}";
  std::vector<std::string> bodies;
  for (std::size_t pos = document.find(open); pos != std::string::npos;
       pos = document.find(open, pos + 1)) {
    const std::size_t heading_end = document.find("\\vskip1pt", pos);
    const std::size_t end = document.find(close, pos);
    if (heading_end == std::string::npos || end == std::string::npos || end < heading_end) {
      bodies.push_back("(no box end)");
      continue;
    }
    bodies.push_back(document.substr(heading_end, end - heading_end));
  }
  return bodies;
}

// How many different problems row prints at level over its space: every parameter set when
// the space is small or under TARBEL_FULL, else a reproducible sample; stops counting at 40.
std::size_t ProblemsInSpace(int subject, int row, int level) {
  auto s = std::make_unique<SharedState>();
  s->SubjectIndex = subject;
  s->ProblemNumber = row;
  s->Level = level;
  s->FirstNumber = 1;
  s->VariantCount = 40;
  s->SetNumber = 1;
  s->ParameterRanges = shell::SubjectRanges(shell::DefaultSubjectTable(), subject);
  const shell::PrintedVariant print = shell::SelectedRowPrinter(*s, shell::DefaultSubjectTable());
  std::array<int, 7> bounds{};
  std::uint64_t combinations = 1;
  for (int k = 1; k <= 7; ++k) {
    bounds[static_cast<std::size_t>(k - 1)] = std::max<int>(1, s->ParameterRanges[row][k]);
    combinations *= static_cast<std::uint64_t>(bounds[static_cast<std::size_t>(k - 1)]);
  }
  std::set<std::string> seen;
  auto add = [&](const std::array<int, 7>& p) {
    try {
      seen.insert(print(level, 1, p));
    } catch (const std::exception&) {
    }
    return seen.size() >= 40;
  };
  if (combinations <= (Full() ? 200000u : 2000u)) {
    std::array<int, 7> p{1, 1, 1, 1, 1, 1, 1};
    for (std::uint64_t i = 0; i < combinations; ++i) {
      if (add(p)) break;
      for (std::size_t k = 0; k < 7; ++k) {
        if (++p[k] <= bounds[k]) break;
        p[k] = 1;
      }
    }
    return seen.size();
  }
  FakePlatform draws;
  for (int i = 0; i < (Full() ? 20000 : 2000); ++i) {
    std::array<int, 7> p{};
    for (std::size_t k = 0; k < 7; ++k) p[k] = draws.RandomInt(bounds[k]) + 1;
    if (add(p)) break;
  }
  return seen.size();
}

// The nearest two variants that print the same problem: 40 when none do.
std::size_t NearestRepeat(const std::vector<std::string>& bodies) {
  std::size_t nearest = 40;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    for (std::size_t j = i + 1; j < bodies.size() && j - i < nearest; ++j) {
      if (bodies[i] == bodies[j]) nearest = j - i;
    }
  }
  return nearest;
}

// One tab a test, so that ctest runs the tabs side by side.
class DistinctVariantsTest : public ::testing::TestWithParam<int> {};

TEST_P(DistinctVariantsTest, ANewSetOf40PrintsAsManyDifferentProblemsAsTheRowHoldsAtEveryLevel) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const int subject = GetParam();
  for (int row = 1; row <= shell::ProblemCount(table, subject); ++row) {
    if (!shell::IsBuilt(table, subject, row)) continue;
    TempDir dir;  // one start folder for the row: Level 1 draws the file, the others read it
    for (int level = 1; level <= shell::kLevelCount; ++level) {
      const std::string who = std::string(shell::SubjectLetters[subject - 1]) + " row " +
                              std::to_string(row) + " level " + std::to_string(level);
      FakePlatform platform;
      auto s = std::make_unique<SharedState>();
      shell::ShellSession session;
      session.StartDirectory = dir.path();
      session.LevelControl = level;
      s->SubjectIndex = subject;
      s->SavedProblems[subject] = row;
      s->SetNumber = 1;
      s->FirstNumber = 1;
      s->VariantCount = 40;
      s->AnswersOn = true;
      ASSERT_TRUE(shell::Start(*s, session, platform)) << who;
      const std::vector<std::string> bodies =
          VariantBodies(ReadBytes(dir.path() / (s->OutputName + ".tex")));
      ASSERT_EQ(bodies.size(), 40u) << who;
      const std::set<std::string> distinct(bodies.begin(), bodies.end());
      const std::size_t listed = Allowance(subject, row, level);
      // A set of 40 different problems needs no count of its space; a row listed in
      // kSmallSpaces holds exactly that many problems; any other row 40 or more, or (a row not
      // listed yet) as many as the sample finds, which it says.
      if (distinct.size() == 40 && listed == 40) continue;
      const std::size_t space = ProblemsInSpace(subject, row, level);
      if (listed < 40) {
        EXPECT_EQ(space, listed) << who;
      }
      if (space < 40 && listed == 40) {
        std::printf("small parameter space: %s prints %zu problems\n", who.c_str(), space);
      }
      EXPECT_EQ(distinct.size(), std::min<std::size_t>(40, space)) << who;
      if (space < 40) {
        EXPECT_EQ(NearestRepeat(bodies), distinct.size())
            << who << ": repeats nearer than the space";
      }
    }
  }
}

std::string TabName(const ::testing::TestParamInfo<int>& info) {
  return std::string(shell::SubjectLetters[static_cast<std::size_t>(info.param - 1)]);
}

INSTANTIATE_TEST_SUITE_P(EveryTab, DistinctVariantsTest, ::testing::Range(1, 10), TabName);

}  // namespace
