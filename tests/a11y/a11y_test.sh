#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Screen-reader test: the built program under Orca on a private stack (Xvfb,
# openbox, a D-Bus session, the AT-SPI bus, Speech Dispatcher writing each
# utterance into a file). The first step of 9434 : 13 is worked with the
# keyboard; each focus move, verdict, reason and hint must be said (a SPEECH
# OUTPUT line in Orca's log, and the text received by Speech Dispatcher), no
# key may move the focus twice, and a refused file's message is said too.
#
# Usage: a11y_test.sh PATH/TO/zifferon QT_VERSION    (exit 77: a part of the stack is missing)
# A11Y_TEST_LOGS=DIR keeps Orca's log and the spoken text there.
set -uo pipefail

program=$(realpath "$1")
# Up to Qt 6.7 the program's notices are a notification object, which Orca
# says as "notification TEXT"; from Qt 6.8 on they are Qt's own announcements,
# which Orca says as the text alone.
notice="notification "
[[ $(printf '%s\n' "${2:-0}" 6.8 | sort -V | head -1) == 6.8 ]] && notice=""
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Orca's Python with pyatspi, whatever python3 is first on PATH
for tool in Xvfb xdotool xwininfo xprop dbus-daemon openbox speech-dispatcher \
    /usr/libexec/at-spi-bus-launcher /usr/lib/speech-dispatcher-modules/sd_generic; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$python" -c 'import importlib.util as u, sys; sys.exit(not (u.find_spec("pyatspi") and u.find_spec("orca")))' ||
    { echo "SKIP: Orca or pyatspi is not installed for $python"; exit 77; }

