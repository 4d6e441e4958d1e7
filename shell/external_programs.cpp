#include "shell/external_programs.h"

#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "shell/document_frame.h"
#include "shell/list_files.h"
#include "toolkit/errors.h"

namespace shell {

namespace {

using Env = std::vector<std::pair<std::string, std::string>>;

// The messages break their lines where the original had a carriage return.
constexpr const char* kLineBreak = "\n";
// A log holds far fewer lines; the cap only bounds the reading of a file that is no log.
constexpr int kMaxLogLines = 200000;

StartResult Start(Platform& platform, const std::string& program,
                  const std::vector<std::string>& args, const Env& env,
                  const std::filesystem::path& start_dir, const std::string& not_found) {
  const StartResult result = platform.StartProgram(program, args, env, start_dir);
  if (result == StartResult::kNotFound) platform.ShowMessage(not_found);
  return result;
}

// How a watched start went: its result, and whether its end will be told.
struct Watched {
  StartResult result;
  bool watched;
};

// Starts a program whose end the teacher must hear of; on a platform that cannot watch it,
// the program is started all the same.
Watched StartWatched(Platform& platform, const std::string& program,
                     const std::vector<std::string>& args, const Env& env,
                     const std::filesystem::path& start_dir, const std::string& not_found,
                     std::function<void(bool)> on_end) {
  const std::optional<StartResult> watched =
      platform.StartProgramAndNotify(program, args, env, start_dir, std::move(on_end));
  const StartResult result = watched ? *watched : platform.StartProgram(program, args, env, start_dir);
  if (result == StartResult::kNotFound) platform.ShowMessage(not_found);
  return {result, watched.has_value()};
}

void Tell(const StatusReport& status, const std::string& text) {
  if (status) status(text);
}

const std::string kDvipsNotFound = std::string("A conversion program  ") + kLineBreak +
                                   " dvips was not found ";

Env WithTexEnvironment(Env env) {
  for (auto& entry : TexProgramEnvironment()) env.push_back(std::move(entry));
  return env;
}

// The teacher prints on A4: this machine's default paper would be US Letter.
std::vector<std::string> DvipsArgs(const std::string& output_name) {
  return {"-t", "a4", output_name};
}

std::vector<std::string> GhostscriptArgs(const std::string& output_name) {
  return {"-dBATCH",
          "-dNOPAUSE",
          "-sDEVICE=pdfwrite",
          "-sOutputFile=" + output_name + ".pdf",
          "-sPAPERSIZE=a4",
          "-c",
          "save",
          "pop",
          "-f",
          output_name + ".ps"};
}

// dvips on name, watched; then_well runs once it has ended well.
Watched StartDvips(Platform& platform, const std::filesystem::path& start_dir,
                       const std::string& name, const StatusReport& status,
                       std::function<void()> then_well, const std::string& failure_note) {
  RemoveStaleOutputs(start_dir, name, ".dvi", {".ps", ".pdf"});
  Platform* p = &platform;
  return StartWatched(platform, "dvips", DvipsArgs(name), TexProgramEnvironment(), start_dir,
                      kDvipsNotFound,
                      [p, name, status, then_well = std::move(then_well),
                       failure_note](bool finished_well) {
                        if (finished_well) {
                          Tell(status, "dvips made " + name + ".ps");
                          if (then_well) then_well();
                          return;
                        }
                        p->ShowMessage("dvips could not convert " + name + ".dvi" + failure_note);
                        Tell(status, "dvips failed on " + name + ".dvi");
                      });
}

}  // namespace

Env TexProgramEnvironment() { return {{"openin_any", "p"}, {"openout_any", "p"}}; }

void RemoveStaleOutputs(const std::filesystem::path& start_dir, const std::string& name,
                        const std::string& source, const std::vector<std::string>& extensions) {
  if (name.empty()) return;
  std::error_code ec;
  const auto source_time = std::filesystem::last_write_time(start_dir / (name + source), ec);
  const bool source_missing = static_cast<bool>(ec);
  for (const std::string& extension : extensions) {
    const std::filesystem::path output = start_dir / (name + extension);
    std::error_code output_ec;
    const auto output_time = std::filesystem::last_write_time(output, output_ec);
    if (output_ec) continue;
    if (source_missing || output_time <= source_time) {
      std::filesystem::remove(output, output_ec);
    }
  }
}

std::optional<std::string> FirstLatexError(const std::filesystem::path& log_path) {
  std::vector<std::string> lines;
  try {
    lines = ReadTextFileLines(log_path, kMaxLogLines);
  } catch (const toolkit::IoError&) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].starts_with("!")) continue;
    std::string error = lines[i];
    // The line that shows where the error stands follows within a few lines of help text.
    for (std::size_t j = i + 1; j < lines.size() && j <= i + 12; ++j) {
      if (lines[j].starts_with("l.")) {
        error += "\n" + lines[j];
        break;
      }
    }
    return error;
  }
  return std::nullopt;
}

