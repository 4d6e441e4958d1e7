// catalogue --list
// catalogue OUTDIR [--subject S] [--row R] [--levels 1,5,10] [--variants N] [--set N]
//           [--answers on|off] [--mode problems|tickets|colloquium] [--rows all|built]
//
// --list prints one line per problem row of every tab: letter, row, "built" or "not-built",
// title (a tab without rows prints one line with row 0). Otherwise writes documents through the
// real Start road into OUTDIR (its otv/ and dat*/ folders are made there) and prints one line per
// document: subject, row, level, file name, bytes. Without --subject every built subject is
// written, without --row every row of it; a subject and row named explicitly are written even when
// the subject is not built (the frame only); --rows built leaves out the rows not built.
// Parameter files are drawn from a fixed seed, so a fresh OUTDIR always gets the same documents.
// Tickets without --subject and --rows are written once, without a problem; tickets of a named
// subject or of --rows built carry each row's problem and are renamed
// t<row><letter>math<level letter>.tex, so that the rows do not overwrite each other. Exits with
// 1 when any Start failed, 2 on bad arguments.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "shell/colloquium.h"
#include "shell/dispatch.h"
#include "shell/platform.h"
#include "shell/start.h"
#include "shell/tickets.h"
#include "subjects/shared_state.h"
#include "tests/support/fake_platform.h"

namespace {

// The recording platform, telling its messages on stderr: nothing is started (the typeset
// script runs latex), the date is fixed and the random draws are reproducible.
class CataloguePlatform : public testing_support::FakePlatform {
 public:
  CataloguePlatform() { date = "01.01.2027"; }

  void ShowMessage(const std::string& text) override {
    FakePlatform::ShowMessage(text);
    std::cerr << "message: " << text << "\n";
  }
};

struct Options {
  std::filesystem::path out_dir;
  int subject = 0;  // 0: every built subject
  int row = 0;      // 0: every row
  std::vector<int> levels = {1};
  int variants = 4;
  int set = 1;
  bool answers = true;
  std::string mode = "problems";
  bool built_only = false;
};

[[noreturn]] void Usage(const std::string& why) {
  if (!why.empty()) std::cerr << "catalogue: " << why << "\n";
  std::cerr
            << "usage: catalogue --list\n"
            << "       catalogue OUTDIR [--subject S] [--row R] [--levels 1,5,10] "
               "[--variants N] [--set N] [--answers on|off] "
               "[--mode problems|tickets|colloquium] [--rows all|built]\n";
  std::exit(2);
}

int ParseInt(const std::string& text, int lo, int hi, const std::string& what) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size() && value >= lo && value <= hi) return value;
  } catch (const std::exception&) {
  }
  Usage(what + " must be a number in " + std::to_string(lo) + ".." + std::to_string(hi));
}

int ParseSubject(const std::string& text) {
  for (int i = 1; i <= 9; ++i) {
    if (text == shell::SubjectLetters[static_cast<std::size_t>(i - 1)]) return i;
  }
  return ParseInt(text, 1, 9, "--subject (a letter a m g c s k d b L or 1..9)");
}

Options ParseOptions(int argc, char** argv) {
  if (argc < 2) Usage("OUTDIR missing");
  // An option in the place of the folder ("--help") would otherwise become a folder full of
  // documents.
  if (argv[1][0] == '-') Usage(std::string(argv[1]) == "--help" ? "" : "OUTDIR missing");
  Options o;
  o.out_dir = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) Usage(arg + " needs a value");
    const std::string value = argv[++i];
    if (arg == "--subject") {
      o.subject = ParseSubject(value);
    } else if (arg == "--row") {
      o.row = ParseInt(value, 1, 255, "--row");
    } else if (arg == "--levels") {
      o.levels.clear();
      std::istringstream list(value);
      for (std::string item; std::getline(list, item, ',');) {
        o.levels.push_back(ParseInt(item, 1, 10, "a level"));
      }
      if (o.levels.empty()) Usage("--levels is empty");
    } else if (arg == "--variants") {
      o.variants = ParseInt(value, 1, 40, "--variants");
    } else if (arg == "--set") {
      o.set = ParseInt(value, 1, 10000, "--set");
    } else if (arg == "--answers") {
      if (value != "on" && value != "off") Usage("--answers takes on or off");
      o.answers = value == "on";
    } else if (arg == "--mode") {
      if (value != "problems" && value != "tickets" && value != "colloquium") {
        Usage("--mode takes problems, tickets or colloquium");
      }
      o.mode = value;
    } else if (arg == "--rows") {
      if (value != "all" && value != "built") Usage("--rows takes all or built");
      o.built_only = value == "built";
    } else {
      Usage("unknown option " + arg);
    }
  }
  if (o.row != 0 && o.subject == 0) Usage("--row needs --subject");
  return o;
}

