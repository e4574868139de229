#!/usr/bin/env bash
# Takes a picture of the real window: builds Torvane.exe, runs it under Wine on
# a virtual display and saves the window as docs/screenshot.png (or the path
# given as the first argument).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/windows-lib.sh"

output=${1:-$ROOT/docs/screenshot.png}
ensure_windows_tools
build_windows --target Torvane

export TORVANE_WINE_STATE=$ROOT/build/screenshot-wine
emulator=$ROOT/scripts/wine-emulator.sh
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -- "-$program_pid" 2>/dev/null || true; fi
    "$emulator" --shutdown
}
trap cleanup EXIT

setsid "$emulator" "$WINDOWS_BUILD/ui/Torvane.exe" >/dev/null 2>&1 &
program_pid=$!

# Wine's virtual desktop is 1280 x 1024 and the window centres itself on it.
crop=333x394+473+315
shot=$(mktemp --suffix=.png)
for _ in $(seq 1 120); do
    sleep 0.5
    # Wait for the prefix first: its set-up notice shows where the window will be.
    [ -f "$TORVANE_WINE_STATE/booted" ] && [ -s "$TORVANE_WINE_STATE/display" ] || continue
    DISPLAY=$(cat "$TORVANE_WINE_STATE/display") import -window root "$shot" 2>/dev/null || continue
    # The window is up once its title bar and controls make the area uneven.
    spread=$(convert "$shot" -crop "$crop" +repage -format '%[fx:standard_deviation]' info:)
    if awk -v s="$spread" 'BEGIN { exit !(s > 0.15) }'; then
        sleep 1  # let the last controls paint
        DISPLAY=$(cat "$TORVANE_WINE_STATE/display") import -window root "$shot"
        mkdir -p "$(dirname "$output")"
        convert "$shot" -crop "$crop" +repage "$output"
        rm -f "$shot"
        echo "Screenshot saved to $output"
        exit 0
    fi
done
rm -f "$shot"
echo "The window did not appear." >&2
exit 1
