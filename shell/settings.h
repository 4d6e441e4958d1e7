#pragma once

#include <filesystem>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// Name of the settings file in the start directory.
inline constexpr const char* kSettingsFileName = "Brevlin.txt";

/// Reads the settings file of the start directory into the run: FirstNumber, VariantCount,
/// SetNumber, QuestionSetNumber, DocumentMode, LatexPath, GsviewPath, DepartmentIndex,
/// UniversityIndex, StudentsFileName, GroupName, SavedProblems, SubjectIndex, StudentsMode,
/// Level, AnswersOn, and from a 15th line TicketProblemOn (off when the line is missing).
/// Every number is clamped into its range; a missing or non-numeric value takes its default
/// and the teacher is told once. A missing file is created with the defaults (15 lines). Returns false when the file could not be read or created (reported).
/// Without create_missing a missing file is not created (the defaults are used).
bool LoadSettings(SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                  bool create_missing = true);

/// Replaces the settings file atomically with the run's values; line 14 carries students_flag
/// and answers_flag (1 on, 0 off). Reports a failure (nothing is saved) and returns false.
bool SaveSettings(const SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                  int students_flag, int answers_flag);

}  // namespace shell
