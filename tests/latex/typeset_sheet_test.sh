#!/usr/bin/env bash
# typeset_sheet_test.sh ROOT OUTDIR: the sheet measurement of scripts/typeset on marks placed at
# known distances from the left edge of the A4 sheet (limit 14.17 bp): a mark at 13.5 bp fails,
# marks at 14.3 and 14.6 bp (where the coarse pass alone could err) and at 100 bp pass. With
# --once, copies of two of them (one naming itself in its answers input) take the verdicts of
# their originals without being typeset.
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

# Each document names itself only in the answers files it inputs.
rm -f "$out"/*.dvi "$out"/*.ps
mkdir -p "$out/otv"
for name in off clear; do
  sed 's|\\end{document}|\\input{otv/otv'"$name"'.tex}\\end{document}|' "$out/$name.tex" >"$out/$name.tmp"
  mv "$out/$name.tmp" "$out/$name.tex"
  echo "% answers" >"$out/otv/otv$name.tex"
done
for name in off clear; do
  sed "s|otv/otv$name.tex|otv/otv${name}copy.tex|" "$out/$name.tex" >"$out/${name}copy.tex"
  echo "% answers" >"$out/otv/otv${name}copy.tex"
done
report=$("$root/scripts/typeset" --sheet --once "$out")
echo "$report"
expected="FAIL off.tex: OFFSHEET page 1 marks 13.4 432.0 14.5 433.0 outside 14.17 14.17 581.11 827.72;
FAIL offcopy.tex (as off.tex): OFFSHEET page 1 marks 13.4 432.0 14.5 433.0 outside 14.17 14.17 581.11 827.72;
4 passed, 2 failed (4 typeset)"
if [[ $report != "$expected" ]]; then
  echo "expected:"
  echo "$expected"
  exit 1
fi
[[ ! -e $out/offcopy.dvi && ! -e $out/clearcopy.dvi ]] || { echo "a copy was typeset"; exit 1; }
