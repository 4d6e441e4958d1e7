#include "subjects/strength/rolled_profiles.h"

namespace strength {

const toolkit::IndexedArray<const char*, 1, 3> ProfileStandards = [] {
  toolkit::IndexedArray<const char*, 1, 3> t;
  t[1] = " ГОСТ 8239-89";
  t[2] = " ГОСТ 8240-89";
  t[3] = " ГОСТ 8509-86";
  return t;
}();

std::string ChannelLetter(int row) { return (row == 8 || row == 10) ? "a" : ""; }

}  // namespace strength
