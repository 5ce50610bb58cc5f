# Sourced by the sanitizer and fuzzing steps: installs clang and its sanitizer runtimes, and
# gives sanitized_build, which configures a clang build of the whole program and its tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (no recovery), with the coverage
# instrumentation that the fuzz targets need, with line tables for readable reports. The test
# suite builds at -O0, in about half the time of -O1, which more than pays for the slower test
# run; the fuzz targets build at -O1, where they try several times as many inputs.
apt-get update -qq
apt-get install -y -qq --no-install-recommends clang-14 libclang-rt-14-dev llvm-14 ninja-build \
    cmake qt6-base-dev qt6-qpa-plugins libxdo-dev fonts-ipafont-gothic xvfb xauth xterm \
    x11-utils xdotool matchbox-window-manager >/dev/null
# The tests' own environment (tests/CMakeLists.txt) adds the leak suppressions.
export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
# sanitized_build FOLDER OPTIMISATION
sanitized_build() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DTAVROLIN_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=$2 -gline-tables-only" >/dev/null
}
