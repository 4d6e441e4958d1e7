#pragma once

namespace toolkit {

/// A source of uniform pseudo-random integers: the program's one generator, seeded from the
/// clock (the platform layer implements it; tests draw from a fixed seed).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  /// A pseudo-random integer uniform in 0..n-1 (n >= 1).
  virtual int RandomInt(int n) = 0;
};

}  // namespace toolkit
