#include "subjects/structural/frame_unknown_count.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

// The drawn frame as a graph: node 0 is the ground (the clamped bottom row and the walls),
// grid nodes of rows 2..m keep their numbers.
struct Bar {
  int a, b;
  bool beam;  // horizontal bar of the grid
  bool side = false;  // a side bar into a wall
};

struct Counts {
  int linear, rotations, redundants;
};

int Rank(std::vector<std::vector<double>> a) {
  int rank = 0;
  const int rows = static_cast<int>(a.size());
  const int cols = rows == 0 ? 0 : static_cast<int>(a[0].size());
  for (int c = 0; c < cols && rank < rows; ++c) {
    int pivot = rank;
    for (int r = rank + 1; r < rows; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    if (std::fabs(a[pivot][c]) < 1e-9) continue;
    std::swap(a[pivot], a[rank]);
    for (int r = 0; r < rows; ++r) {
      if (r == rank) continue;
      const double f = a[r][c] / a[rank][c];
      for (int k = c; k < cols; ++k) a[r][k] -= f * a[rank][k];
    }
    ++rank;
  }
  return rank;
}

// Counts from the drawn topology alone: contours and hinges for the force method, rigid
// nodes and the mobility of the hinged scheme for the displacement method.
Counts CountFromDrawing(const FrameUnknownCountVariant& v) {
  const int n = v.Columns, m = v.Rows, nodes = n * m;
  auto body = [&](int node) { return node <= n ? 0 : node; };
  std::vector<Bar> bars;
  for (int j = 1; j <= (m - 1) * n; ++j)
    if (j != v.RemovedSegment) bars.push_back({body(j), j + n, false});
  for (int r = 2; r <= m; ++r)
    for (int c = 1; c < n; ++c) bars.push_back({(r - 1) * n + c, (r - 1) * n + c + 1, true});
  if (v.LeftNode != 0) bars.push_back({0, v.LeftNode, false, true});
  if (v.RightNode != 0) bars.push_back({v.RightNode, 0, false, true});

  std::vector<int> degree(nodes + 1, 0);
  std::vector<int> beams(nodes + 1, 0);
  for (const Bar& b : bars) {
    ++degree[b.a];
    ++degree[b.b];
    if (b.beam) {
      ++beams[b.a];
      ++beams[b.b];
    }
  }
  // A node where only two beams meet is a point of one continuous beam, not a node.
  auto through = [&](int node) { return node != 0 && degree[node] == 2 && beams[node] == 2; };

  Counts out{};
  const int contours = static_cast<int>(bars.size()) - ((m - 1) * n + 1) + 1;
  int released = 0;
  for (int node = n + 1; node <= nodes; ++node)
    if (v.Hinged[node]) released += degree[node] - 1;
  out.redundants = 3 * contours - released;
  for (int node = n + 1; node <= nodes; ++node)
    if (!v.Hinged[node] && !through(node)) ++out.rotations;

  // The hinged scheme on the grid: two translations per free node, one bar a row; beams
  // through a beam point join its neighbours directly.
  std::vector<int> index(nodes + 1, -1);
  int dofs = 0;
  for (int node = n + 1; node <= nodes; ++node)
    if (!through(node)) index[node] = dofs++, ++dofs;
  auto x = [&](int node) { return 15.0 * ((node - 1) % n + 1); };
  auto y = [&](int node) { return 20.0 * ((node - 1) / n); };
  std::vector<Bar> links;
  for (const Bar& b : bars) {
    if (through(b.a) || through(b.b)) continue;
    links.push_back(b);
  }
  for (int node = n + 1; node <= nodes; ++node)
    if (through(node)) links.push_back({node - 1, node + 1, true});
  std::vector<std::vector<double>> rows;
  for (const Bar& link : links) {
    const int a = link.a, b = link.b;
    std::vector<double> row(dofs, 0.0);
    // A ground end (0) stands where the bar's wall or footing is: only the direction matters.
    double dx, dy;
    if (a == 0 || b == 0) {
      const int node = a == 0 ? b : a;
      dx = link.side ? 1 : 0;
      dy = link.side ? 0 : 1;
      if (index[node] >= 0) {
        row[index[node]] = dx;
        row[index[node] + 1] = dy;
      }
    } else {
      dx = x(b) - x(a);
      dy = y(b) - y(a);
      const double l = std::hypot(dx, dy);
      dx /= l;
      dy /= l;
      for (int end : {a, b}) {
        const double s = end == b ? 1 : -1;
        if (index[end] >= 0) {
          row[index[end]] += s * dx;
          row[index[end] + 1] += s * dy;
        }
      }
    }
    rows.push_back(row);
  }
  out.linear = dofs - Rank(rows);
  return out;
}

std::vector<int> PrintedRow(const std::string& answers) {
  const size_t at = answers.rfind("\\hline ");
  std::string row = answers.substr(at + 7, answers.find("\\\\", at) - at - 7);
  std::vector<int> out;
  size_t start = 0;
  while (start <= row.size()) {
    const size_t end = row.find('&', start);
    out.push_back(std::stoi(row.substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 14); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 14); }, variants);
}

