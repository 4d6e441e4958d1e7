#pragma once

// Small pieces shared by several calculus problem files: the value and slope a numbered form
// returns, the error for a form number outside its catalogue, and the end of the statement
// and answers head common to the two series region problems.

#include <string>
#include <string_view>

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
/// Level, cut to max_items, items of one column each, numbered; the head has a cell for the
/// student column only in students mode, and the columns keep their spacing, so that no
/// bracket touches a rule.
inline void EndSeriesRegionHead(SharedState& s, int max_items) {
  EndTableHeadWithReference(s, 231);
  if (s.Level > max_items) s.Level = max_items;
  AnsBeginTable(s, s.Level + 1);
  for (int i = 1; i <= s.Level; ++i) AnsWriteTextNumberLn(s, " & ", i, "");
  AnsEndTableRow(s);
}

/// Writes a series region variant's items: its number into the answers row, then for each of
/// Level items the kind q (stepped by one, up when P3 is 1 or 2 and down otherwise, wrapping
/// within 1..wrap) as a sum from n = P4, its answer cell by write_kind, each item ended by
/// item_end in the main file.
inline void WriteSeriesRegionItems(SharedState& s, int q, int wrap,
                                   void (*write_kind)(SharedState&, int),
                                   std::string_view item_end) {
  AnsWriteTextNumberLn(s, "", toolkit::PrintedVariantNumber(s), "");
  for (int i = 1; i <= s.Level; ++i) {
    AnsWrite(s, "&$");
    q += s.P3 == 1 || s.P3 == 2 ? 1 : -1;
    if (q > wrap) q = 1;
    if (q < 1) q = wrap;
    if (s.Level == 1) {
      WriteText(s, " $\\displaystyle{ ");
    } else {
      WriteTextNumberLn(s, "$\\displaystyle{", i, ") ");
    }
    WriteTextNumberLn(s, "\\sum_{n=", s.P4, "}^{\\infty}");
    write_kind(s, q);
    WriteText(s, item_end);
    AnsWrite(s, " $ ");
  }
}

}  // namespace calculus
