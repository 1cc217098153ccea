#!/usr/bin/env bash
# One entry point for the project's jobs. Each job installs the Debian packages it needs first.
#   bash run.sh main    build, then render every window of the built-in demo data set headless into
#                       out/ with the host program (and run each part's demo program after it)
#   bash run.sh test    build and run the whole test suite, release and sanitizer builds
#   bash run.sh bench   build and run the benchmarks (release)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core
          googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev)
JOBS=$(nproc 2>/dev/null || echo 2)

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "run.sh: installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

case "${1:-}" in
main)
    install_packages "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DCXC_BUILD_TESTS=OFF -DCXC_BUILD_BENCH=OFF
    build/release/app/cxcmap render --out out
    # Each part's demo program draws its own pictures too.
    for demo in build/release/tools/cxc*demo; do
        if [ -x "$demo" ]; then "$demo" out; fi
    done
    ;;
test)
    install_packages "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DCXC_BUILD_BENCH=OFF
    (cd build/release && ctest --output-on-failure)
    build build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCXC_SANITIZE=ON -DCXC_BUILD_BENCH=OFF
    (cd build/asan && ctest --output-on-failure)
    ;;
bench)
    install_packages "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release
    build/release/bench/cxcmap_bench "${@:2}"
    ;;
*)
    echo "usage: bash run.sh main|test|bench" >&2
    exit 2
    ;;
esac
