#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "subjects/shared_state.h"

namespace shell {

/// Width of a \parbox whose \fbox fills the line: the frame adds its rule and separation on
/// both sides, so a box as wide as the line would stand past it.
inline constexpr std::string_view kFramedParboxWidth =
    "\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax";

/// The letter of a level in document names: "A" for level 1 up to "J" for level 10.
char LevelLetter(int level);

/// OutputName := the first 25 characters of base followed by the level letter; opens a new
/// start_dir/OutputName.tex as MainFile (it replaces the old one when the document is closed)
/// and writes the preamble with \textheight
/// TextHeight and \textwidth textwidth, the header comment, the macros and the problem
/// counter. Throws IoError when the file cannot be created or written.
void OpenDocument(SharedState& s, const std::filesystem::path& start_dir, std::string_view base,
                  int textwidth);

/// Opens new answers files start_dir/otv/otvOutputName.tex and start_dir/otv/OT2OutputName.tex,
/// the second one first; they replace the old ones at CloseDocumentAndAnswers. Throws IoError.
void OpenAnswerFiles(SharedState& s, const std::filesystem::path& start_dir);

/// Writes the definitions of \boxrows{box}{after}, which lays the next paragraph out as centred
/// rows of boxes as wide as the sample box, each followed by the space "after" and a blank, and
/// \noboxrows, which ends that paragraph.
void WriteRowsOfBoxesMacros(SharedState& s);

/// Writes the five "%%" comment lines that name the program into the main file.
void WriteHeaderComment(SharedState& s);

/// Writes the red centred title line of a problem set into the main file.
void WriteRedTitle(SharedState& s, std::string_view title);

/// Writes the numbered heading of the current variant (FirstNumber + VariantIndex - 1).
void WriteProblemHeading(SharedState& s);

/// Writes the header of the current examination ticket; it leaves its \fbox and \parbox open.
void WriteTicketHeader(SharedState& s);

/// Writes "\end{document}" (no line end), finishes the main file and both answers files and
/// then puts them in place of the last ones; until then the old files stay as they were.
void CloseDocumentAndAnswers(SharedState& s);

/// Writes "\end{document}" (no line end), finishes the main file and puts it in place.
void CloseDocument(SharedState& s);

}  // namespace shell
