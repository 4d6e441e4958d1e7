#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "shell/external_programs.h"
#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// What the main window holds for the Start road beyond the shared state.
struct ShellSession {
  std::filesystem::path StartDirectory;  ///< documents, otv/ and dat*/ live here
  std::filesystem::path TexDirectory;    ///< the LaTeX support files (sav.txt, eepico.sty)
  int LevelControl = 1;                  ///< the "Level" spin edit; every Start takes Level from it
  bool Margins = false;                  ///< the "Margins" menu item
  std::string DocumentBaseName;  ///< name of the last problem-set document before its level letter
  bool StartDirectoryWritable = true;  ///< false: told at start-up, nothing is saved on quitting
  StatusReport Status;           ///< the window's status line: what a Start or a command made
  /// The colloquium window's lines as the teacher wrote them (their line numbers name a
  /// question that would break the document); empty when the window has given none.
  std::vector<std::string> ColloquiumList;
};

/// The group a students list without a group line is given.
inline constexpr const char* kDefaultGroupName = "Group";

/// The Start command: takes Level from the level control and TicketMode from DocumentMode,
/// resets the drawing state, cuts DepartmentName and UniversityName to 78 characters; refuses
/// a selected row that holds no problem type and question lists that would break the
/// document (nothing is written, the previous document stays); in students mode writes one
/// variant per student numbered from 1 (refusing a list without students; VariantCount and
/// FirstNumber are back as they were afterwards), gives a list without a group line the group
/// kDefaultGroupName and prints names in Windows-1251 (both told); writes the document of
/// DocumentMode (0 problem set, 1 examination tickets, 2 colloquium), reports it on
/// session.Status and starts latex on it. Every failure is shown through platform and ends
/// the Start: the files opened so far are closed and latex is not started. Returns true when
/// the document was written.
bool Start(SharedState& s, ShellSession& session, Platform& platform,
           const SubjectTable& table = DefaultSubjectTable());

/// ProblemNumber := the selected row (SavedProblems) of subject SubjectIndex, as a byte;
/// any other SubjectIndex leaves it unchanged.
void ReadSelectedProblem(SharedState& s);

/// The set text of a problem set as the document prints it: in students mode the first 6
/// characters of GroupName, otherwise the decimal SetNumber.
std::string ProblemSetText(const SharedState& s);

/// The set part of a problem-set document's name: the decimal SetNumber, or in students mode
/// the first 6 characters of GroupName transliterated to ASCII and limited to letters,
/// digits, "-" and "_" (any other character becomes "_"), e.g. ИВТ-21а gives IVT-21.
std::string DocumentSetName(const SharedState& s);

/// The problem-set run: writes the document of count variants of the selected problem of
/// subject SubjectIndex into session.StartDirectory with its answers files, and sets
/// session.DocumentBaseName. Throws IoError, DegenerateDataError, ParameterFileError; the
/// caller reports and closes the files. Outside students mode the run sees no student names;
/// the students list is back in place when it returns or throws.
void WriteProblemSet(SharedState& s, ShellSession& session, Platform& platform, int count,
                     const SubjectTable& table = DefaultSubjectTable());

}  // namespace shell
