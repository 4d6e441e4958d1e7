#!/usr/bin/env bash
# support_files_test.sh names ROOT
# support_files_test.sh gallery ROOT OUTDIR
#
# The LaTeX support files of tex/ against the name list support_names.txt beside this script.
#
# names: every box and macro of the list is defined exactly once, in the file the list gives,
#   and with the kind it gives; no support file defines a name that the program or the
#   document preamble defines (\newsavebox and \newcommand refuse a name that exists, so such
#   a document would not typeset); every box that a support file defines is in the list (so
#   that the gallery shows it); every figure file of the list exists.
# gallery: writes OUTDIR/gallery.tex with the program's preamble, inputs every support file,
#   places every box of the list once with its name under it and its reference point marked
#   by a red cross, and typesets it with latex (and dvips when present). Any latex error or
#   undefined control sequence fails the test; the rendered gallery stays in OUTDIR so that
#   the symbols can be looked at. Exit 77 (skipped) when latex is not installed.
set -uo pipefail
mode=${1:-} root=${2:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
list="$here/support_names.txt"
if [[ -z $mode || ! -d $root/tex ]]; then
  echo "usage: support_files_test.sh names|gallery ROOT [OUTDIR]" >&2
  exit 2
fi
tex=$(cd "$root/tex" && pwd)

# The list without comments and blank lines: "kind name where" per line.
entries() { sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$list"; }

# Every definition in the support files, one "kind name file" line each. Comments are cut
# at an unescaped "%" first, so that a definition quoted in a comment does not count.
definitions() {
  local file rel
  while IFS= read -r -d '' file; do
    rel=${file#"$tex/"}
    sed -e 's/^%.*//' -e 's/\([^\\]\)%.*/\1/' "$file" |
      grep -oE '\\newsavebox\{\\[A-Za-z]+\}|\\(new|provide|renew)command\*?\{\\[A-Za-z]+\}|\\def\\[A-Za-z]+' |
      sed -E -e 's/^\\newsavebox\{\\([A-Za-z]+)\}$/box \1/' \
        -e 's/^\\(new|provide|renew)command\*?\{\\([A-Za-z]+)\}$/macro \2/' \
        -e 's/^\\def\\([A-Za-z]+)$/macro \1/' |
      sed "s|\$| $rel|"
  done < <(find "$tex" -type f \( -name '*.txt' -o -name '*.TeX' -o -name '*.tex' -o -name '*.sty' \) -print0 | sort -z)
}

check_names() {
  local defs
  defs=$(definitions)
  # One awk pass: the definitions first ("def kind name file"), then the list.
  {
    sed 's/^/def /' <<<"$defs"
    entries | while read -r kind name where; do
      if [[ $kind == figure ]]; then
        [[ -f $tex/$name ]] && echo "figure $name present" || echo "figure $name missing"
      else
        echo "list $kind $name $where"
      fi
    done
  } | awk '
    $1 == "def" { n[$3]++; where[$3] = where[$3] " " $4; kind[$3] = $2; file[$3] = $4
                  if ($2 == "box") { box[$3] = $4 }; next }
    $1 == "figure" { if ($3 == "missing") { print "FAIL figure file " $2 " is missing from tex/"; bad++ }; next }
    $1 == "list" && ($4 == "program" || $4 == "preamble") {
      outside++
      if ($3 ~ /[*[]/) {
        re = $3; gsub(/\*/, ".*", re); re = "^" re "$"
        for (d in n) if (d ~ re) { print "FAIL " d " matches " $3 ", which the " $4 " defines; also defined in" where[d]; bad++ }
      } else if ($3 in n) { print "FAIL " $3 " is defined by the " $4 ", but also in" where[$3]; bad++ }
      next
    }
    $1 == "list" {
      listed[$3] = 1; if ($4 ~ /\.txt$/) count[$2]++
      if (!($3 in n)) { print "FAIL " $2 " " $3 " has no definition (expected in " $4 ")"; bad++ }
      else if (n[$3] > 1) { print "FAIL " $3 " is defined " n[$3] " times:" where[$3]; bad++ }
      else if (kind[$3] != $2 || file[$3] != $4) { print "FAIL " $2 " " $3 " should be defined in " $4 ", found " kind[$3] " in " file[$3]; bad++ }
    }
    END {
      for (b in box) if (!(b in listed)) { print "FAIL box " b " of " box[b] " is not in support_names.txt"; bad++ }
      for (d in n) if (n[d] > 1 && !(d in listed)) { print "FAIL " d " is defined " n[d] " times:" where[d]; bad++ }
      printf "names checked: %d boxes and %d macros of the support files, %d names of the program and the preamble\n", count["box"], count["macro"], outside
      exit bad > 0
    }'
}

# Picture frame of one gallery cell: "width height x0 y0" around the box origin.
cell_frame() {
  case $1 in
    polka) echo "120 78 -12 -8" ;;
    kolco) echo "96 96 -48 -48" ;;
    ris?) echo "175 66 -18 -24" ;;
    Pruzina) echo "56 36 -6 -18" ;;
    hosnv) echo "84 30 -7 -15" ;;
    ugr) echo "64 40 -32 -8" ;;
    prsv) echo "56 56 -28 -12" ;;
    prsh) echo "56 56 -16 -16" ;;
    weightc) echo "40 48 -20 -40" ;;
    nst | upst | holm | vbigrmomentpt*) echo "64 64 -32 -32" ;;
    *) echo "56 56 -28 -28" ;;
  esac
}

