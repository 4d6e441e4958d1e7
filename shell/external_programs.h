#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// Where the shell tells the teacher what a command made ("latex made o12a7C.dvi"): the main
/// window's status line. May be empty (nothing is shown).
using StatusReport = std::function<void(const std::string&)>;

/// The environment every TeX program is started with beyond the system's: a document may
/// read and write files only in and below its own folder (openin_any, openout_any = p).
std::vector<std::pair<std::string, std::string>> TexProgramEnvironment();

/// Removes start_dir/name + each of extensions that is not newer than start_dir/name + source
/// (a missing source removes them all): what a program is about to make again must not be
/// offered as new when it fails. Failures to remove are ignored.
void RemoveStaleOutputs(const std::filesystem::path& start_dir, const std::string& name,
                        const std::string& source, const std::vector<std::string>& extensions);

/// The first error latex reported in the log at path: its "!" line and the "l.<n>" line that
/// shows where, joined by a line end; nothing when the log cannot be read or holds no error.
std::optional<std::string> FirstLatexError(const std::filesystem::path& log_path);

/// Starts LatexPath + "latex" -no-shell-escape -interaction=nonstopmode OutputName in the
/// start directory, with TEXINPUTS = "<tex_dir>:" and TexProgramEnvironment, after removing
/// the .dvi, .ps and .pdf of OutputName that are older than its .tex. Its end is watched
/// without blocking: success is reported as "latex made <name>.dvi"; a failure is shown with
/// latex's first error line and the log's name, and the unfinished .dvi is removed. A missing
/// program is told ("The programm  ...latex not found "). Returns the start result.
StartResult RunLatex(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const std::filesystem::path& tex_dir,
                     const StatusReport& status = {});

/// Starts the DVI viewer LatexPath + "xdvi" on OutputName (menu "Yap").
StartResult RunDviViewer(const SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir);

/// Starts dvips -t a4 OutputName, which writes OutputName.ps beside the document (menu "Ps"),
/// after removing the .ps and .pdf of OutputName older than its .dvi; its end is watched as
/// latex's is ("dvips made <name>.ps", or the failure shown).
StartResult RunDvips(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const StatusReport& status = {});

/// Starts Ghostscript gs with pdfwrite on output_name + ".ps", writing output_name + ".pdf"
/// beside it (menu "PDF": the PostScript that "Ps" made of the last document), after removing
/// a .pdf older than the .ps; its end is watched. An empty name (no document yet) starts
/// nothing and returns kNotFound.
StartResult RunGhostscript(Platform& platform, const std::filesystem::path& start_dir,
                           const std::string& output_name, const StatusReport& status = {});

/// Starts the PostScript viewer GsviewPath on OutputName.ps (menu "GsView").
StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir);

/// Menu "SuperPDF": dvips on OutputName, and once dvips has ended well, Ghostscript on the
/// PostScript it made; the caller is never blocked. A missing dvips is told and no PDF is
/// made; a dvips that fails is told too. On a platform that cannot tell when a program ends,
/// only dvips starts and the teacher is told to use "PDF" afterwards.
void RunSuperPdf(const SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                 const StatusReport& status = {});

/// Lets the teacher choose the PostScript viewer program (menu "Path to GsView"): sets
/// GsviewPath to the chosen file; returns false and changes nothing when cancelled.
bool ChoosePsViewer(SharedState& s, Platform& platform);

}  // namespace shell
