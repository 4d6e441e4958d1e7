#include "subjects/mechanisms/lagrange_catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "tests/subjects/mechanisms/catalogue_run.h"
#include "tests/support/run_harness.h"

namespace mechanisms {
namespace {

using mechanisms_test::BuiltSchemes;
using mechanisms_test::RunScheme;
using testing_support::VariantParams;

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Whether the braces of text nest properly ("\{" and "\}" are text, not groups).
bool BracesBalanced(const std::string& text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '{' || text[i + 1] == '}')) {
      ++i;
    } else if (text[i] == '{') {
      ++depth;
    } else if (text[i] == '}' && --depth < 0) {
      return false;
    }
  }
  return depth == 0;
}

// The forces and moments a text names or a figure writes: F, P, M, M_1, M_2.
std::set<std::string> ForceSymbols(const std::string& text) {
  std::set<std::string> out;
  const std::vector<std::pair<std::string, std::vector<std::string>>> symbols = {
      {"F", {"$F$", "$\\vec F$"}},
      {"P", {"$P$", "$\\vec P$"}},
      {"M", {"$M$"}},
      {"M_1", {"$M_1$"}},
      {"M_2", {"$M_2$"}},
  };
  for (const auto& [name, spellings] : symbols) {
    for (const std::string& spelling : spellings) {
      if (text.find(spelling) != std::string::npos) out.insert(name);
    }
  }
  return out;
}

// Loads drawn in a figure that the statement's given text does not name; the texts are kept
// as they are given and the mismatch is known.
std::set<std::string> DrawnButNotNamed(const VariantParams& p) {
  switch (p[0]) {
    case 1:
      return p[3] == 2 ? std::set<std::string>{"M"} : std::set<std::string>{};
    case 2:
    case 7:
      return {"F", "M"};
    case 3:
      return p[3] == 2 ? std::set<std::string>{"P"} : std::set<std::string>{};
    case 19:
      return {"F"};
    default:
      return {};
  }
}

// Every option combination of every built scheme (of the schemes that read P5, the values
// 1, 4, 5, 6 and 10, where their figures change, unless TARBEL_FULL is set).
std::vector<VariantParams> AllCombinations() {
  const bool full = std::getenv("TARBEL_FULL") != nullptr;
  std::vector<VariantParams> out;
  for (const auto& b : BuiltSchemes()) {
    for (const VariantParams& p : mechanisms_test::OptionSweep(b)) {
      const bool sampled = p[4] == 1 || p[4] == 4 || p[4] == 5 || p[4] == 6 || p[4] == 10;
      if (!full && b.sub_variants > 1 && !sampled) continue;
      out.push_back(p);
    }
  }
  return out;
}

std::string Describe(const VariantParams& p) {
  std::string out = "P1..P7 =";
  for (int v : p) out += " " + std::to_string(v);
  return out;
}

TEST(LagrangeCatalogue, BeginInputsKolcoSetsTheBoxWidthAndSaysThereIsNoKey) {
  auto s = testing_support::NewState();
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginLagrangeCatalogueProblem(st); }, [](SharedState&) {}, {});
  EXPECT_EQ(texts.main.rfind("\\input{kolco.txt}", 0), 0u) << texts.main;
  EXPECT_NE(texts.main.find("(p.300.)"), std::string::npos) << texts.main;
  EXPECT_EQ(s->ParboxWidth, 370);
  // The row has no numbers to answer: its key says so and opens no table.
  EXPECT_EQ(texts.answers,
            "{\\small Ключа ответов нет: в каждом варианте требуется составить уравнение "
            "движения системы в общем виде.}\\par\r\n");

  auto t = testing_support::NewState();
  t->TicketMode = true;
  const auto ticket = testing_support::RunBeginVariant(
      *t, [](SharedState& st) { BeginLagrangeCatalogueProblem(st); }, [](SharedState&) {}, {});
  EXPECT_EQ(ticket.main, "\\input{kolco.txt}");
}

