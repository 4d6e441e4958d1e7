#include "shell/start_up.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <system_error>

#include "figures/figure_state.h"
#include "shell/settings.h"
#include "shell/tickets.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace shell {

namespace {

constexpr std::size_t kTicketDateChars = 35;

}  // namespace

StartFileRows StartUp(SharedState& s, ShellSession& session, Platform& platform) {
  figures::ResetDrawingState(s);
  const std::filesystem::path& dir = session.StartDirectory;
  std::string why;
  session.StartDirectoryWritable = CanWriteIn(dir, why);
  if (!session.StartDirectoryWritable) {
    platform.ShowMessage("The folder " + dir.string() + " cannot be written (" + why +
                         "): settings, lists and documents will not be saved. Start the "
                         "program in a folder you can write to.");
  }
  const bool writable = session.StartDirectoryWritable;
  StartFileRows rows = LoadStartFiles(s, platform, dir, writable);
  if (writable) {
    try {
      CreateAnswersFolder(dir);
    } catch (const toolkit::IoError& e) {
      platform.ShowMessage(e.what());
    }
  }
  // The settings file's ticket lines are read in ticket mode; the mode itself comes from it.
  s.TicketMode = true;
  LoadSettings(s, platform, dir, writable);
  session.LevelControl = s.Level;
  std::error_code ec;
  if (writable || std::filesystem::exists(TicketQuestionFilePath(s, dir), ec)) {
    LoadTicketQuestions(s, platform, dir);
  }
  return rows;
}

bool CanWriteIn(const std::filesystem::path& dir, std::string& why) {
  // Asking the permissions is not enough: a read-only disk, a full one or an administrator's
  // rights answer differently. A file is made and removed.
  const std::filesystem::path probe = dir / (".tarbel_write_probe_" + std::to_string(::getpid()));
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    const int error = errno;
    // A name that exists was written there.
    if (error == EEXIST) return true;
    why = std::strerror(error);
    return false;
  }
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

void CreateAnswersFolder(const std::filesystem::path& start_dir) {
  std::error_code ec;
  std::filesystem::create_directories(start_dir / "otv", ec);
  if (ec) {
    throw toolkit::IoError("Cannot create the folder " + (start_dir / "otv").string() + ": " +
                           ec.message());
  }
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

void SetTicketDate(SharedState& s, const std::string& text) {
  s.TicketDate = toolkit::CutToChars(text, kTicketDateChars);
}

}  // namespace shell
