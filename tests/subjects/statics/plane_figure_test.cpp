#include "subjects/statics/plane_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
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

testing_support::RunTexts RunOne(const VariantParams& p, int level, int first_number = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginPlaneFigureProblem, WritePlaneFigureVariant, {p});
}

// Area, first and second moments about the origin of a region, accumulated over pieces.
struct Moments {
  double a = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;
};

// Adds sign * the region inside the closed polygon pts (either orientation), by the triangle
// fan from the origin: each triangle's integrals of 1, x, y, x^2, y^2, xy.
void AddPolygon(Moments& m, const std::vector<std::array<double, 2>>& pts, double sign) {
  Moments r;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const auto& p = pts[i];
    const auto& q = pts[(i + 1) % pts.size()];
    const double a = (p[0] * q[1] - q[0] * p[1]) / 2;
    r.a += a;
    r.sx += a * (p[0] + q[0]) / 3;
    r.sy += a * (p[1] + q[1]) / 3;
    r.xx += a * (p[0] * p[0] + p[0] * q[0] + q[0] * q[0]) / 6;
    r.yy += a * (p[1] * p[1] + p[1] * q[1] + q[1] * q[1]) / 6;
    r.xy += a * (2 * p[0] * p[1] + p[0] * q[1] + q[0] * p[1] + 2 * q[0] * q[1]) / 12;
  }
  const double o = (r.a > 0 ? 1 : -1) * sign;
  m.a += o * r.a;
  m.sx += o * r.sx;
  m.sy += o * r.sy;
  m.xx += o * r.xx;
  m.yy += o * r.yy;
  m.xy += o * r.xy;
}

// What the picture shows, in cm: the outline, and the circular piece as a fine polygon with
// the sign it takes (an arc left of the left edge is added, one right of it is cut).
struct DrawnFigure {
  std::vector<std::array<double, 2>> outline;
  std::vector<std::array<double, 2>> piece;
  double piece_sign = 0;
};

DrawnFigure ReadFigure(const std::string& main) {
  DrawnFigure d;
  std::size_t at = main.find("\\usebox{\\osi}");
  at = main.find("\\mt{", at);
  const std::size_t arc = main.find("{\\begin{picture}(5,5)", at);
  for (at = main.find("\\pp{", at); at < arc; at = main.find("\\pp{", at)) {
    const double x = NumberAfter(main, "\\pp{", at);
    const double y = NumberAfter(main, "}{", at);
    d.outline.push_back({x * 0.1, y * 0.1});
  }
  const std::size_t put = main.rfind("\\put(", arc);
  std::size_t p = put;
  const double cx = NumberAfter(main, "\\put(", p);
  const double cy0 = NumberAfter(main, ",", p);
  p = arc;
  NumberAfter(main, "\\put(", p);
  const double dy = NumberAfter(main, ",", p);
  const double diameter = NumberAfter(main, "\\oval(", p);
  const std::size_t qa = main.find('[', p);
  const std::string q = main.substr(qa + 1, main.find(']', qa) - qa - 1);
  const double r = diameter / 2 * 0.1;
  const double ox = cx * 0.1, oy = (cy0 + dy) * 0.1;
  const double pi = std::numbers::pi;
  double from = 0, to = 0;
  if (q == "tl") from = pi / 2, to = pi;
  if (q == "tr") from = 0, to = pi / 2;
  if (q == "bl") from = pi, to = 1.5 * pi;
  if (q == "br") from = -pi / 2, to = 0;
  if (q == "l") from = pi / 2, to = 1.5 * pi;
  if (q == "r") from = -pi / 2, to = pi / 2;
  const int n = 4000;
  if (q.size() == 2) d.piece.push_back({ox, oy});
  for (int i = 0; i <= n; ++i) {
    const double t = from + (to - from) * i / n;
    d.piece.push_back({ox + r * std::cos(t), oy + r * std::sin(t)});
  }
  d.piece_sign = std::cos((from + to) / 2) < 0 ? 1 : -1;
  return d;
}

