#!/usr/bin/env bash
# The whole test suite, X tests included, built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer: any memory error, undefined behaviour or leak of ours fails it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source .ci/sanitizerbuild.sh
sanitized_build build-sanitize -O0
cmake --build build-sanitize -j"$(nproc)" --target tavrolin_tests
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
