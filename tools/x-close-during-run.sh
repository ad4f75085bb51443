#!/bin/sh
# SPDX-License-Identifier: MIT
# A real X check of closing corvelxp from its title bar while a run tick waits in a pause.
#
# Under a virtual X server with openbox as the window manager, corvelxp starts in a fresh home
# (with an empty lock file left in its runtime folder, which must not stop it), three pictures
# are queued through the picker by keyboard, one option is changed in the session, and a run
# starts. The first picture's thumbnail exists already and the prompt is on, so the tick asks
# "Confirm Overwrite"; after Yes it waits 2000 ms, and in that pause the window manager closes
# the window (wmctrl -c: a WM_DELETE_WINDOW request, as the title bar's close button sends).
# The process must end by itself with that picture written, no other picture taken, and the
# options stored.
#
#   xvfb-run -a -s '-screen 0 1280x1024x24' tools/x-close-during-run.sh [build/bin/corvelxp]
#
# Needs xdotool, wmctrl, openbox and imagemagick. Exit status 0 when every check passed.
set -eu

program=$(realpath "${1:-build/bin/corvelxp}")
work=$(mktemp -d)
trap 'kill "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME/Documents" "$HOME/thumbs" "$XDG_CONFIG_HOME/corvel" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
: >"$XDG_RUNTIME_DIR/corvelxp.lock"  # left behind, empty: no running copy holds it

for name in a b c; do
    convert -size 1600x1200 plasma:fractal "$HOME/Documents/$name.jpg"
done
printf 'old' >"$HOME/thumbs/a_th.jpg"
cat >"$XDG_CONFIG_HOME/corvel/CorvelXP.ini" <<EOF
[Settings]
PHT=1
Tips=0
Destination=$HOME/thumbs
Name=Suffix
Suffix=_th
Overwrite=1
EOF

openbox >/dev/null 2>&1 &
wm=$!
sleep 1

failed=0
check() {  # check WHAT COMMAND...
    what=$1
    shift
    if "$@"; then echo "ok:   $what"; else echo "FAIL: $what"; failed=1; fi
}

"$program" >"$work/out.txt" 2>&1 &
app=$!
# The main window comes after its start-up pause.
xdotool search --sync --name '^Corvel XP$' >/dev/null
sleep 3
xdotool search --name '^Corvel XP$' windowactivate --sync
xdotool key alt+s                      # "&Select Source Pictures": the picker
xdotool search --sync --name 'Browse For Source Files' >/dev/null
sleep 1
xdotool key alt+l                      # "Add A&ll"
sleep 1
xdotool key alt+d                      # "&Done"
sleep 1
xdotool search --name "^Corvel XP" windowactivate --sync
xdotool key alt+o l                    # "Thumbnail &Options" > "&Landscape Thumbnail"
sleep 0.5
xdotool key alt+f s                    # "&Files" > "&Start Processing"
xdotool search --sync --name '^Confirm Overwrite$' windowactivate --sync
import -window root "$work/prompt.png" 2>/dev/null || true
xdotool key Return                     # Yes: the thumbnail is written, then 2000 ms pass
sleep 0.7
import -window root "${SCREENSHOT:-$work/closing.png}" 2>/dev/null || true
wmctrl -c 'Corvel XP'                  # the window manager's close, as from the title bar

ended=0
for _ in $(seq 1 100); do
    if ! kill -0 "$app" 2>/dev/null; then
        ended=1
        break
    fi
    sleep 0.1
done
check "the program ended by itself" test "$ended" = 1
[ "$ended" = 1 ] || kill "$app"
wait "$app" || true

ini="$XDG_CONFIG_HOME/corvel/CorvelXP.ini"
check "the picture in progress was written as JPEG" \
    sh -c "file -b '$HOME/thumbs/a_th.jpg' | grep -q '^JPEG'"
check "no later picture was taken" sh -c "[ ! -e '$HOME/thumbs/b_th.jpg' ] && [ ! -e '$HOME/thumbs/c_th.jpg' ]"
check "the option changed in the session was stored" grep -qx 'Landscape=1' "$ini"
check "the other options were stored" grep -qx 'Width=110' "$ini"
ls -l "$HOME/thumbs"
exit "$failed"