struct Printed {
  double A, xC, yC, Ix, Iy, Ixy, Imax, Imin, alpha;
};

Printed Characteristics(const DrawnFigure& d) {
  Moments m;
  AddPolygon(m, d.outline, 1);
  AddPolygon(m, d.piece, d.piece_sign);
  Printed p{};
  p.A = m.a;
  p.xC = m.sx / m.a;
  p.yC = m.sy / m.a;
  p.Ix = m.yy - m.a * p.yC * p.yC;
  p.Iy = m.xx - m.a * p.xC * p.xC;
  p.Ixy = m.xy - m.a * p.xC * p.yC;
  // Eigenvalues of the inertia tensor [[Ix, -Ixy], [-Ixy, Iy]].
  const double tr = p.Ix + p.Iy, det = p.Ix * p.Iy - p.Ixy * p.Ixy;
  const double disc = std::sqrt(tr * tr / 4 - det);
  p.Imax = tr / 2 + disc;
  p.Imin = tr / 2 - disc;
  return p;
}

// The moment of inertia about the central axis at angle a (degrees) from x.
double InertiaAt(const Printed& p, double a_deg) {
  const double a = a_deg * std::numbers::pi / 180;
  return p.Ix * std::cos(a) * std::cos(a) + p.Iy * std::sin(a) * std::sin(a) -
         p.Ixy * std::sin(2 * a);
}

TEST(PlaneFigureTest, BeginWritesTheAxesHeadsAndStatementByLevel) {
  const auto t1 = RunOne({1, 1, 1, 1, 1, 1, 1}, 1);
  EXPECT_EQ(t1.main.find("\\newsavebox{\\osi}\\sbox{\\osi}{\\Blue{%\r\n"), 0u);
  EXPECT_NE(t1.main.find("}} Find the area (in cm$^2$) and the coordinates of the center of "
                         "gravity of plane   figures (in cm)."),
            std::string::npos);
  EXPECT_NE(t1.answers.find("\\#\\ru  & $ A $&$ x_c$&$ y_c$\\\\\\hline\r\n"), std::string::npos);
  const auto t2 = RunOne({1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_NE(t2.main.find("}}Find the principal moments of inertia (in cm $^4$) of the plane "
                         "figure. \r\n"),
            std::string::npos);
  EXPECT_NE(t2.answers.find("&$ I_{max}$&$ I_{min}$&$ \\alpha $\\\\\\hline\r\n"),
            std::string::npos);
}

TEST(PlaneFigureTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int level;
    const char* figure;  // a piece of the picture
    const char* row;
  };
  const Case cases[] = {
      {"first set: quarter circle added, shifted 20 right and 10 up",
       {1, 1, 1, 1, 1, 1, 1},
       1,
       "\\put(20,50){\\begin{picture}(5,5)\\thicklines\\put(0,0){\\oval(40,40)[tl]}\r\n"
       "\\end{picture}}\r\n",
       " 1&  60.142&   6.301&   4.124\r\n"},
      {"first set at Level 2: the principal axis of I_max at 88.453 degrees",
       {1, 1, 1, 1, 1, 1, 1},
       2,
       "\\mt{20}{70}\\pp{20}{70}\\pp{80}{70}",
       " 1&  60.142&   6.301&   4.124\r\n &  196.521& 504.293&  -8.316& 504.517& 196.296&  "
       "88.453\r\n"},
      {"cut-out without x shift, notch at the bottom without y shift",
       {2, 2, 2, 2, 1, 1, 1},
       1,
       "\\put(0,40){\\begin{picture}(5,5)\\thicklines\\put(0,0){\\oval(40,40)[tr]}",
       " 1&  37.858&   3.821&   2.820\r\n"},
      {"small half circle below the centre",
       {1, 7, 3, 3, 4, 1, 1},
       1,
       "\\begin{picture}(5,5)\\thicklines\\put(0,-10){\\oval(20,20)[l]}",
       nullptr},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.level);
    EXPECT_NE(t.main.find(c.figure), std::string::npos) << c.what << "\n" << t.main;
    if (c.row != nullptr) {
      EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
    }
  }
}

