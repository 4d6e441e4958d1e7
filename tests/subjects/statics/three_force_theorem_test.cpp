#include "subjects/statics/three_force_theorem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/picture_reader.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using testing_support::VariantParams;

constexpr double kPi = std::numbers::pi;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginThreeForceTheoremProblem,
                                          WriteThreeForceTheoremVariant, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(ThreeForceTheoremTest, BeginWritesTheHeadTheStatementAndTheReference) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(t.answers.find("  \\No&\\mc{$ R_A$}&\\mc{$ R_B$}\\\\\\hline\r\n"), std::string::npos);
  EXPECT_EQ(t.main.find("The body is in equilibrium under three forces, one of which is known "
                        "body weight $G$ or external load $P$,\r\n --- another reaction"),
            0u);
  EXPECT_NE(t.main.find("\\Red{(p.26.)}"), std::string::npos);
}

TEST(ThreeForceTheoremTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"scheme 1, weight, 45 degrees",
       {1, 2, 1, 1, 1, 10, 1},
       "\\vskip2mm\\hfill ${G=10}$~kN%\r\n,  $AC=$60~cm\r\n\\par}",
       // R = 10 (30 cos 45) / (24 sqrt 2) = 6.25 normal to the rod.
       " 5&$    7.119$&$   -6.250$ "},
      {"scheme 7, P at a third",
       {7, 1, 2, 2, 1, 12, 1},
       " ${P=12}$~kN%\r\n,  $2AC=CB$\\par}",
       nullptr},
      {"scheme 15: no vertical hinge component, R = Q / sin(alpha)",
       {15, 2, 1, 2, 1, 8, 1},
       "$3AD{=}4DC$, $\\sin\\alpha$=0.8\r\n\\par}",
       " 5&$    6.000$&$  -10.000$ "},
      {"scheme 4, 30 degrees drawn at D",
       {4, 1, 1, 4, 1, 33, 1},
       " $P$=33~kN, \r\n $AB{=}BC$\\par}",
       nullptr},
  };
  for (const Case& c : cases) {
    auto s = testing_support::NewState();
    s->FirstNumber = 5;
    const auto t = testing_support::RunBeginVariant(*s, BeginThreeForceTheoremProblem,
                                                    WriteThreeForceTheoremVariant, {c.p});
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    if (c.row != nullptr) {
      EXPECT_EQ(RowOf(t), c.row) << c.what;
    }
  }
  EXPECT_NE(RunOne({4, 1, 1, 4, 1, 33, 1}).main.find("$30^{\\circ}$"), std::string::npos);
}

// The data text of a variant: after "\vskip2mm\hfill" up to the closing "\par}".
std::string DataText(const std::string& m) {
  const std::size_t at = m.find("\\vskip2mm\\hfill");
  return m.substr(at, m.find("\\par}", at) - at);
}

