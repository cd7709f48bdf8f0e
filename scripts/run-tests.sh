#!/usr/bin/env bash
# run-tests.sh BUILD_ROOT: runs the tests of the native, sanitizer and Windows builds with
# CTest (the Windows ones under Wine), then prints one closing line "N passed, M failed".
# Exit status is non-zero when any test failed or a build ran no test at all.
set -uo pipefail
. "$(dirname "$0")/wine-session.sh"
root=$(realpath "$1")
total_pass=0
total_fail=0
status=0

# count_results LOG: prints "passed failed" from a CTest summary line.
count_results() {
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [[ -z "$line" ]]; then
    echo "0 0"
    return
  fi
  local failed all
  failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  all=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  echo "$((all - failed)) $failed"
}

run_suite() {
  local name=$1 dir=$2 jobs=$3
  local log="$root/$name-tests.log"
  echo "== $name tests"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure --timeout 300 >"$log" 2>&1
  grep -E '(\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception|Not Run)' "$log" | head -n 40
  read -r pass fail < <(count_results "$log")
  echo "$name: $pass passed, $fail failed (log: $log)"
  if [[ $pass -eq 0 ]]; then
    echo "$name: no test ran"
    status=1
  fi
  [[ $fail -eq 0 ]] || status=1
  total_pass=$((total_pass + pass))
  total_fail=$((total_fail + fail))
}

run_suite native "$root/native" 2
run_suite sanitizers "$root/asan" 2

wine_use_prefix "$root/wine-null"
wine_session_start
# One at a time: focus, capture and the active window are shared by every window on Wine's
# desktop, so two window tests at once disturb each other.
run_suite wine "$root/win" 1
wine_session_stop

echo "$total_pass passed, $total_fail failed"
exit $status
