#include <gtest/gtest.h>

#include <string>

#include "subjects/mechanisms/catalogue.h"
#include "tests/subjects/mechanisms/catalogue_run.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace mechanisms {
namespace {

using testing_support::VariantParams;

std::unique_ptr<SharedState> StateFor(const VariantParams& p) {
  auto s = testing_support::NewState();
  testing_support::SetVariant(*s, 1, p);
  s->BlockCentred = true;
  return s;
}

std::string Figure(const VariantParams& p) {
  const std::string body = mechanisms_test::VariantBody(mechanisms_test::RunScheme(p).main);
  return body.substr(0, body.find("\\end{picture}"));
}

bool Has(const std::string& text, const std::string& what) {
  return text.find(what) != std::string::npos;
}

TEST(CatalogueDrawers, EachDrawerDrawsOnlyItsOwnSchemes) {
  for (int scheme : {0, 20, 100, 122, 123, 127}) {
    auto s = StateFor({scheme, 1, 1, 1, 1, 1, 1});
    CatalogueVariables c;
    DrawSchemes1To19(*s, c);
    EXPECT_EQ(testing_support::MainText(*s), "") << scheme;
  }
  for (int scheme : {1, 19, 122, 124}) {
    auto s = StateFor({scheme, 1, 1, 1, 1, 1, 1});
    DrawScheme123(*s);
    EXPECT_EQ(testing_support::MainText(*s), "") << scheme;
  }
}

// The last drawer closes the figure that another drawer opened, whatever the scheme.
TEST(CatalogueDrawers, LastDrawerOnlyClosesOtherSchemesPictures) {
  for (int scheme : {1, 50, 123, 124, 125, 126}) {
    auto s = StateFor({scheme, 2, 2, 2, 10, 2, 5});
    DrawSchemes100To127(*s);
    EXPECT_EQ(testing_support::MainText(*s), "\\end{picture}\r\n") << scheme;
  }
}

// Scheme 123: one figure for every sub-variant; P2 moves the coordinate's group to the lower
// plate, P7 turns the force on the block's axis.
TEST(CatalogueDrawers, Scheme123GroupAndForce) {
  const std::string upper = Figure({123, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(upper, Figure({123, 1, 1, 1, 10, 1, 1}));
  EXPECT_TRUE(upper.starts_with("\\noindent\\begin{picture}(131,89)(-15,-15)%\r\n")) << upper;
  EXPECT_TRUE(Has(upper, "\\put(-2,-3){\\multiput(100,54)(0,2.4){")) << upper;
  const std::string lower = Figure({123, 2, 1, 1, 1, 1, 1});
  EXPECT_TRUE(Has(lower, "\\put(-11,-21){\\multiput(100,54)")) << lower;
  EXPECT_TRUE(Has(upper, "\\put(30,25){\\thicklines\\vector(1,0){20}}")) << upper;
  EXPECT_TRUE(Has(upper, "\\put(40,12){")) << upper;
  const std::string left = Figure({123, 1, 1, 1, 1, 1, 3});
  EXPECT_TRUE(Has(left, "\\put(30,25){\\thicklines\\vector(-1,0){20}}")) << left;
  EXPECT_TRUE(Has(left, "\\put(13,12){")) << left;
  EXPECT_TRUE(Has(upper, "{\\usebox{\\dmomentp}}")) << upper;
  EXPECT_TRUE(Has(Figure({123, 1, 1, 1, 1, 2, 1}), "{\\usebox{\\dmomentm}}"));
}

// Scheme 14 with the cylinder between the piston and a fixed plane: the force on its axis
// points left with its label 25 to the left (P2 = 1), or right with the label 21 right.
TEST(CatalogueDrawers, Scheme14ForceOnTheCylinderFollowsP2) {
  auto s = StateFor({14, 1, 2, 1, 1, 1, 1});
  CatalogueVariables c;
  s->BoxWidth = 80;
  s->BoxHeight = 60;
  LayOutScheme(*s, c);
  const double x3 = s->PointX[3];
  const double y3 = s->PointY[3];
  EXPECT_EQ(x3, 90);
  EXPECT_EQ(y3, 41.5);
  const std::string left = Figure({14, 1, 2, 1, 1, 1, 1});
  EXPECT_TRUE(Has(left, "\\put(90,41.5){\\thicklines\\vector(-1,0){28}}")) << left;
  EXPECT_TRUE(Has(left, "\\put(65,44.5){")) << left;
  const std::string right = Figure({14, 2, 2, 1, 1, 1, 1});
  EXPECT_TRUE(Has(right, "\\put(90,41.5){\\thicklines\\vector(1,0){28}}")) << right;
  EXPECT_TRUE(Has(right, "\\put(111,44.5){")) << right;
  // P4 = 2 puts the fixed plane under the cylinder.
  EXPECT_TRUE(Has(Figure({14, 1, 2, 2, 1, 1, 1}), "\\strichd{12}")) << Figure({14, 1, 2, 2, 1, 1, 1});
}

TEST(CatalogueDrawers, Scheme16LeavesBlocksCentredAndScheme13PutsItsForceAt100) {
  auto s = testing_support::NewState();
  mechanisms_test::RunScheme(*s, {16, 1, 1, 1, 1, 1, 1});
  EXPECT_TRUE(s->BlockCentred);
  EXPECT_TRUE(Has(Figure({13, 1, 1, 1, 1, 1, 1}), "\\put(100,"));
}

// Schemes 17..19 share one figure: the link CD with its joints and labels in 17 and 18, the
// vertical force in 18 only, the body label 2 at point 5 in 19.
TEST(CatalogueDrawers, Schemes17To19Differences) {
  const std::string s17 = Figure({17, 1, 1, 1, 1, 1, 1});
  const std::string s18 = Figure({18, 1, 1, 1, 1, 1, 1});
  const std::string s19 = Figure({19, 1, 1, 1, 1, 1, 1});
  EXPECT_TRUE(Has(s17, "{$D$}") && Has(s18, "{$C$}"));
  EXPECT_FALSE(Has(s19, "{$D$}") || Has(s19, "{$C$}"));
  EXPECT_TRUE(Has(s17, "\\vector(-1,0){16}"));
  EXPECT_TRUE(Has(s19, "\\vector(-1,0){16}"));
  EXPECT_TRUE(Has(s18, "\\vector(0,1){18}"));
  EXPECT_TRUE(Has(Figure({18, 1, 2, 1, 1, 1, 1}), "\\vector(0,-1){17}"));
}

// Schemes 55 and 57 put P4 + 1 bearings under the load; scheme 56 moves its angle with the
// sub-variant only.
TEST(CatalogueDrawers, BearingsAndTheAngleOfScheme56) {
  for (int scheme : {55, 57}) {
    const std::string two = Figure({scheme, 1, 1, 1, 1, 1, 1});
    EXPECT_TRUE(Has(two, "\\put(10,-2.5){\\circle{ 4}}") && Has(two, "\\put(26,-2.5){\\circle{ 4}}"))
        << two;
    EXPECT_FALSE(Has(two, "\\put(18,-2.5){"));
    EXPECT_TRUE(Has(Figure({scheme, 1, 1, 2, 1, 1, 1}), "\\put(18,-2.5){\\circle{ 4}}"));
  }
  const std::string early = Figure({56, 2, 2, 2, 5, 2, 5});
  const std::string late = Figure({56, 2, 2, 2, 6, 2, 5});
  EXPECT_NE(early, late);
  EXPECT_EQ(early, Figure({56, 2, 2, 2, 1, 1, 1}));
}

// Scheme 79 runs the senses of its two moments through the four pairs over P5.
TEST(CatalogueDrawers, Scheme79MomentPairsOverP5) {
  const char* pairs[] = {"pp", "pp", "pm", "pm", "pm", "mp", "mp", "mm", "mm", "mm"};
  for (int p5 = 1; p5 <= 10; ++p5) {
    const std::string figure = Figure({79, 1, 1, 1, p5, 1, 1});
    const std::string a = pairs[p5 - 1][0] == 'p' ? "Momentp" : "Momentm";
    const std::string b = pairs[p5 - 1][1] == 'p' ? "Momentp" : "Momentm";
    const auto at_a = figure.find("\\put(0,38){\\usebox{\\" + a + "}}");
    const auto at_b = figure.find("{\\usebox{\\" + b + "}}", at_a + 1);
    EXPECT_NE(at_a, std::string::npos) << p5 << figure;
    EXPECT_NE(at_b, std::string::npos) << p5;
  }
}

struct Case {
  VariantParams p;
  const char* line;
};

// Scheme 124: sub-variants 3 and 5 draw at their own unit, set inside the picture (whose room
// is given in points) so that it ends with it; the others keep 1 pt. P2 puts the stem of
// sub-variant 9 left or right of the mechanism, and the options of sub-variant 8 turn its
// two moments.
TEST(CatalogueDrawers, Scheme124UnitsAndOptions) {
  struct Unit {
    int p5;
    const char* opening;
  };
  const Unit units[] = {
      {3, "\\noindent\\begin{picture}(106,88)(-15,-23)%\r\n\\unitlength=0.64pt\r\n"},
      {5, "\\noindent\\begin{picture}(127,105)(-18,-18)%\r\n\\unitlength=1.2pt\r\n"},
  };
  for (const Unit& u : units) {
    for (const VariantParams& p : {VariantParams{124, 1, 1, 1, u.p5, 1, 1},
                                   VariantParams{124, 2, 2, 2, u.p5, 2, 5}}) {
      const std::string main = mechanisms_test::RunScheme(p).main;
      const std::string body = mechanisms_test::VariantBody(main);
      EXPECT_TRUE(body.starts_with(u.opening)) << u.p5 << "\n" << body;
      EXPECT_EQ(main.find("\\unitlength"), main.find(u.opening) + std::string(u.opening).find("\\unitlength"));
    }
  }
  for (int p5 : {1, 2, 4, 6, 7, 8, 9, 10}) {
    EXPECT_FALSE(Has(Figure({124, 1, 1, 1, p5, 1, 1}), "\\unitlength")) << p5;
  }
  const Case cases[] = {
      {{124, 1, 1, 1, 9, 1, 1}, "\\put(13,74){\\scriptsize \\Brown{$1$}}"},
      {{124, 2, 1, 1, 9, 1, 1}, "\\put(73,74){\\scriptsize \\Brown{$1$}}"},
      {{124, 1, 1, 1, 9, 1, 1}, "\\put(90,39){\\usebox{\\rmomentm}}"},
      {{124, 2, 1, 1, 9, 1, 1}, "\\put(90,39){\\usebox{\\rmomentp}}"},
      {{124, 1, 1, 1, 8, 1, 1}, "\\put(57.8,29.8){\\usebox{\\Umomp}}"},
      {{124, 1, 2, 1, 8, 1, 1}, "\\put(57.8,29.8){\\usebox{\\Umomm}}"},
      {{124, 2, 1, 1, 8, 1, 1}, "\\put(28,0){\\usebox{\\Lmomm}}"},
      {{124, 1, 1, 1, 10, 1, 1}, "\\put(40,20){\\usebox{\\MomentpLeftdmin}}"},
      {{124, 2, 1, 1, 10, 1, 1}, "\\put(40,20){\\usebox{\\MomentpLeftdplu}}"},
      {{124, 1, 1, 1, 1, 1, 1}, "\\put(0,0){\\usebox{\\MomentpLeft}}"},
      {{124, 1, 1, 1, 4, 1, 1}, "\\put(38,30){\\usebox{\\MomentpLeftmm}}"},
      {{124, 1, 1, 1, 3, 1, 3}, "\\put(45,8){\\scriptsize \\Brown{$2$}}"},
      {{124, 1, 1, 1, 3, 1, 4}, "\\put(8,91){\\scriptsize \\Brown{$2$}}"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Has(Figure(c.p), c.line)) << c.p[1] << " " << c.p[4] << " " << c.line;
  }
}

// The "\varphi" label line of a figure: it moves with the arc's radius and end angle.
std::string PhiLabel(const std::string& figure) {
  const auto end = figure.find("{$\\varphi$}}");
  const auto start = figure.rfind("\\put(", end);
  return end == std::string::npos ? "" : figure.substr(start, end - start);
}

// Scheme 125: in sub-variant 1 the odd values 1 and 3 of P7 share the small arc of the
// coordinate, while the moment's sense splits 1..2 from 3..5; sub-variant 10 moves point A
// with P6; sub-variant 7 puts D midway between A and C.
TEST(CatalogueDrawers, Scheme125Options) {
  const std::string p7_1 = Figure({125, 1, 1, 1, 1, 1, 1});
  const std::string p7_2 = Figure({125, 1, 1, 1, 1, 1, 2});
  const std::string p7_3 = Figure({125, 1, 1, 1, 1, 1, 3});
  EXPECT_FALSE(PhiLabel(p7_1).empty());
  EXPECT_EQ(PhiLabel(p7_1), PhiLabel(p7_3));
  EXPECT_NE(PhiLabel(p7_1), PhiLabel(p7_2));
  EXPECT_TRUE(Has(p7_1, "\\put(80,0){\\usebox{\\Bvmomen}}"));
  EXPECT_TRUE(Has(p7_2, "\\put(80,0){\\usebox{\\Bvmomen}}"));
  EXPECT_TRUE(Has(p7_3, "\\put(80,0){\\usebox{\\Bvmomenp}}"));

  const std::string near = Figure({125, 1, 2, 1, 10, 1, 1});
  const std::string far = Figure({125, 1, 2, 1, 10, 2, 1});
  EXPECT_TRUE(Has(near, "\\mt{-12}{7}\\pp{-25}{14}")) << near;
  EXPECT_TRUE(Has(far, "\\mt{-12}{7}\\pp{-25}{16}")) << far;
  EXPECT_TRUE(Has(far, "\\put(14,43){\\scriptsize \\Brown{$A$}}")) << far;
  EXPECT_TRUE(Has(Figure({125, 1, 1, 1, 7, 1, 1}), "\\put(45,-7){\\scriptsize \\Brown{$D$}}"));
}

// Scheme 126, sub-variant 5: P7 = 1, 3, 5 draw the plate's axis "x" and no angle, 2 and 4
// the disc's angle and no axis; the disc's moment turns with 1 and 4 against the rest.
// Sub-variant 3 shares the leader of "1" between P7 = 2 and 3.
TEST(CatalogueDrawers, Scheme126CoordinateByP7) {
  struct Row {
    int p7;
    bool axis;
    const char* disc_box;
  };
  const Row rows[] = {{1, true, "VMmomentp"}, {2, false, "VMmomentm"}, {3, true, "VMmomentm"},
                      {4, false, "VMmomentp"}, {5, true, "VMmomentm"}};
  for (const Row& r : rows) {
    const std::string figure = Figure({126, 1, 1, 1, 5, 1, r.p7});
    EXPECT_EQ(Has(figure, "\\put(-29,29){\\scriptsize \\Brown{$x$}}"), r.axis) << r.p7;
    EXPECT_EQ(Has(figure, "$\\varphi$"), !r.axis) << r.p7;
    EXPECT_EQ(Has(figure, "\\mt{20}{39}\\pp{34}{54}"), !r.axis) << r.p7;
    EXPECT_TRUE(Has(figure, "\\put(20,38.2){\\usebox{\\" + std::string(r.disc_box) + "}}"))
        << r.p7 << figure;
  }
  EXPECT_EQ(Figure({126, 1, 1, 1, 3, 1, 2}), Figure({126, 1, 1, 1, 3, 1, 3}));
  EXPECT_NE(Figure({126, 1, 1, 1, 3, 1, 1}), Figure({126, 1, 1, 1, 3, 1, 4}));
}

// Scheme 127, sub-variant 10: both forces P under the piston whatever the options; P6 turns
// the force F at the cylinder's axis and the cylinder's moment. Sub-variant 2 with P6 = 2
// and P2 = 1 points its force left from the D end of rod AD.
TEST(CatalogueDrawers, Scheme127PistonForces) {
  const Case cases[] = {
      {{127, 1, 1, 1, 10, 1, 1}, "\\put(-47,0){\\thicklines\\vector(0,1){19}}"},
      {{127, 1, 1, 1, 10, 2, 1}, "\\put(47,0){\\thicklines\\vector(0,1){19}}"},
      {{127, 1, 1, 1, 10, 1, 1}, "\\put(20,47){\\thicklines\\vector(-1,0){25}}"},
      {{127, 1, 1, 1, 10, 2, 1}, "\\put(-5,47){\\thicklines\\vector(1,0){25}}"},
      {{127, 1, 1, 1, 10, 1, 1}, "\\put(-6,47){\\usebox{\\Momentm}}"},
      {{127, 1, 1, 1, 10, 2, 1}, "\\put(-6,47){\\usebox{\\Momentp}}"},
      {{127, 1, 1, 1, 2, 2, 1}, "\\put(38.5,-20){\\thicklines\\vector(-1,0){20}}"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Has(Figure(c.p), c.line)) << c.p[4] << " " << c.line;
  }
}

// Option-driven elements of the figures of schemes 93 and 100..122: each case names a
// variant and a line its figure holds.
TEST(CatalogueDrawers, OptionsMoveTheirElements) {
  const Case cases[] = {
      {{93, 1, 1, 1, 1, 1, 1}, "\\begin{picture}(138,78)(-32,-8)%\r\n\\unitlength=0.8pt\r\n"},
      {{100, 1, 1, 1, 1, 1, 1}, "\\put(50,9){\\thicklines\\vector(1,0){20}}"},
      {{100, 1, 1, 2, 1, 1, 1}, "\\put(70,9){\\thicklines\\vector(-1,0){20}}"},
      {{101, 1, 1, 1, 1, 1, 1}, "\\put(-20,20){\\scriptsize \\Brown{$1$}}"},
      {{101, 1, 1, 1, 1, 1, 1}, "\\put(40,30){\\usebox{\\dmomentp}}"},
      {{101, 1, 2, 1, 1, 1, 1}, "\\put(10,20){\\scriptsize \\Brown{$1$}}"},
      {{101, 1, 2, 1, 1, 1, 1}, "\\put(-40,30){\\usebox{\\dmomentp}}"},
      {{103, 1, 1, 1, 1, 1, 2}, "\\put(40,20){\\usebox{\\Momentp}}"},
      {{103, 1, 1, 1, 1, 1, 3}, "\\put(40,20){\\usebox{\\Momentm}}"},
      {{112, 1, 1, 1, 1, 2, 1}, "\\mt{81.5}{0}"},
      {{113, 1, 1, 1, 1, 1, 1}, "\\put(6,32){\\usebox{\\dmomentp}}"},
      {{113, 2, 1, 1, 1, 1, 1}, "\\put(25,25){\\usebox{\\dmomentm}}"},
      {{117, 1, 1, 1, 1, 2, 1}, "\\put(80,17.5){\\usebox{\\dmomentm}}"},
      {{117, 1, 1, 1, 1, 2, 1}, "\\put(50,50){\\usebox{\\rmomentm}}"},
      {{118, 2, 1, 1, 1, 1, 1}, "\\mt{101.5}{0}"},
      {{122, 1, 1, 1, 1, 1, 2}, "\\put(80,0){\\thicklines\\vector(1,0){25}}"},
      {{122, 1, 1, 1, 1, 1, 3}, "\\put(106,0){\\thicklines\\vector(-1,0){25}}"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Has(Figure(c.p), c.line)) << c.p[0] << " " << c.line << "\n" << Figure(c.p);
  }
  // Scheme 93 returns to 1 pt as its last line, whatever the options.
  const std::string body = mechanisms_test::VariantBody(mechanisms_test::RunScheme({93, 2, 2, 2, 1, 2, 1}).main);
  EXPECT_NE(body.find("\\unitlength=1pt\r\n\\end{picture}"), std::string::npos) << body;
}

}  // namespace
}  // namespace mechanisms