# The three force points of each cross-section, as the torsion row places its arrows.
force_points() {
  case $1 in
    risA) echo "100 0 120 10 120 20" ;;
    risB) echo "100 0 120 10 120 25" ;;
    risC) echo "100 0 110 15 120 20" ;;
    risD) echo "100 0 120 10 120 25" ;;
  esac
}

write_gallery() {
  local out=$1 kind name where w h x0 y0 file
  {
    # The frame that shell/document_frame.cpp writes, with the macros it defines after
    # sav.txt (a support file that defined one of them would stop latex here).
    echo '\documentclass[12pt]{report}'
    echo '\usepackage{colordvi}\usepackage{eepico}'
    echo '\usepackage{amsfonts}\usepackage{mathtext}'
    echo '\usepackage[cp1251]{inputenc}\usepackage[T2A]{fontenc}\usepackage{amssymb}'
    echo '\usepackage{color}\pagestyle{empty}'
    echo '\voffset=-30mm\hoffset=-25mm'
    echo '\newcounter{zdch}\setcounter{page}{1}\hfuzz=0.5pt\righthyphenmin=2'
    echo '\textheight735pt\textwidth430pt\begin{document}\input{sav.txt}'
    echo '\newcommand{\ru}{\rule[-5pt]{0pt}{16pt}}\newcommand{\frc}[2]{\displaystyle{\frac{#1}{#2}}}\newcommand{\mc}[1]{\multicolumn{1}{|c|}{#1}}\def\wa{ a}'
    echo '\input{kolco.txt}\input{ris1.txt}%'
    echo '\newcommand{\galleryorigin}{{\linethickness{0.2pt}\Red{\put(-3,0){\line(1,0){6}}\put(0,-3){\line(0,1){6}}}}}'
    echo '\setlength{\fboxsep}{0pt}\setlength{\fboxrule}{0.1pt}\spe\raggedright'
    for file in sav.txt kolco.txt ris1.txt; do
      echo "\\par\\vskip3mm\\noindent{\\small\\bf Boxes of $file}\\par\\vskip1mm\\noindent"
      while read -r kind name where; do
        [[ $kind == box && $where == "$file" ]] || continue
        read -r w h x0 y0 < <(cell_frame "$name")
        echo "\\fbox{\\begin{picture}($w,$h)($x0,$y0)%"
        echo "\\put(0,0){\\usebox{\\$name}}\\galleryorigin%"
        if [[ $file == ris1.txt ]]; then
          read -r ax ay bx by cx cy < <(force_points "$name")
          echo "{\\Blue{\\put($ax,$ay){\\circle{2.5}}\\put($bx,$by){\\circle{2.5}}\\put($cx,$cy){\\circle{2.5}}}}%"
          echo "\\put($((ax + 3)),$((ay - 5))){\\tiny 1}\\put($((bx + 3)),$((by - 5))){\\tiny 2}\\put($((cx + 3)),$((cy - 5))){\\tiny 3}%"
        fi
        echo "\\put($((x0 + 2)),$((y0 + 2))){\\tiny\\ttfamily $name}%"
        echo "\\end{picture}}\\hspace{2pt}\\allowbreak"
      done < <(entries)
    done
    # The macros: hatching rows, em-lines in the three short widths, the text macros.
    echo '\par\vskip3mm\noindent{\small\bf Macros of sav.txt}\par\vskip1mm\noindent'
    echo '\fbox{\begin{picture}(200,40)(-5,-5)%'
    echo '\put(5,5){\strichl{8}}\put(20,5){\strichr{8}}\put(35,25){\strichu{8}}\put(35,10){\strichd{8}}%'
    echo '\spe\mt{80}{5}\pp{110}{30}\speh\mt{100}{5}\pp{130}{30}\spehh\mt{120}{5}\pp{150}{30}\spe%'
    echo '\put(160,10){\tiny\ttfamily strich, mt/pp}%'
    echo '\end{picture}} \quad \No~1: $\tg x+\ctg x+\sh x+\ch x+\arctg x+\arcctg x$, \ru\wa'
    # A statement that ends with the figure file, as the dynamics row writes it.
    echo '\par\vskip3mm\noindent{\small\bf Figure DAT7/RIS32D.TeX}\par\vskip1mm\noindent'
    echo '\fbox{\parbox{350pt}{A load of mass $m$ starts from rest on the upper face of a beam'
    echo 'built into a wall.\linebreak\noindent\parbox[b]{290pt}{A thread from the load passes'
    echo 'through a ring fixed under the beam and is pulled with a constant force $F$; $OA=L$,'
    echo 'the beam is $H$ thick. Find the greatest speed of the load.} \hfill\input{DAT7/RIS32D.TeX}}}'
    echo '\end{document}'
  } >"$out/gallery.tex"
}

