#pragma once

#include <array>

#include "subjects/shared_state.h"

namespace statics {

/// One shaft variant: data as printed (T2 and Q after the raise that keeps F >= 0), the kind
/// of part at each position along the shaft (1 hinge A, 2 hinge B, 3 pulley 2, 4 pulley 1,
/// 5 the drum) and the answers.
struct ShaftVariant {
  int m = 0, a = 0, b = 0, c = 0, d = 0;
  int T1 = 0, T2 = 0, P1 = 0, P2 = 0, P3 = 0, Q = 0, G = 0, alpha = 0, R1 = 0, R2 = 0, R3 = 0;
  double f = 0;
  int s = 0;  ///< +1: F along the top of pulley 1 and N down; -1: F up and N across
  std::array<int, 6> kind_at{};     ///< kind at positions 1..5
  std::array<int, 6> position_of{};  ///< position index of kinds 1..5
  double F = 0, N = 0, XA = 0, ZA = 0, XB = 0, ZB = 0;
  bool raised = false;  ///< Q or T2 was raised to keep the drag F non-negative
};

/// Derives and solves the shaft of P1..P5; `variant` names the variant in a failed check.
ShaftVariant DeriveShaftVariant(int p1, int p2, int p3, int p4, int p5, int variant = 0);

/// Begin routine: the part boxes, the answers head, the statement, the book reference.
void BeginShaftEquilibriumProblem(SharedState& s);
/// Variant routine: the shaft with its parts, loads and dimensions, the data block, the row.
void WriteShaftEquilibriumVariant(SharedState& s);

}  // namespace statics
