#!/usr/bin/env bash
# Run as root on a Debian 12 machine: installs the .deb with apt, then, as an
# ordinary user under Xvfb with a window manager, starts the program from its
# desktop entry, chooses meters, calculates, quits, starts again and finds the
# choice kept. Removes the package again at the end.
#   tests/program/installed_package.sh PATH/TO/vextondof_VERSION_ARCH.deb
set -euo pipefail
[ -n "${TRACE:-}" ] && set -x
source "$(dirname "$0")/installed_common.sh"
display=:71
Xvfb $display -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Starts the program as the desktop entry says, as the user, and waits for its window.
start() {
  nobody_in_background env -i HOME="$home" DISPLAY=$display PATH=/usr/bin:/bin \
    LANG=C.UTF-8 $command >"$work/run.log" 2>&1
  program=$!
  pids+=($program)
  wait_for '^Vexton\.DOF\.CE$'
}
# Waits until a window of that title is shown, and gives it the keyboard.
wait_for() {
  local window
  window=$(timeout 20 env DISPLAY=$display xdotool search --sync --onlyvisible --name "$1" | head -n 1)
  DISPLAY=$display xdotool windowactivate --sync "$window"
  sleep 0.5
}
keys() { DISPLAY=$display xdotool key --delay 50 "$@"; sleep 0.3; }
finished() { timeout 20 tail --pid="$program" -f /dev/null; }

start
keys Tab Tab Tab                  # the distance box
DISPLAY=$display xdotool type --delay 50 2
keys Tab                          # the unit list
DISPLAY=$display xdotool type --delay 50 meters
keys Return                       # Calculate: the results form opens
wait_for '^Calculated Results$'
keys Escape                       # closes it; the choices are saved
keys alt+F4                       # the window manager's close ends the program
finished
has_meters || { echo "the choice was not kept"; cat "$work/run.log"; exit 1; }

start                             # the second run reads the choice back ...
keys Escape                       # which never ends the main window ...
sleep 0.5
kill -0 "$program" || { echo "Escape ended the program"; exit 1; }
keys alt+F4
finished
has_meters || { echo "the second run lost the choice"; exit 1; }  # ... and writes it again

# Opened with photos as a file manager opens them, through the entry (gio
# launch): one photo shows the Photo form, two the Open Photos grid.
photos=$(realpath "$(dirname "$0")/../scenarios/photos")
mkdir -p "$work/shoot"
cp "$photos/d70.jpg" "$photos/group.jpg" "$work/shoot/"
chmod -R a+rX "$work/shoot"
launch() {
  as_nobody env -i HOME="$home" DISPLAY=$display PATH=/usr/bin:/bin LANG=C.UTF-8 \
    gio launch "$entry" "$@" >>"$work/run.log" 2>&1
}
shown() { timeout 20 env DISPLAY=$display xdotool search --sync --onlyvisible --name "$1" >/dev/null; }
launch "$work/shoot/d70.jpg"
shown '^Photo$' || { echo "a photo opened through the entry showed no Photo form"; exit 1; }
pkill -u nobody -x vextondof || true
sleep 0.5
launch "$work/shoot/d70.jpg" "$work/shoot/group.jpg"
shown '^Photos$' || { echo "two photos opened through the entry showed no grid"; exit 1; }
pkill -u nobody -x vextondof || true
sleep 0.5

# Root's run of the installed program keeps root's choices in root's own
# folder, never beside the program, where every user would read them.
root_home=$(mktemp -d)
DISPLAY=$display HOME="$root_home" XDG_CONFIG_HOME= /usr/bin/vextondof >/dev/null 2>&1 &
program=$!
pids+=($program)
for _ in $(seq 100); do [ -e "$root_home/.config/vextondof/vextondof.ini" ] && break; sleep 0.1; done
kill "$program"
[ -e "$root_home/.config/vextondof/vextondof.ini" ] || { echo "root's choices not in root's folder"; exit 1; }
[ ! -e /usr/bin/vextondof.ini ] || { echo "root's run wrote /usr/bin/vextondof.ini"; exit 1; }
rm -rf "$root_home"
echo "installed, ran as a user, kept its choice, opened photos through its entry; root's run wrote nothing beside the program"
