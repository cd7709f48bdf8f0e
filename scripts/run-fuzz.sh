#!/usr/bin/env bash
# run-fuzz.sh SECONDS: runs every fuzz_* target of the sanitizer build for SECONDS each,
# starting from its seed corpus fuzz/<area>/corpus/<name>/ (new inputs go to build/fuzz/).
set -uo pipefail
seconds=${1:-300}
build=$(realpath "${BUILD:-build}")
src=$(realpath "$(dirname "$0")/..")
status=0
for f in $(find "$build/asan/fuzz" -type f -name 'fuzz_*' -perm -u+x 2>/dev/null | sort); do
  name=$(basename "$f"); name=${name#fuzz_}
  seeds=$(find "$src/fuzz" -type d -path "*/corpus/$name" | head -n 1)
  work="$build/fuzz/$name"; mkdir -p "$work"
  echo "== fuzz_$name for ${seconds}s"
  "$f" -max_total_time="$seconds" -print_final_stats=1 "$work" ${seeds:+"$seeds"} || status=1
done
exit $status
