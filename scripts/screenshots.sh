#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the README's screenshots from the real window under Xvfb:
# the fresh sheet, a task in progress and a finished task.
# Usage: scripts/screenshots.sh [PATH/TO/zifferon]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/zifferon}
out=$root/docs/screenshots
mkdir -p "$out"

source "$root/tests/e2e/xdriver.sh"
start_xvfb
export DISPLAY=$display

shoot() {
    sleep 0.5
    import -display "$display" -window "$win" "$out/$1.png"
    echo "wrote $out/$1.png"
}

start_program
enter_task 9434 13
shoot fresh
type_keys 7
key Return
type_keys 91
key Return      # row 0: korrekt
click_cell 2 4
type_keys 4
key Return      # row 1: Fehler, one error
click_twips 5640 1080 255 285
type_keys 2
key Return
type_keys 2     # row 2: korrekt?
shoot in-progress
stop_program

start_program
work_9434_13
shoot finished
stop_program
