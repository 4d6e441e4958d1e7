#pragma once

// The parameter sets an answer check visits. The normal suite runs a deterministic sample so
// that CI stays within its budget; TARBEL_FULL=1 (ctest -L full, scripts/test --full) visits
// every parameter set at every Level.

#include <array>
#include <string>
#include <vector>

namespace testing_support {

/// P1..P7 and the Level of one variant an answer check runs.
struct SweepPoint {
  std::array<int, 7> p{1, 1, 1, 1, 1, 1, 1};
  int level = 1;
};

/// True when the exhaustive sweeps are asked for (environment TARBEL_FULL set and not "0").
bool FullSweep();

/// The points of a sweep over Pk in lo[k]..hi[k] (a parameter with hi <= lo stays at lo) and
/// Level in level_lo..level_hi: every combination when FullSweep() or when there are at most
/// `budget` of them; else `budget` points, the same on every run, in which every value of every
/// parameter and every Level occurs and pairs of values vary.
std::vector<SweepPoint> SweepPoints(const std::array<int, 7>& lo, const std::array<int, 7>& hi,
                                    int budget = 2000, int level_lo = 1, int level_hi = 10);

/// As SweepPoints outside FullSweep(): every combination when there are at most `budget`,
/// else the same deterministic sample of `budget` points, whatever TARBEL_FULL says (for
/// sweeps whose whole space is too large to visit).
std::vector<SweepPoint> SampledSweepPoints(const std::array<int, 7>& lo,
                                           const std::array<int, 7>& hi, int budget,
                                           int level_lo = 1, int level_hi = 10);

/// Whether a sweep that ran `checked` cases covered what it should: all `full_count` under
/// FullSweep(), else at least one and at most `full_count`.
bool SweepCovered(long long checked, long long full_count);

/// "P1..P7 = a b c d e f g, Level L" for failure messages.
std::string Describe(const SweepPoint& point);

}  // namespace testing_support
