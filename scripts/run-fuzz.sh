#!/usr/bin/env bash
# run-fuzz.sh SECONDS [NAME...]: runs every fuzz_* target of the sanitizer build (or the named
# ones) for SECONDS each, starting from its seeds fuzz/<area>/corpus/<name>/ and its kept inputs
# fuzz/<area>/regressions/<name>/; what it finds goes to build/fuzz/<name>/. Prints the coverage
# every ten seconds and, per target, the runs, the coverage and the corpus size. An input that
# crashes a target is moved to the target's regressions folder, which its replay test runs.
set -uo pipefail
seconds=${1:-300}
shift || true
build=$(realpath "${BUILD:-build}")
src=$(realpath "$(dirname "$0")/..")
status=0

# The last "cov: N" and "ft: N" of a libFuzzer status line.
field() { sed -nE "s/.* $1: ([0-9]+).*/\1/p" <<<"$2"; }

# Reads libFuzzer's log from stdin, copies it to $1 and prints the coverage every ten seconds.
follow() {
  local log=$1 line cov="" next=10 start=$SECONDS
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    [[ $line == *" cov: "* ]] || continue
    cov=$(field cov "$line")
    [[ $line == *INITED* ]] && echo "   start: cov $cov"
    if (( SECONDS - start >= next )); then
      echo "   ${next}s: cov $cov"
      next=$(( (SECONDS - start) / 10 * 10 + 10 ))
    fi
  done
}

# Prints the summary line of one run from its log and work folder.
summarise() {
  local name=$1 log=$2 work=$3 last runs inputs bytes
  last=$(grep -E ' cov: [0-9]+' "$log" | tail -n 1)
  runs=$(sed -nE 's/^Done ([0-9]+) runs.*/\1/p' "$log" | tail -n 1)
  inputs=$(find "$work" -maxdepth 1 -type f | wc -l)
  bytes=$(du -sk --apparent-size "$work" | cut -f1)
  printf 'fuzz_%s: %s runs, cov %s edges, ft %s, corpus %s inputs (%s KiB)\n' \
    "$name" "${runs:-?}" "$(field cov "$last")" "$(field ft "$last")" "$inputs" "$bytes"
}

# Moves the inputs that crashed a target into its regressions folder.
keep_crashes() {
  local name=$1 crashes=$2 kept=$3 found
  found=$(find "$crashes" -type f 2>/dev/null)
  [[ -z "$found" ]] && return 0
  mkdir -p "$kept"
  mv $found "$kept"/
  echo "fuzz_$name: FOUND $(wc -l <<<"$found") crashing input(s), kept in ${kept#$src/}"
  return 1
}

targets=$(find "$build/asan/fuzz" -type f -name 'fuzz_*' -perm -u+x 2>/dev/null | sort)
[[ -n "$targets" ]] || { echo "run-fuzz: no fuzz target in $build/asan (make asan)"; exit 1; }
summary=()
for f in $targets; do
  name=$(basename "$f"); name=${name#fuzz_}
  if [[ $# -gt 0 ]] && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  seeds=$(find "$src/fuzz" -type d -path "*/corpus/$name" | head -n 1)
  kept=$(dirname "$(dirname "$seeds")")/regressions/$name
  work="$build/fuzz/$name/corpus"; crashes="$build/fuzz/$name/crashes"; log="$build/fuzz/$name.log"
  mkdir -p "$work" "$crashes"; : >"$log"
  inputs=("$work" "$seeds"); [[ -d "$kept" ]] && inputs+=("$kept")
  echo "== fuzz_$name for ${seconds}s (log: ${log#$build/})"
  "$f" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "${inputs[@]}" 2>&1 | follow "$log"
  keep_crashes "$name" "$crashes" "$kept" || status=1
  summary+=("$(summarise "$name" "$log" "$work")")
done
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $status
