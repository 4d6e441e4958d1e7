#include "shell/start_up.h"

#include <csignal>
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
  StartFileRows rows = LoadStartFiles(s, platform, session.StartDirectory);
  try {
    CreateAnswersFolder(session.StartDirectory);
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
  }
  // The settings file's ticket lines are read in ticket mode; the mode itself comes from it.
  s.TicketMode = true;
  LoadSettings(s, platform, session.StartDirectory);
  session.LevelControl = s.Level;
  LoadTicketQuestions(s, platform, session.StartDirectory);
  return rows;
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
