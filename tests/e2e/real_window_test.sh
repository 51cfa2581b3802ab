#!/usr/bin/env bash
# Plays Quendel in a real X window, as a person would: its own Xvfb, the xcb platform, and
# xdotool clicking at screen positions worked out from the layout in twips (15 to a pixel).
# Bare Xvfb has no window manager, so windows have no frames and stand where the program
# puts them; keyboard focus is given with `xdotool windowfocus`, as a click would with one.
#
#   real_window_test.sh QUENDEL_PROGRAM SEND_CLOSE_REQUEST_PROGRAM
#
# Every wait is a poll on a condition with a generous limit, so a loaded machine only makes
# the test slower. Prints one line per check and exits non-zero if any check fails.
set -uo pipefail

program=${1:?usage: real_window_test.sh QUENDEL_PROGRAM SEND_CLOSE_REQUEST_PROGRAM}
send_close_request=${2:?usage: real_window_test.sh QUENDEL_PROGRAM SEND_CLOSE_REQUEST_PROGRAM}

for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "FAIL - $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
pass() { echo "ok   - $*"; }
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
    local description=$1; shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

now_ms() { date +%s%3N; }

# wait_until SECONDS COMMAND...: succeeds as soon as COMMAND does, fails when time is up.
wait_until() {
    local limit=$(($(now_ms) + $1 * 1000)); shift
    until "$@"; do
        [ "$(now_ms)" -ge "$limit" ] && return 1
        sleep 0.05
    done
}

twips_to_px() { echo $((($1 + 7) / 15)); }

# ---------------------------------------------------------------- the X server and windows

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! wait_until 60 test -s "$work/display"; then
    echo "FAIL - Xvfb did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "# Xvfb on $DISPLAY"

# The ids of the mapped windows whose title is exactly NAME ("Quendel" is not "QUENDEL").
windows_named() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
    done
}
window_shown() { [ -n "$(windows_named "$1")" ]; }
window_gone() { ! window_shown "$1"; }
window_id() { windows_named "$1" | head -n 1; }

# "left top width height" of a window on the screen.
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                             /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}

# ---------------------------------------------------------------- the program

launch() {
    "$program" >>"$work/app.log" 2>&1 &
    app_pid=$!
}
app_ended() { [ ! -e "/proc/$app_pid" ] || [ "$(awk '{print $3}' "/proc/$app_pid/stat" 2>/dev/null)" = Z ]; }
app_running() { ! app_ended; }
# Reaps the program and prints its exit status.
exit_status() {
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    echo "$status"
}

# The board's client area lies under the menu bar, at the bottom of the main window: the window
# opens with the whole scoreboard box (8415 twips high) on view.
client_left=0
client_top=0
find_client_origin() {
    local left top width height
    read -r left top width height <<<"$(geometry_of "$1")"
    client_left=$left
    client_top=$((top + height - $(twips_to_px 8415)))
}

# click_control LEFT TOP WIDTH HEIGHT: clicks the middle of a control placed in twips on the
# client area, at a person's pace, so that no two clicks make a double click.
click_control() {
    local x=$((client_left + $(twips_to_px "$1") + $(twips_to_px "$3") / 2))
    local y=$((client_top + $(twips_to_px "$2") + $(twips_to_px "$4") / 2))
    sleep 0.2
    xdotool mousemove "$x" "$y" click 1
}
click_continue() { click_control $((6360 + 960)) $((1560 + 1935)) 1335 495; }  # inside `input_val`

# answer_quit_question KEY: F9 on the main window, then KEY on the "QUENDEL" box.
answer_quit_question() {
    timeout 10 xdotool windowfocus --sync "$main" 2>/dev/null
    xdotool key F9
    if ! wait_until 20 window_shown QUENDEL; then
        fail "F9 brings the \"QUENDEL\" box"
        return 1
    fi
    pass "F9 brings the \"QUENDEL\" box"
    timeout 10 xdotool windowfocus --sync "$(window_id QUENDEL)" 2>/dev/null
    xdotool key "$1"
}

# ---------------------------------------------------------------- launch, turn, quit

launch
if wait_until 60 window_shown Quendel && wait_until 20 window_shown Varnel; then
    pass "at launch the windows \"Quendel\" and \"Varnel\" are open"
else
    fail "at launch the windows \"Quendel\" and \"Varnel\" are open"
    sed 's/^/# /' "$work/app.log"
    exit 1
fi
main=$(window_id Quendel)
about=$(window_id Varnel)
check "the About window stands at 855, 1860 twips, 5010 x 2385 inside (57 124 334 159 px): $(geometry_of "$about")" \
    test "$(geometry_of "$about")" = "57 124 334 159"
find_client_origin "$main"
echo "# main window at $(geometry_of "$main"), client area at $client_left,$client_top"

# OK on the About window (3510, 1575 twips, 1110 x 540), brought forward as a click would.
xdotool windowraise "$about"
xdotool mousemove $((57 + $(twips_to_px 3510) + $(twips_to_px 1110) / 2)) \
    $((124 + $(twips_to_px 1575) + $(twips_to_px 540) / 2)) click 1
check "OK closes the About window" wait_until 20 window_gone Varnel
check "the main window stays open" window_shown Quendel

timeout 10 xdotool windowfocus --sync "$main" 2>/dev/null
focus_before=$(xdotool getwindowfocus 2>/dev/null)
click_continue
for _ in 1 2 3; do click_control 3105 1860 165 210; done  # `twenty_2`, the triple 20
third_dart=$(now_ms)
if wait_until 20 window_shown "Player Change"; then
    opened=$(now_ms)
    pass "after three darts \"Player Change\" appears ($((opened - third_dart)) ms after the third click)"
    dialog=$(window_id "Player Change")
    check "it stands at 915, 1815 twips, 4620 x 2715 (61 121 308 181 px): $(geometry_of "$dialog")" \
        test "$(geometry_of "$dialog")" = "61 121 308 181"
    check "it leaves the keyboard focus where it was" test "$(xdotool getwindowfocus 2>/dev/null)" = "$focus_before"
    if wait_until 20 window_gone "Player Change"; then
        pass "it closes by itself ($(($(now_ms) - opened)) ms after it appeared)"
    else
        fail "it closes by itself"
    fi
else
    fail "after three darts \"Player Change\" appears"
fi

if answer_quit_question Escape; then
    check "Escape closes the box" wait_until 20 window_gone QUENDEL
    check "and leaves the program running" eval '! wait_until 2 app_ended'
    check "with its main window open" window_shown Quendel
fi

if answer_quit_question Return; then
    if wait_until 30 app_ended; then
        status=$(exit_status)
        check "Return (OK) ends the program, exit status $status" test "$status" = 0
    else
        fail "Return (OK) ends the program"
    fi
fi

# ---------------------------------------------------------------- closing with other windows open

launch
if wait_until 60 window_shown Quendel && wait_until 20 window_shown Varnel; then
    main=$(window_id Quendel)
    find_client_origin "$main"
    click_continue
    for _ in 1 2 3; do click_control 4080 3720 165 210; done  # `fifteen_2`, clear of the About window
    check "the player-change dialog opens beside the About window" wait_until 20 window_shown "Player Change"
    "$send_close_request" "$main"
    if wait_until 30 app_ended; then
        status=$(exit_status)
        check "closing the main window with the About window and the dialog open ends the program, exit status $status" \
            test "$status" = 0
    else
        fail "closing the main window with the About window and the dialog open ends the program"
    fi
else
    fail "the program starts a second time"
fi

if [ "$failures" -ne 0 ]; then
    echo "# program output:"; sed 's/^/# /' "$work/app.log"
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
