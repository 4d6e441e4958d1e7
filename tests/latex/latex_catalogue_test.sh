#!/usr/bin/env bash
# latex_catalogue_test.sh CATALOGUE ROOT OUTDIR
# Writes every built problem row at levels 1 and 10 with answers on, one problem-set frame,
# one ticket document without a problem and the tickets of every built row with its problem
# (selected as the window selects it), one colloquium document, and typesets them all. A document that latex
# rejects fails the test, named by subject, row and level with the first error of its log.
# Exit 77 (skipped) when latex is not installed.
set -uo pipefail
catalogue=$1 root=$2 out=$3
if ! command -v latex >/dev/null; then
  echo "latex not found: skipped"
  exit 77
fi
rm -rf "$out"
mkdir -p "$out"
status=0
list="$out/catalogue.txt"
"$catalogue" "$out" --levels 1,10 --answers on >"$list" || status=1
"$catalogue" "$out" --subject a --row 1 --levels 1 --answers on >>"$list" || status=1
"$catalogue" "$out" --mode tickets --levels 1 >>"$list" || status=1
"$catalogue" "$out" --mode tickets --rows built --levels 1,10 --variants 2 >>"$list" || status=1
"$catalogue" "$out" --mode colloquium --levels 1 >>"$list" || status=1
grep FAILED "$list" && echo "some documents could not be written (see above)"

report=$("$root/scripts/typeset" "$out")
typeset_status=$?
# Name each rejected document by the subject, row and level that wrote it.
awk 'NR == FNR { who[$4] = "subject " $1 " row " $2 " level " $3; next }
     /^FAIL / { file = $2; sub(":$", "", file); rest = $0; sub("^FAIL [^ ]* ", "", rest);
                print "REJECTED " (file in who ? who[file] : "?") " (" file "): " rest; next }
     { print }' "$list" - <<<"$report"
echo "documents written: $(wc -l <"$list")"
[[ $typeset_status -eq 0 ]] || status=1
exit $status
