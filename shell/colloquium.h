#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// Parses a colloquium list into ColloquiumQuestions, ColloquiumGroupSizes and
/// ColloquiumGroupCount: questions one a line, groups separated by a line "###", a line "***"
/// (or the end of the lines) ends the list. Blank lines and groups without questions are
/// skipped; there is no limit on groups or questions.
void ParseColloquiumList(toolkit::Run& s, const std::vector<std::string>& lines);

/// The colloquium run: writes vpr<level letter>.tex with SetNumber boxed sets, each drawing
/// one question of every group (RandomInt) in group order. Throws ListDataError before
/// writing anything when the list holds no question, IoError on a failed write; the caller
/// reports and closes the file.
void WriteColloquiumSets(SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir);

}  // namespace shell
