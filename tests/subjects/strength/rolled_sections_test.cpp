#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "strength_run.h"
#include "subjects/strength/composite_section.h"
#include "subjects/strength/compressed_rod.h"
#include "subjects/strength/critical_force.h"
#include "subjects/strength/rolled_profiles.h"
#include "tests/support/sweep.h"

// The two section problems over a profile set of the test's own: every profile is an
// outline of rectangles whose table values the test integrates, so the section answers can
// be checked against the assembled outlines. (The standards' values are not in these tests.)
namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::RowNumbers;
using testing_support::VariantParams;

// An axis-parallel rectangle, cm.
struct Rect {
  double x1, y1, x2, y2;
};
using Shape = std::vector<Rect>;

// Area, first moments and second moments (integrals of x^2, y^2, xy) of a union of
// non-overlapping rectangles, and the central values derived from them.
struct Sums {
  double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0, Ixy = 0;
  void Add(const Shape& shape) {
    for (const Rect& r : shape) {
      const double w = r.x2 - r.x1, h = r.y2 - r.y1, a = w * h;
      const double cx = (r.x1 + r.x2) / 2, cy = (r.y1 + r.y2) / 2;
      A += a;
      Sy += a * cx;
      Sx += a * cy;
      Iyy += h * w * w * w / 12 + a * cx * cx;
      Ixx += w * h * h * h / 12 + a * cy * cy;
      Ixy += a * cx * cy;
    }
  }
  double xc() const { return Sy / A; }
  double yc() const { return Sx / A; }
  double Jx() const { return Ixx - A * yc() * yc(); }
  double Jy() const { return Iyy - A * xc() * xc(); }
  double Jxy() const { return Ixy - A * xc() * yc(); }
};

// (x, y) -> (sx x + dx, sy y + dy); swap exchanges x and y first.
Shape Place(const Shape& s, double sx, double sy, double dx, double dy, bool swap = false) {
  Shape out;
  for (Rect r : s) {
    if (swap) r = {r.y1, r.x1, r.y2, r.x2};
    Rect q{sx * r.x1 + dx, sy * r.y1 + dy, sx * r.x2 + dx, sy * r.y2 + dy};
    if (q.x1 > q.x2) std::swap(q.x1, q.x2);
    if (q.y1 > q.y2) std::swap(q.y1, q.y2);
    out.push_back(q);
  }
  return out;
}

constexpr double kIBeamNumbers[13] = {10, 12, 14, 16, 18, 20, 22, 24, 27, 30, 33, 36, 40};
constexpr double kChannelNumbers[18] = {5,  6.5, 8,  10, 12, 14, 16, 16, 18,
                                        18, 20,  22, 24, 27, 30, 33, 36, 40};
constexpr int kAngleLegs[9] = {50, 63, 80, 90, 100, 125, 140, 160, 180};
constexpr double kAngleThickness[9] = {4, 4, 6, 7, 8, 10, 9, 12, 12};

// Made-up flange widths and thicknesses (mm) that give the profiles plausible proportions.
int IBeamWidth(int r) { return 50 + 8 * r; }
int ChannelWidth(int r) { return 28 + 5 * r; }

// Profiles in their own frames, cm. Angle: corner at the origin, legs along +x and +y.
// Channel: web on the y axis from -h/2 to h/2, flanges to +x. I-beam: centred.
Shape AngleShape(int row) {
  const double b = kAngleLegs[row - 1] / 10.0, t = kAngleThickness[row - 1] / 10.0;
  return {{0, 0, b, t}, {0, t, t, b}};
}
Shape ChannelShape(int row) {
  const double h = kChannelNumbers[row - 1], b = ChannelWidth(row) / 10.0;
  const double s = 0.45 + 0.02 * row, f = 0.7 + 0.03 * row;
  return {{0, -h / 2, b, -h / 2 + f}, {0, h / 2 - f, b, h / 2}, {0, -h / 2 + f, s, h / 2 - f}};
}
Shape IBeamShape(int row) {
  const double h = kIBeamNumbers[row - 1], b = IBeamWidth(row) / 10.0;
  const double s = 0.45 + 0.03 * row, f = 0.72 + 0.04 * row;
  return {{-b / 2, -h / 2, b / 2, -h / 2 + f},
          {-b / 2, h / 2 - f, b / 2, h / 2},
          {-s / 2, -h / 2 + f, s / 2, h / 2 - f}};
}