TEST(FrameUnknownCountTest, CountsMatchTheDrawnFrame) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 30, 30, 30, 8}, 3000, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const FrameUnknownCountVariant v = DeriveFrameUnknownCountVariant(p[3], p[4], p[5], p[6]);
    const Counts c = CountFromDrawing(v);
    ASSERT_EQ(v.Linear, c.linear) << where;
    ASSERT_EQ(v.NodeRotations, c.rotations) << where;
    ASSERT_EQ(v.Redundants, c.redundants) << where;
    ASSERT_EQ(v.Total, v.Linear + v.NodeRotations) << where;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 30LL * 30 * 30 * 8));
}

TEST(FrameUnknownCountTest, PrintedRowAndDrawingParameters) {
  // P1..P3 move single nodes of the drawing only; the printed counts are those derived. A
  // fixed spread of 300 parameter sets, in the full run as well (the counts themselves are
  // swept above).
  for (int i = 0; i < 300; ++i) {
    testing_support::SweepPoint point;
    point.p = {1 + i % 5,        1 + (i / 5) % 5,   1 + (i / 25) % 5, 1 + (i * 7) % 30,
               1 + (i * 11) % 30, 1 + (i * 13) % 30, 1 + i % 8};
    const auto& p = point.p;
    const FrameUnknownCountVariant v = DeriveFrameUnknownCountVariant(p[3], p[4], p[5], p[6]);
    const auto texts = RunRow({p});
    const std::vector<int> row = PrintedRow(texts.answers);
    ASSERT_EQ(row, (std::vector<int>{1, v.Linear, v.NodeRotations, v.Total, v.Redundants}))
        << testing_support::Describe(point) << texts.answers;
    ASSERT_EQ(texts.main.find("nan"), std::string::npos);
  }
}

TEST(FrameUnknownCountTest, GoldenLines) {
  // All P = 1: hinges at 7 and 17, segment 2 out, a right side bar at node 12. Then both side
  // bars on storey 2 (b = t), and a 6 x 2 grid whose three hinge numbers coincide (node 9)
  // while the fourth (24) lies beyond the grid.
  const auto texts = RunRow({{1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 8, 4, 3, 1}, {1, 1, 1, 5, 5, 5, 8}});
  for (const char* row : {"1&3&16&19&40", "2&3&14&17&37", "3&0&5&5&14"})
    EXPECT_NE(texts.answers.find(row), std::string::npos) << row << "\n" << texts.answers;
  const FrameUnknownCountVariant v = DeriveFrameUnknownCountVariant(5, 5, 5, 8);
  EXPECT_EQ(v.HingeCount, 1);
  EXPECT_TRUE(v.Hinged[9]);
  EXPECT_EQ(v.SideBars, 1);
}

TEST(FrameUnknownCountTest, HingedNodeOverTheGapIsCountedOnce) {
  // The top node over the gap (15) is hinged: it takes one rotation off, not two.
  const FrameUnknownCountVariant v = DeriveFrameUnknownCountVariant(16, 27, 27, 5);
  EXPECT_EQ(v.RemovedSegment, 9);
  EXPECT_TRUE(v.Hinged[15]);
  EXPECT_EQ(v.NodeRotations, 11);
}

}  // namespace
}  // namespace structural
