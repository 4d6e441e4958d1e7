#include "subjects/structural/common/truss_solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "toolkit/errors.h"

namespace structural {
namespace {

struct Joint {
  double x, y;
};
struct Bar {
  int p, q;  // joints; the force is tension positive
};

// Sum of the forces on every joint: bar tensions pull a joint towards the other end,
// reactions and loads act as given. Returns the largest residual component.
double LargestJointResidual(const std::vector<Joint>& joints, const std::vector<Bar>& bars,
                            const std::vector<double>& tension,
                            const std::vector<std::pair<int, Joint>>& external) {
  std::vector<Joint> sum(joints.size(), Joint{0, 0});
  for (size_t i = 0; i < bars.size(); ++i) {
    const Joint& a = joints[bars[i].p];
    const Joint& b = joints[bars[i].q];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    const double ux = (b.x - a.x) / l, uy = (b.y - a.y) / l;
    sum[bars[i].p].x += tension[i] * ux;
    sum[bars[i].p].y += tension[i] * uy;
    sum[bars[i].q].x -= tension[i] * ux;
    sum[bars[i].q].y -= tension[i] * uy;
  }
  for (const auto& [joint, force] : external) {
    sum[joint].x += force.x;
    sum[joint].y += force.y;
  }
  double worst = 0;
  for (size_t j = 1; j < sum.size(); ++j) {
    worst = std::max({worst, std::fabs(sum[j].x), std::fabs(sum[j].y)});
  }
  return worst;
}

TEST(TrussGeometryTest, BinaryDigitsAndPanelOffsets) {
  toolkit::IndexedArray<int, 1, 5> d;
  d.Fill(7);
  ByteToBinaryDigits5(0, d);
  EXPECT_EQ((std::vector<int>(d.begin(), d.end())), (std::vector<int>{0, 0, 0, 0, 0}));
  ByteToBinaryDigits5(6, d);
  EXPECT_EQ((std::vector<int>(d.begin(), d.end())), (std::vector<int>{0, 1, 1, 0, 0}));
  ByteToBinaryDigits5(31, d);
  EXPECT_EQ((std::vector<int>(d.begin(), d.end())), (std::vector<int>{1, 1, 1, 1, 1}));
  EXPECT_THROW(ByteToBinaryDigits5(32, d), toolkit::IndexRangeError);

  auto m = std::make_unique<Mechanics>();
  m->TrussPanelX[5] = 99;
  SetTrussPanelOffsets(*m, 5);
  EXPECT_EQ((std::vector<int>(m->TrussPanelX.begin(), m->TrussPanelX.end())),
            (std::vector<int>{0, 4, 6, 10, 99}));
  SetTrussPanelOffsetsFromTable(*m, 5);
  EXPECT_EQ((std::vector<int>(m->TrussPanelX.begin(), m->TrussPanelX.end())),
            (std::vector<int>{0, 4, 7, 9, 11}));
}

TEST(SolveTrussByJointsATest, SinglePanelMatchesHandSolution) {
  auto m = std::make_unique<Mechanics>();
  m->TrussPanelExtents[1] = 4;
  m->TrussPostHeights[1] = 3;
  m->TrussPostHeights[2] = 3;
  m->TrussPanelBits[1] = 0;
  m->TrussSupportNodeB = 1;
  m->TrussSupportNodeA = 2;
  m->LoadNodes[1] = 4;
  m->NodeLoads[4] = {10, 0};
  SolveTrussByJointsA(*m, 1, 1);
  EXPECT_EQ(m->TrussUnknownCount, 8);
  // lower chord, two posts, upper chord, diagonal, hinge x, hinge y, roller
  const double expected[8] = {10, 7.5, 0, 10, -12.5, -10, -7.5, 7.5};
  for (int i = 1; i <= 8; ++i) EXPECT_NEAR(m->SystemRhs[i][1], expected[i - 1], 1e-12) << i;
  EXPECT_DOUBLE_EQ(m->TrussBarLength[5], 5.0);
}

TEST(SolveTrussByJointsATest, ColumnShapesSatisfyEquilibriumAtEveryJoint) {
  for (int shape = 1; shape <= 5; ++shape) {
    for (int supports = 1; supports <= 6; ++supports) {
      for (int bits = 0; bits < 16; bits += 5) {
        const int n = 4;
        auto m = std::make_unique<Mechanics>();
        SetTrussPanelOffsetsFromTable(*m, shape);
        for (int k = 1; k <= n; ++k) {
          m->TrussPanelExtents[k] = m->TrussPanelX[k + 1] - m->TrussPanelX[k];
          m->TrussPanelBits[k] = (bits >> (k - 1)) & 1;
        }
        for (int k = 1; k <= n + 1; ++k) {
          m->TrussPostHeights[k] =
              TrussLengthTable[supports] + (k % 3) * TrussHeightTable[shape % 6 + 1];
        }
        m->TrussSupportNodeA = TrussSupportTableA[supports];
        m->TrussSupportNodeB = TrussSupportTableB[supports];
        m->LoadNodes[1] = 7;
        m->NodeLoads[7] = {5, -3};
        m->LoadNodes[2] = 3;
        m->NodeLoads[3] = {0, -8};
        SolveTrussByJointsA(*m, n, 2);

        // The column truss as a picture: lower joints at height 0, upper joints above them.
        std::vector<Joint> joints(2 * n + 3);
        for (int k = 1; k <= n + 1; ++k) {
          joints[k] = {static_cast<double>(m->TrussPanelX[k]), 0};
          joints[n + 1 + k] = {static_cast<double>(m->TrussPanelX[k]), m->TrussPostHeights[k]};
        }
        std::vector<Bar> bars;
        for (int k = 1; k <= n; ++k) bars.push_back({k, k + 1});
        for (int k = 1; k <= n + 1; ++k) bars.push_back({k, n + 1 + k});
        for (int k = 1; k <= n; ++k) bars.push_back({n + 1 + k, n + 2 + k});
        for (int k = 1; k <= n; ++k) {
          // upper left to lower right, or upper right to lower left
          bars.push_back(m->TrussPanelBits[k] == 0 ? Bar{n + 1 + k, k + 1} : Bar{n + 2 + k, k});
        }
        std::vector<double> tension;
        for (int i = 1; i <= 4 * n + 1; ++i) tension.push_back(m->SystemRhs[i][1]);
        const int count = 4 * (n + 1);
        const std::vector<std::pair<int, Joint>> external = {
            {7, {5, -3}},
            {3, {0, -8}},
            {m->TrussSupportNodeB, {m->SystemRhs[count - 2][1], m->SystemRhs[count - 1][1]}},
            {m->TrussSupportNodeA, {0, m->SystemRhs[count][1]}},
        };
        EXPECT_LT(LargestJointResidual(joints, bars, tension, external), 1e-9)
            << "shape " << shape << " supports " << supports << " bits " << bits;
      }
    }
  }
}

TEST(SolveTrussByJointsATest, MechanismThrowsInsteadOfStopping) {
  auto m = std::make_unique<Mechanics>();
  m->TrussPanelExtents[1] = 4;
  m->TrussPostHeights[1] = 3;
  m->TrussPostHeights[2] = 3;
  m->TrussSupportNodeB = 1;
  m->TrussSupportNodeA = 1;  // both supports on one joint: the truss can turn about it
  EXPECT_THROW(SolveTrussByJointsA(*m, 1, 0), toolkit::DegenerateDataError);
}

TEST(SolveTrussByJointsBTest, TriangularLatticeSatisfiesEquilibriumAtEveryJoint) {
  for (int shape = 1; shape <= 5; ++shape) {
    for (int supports = 1; supports <= 6; ++supports) {
      auto m = std::make_unique<Mechanics>();
      SetTrussPanelOffsetsFromTable(*m, shape);
      for (int k = 1; k <= 3; ++k) {
        m->TrussPanelExtents[k] = m->TrussPanelX[k + 1] - m->TrussPanelX[k];
        m->TrussChordY[k] = TrussHeightTable[(shape + k) % 6 + 1] + 1;
      }
      m->TrussSupportNodeA = TrussSupportTableA[supports];
      m->TrussSupportNodeB = TrussSupportTableB[supports];
      const double beta = 0.3 * supports;
      m->TrussSupportSin = std::sin(beta);
      m->TrussSupportCos = std::cos(beta);
      m->LoadNodes[1] = 6;
      m->NodeLoads[6] = {4, 2};
      m->LoadNodes[2] = 2;
      m->NodeLoads[2] = {0, -10};
      m->LoadNodes[3] = 0;  // unused entry
      SolveTrussByJointsB(*m);

      std::vector<Joint> joints(8);
      for (int k = 1; k <= 4; ++k) joints[k] = {static_cast<double>(m->TrussPanelX[k]), 0};
      for (int k = 1; k <= 3; ++k) {
        joints[k + 4] = {(m->TrussPanelX[k] + m->TrussPanelX[k + 1]) / 2.0,
                         static_cast<double>(m->TrussChordY[k])};
      }
      const std::vector<Bar> bars = {{1, 2}, {2, 3}, {3, 4}, {5, 1}, {5, 2}, {6, 2},
                                     {6, 3}, {7, 3}, {7, 4}, {5, 6}, {6, 7}};
      std::vector<double> tension;
      for (int i = 1; i <= 11; ++i) tension.push_back(m->SystemRhs[i][1]);
      const double r = m->SystemRhs[14][1];
      const std::vector<std::pair<int, Joint>> external = {
          {6, {4, 2}},
          {2, {0, -10}},
          {m->TrussSupportNodeB, {m->SystemRhs[12][1], m->SystemRhs[13][1]}},
          {m->TrussSupportNodeA, {r * std::cos(beta), r * std::sin(beta)}},
      };
      EXPECT_LT(LargestJointResidual(joints, bars, tension, external), 1e-9)
          << "shape " << shape << " supports " << supports;
    }
  }
}

TEST(SolveTrussByJointsCTest, UnitForceIsBalancedWithTheSolversSignAndLengthsKept) {
  struct Case {
    int a, dx, dy, node, load_node, fx, fy;
  };
  const Case cases[] = {{4, 0, 1, 1, 3, 1, 0}, {4, 1, 0, 1, 2, 0, 1}, {1, 1, 1, 4, 3, 0, 1}};
  for (const Case& c : cases) {
    auto s = std::make_unique<SharedState>();
    const Joint p[5] = {{0, 0}, {0, 0}, {30, 0}, {30, 40}, {60, 40}};
    for (int k = 1; k <= 4; ++k) {
      s->PointX[k] = p[k].x;
      s->PointY[k] = p[k].y;
    }
    SolveTrussByJointsC(*s, c.a, c.dx, c.dy, c.node, c.load_node, c.fx, c.fy);
    std::vector<Joint> joints(8);
    for (int k = 1; k <= 7; ++k) joints[k] = {s->PointX[k], s->PointY[k]};
    EXPECT_EQ(joints[7].x, p[c.a].x - c.dx);
    const std::vector<Bar> bars = {{1, 2}, {2, 3},      {3, 4},      {1, 3},
                                   {2, 4}, {c.node, 5}, {c.node, 6}, {c.a, 7}};
    std::vector<double> tension;
    for (int i = 1; i <= 8; ++i) tension.push_back(s->SystemRhs[i][1]);
    // The ground points take the link forces; only joints 1..4 must balance. The bars
    // balance the negated force, as the solver's first-end convention has it.
    std::vector<Joint> four(joints.begin(), joints.begin() + 5);
    std::vector<Bar> inner(bars.begin(), bars.begin() + 5);
    std::vector<std::pair<int, Joint>> external = {{c.load_node, {-1.0 * c.fx, -1.0 * c.fy}}};
    for (int i = 6; i <= 8; ++i) {
      const Joint& from = joints[bars[i - 1].p];
      const Joint& to = joints[bars[i - 1].q];
      const double l = std::hypot(to.x - from.x, to.y - from.y);
      external.push_back(
          {bars[i - 1].p,
           {tension[i - 1] * (to.x - from.x) / l, tension[i - 1] * (to.y - from.y) / l}});
    }
    std::vector<double> inner_tension(tension.begin(), tension.begin() + 5);
    EXPECT_LT(LargestJointResidual(four, inner, inner_tension, external), 1e-12);
    EXPECT_DOUBLE_EQ(s->TrussUnitForceResult[1], 30.0);
    EXPECT_DOUBLE_EQ(s->TrussUnitForceResult[4], 50.0);
    EXPECT_DOUBLE_EQ(s->TrussUnitForceResult[6], 1.0);
  }
}

}  // namespace
}  // namespace structural
