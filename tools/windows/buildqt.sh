#!/usr/bin/env bash
# Builds Qt 6.4.2 for x86_64-w64-mingw32 from Debian 12's own source package qt6-base
# 6.4.2+dfsg-10, with Debian's Linux Qt as the host Qt: the same build as the cache that
# build.sh unpacks (about 23 minutes on 2 cores). Run as root (it installs packages).
#
#   tools/windows/buildqt.sh WORK_FOLDER INSTALL_FOLDER
#
# Why these options: Debian's source drops src/3rdparty/wintab (so no tablet events); the
# offscreen platform plug-in is built only with FreeType (-qt-freetype); with -no-direct2d Qt
# 6.4's qwindows.dll fails to link unless -no-feature-directwrite3 is given too.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$(mkdir -p "$2" && cd "$2" && pwd)

# Debian's sources, for source packages too.
if ! grep -qs "deb-src" /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >/etc/apt/sources.list.d/debian-src.sources
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends dpkg-dev ninja-build \
    perl g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools cmake

cd "$work"
[ -d qt6-base-6.4.2+dfsg ] || apt-get source qt6-base=6.4.2+dfsg-10
rm -rf qtbase-build
mkdir qtbase-build
cd qtbase-build
../qt6-base-6.4.2+dfsg/configure -prefix "$prefix" -release -shared \
    -qt-host-path /usr -cmake-generator Ninja -nomake examples -nomake tests -nomake benchmarks \
    -no-opengl -no-dbus -no-icu -no-openssl -no-schannel -no-ssl -no-zstd \
    -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-doubleconversion -qt-freetype \
    -no-libjpeg -no-gif -ico \
    -no-feature-sql -no-feature-xml -no-feature-printsupport -no-feature-concurrent \
    -no-feature-vulkan -no-feature-tabletevent -no-direct2d -no-feature-directwrite3 \
    -- -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
