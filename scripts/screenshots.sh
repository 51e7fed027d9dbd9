#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the README's screenshots from the real window under Xvfb:
# the fresh sheet, a task in progress, a finished task, the class overview
# and a task with the Überschlag and the Probe.
# Usage: scripts/screenshots.sh [PATH/TO/zifferon]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/zifferon}
out=$root/docs/screenshots
mkdir -p "$out"

source "$root/tests/e2e/xdriver.sh"
# A screen as wide as a classroom's: the class overview shows all its columns.
start_xvfb 1280x1024x24
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

# The class overview over a folder of pupils' files, each saved from the real
# window after its own kinds of mistakes.
class=$work/klasse
mkdir -p "$class"/anna "$class"/ben "$class"/carla "$class"/dora "$class"/emil "$class"/fritz
start_program
work_9434_13 # one remainder wrong
save_as "$class/anna/9434_13"
enter_task 9434 13
type_keys 6
key Return
type_keys 78
key Return # the digit too small
save_as "$class/ben/9434_13"
enter_task 9434 13
type_keys 7
key Return
type_keys 92
key Return # a slip in the times table, checked twice
key Return
click_cell 1 4
type_keys 1
key Return
click_cell 2 5
type_keys 3
key Return # the remainder in the wrong column
save_as "$class/carla/9434_13"
enter_task 1313 13
save_as "$class/emil/1313_13"
stop_program
start_program
work_1313_13
save_as "$class/dora/1313_13"
echo "kein Rechenblatt" >"$class/fritz/notizen.AUF"

click_twips 7000 6000 300 300
key alt+d
key k
sleep 0.8
key ctrl+a
type_keys "$class"
key Return
sleep 0.8
# A folder's name may first only open it in the dialog.
if xdotool search --onlyvisible --name 'Ordner der Klasse' >/dev/null 2>&1; then
    key Return
    sleep 0.8
fi
overview=$(xdotool search --onlyvisible --name '^Klassen' 2>/dev/null | head -1 || true)
if [[ -z $overview ]]; then
    echo "the class overview did not open"
    exit 1
fi
sleep 0.5
import -display "$display" -window "$overview" "$out/class-overview.png"
echo "wrote $out/class-overview.png"
stop_program

# Last, since the settings it turns on stay for every later start: a task
# with the Überschlag and the Probe that the settings ask for.
start_program
work_455585_723
shoot ueberschlag-probe
stop_program
