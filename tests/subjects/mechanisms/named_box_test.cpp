#include "subjects/mechanisms/named_box.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_harness.h"

namespace mechanisms {
namespace {

struct KindCase {
  int kind;
  const char* expected;
};

TEST(PutNamedBoxByKind, PutsTheBoxOfItsKindAtItsPointAndNothingForOtherKinds) {
  const KindCase cases[] = {
      {1, "\\put(1,2){\\usebox{\\dmomentp}}"},
      {2, "\\put(30,40.5){\\usebox{\\dmomentm}}"},
      {0, ""},
      {3, ""},
      {-1, ""},
  };
  for (const auto& c : cases) {
    auto s = testing_support::NewState();
    s->PointX[3] = 1, s->PointY[3] = 2;
    s->PointX[7] = 30, s->PointY[7] = 40.5;
    PutNamedBoxByKind(*s, c.kind, 3, 7, "dmomentp", "dmomentm");
    EXPECT_EQ(testing_support::MainText(*s), c.expected) << "kind " << c.kind;
  }
}

TEST(PutNamedBoxByKind, CutsLongNamesTo35Characters) {
  auto s = testing_support::NewState();
  const std::string long_name(40, 'a');
  PutNamedBoxByKind(*s, 2, 1, 1, "x", long_name);
  EXPECT_EQ(testing_support::MainText(*s), "\\put(0,0){\\usebox{\\" + std::string(35, 'a') + "}}");
}

}  // namespace
}  // namespace mechanisms
