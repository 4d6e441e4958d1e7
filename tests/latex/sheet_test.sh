#!/usr/bin/env bash
# sheet_test.sh CATALOGUE ROOT OUTDIR [VARIANTS]
# Every built problem row at Levels 1, 5 and 10 (VARIANTS variants, 40 by default, answers on),
# the tickets of every built row with its problem (Level 1, 4 tickets), the tickets without a
# problem and the colloquium sets are typeset, converted to A4 PostScript as the program does
# and measured: a page with a mark within 5 mm of an edge of the A4 sheet fails the test, named
# by subject, row and level. Exit 77 (skipped) when latex, dvips or gs is missing.
set -uo pipefail
catalogue=$1 root=$2 out=$3 variants=${4:-40}
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
"$catalogue" "$out" --levels 1,5,10 --variants "$variants" --answers on --rows built >"$list" ||
  status=1
"$catalogue" "$out" --mode tickets --rows built --levels 1 --variants 4 >>"$list" || status=1
"$catalogue" "$out" --mode tickets --levels 1 --variants 4 >>"$list" || status=1
"$catalogue" "$out" --mode colloquium --levels 1 >>"$list" || status=1
grep FAILED "$list" && echo "some documents could not be written (see above)"

# Rows known to leave the sheet, for their tabs to mend: their documents are reported as
# KNOWN and do not fail the test (a row that comes back onto the sheet must leave this list).
known=" o14a1A o14a1E o14a1J o15a1A o15a1E o15a1J o16a1A o16a1E o16a1J o21a1A o21a1E o21a1J
        o27a1A o27a1E o27a1J o1g1A o1g1E o1g1J o8g1A o8g1E o8g1J "
report=$("$root/scripts/typeset" --sheet "$out")
typeset_status=0
while IFS= read -r line; do
  if [[ $line == FAIL\ * ]]; then
    doc=${line#FAIL }
    doc=${doc%%.tex:*}
    if [[ $known == *" $doc "* && $line == *OFFSHEET* ]]; then
      echo "KNOWN $line"
    else
      typeset_status=1
    fi
  fi
done <<<"$report"
for doc in $known; do
  grep -q "^FAIL $doc.tex: OFFSHEET" <<<"$report" || { echo "$doc is on the sheet now: take it off the known list"; typeset_status=1; }
done
awk 'NR == FNR { who[$4] = "subject " $1 " row " $2 " level " $3; next }
     /^FAIL / { file = $2; sub(":$", "", file); rest = $0; sub("^FAIL [^ ]* ", "", rest);
                print "OFF THE SHEET OR REJECTED: " (file in who ? who[file] : "?") " (" file "): " rest; next }
     { print }' "$list" - <<<"$report"
echo "documents written: $(wc -l <"$list")"
[[ $typeset_status -eq 0 ]] || status=1
exit $status
