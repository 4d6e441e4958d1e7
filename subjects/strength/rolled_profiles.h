#pragma once

#include <string>

#include "toolkit/indexed_array.h"

namespace strength {

/// One I-beam size: designation (the height in cm), flange width b in mm, area in cm^2,
/// second moments about the axis parallel to the flanges (Jx) and the web's axis (Jy), cm^4.
struct IBeamProfile {
  int number = 0;
  int b = 0;
  double A = 0, Jx = 0, Jy = 0;
};

/// One channel size (sloped inner flange faces): designation (the height in cm; rows 8 and
/// 10 carry the letter "a" when printed), flange width b in mm, area in cm^2, second moments
/// about the strong axis (Jx) and the axis parallel to the web (Jy) in cm^4, and z0, the
/// distance from the outer face of the web to the centroid, in cm.
struct ChannelProfile {
  double number = 0;
  int b = 0;
  double A = 0, Jx = 0, Jy = 0, z0 = 0;
};

/// One equal-leg angle size: leg b and thickness t in mm, area in cm^2, the second moment
/// about a centroidal axis parallel to a leg (Jx) and the largest principal one (Jx0) in
/// cm^4, and z0, the distance from the outer face of a leg to the centroid, in cm.
struct EqualAngleProfile {
  int b = 0;
  double t = 0;
  double A = 0, Jx = 0, Jx0 = 0, z0 = 0;
};

/// The rolled-steel sizes the section problems build from: I-beams 10..40 (13 rows),
/// channels 5..40 with 16a and 18a (18 rows), equal angles 50x4..180x12 (9 rows).
struct RolledProfileTables {
  toolkit::IndexedArray<IBeamProfile, 1, 13> IBeamTable;
  toolkit::IndexedArray<ChannelProfile, 1, 18> ChannelTable;
  toolkit::IndexedArray<EqualAngleProfile, 1, 9> EqualAngleTable;
};

/// The tables of the three standards (GOST 8239-89, 8240-89, 8509-86) for the sizes above.
extern const RolledProfileTables kRolledProfiles;

/// The standards of the three tables as the statements name them (each with a leading
/// blank): I-beams, channels, angles.
extern const toolkit::IndexedArray<const char*, 1, 3> ProfileStandards;

/// "a" for the channel rows that carry the letter (8 and 10: 16a and 18a), else "".
std::string ChannelLetter(int row);

}  // namespace strength
