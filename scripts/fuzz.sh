#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs each one for a
# bounded time from its committed seed corpus, in one process so that the
# machine keeps a core for other work.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]     (or FUZZ_SECONDS=..., default 30)
#
# Fails, naming the reproducer, when a target crashes, leaks, hangs or breaks
# one of its invariants.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages clang libclang-rt-14-dev cmake ninja-build

seconds=${1:-${FUZZ_SECONDS:-30}}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(FoldText NumberText Documents SwitchList)

build="$ROOT/build/fuzz"
CC=clang CXX=clang++ cmake -S "$ROOT/tests/fuzz" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

status=0
for target in "${targets[@]}"; do
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/$target.log"
    mkdir -p "$work" "$artifacts"
    options=()
    # A few hundred list operations reach every state; longer ones only slow it down.
    [ "$target" = SwitchList ] && options+=(-max_len=128)
    if "$build/${target}Fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        "${options[@]}" -artifact_prefix="$artifacts/" "$work" "$ROOT/tests/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
        echo "fuzz $target: $runs runs in ${seconds}s, $coverage, nothing found"
    else
        status=1
        echo "FUZZ FAILURE in $target; log: $log" >&2
        grep -E 'ERROR|invariant broken|runtime error|Test unit written' "$log" | head -20 >&2 || true
    fi
done
exit $status
