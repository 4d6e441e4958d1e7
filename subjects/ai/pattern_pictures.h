#pragma once

#include <string_view>

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

// The ten 2 x 2 pattern pictures of the Kohonen network and the heteroassociative memory:
// the patterns as input vectors, their saveboxes and their placing in a figure.
namespace ai {

/// The four cells of pattern k (1..10): top left, top right, bottom left, bottom right;
/// 1 is a filled cell.
extern const toolkit::IndexedArray<toolkit::IndexedArray<int, 1, 4>, 1, 10> PatternBits;

/// The savebox name of pattern k (1..10): "iina".."iini", then "iink" (no "j").
std::string_view PatternBoxName(int k);

/// Main file: one cell of a pattern, a 13 x 13 square with a blue frame at (13x, 13y), filled
/// green for bit 1 and white for 0.
void PutPatternCell(SharedState& s, int x, int y, int bit);

/// Sets NodeGap to 5 and defines the ten pattern saveboxes in the main file.
void DefinePatternBoxes(SharedState& s);

/// k for k <= 10, else k - 10.
int WrapToTen(int k);

/// Main file: the savebox of pattern k (1..10) at (x, y); another k throws IndexRangeError.
void PutPatternBox(SharedState& s, double x, double y, int k);

}  // namespace ai
