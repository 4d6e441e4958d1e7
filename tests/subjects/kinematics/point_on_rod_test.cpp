#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "tests/support/picture_reader.h"

namespace {

using kinematics_check::Agrees;
using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

constexpr double kPi = std::numbers::pi;

struct V2 {
  double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(double k, V2 a) { return {k * a.x, k * a.y}; }
double Len(V2 a) { return std::hypot(a.x, a.y); }
V2 Unit(double degrees) { return {std::cos(degrees * kPi / 180), std::sin(degrees * kPi / 180)}; }

double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

V2 Intersect(V2 c1, double r1, V2 c2, double r2, V2 near) {
  const double d = Len(c2 - c1);
  const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, r1 * r1 - a * a));
  const V2 u = (1 / d) * (c2 - c1);
  const V2 m = c1 + a * u;
  const V2 p1{m.x - h * u.y, m.y + h * u.x}, p2{m.x + h * u.y, m.y - h * u.x};
  return Len(p1 - near) < Len(p2 - near) ? p1 : p2;
}

// The directions of the crank and the rocker as the figure draws them (degrees), by the family
// row and the column P1 (crank) or P2 (rocker).
constexpr double kDirections[6][10] = {
    {0, 30, 60, 90, 120, 180, 210, 240, 270, 300},  {30, 60, 90, 120, 150, 210, 240, 270, 300, 330},
    {0, 60, 90, 120, 150, 180, 240, 270, 300, 330}, {0, 45, 90, 180, 225, 270, 0, 90, 180, 225},
    {45, 90, 135, 225, 270, 315, 90, 45, 225, 315}, {0, 90, 135, 180, 270, 315, 0, 90, 135, 315},
};

void CheckPointOnRod(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(20, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers +
                           "\n" + v.second_answers;
  const bool from_b = v.main.find("$BM=") != std::string::npos;
  ASSERT_EQ(from_b, p[2] == 1) << what;
  const std::string law_text = Between(v.main, "M=", "$; $t=");
  const tex_formula::Formula law(kinematics_check::Normalize(law_text), 't');
  auto sigma = [&](double t) {
    tex_formula::Point pt;
    pt.Set('t', t);
    return static_cast<double>(law(pt));
  };
  const double t1 = NumberAfter(v.main, "$; $t=");
  const double omega = NumberAfter(v.main, "\\omega_{OA}=");
  const double OA = NumberAfter(v.main, "$OA="), AB = NumberAfter(v.main, "$AB = ");
  const double BC = NumberAfter(v.main, "$BC = ");
  const bool family45 = p[4] >= 5;
  const int row = p[2] + (family45 ? 3 : 0);
  const double psi = (p[2] - 2) * (family45 ? 45 : 30);
  const V2 A0{0, 0};
  const V2 O = A0 + OA * Unit(kDirections[row - 1][p[0] - 1]);
  const V2 B0 = AB * Unit(psi);
  const V2 C = B0 + BC * Unit(kDirections[row - 1][p[1] - 1]);
  const double s1 = sigma(t1);
  // The crank turns counter-clockwise at omega; B follows from the two rods; M moves along A-B
  // by sigma from A or from B.
  const double th0 = std::atan2(A0.y - O.y, A0.x - O.x);
  struct State {
    V2 A, B, M, Me;
  };
  auto at = [&](double t) {
    State st;
    st.A = O + OA * V2{std::cos(th0 + omega * (t - t1)), std::sin(th0 + omega * (t - t1))};
    st.B = Intersect(st.A, AB, C, BC, B0);
    const V2 u = (1 / Len(st.B - st.A)) * (st.B - st.A);
    st.M = from_b ? st.B - sigma(t) * u : st.A + sigma(t) * u;
    // The point of A-B under M at t1.
    const double along = from_b ? AB - s1 : s1;
    st.Me = st.A + along * u;
    return st;
  };
  const double h = 1e-4;
  State q[5];
  for (int i = 0; i < 5; ++i) q[i] = at(t1 + (i - 2) * h);
  auto d = [&](const std::function<double(const State&)>& f) {
    return kinematics_check::RatesOver(q, h, f);
  };
  const auto [vx, ax] = d([](const State& s) { return s.M.x; });
  const auto [vy, ay] = d([](const State& s) { return s.M.y; });
  const auto [vxe, axe] = d([](const State& s) { return s.Me.x; });
  const auto [vye, aye] = d([](const State& s) { return s.Me.y; });
  const V2 ref = q[2].B - q[2].A;
  const auto [we, ee] = d([&](const State& s) {
    double a = std::atan2(s.B.y - s.A.y, s.B.x - s.A.x) - std::atan2(ref.y, ref.x);
    while (a > kPi) a -= 2 * kPi;
    while (a <= -kPi) a += 2 * kPi;
    return a;
  });
  // The relative motion along A-B, counted from A toward B.
  const double dir = from_b ? -1 : 1;
  const auto [sv, sa] = [&] {
    double y[5];
    for (int i = 0; i < 5; ++i) y[i] = sigma(t1 + (i - 2) * h);
    return kinematics_check::FivePointRates(y, h);
  }();
  const V2 u = (1 / Len(ref)) * ref;
  const V2 ar = (dir * sa) * u;
  const V2 acor{ax - axe - ar.x, ay - aye - ar.y};

  const auto r1 = Cells(v.answers), r2 = Cells(v.second_answers);
  ASSERT_EQ(r1.size(), 12u) << what;
  ASSERT_EQ(r2.size(), 7u) << what;
  const struct {
    double value;
    int decimals;
  } e1[] = {{we, 3},           {ee, 3},         {dir * sv, 2}, {vxe, 2}, {vye, 2}, {std::hypot(vxe, vye), 3},
            {std::hypot(vx, vy), 3}, {dir * sa, 3}, {std::hypot(axe, aye), 2}, {Len(acor), 2},
            {std::hypot(ax, ay), 3}};
  for (int i = 0; i < 11; ++i) {
    EXPECT_TRUE(Agrees(r1[i + 1], e1[i].value, e1[i].decimals, 2e-5))
        << what << "\ncell " << i + 1 << " expected " << e1[i].value;
  }
  const double e2[] = {ar.x, ar.y, axe, aye, ax, ay};
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(Agrees(r2[i + 1], e2[i], 3, 2e-5)) << what << "\ncell " << i + 1 << " expected " << e2[i];
  }
}

