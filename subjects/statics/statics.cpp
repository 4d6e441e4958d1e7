#include "subjects/statics/statics.h"

#include <iterator>

#include "subjects/statics/compound_rect_frame.h"
#include "subjects/statics/compound_structure.h"
#include "subjects/statics/corner_rod_cylinder.h"
#include "subjects/statics/distributed_load_frame.h"
#include "subjects/statics/force_moment.h"
#include "subjects/statics/force_system_reduction.h"
#include "subjects/statics/frame_reaction.h"
#include "subjects/statics/plane_figure.h"
#include "subjects/statics/plate_equilibrium.h"
#include "subjects/statics/shaft_equilibrium.h"
#include "subjects/statics/shelf_equilibrium.h"
#include "subjects/statics/simple_frame.h"
#include "subjects/statics/simple_truss.h"
#include "subjects/statics/six_rod_framework.h"
#include "subjects/statics/spatial_body_centroid.h"
#include "subjects/statics/spatial_truss.h"
#include "subjects/statics/static_invariants.h"
#include "subjects/statics/three_body_compound_structure.h"
#include "subjects/statics/three_body_structure_i.h"
#include "subjects/statics/three_body_structure_ii.h"
#include "subjects/statics/three_force_theorem.h"
#include "subjects/statics/three_link_chain.h"
#include "subjects/statics/triangular_lattice_truss.h"
#include "subjects/statics/truss_column.h"
#include "subjects/statics/two_body_structure.h"
#include "subjects/statics/two_cylinder_friction.h"

