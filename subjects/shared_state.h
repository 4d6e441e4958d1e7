#pragma once

#include "figures/figure_state.h"
#include "subjects/discrete/discrete_state.h"
#include "subjects/kinematics/linkage/linkage_state.h"
#include "subjects/kinematics/point_motion_state.h"
#include "subjects/structural/common/mechanics_state.h"

/// The program-wide state: the aggregate of every layer's part. There is one, owned by the
/// main window (or a test), passed to every generator. A lower-layer routine takes only its
/// base: toolkit routines a toolkit::Run&, figure routines a figures::Figure&.
struct SharedState : figures::Figure,
                     structural::Mechanics,
                     kinematics::PointMotion,
                     kinematics::Linkage,
                     discrete::Discrete {};
