// A set of 40 drawn for a new parameter file gives 40 students 40 different problems. For every
// built row of the program's subject table at Levels 1, 5 and 10, a Start in an empty folder
// writes the 40-variant document, and the variant boxes (the heading with the variant number
// left out) are compared: there are 40 different ones, or, for a row whose parameter space
// prints fewer than 40 problems, as many as the space holds (kSmallSpaces). How many a space
// holds is counted by printing the row over its whole space when it is small, else over a sample
// of its parameters (larger spaces and samples under TARBEL_FULL=1).

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

// Rows whose whole parameter space prints fewer than 40 different problems at a Level.
struct SmallSpace {
  int subject;
  int row;
  int level;
  std::size_t problems;
};
constexpr SmallSpace kSmallSpaces[] = {
    {1, 25, 1, 8},  // Analysis, sum of a series: 8 series
    {1, 25, 5, 8},
    {1, 25, 10, 8},
    {1, 16, 1, 25},  // Analysis, binomial integrals: item 1 alone, 5 x 5 square roots
    {7, 2, 1, 33},   // Dynamics, worded point-dynamics problems: a bank of 33
    {7, 2, 5, 33},
    {7, 2, 10, 33},
    {7, 29, 1, 10},  // Dynamics, Hamilton equations: ten mechanisms
    {7, 29, 5, 10},
    {7, 29, 10, 10},
    {9, 1, 1, 32},   // Logic rows 1, 2 and 4
    {9, 1, 5, 32},
    {9, 1, 10, 32},
    {9, 2, 1, 32},
    {9, 2, 5, 32},
    {9, 2, 10, 32},
    {9, 4, 1, 37},
    {9, 4, 5, 37},
    {9, 4, 10, 37},
};

std::size_t Allowance(int subject, int row, int level) {
  for (const SmallSpace& small : kSmallSpaces) {
    if (small.subject == subject && small.row == row && small.level == level) return small.problems;
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
      seen.insert(print(1, p));
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

TEST(DistinctVariantsTest, ANewSetOf40PrintsAsManyDifferentProblemsAsTheRowHolds) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int subject = 1; subject <= 9; ++subject) {
    for (int row = 1; row <= shell::ProblemCount(table, subject); ++row) {
      if (!shell::IsBuilt(table, subject, row)) continue;
      for (int level : {1, 5, 10}) {
        const std::string who = std::string(shell::SubjectLetters[subject - 1]) + " row " +
                                std::to_string(row) + " level " + std::to_string(level);
        TempDir dir;
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
        // A row listed in kSmallSpaces holds exactly that many problems; any other row either
        // 40 or more, or (a row not listed yet) as many as the sample finds, which it says.
        const std::size_t space = ProblemsInSpace(subject, row, level);
        const std::size_t listed = Allowance(subject, row, level);
        if (listed < 40) {
          EXPECT_EQ(space, listed) << who;
        }
        if (space < 40 && listed == 40) {
          std::printf("small parameter space: %s prints %zu problems\n", who.c_str(), space);
        }
        EXPECT_EQ(distinct.size(), std::min<std::size_t>(40, space)) << who;
      }
    }
  }
}

}  // namespace
