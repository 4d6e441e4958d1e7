#pragma once

#include "subjects/shared_state.h"

// The problem types of the Discrete Mathematics tab: one Begin/Write pair per type, each in
// the file named after it. Each begin routine sets ParboxWidth, writes the common statement and
// opens the answers table; each variant routine writes the variant and its answers cells.
namespace discrete {

/// Radius, diameter, centre, closed 3-walks, spanning trees and Euler chain of a 7-vertex graph.
void BeginGraphRadiusProblem(SharedState& s);
void WriteGraphRadiusVariant(SharedState& s);

/// Transitive closure of a relation on four elements given by its matrix.
void BeginTransitiveClosureProblem(SharedState& s);
void WriteTransitiveClosureVariant(SharedState& s);

/// Minimum spanning tree of a weighted wheel: Prim's order, the weight, the tree count.
void BeginMinimumSpanningTreeProblem(SharedState& s);
void WriteMinimumSpanningTreeVariant(SharedState& s);

/// Shortest path in a weighted digraph on a 3-row lattice by Dijkstra's method.
void BeginShortestPathProblem(SharedState& s);
void WriteShortestPathVariant(SharedState& s);

/// Walks of length 3 in a digraph of eight arcs on five vertices.
void BeginDigraphPathsProblem(SharedState& s);
void WriteDigraphPathsVariant(SharedState& s);

/// Cayley table of a product of pairs of bits given by two component formulas.
void BeginCayleyTableProblem(SharedState& s);
void WriteCayleyTableVariant(SharedState& s);

/// Maximum flow through a 14-vertex transport network.
void BeginNetworkFlowProblem(SharedState& s);
void WriteNetworkFlowVariant(SharedState& s);

/// Assignment problem solved by the Hungarian method.
void BeginAssignmentProblem(SharedState& s);
void WriteAssignmentVariant(SharedState& s);

/// Strongly connected components of a digraph on n vertices.
void BeginStrongComponentsProblem(SharedState& s, int n);
void WriteStrongComponentsVariant(SharedState& s, int n);

/// Largest matching and number of perfect matchings of a bipartite graph.
void BeginMatchingProblem(SharedState& s);
void WriteMatchingVariant(SharedState& s);

/// Order function (topological levels) of an acyclic network on n vertices.
void BeginTopologicalSortProblem(SharedState& s, int n);
void WriteTopologicalSortVariant(SharedState& s, int n);

/// Hamiltonian cycles of one of seven small mixed graphs, relabelled.
void BeginHamiltonianCyclesProblem(SharedState& s, int n);
void WriteHamiltonianCyclesVariant(SharedState& s);

/// Shortest Hamiltonian cycle of a weighted directed wheel.
void BeginTravellingSalesmanProblem(SharedState& s);
void WriteTravellingSalesmanVariant(SharedState& s);

/// Radius, diameter, centre, decimal code and centroid of a tree grown on the TreeGridCols grid.
void BeginTreeCentreProblem(SharedState& s);
void WriteTreeCentreVariant(SharedState& s);
/// Answers row of the tree in GraphMatrix on vertices 1..n: the variant number, radius,
/// diameter, centre, decimal code rooted at 7, least weight and centroid.
void WriteTreeCentreAnswers(SharedState& s, int n);

/// Prüfer code: mode 2 codes a drawn tree, mode 1 decodes a printed code, mode 3 (row 11 at
/// Level 4) decodes the code of the whole grid tree.
void BeginPruferCodeProblem(SharedState& s, int mode);
void WritePruferCodeVariant(SharedState& s, int mode);

/// Chromatic polynomial by deletion and contraction; mode 1 on 4 vertices, 2 on 5.
void BeginChromaticPolynomialProblem(SharedState& s);
void WriteChromaticPolynomialVariant(SharedState& s, int mode);

/// Line graph of a variant graph; mode 1 on 5 vertices, any other on 6.
void BeginLineGraphProblem(SharedState& s);
void WriteLineGraphVariant(SharedState& s, int mode);

/// Triangles counted from the printed adjacency matrix of a grid tree with diagonals.
void BeginCycleCountProblem(SharedState& s);
void WriteCycleCountVariant(SharedState& s);

/// Decimal code of a tree on 25 fixed points.
void BeginDecimalTreeCodeProblem(SharedState& s);
void WriteDecimalTreeCodeVariant(SharedState& s);

}  // namespace discrete
