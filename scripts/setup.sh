#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and running, or the tests, need,
# if any is missing. Sourced by run.sh and test.sh.
#
# Every name is one that Debian 12 and Debian 13 both have: no package names a
# compiler or LLVM version (clang, llvm and libclang-rt-dev follow the
# release's default LLVM), so the same list serves both releases.
set -euo pipefail

# What building the program and starting it need (run.sh).
ZIFFERON_RUN_PACKAGES=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools
    libgl-dev fonts-dejavu-core
)
# What the tests need on top (test.sh): Google Test and Benchmark, clang with
# libFuzzer and the sanitizer runtimes, llvm-symbolizer for their stack traces,
# clang-format, the X and screen-reader stack, and the package checkers.
ZIFFERON_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev llvm clang-format
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
    orca python3-pyatspi speech-dispatcher at-spi2-core dbus-daemon openbox
    dpkg-dev file desktop-file-utils appstream lintian libxml2-utils
)

# zifferon_install_packages run|test: test installs both sets.
zifferon_install_packages() {
    local wanted=("${ZIFFERON_RUN_PACKAGES[@]}")
    [[ ${1:-test} == test ]] && wanted+=("${ZIFFERON_TEST_PACKAGES[@]}")
    local missing=()
    for p in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one of the configurations in CMakePresets.json.
zifferon_build() {
    local preset=$1
    (cd "$ZIFFERON_ROOT" && cmake --preset "$preset" >/dev/null)
    cmake --build "$ZIFFERON_ROOT/$(zifferon_build_dir "$preset")" -j"$(nproc)"
}

zifferon_build_dir() {
    case $1 in
    default) echo build ;;
    release) echo build-pkg ;;
    sanitize) echo build-asan ;;
    fuzz) echo build-fuzz ;;
    bench) echo build-bench ;;
    esac
}
