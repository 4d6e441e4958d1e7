#include "subjects/strength/indeterminate_torsion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "shell/dispatch.h"
#include "strength_run.h"
#include "tests/support/memory_files.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RunRow;

constexpr int kRow = 18;

// Reads the shaft back (moments from the data text and the moment boxes, lengths from the
// figure's labels, diameters from the data text) and checks the printed reaction and twists:
// with the printed M_A the twist of the whole shaft is 0, and the section twists are the
// running sums of T L / (G J).
std::string CheckPrintedShaft(const testing_support::RunTexts& t) {
  double M[4], D[5], L[5];
  const std::size_t data = t.main.find("\\\\ {");
  for (int k = 1; k <= 3; ++k) M[k] = NumberAfter(t.main, "${M_" + std::to_string(k) + "=", data);
  for (int k = 1; k <= 3; ++k) D[k] = NumberAfter(t.main, "${d_" + std::to_string(k) + "=", data);
  D[4] = NumberAfter(t.main, "$d_4=", data);
  // The moment boxes in order of their sections; momntp is a positive moment.
  const auto plus = strength_check::BoxPlacements(t.main, "momntp");
  const auto minus = strength_check::BoxPlacements(t.main, "momntm");
  if (plus.size() + minus.size() != 3) return "three moments expected";
  std::vector<std::pair<double, int>> marks;
  for (const auto& p : plus) marks.push_back({p.first, 1});
  for (const auto& p : minus) marks.push_back({p.first, -1});
  std::sort(marks.begin(), marks.end());
  for (int k = 1; k <= 3; ++k) {
    M[k] *= marks[k - 1].second;
    if (marks[k - 1].first <= 0 || marks[k - 1].first >= 118) return "moment off the shaft";
  }
  // Lengths: the marks split the 14 m shaft, drawn 118 long, into whole metres (the marks'
  // two printed decimals are not exact at that scale).
  double x[5] = {0, marks[0].first, marks[1].first, marks[2].first, 118};
  for (int k = 1; k <= 4; ++k) L[k] = std::round((x[k] - x[k - 1]) * 14 / 118);
  const std::vector<double> cells = strength_check::RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 5) return "five cells expected";
  const double MA = cells[1] * 1000;  // Nm, the left clamp's moment on the shaft
  double phi = 0, scale = 0;
  double torque = -MA;
  for (int k = 1; k <= 4; ++k) {
    const double J = std::numbers::pi * std::pow(D[k], 4) / 32;
    if (k > 1) torque += M[k - 1] * 1000;
    phi += torque * L[k] / (8e10 * J);
    scale += L[k] / (8e10 * J);
    if (k <= 3 && std::fabs(cells[1 + k] / 100 - phi) > 0.000005 + 0.5 * scale) {
      return "twist " + std::to_string(k);
    }
  }
  // M_A is printed to 0.5 Nm.
  if (std::fabs(phi) > 0.5 * scale + 1e-12) return "the clamps turn: " + std::to_string(phi);
  return {};
}

TEST(IndeterminateTorsionTest, PrintedReactionKeepsBothClampsFixed) {
  const auto points = strength_check::SamplePoints({10, 10, 10, 10, 10, 10, 10},
                                                   testing_support::FullSweep() ? 50000 : 1500);
  for (const auto& point : points) {
    ASSERT_EQ(CheckPrintedShaft(RunRow(kRow, {point})), "") << testing_support::Describe({point, 1});
  }
}

TEST(IndeterminateTorsionTest, DerivedDataOverTheWholeSpace) {
  // The whole space from the derived data: both clamps fixed, twists the running sums of
  // T L / (G J).
  // The normal suite visits P4..P7 in steps of 3 (1, 4, 7, 10).
  const int step = testing_support::FullSweep() ? 1 : 3;
  long checked = 0;
  for (int p1 = 1; p1 <= 10; ++p1)
    for (int p2 = 1; p2 <= 10; ++p2)
      for (int p3 = 1; p3 <= 10; ++p3)
        for (int p4 = 1; p4 <= 10; p4 += step)
          for (int p5 = 1; p5 <= 10; p5 += step)
            for (int p6 = 1; p6 <= 10; p6 += step)
              for (int p7 = 1; p7 <= 10; p7 += step) {
                const auto v = DeriveIndeterminateTorsion(p1, p2, p3, p4, p5, p6, p7);
                ASSERT_EQ(v.D[4], 0.09);
                double phi = 0, torque = -v.MA;
                for (int k = 1; k <= 4; ++k) {
                  const double J = std::numbers::pi * std::pow(v.D[k], 4) / 32;
                  if (k > 1) torque += v.M[k - 1] * 1000.0;
                  phi += torque * v.L[k] / (8e10 * J);
                  if (k <= 3) { ASSERT_NEAR(v.phi[k], phi, 1e-12) << p1 << p2 << p3 << p4 << p5 << p6 << p7; }
                }
                ASSERT_NEAR(phi, 0, 1e-12) << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                ++checked;
              }
  EXPECT_EQ(checked, step == 1 ? 10000000 : 256000);
}

TEST(IndeterminateTorsionTest, GoldenRowsWithTheFourthDiameterFixed) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{3, 7, 2, 9, 4, 6, 8}, "1 & -40.931\r\n& 5.474\r\n& 7.177\r\n& 8.592"},
      {{10, 10, 10, 10, 10, 10, 10}, "1 & 190.201\r\n&-7.433\r\n&-11.935\r\n&-13.506"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswersRow(RunRow(kRow, {c.p}).answers), c.row);
  const auto t = RunRow(kRow, {{3, 7, 2, 9, 4, 6, 8}});
  EXPECT_NE(t.main.find("\\\\ {\r\n${M_1=24}$кНм, \r\n${M_2=14}$кНм,\\\\ \r\n${M_3=42}$кНм, \r\n"
                        "${d_1=0.13}$м,\\\\ \r\n${d_2=0.15}$м, \r\n${d_3=0.17}$м,\\\\ \r\n"
                        "$d_4=0.09$м.}\r\n"),
            std::string::npos)
      << t.main;
}

TEST(IndeterminateTorsionTest, DocumentDoesNotDependOnWhatRanBefore) {
  // The fourth diameter once came from a byte that other rows write: run another row's
  // Start first on the same state and compare.
  auto fresh = testing_support::NewState();
  const auto alone = testing_support::RunTableRow(*fresh, shell::DefaultSubjectTable(), 2, kRow,
                                                  {{3, 7, 2, 9, 4, 6, 8}});
  auto used = testing_support::NewState();
  testing_support::RunTableRow(*used, shell::DefaultSubjectTable(), 2, 7,
                               {{30, 29, 28, 8, 8, 8, 8}});
  testing_support::OpenMemoryFiles(*used);
  const auto after = testing_support::RunTableRow(*used, shell::DefaultSubjectTable(), 2, kRow,
                                                  {{3, 7, 2, 9, 4, 6, 8}});
  EXPECT_EQ(after.main, alone.main);
  EXPECT_EQ(after.answers, alone.answers);
}

TEST(IndeterminateTorsionTest, LengthsAndSubstituteMoment) {
  const auto v = DeriveIndeterminateTorsion(10, 10, 10, 5, 1, 1, 1);
  EXPECT_EQ(v.L[4], 2);
  EXPECT_DOUBLE_EQ(v.X[5], 140);
  const auto w = DeriveIndeterminateTorsion(1, 1, 5, 3, 1, 1, 1);
  EXPECT_EQ(w.M[3], 7);
  EXPECT_EQ(w.L[4], 5);
}

}  // namespace
}  // namespace strength
