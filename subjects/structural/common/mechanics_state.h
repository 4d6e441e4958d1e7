#pragma once

#include <initializer_list>
#include <string>

#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace structural {

/// Builds a checked constant table from its values, listed from index Lo upward.
template <class T, int Lo, int Hi>
toolkit::IndexedArray<T, Lo, Hi> MakeTable(std::initializer_list<T> values) {
  toolkit::IndexedArray<T, Lo, Hi> table{};
  int i = Lo;
  for (const T& v : values) table[i++] = v;
  return table;
}

/// The right-hand sides of the shared linear system: 52 rows x 6 columns, indices from 1.
using TRhsTable = toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 6>, 1, 52>;
/// The shared coefficient matrix: 52 x 52, indices from 1.
using TSystemMatrix = toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 52>, 1, 52>;

/// The values of a diagram at the left and the right end of one segment.
struct TDiagramPair {
  double left = 0;
  double right = 0;
};
/// Ten segments of a diagram, pairs 0..9; generators number their segments from 1.
using TDiagramValues = toolkit::IndexedArray<TDiagramPair, 0, 9>;

/// The load components of one truss joint, kN.
struct TNodeLoad {
  double x = 0;
  double y = 0;
};

// ---- Constant tables of the truss and frame helpers ----

/// Letters of the concentrated loads F (1) and P (2).
inline const auto LoadLetters = MakeTable<char, 1, 2>({'F', 'P'});
/// Horizontal segment lengths of the heavy frame, m, indexed by P1 (and 13 - P1).
inline const auto HorizLengthTable = MakeTable<int, 1, 12>({5, 4, 3, -4, -5, -6, 0, 0, 0, 0, 0, 0});
/// Inclined segment lengths of the heavy frame, m, indexed by P2 (and 13 - P2).
inline const auto SlopeLengthTable =
    MakeTable<int, 1, 12>({4, 6, 7, -4, -6, -4, -4, -4, -6, 4, 6, 6});
/// Names of the angles of forces 1..3 in the heavy-frame figure.
inline const auto ForceAngleNames = MakeTable<std::string, 1, 3>({"\\alpha", "\\beta", "\\alpha"});
/// Letters of forces 1..3.
inline const auto ForceNames = MakeTable<std::string, 1, 3>({"P", "Q", "F"});
/// Joint of support A, indexed by P3.
inline const auto TrussSupportTableA = MakeTable<int, 1, 6>({4, 1, 3, 1, 4, 2});
/// Joint of support B, indexed by P3.
inline const auto TrussSupportTableB = MakeTable<int, 1, 6>({1, 4, 1, 3, 2, 4});
/// First dimension of a truss, m, indexed by P2.
inline const auto TrussLengthTable = MakeTable<int, 1, 6>({2, 2, 1, 1, 3, 1});
/// Second dimension of a truss, m, indexed by P2.
inline const auto TrussHeightTable = MakeTable<int, 1, 6>({2, 1, 2, 1, 1, 3});
/// Five truss shapes of four panel widths each, m: [shape][panel].
inline const auto TrussPanelWidthTable = MakeTable<toolkit::IndexedArray<int, 1, 4>, 1, 5>(
    {MakeTable<int, 1, 4>({2, 3, 3, 2}), MakeTable<int, 1, 4>({3, 2, 3, 2}),
     MakeTable<int, 1, 4>({3, 3, 2, 2}), MakeTable<int, 1, 4>({2, 3, 2, 2}),
     MakeTable<int, 1, 4>({4, 3, 2, 2})});
/// Box edges a, b, c (rows 1..3), m, in six columns.
inline const auto BoxSizeTable = MakeTable<toolkit::IndexedArray<int, 1, 6>, 1, 3>(
    {MakeTable<int, 1, 6>({2, 3, 4, 5, 6, 7}), MakeTable<int, 1, 6>({3, 4, 6, 4, 5, 6}),
     MakeTable<int, 1, 6>({4, 3, 5, 3, 4, 5})});

/// The shared variables of the mechanics helpers: the linear system, the beam-diagram
/// load tables, the heavy frame and two-part layouts, the Cramer solve, the truss state and
/// the three-dimensional box. Plain data; the helpers and the mechanics generators of every
/// subject read and write it through SharedState.
struct Mechanics {
  // Linear system.
  TSystemMatrix SystemMatrix{};  ///< coefficients; a solve leaves it triangular
  TRhsTable SystemRhs{};         ///< right-hand sides; a solve replaces them by the unknowns
  TRhsTable SavedRhs1{};         ///< a caller's copy of a solution
  TRhsTable SavedRhs2{};         ///< a second copy

  // Beam diagrams.
  toolkit::IndexedArray<int, 1, 8> PointLoadValue{};         ///< kN, load drawn at point n
  toolkit::IndexedArray<int, 1, 2> DistributedLoadValue{};   ///< q1, q2, kN/m
  toolkit::IndexedArray<int, 1, 2> ConcentratedLoadValue{};  ///< F, P, kN

