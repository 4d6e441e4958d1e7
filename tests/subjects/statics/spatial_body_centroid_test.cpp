#include "subjects/statics/spatial_body_centroid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginSpatialBodyCentroidProblem, WriteSpatialBodyCentroidVariant,
                         {p});
}

// The dimensions the figure prints, in the order it writes them: C, h (with a roof), B, D,
// E (without the half-cylinder), A; R from the text under the figure.
struct PrintedBody {
  double A = 0, B = 0, C = 0, D = 0, E = 0, h = 0, R = 0;
};

PrintedBody ReadBody(const std::string& main, bool roof, bool cylinder) {
  std::vector<double> labels;
  const std::size_t start = main.find("\\begin{picture}(152");
  for (std::size_t at = main.find("{\\scriptsize ", start); at != std::string::npos;
       at = main.find("{\\scriptsize ", at)) {
    labels.push_back(NumberAfter(main, "{\\scriptsize ", at));
  }
  PrintedBody b;
  std::size_t i = 0;
  b.C = labels.at(i++);
  if (roof) b.h = labels.at(i++);
  b.B = labels.at(i++);
  b.D = labels.at(i++);
  if (!cylinder) b.E = labels.at(i++);
  b.A = labels.at(i++);
  EXPECT_EQ(i, labels.size());
  if (cylinder) b.R = NumberAfter(main, "$R=");
  return b;
}

struct Integrals {
  double v = 0, x = 0, y = 0, z = 0;
};

// The body sliced across y: each slice's cross-section is a few rectangles [x0, x1] x [z0, z1]
// (or the half-cylinder's chord), integrated exactly in x and z, by the midpoint rule in y.
Integrals Integrate(const PrintedBody& b, int p1, int p2, int p3) {
  const double A = b.A, B = b.B, C = b.C, D = b.D, E = b.E, h = b.h, R = b.R;
  const double y0 = B + D;
  const double end = y0 + (p2 != 2 && p3 == 3 ? R : E);
  const double dy = 1e-3;
  Integrals s;
  auto add = [&](double y, double x0, double x1, double z0, double z1) {
    if (x1 <= x0 || z1 <= z0) return;
    const double w = (x1 - x0) * (z1 - z0) * dy;
    s.v += w;
    s.x += w * (x0 + x1) / 2;
    s.y += w * y;
    s.z += w * (z0 + z1) / 2;
  };
  const int n = static_cast<int>(std::lround(end / dy));
  for (int i = 0; i < n; ++i) {
    const double y = (i + 0.5) * dy;
    if (y < B) {
      const double f = y / B;  // share of the way from y = 0 to the face y = B
      if (p2 == 3) add(y, 0, A, 0, C);
      else if (p1 == 1) add(y, 0, A * f, 0, C * f);  // apex at the origin
      else if (p1 == 2) add(y, 0, A * f, 0, C);       // triangle (0,0), (0,B), (A,B) in x, y
      else add(y, 0, A, 0, C * f);                    // triangle (0,0), (B,0), (B,C) in y, z
    } else if (y < y0) {
      add(y, 0, A, 0, C);
      if (p2 != 1) add(y, 0, A, C, C + h * (y - B) / D);
    } else {
      const double t = y - y0;
      const double g = 1 - t / E;  // share left towards the far end of piece 3
      if (p2 == 2) add(y, 0, A, 0, C);
      else if (p3 == 1) add(y, 0, A * g, 0, C);
      else if (p3 == 2) add(y, 0, A, 0, C * g);
      else if (p3 == 3) {
        const double half = std::sqrt(std::max(0.0, R * R - t * t));
        add(y, 0, A, R - half, R + half);
      } else if (p3 == 4) add(y, A * t / E, A, 0, C);
      else add(y, A * t / E, A, 0, C * g);  // pyramid, apex (A, y0 + E, 0)
    }
  }
  s.x /= s.v;
  s.y /= s.v;
  s.z /= s.v;
  return s;
}

TEST(SpatialBodyCentroidTest, BeginWritesTheHalfCylinderBoxTheHeadAndTheStatement) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find("\\newsavebox{\\hcircl}\\sbox{\\hcircl}{%\r\n"), 0u);
  EXPECT_NE(t.main.find("{\\small \\Blue{$R$}}"), std::string::npos);
  EXPECT_NE(t.main.find("Find the center of gravity of a homogeneous volume of the body. "
                        "Dimensions are in meters.\r\n"),
            std::string::npos);
  EXPECT_NE(t.answers.find(" \\No& $ V $&$ x_c$&$ y_c$&$ z_c$\\\\\\hline\r\n"), std::string::npos);
}

TEST(SpatialBodyCentroidTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int first;
    const char* row;
    bool radius_line;
  };
  const Case cases[] = {
      {"pyramid, box, prism", {1, 1, 1, 1, 1, 1, 1}, 1,
       "1 &  114.667 &    1.744 &    6.872 &    1.884", false},
      {"p2 = 2 makes piece 3 a box", {2, 2, 3, 4, 1, 1, 1}, 5,
       "5 & 1140.000 &    3.691 &   16.109 &    3.379", false},
      {"half-cylinder with a roof", {3, 3, 3, 2, 1, 1, 1}, 1,
       "1 & 1813.929 &    3.500 &   15.634 &    4.347", true},
      {"half-cylinder without a roof", {1, 1, 3, 1, 1, 1, 1}, 1,
       "1 &  158.466 &    1.882 &    9.491 &    1.882", true},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.first);
    EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
    EXPECT_EQ(t.main.find("\\par \\hskip12mm\\small$R=") != std::string::npos, c.radius_line)
        << c.what;
  }
  const auto t = RunOne({3, 3, 3, 2, 1, 1, 1});
  EXPECT_NE(t.main.find("\\par \\hskip12mm\\small$R=4$~m.\r\n\\vskip2mm\\rule{0pt}{1pt}\r\n"),
            std::string::npos);
}

// All 180 sets: V and the centre printed are those of the body the figure and the text
// describe, integrated here slice by slice.
TEST(SpatialBodyCentroidTest, PrintedCentreIsThatOfTheDrawnBody) {
  int sets = 0;
  for (int p1 = 1; p1 <= 3; ++p1)
    for (int p2 = 1; p2 <= 3; ++p2)
      for (int p3 = 1; p3 <= 5; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4) {
          const auto t = RunOne({p1, p2, p3, p4, 1, 1, 1});
          const std::string where = std::to_string(p1) + std::to_string(p2) +
                                    std::to_string(p3) + std::to_string(p4);
          const bool cylinder = p2 != 2 && p3 == 3;
          const PrintedBody b = ReadBody(t.main, p2 != 1, cylinder);
          const Integrals want = Integrate(b, p1, p2, p3);
          const std::vector<double> c = AnswerCells(SingleRow(t.answers));
          ASSERT_EQ(c.size(), 5u) << where;
          EXPECT_NEAR(c[1], want.v, 1e-5 * want.v + 1e-3) << where;
          EXPECT_NEAR(c[2], want.x, 1e-3) << where;
          EXPECT_NEAR(c[3], want.y, 1e-3) << where;
          EXPECT_NEAR(c[4], want.z, 1e-3) << where;
          ++sets;
          if (::testing::Test::HasFailure()) return;
        }
  EXPECT_EQ(sets, 180);
}

}  // namespace
}  // namespace statics
