#include "shell/variant_parameters.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <iomanip>
#include <memory>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "figures/figure_state.h"
#include "shell/list_files.h"
#include "toolkit/answers.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"
#include "toolkit/text_writer.h"

namespace shell {

namespace {

// Records that the near-duplicate pass compares, as the stored sets were made with.
constexpr int kDistinctRecords = 34;
// A blank line, the format line "2" and the lines i1..i7.
constexpr int kParameterFileLines = 9;

std::string RightAligned(int value, int width) {
  std::ostringstream out;
  out << std::setw(width) << value;
  return out.str();
}

// The integers of one parameter line after its two-character label ("i1"), at most
// kStoredVariantColumns of them; anything that is not an integer makes the file damaged.
std::vector<int> ParseParameterLine(const std::string& line, const std::string& path) {
  std::vector<int> values;
  std::size_t pos = line.size() < 2 ? line.size() : 2;
  while (pos < line.size() && static_cast<int>(values.size()) < kStoredVariantColumns) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    if (pos == line.size()) break;
    std::size_t end = pos;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    int value = 0;
    const char* first = line.data() + pos;
    const char* last = line.data() + end;
    if (*first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
      throw toolkit::IoError("The data file " + path + " is damaged: \"" +
                             QuotedExcerpt(std::string_view(line).substr(pos, end - pos)) +
                             "\" is not a number");
    }
    values.push_back(value);
    pos = end;
  }
  return values;
}

const char* kUpdateAdvice =
    " Use \"Update File\" (or delete the file) to draw new parameters for this set.";

std::string OutOfRangeMessage(const SharedState& s, int value, int k, int v) {
  return "The data file " + s.ParameterFilePath + " holds the value " + std::to_string(value) +
         " for P" + std::to_string(k) + " of variant " + std::to_string(v) + ", outside 1.." +
         std::to_string(s.ParameterRanges[s.ProblemNumber][k]) + "." + kUpdateAdvice;
}

}  // namespace

std::string ParameterSetText(const SharedState& s) {
  if (!s.StudentsMode) return toolkit::CutToChars(std::to_string(s.SetNumber), 4);
  std::string text = toolkit::CutToChars(s.GroupName, 4);
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) c = '_';
  }
  return text;
}

bool LocateVariantParameterFile(SharedState& s, const std::filesystem::path& start_dir,
                                const SubjectTable& table) {
  const SubjectRow* row = FindSubject(table, s.SubjectIndex);
  if (row != nullptr && row->Tab != nullptr)
    s.ParameterRanges = SubjectRanges(table, s.SubjectIndex);
  if (row == nullptr || row->Tab == nullptr || s.ProblemNumber < 1 ||
      s.ProblemNumber > ProblemCount(table, s.SubjectIndex)) {
    s.ParameterFilePath.clear();
    return false;
  }

  const std::filesystem::path folder =
      start_dir / ("dat" + std::to_string(s.SubjectIndex)) / std::to_string(s.ProblemNumber);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    throw toolkit::IoError("Cannot create the folder " + folder.string() + ": " + ec.message());
  }
  s.ParameterFilePath = (folder / (ParameterSetText(s) + ".txt")).string();
  return true;
}

void LoadVariantParameters(SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir, const SubjectTable& table) {
  if (!LocateVariantParameterFile(s, start_dir, table)) return;
  const std::filesystem::path path(s.ParameterFilePath);

  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) CreateVariantParameterFile(s, platform);
  // The file is read for every variant: only the nine lines that hold the parameters.
  const std::vector<std::string> lines = ReadTextFileLines(path, kParameterFileLines);

  std::vector<std::vector<int>> rows;
  for (std::size_t k = 0; k < 7; ++k) {
    const std::size_t line_index = 2 + k;  // lines 3..9
    rows.push_back(line_index < lines.size()
                       ? ParseParameterLine(lines[line_index], s.ParameterFilePath)
                       : std::vector<int>{});
  }
  std::size_t columns = static_cast<std::size_t>(kStoredVariantColumns);
  for (const auto& values : rows) columns = std::min(columns, values.size());

  for (int v = 1; v <= kStoredVariantColumns; ++v) {
    for (int k = 1; k <= 7; ++k) {
      // Rows the file does not hold become 0, which SelectVariantParameters refuses. A value
      // that no byte holds is refused here, whole: its low byte may look like a valid value.
      int value = 0;
      if (static_cast<std::size_t>(v) <= columns) {
        value = rows[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(v - 1)];
        if (value < 0 || value > 255) {
          throw ParameterFileError(OutOfRangeMessage(s, value, k, v));
        }
      }
      s.StoredVariants[v][k] = static_cast<std::uint8_t>(value);
    }
  }
}

