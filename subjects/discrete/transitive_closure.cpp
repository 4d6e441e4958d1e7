#include <string>

#include "subjects/discrete/problems.h"
#include "toolkit/indexed_array.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

using Relation = toolkit::IndexedArray<toolkit::IndexedArray<int, 1, 4>, 1, 4>;

constexpr int kAttempts = 15;

// The pair of a parameter value 1..16: row a mod 4 (0 read as 1), column a div 4 + 1 (5 read
// as 4).
void SetRelationPair(Relation& r, int a) {
  int row = a % 4;
  if (row == 0) row = 1;
  int col = a / 4 + 1;
  if (col == 5) col = 4;
  r[row][col] = 1;
}

// The triples (i, j, k) with i R j, j R k and not i R k.
int CountMissingPairs(const Relation& r) {
  int missing = 0;
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      for (int k = 1; k <= 4; ++k) {
        if (r[i][j] == 1 && r[j][k] == 1 && r[i][k] == 0) ++missing;
      }
    }
  }
  return missing;
}

// The relation of the variant: the seven parameters' pairs, rows without an off-diagonal
// pair joined to column min(P3, 4) when the relation is sparse; P1 moves on until transitivity
// still has a pair to add (at most 15 attempts).
Relation MakeRelation(const SharedState& s) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  int first = p[1];
  Relation r{};
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    r = Relation{};
    SetRelationPair(r, first);
    for (int k = 2; k <= 7; ++k) SetRelationPair(r, p[k]);
    int off_diagonal = 0;
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) off_diagonal += (i != j && r[i][j] == 1) ? 1 : 0;
    }
    if (off_diagonal < 4) {
      const int t = p[3] < 4 ? p[3] : 4;
      for (int j = 1; j <= 4; ++j) {
        bool empty = true;
        for (int c = 1; c <= 4; ++c) empty = empty && (c == j || r[j][c] == 0);
        if (empty) r[j][t] = 1;
      }
    }
    if (CountMissingPairs(r) != 0) break;
    first = first + 1 > 16 ? 1 : first + 1;
  }
  return r;
}

std::string RelationRows(const Relation& r) {
  std::string text;
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 3; ++j) text += std::to_string(r[i][j]) + " & ";
    text += std::to_string(r[i][4]) + " \\\\ ";
  }
  return text;
}

// Closes r by Boolean squaring until nothing changes and writes the framed closure.
void WriteClosureAnswer(SharedState& s, Relation r) {
  // Four answers to a line: the answers come as one unbreakable box that has to hold all 40.
  toolkit::AnsWriteTextNumber(s, "\\parbox{100pt}{\\hfill{\\bf ", toolkit::PrintedVariantNumber(s),
                              ")} ");
  while (true) {
    Relation m{};
    for (int d = 1; d <= 4; ++d) {
      for (int b = 1; b <= 4; ++b) {
        for (int e = 1; e <= 4; ++e) {
          if (r[d][e] == 1 && r[e][b] == 1) m[d][b] = 1;
        }
        if (r[d][b] == 1) m[d][b] = 1;
      }
    }
    if (m == r) break;
    r = m;
  }
  // Ruled above and below like every answers table, so that the answers' checks read it.
  std::string rows = RelationRows(r);
  rows.pop_back();  // the blank after the last "\\"
  toolkit::AnsWrite(s, "$\\begin{tabular}{|rrrr|}\\hline ");
  toolkit::AnsWrite(s, rows);
  toolkit::AnsWrite(s, "\\hline\\end{tabular}$ ");
  toolkit::AnsWrite(s, "\\rule{0pt}{40pt}} ");
}

}  // namespace

void BeginTransitiveClosureProblem(SharedState& s) {
  s.ParboxWidth = 125;
  toolkit::WriteLine(s, " Найти транзитивное замыкание отношения, заданного матрицей.\\\\\\noindent");
}

void WriteTransitiveClosureVariant(SharedState& s) {
  const Relation r = MakeRelation(s);
  toolkit::WriteLine(s, "$\\begin{tabular}{|llll|}");
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 3; ++j) toolkit::WriteTextNumber(s, "", r[i][j], " & ");
    toolkit::WriteTextNumber(s, "", r[i][4], " \\\\ ");
  }
  toolkit::WriteLine(s, "\\end{tabular}$\\vskip3mm");
  WriteClosureAnswer(s, r);
}

}  // namespace discrete
