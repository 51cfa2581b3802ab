#!/usr/bin/env bash
# Sets up a Debian 12 or Ubuntu machine for Quendel, builds it, and then either starts the
# program (start) or runs the whole test suite (test).
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake g++ make qt6-base-dev libgtest-dev libx11-dev fonts-liberation2 xvfb xdotool x11-utils imagemagick)
JOBS=$(nproc 2>/dev/null || echo 2)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}

case "${1:-}" in
    start)
        install_missing_packages
        build build
        exec ./build/quendel
        ;;
    test)
        install_missing_packages
        build build
        (cd build && ctest --output-on-failure -j "$JOBS")
        echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
        build build-sanitize -DQUENDEL_SANITIZE=ON -DQUENDEL_BUILD_BENCH=OFF
        (cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$JOBS")
        ;;
    *)
        echo "usage: scripts/setup.sh start|test" >&2
        exit 2
        ;;
esac