RolledProfileTables MakeTables() {
  RolledProfileTables t;
  for (int r = 1; r <= 13; ++r) {
    Sums m;
    m.Add(IBeamShape(r));
    t.IBeamTable[r] = {static_cast<int>(kIBeamNumbers[r - 1]), IBeamWidth(r), m.A, m.Jx(), m.Jy()};
  }
  for (int r = 1; r <= 18; ++r) {
    Sums m;
    m.Add(ChannelShape(r));
    t.ChannelTable[r] = {kChannelNumbers[r - 1], ChannelWidth(r), m.A, m.Jx(), m.Jy(), m.xc()};
  }
  for (int r = 1; r <= 9; ++r) {
    Sums m;
    m.Add(AngleShape(r));
    t.EqualAngleTable[r] = {kAngleLegs[r - 1], kAngleThickness[r - 1], m.A, m.Jx(),
                            m.Jx() + std::fabs(m.Jxy()), m.xc()};
  }
  return t;
}

const RolledProfileTables& Tables() {
  static const RolledProfileTables t = MakeTables();
  return t;
}

testing_support::RunTexts RunProblem(void (*begin)(SharedState&),
                                     void (*write)(SharedState&, const RolledProfileTables&),
                                     const std::vector<VariantParams>& params,
                                     std::unique_ptr<SharedState>* keep = nullptr) {
  auto s = testing_support::NewState();
  auto texts = testing_support::RunBeginVariant(
      *s, begin, [write](SharedState& st) { write(st, Tables()); }, params);
  if (keep) *keep = std::move(s);
  return texts;
}

// ---------------------------------------------------------------- composite section

// The section of variant p assembled from the outlines as the placements describe them:
// element 1 above the x axis, element 2 (blue) below it.
Shape ElementShape(int kind, int side, int angle_row, int channel_row, int lying_row,
                   int beam_row) {
  switch (kind) {
    case 1: return Place(AngleShape(angle_row), 1, side, 0, 0);
    case 2: return Place(AngleShape(angle_row), -1, side, kAngleLegs[angle_row - 1] / 10.0, 0);
    case 3: return Place(ChannelShape(channel_row), 1, 1, 0, side * kChannelNumbers[channel_row - 1] / 2);
    case 4:
      return Place(ChannelShape(channel_row), -1, 1, ChannelWidth(channel_row) / 10.0,
                   side * kChannelNumbers[channel_row - 1] / 2);
    case 5:  // web along the x axis from 0 to h, flanges away from it
      return Place(ChannelShape(lying_row), 1, side, kChannelNumbers[lying_row - 1] / 2, 0, true);
    default:
      return Place(IBeamShape(beam_row), 1, 1, IBeamWidth(beam_row) / 20.0,
                   side * kIBeamNumbers[beam_row - 1] / 2);
  }
}

Sums AssembledSection(const VariantParams& p) {
  Sums m;
  m.Add(ElementShape(p[0], 1, p[2], p[3], p[3], p[4]));
  m.Add(ElementShape(p[1], -1, p[5], p[5] + p[2], 2 * p[5], 1));
  return m;
}

std::vector<double> CompositeRow(const VariantParams& p) {
  return RowNumbers(AnswersRow(RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant, {p}).answers));
}