namespace statics {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Statics list in row order: title as stored (trailing blanks kept), bounds of
// P1..P7, begin and variant routines. Rows 8, 11, 12, 21 and 22 pass their own number to a
// routine two rows share (a captureless lambda); row 14 chooses its variant routine and row 18
// its whole pair by Level = 1 (LevelOneBegin/LevelOneVariant).
constexpr ProblemRow kStaticsRows[] = {
    {"The plane framework of 6 rods",
     {16, 3, 3, 3, 9, 33, 32},
     BeginSixRodFrameworkProblem,
     WriteSixRodFrameworkVariant},  // 1 plane framework of six rods
    {"Equilibrium chain of 3 links ",
     {6, 6, 4, 4, 4, 33, 32},
     BeginThreeLinkChainProblem,
     WriteThreeLinkChainVariant},  // 2 equilibrium chain of three links
    {"A theorem on the three forces         ",
     {15, 2, 3, 4, 5, 33, 32},
     BeginThreeForceTheoremProblem,
     WriteThreeForceTheoremVariant},                                  // 3 theorem of three forces
    {"Determination of frame reaction",
     {12, 12, 3, 3, 25, 33, 32},
     BeginFrameReactionProblem,
     WriteFrameReactionVariant},  // 4 reactions of a frame
    {"Calculation of the truss (column)        ",
     {30, 18, 30, 7, 9, 3, 3},
     BeginTrussColumnProblem,
     WriteTrussColumnVariant},  // 5 truss column
    {"Calculation of the truss (triangular lattice)  ",
     {5, 6, 6, 6, 9, 33, 32},
     BeginTriangularLatticeTrussProblem,
     WriteTriangularLatticeTrussVariant},                // 6 truss with a triangular lattice
    {"Compound structure",
     {12, 12, 4, 3, 25, 33, 32},
     BeginCompoundStructureProblem,
     WriteCompoundStructureVariant},  // 7 compound structure
    {"Compound rectangular frame ",
     {12, 2, 3, 6, 6, 9, 9},
     [](SharedState& s) { BeginCompoundRectFrameProblem(s, 8); },
     [](SharedState& s) {
       WriteCompoundRectFrameVariant(s, 8);
     }},  // 8 compound rectangular frame, mode 8
    {"Compound frame under distributed force",
     {4, 2, 2, 2, 8, 10, 8},
     BeginDistributedLoadFrameProblem,
     WriteDistributedLoadFrameVariant},  // 9 compound frame under distributed force
    {"Static Invariants     ",
     {64, 64, 64, 3, 3, 10, 10},
     BeginStaticInvariantsProblem,
     WriteStaticInvariantsVariant},  // 10 static invariants of three forces
    {"The spatial truss       ",
     {2, 2, 4, 3, 6, 2, 6},
     [](SharedState& s) { BeginSpatialTrussProblem(s, 11); },
     [](SharedState& s) { WriteSpatialTrussVariant(s, 11); }},  // 11 spatial truss, mode 11
    {"Reduction of Force Systems       ",
     {4, 4, 2, 3, 9, 33, 32},
     [](SharedState& s) { BeginForceSystemReductionProblem(s, 12); },
     [](SharedState& s) {
       WriteForceSystemReductionVariant(s, 12);
     }},  // 12 reduction of a force system, mode 12
    {"Equilibrium of plate             ",
     {3, 2, 2, 6, 4, 33, 32},
     BeginPlateEquilibriumProblem,
     WritePlateEquilibriumVariant},  // 13 equilibrium of a plate
    {"Equilibrium of shelf            ",
     {3, 2, 2, 6, 4, 9, 2},
     BeginShelfEquilibriumProblem,
     WriteShelfEquilibriumVariant,
     BeginShelfEquilibriumProblem,
     WriteSimpleShelfVariant},  // 14 equilibrium of a shelf; Level 1: simple shelf
    {"Geometrical characteristics of plane figures",
     {2, 10, 4, 3, 4, 33, 32},
     BeginPlaneFigureProblem,
     WritePlaneFigureVariant},  // 15 geometrical characteristics of plane figures
    {"Compound structure (3 body)  ",
     {8, 2, 2, 9, 4, 9, 9},
     BeginThreeBodyStructureProblem,
     WriteThreeBodyStructureVariant},  // 16 compound structure of three bodies
    {"Equilibrium of simple frame  ",
     {10, 8, 3, 3, 3, 3, 3},
     BeginSimpleFrameProblem,
     WriteSimpleFrameVariant},  // 17 equilibrium of a simple frame
    {"Rolling friction             ",
     {10, 5, 5, 5, 5, 16, 16},
     BeginTwoCylinderFrictionProblem,
     WriteTwoCylinderFrictionVariant,
     BeginCornerRodCylinderProblem,
     WriteCornerRodCylinderVariant},  // 18 rolling friction of two cylinders; Level 1: corner,
                                      // rod and cylinder
    {"Shaft                          ",
     {5, 4, 3, 4, 5, 33, 32},
     BeginShaftEquilibriumProblem,
     WriteShaftEquilibriumVariant},  // 19 equilibrium of a shaft
    {"The center of gravity of the spatial body",
     {3, 3, 5, 4, 9, 33, 32},
     BeginSpatialBodyCentroidProblem,
     WriteSpatialBodyCentroidVariant},  // 20 centre of gravity of a spatial body
    {"The center of gravity of the spatial core figure ",
     {2, 2, 4, 3, 6, 2, 6},
     [](SharedState& s) { BeginSpatialTrussProblem(s, 21); },
     [](SharedState& s) {
       WriteSpatialTrussVariant(s, 21);
     }},  // 21 centre of gravity of a rod figure, mode 21
    {"Moment of force about the axis",
     {4, 4, 2, 3, 9, 33, 32},
     [](SharedState& s) { BeginForceSystemReductionProblem(s, 22); },
     [](SharedState& s) {
       WriteForceSystemReductionVariant(s, 22);
     }},  // 22 moment of a force about an axis, mode 22
    {"Moment of force about the point ",
     {2, 4, 4, 4, 10, 10, 10},
     BeginForceMomentProblem,
     WriteForceMomentVariant},  // 23 moment of a force about a point
    {"Simple compound structure",
     {16, 2, 5, 5, 5, 5, 4},
     BeginTwoBodyStructureProblem,
     WriteTwoBodyStructureVariant},  // 24 simple compound structure of two bodies
    {"Simple Compound structure (3 body) I. ",
     {4, 3, 3, 3, 4, 3, 4},
     BeginThreeBodyStructureIProblem,
     WriteThreeBodyStructureIVariant},  // 25 simple compound structure of three bodies, I
    {"Simple Compound structure (3 body) II.",
     {4, 4, 2, 3, 3, 3, 3},
     BeginThreeBodyStructureIIProblem,
     WriteThreeBodyStructureIIVariant},  // 26 simple compound structure of three bodies, II
    {"Calculation of the simple truss         ",
     {5, 6, 2, 4, 16, 16, 16},
     BeginSimpleTrussProblem,
     WriteSimpleTrussVariant},  // 27 simple plane truss
};
static_assert(std::size(kStaticsRows) == kStaticsProblemCount);

// Rows 28..40 belong to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5},
    {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5},
    {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5}, {9, 9, 9, 5, 5, 5, 5},
    {9, 9, 9, 5, 5, 5, 5},
};
static_assert(std::size(kSpareBounds) == 40 - kStaticsProblemCount);

}  // namespace

const subjects::ProblemTab StaticsTab{kStaticsRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kStaticsProblemCount> StaticsTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kStaticsProblemCount> t;
  for (int i = 1; i <= kStaticsProblemCount; ++i) t[i] = kStaticsRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable StaticsRanges = subjects::RangesOf(StaticsTab);

// The list passes a byte.
void BeginStaticsProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, StaticsTab, problem & 0xFF);
}

void WriteStaticsVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, StaticsTab, problem & 0xFF);
}

}  // namespace statics
