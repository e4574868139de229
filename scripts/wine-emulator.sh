#!/usr/bin/env bash
# Runs a Windows executable under Wine for CTest (CMAKE_CROSSCOMPILING_EMULATOR).
#
#   wine-emulator.sh PROGRAM.exe [ARGS...]   run one program, exit with its code
#   wine-emulator.sh --prepare               bring up the display and the prefix now
#   wine-emulator.sh --shutdown              stop the prefix and the virtual display
#
# The first call of a run brings up a virtual X display and a private Wine
# prefix (zh_CN.UTF-8, so the Chinese texts show); later calls reuse them.
# Started as root, Wine runs as "nobody": as root Wine would open and empty a
# read-only file that Windows refuses, and the tests check that refusal.
set -euo pipefail

STATE=${TORVANE_WINE_STATE:-/tmp/torvane-wine-$(id -u)}
WINE_BIN=/usr/lib/wine
PREFIX=$STATE/prefix

as_wine_user() {
    local env=(env HOME="$STATE/home" WINEPREFIX="$PREFIX" WINEDEBUG=-all
        WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
        DISPLAY="$(cat "$STATE/display")" PATH="$WINE_BIN:$PATH")
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups "${env[@]}" "$@"
    else
        "${env[@]}" "$@"
    fi
}

display_alive() {
    [ -f "$STATE/xvfb.pid" ] && kill -0 "$(cat "$STATE/xvfb.pid")" 2>/dev/null
}

start_display() {
    rm -f "$STATE/display" "$STATE/display.num"
    # Xvfb picks a free display number and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$STATE/display.num" \
        >"$STATE/xvfb.log" 2>&1 &
    echo $! >"$STATE/xvfb.pid"
    local waited=0
    until [ -s "$STATE/display.num" ]; do
        sleep 0.1
        waited=$((waited + 1))
        if [ $waited -gt 100 ]; then
            echo "wine-emulator: Xvfb did not start" >&2
            return 1
        fi
    done
    echo ":$(tr -d '\n' <"$STATE/display.num")" >"$STATE/display"
}

boot_prefix() {
    mkdir -p "$PREFIX" "$STATE/home"
    if [ "$(id -u)" -eq 0 ]; then chown nobody:nogroup "$PREFIX" "$STATE/home"; fi
    as_wine_user wine64 wineboot -i >"$STATE/wineboot.log" 2>&1
    # One virtual desktop for every program: real title bars, and activation
    # without waiting on X focus events.
    as_wine_user wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    as_wine_user wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
        >/dev/null 2>&1
    as_wine_user wineserver -w
    touch "$STATE/booted"
}

ensure_ready() {
    mkdir -p "$STATE"
    chmod 755 "$STATE"
    exec 9>"$STATE/lock"
    flock 9
    display_alive || start_display
    [ -f "$STATE/booted" ] || boot_prefix
    flock -u 9
}

shutdown() {
    [ -d "$STATE" ] || return 0
    if [ -f "$STATE/display" ] && [ -f "$STATE/booted" ]; then
        as_wine_user wineserver -k 2>/dev/null || true
    fi
    if display_alive; then
        kill "$(cat "$STATE/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$STATE/xvfb.pid" "$STATE/display"
}

if [ "${1:-}" = "--shutdown" ]; then
    shutdown
    exit 0
fi
if [ "${1:-}" = "--prepare" ]; then
    ensure_ready
    exit 0
fi

ensure_ready
program=$(realpath "$1")
shift
# The program and its build folder stay readable for the unprivileged user.
cd "$(dirname "$program")"
exec 9>&-
as_wine_user wine64 "$program" "$@"
