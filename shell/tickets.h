#pragma once

#include <filesystem>

#include "shell/dispatch.h"
#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// Question numbers a ticket question file holds per list (tickets 1..40). Files written
/// before held 32; their tickets 33..40 have no question (number 0) until the file is drawn anew.
inline constexpr int kTicketsPerFile = 40;

/// dat/b_<QuestionCount1>_<QuestionCount2>.<QuestionSetNumber> below the start directory.
std::filesystem::path TicketQuestionFilePath(const toolkit::Run& s,
                                             const std::filesystem::path& start_dir);

/// Builds TicketFileName (creating dat/ with its parents), creates the file with fresh random
/// numbers when it does not exist, and reads it into TicketQuestions1/2 (numbers the file does
/// not hold become 0) and TicketDate (35 characters). Reports a failure through the platform
/// and returns false.
bool LoadTicketQuestions(SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir);

/// LoadTicketQuestions for the current list lengths, keeping TicketDate (the "Date" field's
/// text): a list window saved with another number of questions selects that list's file.
bool ReloadTicketQuestions(SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir);

/// Writes a new ticket question file at path: 40 draws 1..QuestionCount1 (field 3), 40 draws
/// 1..QuestionCount2, the line "25.12.2010."; a count of 0 gives 1. Throws IoError.
void CreateTicketQuestionFile(const toolkit::Run& s, Platform& platform,
                              const std::filesystem::path& path);

/// Rewrites TicketFileName atomically from TicketQuestions1/2 (40 numbers, field 4) and
/// TicketDate; nothing when TicketFileName is empty. Reports a failure and returns false.
bool SaveQuestionIndexFile(const toolkit::Run& s, Platform& platform);

/// The ticket run: reads the selected problem (ReadSelectedProblem) and the ticket question
/// file of the current list lengths (keeping TicketDate), then writes math<level letter>.tex
/// with count tickets (FirstNumber on), each with a question of each list and, when
/// TicketProblemOn, the selected problem's statement and one variant of it; the answers of
/// those variants go to the answers files. Takes UniversityName,
/// DepartmentName and TicketDate as the windows set them (cut to 78, 78, 35 characters).
/// Refuses (ListDataError, nothing written) a ticket whose stored question number is
/// missing or outside its list. Throws IoError; the caller reports and closes the files.
void WriteExaminationTickets(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir, int count,
                             const SubjectTable& table = DefaultSubjectTable());

}  // namespace shell
