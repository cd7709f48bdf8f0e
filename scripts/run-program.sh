#!/usr/bin/env bash
# Starts Tallywick on the sample document. With no display it starts a virtual one, saves a
# screenshot after a few seconds and says where it is.
set -euo pipefail
. "$(dirname "$0")/wine-session.sh"
build=$(realpath "${BUILD:-build}")
src=$(realpath "$(dirname "$0")/..")
wine_use_prefix "$build/wine-x11"
program="$build/win/app/tallyw.exe"
sample=$(ls "$src"/samples/*.tw 2>/dev/null | head -n 1 || true)
if [[ ! -f "$program" ]]; then
  # Until the program itself is built, show the parts that are: the controls gallery.
  for demo in controls/demo/tarn32demo.exe grid/demo/dtbl32demo.exe; do
    if [[ -f "$build/win/$demo" ]]; then program="$build/win/$demo"; sample=""; break; fi
  done
  echo "run: tallyw.exe is not built yet; starting $(basename "$program") instead"
fi
[[ -f "$program" ]] || { echo "run: nothing to start" >&2; exit 1; }
cd "$(dirname "$program")"
if [[ -n "${DISPLAY:-}" ]]; then
  exec wine "$program" ${sample:+"$(winepath -w "$sample")"}
fi
name=$(basename "$program" .exe)
shot="$build/screenshots/$name-run.png"
mkdir -p "$(dirname "$shot")"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wine "$1" ${2:+"$2"} </dev/null >/dev/null 2>&1 & pid=$!
  sleep 10; import -window root "$3"; kill $pid 2>/dev/null; wineserver -k' _ \
  "$program" "${sample:+$(winepath -w "$sample")}" "$shot"
echo "run: no display here; $name ran under a virtual display, screenshot: $shot"
