#pragma once

#include <filesystem>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// The name the parameter file at path is kept under when it is updated: path + ".bak", or
/// ".bak2", ".bak3", ... when that exists already.
std::filesystem::path ParameterFileBackupPath(const std::filesystem::path& path);

/// "Update File": asks first, naming ParameterFilePath and saying that the set's variants will
/// change; on Yes moves the file to ParameterFileBackupPath, so that the next Start draws new
/// parameters and a set already handed out can still be restored from the kept file. Tells
/// where the file was kept, or why nothing was done. Returns true when the file was moved.
bool UpdateParameterFile(const SharedState& s, Platform& platform);

}  // namespace shell
