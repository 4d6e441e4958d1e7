#pragma once

#include <array>

#include "toolkit/state.h"

namespace ai {

/// The principal eigenvalue and the normalised principal eigenvector of a 4 x 4 reciprocal
/// comparison matrix, estimated from the row sums of its eighth and ninth powers.
struct MembershipEstimate {
  double lambda = 0;
  std::array<double, 4> mu{};
};
MembershipEstimate EstimateMembership(const toolkit::TRealMatrix4& m);

}  // namespace ai
