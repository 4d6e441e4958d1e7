#include <string>

#include "figures/labels.h"
#include "subjects/ai/pattern_pictures.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

// The numbers 1..4 as three binary digits, most significant first.
constexpr int kAssociationCodes[4][3] = {{0, 0, 1}, {0, 1, 0}, {0, 1, 1}, {1, 0, 0}};

// Offsets of the five pattern numbers, by P7; every row is non-decreasing and spans at most 2,
// so the five patterns differ.
constexpr int kAssociationOffsets[10][5] = {
    {0, 0, 0, 0, 1}, {0, 0, 0, 1, 1}, {0, 0, 1, 1, 1}, {0, 1, 1, 1, 1}, {0, 1, 1, 1, 2},
    {1, 1, 1, 1, 2}, {1, 1, 1, 2, 2}, {1, 1, 2, 2, 2}, {1, 2, 2, 2, 2}, {0, 2, 2, 2, 2}};

int Bipolar(int b) { return b != 0 ? 1 : -1; }

}  // namespace

void BeginHeteroassociativeMemoryProblem(SharedState& s) {
  s.ParboxWidth = 190;
  DefinePatternBoxes(s);
  toolkit::AnsBeginTable(s, 10);
  toolkit::WriteLine(s,
                     " Даны четыре образца закодированные 1 (закрашенный квадрат) и -1 (пустой "
                     "квадрат) слева направо, сверху вниз, ассоциированные с биполярной формой  "
                     "номера. ");
  toolkit::WriteLine(s,
                     " Найти десятичную форму ассоциации образца $y$    после первого цикла "
                     "обработки данных. Использовать функцию sgn$(x)=1$, при $x>0$, sgn$(x)=0$, "
                     "при $x\\le 0$.  \\\\\\noindent");
  toolkit::AnsWriteLine(s, " \\No & Ассоциация(10) \\\\\\hline");
}

void WriteHeteroassociativeMemoryVariant(SharedState& s) {
  toolkit::BeginPicture(s, 220, 60, 0, 10);
  int p[6] = {};
  const int row = s.P7;
  for (int a = 1; a <= 5; ++a) {
    if (row < 1 || row > 10)
      throw toolkit::IndexRangeError("AssociationOffsets: P7 = " + std::to_string(row));
    p[a] = WrapToTen(kAssociationOffsets[row - 1][a - 1] + s.P1 / 2 + a);
  }
  for (int a = 1; a <= 4; ++a) {
    PutPatternBox(s, 40 * a - 40, 40, p[a]);
    figures::PutMathValueLabel(s, "x_", 40 * a - 30, 30, a);
  }
  PutPatternBox(s, 180, 40, p[5]);
  figures::PutMathText(s, "y", 170, 30);
  toolkit::EndPicture(s);

  int m[5][4] = {};
  for (int k = 1; k <= 4; ++k) {
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 3; ++j) {
        m[i][j] += Bipolar(PatternBits[p[k]][i]) * Bipolar(kAssociationCodes[k - 1][j - 1]);
      }
    }
  }
  int d = 0;
  for (int j = 1; j <= 3; ++j) {
    int sum = 0;
    for (int i = 1; i <= 4; ++i) sum += Bipolar(PatternBits[p[5]][i]) * m[i][j];
    if (sum > 0) d += 1 << (3 - j);
  }
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  toolkit::AnsWriteLine(s, toolkit::FormatFixed(d, 4, 0) + " ");
}

}  // namespace ai
