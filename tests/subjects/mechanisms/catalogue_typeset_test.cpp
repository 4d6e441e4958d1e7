#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/document_frame.h"
#include "subjects/mechanisms/lagrange_catalogue.h"
#include "tests/subjects/mechanisms/catalogue_run.h"
#include "tests/support/run_harness.h"
#include "tests/support/temp_dir.h"
#include "toolkit/writers.h"

namespace mechanisms {
namespace {

using testing_support::VariantParams;

// One document of the catalogue's variants, framed as the problem-set run frames them.
void WriteDocument(const std::filesystem::path& dir, const std::string& base,
                   const std::vector<VariantParams>& variants) {
  auto s = testing_support::NewState();
  s->TextHeight = 735;
  s->ProblemNumber = 30;
  shell::OpenDocument(*s, dir, base, 430);
  BeginLagrangeCatalogueProblem(*s);
  for (std::size_t v = 1; v <= variants.size(); ++v) {
    testing_support::SetVariant(*s, static_cast<int>(v), variants[v - 1]);
    toolkit::WriteLine(*s, " ");
    toolkit::WriteTextNumberLn(*s, "\\fboxsep=8pt\\noindent\\fbox{\\parbox{", s->ParboxWidth * 1.2,
                               "pt}{");
    shell::WriteProblemHeading(*s);
    toolkit::WriteText(*s, "\\vskip1pt");
    WriteLagrangeCatalogueVariant(*s, s->P1, s->P2, s->P3, s->P4, s->P5, s->P6);
    toolkit::WriteLine(*s, "}}%");
    toolkit::WriteText(*s, "\\rule{0pt}{50pt}\\rule{12pt}{0pt}");
  }
  shell::CloseDocument(*s);
}

// The variants to typeset: every built scheme (and every sub-variant of schemes 123..126)
// with all options 1 and with all options at their bounds; with TARBEL_FULL every option
// combination.
std::vector<VariantParams> TypesetVariants() {
  const bool full = std::getenv("TARBEL_FULL") != nullptr;
  std::vector<VariantParams> out;
  for (const auto& b : mechanisms_test::BuiltSchemes()) {
    if (full) {
      for (const VariantParams& p : mechanisms_test::OptionSweep(b)) out.push_back(p);
      continue;
    }
    if (b.scheme < 123) {
      out.push_back({b.scheme, 1, 1, 1, 1, 1, 1});
      out.push_back({b.scheme, 2, 2, 2, 10, 2, 5});
      continue;
    }
    for (int p5 = 1; p5 <= b.sub_variants; ++p5) {
      out.push_back({b.scheme, 1, 1, 1, p5, 1, 1});
      out.push_back({b.scheme, 2, 2, 2, p5, 2, 5});
    }
  }
  return out;
}

// latex takes every built figure and statement: no error, no undefined savebox or macro.
// The documents stay in $TARBEL_CATALOGUE_OUT when it names a folder, for a look.
TEST(LagrangeCatalogueTypeset, BuiltSchemesTypesetWithTheSupportFiles) {
  if (std::system("command -v latex >/dev/null 2>&1") != 0) GTEST_SKIP() << "no latex";
  testing_support::TempDir temp;
  const char* keep = std::getenv("TARBEL_CATALOGUE_OUT");
  const std::filesystem::path dir = keep != nullptr ? std::filesystem::path(keep) : temp.path();
  std::filesystem::create_directories(dir);

  const std::vector<VariantParams> variants = TypesetVariants();
  int documents = 0;
  for (std::size_t from = 0; from < variants.size(); from += 40) {
    const std::vector<VariantParams> part(
        variants.begin() + static_cast<long>(from),
        variants.begin() + static_cast<long>(std::min(variants.size(), from + 40)));
    WriteDocument(dir, "lagrange" + std::to_string(++documents), part);
  }
  const std::string log = (dir / "typeset.out").string();
  const std::string command =
      std::string(TARBEL_SOURCE_DIR) + "/scripts/typeset '" + dir.string() + "' >'" + log + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << testing_support::ReadBytes(log);
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".log") continue;
    const std::string text = testing_support::ReadBytes(entry.path());
    EXPECT_EQ(text.find("Undefined control sequence"), std::string::npos) << entry.path();
    EXPECT_EQ(text.find("LaTeX Error"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace mechanisms
