// A variant parameter file of a built row (chosen by the first two bytes): a Start of 40
// variants reads it for every variant.
#include <string>

#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(parameter_file) {
  if (size < 2) return 0;
  fuzz_support::Workplace w;
  if (!fuzz_support::SelectRow(*w.s, w.session, data[0], data[1])) return 0;
  SharedState& s = *w.s;
  s.SetNumber = 1;
  s.FirstNumber = 1;
  s.VariantCount = 40;
  s.AnswersOn = true;
  w.Put("dat" + std::to_string(s.SubjectIndex) + "/" +
            std::to_string(s.SavedProblems[s.SubjectIndex]) + "/1.txt",
        fuzz_support::Bytes(data + 2, size - 2));
  w.Start();
  return 0;
}
