#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the influence lines of truss bars, derived from P1..P5: a simply supported
/// truss of four panels (a = h = 1 m) with its fixed hinge at node 1 and its roller at node 5,
/// nodes 1..5 on the bottom chord and 6..10 on the top chord.
struct TrussInfluenceLineVariant {
  /// Bars 1..20 by their start and end nodes (18..20 are the support links, ending at the
  /// ground points 11..13).
  toolkit::IndexedArray<int, 1, 20> Start{}, End{};
  bool TopLoaded = false;  ///< the loads travel along the top chord
  int qp = 0, qvr = 0;     ///< kN/m
  /// Influence ordinates of every bar at the loaded chord's nodes 1..5 (x = 0..4 m).
  toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 5>, 1, 20> Ordinate{};
  /// The two indicated bars and, for each, Omega+ and Omega- (m) and the forces (kN).
  toolkit::IndexedArray<int, 1, 2> Bar{};
  toolkit::IndexedArray<double, 1, 2> AreaPlus{}, AreaMinus{}, Sp{}, Smin{}, Smax{};
};

/// Node coordinates in picture units (40 per metre): node k (1..10) and the ground points
/// 11..13 of the support links.
double InfluenceTrussNodeX(int node);
double InfluenceTrussNodeY(int node);

/// Derives the variant: the bars, the influence ordinates from the joint equations under a
/// unit load at each node of the loaded chord, the two bars and their forces. Throws
/// DegenerateDataError when the joint system is singular.
TrussInfluenceLineVariant DeriveTrussInfluenceLineVariant(int p1, int p2, int p3, int p4, int p5);

/// Begin routine: the second answers head, the base truss savebox "fermabaze" and the
/// statement.
void BeginTrussInfluenceLineProblem(SharedState& s);
/// Variant routine: the web bars' figure, the loads and the two bars in the main file, the
/// influence lines in the answers file and the forces in the second answers file.
void WriteTrussInfluenceLineVariant(SharedState& s);

}  // namespace structural
