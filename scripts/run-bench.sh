#!/usr/bin/env bash
# Runs every benchmark: native bench_* programs directly, Windows bench_*.exe under Wine.
set -uo pipefail
build=$(realpath "${BUILD:-build}")
status=0
for b in $(find "$build/native/bench" -type f -name 'bench_*' -perm -u+x 2>/dev/null | sort); do
  echo "== $(basename "$b") (native)"
  "$b" || status=1
done
export WINEPREFIX="$build/wine-null" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX" null
wineserver -p </dev/null >/dev/null 2>&1
for b in $(find "$build/win/bench" -type f -name 'bench_*.exe' 2>/dev/null | sort); do
  echo "== $(basename "$b") (Wine)"
  (cd "$(dirname "$b")" && wine "$b") || status=1
done
wineserver -k 2>/dev/null || true
exit $status
