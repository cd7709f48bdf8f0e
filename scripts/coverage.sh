#!/usr/bin/env bash
# coverage.sh [BUILD_ROOT]: line and branch coverage of the portable core (framework/, doc/,
# dialogs/, view/, grid/, controls/ without their Win32 parts) by the native test suite, with
# clang's source-based coverage. Builds BUILD_ROOT/coverage (default build/coverage), runs its
# tests, prints the figures per folder and the ten least-covered files, and writes the line by
# line report to BUILD_ROOT/coverage/html/index.html.
set -euo pipefail
root=$(realpath -m "${1:-build}")
src=$(realpath "$(dirname "$0")/..")
dir="$root/coverage"
jobs=${JOBS:-$(nproc)}
profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata || true)
cov=$(command -v llvm-cov-14 || command -v llvm-cov || true)
if [[ -z "$profdata" || -z "$cov" ]]; then
  echo "coverage: llvm-profdata and llvm-cov are missing (package llvm-14; make setup)"
  exit 1
fi

mkdir -p "$dir"
cmake -S "$src" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTW_COVERAGE=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j "$jobs" -- --no-print-directory >"$dir/build.log" 2>&1 ||
  { tail -n 30 "$dir/build.log"; exit 1; }

# Each program adds its counts to one profile per binary (%m), merged on the fly.
rm -rf "$dir/profiles"
mkdir -p "$dir/profiles"
if ! LLVM_PROFILE_FILE="$dir/profiles/%m.profraw" \
  ctest --test-dir "$dir" -j"$jobs" --timeout 300 >"$dir/tests.log" 2>&1; then
  echo "coverage: some tests failed (see $dir/tests.log); the figures count what ran"
fi
grep -E 'tests passed' "$dir/tests.log" || true
"$profdata" merge -sparse "$dir"/profiles/*.profraw -o "$dir/tests.profdata" 2>"$dir/llvm.log"

# Every program of the build that the tests may have run: the first one named plainly, the
# others with -object.
objects=()
while IFS= read -r exe; do
  [[ ${#objects[@]} -eq 0 ]] && objects+=("$exe") || objects+=(-object "$exe")
done < <(find "$dir" -type f -perm -u+x ! -path '*/CMakeFiles/*' ! -path '*/googletest/*' \
  ! -name '*.sh' -exec sh -c 'head -c 4 "$1" | grep -q ELF' _ {} \; -print | sort)
portable=("$src/framework" "$src/doc" "$src/dialogs" "$src/view" "$src/grid" "$src/controls")
ignore='/(win32|demo|res)/'
"$cov" report -instr-profile "$dir/tests.profdata" "${objects[@]}" \
  -ignore-filename-regex="$ignore" "${portable[@]}" >"$dir/report.txt" 2>>"$dir/llvm.log"
"$cov" show -format=html -show-branches=count -output-dir "$dir/html" \
  -instr-profile "$dir/tests.profdata" "${objects[@]}" -ignore-filename-regex="$ignore" \
  "${portable[@]}" >/dev/null 2>>"$dir/llvm.log"

# The report's rows: file, regions, missed, %, functions, missed, %, lines, missed, %,
# branches, missed, %. Paths are relative to the folder the files share.
awk -v src="$src/" '
  function pct(hit, all) { return all ? sprintf("%5.1f%%", 100 * hit / all) : "    -" }
  NF == 13 && $2 ~ /^[0-9]+$/ && $1 != "TOTAL" {
    file = $1; sub("^" src, "", file)
    folder = file; sub("/[^/]*$", "", folder)
    lines[folder] += $8; lmiss[folder] += $9; br[folder] += $11; bmiss[folder] += $12
    L += $8; LM += $9; B += $11; BM += $12
    rows[++n] = sprintf("%7.2f %s %6d/%-6d %s %5d/%-5d %s", $8 ? 100 * ($8 - $9) / $8 : 100,
                        pct($8 - $9, $8), $8 - $9, $8, pct($11 - $12, $11), $11 - $12, $11, file)
  }
  END {
    printf "%-18s %14s %8s %14s %8s\n", "folder", "lines", "", "branches", ""
    for (f in lines)
      printf "%-18s %6d/%-6d %s  %6d/%-6d %s\n", f, lines[f] - lmiss[f], lines[f],
             pct(lines[f] - lmiss[f], lines[f]), br[f] - bmiss[f], br[f],
             pct(br[f] - bmiss[f], br[f]) | "sort"
    close("sort")
    printf "%-18s %6d/%-6d %s  %6d/%-6d %s\n", "all", L - LM, L, pct(L - LM, L), B - BM, B,
           pct(B - BM, B)
    print ""
    print "ten least-covered files (lines, then branches):"
    for (i = 1; i <= n; ++i) print rows[i] | "sort -n | head -n 10 | cut -c9-"
  }' "$dir/report.txt"
echo "line by line: $dir/html/index.html"