  // Heavy frame.
  int FrameHorizLen1 = 0, FrameHorizLen2 = 0, FrameHorizLen3 = 0;  ///< m, signed
  int FrameSlopeLen1 = 0, FrameSlopeLen2 = 0;                      ///< m, signed
  int FrameSlopeAngle1 = 0, FrameSlopeAngle2 = 0;                  ///< degrees
  double SlopeSin1 = 0, SlopeCos1 = 0, SlopeSin2 = 0, SlopeCos2 = 0;
  int FrameType = 0;                                     ///< 1..3
  toolkit::TPointArray FrameSegmentLength{};             ///< entries 1..5, absolute lengths
  int FrameWeightPerMetre = 0;                           ///< kN/m
  int CoupleMoment = 0;                                  ///< kN m, signed
  toolkit::IndexedArray<double, 1, 3> ForceValue{};      ///< kN
  toolkit::IndexedArray<double, 1, 3> ForceDirection{};  ///< degrees
  int LoadAngle1 = 0, LoadAngle2 = 0;                    ///< degrees
  double FrameAngle2Rad = 0;
  toolkit::TPointArray NodeForceX{};  ///< kN, force applied at a point, by point
  toolkit::TPointArray NodeForceY{};
  int ForcePDistance = 0;       ///< m, from the segment end to N
  int ForcePDirection = 0;      ///< +1 or -1
  double ForcePHorizontal = 0;  ///< kN, signed horizontal force at N
  int ForceKSignX = 0, ForceKSignY = 0;
  int SupportOffset = 0;   ///< m
  int ForceKDistance = 0;  ///< m, from node 3 to K (2 or 3)
  double PartialMoment1 = 0, PartialMoment2 = 0, PartialMoment3 = 0;  ///< kN m
  toolkit::IndexedArray<double, 1, 3> BodyCouple{};  ///< couples of three bodies, kN m

  // Two-part layouts.
  double TwoPartArm1 = 0, TwoPartArm2 = 0, TwoPartArm3 = 0, TwoPartArm4 = 0, TwoPartArm5 = 0,
         TwoPartArm6 = 0, TwoPartArm7 = 0;

  // Cramer solve.
  double CramerSolution1 = 0, CramerSolution2 = 0;
  std::string UnknownName1, UnknownName2;  ///< at most 3 characters each

  // Trusses.
  toolkit::IndexedArray<int, 1, 5> TrussPanelX{};       ///< m, panel-point abscissae
  toolkit::IndexedArray<int, 1, 5> TrussPanelDigits{};  ///< binary digits behind TrussPanelX
  toolkit::IndexedArray<int, 1, 8> TrussChordY{};       ///< m, upper-chord heights
  int TrussPanelCount = 0;
  int TrussSupportNodeA = 0, TrussSupportNodeB = 0;
  int TrussLoadSign = 1;  ///< +1 or -1
  bool TrussFreeMode = false;
  int TrussQPoint = 0, TrussFPoint = 0, TrussPPoint1 = 0, TrussPPoint2 = 0;
  double TrussLoadQValue = 0, TrussLoadQ = 0;
  double TrussPanelLength = 0, TrussPanelHeight = 0;  ///< m
  double TrussAngleAlpha = 0, TrussAngleBeta = 0;     ///< scratch of the truss problems
  int TrussLoadNode = 0, TrussExtraMember = 0, TrussSecondLoad = 0;
  int TrussUnknownCount = 0;
  toolkit::IndexedArray<double, 1, 9> TrussPanelExtents{};     ///< m, panel widths
  toolkit::IndexedArray<double, 1, 9> TrussPostHeights{};      ///< m, post at lower joint k
  toolkit::IndexedArray<int, 1, 8> TrussPanelBits{};           ///< 0 or 1, diagonal direction
  toolkit::IndexedArray<int, 1, 12> LoadNodes{};               ///< loaded joints
  toolkit::IndexedArray<TNodeLoad, 1, 18> NodeLoads{};         ///< loads by joint, kN
  double TrussSupportSin = 0, TrussSupportCos = 0;             ///< inclined support at A
  toolkit::IndexedArray<double, 1, 52> TrussBarLength{};       ///< bar lengths, n-panel truss
  toolkit::IndexedArray<double, 1, 8> TrussUnitForceResult{};  ///< bar lengths, four-joint truss

  // Three-dimensional box.
  double CuboidA = 0, CuboidB = 0, CuboidC = 0, CuboidD = 0;  ///< picture units
  double SolidSizeX = 0, SolidSizeY = 0, SolidSizeZ = 0;      ///< m
  double WallDistance = 0;                                    ///< m
  toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 3>, 1, 14> BoxCornerTable{};
  toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 3>, 1, 14> BoxCornerTable2{};
};

}  // namespace structural
