#include "shell/colloquium.h"

#include <string>
#include <string_view>

#include "shell/document_frame.h"
#include "shell/list_files.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace shell {

namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

void ParseColloquiumList(toolkit::Run& s, const std::vector<std::string>& lines) {
  s.ColloquiumQuestions.clear();
  s.ColloquiumGroupSizes.clear();
  std::vector<std::string> group;
  auto end_group = [&] {
    // A group without questions has nothing to draw from; it is left out.
    if (group.empty()) return;
    s.ColloquiumGroupSizes.push_back(static_cast<int>(group.size()));
    s.ColloquiumQuestions.push_back(std::move(group));
    group.clear();
  };
  for (const std::string& line : lines) {
    if (line == "***") break;
    if (line == "###") {
      end_group();
    } else if (!IsBlank(line)) {
      group.push_back(line);
    }
  }
  end_group();
  s.ColloquiumGroupCount = static_cast<int>(s.ColloquiumQuestions.size());
}

void WriteColloquiumSets(SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir) {
  if (s.ColloquiumGroupCount <= 0 ||
      s.ColloquiumGroupCount > static_cast<int>(s.ColloquiumQuestions.size())) {
    throw ListDataError(
        "The colloquium list holds no questions: fill it in the window \"List\"");
  }
  s.TextHeight = 700;
  OpenDocument(s, start_dir, "vpr", 500);
  WriteText(s, "\\newcounter{vrnt}\\setcounter{vrnt}{2}");
  WriteText(s, "\\newcommand{\\vrn}{\\refstepcounter{vrnt}\\arabic{vrnt}}");
  WriteText(s, "\\newcounter{wrnt}\\setcounter{wrnt}{2}");
  WriteText(s, "\\newcommand{\\wrn}{\\refstepcounter{wrnt}\\arabic{wrnt}}");
  WriteText(s, "\\newcounter{urnt}\\setcounter{urnt}{2}");
  WriteText(s, "\\newcommand{\\urn}{\\refstepcounter{urnt}\\arabic{urnt}}");
  for (int set = 1; set <= s.SetNumber; ++set) {
    // The framed set fills the text block exactly, which stands in the middle of the sheet.
    WriteLine(s, "\\noindent\\fbox{\\parbox{" + std::string(kFramedParboxWidth) +
                     "}{{\\bf Set " + toolkit::FormatNumber(set) +
                     "}\\par \\begin{enumerate}\\itemsep=-9pt");
    for (int g = 0; g < s.ColloquiumGroupCount; ++g) {
      const auto& questions = s.ColloquiumQuestions[static_cast<std::size_t>(g)];
      const int r = platform.RandomInt(static_cast<int>(questions.size()));
      WriteLine(s, "\\item " + questions.at(static_cast<std::size_t>(r)));
    }
    WriteText(s, "\\end{enumerate}");
    WriteText(s, "}}");
    WriteLine(s, "\\vskip4mm ");
  }
  CloseDocument(s);
}

}  // namespace shell
