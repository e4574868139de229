#!/usr/bin/env bash
# Side-by-side benchmarks with Google Benchmark, printed as pairs with their
# ratio: numberToText against snprintf("%.13g"), textToNumber against strtod
# (on the same inputs), and one generation run against bare open/write/close of
# the same three byte strings. Figures, not a pass/fail test.
#
#   scripts/bench.sh [extra Google Benchmark options]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

ensure_packages build-essential cmake ninja-build libbenchmark-dev python3

build="$ROOT/build/bench"
cmake -S "$ROOT/bench" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

json="$build/results.json"
"$build/TorvaneBench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json "$@" >"$build/bench.log" 2>&1 ||
    { cat "$build/bench.log" >&2; exit 1; }

python3 - "$json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))
median = {b["run_name"]: b for b in results["benchmarks"] if b.get("aggregate_name") == "median"}
pairs = [
    ("numberToText/sleep", "snprintf%.13g/sleep"),
    ("numberToText/any", "snprintf%.13g/any"),
    ("textToNumber/sleep", "strtod/sleep"),
    ("textToNumber/any", "strtod/any"),
    ("generationRun", "bareWrites"),
]
def ns(b):
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
    return b["real_time"] * scale, b["cpu_time"] * scale
ctx = results["context"]
print(f"{ctx['num_cpus']} CPUs at {ctx['mhz_per_cpu']} MHz; medians of 5 repetitions")
print(f"{'ours':22} {'reference':22} {'ours ns':>11} {'ref ns':>11} {'ratio':>6}   (cpu ratio)")
for ours, reference in pairs:
    if ours not in median or reference not in median:
        continue
    (ow, oc), (rw, rc) = ns(median[ours]), ns(median[reference])
    print(f"{ours:22} {reference:22} {ow:11.1f} {rw:11.1f} {ow / rw:6.2f}   ({oc / rc:.2f})")
PY

# The Windows program's figures under Wine: start-up, working set, generation.
echo
"$ROOT/scripts/bench-windows.sh"