run_gallery() {
  local out=$1
  if ! command -v latex >/dev/null; then
    echo "latex not found: skipped"
    exit 77
  fi
  mkdir -p "$out"
  rm -f "$out"/gallery.{tex,dvi,log,aux,ps,pdf}
  write_gallery "$out"
  local status=0
  (cd "$out" && TEXINPUTS="$tex:" latex -interaction=nonstopmode -halt-on-error gallery.tex \
    >/dev/null 2>&1 </dev/null) || status=1
  if [[ $status -ne 0 ]] || grep -q '^!' "$out/gallery.log"; then
    echo "FAIL latex rejected the gallery:"
    grep -m3 -A3 '^!' "$out/gallery.log"
    return 1
  fi
  if grep -q 'Undefined control sequence' "$out/gallery.log"; then
    echo "FAIL undefined control sequence in the gallery"
    return 1
  fi
  if command -v dvips >/dev/null; then
    if ! (cd "$out" && dvips -q -t a4 gallery.dvi -o gallery.ps >/dev/null 2>&1); then
      echo "FAIL dvips rejected the gallery"
      return 1
    fi
  fi
  echo "gallery typeset: $out/gallery.dvi"
}

case $mode in
  names) check_names ;;
  gallery) run_gallery "${3:?OUTDIR}" ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
