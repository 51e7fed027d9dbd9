#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Zifferon and starts it.
set -euo pipefail
ZIFFERON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ZIFFERON_ROOT/scripts/setup.sh"

zifferon_install_packages
zifferon_build default
exec "$ZIFFERON_ROOT/build/zifferon"
