#include <algorithm>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/circle_digraph.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

struct NetworkData {
  int seeds[10] = {};
  int map[10] = {};
};

// Seeds P1..P7, (P1 + P3) div 3 + 1, (P2 + P4) div 3 + 2; each seed takes the first free
// number at or after it, wrapping from n to 1.
NetworkData MakeNetworkMap(const SharedState& s, int n) {
  NetworkData d;
  const int seeds[10] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7, (s.P1 + s.P3) / 3 + 1,
                         (s.P2 + s.P4) / 3 + 2};
  bool used[65] = {};
  for (int k = 1; k <= 9; ++k) {
    d.seeds[k] = seeds[k];
    int b = seeds[k];
    if (b > n) b = 1;
    while (used[b]) {
      ++b;
      if (b > n) b = 1;
    }
    used[b] = true;
    d.map[k] = b;
  }
  return d;
}

void AddShapeArcs(SharedState& s, const NetworkData& d) {
  auto arc = [&](int a, int b) { s.GraphMatrix[d.map[a]][d.map[b]] = 1; };
  const int t5 = s.P5 / 2 + 1;
  const int t6 = s.P6 / 3 + 2;
  switch (s.P7) {
    case 1:
    case 2:
      for (int b = 1; b <= 8; ++b) arc(b, b + 1);
      for (int b = 1; b <= t5; ++b) arc(b, b + 2);
      for (int b = 1; b <= t6; ++b) arc(2, b + 3);
      for (int b : {6, 7, 8, 9}) arc(3, b);
      for (int a : {4, 5}) {
        for (int b : {7, 8, 9}) arc(a, b);
      }
      arc(2, 9);
      break;
    case 3:
    case 4:
      for (int b = 2; b <= 8; ++b) arc(b, b + 1);
      arc(1, 3);
      arc(1, 9);
      for (int b = 2; b <= t5; ++b) arc(b, b + 2);
      for (int b = 1; b <= t6; ++b) arc(2, b + 3);
      for (int b : {6, 7, 8, 9}) arc(3, b);
      for (int a : {4, 5}) {
        for (int b : {7, 8, 9}) arc(a, b);
      }
      arc(2, 9);
      break;
    case 5:
    case 6:
      arc(1, 2);
      for (int b = 3; b <= 6; ++b) {
        arc(2, b);
        arc(b, 7);
      }
      arc(7, 8);
      arc(8, 9);
      for (int a : {1, 2}) {
        for (int b : {7, 8, 9}) arc(a, b);
      }
      arc(6, 8);
      arc(6, 9);
      break;
    case 7:
      arc(8, 9);
      for (int b = 5; b <= 7; ++b) {
        for (int a = 1; a <= 4; ++a) arc(a, b);
      }
      for (int a : {5, 6, 7}) arc(a, 8);
      for (int k = 1; k <= 9; ++k) {
        if (d.seeds[k] != 9) arc(d.seeds[k], 9);
      }
      break;
    case 8:
      for (int a = 1; a <= 3; ++a) {
        for (int b = 4; b <= 7; ++b) arc(a, b);
      }
      for (int a = 4; a <= 7; ++a) {
        arc(a, 8);
        arc(a, 9);
      }
      for (int a = 1; a <= 3; ++a) {
        arc(a, 8);
        arc(a, 9);
      }
      break;
    case 9:
      for (int a = 1; a <= 4; ++a) arc(a, a + 1);
      for (int a = 6; a <= 8; ++a) arc(a, a + 1);
      arc(9, 5);
      for (int b : {2, 3, 4, 5}) arc(6, b);
      for (int b : {3, 4, 5}) arc(7, b);
      for (int b : {4, 5}) arc(8, b);
      for (int b : {7, 8, 9}) arc(1, b);
      for (int b : {3, 4, 5}) arc(1, b);
      break;
    default:
      break;
  }
}

// The levels of a shape in its own numbering, level 1 first.
std::vector<std::vector<int>> ShapeLevels(int shape) {
  switch (shape) {
    case 1:
    case 2:
      return {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}};
    case 3:
    case 4:
      return {{1, 2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}};
    case 5:
    case 6:
      return {{1}, {2}, {3, 4, 5, 6}, {7}, {8}, {9}};
    case 7:
      return {{1, 2, 3, 4}, {5, 6, 7}, {8}, {9}};
    case 8:
      return {{1, 2, 3}, {4, 5, 6, 7}, {8, 9}};
    default:
      return {{1, 6}, {2, 7}, {3, 8}, {4, 9}, {5}};
  }
}

// The answer: every level in parentheses, its drawn vertex numbers in increasing order,
// "(1, 6), (2, 7), (5)".
std::string Levels(int shape, const int* m) {
  std::string t;
  for (std::vector<int> level : ShapeLevels(shape)) {
    for (int& v : level) v = m[v];
    std::sort(level.begin(), level.end());
    t += t.empty() ? "(" : ", (";
    for (std::size_t i = 0; i < level.size(); ++i) {
      t += (i == 0 ? "" : ", ") + std::to_string(level[i]);
    }
    t += ")";
  }
  return t;
}

}  // namespace

void BeginTopologicalSortProblem(SharedState& s, int n) {
  SetPointsOnCircle(s, n, 42);
  s.ParboxWidth = 185;
  DefineNumberedCirclesBox(s, n);
  toolkit::WriteText(s, "Найти порядковую функцию сети.\\par\\noindent ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, " & Уровни сети \\\\\\hline");
}

void WriteTopologicalSortVariant(SharedState& s, int n) {
  const NetworkData d = MakeNetworkMap(s, n);
  toolkit::ClearIntMatrix(s.GraphMatrix, n);
  AddShapeArcs(s, d);
  // The picture holds all it draws: up to x = 93.
  toolkit::BeginPicture(s, 104, 95, -10, -5);
  figures::PutBox(s, "vrsins", 0, 0);
  figures::SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (s.GraphMatrix[i][j] == 1) figures::DrawArrowBetweenPoints(s, i, j, 5);
    }
  }
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\par");
  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), " & ");
  toolkit::AnsWrite(s, Levels(s.P7, d.map));
}

}  // namespace discrete
