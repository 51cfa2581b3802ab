#!/usr/bin/env bash
# Builds Quendel and the benchmarks in Release and prints the tables: start-up and memory
# beside the bare baseline window (offscreen and under Xvfb), then the in-process dart timings
# and the memory after 1,000 and 100,000 darts.
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-20}
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j "$(nproc)" --target baseline_window startup_probe dart_bench bench_report >/dev/null

display=99
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo
build-bench/bench/bench_report --runs "$RUNS" --display ":$display"
echo
build-bench/bench/dart_bench "${DARTS:-2000}"
echo
build-bench/bench/dart_bench --memory
