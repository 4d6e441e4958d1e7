#pragma once

#include <string>
#include <vector>

#include "tests/support/run_harness.h"

namespace mechanisms_test {

/// The schemes whose figures are drawn so far, each with its sub-variants (1 when it has none).
struct BuiltScheme {
  int scheme;
  int sub_variants;
};
const std::vector<BuiltScheme>& BuiltSchemes();

/// One catalogue variant with P1..P7 = p through the begin and variant entries, in memory.
testing_support::RunTexts RunScheme(const testing_support::VariantParams& p);
/// The same on a given fresh state, which keeps the drawing state the variant left.
testing_support::RunTexts RunScheme(SharedState& s, const testing_support::VariantParams& p);

/// The variant's text from its picture to the statement's closing "}%%".
std::string VariantBody(const std::string& main);

/// Every option combination of a built scheme: P2, P3, P4, P6 in 1..2, P5 over the scheme's
/// sub-variants, P7 in 1..5.
std::vector<testing_support::VariantParams> OptionSweep(const BuiltScheme& b);

}  // namespace mechanisms_test
