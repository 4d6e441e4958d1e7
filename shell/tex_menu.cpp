#include "shell/tex_menu.h"

#include <optional>

#include "shell/external_programs.h"

namespace shell {

StartResult RunPdfOfDocument(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir,
                             const std::string& output_name) {
  if (output_name.empty()) return StartResult::kNotFound;
  // RunGhostscript names its file base + the letter of Level; the letter of the document
  // stands last in its name, so Level is set to it for the call (a begin entry may have
  // lowered Level since, and the spin edit may have moved).
  const int saved_level = s.Level;
  s.Level = static_cast<unsigned char>(output_name.back()) - 64;
  const StartResult result = RunGhostscript(s, platform, start_dir,
                                            output_name.substr(0, output_name.size() - 1));
  s.Level = saved_level;
  return result;
}

void RunSuperPdfInOrder(SharedState& s, Platform& platform,
                        const std::filesystem::path& start_dir) {
  const std::string name = s.OutputName;
  Platform* p = &platform;
  SharedState* state = &s;
  const std::filesystem::path dir = start_dir;
  const std::optional<StartResult> started = platform.StartProgramAndNotify(
      "dvips", {name}, {}, start_dir, [p, state, dir, name](bool finished_well) {
        if (finished_well) {
          RunPdfOfDocument(*state, *p, dir, name);
        } else {
          p->ShowMessage("dvips could not convert " + name + ".dvi; no PDF was made");
        }
      });
  if (!started) {
    RunDvips(s, platform, start_dir);
    platform.ShowMessage("dvips has been started; make the PDF with \"PDF\" once it has finished");
    return;
  }
  if (*started == StartResult::kNotFound) {
    platform.ShowMessage("A conversion program  \n dvips was not found ");
  }
}

}  // namespace shell
