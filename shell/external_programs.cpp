#include "shell/external_programs.h"

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

StartResult StartDvips(const SharedState& s, Platform& platform,
                       const std::filesystem::path& start_dir, const std::string& not_found) {
  return Start(platform, "dvips", {s.OutputName}, {}, start_dir, not_found);
}

}  // namespace

StartResult RunLatex(const SharedState& s, Platform& platform,
                     const std::filesystem::path& start_dir, const std::filesystem::path& tex_dir) {
  return Start(platform, s.LatexPath + "latex", {"-interaction=nonstopmode", s.OutputName},
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
  return StartDvips(s, platform, start_dir, "A conversion program  #13 dvips was not found ");
}

StartResult RunGhostscript(const SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir,
                           const std::string& document_base_name) {
  const std::string name = document_base_name + LevelLetter(s.Level);
  return Start(platform, "gs",
               {"-dBATCH", "-dNOPAUSE", "-sDEVICE=pdfwrite", "-sOutputFile=" + name + ".pdf", "-c",
                "save", "pop", "-f", name + ".ps"},
               {}, start_dir, "gs not found");
}

StartResult RunPsViewer(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir) {
  const std::string file = s.OutputName + ".ps";
  return Start(platform, s.GsviewPath, {file}, {}, start_dir,
               " Not found " + s.GsviewPath + " " + file);
}

StartResult RunSuperPdf(const SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir,
                        const std::string& document_base_name) {
  StartDvips(s, platform, start_dir,
             std::string("A conversion program  ") + kLineBreak + " dvips was not found ");
  return RunGhostscript(s, platform, start_dir, document_base_name);
}

bool ChoosePsViewer(SharedState& s, Platform& platform) {
  const auto chosen = platform.OpenFileDialog("PostScript viewer (gv)|gv|All files (*)|*");
  if (!chosen) return false;
  s.GsviewPath = std::filesystem::absolute(*chosen).string();
  return true;
}

}  // namespace shell