ParameterDraws DrawVariantParameters(const SharedState& s, Platform& platform) {
  ParameterDraws draws(kStoredVariantColumns);
  for (int k = 1; k <= 7; ++k) {
    const int bound = s.ParameterRanges[s.ProblemNumber][k];
    for (auto& record : draws) record[static_cast<std::size_t>(k - 1)] = platform.RandomInt(bound) + 1;
  }
  return draws;
}

void RedrawRepeatedVariants(const SharedState& s, ParameterDraws& draws,
                            const PrintedVariant& printed) {
  // The new draws come from a sequence seeded by the set itself, not from the platform's:
  // drawing them leaves the platform's sequence, and so every later set, as it was.
  std::uint64_t state = 0x7A3B5C1D2E4F6071ULL;
  for (const auto& record : draws) {
    for (int value : record) state = state * 1099511628211ULL + static_cast<std::uint64_t>(value);
  }
  auto random_int = [&state](int n) {
    if (n <= 1) return 0;
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(n));
  };
  std::vector<std::string> seen;
  auto print = [&](int v, const std::array<int, 7>& p) -> std::optional<std::string> {
    try {
      return printed(v, p);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  };
  auto is_new = [&seen](const std::optional<std::string>& text) {
    return text && std::find(seen.begin(), seen.end(), *text) == seen.end();
  };
  for (std::size_t i = 0; i < draws.size(); ++i) {
    const int v = static_cast<int>(i) + 1;
    std::optional<std::string> text = print(v, draws[i]);
    // A first draw that cannot be printed is left for the Start to report, as before.
    if (text && !is_new(text)) {
      for (int attempt = 1; attempt <= kRedrawTries; ++attempt) {
        std::array<int, 7> candidate{};
        for (int k = 1; k <= 7; ++k) {
          candidate[static_cast<std::size_t>(k - 1)] =
              random_int(s.ParameterRanges[s.ProblemNumber][k]) + 1;
        }
        std::optional<std::string> candidate_text = print(v, candidate);
        if (is_new(candidate_text)) {
          draws[i] = candidate;
          text = std::move(candidate_text);
          break;
        }
      }
    }
    if (text) seen.push_back(std::move(*text));
  }
}

void WriteVariantParameterFile(const SharedState& s, const ParameterDraws& draws) {
  toolkit::TextWriter file;
  try {
    file.OpenFile(std::filesystem::path(s.ParameterFilePath));
    file.WriteLine("");
    file.WriteLine("2");
    for (int k = 1; k <= 7; ++k) {
      std::string line = "i" + std::to_string(k);
      for (const auto& record : draws) {
        line += RightAligned(record[static_cast<std::size_t>(k - 1)], 4);
      }
      file.WriteLine(line);
    }
    std::string numbers = "**";
    for (int v = 1; v <= kStoredVariantColumns; ++v) numbers += RightAligned(v, 4);
    file.WriteLine(numbers);
    file.WriteLine("File " + toolkit::CutToChars(std::to_string(s.ProblemNumber), 4) + ".txt (" +
                   ParameterSetText(s) + ") created by Tarbel, u=" + std::to_string(s.Level));
    std::string bounds;
    for (int k = 1; k <= 7; ++k) {
      if (k > 1) bounds += "*";
      bounds += std::to_string(s.ParameterRanges[s.ProblemNumber][k]);
    }
    file.WriteLine(bounds);
    file.WriteLine("");
    file.Close();
  } catch (...) {
    file.CloseQuietly();
    // A half-written file would be read as a stored set at the next Start.
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(s.ParameterFilePath), ignored);
    throw;
  }
}

