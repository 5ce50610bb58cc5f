#!/usr/bin/env bash
# Each fuzz target replays its committed corpus, then fuzzes for a short while. A finding fails
# the step and its input is printed; tests/fuzz/corpus/<target>/ is never written to.
set -euo pipefail
cd "$(dirname "$0")/../.."
source .ci/sanitizerbuild.sh
sanitized_build build-fuzz -O1
cmake --build build-fuzz -j"$(nproc)" --target fuzz
seconds=${TAVROLIN_FUZZ_SECONDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    mkdir -p "$work/$name/corpus" "$work/$name/findings"
    # Standard error is the command's own messages; libFuzzer and the sanitizers report anyway.
    options=(-close_fd_mask=2 -timeout=20 -artifact_prefix="$work/$name/findings/")
    echo "fuzz: $name replays tests/fuzz/corpus/$name, then fuzzes for $seconds s"
    if ! "$target" "${options[@]}" -runs=0 "tests/fuzz/corpus/$name" ||
        ! "$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
            "$work/$name/corpus" "tests/fuzz/corpus/$name"; then
        status=1
        for finding in "$work/$name/findings"/*; do
            [ -e "$finding" ] || continue
            echo "fuzz: $name finding $(basename "$finding"), $(stat -c %s "$finding") bytes:"
            od -A x -t x1z -v "$finding"
            echo "fuzz: the same as base64 (base64 -d > input; $target input replays it):"
            base64 -w 0 "$finding"
            echo
        done
    fi
done
exit $status
