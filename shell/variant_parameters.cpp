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

// What a printing probe takes from the Start's state: the row, the set and the run flags.
void CopyProbeSettings(const SharedState& from, SharedState& to) {
  to.SubjectIndex = from.SubjectIndex;
  to.ProblemNumber = from.ProblemNumber;
  to.FirstNumber = from.FirstNumber;
  to.VariantCount = from.VariantCount;
  to.SetNumber = from.SetNumber;
  to.DocumentMode = from.DocumentMode;
  to.TicketMode = from.TicketMode;
  to.AnswersOn = from.AnswersOn;
  to.TicketProblemOn = from.TicketProblemOn;
  to.TextHeight = from.TextHeight;
  to.DeterminantMode = from.DeterminantMode;
  to.ParameterRanges = from.ParameterRanges;
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
                            const PrintedVariant& printed, const std::vector<int>& levels) {
  if (draws.empty() || levels.empty()) return;
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
  auto bound = [&s](std::size_t k) {
    return static_cast<int>(s.ParameterRanges[s.ProblemNumber][static_cast<int>(k) + 1]);
  };
  using Text = std::optional<std::string>;
  auto print = [&printed](int level, int v, const std::array<int, 7>& p) -> Text {
    try {
      return printed(level, v, p);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  };

  // The first draws at every Level, Level by Level: most rows print alike at many Levels,
  // and those are looked at once (the first of them stands for them all).
  const std::size_t n = draws.size();
  std::vector<int> watched;              // one Level of each way of printing
  std::vector<std::vector<Text>> first;  // first[c][i]: variant i + 1 at watched[c]
  for (int level : levels) {
    std::vector<Text> texts(n);
    for (std::size_t i = 0; i < n; ++i) texts[i] = print(level, static_cast<int>(i) + 1, draws[i]);
    if (std::find(first.begin(), first.end(), texts) != first.end()) continue;
    // A Level at which no draw prints (the row refuses it) is no Level a draw can serve, and
    // looking for one would cost every variant all its tries.
    const bool any =
        std::any_of(texts.begin(), texts.end(), [](const Text& x) { return x.has_value(); });
    if (!any && !watched.empty()) continue;
    watched.push_back(level);
    first.push_back(std::move(texts));
  }

  // What a candidate for variant i + 1 is worth: at each watched Level the distance back to
  // the last variant printing the same problem (kNew for a new one, -1 for none printed),
  // in increasing order; the greater in the first place that differs is the better.
  constexpr int kNew = 1 << 30;
  std::vector<std::vector<Text>> history(watched.size());  // problems in variant order
  using Worth = std::vector<int>;
  auto worth_of = [&](const std::vector<Text>& texts, std::size_t i) {
    Worth worth;
    for (std::size_t c = 0; c < watched.size(); ++c) {
      if (!texts[c]) {
        worth.push_back(-1);
        continue;
      }
      int distance = kNew;
      for (std::size_t j = i; j-- > 0;) {
        if (history[c][j] == texts[c]) {
          distance = static_cast<int>(i - j);
          break;
        }
      }
      worth.push_back(distance);
    }
    std::sort(worth.begin(), worth.end());
    return worth;
  };
  auto is_new = [&](const Worth& worth) { return worth.front() == kNew; };
  auto texts_of = [&](std::size_t i, const std::array<int, 7>& p) {
    std::vector<Text> texts;
    for (int level : watched) {
      texts.push_back(print(level, static_cast<int>(i) + 1, p));
      if (!texts.back()) break;  // worth -1 at once: nothing more to learn
    }
    texts.resize(watched.size());
    return texts;
  };

  for (std::size_t i = 0; i < n; ++i) {
    std::vector<Text> best_texts;
    for (std::size_t c = 0; c < watched.size(); ++c) best_texts.push_back(first[c][i]);
    Worth best = worth_of(best_texts, i);
    // A first draw that cannot be printed at the Start's Level is left for the Start to report.
    const bool redraw = best_texts.front().has_value() && !is_new(best);
    auto consider = [&](const std::array<int, 7>& candidate) {
      std::vector<Text> texts = texts_of(i, candidate);
      Worth worth = worth_of(texts, i);
      if (worth <= best) return false;
      draws[i] = candidate;
      best = std::move(worth);
      best_texts = std::move(texts);
      return is_new(best);
    };
    if (redraw) {
      bool found = false;
      for (int attempt = 1; attempt <= kRedrawTries && !found; ++attempt) {
        std::array<int, 7> candidate{};
        for (std::size_t k = 0; k < 7; ++k) candidate[k] = random_int(bound(k)) + 1;
        found = consider(candidate);
      }
      // The set must repeat: the oldest variants' draws as they stand (a copy of variant
      // u + 1 repeats it no nearer than i - u back, so younger ones cannot do better), then
      // the best draw with some of its parameters drawn again, which may keep the problem at
      // one Level and find a new one at the others.
      for (std::size_t u = 0; u < i && !found && static_cast<int>(i - u) > best.front(); ++u) {
        found = consider(draws[u]);
      }
      for (int attempt = 1; attempt <= kRedrawTries && !found; ++attempt) {
        std::array<int, 7> candidate = draws[i];
        for (std::size_t k = 0; k < 7; ++k) {
          if (random_int(2) == 1) candidate[k] = random_int(bound(k)) + 1;
        }
        found = consider(candidate);
      }
    }
    for (std::size_t c = 0; c < watched.size(); ++c) history[c].push_back(best_texts[c]);
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
  // One state a Level, made when first asked for. The row's begin-to-variant values are one
  // set for all of them, so the begin entry runs again whenever the Level printed changes.
  struct Probes {
    std::array<std::unique_ptr<SharedState>, kLevelCount + 1> at;
    int begun = 0;
  };
  auto probes = std::make_shared<Probes>();
  // The Start's state may change before the printer is used: a copy of what the probes take.
  auto from = std::make_shared<SharedState>();
  CopyProbeSettings(s, *from);
  return [probes, from, &table](int level, int v, const std::array<int, 7>& p) {
    if (level < 1 || level > kLevelCount) level = 1;
    auto& probe = probes->at[static_cast<std::size_t>(level)];
    if (!probe) {
      // Heap: the state is large.
      probe = std::make_unique<SharedState>();
      figures::ResetDrawingState(*probe);
      CopyProbeSettings(*from, *probe);
      probes->begun = 0;
    }
    SharedState& st = *probe;
    if (probes->begun != level) {
      // A begin entry may lower Level or switch TicketMode on: each begins from the Start's.
      st.Level = level;
      st.TicketMode = from->TicketMode;
      st.WriteCramerRows = true;
      st.AnsTableOpen = false;
      st.Ans2TableOpen = false;
      st.MainFile.OpenMemory();
      st.AnswersFile.OpenMemory();
      st.SecondAnswersFile.OpenMemory();
      BeginSubjectProblem(st, st.ProblemNumber, table);
      probes->begun = level;
    }
    st.VariantIndex = v;
    for (int k = 1; k <= 7; ++k) {
      st.StoredVariants[v][k] = static_cast<std::uint8_t>(p[static_cast<std::size_t>(k - 1)] & 0xFF);
    }
    TakeStoredParameters(st, v);
    // Only this variant's text is kept: what earlier printings wrote is dropped.
    st.MainFile.OpenMemory();
    st.AnswersFile.OpenMemory();
    st.SecondAnswersFile.OpenMemory();
    WriteSubjectVariant(st, st.ProblemNumber, table);
    toolkit::EndAnswersRows(st);
    return st.MainFile.Contents();
  };
}

void PrepareVariantParameterFile(SharedState& s, Platform& platform,
                                 const std::filesystem::path& start_dir,
                                 const SubjectTable& table) {
  if (!LocateVariantParameterFile(s, start_dir, table)) return;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::path(s.ParameterFilePath), ec)) return;
  ParameterDraws draws = DrawVariantParameters(s, platform);
  // The file serves every Level of its set: the Start's own first.
  std::vector<int> levels = {std::clamp(s.Level, 1, kLevelCount)};
  for (int level = 1; level <= kLevelCount; ++level) {
    if (level != levels.front()) levels.push_back(level);
  }
  RedrawRepeatedVariants(s, draws, SelectedRowPrinter(s, table), levels);
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
  TakeStoredParameters(s, v);
}

void TakeStoredParameters(SharedState& s, int v) {
  // Stored bytes reach the generators as signed 8-bit values.
  const auto& record = s.StoredVariants[v];
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
