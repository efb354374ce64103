# wine-env.sh - sourced by the test scripts: a Wine of the project's own for the Windows leg.
#
# A 32-bit prefix inside the build folder, created once (about 10-30 s), and a wine server that
# is started and warmed up before ctest runs: Wine's helper processes inherit ctest's output
# pipe, and without a running server every test would wait for one to start.
# WINEDEBUG is exported here because ctest's per-test environment does not reach test discovery.
wine_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$wine_root/build/wine-prefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all,err+module}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$(dirname "$WINEPREFIX")"
if [[ ! -d "$WINEPREFIX/drive_c" ]]; then
  echo "wine-env: creating the Wine prefix $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1 || true
fi
wineserver -p >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true
