#pragma once

#include <filesystem>
#include <string>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// "PDF": Ghostscript converts output_name.ps (the file "Ps" made from the document
/// output_name, level letter included) into output_name.pdf beside it in start_dir. Nothing
/// is started for an empty name. Returns the start result.
StartResult RunPdfOfDocument(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir,
                             const std::string& output_name);

/// "SuperPDF": dvips converts OutputName.dvi and, once it has ended well, Ghostscript makes
/// the PDF of the same document (RunPdfOfDocument); the caller is never blocked. A missing
/// dvips, or one that failed, is told and no PDF is made. A platform that cannot tell when a
/// program ends gets dvips only and is told to use "PDF" afterwards. s and platform must
/// outlive the running dvips.
void RunSuperPdfInOrder(SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir);

}  // namespace shell
