#include <gtest/gtest.h>

#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "strength_run.h"
#include "subjects/strength/sectorial_characteristics.h"
#include "subjects/strength/sectorial_coordinates.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "thin_walled.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::RowNumbers;

testing_support::RunTexts RunAtLevel(int level, const testing_support::VariantParams& p) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 2, 29, {p});
}

// The rows of the second answers file after its head: the variant number and five cells.
std::vector<double> SecondFileNumbers(const std::string& text) {
  const std::size_t head = text.rfind("\\\\\\hline ");
  std::vector<double> out;
  std::size_t at = text.find_first_of("0123456789", head + 9);
  out.push_back(std::stod(text.substr(at)));
  for (at = text.find('&', at); at != std::string::npos; at = text.find('&', at + 1)) {
    out.push_back(std::stod(text.substr(at + 1)));
  }
  return out;
}

// ---- Level 1: five points, four walls 0.1 cm thick.

// Reads the drawn profile back in centimetres through the dimension chains and integrates it.
// The points are drawn 1-2-3-4-5 (chain) or 1-2-3, 1-5, 2-4 (branched).
std::string CheckCoordinates(const testing_support::VariantParams& p) {
  const auto t = RunAtLevel(1, p);
  const auto paths = thin_walled::ThickPaths(t.main);
  std::vector<double> px, py;
  for (const auto& path : paths)
    for (const auto& q : path) px.push_back(q.first), py.push_back(q.second);
  const auto [hl, vl] = thin_walled::ChainLabels(t.main);
  const auto xs = thin_walled::ThroughChain(px, hl), ys = thin_walled::ThroughChain(py, vl);
  if (xs.empty() || ys.empty()) return "chains do not match the profile";
  std::vector<thin_walled::Wall> walls;
  std::size_t k = 0;
  std::vector<std::pair<double, double>> numbered;  // points 1..5 by first appearance
  for (const auto& path : paths) {
    for (std::size_t i = 0; i < path.size(); ++i, ++k) {
      bool seen = false;
      for (const auto& q : numbered) seen |= q.first == xs[k] && q.second == ys[k];
      if (!seen) numbered.push_back({xs[k], ys[k]});
      if (i > 0) walls.push_back({xs[k - 1], ys[k - 1], xs[k], ys[k], 0.1});
    }
  }
  if (walls.size() != 4 || numbered.size() != 5) return "four walls through five points";
  if (paths.size() == 3) std::swap(numbered[3], numbered[4]);  // branched: 1, 2, 3, 5, 4
  const thin_walled::Section section(walls);
  const auto c = section.Solve();
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 10) return "ten cells";
  const double want[10] = {0, c.A, c.xc, c.yc, c.xP, c.yP, c.Jxc, c.Jyc, c.Jxyc, c.Jw};
  if (std::fabs(cells[1] - c.A) > 0.051) return "A";
  for (int i = 2; i < 10; ++i) {
    if (std::fabs(cells[i] - want[i]) > 5.1e-4) return "cell " + std::to_string(i);
  }
  const auto omega = SecondFileNumbers(t.second_answers);
  if (omega.size() != 6) return "five sectorial coordinates";
  for (int i = 0; i < 5; ++i) {
    const double w = section.PrincipalOmega(numbered[i].first, numbered[i].second);
    if (std::fabs(omega[i + 1] - w) > 5.1e-4) return "omega " + std::to_string(i + 1);
  }
  return {};
}

TEST(SectorialCoordinatesTest, AnswersFollowTheDrawnProfile) {
  // P2..P5 above 3 repeat 1..2; P7 is not read.
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {10, 5, 5, 5, 5, 5, 1}, 1200, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckCoordinates(point.p), "") << testing_support::Describe(point);
  }
}

