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

/// Starts Ghostscript gs with pdfwrite on document_base_name + level letter + ".ps", writing
/// the .pdf of the same name beside it (menu "PDF"); document_base_name is the name of the
/// last problem-set document before its level letter.
StartResult RunGhostscript(const SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir,
                           const std::string& document_base_name);

/// Starts the PostScript viewer GsviewPath on OutputName.ps (menu "GsView").
StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir);

/// dvips, then Ghostscript (menu "SuperPDF"); a missing dvips is told and gs still starts.
/// Returns the result of the Ghostscript start.
StartResult RunSuperPdf(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir,
                        const std::string& document_base_name);

/// Lets the teacher choose the PostScript viewer program (menu "Path to GsView"): sets
/// GsviewPath to the chosen file; returns false and changes nothing when cancelled.
bool ChoosePsViewer(SharedState& s, Platform& platform);

}  // namespace shell