TEST(CompositeSection, AnswersMatchTheAssembledOutlinesAndThePrincipalAxis) {
  const auto points = strength_check::SamplePoints({6, 6, 6, 15, 10, 9, 13},
                                                   testing_support::FullSweep() ? 20000 : 400);
  for (const VariantParams& p : points) {
    SCOPED_TRACE(::testing::PrintToString(p));
    const std::vector<double> v = CompositeRow(p);
    ASSERT_EQ(v.size(), 10u);
    const Sums m = AssembledSection(p);
    const double F = v[1], Jx = v[4], Jy = v[5], Jxy = v[6], Jmax = v[7], Jmin = v[8], a = v[9];
    const double tol = 0.006 + 1e-6 * (std::fabs(m.Jx()) + std::fabs(m.Jy()));
    EXPECT_NEAR(F, m.A, 0.006);
    EXPECT_NEAR(v[2], m.xc(), 0.006);
    EXPECT_NEAR(v[3], m.yc(), 0.006);
    EXPECT_NEAR(Jx, m.Jx(), tol);
    EXPECT_NEAR(Jy, m.Jy(), tol);
    EXPECT_NEAR(Jxy, m.Jxy(), tol);
    // The principal moments are the extremes of the moment about an axis through the
    // centroid; the printed angle must reach the largest.
    double lo = 1e300, hi = -1e300;
    auto moment = [&](double deg) {
      const double r = deg * std::numbers::pi / 180, c = std::cos(r), s = std::sin(r);
      return m.Jx() * c * c + m.Jy() * s * s - 2 * m.Jxy() * s * c;
    };
    for (int k = 0; k < 3600; ++k) {
      lo = std::min(lo, moment(k / 20.0));
      hi = std::max(hi, moment(k / 20.0));
    }
    const double atol = 0.006 + 1e-5 * hi;
    EXPECT_NEAR(Jmax, hi, atol);
    EXPECT_NEAR(Jmin, lo, atol);
    EXPECT_NEAR(moment(a), hi, atol + 1e-4 * hi);
    EXPECT_LE(std::fabs(a), 90.0);
  }
}

TEST(CompositeSection, EdgeCases) {
  // Two equal channels lying back to back: no product of inertia, J_y is the larger: 90.
  // Two I-beams No 10: no product of inertia, J_x is the larger: 0.
  struct Case {
    VariantParams p;
    double alpha;
  } cases[] = {
      {{5, 5, 1, 8, 1, 4, 1}, 90},
      {{5, 5, 3, 2, 1, 1, 7}, 90},
      {{6, 6, 1, 1, 1, 1, 1}, 0},
  };
  for (const Case& c : cases) {
    const std::vector<double> v = CompositeRow(c.p);
    EXPECT_EQ(v[6], 0) << ::testing::PrintToString(c.p);
    EXPECT_EQ(v[9], c.alpha) << ::testing::PrintToString(c.p);
  }
  // A stored p7 of 13 still gives I-beam No 10 as element 2.
  const auto stored13 = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                            {{6, 6, 1, 1, 4, 1, 13}});
  const auto stored1 = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                           {{6, 6, 1, 1, 4, 1, 1}});
  EXPECT_EQ(stored13.main, stored1.main);
  EXPECT_EQ(stored13.answers, stored1.answers);
  EXPECT_NE(stored13.main.find("{\\scriptsize \\No 10}}"), std::string::npos);
}

TEST(CompositeSection, LabelsAndTheLargestFigure) {
  // Channel row 8 prints as 16 with the letter, row 7 as 16 alone; angle legs 6.3 and 12.5.
  const std::string a = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                            {{3, 5, 1, 8, 1, 4, 1}}).main;
  EXPECT_EQ(strength_check::Count(a, "{\\scriptsize \\No 16a}}"), 2);  // p4 = 8 and 2*p6 = 8
  const std::string b = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                            {{3, 1, 2, 7, 1, 6, 1}}).main;
  EXPECT_NE(b.find("{\\scriptsize \\No 16}}"), std::string::npos);
  EXPECT_NE(b.find("{\\scriptsize \\No 12.5/10}\r\n}"), std::string::npos);
  const std::string c = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                            {{1, 2, 2, 1, 1, 2, 1}}).main;
  EXPECT_EQ(strength_check::Count(c, "{\\scriptsize \\No 6.3/4}\r\n}"), 2);

  // Channel row 15 over channel row 15 (p6 + p3 = 15): the tallest section the bounds allow,
  // 2 x 300 mm, fills the 80-unit box.
  std::unique_ptr<SharedState> s;
  const auto t = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant,
                     {{3, 3, 6, 15, 1, 9, 1}}, &s);
  EXPECT_DOUBLE_EQ(s->Scale, 80.0 / 600);
  EXPECT_EQ(s->P7, 1);
  // The sizing pass leaves only the empty blue group ahead of the picture.
  EXPECT_NE(t.main.find("\\Blue{}\\noindent\\begin{picture}"), std::string::npos) << t.main.substr(0, 600);
}

