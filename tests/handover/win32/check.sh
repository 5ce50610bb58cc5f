#!/bin/sh
# Cross-checks the Windows layers of the keystroke hand-over, the system information lookup and
# the ANSI code page conversion on Linux: compiles them with mingw-w64 (g++-mingw-w64-x86-64-posix), syntax-checks their Qt
# wrappers against the Qt headers, and runs the check programs under wine when it is installed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../../src" && pwd)
out=${1:-$(mktemp -d)}
mkdir -p "$out"
cxx=x86_64-w64-mingw32-g++-posix
flags="-std=c++20 -Wall -Wextra -Wpedantic -Werror -I$src"
qt=/usr/include/x86_64-linux-gnu/qt6

for file in platform/keystrokes/win32keystrokesender.cpp platform/sysinfo/registry_win.cpp \
    platform/sysinfo/sysinfotool.cpp core/ansicodec_win.cpp; do
    $cxx $flags -fsyntax-only -isystem "$qt" -isystem "$qt/QtCore" "$src/$file"
done
echo "Qt wrappers compile"

$cxx $flags -static -o "$out/handovercheck.exe" "$here/handovercheck.cpp" \
    "$src/platform/keystrokes/win32windowtyper.cpp" -luser32
$cxx $flags -static -o "$out/registrycheck.exe" "$here/registrycheck.cpp" \
    "$src/platform/sysinfo/win32registryvalue.cpp" -ladvapi32
echo "check programs built in $out"

if ! command -v wine >/dev/null; then
    echo "wine is not installed: the check programs were not run"
    exit 0
fi
# Wine creates no windows without an X display; xvfb-run lends it a private one.
export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
status=0
timeout 600 xvfb-run -a wine "$out/handovercheck.exe" || status=$?
timeout 600 wine "$out/registrycheck.exe" || status=$?
wineserver -k 2>/dev/null || true
exit $status
