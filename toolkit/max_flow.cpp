#include "toolkit/max_flow.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/errors.h"
#include "toolkit/int_matrix.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

constexpr int kStepBudget = 77;
constexpr int kBottleneckStart = 100;

// One call's state, shared by its steps. Vertices are 1..n; index 0 is unused.
class FlowSearch {
 public:
  FlowSearch(int n, const TIntMatrix& capacities, const TIntMatrix& arcs, TIntMatrix& flow)
      : n_(n),
        capacity_(std::make_unique<TIntMatrix>(capacities)),
        arc_(std::make_unique<TIntMatrix>(arcs)),
        working_(std::make_unique<TIntMatrix>(arcs)),
        flow_(flow),
        neighbours_(static_cast<std::size_t>(n) + 1),
        dead_(static_cast<std::size_t>(n) + 1, false),
        labelled_(static_cast<std::size_t>(n) + 1, false) {}

  void Run() {
    ClearIntMatrix(flow_, n_);
    // With the source as its own sink no path can ever leave it.
    if (n_ < 2) return;
    CheckCapacities();
    FlowBuildAdjacency();
    FlowClearMarks();
    SaturatePaths();
    // The residual search keeps its dead marks between augmentations, which can leave a
    // vertex dead that a later augmentation reopened; a further round, which finds nothing
    // when the first one reached the maximum, finishes the flow in that case.
    while (FlowAugment()) {
    }
  }

 private:
  bool IsArc(int i, int j) const { return (*arc_)[i][j] == 1; }
  int Residual(int i, int j) const { return (*capacity_)[i][j] - flow_[i][j]; }

  void CheckCapacities() const {
    for (int i = 1; i <= n_; ++i) {
      for (int j = 1; j <= n_; ++j) {
        if (IsArc(i, j) && (*capacity_)[i][j] < 0) {
          throw DegenerateDataError("negative capacity " + std::to_string((*capacity_)[i][j]) +
                                    " on the arc " + std::to_string(i) + " -> " +
                                    std::to_string(j));
        }
      }
    }
  }

  void FlowBuildAdjacency() {
    for (int i = 1; i <= n_; ++i) {
      for (int j = 1; j <= n_; ++j) {
        if (IsArc(i, j)) neighbours_[static_cast<std::size_t>(i)].push_back(j);
      }
    }
  }

  void FlowClearMarks() { std::fill(dead_.begin(), dead_.end(), false); }
  void FlowClearLabels() { std::fill(labelled_.begin(), labelled_.end(), false); }
  bool Dead(int v) const { return dead_[static_cast<std::size_t>(v)]; }
  bool Labelled(int v) const { return labelled_[static_cast<std::size_t>(v)]; }

  // First phase: depth-first searches along the working arcs, each path saturating at least
  // one arc, which is then struck. A search that spends its step budget before reaching the
  // sink holds no source-to-sink path; it is dropped and the residual phase takes over.
  void SaturatePaths() {
    while (!Dead(1)) {
      FlowClearLabels();
      int steps = 0;
      std::vector<int> path{1};
      int current = 1;
      std::size_t t = 0;
      for (;;) {
        ++steps;
        if (current == n_) break;
        if (steps > kStepBudget) return;
        const auto& list = neighbours_[static_cast<std::size_t>(current)];
        if (t >= list.size()) {
          dead_[static_cast<std::size_t>(current)] = true;
          // A dead source would only be scanned again until the budget ran out.
          if (current == 1) return;
          FlowClearLabels();
          path.assign(1, 1);
          current = 1;
          t = 0;
          continue;
        }
        const int w = list[t];
        if ((*working_)[current][w] == 1 && !Dead(w) && !Labelled(w)) {
          labelled_[static_cast<std::size_t>(w)] = true;
          path.push_back(w);
          current = w;
          t = 0;
        } else {
          ++t;
        }
      }
      int bottleneck = kBottleneckStart;
      for (std::size_t k = 1; k < path.size(); ++k) {
        bottleneck = std::min(bottleneck, Residual(path[k - 1], path[k]));
      }
      for (std::size_t k = 1; k < path.size(); ++k) {
        const int u = path[k - 1];
        const int v = path[k];
        if (Residual(u, v) == bottleneck) (*working_)[u][v] = 0;
        flow_[u][v] += bottleneck;
      }
    }
  }

