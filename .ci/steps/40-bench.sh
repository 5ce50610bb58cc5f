#!/usr/bin/env bash
# The benchmarks of bench/, built as the README builds the program, each printing its figures.
# Their "ratio NAME VALUE GOAL" lines are gathered in a table. Timings vary with the load of the
# machine, so a ratio above its goal only warns; one above twice its goal is no noise but a
# regression, and fails the step.
# bench_generation fails by itself when the script command's way to the bytes of a script file
# and the wizard's give different bytes.
set -euo pipefail
cd "$(dirname "$0")/../.."
benches=(bench_generation bench_scriptcommand bench_checkcommand bench_preflight bench_startup)
# The runner's benchmark joins when the tree has it.
if grep -q '^tavrolin_add_bench(bench_run ' bench/CMakeLists.txt; then
    benches+=(bench_run)
fi
cmake --build build -j"$(nproc)" --target "${benches[@]}"
output=$(mktemp)
trap 'rm -f "$output"' EXIT
for bench in "${benches[@]}"; do
    echo "bench: $bench"
    if [ "$bench" = bench_startup ]; then
        xvfb-run -a -s "-screen 0 1280x800x24" "build/bench/$bench" | tee -a "$output"
    else
        "build/bench/$bench" | tee -a "$output"
    fi
done
echo "bench: ratio (goal): verdict"
awk '/^ratio / {
    verdict = $3 <= $4 ? "met" : ($3 <= 2 * $4 ? "above its goal" : "REGRESSION")
    printf "bench: %-40s %8.2f (%s): %s\n", $2, $3, $4, verdict
    if ($3 > 2 * $4) failed = 1
} END { exit failed }' "$output"
