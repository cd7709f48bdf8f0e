# Sourced by the scripts that run Windows programs under Wine.

# wine_use_prefix DIR: the isolated 32-bit prefix in DIR, quiet, never offering .NET or HTML.
wine_use_prefix() {
  export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# A persistent wineserver, and Wine's services started now with no inherited output, so that
# no background process holds a program's output pipe open after the program ends.
wine_session_start() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Ends the session's wineserver and every program still running in the prefix.
wine_session_stop() {
  wineserver -k 2>/dev/null || true
}
