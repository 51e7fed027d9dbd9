#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program in a virtual X server with xdotool: starts Xvfb and
# the program, clicks controls by their twip rectangles, types keys, reads
# pixels. Sourced by the end-to-end test and the screenshot script.
# Expects: $program (the executable). Sets: $work, $display, $win.

work=$(mktemp -d)
display=""
xvfb_pid=""
app_pid=""
failures=0

cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Xvfb picks a free display number itself (-displayfd): another X server on
# the machine, also one in another root that shares the abstract sockets,
# can never be taken for ours. -noreset: by default the server resets whenever
# its last client leaves, and a client that connects during that reset (the
# next start right after stop_program) is refused now and then.
start_xvfb() { # [screen, default 1024x768x24]
    local fifo=$work/displayfd
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local n=""
    read -r -t 10 n <"$fifo" || true
    if [[ -z $n ]]; then
        echo "could not start Xvfb"
        exit 1
    fi
    display=":$n"
    for _ in $(seq 50); do
        DISPLAY=$display xwininfo -root >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "could not start Xvfb"
    exit 1
}

# Geometry of the program's window: origin of the client area below the menu.
win=""
origin_x=0
origin_y=0

start_program() { # [arguments of the program]
    # Settings (the folder used last) stay in the test's own folder.
    (cd "$work" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 \
        exec "$program" "$@" >"$work/program.log" 2>&1) &
    app_pid=$!
    win=""
    for _ in $(seq 100); do
        # "Schriftliche Zifferon", or "NAME.AUF – Schriftliche Zifferon" once a
        # file given at start is loaded.
        win=$(xdotool search --onlyvisible --name 'Schriftliche Zifferon$' 2>/dev/null | head -1 || true)
        [[ -n $win ]] && break
        sleep 0.1
    done
    if [[ -z $win ]]; then
        echo "the window did not appear"
        cat "$work/program.log"
        exit 1
    fi
    sleep 0.3
    local info x y h
    info=$(xwininfo -id "$win")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    # The client area is 431 pixels high; the menu bar sits above it.
    origin_x=$x
    origin_y=$((y + h - 431))
    xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
}

stop_program() {
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
    # Wait until the window is gone, so the next start finds its own.
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name 'Schriftliche Zifferon$' >/dev/null 2>&1 || break
        sleep 0.1
    done
}

# Clicks the centre of a control given by its twip rectangle.
click_twips() {
    local left=$1 top=$2 width=$3 height=$4
    local px=$((origin_x + (left + width / 2) / 15))
    local py=$((origin_y + (top + height / 2) / 15))
    xdotool mousemove --sync "$px" "$py" click 1
    sleep 0.15
}

row_top() {
    local tops=(1440 1920 2280 2760 3120 3600 3960 4440 4800 5280)
    echo "${tops[$1]}"
}

click_cell() { # array number N (1..10), column c
    click_twips $((3480 - 240 * $2)) "$(row_top $(($1 - 1)))" 255 285
}
click_info() { click_twips 0 "$(row_top "$1")" 1455 255; }
click_text1() { click_twips 2040 360 1215 375; }
click_text2() { click_twips 3600 360 735 375; }
click_eingabe() { click_twips 4560 360 975 375; }

type_keys() {
    xdotool type --delay 60 "$1"
    sleep 0.15
}
key() {
    xdotool key --delay 60 "$@"
    sleep 0.2
}

