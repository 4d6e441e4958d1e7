#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the reduction of three forces on a parallelepiped (mode 12) and of their
/// moments about the axes (mode 22): the savebox "kbik", the answers head and the statement.
void BeginForceSystemReductionProblem(SharedState& s, int mode);
/// Variant routine: the box with its three forces, their magnitudes and one answers row
/// (mode 12: main vector, main moment, invariant, least moment and the central axis' point
/// in the plane xy; mode 22: the nine moments about the axes).
void WriteForceSystemReductionVariant(SharedState& s, int mode);

}  // namespace statics
