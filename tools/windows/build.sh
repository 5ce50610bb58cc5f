#!/usr/bin/env bash
# Builds the Windows program on a Debian 12 machine, runs its whole test suite under wine and
# writes the portable package tavrolin-<version>-windows-x64.zip:
#
#   tools/windows/build.sh [BUILD_FOLDER]        (default: build-windows in the repository)
#
# 1. installs what is missing from Debian's packages (as root): MinGW-w64, wine, CMake, Ninja,
#    the Linux Qt (host tools, translations), the Japanese font, Xvfb;
# 2. gets Qt 6.4.2 for Windows: unpacks the cache (TAVROLIN_QT_CACHE, by default
#    ../shared/cache/qt-6.4.2-mingw-x86_64.tar.xz beside the repository) after checking its
#    sha256, or builds it from Debian's source package with buildqt.sh where there is none;
# 3. cross-builds the program, its tests and benchmarks, and packs the zip and the Windows
#    Installer package (the build target msi);
# 4. runs every test under wine (code page 932, widget tests on the offscreen platform, the
#    window tests on a private Xvfb display), among them the packaged program walked through the
#    whole wizard and compared with the Linux build (TAVROLIN_LINUX_BUILD, by default build/ in
#    the repository; its tavrolin target is built when missing).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=$(mkdir -p "${1:-$repo/build-windows}" && cd "${1:-$repo/build-windows}" && pwd)
qt_cache=${TAVROLIN_QT_CACHE:-$repo/../shared/cache/qt-6.4.2-mingw-x86_64.tar.xz}
qt_sha256=1724d77f740a2d07c6ab56462c039e4aab0f198c2cd02d03b81f6e886b50675d
linux_build=${TAVROLIN_LINUX_BUILD:-$repo/build}
jobs=$(nproc)

step() { echo "== $* ($((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}; install them as root" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

get_qt() {
    local qt=$out/qt-mingw
    if [ -f "$qt/.complete" ]; then
        return
    fi
    rm -rf "$qt"
    if [ -f "$qt_cache" ]; then
        step "Qt for Windows from $qt_cache"
        echo "$qt_sha256  $qt_cache" | sha256sum -c --quiet -
        tar -xJf "$qt_cache" -C "$out"
    else
        step "Qt for Windows built from source (no cache at $qt_cache)"
        "$here/buildqt.sh" "$out/qt-source" "$qt"
    fi
    touch "$qt/.complete"
}

# Wine takes the ANSI code page from the Unix locale: a Japanese one gives code page 932.
write_wine_environment() {
    mkdir -p "$out/wine/locale"
    [ -d "$out/wine/locale/ja_JP.UTF-8" ] ||
        localedef -i ja_JP -f UTF-8 "$out/wine/locale/ja_JP.UTF-8"
    local runtime
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    cat >"$out/wine/env.sh" <<EOF
export WINEPREFIX='$out/wine/prefix'
export WINEPATH='$(winepath_of "$out/qt-mingw/bin");$(winepath_of "$runtime");$(winepath_of /usr/x86_64-w64-mingw32/lib)'
export QT_PLUGIN_PATH='$(winepath_of "$out/qt-mingw/plugins")'
TAVROLIN_LOCALE_DIR='$out/wine/locale'
TAVROLIN_FONT_DIR=/usr/share/fonts/opentype/ipafont-gothic
EOF
}

# Wine shows the Unix root as drive Z:.
winepath_of() {
    printf 'Z:%s' "${1//\//\\}"
}

linux_program() {
    if [ ! -x "$linux_build/bin/tavrolin" ]; then
        step "Linux program for the comparisons, in $linux_build" >&2
        [ -f "$linux_build/CMakeCache.txt" ] || cmake -S "$repo" -B "$linux_build" -G Ninja >&2
        cmake --build "$linux_build" -j"$jobs" --target tavrolin >&2
    fi
    echo "$linux_build/bin/tavrolin"
}

step "Packages"
install_packages g++-mingw-w64-x86-64-posix wine cmake ninja-build locales xz-utils qt6-base-dev \
    qt6-translations-l10n libxdo-dev fonts-ipafont-gothic xvfb xauth wixl msitools
get_qt
write_wine_environment
reference=$(linux_program)

step "Cross-build"
cmake -S "$repo" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$out/qt-mingw/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/winerun;$out/wine/env.sh" \
    -DTAVROLIN_LINUX_PROGRAM="$reference" \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
cmake --build "$out/build" -j"$jobs"
(cd "$out/build" && cpack -G ZIP >/dev/null)
cmake --build "$out/build" --target msi >/dev/null
packages=$(ls "$out"/build/tavrolin-*-windows-x64.zip "$out"/build/tavrolin-*-windows-x64.msi)

step "Tests under wine"
# On a private X display, one wine server for the whole run: the prefix is made once, and no test
# waits for a server to start.
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    . "$1/wine/env.sh"
    mkdir -p "$WINEPREFIX" && wineserver -p
    "$2/winerun" "$1/wine/env.sh" wineboot --init >"$1/wine/wineboot.log" 2>&1
    status=0
    ctest --test-dir "$1/build" -j"$3" --output-on-failure || status=$?
    wineserver -k
    exit $status' run-tests "$out" "$here" "$jobs" || status=$?
step "Done: ${packages//$'\n'/ and }; the tests $([ $status -eq 0 ] && echo passed || echo FAILED)"
exit $status
