#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the spatial truss of six bars (mode 11) and of the centre of gravity of
/// the same six bars read as rods (mode 21): the box figure "kub", the answers head, the
/// statement and the book reference.
void BeginSpatialTrussProblem(SharedState& s, int mode);
/// Variant routine: the box with the six bars (mode 11: supports, loads and bar numbers, the
/// six bar forces; mode 21: the axes, the figure's length and centre of gravity).
void WriteSpatialTrussVariant(SharedState& s, int mode);

}  // namespace statics
