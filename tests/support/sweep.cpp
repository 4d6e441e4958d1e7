#include "tests/support/sweep.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>

namespace testing_support {

bool FullSweep() {
  const char* full = std::getenv("TARBEL_FULL");
  return full != nullptr && *full != '\0' && std::string(full) != "0";
}

namespace {

std::vector<SweepPoint> Points(const std::array<int, 7>& lo, const std::array<int, 7>& hi,
                               int budget, int level_lo, int level_hi, bool every) {
  // Dimension 7 is the Level.
  std::array<int, 8> low{}, count{};
  for (int k = 0; k < 7; ++k) {
    low[k] = lo[k];
    count[k] = hi[k] > lo[k] ? hi[k] - lo[k] + 1 : 1;
  }
  low[7] = level_lo;
  count[7] = level_hi > level_lo ? level_hi - level_lo + 1 : 1;
  double total = 1;
  for (int c : count) total *= c;

  std::vector<SweepPoint> points;
  for (int c : count) budget = std::max(budget, c);
  auto make = [&](const std::array<int, 8>& index) {
    SweepPoint point;
    for (int k = 0; k < 7; ++k) point.p[k] = low[k] + index[k];
    point.level = low[7] + index[7];
    points.push_back(point);
  };
  if (every || total <= budget) {
    std::array<int, 8> index{};
    while (true) {
      make(index);
      int k = 0;
      while (k < 8 && ++index[k] == count[k]) index[k++] = 0;
      if (k == 8) break;
    }
    return points;
  }
  // Each dimension walks its values in a shuffled order of its own, restarting once through,
  // so every value occurs in the first max(count) points; the rest are drawn at random. The
  // engine is fixed by the standard, and only its raw output is used, so the sample is the
  // same on every machine.
  std::mt19937 engine(20261210u);
  std::array<std::vector<int>, 8> order;
  for (int k = 0; k < 8; ++k) {
    for (int v = 0; v < count[k]; ++v) order[k].push_back(v);
    for (int v = count[k] - 1; v > 0; --v) {
      std::swap(order[k][v], order[k][engine() % static_cast<std::uint32_t>(v + 1)]);
    }
  }
  for (int i = 0; i < budget; ++i) {
    std::array<int, 8> index{};
    for (int k = 0; k < 8; ++k) {
      index[k] = i < count[k] ? order[k][i] : static_cast<int>(engine() % count[k]);
    }
    make(index);
  }
  return points;
}

}  // namespace

std::vector<SweepPoint> SweepPoints(const std::array<int, 7>& lo, const std::array<int, 7>& hi,
                                    int budget, int level_lo, int level_hi) {
  return Points(lo, hi, budget, level_lo, level_hi, FullSweep());
}

std::vector<SweepPoint> SampledSweepPoints(const std::array<int, 7>& lo,
                                           const std::array<int, 7>& hi, int budget, int level_lo,
                                           int level_hi) {
  return Points(lo, hi, budget, level_lo, level_hi, false);
}

bool SweepCovered(long long checked, long long full_count) {
  return FullSweep() ? checked == full_count : checked > 0 && checked <= full_count;
}

std::string Describe(const SweepPoint& point) {
  std::string d = "P1..P7 =";
  for (int v : point.p) d += " " + std::to_string(v);
  return d + ", Level " + std::to_string(point.level);
}

}  // namespace testing_support
