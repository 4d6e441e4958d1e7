#include "shell/question_check.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "shell/list_files.h"

namespace shell {

namespace {

// Environments and plain commands inside which & separates columns.
constexpr std::array<std::string_view, 22> kAlignmentEnvironments = {
    "tabular",  "tabular*", "tabularx", "array",   "align",       "align*",
    "alignat",  "alignat*", "aligned",  "alignedat", "eqnarray",  "eqnarray*",
    "matrix",   "pmatrix",  "bmatrix",  "Bmatrix", "vmatrix",     "Vmatrix",
    "smallmatrix", "cases", "split",    "flalign"};
constexpr std::array<std::string_view, 7> kAlignmentCommands = {
    "matrix", "pmatrix", "bordermatrix", "cases", "halign", "eqalign", "eqalignno"};
constexpr std::array<std::string_view, 6> kFileCommands = {
    "input", "include", "includeonly", "openin", "openout", "InputIfFileExists"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The {name} after \begin or \end, skipping blanks; empty when there is none.
std::string_view BraceArgument(std::string_view text, std::size_t& pos) {
  std::size_t p = pos;
  while (p < text.size() && text[p] == ' ') ++p;
  if (p >= text.size() || text[p] != '{') return {};
  const std::size_t close = text.find('}', p + 1);
  if (close == std::string_view::npos) return {};
  pos = close + 1;
  return text.substr(p + 1, close - p - 1);
}

class QuestionScanner {
 public:
  explicit QuestionScanner(std::string_view text) : text_(text) {}

  std::optional<std::string> Scan() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      std::optional<std::string> hazard;
      switch (c) {
        case '\\':
          hazard = Command();
          break;
        case '%':
          return "a % not preceded by a backslash cuts off the rest of the question: write \\% "
                 "for a per cent sign";
        case '#':
          return "a # cannot stand in the text: write \\# for the sign";
        case '&':
          if (!Aligning()) {
            return "an & outside a table or matrix breaks the document: write \\& for the sign";
          }
          break;
        case '$':
          dollars_ = !dollars_;
          break;
        case '{':
          ++depth_;
          if (pending_alignment_) {
            aligning_groups_.push_back(depth_);
            pending_alignment_ = false;
          }
          break;
        case '}':
          if (depth_ == 0) return "a } without its {: remove it or write \\} for the brace";
          if (!aligning_groups_.empty() && aligning_groups_.back() == depth_) {
            aligning_groups_.pop_back();
          }
          --depth_;
          break;
        default:
          break;
      }
      if (hazard) return hazard;
    }
    if (depth_ > 0) return "a { without its }: close it or write \\{ for the brace";
    if (!environments_.empty()) {
      return "\\begin{" + environments_.back() + "} without its \\end{" + environments_.back() +
             "} in the same question";
    }
    if (dollars_) return "a $ without its closing $: close the formula or write \\$ for the sign";
    return std::nullopt;
  }

 private:
  bool Aligning() const {
    if (!aligning_groups_.empty()) return true;
    return std::any_of(environments_.begin(), environments_.end(),
                       [](const std::string& e) { return OneOf(kAlignmentEnvironments, e); });
  }

  std::optional<std::string> Command() {
    if (pos_ >= text_.size()) return std::nullopt;
    if (!IsLetter(text_[pos_])) {
      ++pos_;  // a control symbol: \%, \&, \#, \{, \}, \\, \$ ...
      return std::nullopt;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;
    const std::string_view name = text_.substr(start, pos_ - start);
    if (OneOf(kFileCommands, name)) {
      return "\\" + std::string(name) + " reads or writes files: a question may not hold it";
    }
    if (name == "write") {
      std::size_t p = pos_;
      while (p < text_.size() && text_[p] == ' ') ++p;
      if (text_.substr(p, 2) == "18") return "\\write18 runs programs: a question may not hold it";
    }
    if (OneOf(kAlignmentCommands, name)) pending_alignment_ = true;
    if (name == "begin" || name == "end") return Environment(name == "begin");
    return std::nullopt;
  }

  std::optional<std::string> Environment(bool begin) {
    const std::string env(BraceArgument(text_, pos_));
    if (env == "document") {
      return std::string(begin ? "\\begin" : "\\end") +
             "{document} would end the document here: a question may not hold it";
    }
    if (env.empty()) return std::nullopt;
    if (begin) {
      environments_.push_back(env);
      return std::nullopt;
    }
    if (environments_.empty() || environments_.back() != env) {
      return "\\end{" + env + "} without its \\begin{" + env + "} in the same question";
    }
    environments_.pop_back();
    return std::nullopt;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  bool dollars_ = false;
  bool pending_alignment_ = false;
  std::vector<int> aligning_groups_;
  std::vector<std::string> environments_;
};

[[noreturn]] void Refuse(const std::string& where, std::string_view question,
                         const std::string& hazard) {
  throw ListDataError(where + " (\"" + QuotedExcerpt(question) + "\"): " + hazard +
                      ". The previous document is kept");
}

void CheckTicketList(int number, const toolkit::IndexedArray<std::string, 1, 50>& list,
                     int count) {
  const std::string file = number == 1 ? "ma1.txt" : "ma2.txt";
  for (int i = 1; i <= std::min(count, kMaxQuestions); ++i) {
    if (const auto hazard = FindQuestionHazard(list[i])) {
      Refuse("Question list " + std::to_string(number) + " (menu \"Set " + std::to_string(number) +
                 "\", " + file + "), line " + std::to_string(i),
             list[i], *hazard);
    }
  }
}

}  // namespace

std::optional<std::string> FindQuestionHazard(std::string_view question) {
  return QuestionScanner(question).Scan();
}

void CheckQuestionLists(const toolkit::Run& s, int mode,
                        const std::vector<std::string>& colloquium_lines) {
  if (mode == 1) {
    CheckTicketList(1, s.QuestionList1, s.QuestionCount1);
    CheckTicketList(2, s.QuestionList2, s.QuestionCount2);
    return;
  }
  if (mode != 2) return;
  const std::string list = "The colloquium list (menu \"List\")";
  if (!colloquium_lines.empty()) {
    for (std::size_t i = 0; i < colloquium_lines.size(); ++i) {
      const std::string& line = colloquium_lines[i];
      if (line == "***") break;
      if (line == "###") continue;
      if (const auto hazard = FindQuestionHazard(line)) {
        Refuse(list + ", line " + std::to_string(i + 1), line, *hazard);
      }
    }
    return;
  }
  for (std::size_t g = 0; g < s.ColloquiumQuestions.size(); ++g) {
    for (std::size_t k = 0; k < s.ColloquiumQuestions[g].size(); ++k) {
      const std::string& question = s.ColloquiumQuestions[g][k];
      if (const auto hazard = FindQuestionHazard(question)) {
        Refuse(list + ", group " + std::to_string(g + 1) + ", question " + std::to_string(k + 1),
               question, *hazard);
      }
    }
  }
}

}  // namespace shell
