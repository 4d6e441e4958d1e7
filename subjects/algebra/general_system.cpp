#include <cstdlib>
#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Main file: the sign as MinusOrSpace, then |a| unless it is 1.
void WriteFirstCoefficient(SharedState& s, int a) {
  WriteText(s, std::string(1, toolkit::MinusOrSpace(a)));
  if (std::abs(a) != 1) WriteText(s, toolkit::FormatNumber(std::abs(a)));
}

// One unknown of the general solution, y + z C, as the student writes it: y left out when it
// is 0, a unit z shown by its sign alone.
std::string SolutionTerm(long long y, long long z) {
  std::string text = y != 0 ? toolkit::FormatNumber(static_cast<double>(y)) : "";
  if (y != 0 || z < 0) text += toolkit::SignChar(static_cast<double>(z));
  if (std::llabs(z) != 1) text += toolkit::FormatNumber(static_cast<double>(std::llabs(z)));
  return text + "C";
}

// n equations in n + 1 unknowns W x + m x_{n+1} = c, built from a unimodular W and a chosen
// general solution x = y + z C, x_{n+1} = C; the answers row holds that solution.
void WriteGeneralSystem(SharedState& s, int n) {
  const PatternNumbers q = LinearSystemNumbers(s);
  const int alpha = q.r1;
  const int beta = q.r2;
  const int gamma = q.r3;
  const int delta = q.r4;
  int h[7] = {0, alpha, beta, gamma};
  if (s.P2 <= 8) {
    h[4] = s.P5 - 1, h[5] = s.P5 - 2, h[6] = s.P5 - 3;
  } else if (s.P2 <= 15) {
    h[4] = 1 - gamma, h[5] = 2 - gamma, h[6] = 3 - gamma;
  } else {
    h[4] = 2 - delta, h[5] = 1 - delta, h[6] = 3 - delta;
  }
  const int t1 = alpha - 1 == 0 ? -2 : alpha - 1;
  const int t2 = gamma - 2 == 0 ? 2 : gamma - 2;
  long long w[5][5] = {
      {0, 0, 0, 0, 0},   {0, 1, t1, t2, beta}, {0, 0, 1, s.P5, delta},
      {0, 0, 0, 1, -t1}, {0, 0, 0, 0, 1},
  };
  int k = 1;
  for (int i = 1; i <= n - 1; ++i) {
    for (int j = 1; j <= i; ++j, ++k) {
      for (int col = 1; col <= n; ++col) w[n + 1 - j][col] += h[k] * w[n - i][col];
    }
  }
  const long long y[5] = {0, beta + n - 4, delta - 1, -alpha, gamma};
  const long long z[5] = {0, -gamma, beta, -alpha - 1, delta + beta / 2 - (n - 4)};
  long long c[5] = {};
  long long m[5] = {};
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      c[i] += w[i][j] * y[j];
      m[i] -= w[i][j] * z[j];
    }
    bool all_non_positive = c[i] <= 0 && m[i] <= 0;
    for (int j = 1; j <= n; ++j) all_non_positive = all_non_positive && w[i][j] <= 0;
    if (all_non_positive) {
      for (int j = 1; j <= n; ++j) w[i][j] = -w[i][j];
      c[i] = -c[i];
      m[i] = -m[i];
    }
  }

  for (int i = 1; i <= n; ++i) {
    WriteText(s, "$");
    bool first = true;
    for (int j = 1; j <= n; ++j) {
      if (w[i][j] == 0) continue;
      if (first) {
        WriteFirstCoefficient(s, static_cast<int>(w[i][j]));
      } else {
        WriteSignedCoefLn(s, static_cast<double>(w[i][j]));
      }
      first = false;
      WriteText(s, "x_");
      WriteNumber(s, j);
    }
    if (m[i] != 0) {
      WriteSignedCoefLn(s, static_cast<double>(m[i]));
      WriteText(s, "x_{");
      WriteNumber(s, n + 1);
      WriteLine(s, "}");
    }
    WriteText(s, "=");
    WriteNumber(s, static_cast<double>(c[i]));
    WriteLine(s, i < n ? ",$ \\\\ " : ".$\\vskip4mm");
  }

  // The solution as one vector (x_1, .., x_5), its terms apart, so that no term runs into the
  // next in the typeset cell.
  std::string cell = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 5, 0) + "&$(";
  for (int i = 1; i <= n; ++i) cell += SolutionTerm(y[i], z[i]) + ",\\ ";
  AnsWrite(s, cell + "C)$");
}

}  // namespace

void BeginLinearSystemsProblem(SharedState& s) {
  s.ParboxWidth = 165;
  AnsBeginTable(s, 6);
  WriteLine(s, "Найти общее решение системы линейных уравнений.\\\\ ");
  AnsWriteLine(s, "   & общее решение $(x_1,\\ldots,x_5)$ ");
  EndTableHeadWithReference(s, 44);
}

void WriteLinearSystemsVariant(SharedState& s) {
  WriteLine(s, "\\vskip2mm ");
  WriteGeneralSystem(s, 4);
}

}  // namespace algebra
