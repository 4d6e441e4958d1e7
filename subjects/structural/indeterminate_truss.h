#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the statically indeterminate three-panel truss, derived from P1..P7, the
/// Level and the mode (1: pin A, rollers B and C; 2: pins A and B and an extra diagonal).
/// Joints 1..4 lie on the lower chord, 5..8 above them; lengths in m, forces in kN, tension
/// positive, reactions positive along +x and +y.
struct IndeterminateTrussVariant {
  int Mode = 1;
  int Shape = 1;                 ///< row of the panel-width table, the base savebox letter
  double BaseHeight = 0;         ///< height of the upper chord over a 0 bit
  double Rise = 0;               ///< its rise over a 1 bit
  int Sign = 1;                  ///< side of Q
  int ExtraPanel = 1;            ///< panel of the extra diagonal (mode 2)
  toolkit::IndexedArray<int, 1, 4> X{};     ///< abscissae of the panel points
  toolkit::IndexedArray<int, 1, 4> Y{};     ///< upper-chord heights
  toolkit::IndexedArray<int, 1, 4> Bits{};  ///< 1: the panel's diagonal rises to the right
  toolkit::IndexedArray<double, 1, 8> JointX{}, JointY{};
  int PinJoint = 0;     ///< support labelled A (a pin)
  int SecondJoint = 0;  ///< support labelled B (a roller in mode 1, a pin in mode 2)
  int RollerCJoint = 0;  ///< support C of mode 1, 0 in mode 2
  int P = 0;             ///< kN, each load P acts downward
  int QMagnitude = 0;    ///< kN, as printed
  int Beta = 0;          ///< degrees; 0 unless Q is inclined
  bool QInclined = false;
  bool QFallback = false;  ///< the chord never drops: Q sits at the top of the last rise
  int QPanelPoint = 0;     ///< Q acts at upper joint QPanelPoint + 4
  double QX = 0, QY = 0;   ///< components of Q as it acts
  int PJoint1 = 0, PJoint2 = 0;  ///< loaded lower joints (PJoint2 = 0 in mode 1)
  int ExtraJoint1 = 0, ExtraJoint2 = 0;  ///< ends of the extra diagonal (mode 2)
  double ExtraLength = 0;
  /// Basic truss: 13 bar forces U1..U3, V1..V4, O1..O3, D1..D3 and the reactions X_A, Y_A
  /// and the vertical one at B (unknowns 14..16), under the loads, the first unit redundant
  /// and the second unit redundant.
  toolkit::IndexedArray<double, 1, 16> NP{}, N1{}, N2{};
  toolkit::IndexedArray<double, 1, 13> Length{};
  double d11 = 0, d12 = 0, d22 = 0, D1P = 0, D2P = 0;
  double X1 = 0;  ///< Y_C (mode 1) or X_B (mode 2)
  double X2 = 0;  ///< S in the extra diagonal (mode 2)
  double XA = 0, YA = 0, YB = 0;
};

/// Derives the variant's geometry, supports and loads as the figure shows them, and solves it
/// by the force method on the joint equations of the basic truss. Throws DegenerateDataError
/// when the basic truss or the canonical equations are singular.
IndeterminateTrussVariant DeriveIndeterminateTrussVariant(int mode, int level, int p1, int p2,
                                                          int p3, int p4, int p5, int p6, int p7);

/// Begin routine (mode 1: reactions of the truss on three supports; mode 2: reactions and the
/// force in the extra diagonal): the five base saveboxes, the statement and both answers heads.
void BeginIndeterminateTrussProblem(SharedState& s, int mode);
/// Variant routine: the figure, the loads' text, the unit states' bar forces in the second
/// answers file and the canonical coefficients and reactions in the answers file.
void WriteIndeterminateTrussVariant(SharedState& s, int mode);

}  // namespace structural
