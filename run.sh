#!/usr/bin/env bash
# One entry point for the project's jobs. Each job installs the Debian packages it needs first.
#   bash run.sh main    build, then render every window of the built-in demo data set headless into
#                       out/ with the host program (and run each part's demo program after it)
#   bash run.sh test    build and run the whole test suite, release and sanitizer builds, the
#                       Python package's tests, the installed module with the example host, the
#                       Debian package in a clean root,
#                       then a bounded run of each fuzz target (clang; CXC_FUZZ_SECONDS each, default 50)
#   bash run.sh bench   build and run the benchmarks (release)
#   bash run.sh compare the play paths beside a Python peer (matplotlib, MNE, NetworkX) in one run
#   bash run.sh package build the Debian package build/release/cxcmap_<version>_amd64.deb
#   bash run.sh fuzz [SECONDS [TARGET...]]
#                       long local fuzzing: each target (datafolder, fieldtrip, views, dialogs) in turn for
#                       SECONDS (default 3600), keeping what it finds in build/fuzz/corpus-TARGET
#   bash run.sh soak [TICKS]
#                       the soak tests with TICKS timer ticks per playing window (default 10000)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core
          googletest libgtest-dev libpng-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev libgif-dev libmatio-dev)
# The manual page is written with help2man; the package's Depends with dpkg-shlibdeps; the package is
# tried in a clean Debian root made by mmdebstrap.
PACKAGE_PACKAGES=(help2man dpkg-dev mmdebstrap)
# The figure tests read the text of a written PDF with pdftotext.
TEST_PACKAGES=(poppler-utils)
# The fuzz targets need clang with its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
FUZZ_TARGETS=(datafolder fieldtrip views dialogs)
# The Python package's tests run on Debian's interpreter and its MNE; pip installs the package once.
PYTHON_PACKAGES=(python3 python3-numpy python3-mne python3-pytest python3-pip python3-venv)
# The side-by-side figures draw the same work with the peer's libraries.
PEER_PACKAGES=(python3 python3-numpy python3-matplotlib python3-mne python3-networkx)
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

