#include "tests/subjects/mechanisms/catalogue_run.h"

#include "subjects/mechanisms/lagrange_catalogue.h"

namespace mechanisms_test {

const std::vector<BuiltScheme>& BuiltSchemes() {
  static const std::vector<BuiltScheme> built = [] {
    std::vector<BuiltScheme> v;
    for (int scheme = 1; scheme <= 99; ++scheme) {
      // These schemes read P5 as well.
      const bool by_p5 = scheme == 56 || scheme == 69 || scheme == 70 || scheme == 73 ||
                         scheme == 75 || (scheme >= 76 && scheme <= 91) || scheme == 98 ||
                         scheme == 99;
      v.push_back({scheme, by_p5 ? 10 : 1});
    }
    for (int scheme = 100; scheme <= 122; ++scheme) v.push_back({scheme, 1});
    v.push_back({123, 10});
    v.push_back({124, 10});
    v.push_back({125, 10});
    v.push_back({126, 10});
    v.push_back({127, 10});
    return v;
  }();
  return built;
}

testing_support::RunTexts RunScheme(const testing_support::VariantParams& p) {
  auto s = testing_support::NewState();
  return RunScheme(*s, p);
}

testing_support::RunTexts RunScheme(SharedState& s, const testing_support::VariantParams& p) {
  return testing_support::RunBeginVariant(
      s, [](SharedState& st) { mechanisms::BeginLagrangeCatalogueProblem(st); },
      [](SharedState& st) {
        mechanisms::WriteLagrangeCatalogueVariant(st, st.P1, st.P2, st.P3, st.P4, st.P5, st.P6);
      },
      {p});
}

std::string VariantBody(const std::string& main) {
  const auto from = main.find("\\noindent\\begin{picture}");
  if (from == std::string::npos) return main;
  return main.substr(from);
}

std::vector<testing_support::VariantParams> OptionSweep(const BuiltScheme& b) {
  std::vector<testing_support::VariantParams> out;
  for (int p2 = 1; p2 <= 2; ++p2)
    for (int p3 = 1; p3 <= 2; ++p3)
      for (int p4 = 1; p4 <= 2; ++p4)
        for (int p5 = 1; p5 <= b.sub_variants; ++p5)
          for (int p6 = 1; p6 <= 2; ++p6)
            for (int p7 = 1; p7 <= 5; ++p7) out.push_back({b.scheme, p2, p3, p4, p5, p6, p7});
  return out;
}

}  // namespace mechanisms_test
