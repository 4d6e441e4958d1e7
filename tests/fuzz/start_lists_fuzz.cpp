// The four start files: the input is kaf.txt, vuz.txt, ma1.txt or ma2.txt (first byte),
// the others are missing; the start-up steps run, then a ticket Start with what they read.
#include <string>

#include "shell/start_up.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(start_lists) {
  if (size < 1) return 0;
  static const char* const kNames[] = {"kaf.txt", "vuz.txt", "ma1.txt", "ma2.txt"};
  fuzz_support::Workplace w;
  w.Put(kNames[data[0] % 4], fuzz_support::Bytes(data + 1, size - 1));
  const shell::StartFileRows rows = shell::StartUp(*w.s, w.session, w.platform);
  SharedState& s = *w.s;
  if (s.QuestionCount1 < 0 || s.QuestionCount1 > 50 || s.QuestionCount2 < 0 ||
      s.QuestionCount2 > 50 || rows.departments.size() > 1000 || rows.universities.size() > 1000) {
    fuzz_support::Finding("a start list read past its bounds");
  }
  for (int i = 1; i <= s.QuestionCount1; ++i) {
    if (!fuzz_support::IsUtf8(s.QuestionList1[i])) fuzz_support::Finding("a question is not UTF-8");
  }
  s.DepartmentName = rows.departments.empty() ? "" : rows.departments.front();
  s.UniversityName = rows.universities.empty() ? "" : rows.universities.back();
  // The file read at start-up was drawn for lists of length 0; the Start draws its own.
  s.DocumentMode = 1;
  s.VariantCount = 5;
  s.FirstNumber = 1;
  w.Start();
  return 0;
}
