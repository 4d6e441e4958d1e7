// A colloquium list loaded as its window loads it, parsed, then a colloquium Start of 3 sets.
#include "shell/colloquium.h"
#include "shell/list_files.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(colloquium_list) {
  fuzz_support::Workplace w;
  w.Put("list.txt", fuzz_support::Bytes(data, size));
  const auto file = shell::LoadListFile(w.platform, w.dir / "list.txt");
  if (!file) return 0;
  SharedState& s = *w.s;
  shell::ParseColloquiumList(s, file->lines);
  w.session.ColloquiumList = file->lines;
  if (s.ColloquiumGroupCount != static_cast<int>(s.ColloquiumQuestions.size())) {
    fuzz_support::Finding("the group count differs from the groups");
  }
  s.DocumentMode = 2;
  s.SetNumber = 3;
  w.Start();
  return 0;
}
