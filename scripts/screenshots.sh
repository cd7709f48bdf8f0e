#!/usr/bin/env bash
# Renders the windows of the programs listed in scripts/screenshots.d/*.list under a virtual
# display and saves one PNG per line in $BUILD/screenshots/. A line reads:
#   <program path relative to $BUILD/win> <png name> [arguments...]
# SHOTS=<list name> (for example SHOTS=preferences) renders that list alone.
set -euo pipefail
. "$(dirname "$0")/wine-session.sh"
build=$(realpath "${BUILD:-build}")
out="$build/screenshots"
mkdir -p "$out"
wine_use_prefix "$build/wine-x11"

if [[ -z "${SCREENSHOT_INNER:-}" ]]; then
  exec env SCREENSHOT_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

wine_session_start
shots=0
for list in "$(dirname "$0")"/screenshots.d/*.list; do
  [[ -f "$list" ]] || continue
  [[ -n "${SHOTS:-}" && "$(basename "$list" .list)" != "$SHOTS" ]] && continue
  while read -r program name args; do
    [[ -z "$program" || "$program" == \#* ]] && continue
    exe="$build/win/$program"
    if [[ ! -f "$exe" ]]; then
      echo "screenshots: $program is not built, skipped"
      continue
    fi
    # shellcheck disable=SC2086
    (cd "$(dirname "$exe")" && exec wine "$exe" $args </dev/null >/dev/null 2>&1) &
    pid=$!
    if [[ "$program" == *_driver.exe ]]; then
      # A scene driver ends once the program it drives shows its scene.
      for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 1; done
      sleep 2
    else
      sleep "${SCREENSHOT_DELAY:-5}"
    fi
    name=${name%.png}
    import -window root "$out/$name.png"
    kill "$pid" 2>/dev/null || true
    wine_session_stop
    wine_session_start
    echo "screenshots: $out/$name.png"
    shots=$((shots + 1))
  done <"$list"
done
wine_session_stop
echo "screenshots: $shots written to $out"
