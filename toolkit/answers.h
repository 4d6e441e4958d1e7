#pragma once

#include <string>
#include <string_view>

#include "toolkit/state.h"

namespace toolkit {

// Answers tables, per-variant answers headings, the book citations under the common
// statement, and two writers that stay silent in the ticket modes. N below is the printed
// number of the current variant, FirstNumber + VariantIndex - 1; in students mode the student
// of variant v is StudentNames[v + 1]. Every writer throws IoError when its file cannot be
// written; a variant without a StudentNames entry throws IndexRangeError.

/// Opens a table of n answer columns (+2) in the answers file; sets AnsTableOpen. n is taken
/// modulo 256. The first column holds the variant numbers: when the head row that the caller
/// writes next leaves its first cell blank (blanks, struts, type sizes), the answers writers
/// put "\No" in it, just before the cell ends. In students mode the last column holds the
/// names: the head row's blank last cell gets "студент", and a head row without a cell for the
/// names gets " & студент" at its end.
void AnsBeginTable(Run& r, int n);
/// Opens a table of n columns (+1) in the second answers file; sets Ans2TableOpen. n is taken
/// modulo 256. Its head row's first cell is headed as AnsBeginTable's; in students mode a blank
/// last head cell is taken for the names column and gets "студент".
void Ans2BeginTable(Run& r, int n);
/// The names column's head cell for a second-file table whose rows carry the students' names:
/// " & " in students mode (the answers writers put "студент" in it), else "".
std::string NamesHeadCell(const Run& r);
/// Ends the heading row of each open table; unless TicketMode, writes the calculus-and-algebra
/// book citation with the page to the main file.
void EndTableHeadWithReference(Run& r, int page);
/// Ends a heading or data row of the answers table (" & \\\hline " in students mode, else
/// "  \\\hline ").
void AnsEndTableRow(Run& r);
/// Ends the answers row of variant VariantIndex in each open answers table: in students mode
/// " & " + the student's name + "\\", otherwise " \\" (no line end).
void EndAnswersRows(Run& r);
/// Closes each open answers table by its own flag ("\hline\end{tabular}\end{center}").
void CloseAnswersTables(Run& r);
/// Opens the small two-column answers table of the current variant (numbered N, the student
/// named in students mode); leaves AnsTableOpen false, the caller closes the table.
void AnsBeginVariant(Run& r);
/// Opens the framed answers box of the current variant, without a line end (width w in
/// students mode, 380pt otherwise); the caller closes it.
void AnsBeginVariantBox(Run& r, int w);
/// Unless TicketMode, the theoretical-mechanics book citation with the page, to the main file.
void WriteBookReference(Run& r, int page);
/// Always (also in ticket modes), the computer-algebra mechanics book citation with the page.
void WriteSecondBookReference(Run& r, int page);
/// Unless TicketMode, the line "{\small" s "}" in the main file.
void WriteSmallNoteLine(Run& r, std::string_view s);
/// Unless TicketMode, s in the main file without a line end.
void WriteUnlessTicketMode(Run& r, std::string_view s);

}  // namespace toolkit
