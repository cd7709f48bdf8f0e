#!/usr/bin/env bash
# Runs every benchmark: native bench_* programs directly, Windows bench_*.exe under Wine.
set -uo pipefail
. "$(dirname "$0")/wine-session.sh"
build=$(realpath "${BUILD:-build}")
status=0
for b in $(find "$build/native/bench" -type f -name 'bench_*' -perm -u+x 2>/dev/null | sort); do
  echo "== $(basename "$b") (native)"
  "$b" || status=1
done
wine_use_prefix "$build/wine-null"
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX" null
wine_session_start
for b in $(find "$build/win/bench" -type f -name 'bench_*.exe' 2>/dev/null | sort); do
  echo "== $(basename "$b") (Wine)"
  (cd "$(dirname "$b")" && wine "$b") || status=1
done
wine_session_stop
exit $status
