#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

struct Cell {
  int a = 0;  // column 1..4
  int b = 0;  // row 1..4
};

// The candidate cells of the variant. Cells 1..7 come from the binary digits of P1..P7;
// cells 1..4 may become a diagonal and cells 8..11 a full column or row. When neither
// condition for the full line holds the board has cells 1..7 alone.
std::vector<Cell> CandidateCells(const SharedState& s) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  std::vector<Cell> cells(8);
  for (int k = 1; k <= 7; ++k) {
    toolkit::TBinaryDigits d{};
    toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p[k]), d);
    cells[static_cast<std::size_t>(k)] = {d[1] + d[2] + d[3] + 1, d[4] + d[5] + 1};
  }
  if (s.P3 > s.P4 || s.P2 > s.P5) {
    for (int k = 1; k <= 4; ++k) {
      cells[static_cast<std::size_t>(k)] = s.P1 > s.P2 ? Cell{k, k} : Cell{5 - k, k};
    }
  }
  if (s.P3 > 12 || s.P2 < 28) {
    const int column = cells[2].a;
    const int row = cells[3].b;
    for (int k = 1; k <= 4; ++k) cells.push_back(s.P2 > s.P3 ? Cell{column, k} : Cell{k, row});
  }
  cells.erase(cells.begin());
  return cells;
}

bool Attack(const Cell& x, const Cell& y) { return x.a == y.a || x.b == y.b; }

}  // namespace

void BeginRookPolynomialProblem(SharedState& s) {
  s.ParboxWidth = 100;
  toolkit::WriteText(s, "Найти ладейный полином заданной доски.\\\\\\noindent");
  toolkit::WriteLine(s, "\\newsavebox{\\doska}\\sbox{\\doska}{%");
  toolkit::BeginPicture(s, 6, 6, 0, 0);
  for (int t = 1; t <= 5; ++t) {
    figures::DrawSegment(s, 0, 10 * t, 40, 10 * t);
    figures::DrawSegment(s, 10 * t - 10, 10, 10 * t - 10, 50);
  }
  toolkit::EndSaveBox(s);
  toolkit::AnsBeginTable(s, 2);
  // The last cell, L(1), has a heading of its own.
  toolkit::AnsWrite(s, "\\No\\ru & $L(x)$ & $L(1)$ \\\\\\hline");
}

void WriteRookPolynomialVariant(SharedState& s) {
  bool board[5][5] = {};
  for (const Cell& c : CandidateCells(s)) board[c.a][c.b] = true;
  std::vector<Cell> marked;
  for (int a = 1; a <= 4; ++a) {
    for (int b = 1; b <= 4; ++b) {
      if (board[a][b]) marked.push_back({a, b});
    }
  }
  // The picture holds all it draws: up to x = 44.
  toolkit::BeginPicture(s, 65, 60, -20, 0);
  figures::PutBox(s, "doska", 0, 0);
  toolkit::WriteText(s, "\\Red{");
  for (const Cell& c : marked) figures::PutMathText(s, "*", 10 * c.a - 8, 10 * c.b + 2);
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);

  // Non-attacking placements of 2, 3 and 4 rooks; five cannot stand on four columns.
  const std::size_t n = marked.size();
  long r[5] = {1, static_cast<long>(n), 0, 0, 0};
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (Attack(marked[i], marked[j])) continue;
      ++r[2];
      for (std::size_t k = j + 1; k < n; ++k) {
        if (Attack(marked[i], marked[k]) || Attack(marked[j], marked[k])) continue;
        ++r[3];
        for (std::size_t l = k + 1; l < n; ++l) {
          if (Attack(marked[i], marked[l]) || Attack(marked[j], marked[l]) ||
              Attack(marked[k], marked[l])) {
            continue;
          }
          ++r[4];
        }
      }
    }
  }
  toolkit::AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), " & $1+",
                                static_cast<double>(r[1]), "x ");
  for (int k = 2; k <= 4; ++k) {
    if (r[k] == 0) continue;
    toolkit::AnsWrite(s, " + ");
    toolkit::AnsWriteNumberUnlessUnit(s, static_cast<double>(r[k]));
    toolkit::AnsWriteTextNumber(s, " x^", k, " ");
  }
  toolkit::AnsWriteTextNumber(s, "$ & ", static_cast<double>(r[0] + r[1] + r[2] + r[3] + r[4]), "");
}

}  // namespace discrete
