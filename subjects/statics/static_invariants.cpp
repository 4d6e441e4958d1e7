#include "subjects/statics/static_invariants.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

using Vec = std::array<int, 4>;  // components 1..3 (x, y, z); element 0 unused

// Main vectors with a whole-number length, by P7: (x, y, z) and the length.
struct ResultantRow {
  int x, y, z, length;
};
const toolkit::IndexedArray<ResultantRow, 1, 10> InvariantsResultantTable = [] {
  toolkit::IndexedArray<ResultantRow, 1, 10> t;
  t[1] = {1, 2, 2, 3};
  t[2] = {1, 4, 8, 9};
  t[3] = {1, 12, 12, 17};
  t[4] = {2, 5, 14, 15};
  t[5] = {2, 3, 6, 7};
  t[6] = {2, 6, 9, 11};
  t[7] = {3, 4, 12, 13};
  t[8] = {4, 4, 7, 9};
  t[9] = {6, 6, 7, 11};
  t[10] = {6, 10, 15, 19};
  return t;
}();

// The axis after k: 2, 3, 1 for k = 1, 2, 3.
int NextAxis(int k) { return toolkit::CyclicIndex3(static_cast<std::uint8_t>(k + 1)); }

toolkit::TBinaryDigits DigitsOf(int p) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p - 1), d);
  return d;
}

Vec Cross(const Vec& a, const Vec& f) {
  return {0, a[2] * f[3] - a[3] * f[2], a[3] * f[1] - a[1] * f[3], a[1] * f[2] - a[2] * f[1]};
}

std::string Field(double v, int width) { return toolkit::FormatFixed(v, width, 0); }

}  // namespace

void BeginStaticInvariantsProblem(SharedState& s) {
  s.ParboxWidth = 180;
  AnsWrite(s, "\\tabcolsep=6pt");
  AnsBeginTable(s, 13);
  AnsWrite(s, "\\#\\ru &$R_x$ &$R_y$ & $R_z$ & $R$ & $M_x$ & $M_y$&$M_z$ &$I$\\\\\\hline");
  AnsWrite(s, " \\ru &\\multicolumn{4}{c|}{N}&\\multicolumn{3}{c|}{Nm}&$N^2m$\\\\\\hline");
  WriteLine(s,
            " The forces $ \\vec F_1 $, $ \\vec F_2 $ and $ \\vec F_3 $  attached  to the points "
            "$ A_1 $, $ A_2 $ and $ A_3 $ respectively.  Projection forces are in newtons, the "
            "coordinates of points --- are in meters. Find the static invariants of forces.");
  WriteSecondBookReference(s, 65);
}

void WriteStaticInvariantsVariant(SharedState& s) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  const toolkit::TBinaryDigits a = DigitsOf(p[1]);
  const toolkit::TBinaryDigits b = DigitsOf(p[2]);
  const toolkit::TBinaryDigits c = DigitsOf(p[3]);

  // Points: A_k from the digits of p_k.
  std::array<Vec, 4> A{};
  const toolkit::TBinaryDigits* digits[4] = {nullptr, &a, &b, &c};
  for (int k = 1; k <= 3; ++k) {
    const toolkit::TBinaryDigits& q = *digits[k];
    A[k] = {0, 2 * q[4] + q[1], 2 * q[5] + q[2], 2 * q[6] + q[3]};
  }
  for (int k = 1; k <= 3; ++k) {
    if (A[k][1] == A[k][2] && A[k][2] == A[k][3]) A[k][k] = 0;
  }
  for (int k = 1; k <= 3; ++k) {
    if (A[k][1] != 0 && A[k][2] != 0 && A[k][3] != 0) {
      A[k][p[4]] = 0;
      A[k][NextAxis(p[4])] = 0;
    }
  }

  // Forces.
  std::array<Vec, 4> F{};
  F[1] = {0, c[1] + a[4], c[2] + a[5], c[3] + a[6]};
  F[2] = {0, b[4] + a[1], b[5] + a[2], b[6] + a[3]};
  F[3] = {0, b[1] + c[4], b[2] + c[5], b[3] + c[6]};
  for (int k = 1; k <= 3; ++k) {
    if (F[k][1] == F[k][2] && F[k][2] == F[k][3]) F[k][k] = -1;
  }

  // The main vector the forces are made to add up to.
  const ResultantRow& row = InvariantsResultantTable[p[7]];
  Vec R = {0, row.x, row.y, row.z};
  if (p[5] == p[6] || p[7] == p[1]) R[3] = -R[3];
  if (p[7] == p[4] || p[4] == p[5]) R[1] = -R[1];
  if (p[2] == p[4] || p[3] == p[4]) R[2] = -R[2];
  std::swap(R[p[4]], R[p[5]]);

  // The closing force.
  const int i = NextAxis(p[4]);
  const int j = 6 - p[4] - i;
  for (int k = 1; k <= 3; ++k) F[p[4]][k] = R[k] - F[i][k] - F[j][k];

  Vec Rs{}, M{};
  for (int f = 1; f <= 3; ++f) {
    const Vec m = Cross(A[f], F[f]);
    for (int k = 1; k <= 3; ++k) {
      Rs[k] += F[f][k];
      M[k] += m[k];
    }
  }
  const double length = toolkit::Hypot3(Rs[1], Rs[2], Rs[3]);
  const int invariant = Rs[1] * M[1] + Rs[2] * M[2] + Rs[3] * M[3];

  for (int k = 1; k <= 3; ++k) {
    WriteText4NumbersLn(s, " $A_", k, "(", A[k][1], ",", A[k][2], ",", A[k][3], ")$,");
  }
  WriteLine(s, "\\\\ ");
  for (int k = 1; k <= 2; ++k) {
    WriteText4NumbersLn(s, " $\\vec F_", k, "(", F[k][1], ",", F[k][2], ",", F[k][3], ")$,");
  }
  WriteText3NumbersLn(s, " $\\vec F_3(", F[3][1], ",", F[3][2], ",", F[3][3], ")$.");

  std::string line = Field(toolkit::PrintedVariantNumber(s), 3);
  for (int k = 1; k <= 3; ++k) line += "&" + Field(Rs[k], 5);
  line += "&" + Field(length, 5);
  for (int k = 1; k <= 3; ++k) line += "&" + Field(M[k], 5);
  line += "&" + Field(invariant, 5);
  AnsWriteLine(s, line);
}

}  // namespace statics
