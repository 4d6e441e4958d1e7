#include "shell/external_programs.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/document_frame.h"

namespace shell {

namespace {

using Env = std::vector<std::pair<std::string, std::string>>;

// The messages break their lines where the original had a carriage return.
constexpr const char* kLineBreak = "\n";

StartResult Start(Platform& platform, const std::string& program,
                  const std::vector<std::string>& args, const Env& env,
                  const std::filesystem::path& start_dir, const std::string& not_found) {
  const StartResult result = platform.StartProgram(program, args, env, start_dir);
  if (result == StartResult::kNotFound) platform.ShowMessage(not_found);
  return result;
}

const std::string kDvipsNotFound = std::string("A conversion program  ") + kLineBreak +
                                   " dvips was not found ";

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

}  // namespace

StartResult RunLatex(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const std::filesystem::path& tex_dir) {
  return Start(platform, s.LatexPath + "latex", {"-no-shell-escape", "-interaction=nonstopmode", s.OutputName},
               {{"TEXINPUTS", tex_dir.string() + ":"}}, start_dir,
               std::string("The programm  ") + kLineBreak + s.LatexPath + "latex not found ");
}

StartResult RunDviViewer(const SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir) {
  return Start(platform, s.LatexPath + "xdvi", {s.OutputName}, {}, start_dir,
               std::string("The programm ") + kLineBreak + s.LatexPath + " xdvi was not found ");
}

StartResult RunDvips(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir) {
  return Start(platform, "dvips", DvipsArgs(s.OutputName), {}, start_dir, kDvipsNotFound);
}

StartResult RunGhostscript(Platform& platform, const std::filesystem::path& start_dir,
                           const std::string& output_name) {
  if (output_name.empty()) return StartResult::kNotFound;
  return Start(platform, "gs", GhostscriptArgs(output_name), {}, start_dir, "gs not found");
}

StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir) {
  const std::string file = s.OutputName + ".ps";
  return Start(platform, s.GsviewPath, {file}, {}, start_dir,
               " Not found " + s.GsviewPath + " " + file);
}

void RunSuperPdf(const SharedState& s, Platform& platform,
                 const std::filesystem::path& start_dir) {
  // Ghostscript must read the PostScript that this dvips writes, not a missing or stale
  // one, so it starts from dvips's end notice; a Start meanwhile does not change the name.
  const std::string name = s.OutputName;
  Platform* p = &platform;
  const std::optional<StartResult> started = platform.StartProgramAndNotify(
      "dvips", DvipsArgs(name), {}, start_dir, [p, start_dir, name](bool finished_well) {
        if (finished_well) {
          RunGhostscript(*p, start_dir, name);
        } else {
          p->ShowMessage("dvips could not convert " + name + ".dvi; no PDF was made");
        }
      });
  if (!started) {
    RunDvips(s, platform, start_dir);
    platform.ShowMessage("dvips has been started; make the PDF with \"PDF\" once it has finished");
  } else if (*started == StartResult::kNotFound) {
    platform.ShowMessage(kDvipsNotFound);
  }
}

bool ChoosePsViewer(SharedState& s, Platform& platform) {
  const auto chosen = platform.OpenFileDialog("PostScript viewer (gv)|gv|All files (*)|*");
  if (!chosen) return false;
  s.GsviewPath = std::filesystem::absolute(*chosen).string();
  return true;
}

}  // namespace shell
