#include "subjects/strength/strength.h"

#include <cstdint>

#include "subjects/structural/indeterminate_rod_system.h"

namespace strength {

namespace {

using Routine = void (*)(SharedState&);

/// One list row: its begin and variant routines. Rows whose pair depends on Level name both
/// pairs and make the choice at the time of each call; a row not built yet holds nulls.
struct MechanicsRow {
  Routine begin;
  Routine variant;
  Routine level_one_begin = nullptr;    ///< used instead of begin when Level = 1
  Routine level_one_variant = nullptr;  ///< used instead of variant when Level = 1
};

// Row i of the list is element i - 1. The rows of the structural-mechanics problems
// (1, 4, 5, 7, 8, 9, 10, 12..15, 20, 21, 23..26, 35, 37..39) call the routines of
// subjects/structural; the others those of this subject.
const MechanicsRow kMechanicsRows[kMechanicsProblemCount] = {
    {nullptr, nullptr},  // 1 frame by the displacement method
    {nullptr, nullptr},  // 2 rheological models
    {nullptr, nullptr},  // 3 plane stress
    {nullptr, nullptr},  // 4 simple beam
    {nullptr, nullptr},  // 5 frame by the method of forces
    {nullptr, nullptr},  // 6 composite section
    {structural::BeginIndeterminateRodSystemProblem,
     structural::WriteIndeterminateRodSystemVariant},  // 7
    {nullptr, nullptr},                                // 8 indeterminate truss, mode 1
    {nullptr, nullptr},                                // 9 hinged multispan beam
    {nullptr, nullptr},                                // 10 continuous beam
    {nullptr, nullptr},                                // 11 spatial stress state
    {nullptr, nullptr},                                // 12 frame by displacements, two joints
    {nullptr, nullptr},                                // 13 frame by displacements, one joint
    {nullptr, nullptr},                                // 14 number of unknowns
    {nullptr, nullptr},                                // 15 arch, mode 1
    {nullptr, nullptr},                                // 16 stepped bar in tension
    {nullptr, nullptr},                                // 17 indeterminate bar
    {nullptr, nullptr},                                // 18 indeterminate torsion
    {nullptr, nullptr},                                // 19 open profile, relative twist
    {nullptr, nullptr},                                // 20 arch, mode 2
    {nullptr, nullptr},                                // 21 frame hinge displacement
    {nullptr, nullptr},                                // 22 prism under combined loading
    {nullptr, nullptr},  // 23 plate on four rods; Level 1: plate on two rods
    {nullptr, nullptr},  // 24 indeterminate truss, mode 2
    {nullptr, nullptr},  // 25 truss influence lines
    {nullptr, nullptr},  // 26 bent rod deformation
    {nullptr, nullptr},  // 27 open profile torsion
    {nullptr, nullptr},  // 28 shaft torsion
    {nullptr, nullptr},  // 29 sectorial characteristics; Level 1: sectorial coordinates
    {nullptr, nullptr},  // 30 constrained torsion
    {nullptr, nullptr},  // 31 critical force
    {nullptr, nullptr},  // 32 compressed rod section
    {nullptr, nullptr},  // 33 rod on elastic supports
    {nullptr, nullptr},  // 34 stepped rod stability
    {nullptr, nullptr},  // 35 beam mass oscillation
    {nullptr, nullptr},  // 36 section core
    {nullptr, nullptr},  // 37 beam influence lines
    {nullptr, nullptr},  // 38 cantilever frame displacement
    {nullptr, nullptr},  // 39 finite element chain
};

// Upper bounds of P1..P7; row 40 belongs to no list row.
const std::uint8_t kRanges[40][7] = {
    {3, 8, 3, 5, 5, 5, 8},         // 1
    {10, 2, 2, 2, 2, 33, 32},      // 2
    {4, 10, 10, 10, 10, 10, 10},   // 3
    {6, 6, 6, 6, 6, 6, 6},         // 4
    {6, 2, 3, 4, 6, 10, 14},       // 5
    {6, 6, 6, 15, 10, 9, 13},      // 6
    {30, 30, 30, 8, 8, 8, 8},      // 7
    {30, 18, 14, 7, 9, 6, 5},      // 8
    {4, 6, 6, 5, 5, 5, 5},         // 9
    {6, 5, 5, 3, 3, 3, 5},         // 10
    {5, 30, 30, 30, 30, 30, 30},   // 11
    {8, 62, 3, 3, 4, 4, 4},        // 12
    {3, 3, 4, 3, 3, 4, 60},        // 13
    {5, 5, 5, 30, 30, 30, 8},      // 14
    {6, 5, 5, 8, 9, 9, 4},         // 15
    {10, 10, 10, 10, 10, 10, 10},  // 16
    {10, 10, 10, 10, 10, 10, 10},  // 17
    {10, 10, 10, 10, 10, 10, 10},  // 18
    {8, 8, 8, 8, 120, 120, 120},   // 19
    {6, 5, 5, 8, 9, 9, 4},         // 20
    {3, 4, 5, 5, 10, 20, 20},      // 21
    {12, 12, 12, 20, 20, 20, 20},  // 22
    {5, 5, 5, 5, 5, 5, 5},         // 23
    {30, 18, 14, 7, 9, 6, 5},      // 24
    {18, 5, 5, 7, 2, 6, 5},        // 25
    {8, 8, 2, 2, 2, 3, 5},         // 26
    {10, 2, 2, 2, 2, 8, 8},        // 27
    {10, 10, 10, 10, 4, 4, 4},     // 28
    {10, 5, 5, 5, 5, 5, 5},        // 29
    {4, 4, 5, 5, 20, 20, 20},      // 30
    {5, 10, 9, 10, 10, 10, 10},    // 31
    {7, 2, 4, 10, 5, 8, 10},       // 32
    {10, 10, 1, 1, 1, 1, 1},       // 33
    {5, 5, 5, 5, 10, 10, 10},      // 34
    {10, 10, 10, 10, 10, 10, 10},  // 35
    {2, 3, 4, 7, 4, 4, 5},         // 36
    {15, 11, 11, 11, 11, 6, 6},    // 37
    {4, 4, 4, 4, 4, 10, 15},       // 38
    {8, 32, 32, 32, 10, 10, 10},   // 39
    {9, 9, 9, 5, 5, 5, 5},         // 40
};

// Titles as stored, trailing blanks included.
const std::string_view kTitles[kMechanicsProblemCount] = {
    "Calculation of the frame by the displacement    ",                   // 1
    "Structural models of the environment            ",                   // 2
    "Plane stress            ",                                           // 3
    "Beam                                    ",                           // 4
    "Statically indeterminate frame (the method of forces)",              // 5
    "Geometric characteristics of sections   ",                           // 6
    "Statically indeterminate rod system (2)",                            // 7
    "Statically indeterminate truss    ",                                 // 8
    "Multispan split-beam         ",                                      // 9
    "Multispan continuous beam         ",                                 // 10
    "Three-dimensional stress state ",                                    // 11
    "Statically indeterminate frame (the method of displacement, 1)",     // 12
    "Statically indeterminate frame (the method of displacement, 2)",     // 13
    "The number of unknowns by the method of force and displacement me",  // 14
    "3-hinge arch",                                                       // 15
    "Tension and compression rod",                                        // 16
    "Stress state clamped beam",                                          // 17
    "Statically indeterminate problem of torsion",                        // 18
    "Torsion bars of open profile",                                       // 19
    "2-hinge arch",                                                       // 20
    "Statically indeterminate frame",                                     // 21
    "Complex impedance prismatic of bar",                                 // 22
    "Statically indeterminate rod system (1)",                            // 23
    "Analysis of statically indeterminate trusses (2)",                   // 24
    "Lines of influence efforts in the rods trusses",                     // 25
    "Deformation of the bent rod      ",                                  // 26
    "Torsion bars open profile  ",                                        // 27
    "Torsion of rods of circular cross section ",                         // 28
    "Sectorial characteristics of the cross bars open profile",           // 29
    "Constrained torsion of thin-walled open-profile",                    // 30
    "Critical force of a compressed rod      ",                           // 31
    "Selecting the section of the longitudinally compressed rod",         // 32
    "Stability of a rod on elastic supports  ",                           // 33
    "Stability of a rod with variable cross section",                     // 34
    "Oscillation of mass on an elastic beam      ",                       // 35
    "The core of section                           ",                     // 36
    "Influence lines in a multiple-span beam ",                           // 37
    "Determination of displacements in cantilever frame",                 // 38
    "Finite element method. One-dimensional problem",                     // 39
};

const MechanicsRow* RowOf(int problem) {
  const int row = problem & 0xFF;  // the list passes a byte
  if (row < 1 || row > kMechanicsProblemCount) return nullptr;
  return &kMechanicsRows[row - 1];
}

}  // namespace

const toolkit::IndexedArray<std::string_view, 1, kMechanicsProblemCount> MechanicsTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kMechanicsProblemCount> t;
  for (int i = 1; i <= kMechanicsProblemCount; ++i) t[i] = kTitles[i - 1];
  return t;
}();

const toolkit::TParameterRangeTable MechanicsRanges = [] {
  toolkit::TParameterRangeTable t{};
  for (int row = 1; row <= 40; ++row) {
    for (int p = 1; p <= 7; ++p) t[row][p] = kRanges[row - 1][p - 1];
  }
  return t;
}();

void BeginMechanicsOfMaterialsProblem(SharedState& s, int problem) {
  const MechanicsRow* row = RowOf(problem);
  if (row == nullptr) return;
  const Routine routine =
      s.Level == 1 && row->level_one_begin != nullptr ? row->level_one_begin : row->begin;
  if (routine != nullptr) routine(s);
}

void WriteMechanicsOfMaterialsVariant(SharedState& s, int problem) {
  const MechanicsRow* row = RowOf(problem);
  if (row == nullptr) return;
  const Routine routine =
      s.Level == 1 && row->level_one_variant != nullptr ? row->level_one_variant : row->variant;
  if (routine != nullptr) routine(s);
}

}  // namespace strength