TEST(PointOnRod, AnswersFollowFromTheMotionOfM) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {10, 10, 3, 4, 8, 1, 1}, 800,
      [&](const auto& p, int level) {
        CheckPointOnRod(p, level == 2 ? 10 : 1);
        ++checked;
      },
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 10 * 3 * 4 * 8 * 2)) << checked;
}

// On the printed figure the values of the angle marks stand apart from each other and off the
// hinges at O and C (the triangle with its hatching, below the joint or hanging above it).
TEST(PointOnRod, AngleValuesStandClearOfEachOtherAndOfTheHinges) {
  using testing_support::PictureBox;
  const testing_support::PictureReader& reader = testing_support::RepositoryPictureReader();
  const std::regex hinge(R"(\\put\(([-0-9.]+),([-0-9.]+)\)\{\\usebox\{\\(up)?hing\}\})");
  long long checked = 0;
  kinematics_check::ForEachSample({10, 10, 3, 4, 8, 1, 1}, 600, [&](const auto& p, int level) {
    auto s = testing_support::NewState();
    s->Level = level;
    const testing_support::RunTexts texts =
        testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 6, 20, {p});
    const std::size_t at = testing_support::FindPictureAtLeast(texts.main, 20);
    ASSERT_NE(at, std::string::npos) << kinematics_check::Describe(p);
    const std::size_t end = texts.main.find("\\end{picture}", at);
    const std::string figure = texts.main.substr(at, end - at);
    std::vector<PictureBox> hinges;
    for (auto m = std::sregex_iterator(figure.begin(), figure.end(), hinge);
         m != std::sregex_iterator(); ++m) {
      const double x = std::stod((*m)[1]), y = std::stod((*m)[2]);
      const bool up = (*m)[3].matched;
      hinges.push_back({x - 7, up ? y + 1.5 : y - 9, x + 7, up ? y + 9 : y - 1.5});
    }
    ASSERT_EQ(hinges.size(), 2u) << figure;
    std::vector<testing_support::PictureLabel> values;
    for (const testing_support::ReadPicture& picture : reader.Read(texts.main)) {
      if (picture.offset != at) continue;
      for (const auto& label : picture.labels) {
        if (label.text.find("circ") != std::string::npos) values.push_back(label);
      }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
      for (std::size_t j = i + 1; j < values.size(); ++j) {
        EXPECT_FALSE(values[i].box.Overlaps(values[j].box, 0.5))
            << kinematics_check::Describe(p) << ": " << values[i].text << " on " << values[j].text;
      }
      for (const PictureBox& h : hinges) {
        EXPECT_FALSE(values[i].box.Overlaps(h, 0.5))
            << kinematics_check::Describe(p) << ": " << values[i].text << " "
            << values[i].box.Describe() << " on the hinge " << h.Describe();
      }
    }
    ++checked;
  });
  EXPECT_GT(checked, 0);
}

TEST(PointOnRod, GoldenLines) {
  // Law 1 with P1 = P2 = 1, P3 = 2, P5 = 1: a = 2 grows to 2.5, c = 5, sigma = 30, AB = 75,
  // OA = 20, omega = 1.2.
  auto v = RunOne(20, {1, 1, 2, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("\\parbox[b]{170pt}{\\small  $AM=5t(5-t)$; $t=2$~c,\\\\ "
                        "${\\omega_{OA}=1.2}~\\frac1c $,\\\\ \r\n"
                        "  $OA=   20$, $AB =    75$, \r\n"),
            std::string::npos)
      << v.main;
  // P3 = 1 measures M from B.
  v = RunOne(20, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("$BM="), std::string::npos);
  // Lengths above a metre become whole metres (250 -> 200, 160 -> 200).
  for (int p1 = 1; p1 <= 10; ++p1) {
    for (int p4 = 1; p4 <= 4; ++p4) {
      const auto w = RunOne(20, {p1, 10, 3, p4, 8, 1, 1});
      for (const char* m : {"$OA=", "$BC = "}) {
        const double x = NumberAfter(w.main, m);
        EXPECT_TRUE(x <= 100 || std::fmod(x, 100) == 0) << m << x;
      }
    }
  }
}

}  // namespace
