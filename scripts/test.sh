#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Zifferon and runs every test
# headless: the core and widget suites, the end-to-end test under Xvfb, the
# core suite again under AddressSanitizer/UBSan, and a bounded fuzz run.
#   --quick   only the normal build and its tests
set -euo pipefail
ZIFFERON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ZIFFERON_ROOT/scripts/setup.sh"

quick=0
[[ ${1:-} == --quick ]] && quick=1

zifferon_install_packages

export QT_QPA_PLATFORM=offscreen
zifferon_build "$ZIFFERON_ROOT/build"
ctest --test-dir "$ZIFFERON_ROOT/build" --output-on-failure -j"$(nproc)"

if ((quick)); then
    exit 0
fi

# The core suite under AddressSanitizer/UBSan, and a bounded fuzz run.
"$ZIFFERON_ROOT/scripts/reliability.sh"

# The Debian package: built from a separate Release tree and inspected.
"$ZIFFERON_ROOT/packaging/check-package.sh" "$ZIFFERON_ROOT/build-pkg"
