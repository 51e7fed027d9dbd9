#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end test: starts the built program in a virtual X server and works
# three tasks with real key presses and mouse clicks (xdotool), the last with
# the Überschlag and the Probe the settings ask for, saves them
# through the menu and the real file dialog, and compares the files byte for
# byte with the expected ones; then loads each file into a fresh start of the
# program and saves it again.
#
# Usage: e2e_test.sh PATH/TO/zifferon EXPECTED_DIR
# Exit 77 (skipped) when Xvfb or xdotool is missing.
set -uo pipefail

program=$(realpath "$1")
expected_dir=$(realpath "$2")

for tool in Xvfb xdotool xwininfo import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

source "$(dirname "$0")/xdriver.sh"

# Builds the expected file from its record fixture: six characters per
# record, then a row record's tag ("|ZIF1 count kinds... hints|": the mark and
# seven numbers of 16 digits each) or the dividend record's Überschlag and
# Probe ("|ZIF2 flags verdict count verdict count verdict count stellen etwa
# probe probe probe|": counts of 16 digits, boxes left-aligned in 1 and 6
# characters, "_" for an empty box), padded with zero bytes to 128.
build_expected() {
    local fixture=$1 out=$2
    : >"$out"
    grep '^|' "$fixture" | while IFS= read -r line; do
        local data=${line:1:6} rest=${line:8} written=6
        local -a fields
        read -ra fields <<<"${rest%%|*}"
        printf '%s' "$data" >>"$out"
        if [[ $rest == "ZIF1 "* ]]; then
            printf 'ZIF1' >>"$out"
            printf '%016d' "${fields[@]:1}" >>"$out"
            written=$((written + 4 + 16 * (${#fields[@]} - 1)))
        elif [[ $rest == "ZIF2 "* ]]; then
            printf 'ZIF2%s' "${fields[1]}" >>"$out"
            printf '%s%016d' "${fields[@]:2:6}" >>"$out"
            local box width=1
            for box in "${fields[@]:8}"; do
                [[ $box == _ ]] && box=""
                printf "%-${width}s" "$box" >>"$out"
                width=6
            done
            written=$((written + 88 - 6))
        fi
        head -c $((128 - written)) /dev/zero >>"$out"
    done
}

compare_file() {
    local actual=$1 expected=$2 what=$3
    if [[ ! -f $actual ]]; then
        fail "$what: no file was saved at $actual"
    elif ! cmp -s "$actual" "$expected"; then
        fail "$what: saved file differs from the expected one"
        cmp -l "$actual" "$expected" | head -20
    else
        echo "ok: $what"
    fi
}

start_xvfb
export DISPLAY=$display

started=$SECONDS
for task in 9434_13 1313_13 455585_723; do
    build_expected "$expected_dir/$task.records" "$work/expected-$task.AUF"

    start_program
    "work_$task"
    expect_finished "$task"
    [[ $task == 455585_723 ]] && expect_probe_right "$task"
    save_as "$work/$task"
    compare_file "$work/$task.AUF" "$work/expected-$task.AUF" "$task worked and saved"
    stop_program

    # A fresh start loads the file and saves it again, unchanged.
    start_program
    load_file "$work/$task.AUF"
    expect_finished "$task after loading"
    [[ $task == 455585_723 ]] && expect_probe_right "$task after loading"
    save_as "$work/$task-again"
    compare_file "$work/$task-again.AUF" "$work/expected-$task.AUF" "$task loaded and saved again"
    stop_program
done
# A file given on the command line is loaded at start, as a double-click in
# the file manager does it.
start_program "$work/455585_723.AUF"
sleep 0.5
expect_finished "455585_723 opened from the command line"
save_as "$work/from-command-line"
compare_file "$work/from-command-line.AUF" "$work/expected-455585_723.AUF" \
    "455585_723 opened from the command line and saved again"
stop_program

# The command line without a window: help, version, a wrong option.
help=$("$program" --help 2>&1) && [[ $help == "Aufruf: zifferon [DATEI]"* ]] ||
    fail "--help: $help"
version=$("$program" --version) && [[ $version == "zifferon "[0-9]* ]] || fail "--version: $version"
wrong_status=0
wrong=$("$program" --gibtsnicht 2>&1 >/dev/null) || wrong_status=$?
[[ $wrong_status -eq 2 && $wrong == *"Unbekannte Option: --gibtsnicht"$'\n'"Mehr: zifferon --help" ]] ||
    fail "an unknown option gave status $wrong_status: $wrong"
# The class overview without a window: the files saved above as CSV, and
# exit status 2 for a folder that is not there.
report_status=0
report=$("$program" --report "$work" 2>&1) || report_status=$?
[[ $report_status -eq 0 && $report == "Datei;Aufgabe;Stand;"* &&
    $report == *$'\n9434_13.AUF;9434 : 13;beendet;725 Rest 9;ja;1;0;1;0;0;0;0;;;;0;0\n'* &&
    $report == *$'\n455585_723.AUF;455585 : 723;beendet;630 Rest 95;ja;0;0;0;0;0;0;0;;korrekt;korrekt;0;0\n'* ]] ||
    fail "--report gave status $report_status: $report"
missing_status=0
missing=$("$program" --report "$work/fehlt" 2>&1 >/dev/null) || missing_status=$?
[[ $missing_status -eq 2 && $missing == *"existiert nicht"* ]] ||
    fail "--report on a missing folder gave status $missing_status: $missing"
echo "ok: command line"
elapsed=$((SECONDS - started))

if ((failures > 0)); then
    echo "$failures end-to-end check(s) failed"
    exit 1
fi
echo "end-to-end test passed (${elapsed}s)"