TEST(SectorialCoordinatesTest, GoldenEdgeCases) {
  struct Case {
    testing_support::VariantParams p;
    std::string row, omega;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1},
       "1&   2.0& 6.425& 3.575& 3.972& 3.285& 3.305&42.739&10.311&21.716",
       "1\r\n&-8.420\r\n& 3.498\r\n& 1.217\r\n&-6.838\r\n& 5.166\r\n"},
      {{4, 1, 1, 1, 1, 4, 1},
       "1&   2.3& 6.609& 3.457& 2.889& 4.334& 2.354&55.281& 4.661&35.142",
       "1\r\n& 2.214\r\n&-0.460\r\n&-3.134\r\n&14.872\r\n&-9.343\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunAtLevel(1, c.p);
    EXPECT_EQ(AnswersRow(t.answers), c.row);
    EXPECT_NE(t.second_answers.find(c.omega), std::string::npos) << t.second_answers;
  }
  // Reduced sizes and the two mirrors that leave the profile as it is.
  EXPECT_EQ(AnswersRow(RunAtLevel(1, {2, 4, 5, 4, 5, 2, 1}).answers),
            AnswersRow(RunAtLevel(1, {2, 1, 2, 1, 2, 2, 1}).answers));
  EXPECT_EQ(RunAtLevel(1, {7, 2, 2, 2, 2, 4, 1}).main, RunAtLevel(1, {7, 2, 2, 2, 2, 5, 1}).main);
}

// ---- Other Levels: ten mid-line sections, 1 cm thick, drawn in section coordinates.

// The thick segments read back from the figure, shape 9 moved so that its x axis (the top
// plate) is y = 0; the integrator's values against the printed cells.
std::string CheckCharacteristics(const testing_support::VariantParams& p) {
  const auto t = RunAtLevel(5, p);
  const auto paths = thin_walled::ThickPaths(t.main);
  // The x axis: the first dashed line starts at its height.
  const std::size_t axis = t.main.find("\\multiput(");
  const double axis_y = std::stod(t.main.substr(t.main.find(',', axis) + 1));
  std::vector<thin_walled::Wall> walls;
  for (const auto& path : paths) {
    for (std::size_t i = 1; i < path.size(); ++i) {
      walls.push_back({path[i - 1].first, path[i - 1].second - axis_y, path[i].first,
                       path[i].second - axis_y, 1});
    }
  }
  // Overlapping drawn segments (a wall drawn twice) would count twice: none expected.
  std::string drawn;
  for (const auto& w : walls) {
    drawn += "(" + std::to_string(w.x1) + "," + std::to_string(w.y1) + ")-(" +
             std::to_string(w.x2) + "," + std::to_string(w.y2) + ") ";
  }
  thin_walled::Characteristics c;
  try {
    c = thin_walled::Section(walls).Solve();
  } catch (const std::exception& e) {
    return std::string(e.what()) + ": " + drawn;
  }
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 9) return "nine cells";
  const double want[9] = {0, c.A, c.xc, c.yc, c.xP, c.yP, c.Jxc * 1e-4, c.Jyc * 1e-4,
                          c.Jw * 1e-6};
  if (std::fabs(cells[1] - c.A) > 0.51) return "A";
  for (int i = 2; i < 9; ++i) {
    if (std::fabs(cells[i] - want[i]) > 5.1e-4) {
      return "cell " + std::to_string(i) + ": " + std::to_string(cells[i]) + " vs " +
             std::to_string(want[i]);
    }
  }
  return {};
}

TEST(SectorialCharacteristicsTest, ClosedFormsAgreeWithTheDrawnSection) {
  // Every shape with every P2..P4 (P5..P7 are not read).
  for (int shape = 1; shape <= 10; ++shape)
    for (int p2 = 1; p2 <= 5; ++p2)
      for (int p3 = 1; p3 <= 5; ++p3)
        for (int p4 = 1; p4 <= 5; ++p4) {
          ASSERT_EQ(CheckCharacteristics({shape, p2, p3, p4, 1, 1, 1}), "")
              << shape << " " << p2 << p3 << p4;
        }
}

TEST(SectorialCharacteristicsTest, GoldenRows) {
  EXPECT_EQ(AnswersRow(RunAtLevel(5, {1, 1, 1, 1, 1, 1, 1}).answers),
            "1&   166& 0.000& 0.000& 0.000& 0.000& 1.235&18.715&20.757");
  EXPECT_EQ(AnswersRow(RunAtLevel(5, {3, 1, 1, 1, 1, 1, 1}).answers),
            "1&   272&-3.919& 0.000&-79.942& 0.000& 2.918&17.737&17.869");
  // Shape 9 from its top plate: centroid below, shear centre above.
  const auto nine = DeriveSectorialCharacteristics(9, 3, 3, 3);
  EXPECT_LT(nine.yc, 0);
  EXPECT_GT(nine.ay, 0);
}

}  // namespace
}  // namespace strength
