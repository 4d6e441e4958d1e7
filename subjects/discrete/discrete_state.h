#pragma once

#include <cstdint>

#include "toolkit/indexed_array.h"

namespace discrete {

/// The discrete-mathematics problems' part of the program-wide state: the grid on which the
/// tree problems grow their trees and the digits of the variant graph's seeds. Each problem
/// that uses a value sets it before reading it.
struct Discrete {
  bool TreeGridPreload = false;  ///< GrowGridTree starts from the edges held in WorkMatrix1
  int TreeGridCols = 0;          ///< columns of the tree grid
  int TreeGridRows = 0;          ///< rows of the tree grid
  int TreeVertexCount = 0;       ///< vertices of the tree being grown or coded
  toolkit::IndexedArray<std::uint8_t, 1, 7> BinaryDigits7{};  ///< least significant first
};

}  // namespace discrete
