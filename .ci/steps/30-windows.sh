#!/usr/bin/env bash
# The Windows program: cross-built with MinGW-w64 against Qt 6.4.2 for Windows, its whole test
# suite run under wine and the portable zip packed, by tools/windows/build.sh. Qt comes from the
# cache beside the repository (../shared/cache, or TAVROLIN_QT_CACHE) and is built from Debian's
# source where there is none. The Linux program that the Windows one is compared with is the one
# the README's test command built in build/.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/windows/build.sh build-windows
