// The decoding of text files (UTF-8 when valid, else Windows-1251) and the encoding the list
// windows save with: every line is UTF-8 without line ends, a saved list keeps its number of
// lines and reads back as the same lines (in the program's form and in the file's own), and
// each line goes through the LaTeX escaping and the document writer.
#include <string>
#include <vector>

#include "shell/list_files.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"
#include "toolkit/cp1251.h"
#include "toolkit/latex_text.h"
#include "toolkit/text_writer.h"

TARBEL_FUZZ_TARGET(text_decoding) {
  const std::string_view bytes = fuzz_support::Bytes(data, size);
  const std::vector<std::string> lines = shell::SplitTextFileLines(bytes);
  toolkit::TextWriter writer;
  writer.OpenMemory();
  for (const std::string& line : lines) {
    if (!fuzz_support::IsUtf8(line)) fuzz_support::Finding("a decoded line is not UTF-8");
    if (line.find_first_of("\r\n") != std::string::npos) fuzz_support::Finding("a line end inside a line");
    const std::string latex = toolkit::EscapeLatexText(line);
    if (!fuzz_support::IsUtf8(latex)) fuzz_support::Finding("an escaped line is not UTF-8");
    writer.WriteLine(latex);
    toolkit::CutToChars(line, 65);
  }
  const std::string saved = shell::EncodeTextFileLines(lines);
  if (shell::SplitTextFileLines(saved) != lines) {
    fuzz_support::Finding("a saved list does not read back as it was");
  }
  const std::string kept = shell::EncodeTextFileLines(lines, shell::DetectTextFileFormat(bytes));
  if (shell::SplitTextFileLines(kept) != lines) {
    fuzz_support::Finding("a list saved in its own form does not read back as it was");
  }
  return 0;
}