// Every set at Level 2 (the long row holds all nine values): the printed characteristics are
// those of the figure the picture shows, integrated here from the outline and the arc.
TEST(PlaneFigureTest, PrintedCharacteristicsAreThoseOfTheDrawnFigure) {
  int sets = 0;
  for (int p1 = 1; p1 <= 2; ++p1)
    for (int p2 = 1; p2 <= 10; ++p2)
      for (int p3 = 1; p3 <= 4; ++p3)
        for (int p4 = 1; p4 <= 3; ++p4)
          for (int p5 = 1; p5 <= 4; ++p5) {
            const auto t = RunOne({p1, p2, p3, p4, p5, 1, 1}, 2, 7);
            const std::string where = std::to_string(p1) + " " + std::to_string(p2) + " " +
                                      std::to_string(p3) + std::to_string(p4) +
                                      std::to_string(p5);
            const DrawnFigure d = ReadFigure(t.main);
            ASSERT_EQ(d.outline.size(), 11u) << where;
            // The figure touches both axes.
            double min_x = 1e9, min_y = 1e9;
            for (const auto& pt : d.outline) {
              min_x = std::min(min_x, pt[0]);
              min_y = std::min(min_y, pt[1]);
            }
            for (const auto& pt : d.piece) min_x = std::min(min_x, pt[0]);
            EXPECT_NEAR(min_x, 0, 1e-9) << where;
            EXPECT_NEAR(min_y, 0, 1e-9) << where;
            const Printed want = Characteristics(d);
            const std::vector<double> c = AnswerCells(SingleRow(t.answers));
            ASSERT_EQ(c.size(), 10u) << where;
            EXPECT_EQ(c[0], 7) << where;
            const double tol = 1.5e-3;
            EXPECT_GT(c[1], 0) << where;
            EXPECT_NEAR(c[1], want.A, tol) << where;
            EXPECT_NEAR(c[2], want.xC, tol) << where;
            EXPECT_NEAR(c[3], want.yC, tol) << where;
            EXPECT_NEAR(c[4], want.Ix, tol) << where;
            EXPECT_NEAR(c[5], want.Iy, tol) << where;
            EXPECT_NEAR(c[6], want.Ixy, tol) << where;
            EXPECT_NEAR(c[7], want.Imax, tol) << where;
            EXPECT_NEAR(c[8], want.Imin, tol) << where;
            // alpha: in (-90, 90] and the axis it names carries I_max (to its printed digits).
            EXPECT_GT(c[9], -90) << where;
            EXPECT_LE(c[9], 90) << where;
            EXPECT_NEAR(InertiaAt(want, c[9]), want.Imax, 0.02) << where;
            ++sets;
            if (::testing::Test::HasFailure()) return;
          }
  EXPECT_EQ(sets, 960);
}

// At every other Level the row is the short one, with the same three values as Level 2.
TEST(PlaneFigureTest, OtherLevelsWriteTheShortRowOfTheSameFigure) {
  for (int level : {1, 3, 5, 10}) {
    for (VariantParams p : {VariantParams{2, 10, 4, 3, 4, 1, 1}, VariantParams{1, 6, 2, 1, 3, 1, 1}}) {
      const auto t = RunOne(p, level);
      const auto t2 = RunOne(p, 2);
      const std::string row = SingleRow(t.answers);
      const std::string long_row = SingleRow(t2.answers);
      EXPECT_EQ(row, long_row.substr(0, row.size())) << level;
      EXPECT_EQ(AnswerCells(row).size(), 4u) << level;
    }
  }
}

}  // namespace
}  // namespace statics
