#include "shell/parameter_file_update.h"

#include <string>
#include <system_error>

namespace shell {

std::filesystem::path ParameterFileBackupPath(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path backup = path.string() + ".bak";
  for (int n = 2; std::filesystem::exists(backup, ec); ++n) {
    backup = path.string() + ".bak" + std::to_string(n);
  }
  return backup;
}

bool UpdateParameterFile(const SharedState& s, Platform& platform) {
  const std::filesystem::path path(s.ParameterFilePath);
  std::error_code ec;
  if (s.ParameterFilePath.empty() || !std::filesystem::exists(path, ec)) {
    platform.ShowMessage("There is no parameter file to update" +
                         (s.ParameterFilePath.empty() ? std::string(" yet: run Start first.")
                                                      : " at " + path.string() + "."));
    return false;
  }
  if (!platform.AskYesNo("Draw new parameters for this set? The next Start writes other "
                         "variants than those of " + path.string() +
                         ", so a set already handed out will differ. The old file is kept "
                         "beside it.")) {
    return false;
  }
  const std::filesystem::path backup = ParameterFileBackupPath(path);
  std::filesystem::rename(path, backup, ec);
  if (ec) {
    platform.ShowMessage("Cannot move the parameter file " + path.string() + " to " +
                         backup.string() + ": " + ec.message() + ". Nothing was changed.");
    return false;
  }
  platform.ShowMessage("The parameters of the set were kept in " + backup.string() +
                       ": rename it to " + path.filename().string() +
                       " to write the old variants again. The next Start draws new ones.");
  return true;
}

}  // namespace shell
