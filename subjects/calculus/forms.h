#pragma once

// Small pieces shared by several calculus problem files: the value and slope a numbered form
// returns, the error for a form number outside its catalogue, and the end of the statement
// and answers head common to the two series region problems.

#include <string>

#include "subjects/shared_state.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace calculus {

/// A function's value and first derivative at the point of the problem (x = 1 or t = 1).
struct ValueAndSlope {
  double value;
  double slope;
};

/// Throws IndexRangeError "<what> form <form> outside 1..<high>": the parameters chose a form
/// the catalogue does not have.
[[noreturn]] inline void FormOutOfRange(const std::string& what, int form, int high) {
  throw toolkit::IndexRangeError(what + " form " + std::to_string(form) + " outside 1.." +
                                 std::to_string(high));
}

/// Ends a series region statement (the reference to page 231) and writes the answers head:
/// Level, cut to four, items of one column each, numbered.
inline void EndSeriesRegionHead(SharedState& s) {
  EndTableHeadWithReference(s, 231);
  AnsWrite(s, "\\tabcolsep=1pt");
  if (s.Level > 4) s.Level = 4;
  AnsBeginTable(s, s.Level + 1);
  for (int i = 1; i <= s.Level; ++i) AnsWriteTextNumberLn(s, " & ", i, "");
  AnsWriteLine(s, " & \\\\\\hline ");
}

}  // namespace calculus
