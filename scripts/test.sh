#!/usr/bin/env bash
# Runs every test of the project: the core natively (with the exact number
# text oracle), the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer, its fuzz targets for FUZZ_SECONDS (30) each, and
# the Windows program cross-built with mingw-w64 under Wine. Installs what is
# missing first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages build-essential cmake ninja-build libgtest-dev libgmock-dev python3 locales \
    libmpfr-dev libgmp-dev

passed=0
failed=0
run_suite() {
    local title=$1
    shift
    echo "== $title"
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

native() {
    build_tree "$ROOT/build/native" -DCMAKE_BUILD_TYPE=Release
    ctest --test-dir "$ROOT/build/native" --output-on-failure
}
sanitized() {
    build_tree "$ROOT/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTORVANE_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$ROOT/build/sanitize" --output-on-failure
}

run_suite "core, native" native
run_suite "core, AddressSanitizer + UndefinedBehaviorSanitizer" sanitized
run_suite "core, libFuzzer targets" "$ROOT/scripts/fuzz.sh" "${FUZZ_SECONDS:-30}"
if [ -x "$ROOT/scripts/test-windows.sh" ]; then
    run_suite "Windows program under Wine" "$ROOT/scripts/test-windows.sh"
fi

echo "suites: $passed passed, $failed failed"
[ $failed -eq 0 ]