struct V2 {
  double x = 0, y = 0;
};
V2 Minus(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
double CrossZ(V2 a, V2 b) { return a.x * b.y - a.y * b.x; }
V2 Unit(V2 a) {
  const double l = std::hypot(a.x, a.y);
  return {a.x / l, a.y / l};
}

// The body as the test reads it: the hinge, the known force and its point, a point of the
// second reaction's line and that line's direction.
struct Body {
  V2 hinge, load, load_at, support_at, support_dir;
};

// The first red vector of the picture: its direction signs.
V2 DrawnForceDirection(const std::string& m) {
  std::size_t at = m.find("\\thicklines\\vector(");
  if (at == std::string::npos) return {0, -1};  // a weight is not drawn: it acts downwards
  const double dx = NumberAfter(m, "\\thicklines\\vector(", at);
  const double dy = NumberAfter(m, ",", at);
  return Unit({dx, dy});
}

// The angle in degrees of the first "$..^{\circ}$" label.
double AngleLabel(const std::string& m);

// The drawn support rod: the angle labelled at its ground hinge, and the side it leans to from
// the segment that follows the ring on the body (drawn from the ground hinge upwards).
V2 DrawnRodDirection(const std::string& m, std::size_t from) {
  std::size_t at = m.find("{\\circle{ 3}}", from);
  at = m.find("\\mt{", at);
  const double x1 = NumberAfter(m, "\\mt{", at);
  NumberAfter(m, "{", at);
  const double x2 = NumberAfter(m, "\\pp{", at);
  const double angle = AngleLabel(m) * kPi / 180;
  return {x2 > x1 ? std::cos(angle) : -std::cos(angle), std::sin(angle)};
}

// The angle in degrees of the first "$..^{\circ}$" label.
double AngleLabel(const std::string& m) {
  std::size_t at = m.find("^{\\circ}$");
  if (at == std::string::npos) return std::nan("");
  const std::size_t dollar = m.rfind('$', at);
  return std::strtod(m.c_str() + dollar + 1, nullptr);
}

bool Has(const std::string& text, const char* what) { return text.find(what) != std::string::npos; }

Body ReadBody(int scheme, const std::string& m) {
  const std::string d = DataText(m);
  const double q = NumberAfter(d, "=");
  const V2 drawn = DrawnForceDirection(m);
  const bool weight = Has(d, "{G=");
  Body b;
  b.load = weight ? V2{0, -q} : V2{drawn.x * q, drawn.y * q};
  const std::size_t picture = testing_support::FindPictureAtLeast(m, 20);
  switch (scheme) {
    case 1: {
      const double L = NumberAfter(d, "$AC=$");
      const std::size_t end = m.find("\\end{picture}", picture);
      std::size_t last = m.rfind("{\\scriptsize ", end);
      const double xb = NumberAfter(m, "{\\scriptsize ", last);
      double alpha = kPi / 6;
      if (!Has(m.substr(picture, end - picture), "$30^{\\circ}$")) {
        std::size_t v = m.find("{\\scriptsize ", picture);
        alpha = std::atan(NumberAfter(m, "{\\scriptsize ", v) / xb);
      }
      const V2 along{std::cos(alpha), std::sin(alpha)};
      b.load_at = weight ? V2{along.x * L / 2, along.y * L / 2} : V2{along.x * L, along.y * L};
      b.support_at = {xb, xb * std::tan(alpha)};
      b.support_dir = {-along.y, along.x};
      break;
    }
    case 2: {
      double alpha = AngleLabel(m) * kPi / 180;
      if (Has(d, "$AD$=")) alpha = std::atan2(NumberAfter(d, "$CD$="), NumberAfter(d, "$AD$="));
      const V2 B{std::cos(alpha), std::sin(alpha)};
      b.load = {drawn.x * q, drawn.y * q};
      b.load_at = {2 * B.x, 2 * B.y};
      b.support_at = B;
      b.support_dir = Unit(Minus({2 * B.x, 0}, B));
      break;
    }
    case 3:
    case 4:
    case 5:
    case 6: {
      // AB = 1; AD from the ratio or the angle drawn at D.
      double ad = 1;
      if (Has(d, "$3AB{=}4AD$")) ad = 0.75;
      if (Has(d, "$4AB{=}3AD$")) ad = 4.0 / 3;
      if (!Has(d, "AD$")) ad = 1 / std::tan(AngleLabel(m) * kPi / 180);
      const bool b_mid = Has(d, "$AB{=}BC$");
      std::size_t at = m.find("{\\usebox{\\hing}}", picture);
      const double foot = PutBefore(m, at).x;
      at = m.find("{\\usebox{\\hing}}", at + 1);
      const double side = PutBefore(m, at).x > foot ? 1 : -1;
      b.load_at = {0, b_mid ? 2.0 : 0.5};
      b.support_at = {0, 1};
      b.support_dir = Unit({side * ad, -1});
      break;
    }
    case 7: {
      const double theta = AngleLabel(m) * kPi / 180;
      double share = 0.5;
      if (!weight) {
        if (Has(d, "3AC=4CB")) share = 4.0 / 7;
        if (Has(d, "2AC=CB")) share = 1.0 / 3;
        if (Has(d, "AC=2CB")) share = 2.0 / 3;
        if (Has(d, "2AC=3CB")) share = 3.0 / 5;
      }
      b.load_at = {share, 0};
      b.support_at = {1, 0};
      b.support_dir = {-std::sin(theta), std::cos(theta)};
      break;
    }
    case 8:
    case 11:
    case 12: {
      const V2 apex = scheme == 8 ? V2{0.5, std::sqrt(3.0) / 2} : V2{1, 1 / std::sqrt(3.0)};
      b.hinge = scheme == 12 ? V2{1, 0} : V2{0, 0};
      b.load_at = apex;
      b.support_at = scheme == 12 ? V2{0, 0} : V2{1, 0};
      b.support_dir = DrawnRodDirection(m, picture);
      break;
    }
    case 9:
    case 14: {
      double h = 0.5;
      if (Has(d, "\\sqrt{3}AB=BC")) h = 1 / std::sqrt(3.0);
      if (Has(d, "AB=\\sqrt{3}BC")) h = std::sqrt(3.0);
      if (Has(d, "3AC=2BC")) h = 2.0 / 3;
      if (Has(d, " $AC=2BC")) h = 2;
      b.hinge = {1, h};
      b.load_at = {0.5, h / 2};
      b.support_at = scheme == 9 ? V2{1, 0} : V2{0, 0};
      b.support_dir = DrawnRodDirection(m, picture);
      break;
    }
    case 10:
    case 13: {
      const std::size_t second = d.find("D{=}", d.find("D{=}") + 1);
      std::size_t at = second;
      const double n = NumberAfter(d, "D{=}", at);
      const V2 foot{0, 0}, arm_end{n, 1};
      b.hinge = scheme == 10 ? foot : arm_end;
      b.load_at = {1, 1};
      b.support_at = scheme == 10 ? arm_end : foot;
      b.support_dir = DrawnRodDirection(m, picture);
      break;
    }
    default: {
      const double a = 2 * NumberAfter(d, "$BN$=");
      const double alpha = Has(d, "$\\sin\\alpha$=") ? std::asin(NumberAfter(d, "$\\sin\\alpha$="))
                                                     : NumberAfter(d, "$\\alpha$=") * kPi / 180;
      const double bs = a / std::tan(alpha);
      const V2 B{0, 0};
      const V2 A{bs * std::sin(alpha), -bs * std::cos(alpha)};
      const V2 D{A.x + a * std::cos(alpha), A.y + a * std::sin(alpha)};
      const V2 N{a / 2 * std::cos(alpha), a / 2 * std::sin(alpha)};
      const V2 M{0, a * std::sin(alpha)};
      b.hinge = B;
      b.load_at = {(B.x + D.x) / 2, (B.y + D.y) / 2};
      b.support_at = N;
      b.support_dir = Unit(Minus(M, N));
      break;
    }
  }
  return b;
}

// The body's three equations with the printed reactions: the moment about the hinge fixes the
// second reaction (its magnitude is printed), and the hinge takes what remains of the force
// sum (its magnitude is printed). Both lines then meet the load's line in one point.
TEST(ThreeForceTheoremTest, ThePrintedReactionsHoldTheBody) {
  int checked = 0;
  for (int p1 = 1; p1 <= 15; ++p1)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p3 = 1; p3 <= 3; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4)
          for (int p6 = 1; p6 <= 33; ++p6) {
            if (!testing_support::FullSweep() && p6 % 8 != 1 && p6 != 33) continue;
            const auto t = RunOne({p1, p2, p3, p4, 1, p6, 1});
            const Body b = ReadBody(p1, t.main);
            const std::vector<double> cells = AnswerCells(RowOf(t));
            const std::string where = std::to_string(p1) + " " + std::to_string(p2) +
                                      std::to_string(p3) + std::to_string(p4) + " " +
                                      std::to_string(p6);
            ASSERT_EQ(cells.size(), 3u) << where;
            const double r = -CrossZ(Minus(b.load_at, b.hinge), b.load) /
                             CrossZ(Minus(b.support_at, b.hinge), b.support_dir);
            const double hx = -b.load.x - r * b.support_dir.x;
            const double hy = -b.load.y - r * b.support_dir.y;
            EXPECT_NEAR(std::fabs(cells[2]), std::fabs(r), 1.2e-3) << where;
            EXPECT_NEAR(cells[1], std::hypot(hx, hy), 1.2e-3) << where;
            ++checked;
            if (::testing::Test::HasFailure()) return;
          }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace statics