TEST(CompositeSection, BeginWritesTheStandardsAndTheHead) {
  const auto t = RunProblem(BeginCompositeSectionProblem, WriteCompositeSectionVariant, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find(" Использованы двутавры  ГОСТ 8239-89, швеллеры  ГОСТ 8240-89 и уголки  "
                        "ГОСТ 8509-86\\\\\\noindent\r\n"),
            std::string::npos);
  EXPECT_NE(t.answers.find("\\tabcolsep=2pt"), std::string::npos);
}

// ---------------------------------------------------------------- critical force

// The section of kind p2 built of profile row n, assembled from outlines (kinds 1..6), and
// its central moment of inertia about the axis the rod buckles about, cm^4: the horizontal
// axis for angles with vertical legs back to back, the vertical axis for channels back to
// back and I-beams side by side, the smaller for channels with their flanges meeting, either
// for the square sections of four angles.
double AssembledMoment(int p2, int n) {
  Sums m;
  switch (p2) {
    case 1: {  // vertical legs back to back
      m.Add(Place(AngleShape(n), 1, 1, 0, 0));
      m.Add(Place(AngleShape(n), -1, 1, 0, 0));
      break;
    }
    case 2: {  // channel webs back to back
      m.Add(Place(ChannelShape(n), 1, 1, 0, 0));
      m.Add(Place(ChannelShape(n), -1, 1, 0, 0));
      break;
    }
    case 3: {  // flange tips meeting
      const double b = ChannelWidth(n) / 10.0;
      m.Add(Place(ChannelShape(n), 1, 1, -b, 0));
      m.Add(Place(ChannelShape(n), -1, 1, b, 0));
      break;
    }
    case 4: {  // corners at the corners of a square, legs meeting on the axes
      const double b = kAngleLegs[n - 1] / 10.0;
      for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) m.Add(Place(AngleShape(n), -sx, -sy, sx * b, sy * b));
      }
      break;
    }
    case 5: {  // a cross, corners at the centre
      for (int sx : {-1, 1}) {
        for (int sy : {-1, 1}) m.Add(Place(AngleShape(n), sx, sy, 0, 0));
      }
      break;
    }
    default: {  // I-beams side by side, flanges touching
      const double b = IBeamWidth(n) / 10.0;
      m.Add(Place(IBeamShape(n), 1, 1, -b / 2, 0));
      m.Add(Place(IBeamShape(n), 1, 1, b / 2, 0));
      break;
    }
  }
  EXPECT_NEAR(m.Jxy(), 0, 1e-9 * m.Jx());
  switch (p2) {
    case 1: return m.Jx();
    case 3: return std::min(m.Jx(), m.Jy());
    case 4:
    case 5: EXPECT_NEAR(m.Jx(), m.Jy(), 1e-9 * m.Jx()); return m.Jx();
    default: return m.Jy();
  }
}

