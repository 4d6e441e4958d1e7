#pragma once

#include <filesystem>
#include <string>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// Starts LatexPath + "latex" -interaction=nonstopmode OutputName in the start directory,
/// with TEXINPUTS = "<tex_dir>:" so that the documents find sav.txt and eepico; not waited for.
/// A missing program is told ("The programm  ...latex not found "). Returns the start result.
StartResult RunLatex(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const std::filesystem::path& tex_dir);

/// Starts the DVI viewer LatexPath + "xdvi" on OutputName (menu "Yap").
StartResult RunDviViewer(const SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir);

/// Starts dvips OutputName, which writes OutputName.ps beside the document (menu "Ps").
StartResult RunDvips(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir);

/// Starts Ghostscript gs with pdfwrite on output_name + ".ps", writing output_name + ".pdf"
/// beside it (menu "PDF": the PostScript that "Ps" made of the last document). An empty name
/// (no document yet) starts nothing and returns kNotFound.
StartResult RunGhostscript(Platform& platform, const std::filesystem::path& start_dir,
                           const std::string& output_name);

/// Starts the PostScript viewer GsviewPath on OutputName.ps (menu "GsView").
StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir);

/// Menu "SuperPDF": dvips on OutputName, and once dvips has ended well, Ghostscript on the
/// PostScript it made; the caller is never blocked. A missing dvips is told and no PDF is
/// made; a dvips that fails is told too. On a platform that cannot tell when a program ends,
/// only dvips starts and the teacher is told to use "PDF" afterwards.
void RunSuperPdf(const SharedState& s, Platform& platform, const std::filesystem::path& start_dir);

/// Lets the teacher choose the PostScript viewer program (menu "Path to GsView"): sets
/// GsviewPath to the chosen file; returns false and changes nothing when cancelled.
bool ChoosePsViewer(SharedState& s, Platform& platform);

}  // namespace shell
