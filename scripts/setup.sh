#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
# Sourced by run.sh and test.sh.
set -euo pipefail

ZIFFERON_PACKAGES=(
    build-essential cmake git
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins
    libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
    dpkg-dev desktop-file-utils appstream
)

zifferon_install_packages() {
    local missing=()
    for p in "${ZIFFERON_PACKAGES[@]}"; do
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

zifferon_build() {
    local dir=$1
    shift
    cmake -S "$ZIFFERON_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