StartResult RunLatex(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const std::filesystem::path& tex_dir,
                     const StatusReport& status) {
  const std::string name = s.OutputName;
  RemoveStaleOutputs(start_dir, name, ".tex", {".dvi", ".ps", ".pdf"});
  Platform* p = &platform;
  return StartWatched(
             platform, s.LatexPath + "latex", {"-no-shell-escape", "-interaction=nonstopmode", name},
      WithTexEnvironment({{"TEXINPUTS", tex_dir.string() + ":"}}), start_dir,
      std::string("The programm  ") + kLineBreak + s.LatexPath + "latex not found ",
      [p, start_dir, name, status](bool finished_well) {
        if (finished_well) {
          Tell(status, "latex made " + name + ".dvi in " + start_dir.string());
          return;
        }
        // What latex made of a document it rejected is not the document: no menu command
        // may show or convert it.
        std::error_code ignored;
        std::filesystem::remove(start_dir / (name + ".dvi"), ignored);
        const std::filesystem::path log = start_dir / (name + ".log");
        const std::optional<std::string> error = FirstLatexError(log);
        p->ShowMessage("latex could not typeset " + name + ".tex" +
                       (error ? ":\n" + *error : std::string(".")) + "\nThe whole report is in " +
                       log.string() + "; no .dvi was made.");
        Tell(status, "latex failed on " + name + ".tex: see " + name + ".log");
      })
      .result;
}

StartResult RunDviViewer(const SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir) {
  return Start(platform, s.LatexPath + "xdvi", {s.OutputName}, TexProgramEnvironment(), start_dir,
               std::string("The programm ") + kLineBreak + s.LatexPath + " xdvi was not found ");
}

StartResult RunDvips(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const StatusReport& status) {
  return StartDvips(platform, start_dir, s.OutputName, status, {}, "").result;
}

StartResult RunGhostscript(Platform& platform, const std::filesystem::path& start_dir,
                           const std::string& output_name, const StatusReport& status) {
  if (output_name.empty()) return StartResult::kNotFound;
  RemoveStaleOutputs(start_dir, output_name, ".ps", {".pdf"});
  Platform* p = &platform;
  return StartWatched(platform, "gs", GhostscriptArgs(output_name), {}, start_dir, "gs not found",
                      [p, output_name, status](bool finished_well) {
                        if (finished_well) {
                          Tell(status, "Ghostscript made " + output_name + ".pdf");
                          return;
                        }
                        p->ShowMessage("Ghostscript could not convert " + output_name +
                                       ".ps; no PDF was made");
                        Tell(status, "Ghostscript failed on " + output_name + ".ps");
                      })
      .result;
}

StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir) {
  const std::string file = s.OutputName + ".ps";
  return Start(platform, s.GsviewPath, {file}, TexProgramEnvironment(), start_dir,
               " Not found " + s.GsviewPath + " " + file);
}

void RunSuperPdf(const SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                 const StatusReport& status) {
  // Ghostscript must read the PostScript that this dvips writes, not a missing or stale
  // one, so it starts from dvips's end notice; a Start meanwhile does not change the name.
  const std::string name = s.OutputName;
  Platform* p = &platform;
  const Watched dvips =
      StartDvips(platform, start_dir, name, status,
                 [p, start_dir, name, status] { RunGhostscript(*p, start_dir, name, status); },
                 "; no PDF was made");
  if (dvips.result == StartResult::kStarted && !dvips.watched) {
    platform.ShowMessage("dvips has been started; make the PDF with \"PDF\" once it has finished");
  }
}

bool ChoosePsViewer(SharedState& s, Platform& platform) {
  const auto chosen = platform.OpenFileDialog("PostScript viewer (gv)|gv|All files (*)|*");
  if (!chosen) return false;
  s.GsviewPath = std::filesystem::absolute(*chosen).string();
  return true;
}

}  // namespace shell
