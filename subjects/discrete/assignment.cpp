#include <set>

#include "subjects/discrete/assignment.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/max_flow.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// The level the begin routine saw; Levels above 4 work as Level 4 (order 7).
int g_assignment_level = 1;

constexpr int kIterationCap = 42;
constexpr int kLabellingPasses = 40;

int IndexOrOne(int a, int b) { return a < b ? a : 1; }

toolkit::TBinaryDigits Bits(int v) {
  toolkit::TBinaryDigits d{};
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(v % 256), d);
  return d;
}

void MakeAssignmentCosts(const SharedState& s, int n, toolkit::TIntMatrix& a) {
  const int q[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  const toolkit::TBinaryDigits d2 = Bits(s.P1 + s.P3);
  const toolkit::TBinaryDigits d3 = Bits(s.P5 + s.P6);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      const toolkit::TBinaryDigits d1 = Bits(r + c + s.P2 + s.P4);
      a[r][c] = 2 * d1[IndexOrOne(r, n)] * (IndexOrOne(c, 3) - 1) + q[r] + 1 +
                d2[IndexOrOne(r, n)] + q[c] + r + 1;
      if (r <= c) a[r][c] += d3[IndexOrOne(c, n)] + q[r] + c;
    }
  }
  const toolkit::TBinaryDigits e = Bits(n + 2 + s.P2 + s.P5);
  const int k = 2 * e[2] + e[1] + 1;
  const int v = e[3] + e[4] + 3;
  for (int t = 1; t <= n; ++t) a[k][t] = a[t][k] = v;
  a[k][k] = v + 1 + 2 * e[5];
}

}  // namespace

int SolveAssignmentByZeros(SharedState& s, int n, toolkit::TIntMatrix& a, toolkit::TIntMatrix& flow) {
  for (int i = 1; i <= n; ++i) {
    int m = 100;
    for (int j = 1; j <= n; ++j) {
      if (a[i][j] != 0 && a[i][j] < m) m = a[i][j];
    }
    for (int j = 1; j <= n; ++j) a[i][j] -= m;
  }
  for (int j = 1; j <= n; ++j) {
    int m = 100;
    for (int i = 1; i <= n; ++i) {
      if (a[i][j] < m) m = a[i][j];
    }
    for (int i = 1; i <= n; ++i) a[i][j] -= m;
  }
  toolkit::TIntMatrix& net = s.GraphMatrix;
  for (int iteration = 1; iteration <= kIterationCap; ++iteration) {
    toolkit::ClearIntMatrix(net, 2 * n + 2);
    for (int i = 1; i <= n; ++i) {
      net[1][1 + i] = 1;
      net[1 + n + i][2 * n + 2] = 1;
      for (int j = 1; j <= n; ++j) {
        if (a[i][j] <= 0) net[1 + i][1 + n + j] = 1;
      }
    }
    toolkit::ComputeMaxFlow(2 * n + 2, net, net, flow);
    int matched = 0;
    int row_of_column[8] = {};
    for (int i = 1; i <= n; ++i) {
      matched += flow[1][1 + i];
      for (int j = 1; j <= n; ++j) {
        if (flow[1 + i][1 + n + j] == 1) row_of_column[j] = i;
      }
    }
    if (matched == n) return iteration;
    std::set<int> t;
    for (int i = 1; i <= n; ++i) {
      if (flow[1][1 + i] == 0) t.insert(i);
    }
    std::set<int> marked_rows;
    std::set<int> marked_columns;
    for (int pass = 1; pass <= kLabellingPasses; ++pass) {
      const int before = toolkit::CountSetMembers1To7(marked_rows);
      for (int i : t) {
        for (int j = 1; j <= n; ++j) {
          if (a[i][j] > 0) continue;
          marked_columns.insert(j);
          if (row_of_column[j] != 0) marked_rows.insert(row_of_column[j]);
        }
      }
      marked_rows.insert(t.begin(), t.end());
      if (toolkit::CountSetMembers1To7(marked_rows) == before) break;
      t = marked_rows;
    }
    for (int i : marked_rows) {
      for (int j = 1; j <= n; ++j) a[i][j] -= 1;
    }
    for (int j : marked_columns) {
      for (int i = 1; i <= n; ++i) a[i][j] += 1;
    }
  }
  return 0;
}

namespace {

void SolveAssignment(SharedState& s, int n, int level) {
  toolkit::TIntMatrix a0{};
  MakeAssignmentCosts(s, n, a0);
  toolkit::WriteText(s, "\\vskip2mm $A = $ ");
  toolkit::WriteIntMatrixTex(s, 4 - level, n, a0);
  toolkit::TIntMatrix a = a0;
  toolkit::TIntMatrix flow{};
  const bool complete = SolveAssignmentByZeros(s, n, a, flow) != 0;
  toolkit::AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  if (!complete) {
    // No complete set of zeros within the cap: no partial assignment passes for an answer.
    toolkit::AnsWrite(s, " & --- & решение не завершено ");
    return;
  }
  int total = 0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (flow[1 + i][1 + n + j] == 1) total += a0[i][j];
    }
  }
  toolkit::AnsWriteTextNumber(s, " &", total, " & ");
  const char* separator = "";
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (flow[1 + i][1 + n + j] != 1) continue;
      toolkit::AnsWriteTextNumber(s, separator, a0[i][j], "");
      separator = ", ";
    }
  }
  toolkit::AnsWrite(s, " ");
}

}  // namespace

void BeginAssignmentProblem(SharedState& s) {
  s.ParboxWidth = 120;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, "\\No & Стоимость & Распределение \\\\\\hline");
  toolkit::WriteText(s,
                     " Энергозатраты привода  $i$  в узле $j$ робота определяется  коэффициентом "
                     "$a_{ij}$. Найти одно из оптимальных распределений приводов и суммарную "
                     "потребляемую энергию.\\\\\\noindent");
  g_assignment_level = s.Level;
}

void WriteAssignmentVariant(SharedState& s) {
  // Levels 5..10 pose the order-7 problem of Level 4.
  const int level = g_assignment_level < 1 ? 1 : g_assignment_level > 4 ? 4 : g_assignment_level;
  SolveAssignment(s, level + 3, level);
}

}  // namespace discrete
