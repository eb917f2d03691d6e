#!/usr/bin/env bash
# Builds the benchmarks in build-bench and prints every figure quoted in bench/README.md.
#   bench/run.sh
set -euo pipefail
(($# == 0)) || { echo "usage: bench/run.sh" >&2 && exit 2; }
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMPORA_BUILD_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2 >/dev/null
cd build-bench
# The screen scales the program draws a first frame for, as the build lists them.
scales=$(sed -n 's/^AMPORA_FIRST_FRAME_SCALES:STRING=//p' CMakeCache.txt | tr ';' ' ')

lscpu | grep -E '^(Model name|CPU\(s\)|Thread|Core)'
bench/bench_core --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
bench/bench_form --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
# Where the time goes, as the program marks it, and the first selector opened after start-up.
bench/startup_compare --runs 20 bench/ampora_startup_phases bench/bare_window
# An X server of its own, 24-bit and larger than the window at 2x, without a window manager.
on_x() { xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp -noreset" "$@"; }
QT_QPA_PLATFORM=xcb on_x bench/startup_compare --runs 20 \
    "bench/ampora_startup_phases --open-selector" bench/bare_window
# The program itself against the bare window, watched on the X server at each screen scale; last,
# with the page cache dropped before every run (root only), at the smallest and the largest scale.
for scale in $scales; do
    on_x bench/startup_compare --screen --scale "$scale" --runs 21 ./ampora "bench/bare_window --stay"
done
if [[ $(id -u) -eq 0 ]]; then
    for scale in "${scales%% *}" "${scales##* }"; do
        on_x bench/startup_compare --screen --cold --scale "$scale" --runs 11 ./ampora \
            "bench/bare_window --stay"
    done
fi