PrintedVariant SelectedRowPrinter(const SharedState& s, const SubjectTable& table) {
  // Heap: the state is large. Shared: the printer is copied into std::function.
  auto probe = std::make_shared<SharedState>();
  figures::ResetDrawingState(*probe);
  probe->SubjectIndex = s.SubjectIndex;
  probe->ProblemNumber = s.ProblemNumber;
  probe->Level = s.Level;
  probe->FirstNumber = s.FirstNumber;
  probe->VariantCount = s.VariantCount;
  probe->SetNumber = s.SetNumber;
  probe->DocumentMode = s.DocumentMode;
  probe->TicketMode = s.TicketMode;
  probe->AnswersOn = s.AnswersOn;
  probe->TicketProblemOn = s.TicketProblemOn;
  probe->TextHeight = s.TextHeight;
  probe->DeterminantMode = s.DeterminantMode;
  probe->ParameterRanges = s.ParameterRanges;
  probe->WriteCramerRows = true;
  probe->MainFile.OpenMemory();
  probe->AnswersFile.OpenMemory();
  probe->SecondAnswersFile.OpenMemory();
  BeginSubjectProblem(*probe, probe->ProblemNumber, table);
  return [probe, &table](int v, const std::array<int, 7>& p) {
    SharedState& st = *probe;
    st.VariantIndex = v;
    for (int k = 1; k <= 7; ++k) {
      st.StoredVariants[v][k] = static_cast<std::uint8_t>(p[static_cast<std::size_t>(k - 1)] & 0xFF);
    }
    st.P1 = static_cast<std::int8_t>(st.StoredVariants[v][1]);
    st.P2 = static_cast<std::int8_t>(st.StoredVariants[v][2]);
    st.P3 = static_cast<std::int8_t>(st.StoredVariants[v][3]);
    st.P4 = static_cast<std::int8_t>(st.StoredVariants[v][4]);
    st.P5 = static_cast<std::int8_t>(st.StoredVariants[v][5]);
    st.P6 = static_cast<std::int8_t>(st.StoredVariants[v][6]);
    st.P7 = static_cast<std::int8_t>(st.StoredVariants[v][7]);
    const std::size_t before = st.MainFile.Contents().size();
    WriteSubjectVariant(st, st.ProblemNumber, table);
    toolkit::EndAnswersRows(st);
    return st.MainFile.Contents().substr(before);
  };
}

void PrepareVariantParameterFile(SharedState& s, Platform& platform,
                                 const std::filesystem::path& start_dir,
                                 const SubjectTable& table) {
  if (!LocateVariantParameterFile(s, start_dir, table)) return;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(s.ParameterFilePath), ec)) return;
  ParameterDraws draws = DrawVariantParameters(s, platform);
  RedrawRepeatedVariants(s, draws, SelectedRowPrinter(s, table));
  WriteVariantParameterFile(s, draws);
}

void CreateVariantParameterFile(SharedState& s, Platform& platform) {
  WriteVariantParameterFile(s, DrawVariantParameters(s, platform));
}

void SelectVariantParameters(SharedState& s, int v) {
  const auto& record = s.StoredVariants[v];
  if (!s.ParameterFilePath.empty()) {
    bool all_zero = true;
    for (int k = 1; k <= 7; ++k) all_zero = all_zero && record[k] == 0;
    if (all_zero) {
      throw ParameterFileError("The data file " + s.ParameterFilePath +
                               " holds no parameters for variant " + std::to_string(v) + "." +
                               kUpdateAdvice);
    }
    for (int k = 1; k <= 7; ++k) {
      const int bound = s.ParameterRanges[s.ProblemNumber][k];
      if (record[k] < 1 || record[k] > bound) {
        throw ParameterFileError(OutOfRangeMessage(s, record[k], k, v));
      }
    }
  }
  // Stored bytes reach the generators as signed 8-bit values.
  s.P1 = static_cast<std::int8_t>(record[1]);
  s.P2 = static_cast<std::int8_t>(record[2]);
  s.P3 = static_cast<std::int8_t>(record[3]);
  s.P4 = static_cast<std::int8_t>(record[4]);
  s.P5 = static_cast<std::int8_t>(record[5]);
  s.P6 = static_cast<std::int8_t>(record[6]);
  s.P7 = static_cast<std::int8_t>(record[7]);
}

void MakeVariantParametersDistinct(SharedState& s) {
  if (s.ProblemNumber < 1 || s.ProblemNumber > 40) return;
  const int bound = s.ParameterRanges[s.ProblemNumber][1];
  auto same_head = [&s](int i, int k) {
    for (int b = 1; b <= 4; ++b) {
      if (s.StoredVariants[i][b] != s.StoredVariants[k][b]) return false;
    }
    return true;
  };
  for (int i = 2; i <= kDistinctRecords; ++i) {
    int bumps = 0;
    for (int k = 1; k < i; ++k) {
      while (same_head(i, k)) {
        ++bumps;
        BumpParameter(s.StoredVariants[i][1], bound);
        if (bumps >= 6) break;
      }
    }
  }
}

void BumpParameter(std::uint8_t& p, int bound) {
  const int next = p + 1;
  p = next > bound - 1 ? std::uint8_t{1} : static_cast<std::uint8_t>(next);
}

void DeleteVariantParameterFile(const SharedState& s) {
  if (s.ParameterFilePath.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path(s.ParameterFilePath), ignored);
}

}  // namespace shell
