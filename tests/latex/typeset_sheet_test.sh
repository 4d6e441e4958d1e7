#!/usr/bin/env bash
# typeset_sheet_test.sh ROOT OUTDIR: the sheet measurement of scripts/typeset on marks placed at
# known distances from the left edge of the A4 sheet (limit 14.17 bp): a mark at 13.5 bp fails,
# marks at 14.3 and 14.6 bp (where the coarse pass alone could err) and at 100 bp pass.
# Exit 77 (skipped) when latex, dvips or gs is missing.
set -uo pipefail
root=$1 out=$2
for program in latex dvips gs; do
  command -v "$program" >/dev/null || { echo "$program not found: skipped"; exit 77; }
done
rm -rf "$out"
mkdir -p "$out"
mark_at() {
  cat >"$out/$1.tex" <<TEX
\\documentclass{article}
\\pagestyle{empty}
\\hoffset=-1in \\voffset=-1in \\oddsidemargin=0pt \\topmargin=0pt \\headheight=0pt \\headsep=0pt
\\begin{document}
\\noindent\\setlength{\\unitlength}{1bp}\\begin{picture}(0,0)
\\put($2,-400){\\rule{1bp}{1bp}}
\\end{picture}
\\end{document}
TEX
}
mark_at off 13.5
mark_at edge 14.3
mark_at near 14.6
mark_at clear 100
report=$("$root/scripts/typeset" --sheet "$out")
echo "$report"
expected="FAIL off.tex: OFFSHEET page 1 marks 13.4 432.0 14.5 433.0 outside 14.17 14.17 581.11 827.72;
3 passed, 1 failed"
if [[ $report != "$expected" ]]; then
  echo "expected:"
  echo "$expected"
  exit 1
fi
