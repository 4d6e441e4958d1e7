#include "shell/settings.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/list_files.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace shell {

namespace {

constexpr std::size_t kGroupNameChars = 50;
constexpr int kLineCount = 14;
// Line 15, after the fourteen lines whose meaning stays: "Problem in the ticket" (1 on, 0 off).
// Files written before have no line 15 and read as off.
constexpr int kTicketProblemLine = 15;
constexpr int kLastLineValues = 13;
constexpr const char* kDefaultPsViewer = "gv";

// A whole line (or token) that is a decimal integer, blanks around it allowed.
std::optional<long long> ParseInteger(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(" \t");
  text = text.substr(first, last - first + 1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int Clamp(long long value, int lo, int hi) {
  return static_cast<int>(std::clamp<long long>(value, lo, hi));
}

// The values a fresh start directory gets: those of the main window's controls at rest,
// the statics tab (the one tab shown) and the first row of every list.
void ApplyDefaults(toolkit::Run& s) {
  s.FirstNumber = 1;
  s.VariantCount = 1;
  s.SetNumber = 1;
  s.QuestionSetNumber = 0;
  s.DocumentMode = 0;
  s.LatexPath.clear();
  s.GsviewPath = kDefaultPsViewer;
  s.DepartmentIndex = 0;
  s.UniversityIndex = 0;
  s.StudentsFileName.clear();
  s.GroupName.clear();
  s.SavedProblems.Fill(1);
  s.SubjectIndex = 5;
  s.StudentsMode = false;
  s.Level = 1;
  s.AnswersOn = false;
  s.TicketProblemOn = false;
}

std::vector<std::string> SettingsLines(const toolkit::Run& s, int students_flag, int answers_flag) {
  std::string last;
  char field[16];
  auto add = [&](long long v) {
    std::snprintf(field, sizeof field, "%3lld", v);
    last += field;
  };
  for (int k = 1; k <= 9; ++k) add(s.SavedProblems[k]);
  add(s.SubjectIndex);
  add(students_flag);
  add(s.Level);
  add(answers_flag);
  return {std::to_string(s.FirstNumber),
          std::to_string(s.VariantCount),
          std::to_string(s.SetNumber),
          "0",
          std::to_string(s.QuestionSetNumber),
          std::to_string(s.DocumentMode),
          s.LatexPath,
          s.GsviewPath,
          std::to_string(s.DepartmentIndex),
          std::to_string(s.UniversityIndex),
          s.StudentsFileName,
          s.GroupName,
          std::string(21, '*'),
          last,
          s.TicketProblemOn ? "1" : "0"};
}

// Reads the lines over the defaults already in s; returns the numbers of the lines whose
// value was missing or not a number.
std::vector<int> ReadSettingsLines(toolkit::Run& s, const std::vector<std::string>& lines) {
  std::vector<int> damaged;
  auto line = [&](int n) -> const std::string* {
    return n <= static_cast<int>(lines.size()) ? &lines[static_cast<std::size_t>(n - 1)] : nullptr;
  };
  auto number = [&](int n, int& target, int lo, int hi) {
    const std::string* text = line(n);
    const auto value = text != nullptr ? ParseInteger(*text) : std::nullopt;
    if (value) {
      target = Clamp(*value, lo, hi);
    } else {
      damaged.push_back(n);
    }
  };
  auto text = [&](int n, std::string& target) {
    if (const std::string* t = line(n)) {
      target = *t;
    } else {
      damaged.push_back(n);
    }
  };

  number(1, s.FirstNumber, 1, 1000);
  number(2, s.VariantCount, 1, 40);
  number(3, s.SetNumber, 1, 10000);
  number(5, s.QuestionSetNumber, 0, 99);
  number(6, s.DocumentMode, 0, 2);
  text(7, s.LatexPath);
  text(8, s.GsviewPath);
  number(9, s.DepartmentIndex, 0, INT_MAX);
  number(10, s.UniversityIndex, 0, INT_MAX);
  text(11, s.StudentsFileName);
  text(12, s.GroupName);
  s.GroupName = toolkit::CutToChars(s.GroupName, kGroupNameChars);

  // Line 14: thirteen numbers; the line is damaged when any of them is missing or wrong,
  // and only those take their defaults.
  std::vector<std::optional<long long>> values(kLastLineValues);
  bool last_ok = line(kLineCount) != nullptr;
  if (last_ok) {
    const std::string& t = *line(kLineCount);
    std::size_t pos = 0;
    for (int i = 0; i < kLastLineValues; ++i) {
      const std::size_t start = t.find_first_not_of(" \t", pos);
      if (start == std::string::npos) break;
      const std::size_t end = std::min(t.find_first_of(" \t", start), t.size());
      values[static_cast<std::size_t>(i)] =
          ParseInteger(std::string_view(t).substr(start, end - start));
      pos = end;
    }
  }
  for (int i = 0; i < kLastLineValues; ++i) {
    const auto& v = values[static_cast<std::size_t>(i)];
    if (!v) {
      last_ok = false;
      continue;
    }
    if (i < 9) {
      s.SavedProblems[i + 1] = Clamp(*v, 0, 40);
    } else if (i == 9) {
      s.SubjectIndex = Clamp(*v, 1, 9);
    } else if (i == 10) {
      s.StudentsMode = *v == 1;
    } else if (i == 11) {
      s.Level = Clamp(*v, 1, 10);
    } else {
      s.AnswersOn = *v == 1;
    }
  }
  if (!last_ok) damaged.push_back(kLineCount);
  if (const std::string* ticket_problem = line(kTicketProblemLine)) {
    s.TicketProblemOn = ParseInteger(*ticket_problem) == 1;
  }
  return damaged;
}

}  // namespace

bool LoadSettings(SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                  bool create_missing) {
  const std::filesystem::path path = start_dir / kSettingsFileName;
  ApplyDefaults(s);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    if (!create_missing) return true;
    try {
      WriteTextFileLines(path, SettingsLines(s, 0, 0));
      return true;
    } catch (const toolkit::IoError& e) {
      platform.ShowMessage(e.what());
      return false;
    }
  }
  std::vector<std::string> lines;
  try {
    lines = ReadTextFileLines(path, kTicketProblemLine);
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return false;
  }
  const std::vector<int> damaged = ReadSettingsLines(s, lines);
  if (!damaged.empty()) {
    std::string list;
    for (int n : damaged) list += (list.empty() ? "" : ", ") + std::to_string(n);
    platform.ShowMessage("The settings file " + path.string() + " has no valid value in line " +
                         list + "; the default values are used there");
  }
  return true;
}

bool SaveSettings(const SharedState& s, Platform& platform, const std::filesystem::path& start_dir,
                  int students_flag, int answers_flag) {
  try {
    WriteTextFileLines(start_dir / kSettingsFileName,
                       SettingsLines(s, students_flag, answers_flag));
    return true;
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return false;
  }
}

}  // namespace shell
