#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "toolkit/errors.h"

namespace toolkit {

/// A fixed-size table indexed Lo..Hi, as the documents' numbering has it (points from 1,
/// matrices from 1). Every access is checked: an index outside Lo..Hi throws IndexRangeError.
template <class T, int Lo, int Hi>
class IndexedArray {
 public:
  static constexpr int kLow = Lo;
  static constexpr int kHigh = Hi;
  static constexpr std::size_t kSize = static_cast<std::size_t>(Hi - Lo + 1);

  /// The element at index i; throws IndexRangeError outside Lo..Hi.
  T& operator[](long i) { return data_[Offset(i)]; }
  /// The element at index i; throws IndexRangeError outside Lo..Hi.
  const T& operator[](long i) const { return data_[Offset(i)]; }

  /// Sets every element to v.
  void Fill(const T& v) { data_.fill(v); }

  auto begin() { return data_.begin(); }
  auto end() { return data_.end(); }
  auto begin() const { return data_.begin(); }
  auto end() const { return data_.end(); }

  bool operator==(const IndexedArray&) const = default;

 private:
  static std::size_t Offset(long i) {
    if (i < Lo || i > Hi) {
      throw IndexRangeError("index " + std::to_string(i) + " outside " + std::to_string(Lo) +
                            ".." + std::to_string(Hi));
    }
    return static_cast<std::size_t>(i - Lo);
  }

  std::array<T, kSize> data_{};
};

}  // namespace toolkit
