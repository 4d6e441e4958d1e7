#pragma once

#include <string>

#include "shell/list_files.h"
#include "shell/platform.h"
#include "shell/start.h"
#include "subjects/shared_state.h"

namespace shell {

/// The program's start-up steps that need no window, in their order: the figure defaults, a
/// probe of the start directory (a folder that cannot be written is told in one message, and
/// nothing is created in it; session.StartDirectoryWritable),
/// the four start files of the start directory (one message names the missing ones, which
/// are created), the folder otv/, the settings file (its Level becomes the lasting
/// session.LevelControl and the working Level), and the ticket question indices. Every failure
/// is told through platform and the start-up goes on. Returns the rows of kaf.txt and vuz.txt
/// for the window's two combo boxes.
StartFileRows StartUp(SharedState& s, ShellSession& session, Platform& platform);

/// Whether a file can be made in dir (one is made and removed); why names the failure.
bool CanWriteIn(const std::filesystem::path& dir, std::string& why);

/// Creates the folder otv/ of the start directory (and its parents) if it is missing; throws
/// IoError naming it when that fails.
void CreateAnswersFolder(const std::filesystem::path& start_dir);

/// Makes a write beyond the file size limit (`ulimit -f`) fail with an error the program
/// reports, instead of the signal that would end the program mid-write.
void IgnoreFileSizeLimitSignal();

/// TicketDate := text cut to the 35 characters a ticket prints.
void SetTicketDate(SharedState& s, const std::string& text);

}  // namespace shell
