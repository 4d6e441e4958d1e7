#include "toolkit/max_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"

namespace toolkit {
namespace {

struct Network {
  int n = 0;
  std::unique_ptr<TIntMatrix> capacities = std::make_unique<TIntMatrix>();
  std::unique_ptr<TIntMatrix> arcs = std::make_unique<TIntMatrix>();
  std::unique_ptr<TIntMatrix> flow = std::make_unique<TIntMatrix>();

  void Arc(int from, int to, int capacity) {
    (*arcs)[from][to] = 1;
    (*capacities)[from][to] = capacity;
  }
  void Solve() { ComputeMaxFlow(n, *capacities, *arcs, *flow); }
};

// The smallest capacity of a cut around the source, over every set of vertices that holds the
// source and not the sink.
int BruteForceMinCut(const Network& net) {
  int best = 1 << 30;
  const int inner = net.n - 2;
  for (std::uint32_t mask = 0; mask < (1u << inner); ++mask) {
    auto in_source_side = [&](int v) {
      return v == 1 || (v != net.n && ((mask >> (v - 2)) & 1u) != 0);
    };
    int cut = 0;
    for (int i = 1; i <= net.n; ++i) {
      for (int j = 1; j <= net.n; ++j) {
        if ((*net.arcs)[i][j] == 1 && in_source_side(i) && !in_source_side(j))
          cut += (*net.capacities)[i][j];
      }
    }
    best = std::min(best, cut);
  }
  return best;
}

// Checks that the flow is feasible and conserved and returns its value (net flow into the sink).
int CheckedFlowValue(const Network& net, const std::string& name) {
  for (int i = 1; i <= net.n; ++i) {
    for (int j = 1; j <= net.n; ++j) {
      const int f = (*net.flow)[i][j];
      if ((*net.arcs)[i][j] == 1) {
        EXPECT_GE(f, 0) << name << " arc " << i << "->" << j;
        EXPECT_LE(f, (*net.capacities)[i][j]) << name << " arc " << i << "->" << j;
      } else {
        EXPECT_EQ(f, 0) << name << " no arc " << i << "->" << j;
      }
    }
  }
  for (int v = 2; v < net.n; ++v) {
    int balance = 0;
    for (int u = 1; u <= net.n; ++u) balance += (*net.flow)[u][v] - (*net.flow)[v][u];
    EXPECT_EQ(balance, 0) << name << " vertex " << v;
  }
  int value = 0;
  for (int u = 1; u <= net.n; ++u) value += (*net.flow)[u][net.n] - (*net.flow)[net.n][u];
  return value;
}

TEST(MaxFlowTest, MatchesBruteForceMinimumCutOnRandomNetworks) {
  std::mt19937 random(20261210u);
  auto below = [&](std::uint32_t k) { return static_cast<int>(random() % k); };
  for (int trial = 0; trial < 400; ++trial) {
    Network net;
    net.n = 2 + below(8);  // 2..9 vertices
    const int density = 2 + below(5);
    const bool wide = trial % 5 == 0;  // capacities above the 100-unit bottleneck start
    for (int i = 1; i <= net.n; ++i) {
      for (int j = 1; j <= net.n; ++j) {
        if (i != j && below(8) < density) net.Arc(i, j, wide ? below(260) : below(10));
      }
    }
    net.Solve();
    const std::string name = "trial " + std::to_string(trial);
    EXPECT_EQ(CheckedFlowValue(net, name), BruteForceMinCut(net)) << name;
  }
}

TEST(MaxFlowTest, SearchOrderDecidesWhichMaximumFlow) {
  Network net;
  net.n = 4;
  net.Arc(1, 2, 3);
  net.Arc(1, 3, 3);
  net.Arc(2, 3, 2);
  net.Arc(2, 4, 2);
  net.Arc(3, 4, 4);
  (*net.flow)[4][1] = 9;  // the result is cleared first
  net.Solve();
  const std::vector<int> got = {(*net.flow)[1][2], (*net.flow)[1][3], (*net.flow)[2][3],
                                (*net.flow)[2][4], (*net.flow)[3][4], (*net.flow)[4][1]};
  EXPECT_EQ(got, (std::vector<int>{3, 3, 1, 2, 4, 0}));
}

TEST(MaxFlowTest, SpentSearchBudgetAddsNoStrandedFlow) {
  // Thirty-nine dead ends hang off the source before the one way to the sink: the first
  // search spends its step budget among them.
  Network net;
  net.n = 42;
  for (int v = 2; v <= 40; ++v) net.Arc(1, v, 5);
  net.Arc(1, 41, 7);
  net.Arc(41, 42, 4);
  net.Solve();
  EXPECT_EQ(CheckedFlowValue(net, "dead ends"), 4);
  for (int v = 2; v <= 40; ++v) EXPECT_EQ((*net.flow)[1][v], 0) << v;
}

TEST(MaxFlowTest, DegenerateNetworks) {
  Network empty;
  empty.n = 5;
  empty.Arc(2, 5, 3);  // the source has no arcs
  empty.Solve();
  EXPECT_EQ(CheckedFlowValue(empty, "no source arcs"), 0);

  Network single;
  single.n = 1;
  single.Arc(1, 1, 3);
  single.Solve();  // the source is the sink: nothing flows, and the call ends
  EXPECT_EQ((*single.flow)[1][1], 0);

  Network negative;
  negative.n = 3;
  negative.Arc(1, 2, -1);
  EXPECT_THROW(negative.Solve(), DegenerateDataError);

  Network too_big;
  too_big.n = 65;
  EXPECT_THROW(too_big.Solve(), IndexRangeError);
}

TEST(MaxFlowTest, FlowRowSumsInWholeNumbers) {
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  r.FirstNumber = 3;
  r.VariantIndex = 2;
  auto capacities = std::make_unique<TIntMatrix>();
  auto flow = std::make_unique<TIntMatrix>();
  for (int k = 2; k <= 5; ++k) (*capacities)[1][k] = 70;  // 280: past a byte
  for (int i = 10; i <= 13; ++i) (*capacities)[i][14] = 9;
  (*capacities)[9][14] = 50;  // not one of the sink's counted arcs
  (*flow)[10][14] = 200;
  (*flow)[13][14] = 60;
  AnsWriteFlowRow(r, *capacities, *flow);
  // The row names the printed number FirstNumber + VariantIndex - 1.
  EXPECT_EQ(testing_support::AnsText(r), " 4 \r\n&260 \r\n&280  \r\n&36  \r\n");
}

}  // namespace
}  // namespace toolkit
