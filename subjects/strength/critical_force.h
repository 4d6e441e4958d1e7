#pragma once

#include "subjects/shared_state.h"
#include "subjects/strength/rolled_profiles.h"

namespace strength {

/// One variant of the centrally compressed rod built of two or four rolled profiles.
struct CriticalForceVariant {
  double mu = 0;      ///< length factor of the end-fixing scheme
  int n = 0;          ///< the profile row finally used (after the reduction)
  int l = 0;          ///< rod length, m
  double J = 0;       ///< smallest second moment of the section, m^4
  double F = 0;       ///< area, m^2
  double i = 0;       ///< radius of gyration, m
  double lambda = 0;  ///< slenderness mu*l/i
  double Pcr = 0;     ///< critical force, kN
  bool euler = false; ///< Euler's formula (else Yasinsky's)
};

/// The limiting slenderness pi*sqrt(E/sigma_pc) with E = 2e5 MPa and sigma_pc = 195 MPa.
double LimitingSlenderness();

/// J (cm^4) and F (cm^2) of section kind p2 (1..10) built of profile row n of the kind's table.
void CriticalForceSection(const RolledProfileTables& t, int p2, int n, double& J, double& F);

/// Scheme p1 (1..5), section kind p2 (1..10), starting profile row p3 (1..9). The row is
/// lowered while the rod comes out longer than 15 m (each row recomputed); a rod shorter
/// than 1 m is taken as 1 m.
CriticalForceVariant DeriveCriticalForce(const RolledProfileTables& t, int p1, int p2, int p3);

/// Begin routine: answers head and statement.
void BeginCriticalForceProblem(SharedState& s);
/// Variant routine: answers row, section sketch with its label, rod scheme and the length;
/// writes the row used back into P3.
void WriteCriticalForceVariant(SharedState& s, const RolledProfileTables& t);
/// Variant routine over the standards' tables (the tab's row 31).
void WriteCriticalForceVariant(SharedState& s);

}  // namespace strength
