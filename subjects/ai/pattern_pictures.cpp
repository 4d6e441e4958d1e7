#include "subjects/ai/pattern_pictures.h"

#include <string>

#include "figures/labels.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

using Cells = toolkit::IndexedArray<int, 1, 4>;

const toolkit::IndexedArray<std::string_view, 1, 10> kBoxNames = [] {
  toolkit::IndexedArray<std::string_view, 1, 10> names;
  const std::string_view all[] = {"iina", "iinb", "iinc", "iind", "iine",
                                  "iinf", "iing", "iinh", "iini", "iink"};
  for (int k = 1; k <= 10; ++k) names[k] = all[k - 1];
  return names;
}();

constexpr std::string_view kPatternColours[] = {"white", "green"};

}  // namespace

const toolkit::IndexedArray<Cells, 1, 10> PatternBits = [] {
  toolkit::IndexedArray<Cells, 1, 10> bits;
  const int all[10][4] = {{1, 0, 0, 1}, {0, 1, 1, 0}, {1, 1, 0, 0}, {0, 0, 1, 1}, {1, 0, 1, 0},
                          {0, 1, 0, 1}, {1, 1, 1, 0}, {1, 1, 0, 1}, {0, 0, 1, 0}, {1, 0, 0, 0}};
  for (int k = 1; k <= 10; ++k) {
    for (int i = 1; i <= 4; ++i) bits[k][i] = all[k - 1][i - 1];
  }
  return bits;
}();

std::string_view PatternBoxName(int k) { return kBoxNames[k]; }

void PutPatternCell(SharedState& s, int x, int y, int bit) {
  toolkit::WriteText2NumbersLn(s, "\\put(", 13 * x, ",", 13 * y,
                               std::string("){\\fcolorbox{blue}{") +
                                   std::string(kPatternColours[bit != 0 ? 1 : 0]) +
                                   "}{\\phantom{\\small e}}}");
}

void DefinePatternBoxes(SharedState& s) {
  s.NodeGap = 5;
  for (int k = 1; k <= 10; ++k) {
    toolkit::BeginSaveBox(s, kBoxNames[k]);
    PutPatternCell(s, 0, 1, PatternBits[k][1]);
    PutPatternCell(s, 1, 1, PatternBits[k][2]);
    PutPatternCell(s, 0, 0, PatternBits[k][3]);
    PutPatternCell(s, 1, 0, PatternBits[k][4]);
    toolkit::EndSaveBox(s);
  }
}

int WrapToTen(int k) { return k <= 10 ? k : k - 10; }

void PutPatternBox(SharedState& s, double x, double y, int k) {
  figures::PutBox(s, kBoxNames[k], x, y);
}

}  // namespace ai
