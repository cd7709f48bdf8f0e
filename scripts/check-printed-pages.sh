#!/usr/bin/env bash
# check-printed-pages.sh TEST_EXE OUT_DIR: prints the sample document through the program's
# printing test on Wine's PostScript printer (the PostScript lands in OUT_DIR/printed.ps),
# renders the pages with ghostscript to OUT_DIR/page-N.png and checks what they hold: the page
# header and number on every page, the column names, the first record, the totals on the last
# page, and ink in the header, body and footer bands of each page. Run under a Wine session.
set -euo pipefail
exe=$1
out=$2
mkdir -p "$out"
rm -f "$out"/printed.ps "$out"/page-*.png
TW_PRINT_OUTPUT=$(winepath -w "$out/printed.ps" 2>/dev/null) \
  wine "$exe" --gtest_filter=PrintingTest.TheSamplePrintsOnAPostScriptPrinter >"$out/test.log" 2>&1 ||
  { cat "$out/test.log"; exit 1; }
[[ -s "$out/printed.ps" ]] || { echo "no PostScript was printed"; exit 1; }
gs -q -dNOPAUSE -dBATCH -sDEVICE=png16m -r100 -sOutputFile="$out/page-%d.png" "$out/printed.ps"
pages=$(ls "$out"/page-*.png | wc -l)
[[ $pages -ge 2 ]] || { echo "expected several pages, got $pages"; exit 1; }

failures=0
fail() { echo "page $1: $2"; failures=$((failures + 1)); }
page_text() {
  gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -dFirstPage="$1" -dLastPage="$1" -sOutputFile=- \
    "$out/printed.ps"
}
# The mean grey level of a band of the page, 0 black to 1 white; below 1 holds ink.
band_ink() {
  convert "$out/page-$1.png" -gravity North -crop "100%x$3%+0+$2%" +repage -colorspace gray \
    -format '%[fx:mean<0.9999?1:0]' info:
}
for ((n = 1; n <= pages; n++)); do
  text=$(page_text "$n")
  grep -q "Timesheet November" <<<"$text" || fail "$n" "no page header"
  grep -q "Page $n" <<<"$text" || fail "$n" "no page number"
  grep -q "Start Date" <<<"$text" || fail "$n" "no column names"
  [[ $(band_ink "$n" 0 15) == 1 ]] || fail "$n" "no ink at the top"
  [[ $(band_ink "$n" 85 15) == 1 ]] || fail "$n" "no ink at the bottom"
  if ((n == 1)); then
    grep -q "Website redesi" <<<"$text" || fail "$n" "no first record"
    grep -q "Website redesig" <<<"$text" && fail "$n" "a project name longer than 14 characters"
    [[ $(band_ink "$n" 30 40) == 1 ]] || fail "$n" "no ink in the body"
  fi
  if ((n == pages)); then
    grep -q "TOTAL" <<<"$text" || fail "$n" "no totals line"
  else
    grep -q "TOTAL" <<<"$text" && fail "$n" "totals before the last page"
  fi
done
echo "printed $pages pages into $out"
exit $((failures > 0))
