#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the compressed rod whose section size b is selected with the buckling
/// factors.
struct CompressedRodSectionVariant {
  double t = 0, k = 0;   ///< relative wall thickness and side ratio of the shapes
  double mu = 0;         ///< length factor
  double sigma = 0;      ///< allowed stress, MPa
  double l = 0;          ///< length, m
  int P = 0;             ///< force, kN
  double Fbar = 0, Jbar = 0;  ///< area / b^2 and smallest second moment / b^4
  double b = 0;          ///< selected size, cm
  double lambda = 0;     ///< slenderness at b
  int rounds = 0;        ///< rounds of the selection
};

/// Shape p1 (1..7), wall p2 (1..2), scheme p3 (1..4), length p4 (1..10), material p5 (1..5),
/// side ratio p6 (1..8).
CompressedRodSectionVariant DeriveCompressedRodSection(int p1, int p2, int p3, int p4, int p5,
                                                       int p6);

/// Begin routine: answers head and statement.
void BeginCompressedRodSectionProblem(SharedState& s);
/// Variant routine: data line, answers row, section and scheme pictures.
void WriteCompressedRodSectionVariant(SharedState& s);

}  // namespace strength
