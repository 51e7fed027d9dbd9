#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 or 13 machine, builds Zifferon and starts it.
# Installs only what building and running need, and builds the program alone
# (the release configuration, build-pkg/), not the tests.
set -euo pipefail
ZIFFERON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ZIFFERON_ROOT/scripts/setup.sh"

zifferon_install_packages run
zifferon_build release
exec "$ZIFFERON_ROOT/build-pkg/zifferon" "$@"