build() {  # build DIR [cmake options...]; CXC_WERROR=ON (as CI sets it) turns warnings into errors
    local dir=$1; shift
    cmake -S . -B "$dir" -DCXC_WERROR="${CXC_WERROR:-OFF}" "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

# The fuzz build: every library instrumented (clang, ASan + UBSan + coverage), the fuzz targets and
# the tools, so the whole project is known to build with clang too.
build_fuzz() {
    install_packages "${FUZZ_PACKAGES[@]}"
    build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCXC_FUZZ=ON \
        -DCXC_BUILD_TESTS=OFF -DCXC_BUILD_BENCH=OFF
}

# fuzz_target NAME SECONDS CORPUS: runs one target on CORPUS (new inputs are kept there) and the
# committed seeds; any crash, leak, sanitizer report or timeout fails.
fuzz_target() {
    local name=$1 seconds=$2 corpus=$3 rc=0
    local log=build/fuzz/fuzz-$name.log
    mkdir -p "$corpus" build/fuzz/artifacts
    echo "run.sh: fuzzing $name for ${seconds}s (log: $log)"
    local asan=$ASAN_OPTIONS
    # libmatio asks calloc for impossible sizes on a damaged file and copes with the null it gets
    # outside the sanitizer; under it, the request itself would count as the fault.
    [ "$name" = fieldtrip ] && asan="$asan:allocator_may_return_null=1"
    ASAN_OPTIONS=$asan build/fuzz/fuzz/cxcfuzz_"$name" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=3072 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/"$name"- "$corpus" fuzz/corpus/"$name" >"$log" 2>&1 || rc=$?
    grep -E "^(#[0-9]+ +DONE|Done [0-9]+ runs)|^stat::(number_of_executed_units|peak_rss_mb)" "$log" || true
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$log"
        echo "run.sh: fuzz target $name failed (exit $rc); the input is in build/fuzz/artifacts/" >&2
    fi
    return "$rc"
}

# The Python package: pytest against the release program, and an offline pip install into a
# virtual environment that sees Debian's NumPy and setuptools. The Debian interpreter by path, as
# another python3 may come first on PATH.
python_check() {
    install_packages "${PYTHON_PACKAGES[@]}"
    CXCMAP=build/release/app/cxcmap PYTHONPATH=python /usr/bin/python3 -m pytest -q -p no:cacheprovider python/tests
    rm -rf build/pyvenv
    /usr/bin/python3 -m venv --system-site-packages build/pyvenv
    build/pyvenv/bin/pip install -q --no-build-isolation --no-index ./python
    (cd build && pyvenv/bin/python -m cxcfolder --help >/dev/null)
    rm -rf python/build python/*.egg-info
}

# The installed module from a temporary prefix: the example host outside the build finds it, builds
# and draws; the manual page names every command.
install_check() {
    local prefix=$PWD/build/install-check
    rm -rf "$prefix" build/host
    cmake --install build/release --prefix "$prefix/usr" >/dev/null
    cmake -S examples/host -B build/host -DCMAKE_PREFIX_PATH="$prefix/usr" >/dev/null
    cmake --build build/host
    "$prefix/usr/bin/cxcmap" demo-data --out "$prefix/data" >/dev/null
    mkdir -p "$prefix/pictures"
    build/host/cxchost "$prefix/data" "$prefix/pictures"
    for cmd in render report grid demo-data; do
        grep -q "^\.SS $cmd\$" "$prefix/usr/share/man/man1/cxcmap.1" || { echo "run.sh: the manual page lacks $cmd" >&2; return 1; }
    done
}

# The Debian package, installed with apt-get into a clean Debian 12 root (nothing else installed by
# hand), where cxcmap must draw: a library or file the package lacks fails here.
package() {
    rm -f build/release/cxcmap_*.deb
    (cd build/release && cpack -G DEB >/dev/null)
    local deb
    deb=$(ls build/release/cxcmap_*_amd64.deb)
    echo "run.sh: built $deb"
}

clean_root_check() {
    local deb name
    deb=$(ls build/release/cxcmap_*_amd64.deb)
    name=$(basename "$deb")
    echo "run.sh: installing $name into a clean Debian 12 root"
    mmdebstrap --variant=apt --mode=root --quiet \
        --customize-hook="copy-in $deb /tmp" \
        --customize-hook="chroot \"\$1\" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/$name >/dev/null" \
        --customize-hook='chroot "$1" env QT_QPA_PLATFORM=offscreen cxcmap render --out /tmp/pictures --only showDlgCxcMegActLink2DMap,showDlgCxcMatrixAct' \
        bookworm /dev/null
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
    install_packages "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DCXC_BUILD_TESTS=ON -DCXC_BUILD_BENCH=OFF
    bash tools/testshare.sh --enforce  # tests at most 0.40 of the code, or the job fails
    (cd build/release && ctest -j "$JOBS" --no-tests=error --output-on-failure)
    python_check
    install_check
    package
    clean_root_check
    build build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCXC_SANITIZE=ON -DCXC_BUILD_TESTS=ON -DCXC_BUILD_BENCH=OFF
    (cd build/asan && ctest -j "$JOBS" --no-tests=error --output-on-failure)
    build_fuzz
    for t in "${FUZZ_TARGETS[@]}"; do
        # A fresh corpus each run: CI keeps nothing but the committed seeds.
        rm -rf build/fuzz/ci-corpus-"$t"
        fuzz_target "$t" "${CXC_FUZZ_SECONDS:-50}" build/fuzz/ci-corpus-"$t"
    done
    ;;
fuzz)
    build_fuzz
    seconds=${2:-3600}
    targets=("${@:3}")
    [ ${#targets[@]} -eq 0 ] && targets=("${FUZZ_TARGETS[@]}")
    for t in "${targets[@]}"; do fuzz_target "$t" "$seconds" build/fuzz/corpus-"$t"; done
    ;;
soak)
    install_packages "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DCXC_BUILD_TESTS=ON -DCXC_BUILD_BENCH=OFF
    CXC_SOAK_TICKS=${2:-10000} build/release/tests/cxctest_reliability --gtest_filter='Soak.*'
    ;;
package)
    install_packages "${PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release -DCXC_BUILD_TESTS=OFF -DCXC_BUILD_BENCH=OFF
    package
    ;;
bench)
    install_packages "${PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release
    build/release/bench/cxcmap_bench "${@:2}"
    ;;
compare)
    install_packages "${PACKAGES[@]}" "${PEER_PACKAGES[@]}"
    build build/release -DCMAKE_BUILD_TYPE=Release
    /usr/bin/python3 bench/sidebyside.py --bench build/release/bench/cxcmap_bench "${@:2}"
    ;;
*)
    echo "usage: bash run.sh main|test|package|bench|compare|fuzz [SECONDS [TARGET...]]|soak [TICKS]" >&2
    exit 2
    ;;
esac