source "$here/../e2e/xdriver.sh"
stack_pids=()
stop_stack() { # newest first; what is still there after 5 s is killed
    local p i
    for ((i = ${#stack_pids[@]} - 1; i >= 0; i--)); do
        p=${stack_pids[i]}
        kill "$p" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$p" 2>/dev/null && sleep 0.1; done
        kill -9 "$p" 2>/dev/null
    done
    if [[ -n ${A11Y_TEST_LOGS:-} ]]; then
        mkdir -p "$A11Y_TEST_LOGS" && cp "$log" "$spoken" "$A11Y_TEST_LOGS"
    fi
}
trap 'stop_program; stop_stack; cleanup' EXIT

export HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
speechd=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$XDG_RUNTIME_DIR" "$speechd/modules" && chmod 700 "$XDG_RUNTIME_DIR"
log=$work/orca.log spoken=$work/spoken.txt
: >"$log" && : >"$spoken"
echo "default_driver=null" >"$HOME/.libao"
printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "recorder" "sd_generic" "recorder.conf"' \
    'DefaultModule recorder' >"$speechd/speechd.conf"
# The recorder writes UTF-8 only for a language it lists, Latin-1 otherwise:
# Orca 43 asks for "en", Orca 48 for "c", from its C.UTF-8 locale.
printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >> $spoken\"" \
    'GenericLanguage "en" "en" "utf-8"' 'GenericLanguage "c" "c" "utf-8"' 'AddVoice "en" "MALE1" "en"' \
    >"$speechd/modules/recorder.conf"

wait_for() { # command: polls it for up to 20 s
    for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
    return 1
}
start_xvfb
export DISPLAY=$display
bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) || exit 1
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
stack_pids+=("${bus##*$'\n'}")
openbox >/dev/null 2>&1 &
stack_pids+=($!)
wait_for eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
stack_pids+=($!)
speech-dispatcher --run-single --timeout 0 --config-dir "$speechd" >/dev/null 2>&1 &
stack_pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || exit 1

# Orca's utterances since line $1 of its log; what Speech Dispatcher received
# since line $1 of $spoken (it writes a sentence a line, joined they are the
# utterance again).
said_since() { tail -n +"$(($1 + 1))" "$log" | grep -a -o "SPEECH OUTPUT: '.*" | cut -c17-; }
spoken_since() { tail -n +"$(($1 + 1))" "$spoken" | tr -d '\n'; }
# Speech Dispatcher has spoken what it was given: under load it lags behind
# Orca, and a message that comes while it still echoes typed keys is cut off
# by the next focus change before it is spoken.
speech_settled() {
    local before=-1 now
    for _ in $(seq 100); do
        now=$(wc -c <"$spoken")
        [[ $now == "$before" ]] && return 0
        before=$now
        sleep 0.3
    done
}
mark() { log_mark=$(wc -l <"$log") spoken_mark=$(wc -l <"$spoken"); }
# Tests read whole outputs: a `grep -q` that stops early at the end of a pipe
# fails the pipe (pipefail) once Orca's log is long, as Orca 48's is.
orca_said() { # text...: any of them said since the mark
    local said text
    said=$(said_since "$log_mark")
    for text; do [[ $said == *"$text"* ]] && return 0; done
    return 1
}
heard() { orca_said "$1" && [[ $(spoken_since "$spoken_mark") == *"$1"* ]]; }
logged() { # text: in a line of Orca's log since the mark
    awk -v m="$log_mark" -v s="$1" 'NR > m && index($0, s) { f = 1 } END { exit !f }' "$log"
}
# Orca 43 writes "ORCA: Changing locusOfFocus ... to [text | NAME]", Orca 48
# "FOCUS MANAGER: Changing locus of focus ... to [text: 'NAME']".
focus_moved() {
    local line
    line=$(awk -v m="$log_mark" 'NR > m && /Changing (locusOfFocus|locus of focus)/ && !f { print; f = 1 }' "$log")
    [[ -n $line ]] && printf '%s\n' "$line"
}
# A key, then what the screen reader must say after it. A notice and the
# focus move it comes with may be said in either order: Orca 43 says the
# notice first, Orca 48 the focus.
step() { # key [text...]
    local key=$1 text start line last
    shift
    mark
    start=$log_mark last=$log_mark
    xdotool key "$key"
    for text in "$@"; do
        log_mark=$start
        wait_for heard "$text" || { fail "$key: \"$text\" not said; said: $(said_since "$start")"; return 1; }
        line=$(grep -a -n "SPEECH OUTPUT: '" "$log" | grep -F -- "$text" |
            awk -F: -v m="$start" '$1 > m { print $1; exit }')
        ((line > last)) && last=$line
    done
    log_mark=$last
    if (($# == 0)); then settled_after "$key"; else echo "ok: $key: $*"; fi
}
# A key nothing is said for: wait until Orca has taken it and what it caused
# has come in. Under load a key sent at once can reach Orca after the focus
# change it causes, which then looks like a second move of the key before.
settled_after() { # key
    local pressed="PROCESS ATSPI_KEY_PRESSED_EVENT: '$1'"
    # With a modifier held Orca names the key differently: any key counts.
    [[ $1 == *+* ]] && pressed="PROCESS ATSPI_KEY_PRESSED_EVENT:"
    wait_for logged "$pressed" ||
        fail "Orca did not receive $1"
    log_quiet 0.2
}
log_quiet() { # seconds: until Orca's log has not grown for that long
    local before=-1 now
    for _ in $(seq 100); do
        now=$(wc -l <"$log")
        [[ $now == "$before" ]] && return 0
        before=$now
        sleep "$1"
    done
}
tab_to() { # name, key: every Tab moves Orca's focus with a word, none silently
    for _ in $(seq 10); do
        step "$2"
        wait_for focus_moved >/dev/null || { fail "$2 moved no focus"; return 1; }
        [[ $(focus_moved) == *"Notify: True"* ]] || fail "a silent focus move: $(focus_moved)"
        [[ $(focus_moved) == *"to [text | $1]"* || $(focus_moved) == *"to [text: '$1']"* ]] && break
    done
    wait_for heard "$1" && echo "ok: $2 to $1" || fail "$2 to $1: not said"
}

# The program first, then Orca: Qt joins the accessibility bus a moment after
# the window is up, and an Orca already running may miss its activation.
# Started later, Orca finds the active window and its focus itself.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
wait_for "$python" -c 'import pyatspi, sys
sys.exit(not any(a and a.name == "zifferon" for a in pyatspi.Registry.getDesktop(0)))' 2>/dev/null ||
    { echo "the program is not on the accessibility bus"; exit 1; }
mark
LANG=C.UTF-8 LANGUAGE='' "$python" "$here/run_orca.py" "$work/orca-prefs" "$log" >/dev/null 2>&1 &
stack_pids+=($!)
wait_for heard "Schriftliche Zifferon" && wait_for focus_moved >/dev/null ||
    { echo "Orca did not present the window"; exit 1; }
# Orca 48 asks for focus events only after it has presented the window, and Qt
# sends only the events someone has asked for: a key sent at once moves the
# focus unheard.
log_quiet 1

tab_to Divisor Tab
step Return "Ergebnis, 1. Ziffer"
step 7
step Return "1. Produkt, Tausenderspalte"
step 9 "${notice}1. Produkt kann geprüft werden." "1. Produkt, Hunderterspalte"
step 1 "1. Produkt, Zehnerspalte"
step Return "${notice}korrekt" "1. Rest, Hunderterspalte" # where the remainder starts
step 4 "${notice}1. Rest kann geprüft werden." "1. Rest, Zehnerspalte"
step Return "${notice}Fehler. 94 minus 91 ist nicht 4: rechne das Abziehen noch einmal nach."
step F1 "${notice}Schreibe den Rest in die markierten Kästchen. Markiert: 1. Rest,"
step F1 "${notice}Was bleibt, wenn du 91 von 94 abziehst?"
step Left "1. Rest, Hunderterspalte" # the hints left the focus in the sheet
step 3 "1. Rest, Zehnerspalte"
step Return "${notice}korrekt" "Ergebnis, 2. Ziffer"
# Tab leads nowhere while the blank quotient cell keeps the focus.
step Tab
step 2
step Return "2. Produkt, Hunderterspalte"
step 2 "${notice}2. Produkt kann geprüft werden." "2. Produkt, Zehnerspalte"
step 6 "2. Produkt, Einerspalte"

# Half worked: the reading commands, from inside a cell.
step F2 "${notice}Aufgabe: 9434 geteilt durch 13."
step F3 "${notice}2. Produkt: 26, unter 33, noch nicht geprüft."
step F4 "${notice}Aufgabe: 9434 geteilt durch 13. 1. Produkt: 91, unter 94, korrekt. \
1. Rest: 3, heruntergeholt: 3, korrekt. 2. Produkt: 26, unter 33, noch nicht geprüft. \
Ergebnis bisher: 72. Als Nächstes: das 2. Produkt prüfen."
# The rest of the task by keyboard and ear.
step Return "${notice}korrekt" "2. Rest, Zehnerspalte"
step 7 "${notice}2. Rest kann geprüft werden." "2. Rest, Einerspalte"
step Return "${notice}korrekt" "Ergebnis, 3. Ziffer"
step 5
step Return "3. Produkt, Zehnerspalte"
step 6 "${notice}3. Produkt kann geprüft werden." "3. Produkt, Einerspalte"
step 5
step Return "${notice}korrekt" "3. Rest, Einerspalte"
step 9 "${notice}3. Rest kann geprüft werden."
step Return "${notice}korrekt. Berechnung beendet."
step F4 "Ergebnis: 725 Rest 9. Berechnung beendet."
# Each row's "korrekt?" was said once, not on every digit.
for row in "1. Produkt" "1. Rest" "2. Produkt" "2. Rest" "3. Produkt" "3. Rest"; do
    n=$(grep -a -c "SPEECH OUTPUT: '${notice}$row kann geprüft werden" "$log")
    m=$(tr -d '\n' <"$spoken" | grep -a -o "$row kann geprüft werden" | wc -l)
    [[ $n == 1 && $m == 1 ]] && echo "ok: \"$row kann geprüft werden\" said once" ||
        fail "\"$row kann geprüft werden\" said $n times by Orca, $m times by Speech Dispatcher"
done

# Between two keys, Orca received at most one focus event of the program.
bursts=$(awk '/^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT/ { key = $4; n = 0 }
    /focused for .* in \[application \| zifferon\] \(1,/ { if (++n == 2) print key }' "$log")
[[ -z $bursts ]] && echo "ok: one focus change per key" || fail "two focus changes after: $bursts"

# The finished sheet saved into a class folder, and the folder's overview:
# its chart in words, reached with Tab, and as a table.
mkdir -p "$work/klasse"
typed_into_dialog() { # title path: types the path into the dialog once Orca is there
    # Orca's word is enough: Orca 48 says the dialog's title apart from the
    # field that has the focus, and the field's name cuts the title off.
    wait_for orca_said "$1" ||
        { fail "no dialog \"$1\" took the focus"; return 1; }
    xdotool key ctrl+a type "$2"
    xdotool key End
    wait_for logged "PROCESS ATSPI_KEY_PRESSED_EVENT: 'End'" ||
        fail "Orca missed the keys"
    speech_settled
}
step ctrl+s
typed_into_dialog "Speichern unter" "$work/klasse/anna"
step Return "Schriftliche Zifferon" # back in the sheet
wait_for test -s "$work/klasse/anna.AUF" || fail "Ctrl+S saved no file"
# The menu by mouse: Alt pressed in a work cell is a key of the sheet there.
mark
xdotool mousemove --sync "$((origin_x + 20))" "$((origin_y - 10))" click 1
wait_for heard "Datei" || fail "the menu Datei did not open"
step k
typed_into_dialog "Ordner der Klasse" "$work/klasse"
for _ in 1 2; do # the first Return may only close the completion list
    xdotool key Return
    wait_for eval 'xdotool search --onlyvisible --name "^Klassen" >/dev/null' && break
done
overview=$(xdotool search --onlyvisible --name "^Klassen" | head -1)
[[ -n $overview ]] || fail "the class overview did not open"
summary="Fehler der Klasse nach Art: Einmaleins 0, Abziehen 1, Ziffer zu groß 0, \
Ziffer zu klein 0, Stellenwert 0 (zusammen 1). Am häufigsten: Abziehen."
for _ in $(seq 6); do # past the buttons
    step Tab
    wait_for orca_said "button" "Fehler der Klasse nach Art: "
    orca_said "Fehler der Klasse nach Art: " && break
done
heard "$summary" && echo "ok: Tab to the chart's sentence" || fail "the chart's sentence was not said"
step Tab "Fehler der Klasse nach Art." "table with 5 rows 2 columns"
step Down "Abziehen"
step Right "Anzahl column header 1"
# Closed again; Orca is back in the sheet before the next key.
mark
closing=$log_mark
step alt+F4 "Schriftliche Zifferon"
log_mark=$closing # Orca 48 moves the focus before it says the window's name
# Orca 43 comes back to the sheet's window, Orca 48 straight to its cell.
back_in_sheet() {
    awk -v m="$log_mark" 'NR > m && /Changing (locusOfFocus|locus of focus) from .* to \[(frame[^]]*Schriftliche Zifferon|text)/ { f = 1 }
        END { exit !f }' "$log"
}
wait_for back_in_sheet || fail "Orca did not come back to the sheet"

printf 'kein Aufgabenblatt' >"$work/kaputt.AUF"
# The work was saved above: Ctrl+O opens the dialog without a question.
step ctrl+o
wait_for focus_moved >/dev/null || fail "Ctrl+O opened no dialog"
# Orca is through with the typed keys before Return: a key it takes late
# would cut the message short.
xdotool key ctrl+a type "$work/kaputt.AUF"
xdotool key End
wait_for logged "PROCESS ATSPI_KEY_PRESSED_EVENT: 'End'" || fail "Orca missed the keys"
speech_settled
step Return "kann nicht geladen werden"

((failures == 0)) || { echo "$failures screen-reader check(s) failed"; exit 1; }
echo "screen-reader test passed"
