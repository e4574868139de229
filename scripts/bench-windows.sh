#!/usr/bin/env bash
# Side-by-side figures under Wine, printed as pairs with their ratio: start-up
# of Torvane.exe until its window is visible against a minimal Win32 window
# program built the same way, the peak working set of both, and one
# generation run with the Win32 file writing against bare WriteFile calls.
# Figures, not a pass/fail test.
#
#   scripts/bench-windows.sh [START-UP REPETITIONS] [RUNS PER SAMPLE]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/windows-lib.sh"

repetitions=${1:-20}
runs=${2:-500}

ensure_windows_tools
build_windows --target Torvane MinimalWindow StartupBench GenerationFloorBench >/dev/null

# A display and prefix of its own, so a test run elsewhere is not disturbed.
export TORVANE_WINE_STATE=$WINDOWS_BUILD/wine-bench-state
trap '"$ROOT/scripts/wine-emulator.sh" --shutdown' EXIT
"$ROOT/scripts/wine-emulator.sh" --prepare

windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
bench=$WINDOWS_BUILD/bench/windows

echo "Under $(/usr/lib/wine/wine64 --version), $(nproc) CPUs"
"$ROOT/scripts/wine-emulator.sh" "$bench/StartupBench.exe" \
    "$(windows_path "$WINDOWS_BUILD/ui/Torvane.exe")" "$(windows_path "$bench/MinimalWindow.exe")" "$repetitions"
"$ROOT/scripts/wine-emulator.sh" "$bench/GenerationFloorBench.exe" "$runs"
