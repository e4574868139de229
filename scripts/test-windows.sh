#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with mingw-w64 and runs them
# under Wine on a virtual display: the core's tests, the Win32 file writing and
# message box, the window driven in-process, and Torvane.exe end to end.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/windows-lib.sh"

ensure_windows_tools
build_windows

# One display and one Wine prefix for the whole run, brought up by the first
# test and stopped here.
export TORVANE_WINE_STATE=$WINDOWS_BUILD/wine-state
trap '"$ROOT/scripts/wine-emulator.sh" --shutdown' EXIT
start=$(date +%s)
# Booting a fresh prefix takes longer than CTest allows for listing a test
# program's cases, so it happens first.
"$ROOT/scripts/wine-emulator.sh" --prepare
ctest --test-dir "$WINDOWS_BUILD" --output-on-failure
echo "Windows tests took $(($(date +%s) - start)) s"
