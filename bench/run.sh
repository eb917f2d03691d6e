#!/usr/bin/env bash
# Builds the benchmarks in build-bench and prints every figure quoted in bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMPORA_BUILD_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
cd build-bench/bench

lscpu | grep -E '^(Model name|CPU\(s\)|Thread|Core)'
./bench_core --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
./bench_form --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
./startup_compare --runs 20 ./ampora_first_frame ./bare_window
if command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a ./startup_compare --runs 20 ./ampora_first_frame ./bare_window
fi
for program in ampora_first_frame bare_window; do
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v ./$program 2>&1 >/dev/null |
        sed -n "s/Maximum resident set size/$program: max RSS/p"
done