std::unique_ptr<SharedState> NewState(const Options& o) {
  auto s = std::make_unique<SharedState>();
  s->FirstNumber = 1;
  s->VariantCount = o.variants;
  s->SetNumber = o.set;
  s->AnswersOn = o.answers;
  s->UniversityName = "Университет";
  s->DepartmentName = "Кафедра высшей математики";
  s->TicketDate = "01.01.2027.";
  const char* list1[] = {"Предел последовательности.", "Производная и дифференциал.",
                         "Определённый интеграл."};
  const char* list2[] = {"Ряды Тейлора.", "Определитель матрицы."};
  for (int i = 1; i <= 3; ++i) s->QuestionList1[i] = list1[i - 1];
  for (int i = 1; i <= 2; ++i) s->QuestionList2[i] = list2[i - 1];
  s->QuestionCount1 = 3;
  s->QuestionCount2 = 2;
  shell::ParseColloquiumList(*s, {"Что такое предел?", "Что такое производная?", "###",
                                  "Что такое интеграл?", "Что такое ряд?", "***"});
  return s;
}

// Runs one Start and prints its line; returns false when it failed.
bool WriteOne(const Options& o, CataloguePlatform& platform, int subject, int row, int level,
              int mode) {
  auto s = NewState(o);
  shell::ShellSession session;
  session.StartDirectory = o.out_dir;
  session.LevelControl = level;
  s->DocumentMode = mode;
  s->SubjectIndex = subject;
  if (subject >= 1) s->SavedProblems[subject] = row;
  if (mode == 1) {
    // As the window does: the run reads the selected row and the question file itself.
    s->TicketProblemOn = subject >= 1 && row >= 1;
    s->Level = level;
    if (!shell::LoadTicketQuestions(*s, platform, o.out_dir)) return false;
  }
  const std::string label =
      subject >= 1 ? std::string(shell::SubjectLetters[static_cast<std::size_t>(subject - 1)])
                   : std::string(mode == 1 ? "tickets" : "colloquium");
  if (!shell::Start(*s, session, platform)) {
    std::cout << label << " " << row << " " << level << " FAILED\n";
    return false;
  }
  std::filesystem::path file = o.out_dir / (s->OutputName + ".tex");
  if (mode == 1 && subject >= 1) {
    // Every row's tickets are named math<level letter>.tex: each row keeps its own copy.
    const std::filesystem::path renamed =
        o.out_dir / ("t" + std::to_string(row) + label + s->OutputName + ".tex");
    std::filesystem::rename(file, renamed);
    file = renamed;
  }
  std::cout << label << " " << row << " " << level << " " << file.filename().string() << " "
            << std::filesystem::file_size(file) << "\n";
  return true;
}

}  // namespace

// One line per row of every tab, for the README's list of rows not built and for people.
int ListRows() {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int subject = 1; subject <= 9; ++subject) {
    const shell::SubjectRow& tab = *shell::FindSubject(table, subject);
    const int rows = shell::ProblemCount(table, subject);
    if (rows == 0) std::cout << tab.Letter << " 0 not-built " << tab.Caption << "\n";
    for (int r = 1; r <= rows; ++r) {
      std::cout << tab.Letter << " " << r << " "
                << (shell::IsBuilt(table, subject, r) ? "built" : "not-built") << " "
                << shell::ProblemTitle(table, subject, r) << "\n";
    }
  }
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--list") return ListRows();
  const Options o = ParseOptions(argc, argv);
  std::filesystem::create_directories(o.out_dir / "otv");
  CataloguePlatform platform;
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  bool ok = true;

  if (o.mode == "colloquium") {
    for (int level : o.levels) ok = WriteOne(o, platform, 0, 0, level, 2) && ok;
    return ok ? 0 : 1;
  }
  const int mode = o.mode == "tickets" ? 1 : 0;
  if (mode == 1 && o.subject == 0 && !o.built_only) {
    for (int level : o.levels) ok = WriteOne(o, platform, 0, 0, level, 1) && ok;
    return ok ? 0 : 1;
  }
  for (int subject = 1; subject <= 9; ++subject) {
    if (o.subject != 0 && subject != o.subject) continue;
    const shell::SubjectRow* row = shell::FindSubject(table, subject);
    const bool built = row->Tab != nullptr;
    if (!built && o.row == 0) continue;
    const int rows = o.row != 0 ? o.row : shell::ProblemCount(table, subject);
    for (int r = o.row != 0 ? o.row : 1; r <= rows; ++r) {
      if (o.built_only && !shell::IsBuilt(table, subject, r)) continue;
      for (int level : o.levels) ok = WriteOne(o, platform, subject, r, level, mode) && ok;
    }
  }
  return ok ? 0 : 1;
}
