#!/usr/bin/env bash
# wine-prefix.sh DIR [null|x11]: creates an isolated 32-bit Wine prefix in DIR once.
# "null" (the default) sets the null graphics driver, for tests without a display;
# "x11" keeps the normal driver, for screenshots under Xvfb.
set -euo pipefail
. "$(dirname "$0")/wine-session.sh"
dir=$(realpath -m "$1")
driver=${2:-null}
marker="$dir/.tallywick-ready"
fonts_marker="$dir/.tallywick-fonts"
[[ -f "$marker" && -f "$fonts_marker" ]] && exit 0

create_prefix() {
  echo "wine: creating prefix $dir ($driver driver)"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  if [[ "$driver" == null ]]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  else
    # Wine draws the window frames itself, as Windows does, instead of leaving them to a
    # window manager (a bare Xvfb has none).
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
  # Wine's own TrueType fonts (Marlett draws the caption buttons) into the prefix's Fonts folder,
  # where this Wine looks for them.
  cp -n /usr/share/wine/fonts/*.ttf "$dir/drive_c/windows/Fonts/" 2>/dev/null || true
  # No crash dialogs: a crashing test must fail, not wait for a click.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$marker"
}

mkdir -p "$dir"
wine_use_prefix "$dir"
[[ -f "$marker" ]] || create_prefix

# Courier New, the default print font, is drawn with DejaVu Sans Mono, a font of the same fixed
# pitch, so printed columns line up (also for prefixes made before this step).
if [[ ! -f "$fonts_marker" ]]; then
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'DejaVu Sans Mono' \
    /f >/dev/null 2>&1
  wineserver -w
  touch "$fonts_marker"
fi

