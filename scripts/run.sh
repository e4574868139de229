#!/usr/bin/env bash
# Builds Torvane.exe and opens it under Wine, installing what is missing first.
# On a display ($DISPLAY set) the window opens there; without one it runs on a
# virtual display and a screenshot shows it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/windows-lib.sh"

ensure_windows_tools
build_windows --target Torvane
exe=$WINDOWS_BUILD/ui/Torvane.exe

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: running Torvane.exe on a virtual display instead."
    exec "$ROOT/scripts/screenshot.sh" "$ROOT/build/run-screenshot.png"
fi

export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wine-run}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export PATH=/usr/lib/wine:$PATH
echo "Starting $exe under Wine (prefix $WINEPREFIX)"
exec wine64 "$exe"