# Colour of a pixel just inside the top-left corner of a twip rectangle (clear
# of any caption text), as "r,g,b".
pixel_at() {
    local px=$((origin_x + $1 / 15 + 3))
    local py=$((origin_y + $2 / 15 + 3))
    import -display "$display" -window root -crop "1x1+$px+$py" -depth 8 txt:- 2>/dev/null |
        sed -n '2p' | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

expect_finished() {
    local colour
    colour=$(pixel_at 4200 1560 2415 375)
    [[ $colour == "255,255,0" ]] || fail "$1: \"Berechnung beendet\" is not shown (pixel $colour)"
}

enter_task() {
    click_text1
    key ctrl+a
    type_keys "$1"
    click_text2
    key ctrl+a
    type_keys "$2"
    click_eingabe
}


# Saves through the menu (Alt+D, S) and the save dialog.
save_as() {
    # A click on an empty spot of the sheet gives the window the keyboard back
    # after an earlier dialog (there is no window manager to do it).
    click_twips 7000 6000 300 300
    # "Speichern unter ...": "Speichern" writes a loaded sheet back to its file.
    key alt+d
    key u
    sleep 0.8
    key ctrl+a
    type_keys "$1"
    key Return
    sleep 0.8
}

# Loads through Ctrl+O and the open dialog.
load_file() {
    click_twips 7000 6000 300 300
    key ctrl+o
    sleep 0.8
    key ctrl+a
    type_keys "$1"
    key Return
    sleep 0.8
}

# The two worked tasks, key by key as a pupil types them.
work_9434_13() {
    enter_task 9434 13
    type_keys 7
    key Return         # to kontrolle1(5)
    type_keys 91
    key Return         # row 0 judged; the focus goes on to kontrolle2(4)
    click_cell 2 4
    type_keys 4        # a wrong remainder
    key Return         # row 1: Fehler, error count 1
    click_cell 2 4
    type_keys 3        # corrected
    key Return         # row 1 korrekt; 3 comes down, focus to resultat(1)
    type_keys 2
    key Return
    type_keys 26
    key Return
    click_cell 4 3
    type_keys 7
    key Return         # 4 comes down, focus to resultat(2)
    type_keys 5
    key Return
    type_keys 65
    key Return
    click_cell 6 2
    type_keys 9
    key Return         # no digit left
}

work_1313_13() {
    enter_task 1313 13
    type_keys 1
    key Return
    type_keys 13
    key Return
    click_cell 2 4
    type_keys 0
    key Return         # 1 comes down
    type_keys 0
    key Return         # to kontrolle3(4), still empty
    key Return         # the check writes the zeros and judges the row
    click_cell 4 3
    type_keys 1
    key Return         # 3 comes down
    type_keys 1
    key Return
    type_keys 13
    key Return
    click_cell 6 2
    type_keys 0
    key Return
}

# 455585 : 723 = 630 R 95 with digits and Enter alone, on a sheet that asks
# for the Überschlag first and the Probe after: every Enter leaves the focus
# where the next digit belongs, the zero step is filled in by the check, and
# no digit is left after it.
work_455585_723() {
    key alt+t
    key b              # Aufgabenart -> Überschlag verlangen
    key alt+t
    key p              # Aufgabenart -> Probe verlangen
    enter_task 455585 723
    type_keys 3        # the focus is in "Wie viele Stellen hat das Ergebnis?"
    key Return         # on to "etwa"
    type_keys 600
    key Return         # korrekt; the first quotient cell opens and takes the focus
    type_keys 6
    key Return         # to kontrolle1(5), where 4338 starts under 4555
    type_keys 4338
    key Return         # row 0 korrekt; the focus goes on to kontrolle2(4)
    type_keys 217
    key Return         # 8 comes down, focus to resultat(1)
    type_keys 3
    key Return         # to kontrolle3(4), where 2169 starts under 2178
    type_keys 2169
    key Return         # the focus goes on to kontrolle4(1)
    type_keys 9
    key Return         # 5 comes down, focus to resultat(2)
    type_keys 0
    key Return         # to kontrolle5(1), under the 9 of 95
    key Return         # the zeros are written under 95 and judged right; on to kontrolle6(1)
    type_keys 95
    key Return         # no digit left; the focus goes to the Probe
    type_keys 455490
    key Return         # 630 · 723 = 455490 korrekt, on to the second line
    type_keys 455490
    key Return
    type_keys 455585
    key Return         # 455490 + 95 = 455585: the Probe is right
}

# The Probe's second line shows "korrekt" (light green).
expect_probe_right() {
    local colour
    colour=$(pixel_at 6720 3375)
    [[ $colour == "0,255,0" ]] || fail "$1: the Probe is not shown \"korrekt\" (pixel $colour)"
}
