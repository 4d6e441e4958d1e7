#include <string>

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

std::string Levels(int shape, const int* m) {
  auto n = [&](int v) { return std::to_string(m[v]); };
  std::string t;
  switch (shape) {
    case 1:
    case 2:
      for (int k = 1; k <= 8; ++k) t += n(k) + " , ";
      t += n(9) + " ";
      break;
    case 3:
    case 4:
      t = "(" + n(1) + "," + n(2) + ") ";
      for (int k = 3; k <= 9; ++k) t += "," + n(k) + " ";
      break;
    case 5:
    case 6:
      t = n(1) + "," + n(2) + ",(";
      for (int k = 3; k <= 5; ++k) t += n(k) + ",";
      t += n(6) + ")" + n(7) + ", " + n(8) + ", " + n(9);
      break;
    case 7:
      t = "(" + n(1);
      for (int k = 2; k <= 4; ++k) t += "," + n(k);
      t += "),(" + n(5) + "," + n(6) + "," + n(7) + "),";
      t += n(8) + "," + n(9) + ".";
      break;
    case 8:
      t = "(" + n(1) + "," + n(2) + "," + n(3) + "),";
      t += "(" + n(4) + "," + n(5) + "," + n(6) + ",";
      t += n(7) + "),(" + n(8) + "," + n(9) + ")";
      break;
    case 9:
      for (int k = 1; k <= 4; ++k) t += "(" + n(k) + "," + n(k + 5) + "),";
      t += n(5) + " ";
      break;
    default:
      break;
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
}

void WriteTopologicalSortVariant(SharedState& s, int n) {
  const NetworkData d = MakeNetworkMap(s, n);
  toolkit::ClearIntMatrix(s.GraphMatrix, n);
  AddShapeArcs(s, d);
  toolkit::BeginPicture(s, 100, 95, -10, -5);
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
