// The settings file: read over the defaults, every value within its range, then a Start
// with what it selected.
#include <string>

#include "shell/settings.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(settings) {
  fuzz_support::Workplace w;
  w.Put(shell::kSettingsFileName, fuzz_support::Bytes(data, size));
  shell::LoadSettings(*w.s, w.platform, w.dir);
  const SharedState& s = *w.s;
  auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  if (!in(s.FirstNumber, 1, 1000) || !in(s.VariantCount, 1, 40) || !in(s.SetNumber, 1, 10000) ||
      !in(s.QuestionSetNumber, 0, 99) || !in(s.DocumentMode, 0, 2) || !in(s.Level, 1, 10) ||
      !in(s.SubjectIndex, 1, 9) || s.DepartmentIndex < 0 || s.UniversityIndex < 0) {
    fuzz_support::Finding("a settings value outside its range");
  }
  for (int k = 1; k <= 9; ++k) {
    if (!in(s.SavedProblems[k], 0, 40)) fuzz_support::Finding("a saved row outside 0..40");
  }
  for (const std::string* text : {&s.LatexPath, &s.GsviewPath, &s.StudentsFileName, &s.GroupName}) {
    if (!fuzz_support::IsUtf8(*text)) fuzz_support::Finding("a settings text is not UTF-8");
  }
  w.session.LevelControl = s.Level;
  w.Start();
  return 0;
}
