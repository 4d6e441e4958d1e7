#pragma once

#include <cstdint>

#include "toolkit/state.h"

namespace toolkit {

// Exact integer linear algebra on the fixed tables of the state: 3-vectors, square matrices of
// up to 64 rows (a routine works on the leading n x n block), 3 x 3 determinant and inverse,
// 4 x 4 real products. Products carry no overflow check; callers keep entries small.

/// c[k] := a[k] + b[k]; c may be a or b.
void Vec3Add(const TIntVector3& a, const TIntVector3& b, TIntVector3& c);
/// c := a x b; c may be a or b.
void Vec3Cross(const TIntVector3& a, const TIntVector3& b, TIntVector3& c);
/// a1*b1 + a2*b2 + a3*b3.
int Vec3Dot(const TIntVector3& a, const TIntVector3& b);
/// The square root of the integer sum of squares.
double Vec3Length(const TIntVector3& a);

/// 0 gives 3; 1..3 give k; any other value gives k - 3 (byte arithmetic).
std::uint8_t CyclicIndex3(std::uint8_t k);
/// 1..7 give k; any other value gives k - 7 (byte arithmetic).
std::uint8_t CyclicIndex7(std::uint8_t k);

/// a[i][j] := 0 for 1 <= i, j <= n; n <= 0 does nothing.
void ClearIntMatrix(TIntMatrix& a, int n);
/// m := the leading n x n block of a without row rr and column c (n-1 x n-1); n <= 1 leaves m
/// untouched. m may be a.
void IntMatrixMinor(const TIntMatrix& a, TIntMatrix& m, int n, int rr, int c);
/// The determinant (DeterminantMode true) or the permanent (false) of the leading n x n block;
/// 0 for n <= 0.
int IntMatrixDeterminant(const Run& r, const TIntMatrix& a, int n);
/// c := a * b over the leading n x n block; c may be a or b; n = 0 does nothing.
void IntMatrixMultiply(const TIntMatrix& a, const TIntMatrix& b, int n, TIntMatrix& c);
/// For 1 <= i < j <= n: b[i][j] := k where a[i][j] != 0 and b[i][j] = 0.
void MarkNewReachable(int k, int n, const TIntMatrix& a, TIntMatrix& b);
/// True when some a[i][j] with 1 <= i < j <= n is 0.
bool UpperTriangleHasZero(const TIntMatrix& a, int n);
/// Exchanges rows i and j, then columns i and j, over all 64 rows and columns.
void SwapRowsCols(TIntMatrix& a, int i, int j);
/// Main file: the leading n x n block as an inline tabular; style 2 small, 3 normal with wider
/// columns, any other scriptsize.
void WriteIntMatrixTex(Run& r, int style, int n, const TIntMatrix& a);

/// The 3 x 3 determinant by the rule of Sarrus.
int IntMatrix3Determinant(const TIntMatrix3& a);
/// InverseMatrix3 := the inverse of a; throws DegenerateDataError when det a = 0.
void IntMatrix3Inverse(Run& r, const TIntMatrix3& a);
/// c := a * b over the leading n x n block (n <= 4); c may be a or b.
void RealMatrixMultiply(const TRealMatrix4& a, const TRealMatrix4& b, int n, TRealMatrix4& c);
/// |(P_j - P_i) x (P_k - P_l)| with P_m = Points3D[1..3][m]; with l = i twice the area of the
/// triangle P_i P_j P_k.
double TriangleCross3DLength(const Run& r, int i, int j, int k, int l);

}  // namespace toolkit
