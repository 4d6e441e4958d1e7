#include "tests/support/plane_frame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace testing_support {
namespace {

// Textbook results the solver must reproduce before any row relies on it.

TEST(PlaneFrameTest, SimpleBeamUnderUniformAndPointLoad) {
  // Span 6, EI = 2, q = 3 down over the span; then P = 4 down at 2.
  PlaneFrame f;
  const int a = f.AddNode(0, 0), b = f.AddNode(6, 0);
  const int m = f.AddMember(a, b, 2);
  f.Pin(a);
  f.RollerY(b);
  f.UniformLoad(m, -3);
  ASSERT_TRUE(f.Solve()) << f.Error();
  EXPECT_NEAR(f.Reaction(a, 1), 9, 1e-9);
  EXPECT_NEAR(f.Reaction(b, 1), 9, 1e-9);
  EXPECT_NEAR(f.Moment(m, 3), 3 * 36 / 8.0, 1e-9);
  EXPECT_NEAR(f.Shear(m, 0), 9, 1e-9);
  EXPECT_NEAR(f.Shear(m, 6), -9, 1e-9);
  EXPECT_NEAR(f.Rotation(a), -3 * 216 / (24 * 2.0), 1e-9);

  PlaneFrame g;
  const int c = g.AddNode(0, 0), d = g.AddNode(6, 0);
  const int n = g.AddMember(c, d, 2);
  g.Pin(c);
  g.RollerY(d);
  g.PointLoad(n, 2, -4);
  ASSERT_TRUE(g.Solve());
  EXPECT_NEAR(g.Reaction(c, 1), 4 * 4 / 6.0, 1e-9);
  EXPECT_NEAR(g.Moment(n, 2), 4 * 2 * 4 / 6.0, 1e-9);
  // End slope under the point load: -P a b (L + b) / (6 EI L), clockwise.
  EXPECT_NEAR(g.Rotation(c), -4.0 * 2 * 4 * 10 / (6 * 2 * 6), 1e-9);
  EXPECT_NEAR(g.Shear(n, 3), 4 * 4 / 6.0 - 4, 1e-9);
}

TEST(PlaneFrameTest, DeflectionUnderAPointLoadMatchesTheFormula) {
  // A node at the load: deflection P a^2 b^2 / (3 EI L) with a = 2, b = 4, L = 6, EI = 2.
  PlaneFrame f;
  const int a = f.AddNode(0, 0), c = f.AddNode(2, 0), b = f.AddNode(6, 0);
  f.AddMember(a, c, 2);
  f.AddMember(c, b, 2);
  f.Pin(a);
  f.RollerY(b);
  f.NodalLoad(c, 0, -4);
  ASSERT_TRUE(f.Solve());
  EXPECT_NEAR(f.Uy(c), -4 * 4 * 16 / (3 * 2 * 6.0), 1e-9);
}

TEST(PlaneFrameTest, StaticallyIndeterminateBeams) {
  // Propped cantilever under q: prop reaction 3qL/8, clamp moment qL^2/8 (hogging).
  PlaneFrame f;
  const int a = f.AddNode(0, 0), b = f.AddNode(4, 0);
  const int m = f.AddMember(a, b, 5);
  f.Clamp(a);
  f.RollerY(b);
  f.UniformLoad(m, -2);
  ASSERT_TRUE(f.Solve());
  EXPECT_NEAR(f.Reaction(b, 1), 3 * 2 * 4 / 8.0, 1e-9);
  EXPECT_NEAR(f.Moment(m, 0), -2 * 16 / 8.0, 1e-9);
  EXPECT_NEAR(f.Reaction(a, 2), 2 * 16 / 8.0, 1e-9);  // counter-clockwise on the beam

  // Two equal spans under q: middle support 10qL/8, support moment -qL^2/8.
  PlaneFrame g;
  const int n0 = g.AddNode(0, 0), n1 = g.AddNode(3, 0), n2 = g.AddNode(6, 0);
  const int m0 = g.AddMember(n0, n1), m1 = g.AddMember(n1, n2);
  g.Pin(n0);
  g.RollerY(n1);
  g.RollerY(n2);
  g.UniformLoad(m0, -1);
  g.UniformLoad(m1, -1);
  ASSERT_TRUE(g.Solve());
  EXPECT_NEAR(g.Reaction(n1, 1), 10 * 3 / 8.0, 1e-9);
  EXPECT_NEAR(g.Moment(m0, 3), -9 / 8.0, 1e-9);
  EXPECT_NEAR(g.Moment(m1, 0), -9 / 8.0, 1e-9);
}

TEST(PlaneFrameTest, HingesReleaseTheMomentAndMechanismsAreReported) {
  // Cantilever 0..4 with a hinge at 4 carrying a hung span 4..6 on a roller; P = 6 down at 5.
  PlaneFrame f;
  const int a = f.AddNode(0, 0), h = f.AddNode(4, 0), b = f.AddNode(6, 0);
  const int m0 = f.AddMember(a, h, 1, 1e9, false, true);
  const int m1 = f.AddMember(h, b);
  f.Clamp(a);
  f.RollerY(b);
  f.PointLoad(m1, 1, -6);
  ASSERT_TRUE(f.Solve()) << f.Error();
  EXPECT_NEAR(f.Reaction(b, 1), 3, 1e-9);
  EXPECT_NEAR(f.Reaction(a, 1), 3, 1e-9);
  EXPECT_NEAR(f.Moment(m0, 4), 0, 1e-9);
  EXPECT_NEAR(f.Moment(m1, 0), 0, 1e-9);
  EXPECT_NEAR(f.Moment(m0, 0), -12, 1e-9);
  EXPECT_NEAR(f.Moment(m1, 1), 3, 1e-9);

  // A hinge released on both sides leaves the node's own rotation free and unloaded.
  PlaneFrame g;
  const int c = g.AddNode(0, 0), k = g.AddNode(2, 0), d = g.AddNode(4, 0);
  g.AddMember(c, k, 1, 1e9, false, true);
  g.AddMember(k, d, 1, 1e9, true, false);
  g.Clamp(c);
  g.Clamp(d);
  g.NodalLoad(k, 0, -2);
  ASSERT_TRUE(g.Solve()) << g.Error();
  EXPECT_NEAR(g.Reaction(c, 1), 1, 1e-9);
  EXPECT_NEAR(g.Uy(k), -1 * 8 / 3.0, 1e-9);  // each cantilever: P L^3 / 3EI with P = 1

  // Two spans joined by a hinge on two end supports turn freely.
  PlaneFrame mech;
  const int p = mech.AddNode(0, 0), q = mech.AddNode(2, 0), r = mech.AddNode(4, 0);
  mech.AddMember(p, q, 1, 1e9, false, true);
  mech.AddMember(q, r);
  mech.Pin(p);
  mech.RollerY(r);
  mech.NodalLoad(q, 0, -1);
  EXPECT_FALSE(mech.Solve());
}

TEST(PlaneFrameTest, PortalFrameCarriesAxialForceAndSway) {
  // Pinned-base portal, columns 4 high, beam 6 long, all EI = 1; horizontal force H = 2 at
  // the top left. By symmetry each base takes H/2 horizontally and the column tops carry
  // moments of H/2 * 4 = 4; the vertical reactions form the couple H*4/6.
  PlaneFrame f;
  const int a = f.AddNode(0, 0), b = f.AddNode(0, 4), c = f.AddNode(6, 4), d = f.AddNode(6, 0);
  const int col = f.AddMember(a, b), beam = f.AddMember(b, c);
  f.AddMember(c, d);
  f.Pin(a);
  f.Pin(d);
  f.NodalLoad(b, 2, 0);
  ASSERT_TRUE(f.Solve());
  EXPECT_NEAR(f.Reaction(a, 0), -1, 1e-6);
  EXPECT_NEAR(f.Reaction(d, 0), -1, 1e-6);
  EXPECT_NEAR(f.Reaction(a, 1), -8 / 6.0, 1e-6);
  EXPECT_NEAR(f.Reaction(d, 1), 8 / 6.0, 1e-6);
  EXPECT_NEAR(std::fabs(f.Moment(col, 4)), 4, 1e-6);
  EXPECT_NEAR(std::fabs(f.Moment(beam, 0)), 4, 1e-6);
  EXPECT_NEAR(f.Axial(col, 2), 8 / 6.0, 1e-6);  // the left column is pulled
}

}  // namespace
}  // namespace testing_support