  bool ForwardOpen(int u, int v) const { return IsArc(u, v) && flow_[u][v] != (*capacity_)[u][v]; }
  bool BackwardOpen(int u, int v) const { return IsArc(v, u) && flow_[v][u] != 0; }

  // Second phase: labelling searches in the residual network, the highest-numbered admissible
  // vertex first. Returns whether any path was augmented.
  bool FlowAugment() {
    FlowClearMarks();
    bool augmented = false;
    while (!Dead(1)) {
      std::vector<int> path{1};
      int u = 1;
      FlowClearLabels();
      bool reached_sink = false;
      while (!reached_sink) {
        int next = 0;
        for (int v = 2; v <= n_; ++v) {
          if (!Dead(v) && !Labelled(v) && (BackwardOpen(u, v) || ForwardOpen(u, v))) next = v;
        }
        if (next != 0) {
          labelled_[static_cast<std::size_t>(u)] = true;
        } else {
          dead_[static_cast<std::size_t>(u)] = true;
        }
        if (Dead(1)) return augmented;
        if (next == 0) break;
        path.push_back(next);
        if (next == n_) {
          reached_sink = true;
        } else {
          u = next;
        }
      }
      if (!reached_sink) continue;
      // Each step goes forward when the arc a -> b has room, else back along b -> a: the same
      // choice that made b admissible, so every residual is positive.
      int bottleneck = kBottleneckStart;
      for (std::size_t k = 1; k < path.size(); ++k) {
        const int a = path[k - 1];
        const int b = path[k];
        bottleneck = std::min(bottleneck, ForwardOpen(a, b) ? Residual(a, b) : flow_[b][a]);
      }
      for (std::size_t k = 1; k < path.size(); ++k) {
        const int a = path[k - 1];
        const int b = path[k];
        if (ForwardOpen(a, b)) {
          flow_[a][b] += bottleneck;
        } else {
          flow_[b][a] -= bottleneck;
        }
      }
      augmented = true;
    }
    return augmented;
  }

  int n_;
  std::unique_ptr<TIntMatrix> capacity_;
  std::unique_ptr<TIntMatrix> arc_;
  std::unique_ptr<TIntMatrix> working_;
  TIntMatrix& flow_;
  std::vector<std::vector<int>> neighbours_;
  std::vector<bool> dead_;
  std::vector<bool> labelled_;
};

}  // namespace

void ComputeMaxFlow(int n, const TIntMatrix& capacities, const TIntMatrix& arcs, TIntMatrix& flow) {
  if (n > 0) (void)flow[n][n];  // n above 64 throws before anything changes
  FlowSearch(n, capacities, arcs, flow).Run();
}

void AnsWriteFlowRow(Run& r, const TIntMatrix& capacities, const TIntMatrix& flow) {
  int into_sink = 0;
  for (int i = 1; i <= 14; ++i) into_sink += flow[i][14];
  int out_of_source = 0;
  for (int k = 2; k <= 5; ++k) out_of_source += capacities[1][k];
  int into_sink_capacity = 0;
  for (int i = 10; i <= 13; ++i) into_sink_capacity += capacities[i][14];
  AnsWriteTextNumberLn(r, " ", PrintedVariantNumber(r), " ");
  AnsWriteTextNumberLn(r, "&", into_sink, " ");
  AnsWriteTextNumberLn(r, "&", out_of_source, "  ");
  AnsWriteTextNumberLn(r, "&", into_sink_capacity, "  ");
}

}  // namespace toolkit
