#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Zifferon and starts it.
set -euo pipefail
ZIFFERON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ZIFFERON_ROOT/scripts/setup.sh"

zifferon_install_packages
zifferon_build "$ZIFFERON_ROOT/build"
exec "$ZIFFERON_ROOT/build/zifferon"
