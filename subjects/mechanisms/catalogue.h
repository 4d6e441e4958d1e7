#pragma once

#include <string>

#include "subjects/shared_state.h"

// The pieces of one catalogue variant, run by WriteLagrangeCatalogueVariant in a fixed order:
// the layout, the figure drawers (each draws only its own schemes; the last one closes the
// picture for all), the worded statement.
namespace mechanisms {

/// What the steps of one variant hand to each other. Every field is written before it is
/// read within the variant, so nothing is kept from one variant to the next.
struct CatalogueVariables {
  std::string CoordinateName;  ///< words naming the generalized coordinate
  double SchemeAngle = 0;      ///< slope of the scheme-11 rod, radians
  int SchemeUnit = 0;          ///< length unit of schemes 1, 2 and 9
  double CatalogueAngle = 0;   ///< running angle of a drawing loop
};

/// Points 1..5 of scheme P1 (options P2, P4), fitted into BoxWidth x BoxHeight or shifted
/// to the origin; sets SchemeUnit (scheme 9) and SchemeAngle (scheme 11).
void LayOutScheme(SharedState& s, CatalogueVariables& c);

/// The figure of schemes 1..19; nothing for other schemes. Opens the picture, never closes it.
void DrawSchemes1To19(SharedState& s, CatalogueVariables& c);
/// The figure of schemes 20..29; nothing for other schemes.
void DrawSchemes20To29(SharedState& s);
/// The figure of schemes 30..39; nothing for other schemes.
void DrawSchemes30To39(SharedState& s);
/// The figure of schemes 40..58; nothing for other schemes.
void DrawSchemes40To58(SharedState& s);
/// The figures of schemes 59..99 built so far; nothing for other schemes.
void DrawSchemes59To99(SharedState& s, CatalogueVariables& c);
/// The figure of scheme 123 (every sub-variant); nothing for other schemes.
void DrawScheme123(SharedState& s);
/// The figure of scheme 124, one of ten mechanisms by P5; nothing for other schemes.
void DrawScheme124(SharedState& s);
/// The figure of scheme 125, one of ten mechanisms by P5; nothing for other schemes.
void DrawScheme125(SharedState& s);
/// The figure of scheme 126, one of ten mechanisms by P5; nothing for other schemes.
void DrawScheme126(SharedState& s);
/// The figure of scheme 127, one of ten mechanisms by P5; DrawSchemes100To127 calls it.
void DrawScheme127(SharedState& s);
/// The figures of schemes 100..122 and 127 built so far; then, for every scheme, the line
/// "\end{picture}" that closes the variant's figure.
void DrawSchemes100To127(SharedState& s);

/// "\hfill\parbox[b]{290pt}{" and the worded statement of scheme P1; sets CoordinateName.
void WriteSchemeStatement(SharedState& s, CatalogueVariables& c);

}  // namespace mechanisms