TEST(CriticalForce, EveryVariantAgreesWithItsOwnPrintedData) {
  const double lambda_lim = std::numbers::pi * std::sqrt(2e5 / 195.0);
  for (int p1 = 1; p1 <= 5; ++p1) {
    for (int p2 = 1; p2 <= 10; ++p2) {
      for (int p3 = 1; p3 <= 9; ++p3) {
        SCOPED_TRACE(testing::Message() << p1 << " " << p2 << " " << p3);
        std::unique_ptr<SharedState> s;
        const auto t = RunProblem(BeginCriticalForceProblem, WriteCriticalForceVariant,
                           {{p1, p2, p3, 1, 1, 1, 1}}, &s);
        const std::vector<double> v = RowNumbers(AnswersRow(t.answers));
        ASSERT_EQ(v.size(), 7u);
        const double F = v[1], J = v[2], i = v[3], mu = v[4], lambda = v[5], P = v[6];
        const int n = s->P3;
        const double l = strength_check::NumberAfter(t.main, "\\small $l=");
        EXPECT_EQ(mu, LengthFactorTable[p1]);
        EXPECT_GE(l, 1);
        EXPECT_LE(n, p3);
        EXPECT_GE(n, 1);
        // The length rule: Euler's force with pi as 3 about 490 kN, at most 15 m unless the
        // smallest row is reached; the next larger row would have been longer than 15 m.
        auto length_of = [&](double Jcm4) {
          return std::nearbyint(3 * std::sqrt(Jcm4 * 1e-8 * 2e11 / 490000) / mu);
        };
        EXPECT_EQ(std::max(length_of(J), 1.0), l);
        EXPECT_TRUE(l <= 15 || n == 1);
        if (n < p3) {
          double J1 = 0, F1 = 0;
          CriticalForceSection(Tables(), p2, n + 1, J1, F1);
          EXPECT_GT(length_of(J1), 15);
        }
        if (p2 <= 6) {
          EXPECT_NEAR(J, AssembledMoment(p2, n), 0.0006 + 1e-8 * J);
        }
        EXPECT_NEAR(i, std::sqrt(J / F), 0.0006);
        // i is printed to 0.0005 cm.
        EXPECT_NEAR(lambda, mu * l / (i / 100), 0.0006 + lambda * 0.0006 / i);
        const double expected = lambda < lambda_lim
                                    ? F * 1e-4 * (310e6 - 1.14e6 * lambda) * 1e-3
                                    : std::pow(std::numbers::pi / lambda, 2) * 2e11 * F * 1e-7;
        EXPECT_NEAR(P, expected, 0.001 + 1e-4 * P);
      }
    }
  }
}

TEST(CriticalForce, LabelsFollowTheRowFinallyUsed) {
  // The label's row is the data's row: the row written back into P3.
  for (int p3 = 1; p3 <= 9; ++p3) {
    for (int p2 : {2, 3, 6, 9}) {
      std::unique_ptr<SharedState> s;
      const auto t = RunProblem(BeginCriticalForceProblem, WriteCriticalForceVariant,
                         {{1, p2, p3, 1, 1, 1, 1}}, &s);
      const int n = s->P3;
      const double number = p2 == 6 ? kIBeamNumbers[n - 1] : kChannelNumbers[n - 1];
      EXPECT_EQ(strength_check::NumberAfter(t.main, "$\\small \\No "), number) << p2 << " " << p3;
      EXPECT_EQ(t.main.find("\\put(14,-30)a") != std::string::npos, p2 != 6 && n == 8);
    }
  }
  // Angle labels: legs 6.3 and 12.5 with one decimal, the others without.
  struct Case {
    int p3;
    const char* label;
  } cases[] = {{1, "{\\small \\Blue{ \\No   5/4}}"},
               {2, "{\\small \\Blue{ \\No 6.3/4}}"},
               {6, "{\\small \\Blue{ \\No 12.5/10}}"}};
  for (const Case& c : cases) {
    std::unique_ptr<SharedState> s;
    const auto t = RunProblem(BeginCriticalForceProblem, WriteCriticalForceVariant,
                       {{4, 1, c.p3, 1, 1, 1, 1}}, &s);
    ASSERT_EQ(s->P3, c.p3);
    EXPECT_NE(t.main.find(std::string("\\put(-19,-25)") + c.label), std::string::npos) << t.main;
  }
}

TEST(CriticalForce, TheSmallestSectionsGetARodOfOneMetre) {
  // Two of the smallest angles on a free-standing rod would give l = 0 and lambda = 0.
  const auto t = RunProblem(BeginCriticalForceProblem, WriteCriticalForceVariant, {{4, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\\hfill\\parbox[b]{99pt}{\\small $l=1$~м}"), std::string::npos);
  EXPECT_GT(RowNumbers(AnswersRow(t.answers))[5], 0);
}

}  // namespace
}  // namespace strength
