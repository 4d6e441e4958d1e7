#!/usr/bin/env bash
# sheet_test.sh CATALOGUE ROOT OUTDIR [WHAT [VARIANTS [LEVELS]]]
# Every built problem row at LEVELS (all ten by default, VARIANTS variants, 40 by default,
# answers on) written into one start folder, so that Levels 2..10 read the parameter file drawn
# at Level 1 as a teacher's start folder does; the tickets of every built row with its problem
# (Level 1, 4 tickets), the tickets without a problem and the colloquium sets. Each is typeset
# (a document the same as an earlier one, as most rows print at many Levels, once), converted to
# A4 PostScript as the program does and measured: a page with a mark within 5 mm of an edge of
# the A4 sheet fails the test, named by subject, row and level. WHAT narrows the run to one tab
# (its letter: its rows and their tickets) or to the documents of no tab ("frame": tickets
# without a problem, colloquium), so that ctest can run the tabs side by side; "tickets" writes
# the tickets of every built row at LEVELS alone; "all" (the default) runs everything. Exit 77
# (skipped) when latex, dvips or gs is missing.
set -uo pipefail
catalogue=$1 root=$2 out=$3 what=${4:-all} variants=${5:-40} levels=${6:-1,2,3,4,5,6,7,8,9,10}
for program in latex dvips gs; do
  if ! command -v "$program" >/dev/null; then
    echo "$program not found: skipped"
    exit 77
  fi
done
rm -rf "$out"
mkdir -p "$out"
status=0
list="$out/catalogue.txt"
: >"$list"
if [[ $what == tickets ]]; then
  "$catalogue" "$out" --mode tickets --rows built --levels "$levels" --variants 4 >>"$list" ||
    status=1
elif [[ $what != frame ]]; then
  tab=()
  [[ $what == all ]] || tab=(--subject "$what")
  "$catalogue" "$out" "${tab[@]}" --levels "$levels" --variants "$variants" --answers on \
    --rows built >>"$list" || status=1
  "$catalogue" "$out" "${tab[@]}" --mode tickets --rows built --levels 1 --variants 4 \
    >>"$list" || status=1
fi
if [[ $what == all || $what == frame ]]; then
  "$catalogue" "$out" --mode tickets --levels 1 --variants 4 >>"$list" || status=1
  "$catalogue" "$out" --mode colloquium --levels 1 >>"$list" || status=1
fi
grep FAILED "$list" && echo "some documents could not be written (see above)"

report=$("$root/scripts/typeset" --sheet --once "$out")
typeset_status=$?
awk 'NR == FNR { who[$4] = "subject " $1 " row " $2 " level " $3; next }
     /^FAIL / { file = $2; sub(":$", "", file); rest = $0; sub("^FAIL [^ ]* ", "", rest);
                print "OFF THE SHEET OR REJECTED: " (file in who ? who[file] : "?") " (" file "): " rest; next }
     { print }' "$list" - <<<"$report"
# The frame's own documents (tickets without a problem, colloquium) hold nothing but the frame:
# a box latex finds too wide there is the frame's own fault (the ticket's frame once stood
# 16.8 pt past its line on every ticket).
while read -r label _ _ file _; do
  [[ $label == tickets || $label == colloquium ]] || continue
  log="$out/${file%.tex}.log"
  if grep -q '^Overfull \\hbox' "$log" 2>/dev/null; then
    echo "OVERFULL FRAME: $label ($file): $(grep -m1 '^Overfull \\hbox' "$log")"
    status=1
  fi
done <"$list"
echo "documents written: $(wc -l <"$list")"
[[ $typeset_status -eq 0 ]] || status=1
exit $status
