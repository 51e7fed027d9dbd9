#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 or 13 machine, builds Zifferon and runs every test
# headless: the core and widget suites, the end-to-end and screen-reader tests
# under Xvfb, the core suite again under AddressSanitizer/UBSan, a bounded
# fuzz run and the Debian package's checks.
#   --quick   only the normal build and its tests
set -euo pipefail
ZIFFERON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ZIFFERON_ROOT/scripts/setup.sh"

quick=0
[[ ${1:-} == --quick ]] && quick=1

zifferon_install_packages test

# Every source file as the project's clang-format style writes it.
mapfile -t sources < <(cd "$ZIFFERON_ROOT" &&
    find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
(cd "$ZIFFERON_ROOT" && clang-format --dry-run --Werror "${sources[@]}") ||
    { echo "clang-format would change the files above: run clang-format -i on them" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen
zifferon_build default
ctest_log=$(mktemp)
trap 'rm -f "$ctest_log"' EXIT
ctest --test-dir "$ZIFFERON_ROOT/build" --output-on-failure -j"$(nproc)" | tee "$ctest_log"
# The set-up above installs everything the Xvfb and screen-reader tests use:
# a test that skipped itself found a missing piece, which must not pass.
if grep -q '\*\*\*Skipped' "$ctest_log"; then
    echo "Skipped tests (exit 77: a tool they need is missing):" >&2
    grep '\*\*\*Skipped' "$ctest_log" >&2
    exit 1
fi

if ((quick)); then
    exit 0
fi

# The core suite under AddressSanitizer/UBSan, and a bounded fuzz run.
"$ZIFFERON_ROOT/scripts/reliability.sh"

# The Debian package: built from a separate Release tree and inspected.
"$ZIFFERON_ROOT/packaging/check-package.sh" "$ZIFFERON_ROOT/build-pkg"
