#include "subjects/structural/indeterminate_rod_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"
#include "toolkit/number_format.h"

namespace structural {
namespace {

using testing_support::AnsText;
using testing_support::MainText;

// Moment about the hinge (point 14) of a force (fx, fy) applied at point (px, py).
double MomentAboutHinge(const RodSystemVariant& v, double px, double py, double fx, double fy) {
  return (px - v.X[14]) * fy - (py - v.Y[14]) * fx;
}

// Checks one variant against the statics and the kinematics of the rigid bar; returns an
// empty text when it holds, else what failed.
std::string CheckRodSystem(const RodSystemVariant& v, double& smallest_third_arm) {
  // Moments about the hinge: each rod pulls its bar point towards its anchor.
  double moment = MomentAboutHinge(v, v.X[15], v.Y[15], v.P, 0);
  double stretch_per_arm[4];
  for (int k = 1; k <= 3; ++k) {
    const int a = (v.Choice[k] - 1) / 3 + 4;
    const int b = (v.Choice[k] - 1) % 3 + 1;
    const double dx = v.X[a] - v.X[b], dy = v.Y[a] - v.Y[b];
    const double l = std::hypot(dx, dy);
    const double arm = MomentAboutHinge(v, v.X[b], v.Y[b], dx / l, dy / l);
    moment += v.N[k] * arm;
    // A rigid bar turning about the hinge lengthens rod k in proportion to its arm; with
    // equal EA the elongations N L / EA must follow.
    stretch_per_arm[k] = v.N[k] * l / arm;
    if (k == 3) smallest_third_arm = std::min(smallest_third_arm, std::fabs(arm));
  }
  if (std::fabs(moment) > 1e-9 * std::fabs(v.P) * 40) return "moment " + std::to_string(moment);
  for (int k = 1; k <= 2; ++k) {
    if (std::fabs(stretch_per_arm[k] - stretch_per_arm[3]) >
        1e-9 * (1 + std::fabs(stretch_per_arm[3]))) {
      return "rod " + std::to_string(k) + " does not follow the rigid bar";
    }
  }
  return {};
}

TEST(RodSystemTest, EveryParameterSetBalancesTheBarAndFitsARigidRotation) {
  // 27 000 x 4 096 sets; the P1 values are shared among threads.
  const int thread_count = 8;
  std::vector<std::string> failure(thread_count);
  std::vector<long> checked(thread_count, 0);
  std::vector<double> smallest_arm(thread_count, 1e9);
  std::vector<std::thread> threads;
  for (int t = 0; t < thread_count; ++t) {
    threads.emplace_back([&, t] {
      // Thread-local tallies: shared neighbouring counters would serialise the threads.
      long count = 0;
      double arm = 1e9;
      std::string first_failure;
      for (int p1 = 1 + t; p1 <= 30; p1 += thread_count)
        for (int p2 = 1; p2 <= 30; ++p2)
          for (int p3 = 1; p3 <= 30; ++p3)
            for (int p4 = 1; p4 <= 8; ++p4)
              for (int p5 = 1; p5 <= 8; ++p5)
                for (int p6 = 1; p6 <= 8; ++p6)
                  for (int p7 = 1; p7 <= 8; ++p7) {
                    const std::string what =
                        CheckRodSystem(DeriveRodSystemVariant(p1, p2, p3, p4, p5, p6, p7), arm);
                    if (!what.empty() && first_failure.empty()) {
                      first_failure = what + " at P = " + std::to_string(p1) + " " +
                                      std::to_string(p2) + " " + std::to_string(p3) + " " +
                                      std::to_string(p4) + " " + std::to_string(p5) + " " +
                                      std::to_string(p6) + " " + std::to_string(p7);
                    }
                    ++count;
                  }
      checked[t] = count;
      smallest_arm[t] = arm;
      failure[t] = first_failure;
    });
  }
  for (auto& thread : threads) thread.join();
  long total = 0;
  for (int t = 0; t < thread_count; ++t) {
    EXPECT_EQ(failure[t], "");
    EXPECT_GE(smallest_arm[t], 5.7);
    total += checked[t];
  }
  EXPECT_EQ(total, 30L * 30 * 30 * 8 * 8 * 8 * 8);
}

TEST(RodSystemTest, RodChoicesSkipTheSlantingWallRodsAndWrap) {
  struct Case {
    int p1, p2, p3;
    int c1, c2, c3;
  };
  const Case cases[] = {
      {25, 1, 2, 26, 1, 2},    // the horizontal rod 12-2
      {27, 28, 29, 30, 1, 2},  // all three move to 30, then wrap
      {29, 30, 30, 30, 1, 2},  // 30 taken: wraps to 1, then 2
      {30, 1, 30, 30, 1, 2},  {3, 3, 3, 3, 4, 5},
  };
  for (const Case& c : cases) {
    const RodSystemVariant v = DeriveRodSystemVariant(c.p1, c.p2, c.p3, 1, 1, 1, 1);
    EXPECT_EQ(v.Choice[1], c.c1) << c.p1 << " " << c.p2 << " " << c.p3;
    EXPECT_EQ(v.Choice[2], c.c2) << c.p1 << " " << c.p2 << " " << c.p3;
    EXPECT_EQ(v.Choice[3], c.c3) << c.p1 << " " << c.p2 << " " << c.p3;
  }
  EXPECT_EQ(RodAnchorOfChoice(26), 12);
  EXPECT_EQ(RodBarPointOfChoice(26), 2);
  EXPECT_EQ(RodAnchorOfChoice(30), 13);
  EXPECT_EQ(RodBarPointOfChoice(30), 3);
  EXPECT_EQ(RodAnchorOfChoice(1), 4);
  EXPECT_EQ(RodAnchorOfChoice(24), 11);
}

TEST(RodSystemTest, HeightsWidthsAndLoadFollowTheParameters) {
  const int heights[9] = {0, 32, 32, 32, 34, 36, 36, 36, 38};
  const int wide[9] = {0, 20, 20, 25, 25, 25, 25, 25, 30};
  const int narrow[9] = {0, 20, 20, 20, 20, 20, 25, 25, 25};
  for (int p = 1; p <= 8; ++p) {
    const RodSystemVariant v = DeriveRodSystemVariant(1, 2, 3, p, p, p, p);
    EXPECT_EQ(v.H, heights[p]) << p;
    EXPECT_EQ(v.h0, heights[p] - 20) << p;
    EXPECT_EQ(v.e, heights[p] - 20 + p / 4) << p;
    EXPECT_EQ(v.w1, wide[p]) << p;
    EXPECT_EQ(v.w2, wide[p]) << p;
    EXPECT_EQ(v.w3, narrow[p]) << p;
    EXPECT_EQ(v.w4, narrow[p]) << p;
  }
  struct Load {
    int p1, p7;
    double P;
  };
  const Load loads[] = {{1, 5, -19}, {10, 5, -10}, {11, 1, 12}, {29, 8, 26}, {30, 3, 10}};
  for (const Load& l : loads) {
    EXPECT_EQ(DeriveRodSystemVariant(l.p1, 2, 3, 1, 1, 1, l.p7).P, l.P) << l.p1;
  }
}

// Writes one document of row 7 through the tab's dispatcher: begin entry, one variant.
std::unique_ptr<SharedState> WriteRowSeven(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->Level = 1;
  s->FirstNumber = 5;
  s->VariantIndex = 2;
  s->P1 = p1;
  s->P2 = p2;
  s->P3 = p3;
  s->P4 = p4;
  s->P5 = p5;
  s->P6 = p6;
  s->P7 = p7;
  strength::BeginMechanicsOfMaterialsProblem(*s, 7);
  strength::WriteMechanicsOfMaterialsVariant(*s, 7);
  return s;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(RodSystemDocumentTest, BeginWritesStatementAndAnswersHead) {
  auto s = WriteRowSeven(11, 12, 13, 1, 1, 1, 1);
  EXPECT_EQ(s->ParboxWidth, 200);
  const std::string main = MainText(*s);
  EXPECT_EQ(main.rfind("Определить усилия в стержнях статически неопределимой конструкции. "
                       "\\vskip2mm\\noindent \r\n",
                       0),
            0u);
  EXPECT_TRUE(Contains(AnsText(*s), " \\No& \\mc{кН} \\\\\\hline\r\n"));
}

TEST(RodSystemDocumentTest, AnswersRowNamesRodsByTheirLabels) {
  // Choices 1, 7, 3: rods 4-1, 6-1 and 4-3; used points 1, 3, 4, 6 take labels 1..4.
  auto s = WriteRowSeven(1, 7, 3, 1, 1, 1, 1);
  const RodSystemVariant v = DeriveRodSystemVariant(1, 7, 3, 1, 1, 1, 1);
  const std::string ans = AnsText(*s);
  const auto fixed = [](double x) { return toolkit::FormatFixed(x, 8, 3); };
  EXPECT_TRUE(Contains(ans, " 6&\r\n $ S_{1, 3}=" + fixed(v.N[1]) + " $,\r\n $ S_{1, 4}=" +
                                fixed(v.N[2]) + " $,\r\n $ S_{2, 3}=" + fixed(v.N[3]) + " $\r\n"))
      << ans;
  const std::string main = MainText(*s);
  EXPECT_TRUE(Contains(main, "\\vskip1mm{\\small $P$=19 кН.}\r\n")) << main;
  EXPECT_TRUE(Contains(main, "\\strichu{")) << "ceiling anchors draw the ceiling";
  EXPECT_FALSE(Contains(main, "\\strichd{")) << "no floor anchor, no floor";
  EXPECT_TRUE(Contains(main, "{\\it\\scriptsize 4}"));
  EXPECT_FALSE(Contains(main, "{\\it\\scriptsize 5}"));
}

TEST(RodSystemDocumentTest, FloorOnlyVariantHasNoCeilingAndWallRodsGetHinges) {
  // Choices 13, 26, 30: rod 8-1 to the floor and the two horizontal wall rods.
  auto s = WriteRowSeven(13, 25, 27, 2, 3, 4, 5);
  const std::string main = MainText(*s);
  EXPECT_FALSE(Contains(main, "\\strichu{"));
  EXPECT_TRUE(Contains(main, "\\strichd{"));
  // The bar's hinge stands on its support; the wall anchors are pinned to their walls, the
  // left one with its strokes to the left, the right one to the right, clear of the bar.
  size_t hinges = 0;
  for (size_t at = main.find("\\usebox{\\hing}"); at != std::string::npos;
       at = main.find("\\usebox{\\hing}", at + 1)) {
    ++hinges;
  }
  EXPECT_EQ(hinges, 1u);
  EXPECT_TRUE(Contains(main, "\\strichl{"));
  EXPECT_TRUE(Contains(main, "\\strichr{"));
  const std::string ans = AnsText(*s);
  // Bar points 1, 2, 3 are labelled 1..3, anchor 8 is 4, wall anchors 12 and 13 are 5 and 6.
  EXPECT_TRUE(Contains(ans, "S_{1, 4}=")) << ans;
  EXPECT_TRUE(Contains(ans, "S_{2, 5}=")) << ans;
  EXPECT_TRUE(Contains(ans, "S_{3, 6}=")) << ans;
  // P1 = 13 gives P = 2 P7 + 10 = 20, to the right.
  EXPECT_TRUE(Contains(main, "\\vskip1mm{\\small $P$=20 кН.}\r\n"));
}

TEST(RodSystemDocumentTest, GoldenAnswersOfTheEdgeCases) {
  auto s = testing_support::NewState();
  s->FirstNumber = 11;
  // Rods 4-1, 6-1, 4-3 with P1 = 1 (P = -19, to the left); then P1..P3 = 27, 28, 29, which
  // all move to the wall rod 13-3 and wrap to 1 and 2 (P1 = 27: P = 2 P7 + 10 = 20).
  const testing_support::RunTexts texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 7); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 7); },
      {{1, 7, 3, 1, 1, 1, 1}, {27, 28, 29, 2, 3, 4, 5}});
  EXPECT_TRUE(Contains(texts.answers,
                       " 11&\r\n"
                       " $ S_{1, 3}=  -6.926 $,\r\n"
                       " $ S_{1, 4}=  -4.762 $,\r\n"
                       " $ S_{2, 3}=  -6.032 $\r\n"
                       " \\\\ 12&\r\n"
                       " $ S_{3, 5}=  -7.492 $,\r\n"
                       " $ S_{1, 4}=   5.114 $,\r\n"
                       " $ S_{2, 4}=   5.942 $\r\n"))
      << texts.answers;
  EXPECT_TRUE(Contains(texts.main, "\\vskip1mm{\\small $P$=19 кН.}\r\n"));
  EXPECT_TRUE(Contains(texts.main, "\\vskip1mm{\\small $P$=20 кН.}\r\n"));
  // The leftward load points at the bar end, the rightward one leaves it.
  EXPECT_TRUE(Contains(texts.main, "\\thicklines\\vector(-1,0){18}"));
  EXPECT_TRUE(Contains(texts.main, "\\thicklines\\vector(1,0){18}"));
}

}  // namespace
}  // namespace structural
