#include "subjects/strength/rolled_profiles.h"

namespace strength {

namespace {

// GOST 8239-89, Table 1: number, b (mm), A (cm^2), Jx, Jy (cm^4), as the standard prints them.
constexpr IBeamProfile kIBeams[13] = {
    {10, 55, 12.0, 198, 17.9},   {12, 64, 14.7, 350, 27.9},  {14, 73, 17.4, 572, 41.9},
    {16, 81, 20.2, 873, 58.6},   {18, 90, 23.4, 1290, 82.6}, {20, 100, 26.8, 1840, 115},
    {22, 110, 30.6, 2550, 157},  {24, 115, 34.8, 3460, 198}, {27, 125, 40.2, 5010, 260},
    {30, 135, 46.5, 7080, 337},  {33, 140, 53.8, 9840, 419}, {36, 145, 61.9, 13380, 516},
    {40, 155, 72.6, 19062, 667},
};

// GOST 8240-89, Table 1 (sloped inner flange faces): number, b (mm), A (cm^2), Jx, Jy (cm^4),
// z0 (cm), as the standard prints them. Rows 8 and 10 are 16a and 18a.
constexpr ChannelProfile kChannels[18] = {
    {5, 32, 6.16, 22.8, 5.61, 1.16},   {6.5, 36, 7.51, 48.6, 8.7, 1.24},
    {8, 40, 8.98, 89.4, 12.8, 1.31},   {10, 46, 10.9, 174, 20.4, 1.44},
    {12, 52, 13.3, 304, 31.2, 1.54},   {14, 58, 15.6, 491, 45.4, 1.67},
    {16, 64, 18.1, 747, 63.3, 1.80},   {16, 68, 19.5, 823, 78.8, 2.00},
    {18, 70, 20.7, 1090, 86, 1.94},    {18, 74, 22.2, 1190, 105, 2.13},
    {20, 76, 23.4, 1520, 113, 2.07},   {22, 82, 26.7, 2110, 151, 2.21},
    {24, 90, 30.6, 2900, 208, 2.42},   {27, 95, 35.2, 4160, 262, 2.47},
    {30, 100, 40.5, 5810, 327, 2.52},  {33, 105, 46.5, 7980, 410, 2.59},
    {36, 110, 53.4, 10820, 513, 2.68}, {40, 115, 61.5, 15220, 642, 2.75},
};

// GOST 8509-86: b, t (mm), A (cm^2), Jx, Jx0 (cm^4), z0 (cm), each rounded to three
// significant figures (whole numbers from 1000 up). Angle 140x9 takes z0 = 3.78: the section
// gives 3.776, where one printed copy reads 3.76.
constexpr EqualAngleProfile kAngles[9] = {
    {50, 4, 3.89, 9.21, 14.6, 1.38},   {63, 4, 4.96, 18.9, 29.9, 1.69},
    {80, 6, 9.38, 57.0, 90.4, 2.19},   {90, 7, 12.3, 94.3, 150, 2.47},
    {100, 8, 15.6, 147, 233, 2.75},    {125, 10, 24.3, 360, 571, 3.45},
    {140, 9, 24.7, 466, 739, 3.78},    {160, 12, 37.4, 913, 1450, 4.39},
    {180, 12, 42.2, 1317, 2093, 4.89},
};

}  // namespace

const RolledProfileTables kRolledProfiles = [] {
  RolledProfileTables t;
  for (int r = 1; r <= 13; ++r) t.IBeamTable[r] = kIBeams[r - 1];
  for (int r = 1; r <= 18; ++r) t.ChannelTable[r] = kChannels[r - 1];
  for (int r = 1; r <= 9; ++r) t.EqualAngleTable[r] = kAngles[r - 1];
  return t;
}();

const toolkit::IndexedArray<const char*, 1, 3> ProfileStandards = [] {
  toolkit::IndexedArray<const char*, 1, 3> t;
  t[1] = " ГОСТ 8239-89";
  t[2] = " ГОСТ 8240-89";
  t[3] = " ГОСТ 8509-86";
  return t;
}();

std::string ChannelLetter(int row) { return (row == 8 || row == 10) ? "a" : ""; }

}  // namespace strength