TEST(LagrangeCatalogue, CoordinateSymbolByScheme) {
  struct Case {
    int scheme, p4, p5, p7;
    const char* line;
  };
  const Case cases[] = {
      {126, 1, 5, 2, " $\\varphi$. "}, {126, 1, 5, 4, " $\\varphi$. "},
      {126, 1, 5, 3, " $x$. "},        {126, 2, 5, 1, " $x$. "},
      {126, 1, 4, 3, " $\\varphi$. "}, {60, 1, 1, 1, " $x$. "},
      {60, 2, 1, 1, " $\\varphi$. "},  {84, 2, 1, 1, " $\\varphi$. "},
      {87, 1, 1, 1, " $x$. "},         {36, 2, 1, 1, " $x$. "},
      {123, 2, 7, 1, " $x$. "},        {49, 1, 1, 1, " $y$. "},
      {68, 2, 1, 1, " $y$. "},         {67, 1, 1, 1, ""},
      {70, 2, 1, 1, ""},               {1, 1, 1, 1, " $\\varphi$. "},
      {127, 1, 5, 3, " $\\varphi$. "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CoordinateSymbolLine(c.scheme, c.p4, c.p5, c.p7), c.line)
        << c.scheme << " " << c.p4 << " " << c.p5 << " " << c.p7;
  }
}

// Every built variant: one picture, closed just before the statement's box, balanced
// braces, the task line, nothing in the answers files, the drawing state back; and the
// figure marks the coordinate the task line names and writes the loads the statement names,
// with the bodies 1 and 2 of the masses m1 and m2.
TEST(LagrangeCatalogue, EveryCombinationIsFramedAndAgreesWithItsStatement) {
  for (const VariantParams& p : AllCombinations()) {
    auto s = testing_support::NewState();
    const auto texts = RunScheme(*s, p);
    const std::string body = mechanisms_test::VariantBody(texts.main);
    SCOPED_TRACE(Describe(p));
    EXPECT_EQ(Count(body, "\\begin{picture}"), 1u);
    EXPECT_EQ(Count(body, "\\end{picture}"), 1u);
    EXPECT_NE(body.find("\\end{picture}\r\n\\hfill\\parbox[b]{290pt}{\r\n"), std::string::npos);
    EXPECT_TRUE(BracesBalanced(body)) << body;
    // A figure drawn at its own unit changes it inside its picture, where the change ends with
    // the picture; a change outside would scale every figure after it.
    for (auto unit = body.find("\\unitlength"); unit != std::string::npos;
         unit = body.find("\\unitlength", unit + 1)) {
      EXPECT_GT(unit, body.find("\\begin{picture}"));
      EXPECT_LT(unit, body.find("\\end{picture}"));
    }
    const std::string symbol = CoordinateSymbolLine(p[0], p[3], p[4], p[6]);
    const std::string ending = "\r\n" + symbol + "\r\n}%%\r\n";
    ASSERT_GE(body.size(), ending.size());
    EXPECT_EQ(body.substr(body.size() - ending.size()), ending) << body;
    EXPECT_NE(body.find(" Составить уравнение движения системы. За обобщенную координату "
                        "принять "),
              std::string::npos);
    EXPECT_EQ(texts.answers.find("\\begin"), std::string::npos) << texts.answers;
    EXPECT_EQ(texts.second_answers.find("\\begin"), std::string::npos) << texts.second_answers;
    EXPECT_EQ(s->BlockColour, "\\OliveGreen");
    const auto split = body.find("\\end{picture}");
    const std::string figure = body.substr(0, split);
    const std::string statement = body.substr(split);
    const std::string mark = symbol == " $x$. "   ? "{$x$}"
                             : symbol == " $y$. " ? "{$y$}"
                             : symbol.empty()      ? ""
                                                   : "$\\varphi$";
    EXPECT_NE(figure.find(mark), std::string::npos) << symbol;

    std::set<std::string> drawn = ForceSymbols(figure);
    for (const std::string& known : DrawnButNotNamed(p)) drawn.erase(known);
    // Scheme 76 places its moment box on cylinder B without an "$M$" label.
    if (p[0] == 76 && p[4] <= 4) drawn.insert("M");
    EXPECT_EQ(drawn, ForceSymbols(statement)) << statement;
    EXPECT_NE(statement.find("$m_1$"), std::string::npos) << statement;
    EXPECT_NE(statement.find("$m_2$"), std::string::npos) << statement;
    for (const std::string body_number : {"1", "2"}) {
      const bool labelled = figure.find("{$" + body_number + "$}") != std::string::npos ||
                            figure.find("{" + body_number + "}}") != std::string::npos;
      EXPECT_TRUE(labelled) << body_number << "\n" << figure;
    }
    // Scheme 65 draws its rod from a corner and leaves blocks so for the rest of the
    // variant; the next variant's driver centres them again.
    EXPECT_EQ(s->BlockCentred, p[0] != 65);
  }
}

}  // namespace
}  // namespace mechanisms
