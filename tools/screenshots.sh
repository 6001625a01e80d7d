#!/usr/bin/env bash
# Screenshots of every form of the real program under Xvfb with openbox, for
# looking at: tools/screenshots.sh PROGRAM OUTDIR [SCALE] [dark] [FONT FAMILY]
# Needs xvfb, openbox, xdotool, imagemagick; a dark palette needs qt6ct.
set -euo pipefail
program=$(realpath "$1"); out=$2; scale=${3:-1}; palette=${4:-light}; family=${5:-}
mkdir -p "$out"
work=$(mktemp -d); display=:73
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
Xvfb $display -screen 0 "$((1280 * ${scale%.*}))x$((1024 * ${scale%.*}))x24" -nolisten tcp -ac >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do [ -S /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
DISPLAY=$display openbox >/dev/null 2>&1 & pids+=($!)
sleep 0.5
cp "$program" "$work/vextondof"
cp "$(dirname "$program")"/libvexton-*.so "$(dirname "$program")"/vextondof-photo-reader \
   "$work/" 2>/dev/null || true # its modules, beside it
export DISPLAY=$display QT_SCALE_FACTOR=$scale HOME=$work XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/qt6ct" "$XDG_CONFIG_HOME/fontconfig"
if [ "$palette" = dark ]; then
  export QT_QPA_PLATFORMTHEME=qt6ct
  printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
    > "$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
fi
if [ -n "$family" ]; then
  printf '<?xml version="1.0"?><fontconfig><alias binding="strong"><family>sans-serif</family><prefer><family>%s</family></prefer></alias></fontconfig>\n' \
    "$family" > "$XDG_CONFIG_HOME/fontconfig/fonts.conf"
fi
"$work/vextondof" 2>/dev/null & pids+=($!)
xdotool search --sync --name '^Vexton\.DOF\.CE$' >/dev/null; sleep 0.7
case "${LANGUAGE:-${LANG:-}}" in                           # the unit list's entry, as shown
  de*) centimetres=Zent ;; fr*) centimetres=centim ;; *) centimetres=centimeters ;;
esac
shot() { sleep 0.7; import -window root -crop "$(xdotool getactivewindow getwindowgeometry --shell | awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{printf "%dx%d+%d+%d", w+20, h+40, x-10, y-30}')" "$out/$1.png"; }
key() { xdotool key --delay 80 "$@"; }
shot main
key F1; shot camera-info; key Escape                       # F1 in the camera list
key Tab F1; shot help-focal-length; key Escape
key Tab F1; shot help-aperture; key Escape
key Tab; xdotool type --delay 50 1000; key F1; shot help-distance; key Escape
key Tab; xdotool type --delay 50 "$centimetres"; key Tab F1; shot help-cofc; key Escape
key Tab F1; shot help-diopter; key Escape
key Shift+Tab Shift+Tab Shift+Tab Shift+Tab Shift+Tab; xdotool type --delay 50 200.0
key Tab; xdotool type --delay 50 f/6.3                     # an aperture of one's own
key Return; shot results; key Escape                       # Enter presses Calculate
shot main-after
key Tab Tab Tab Tab Tab Tab Return; shot about; key Escape # Enter on the focused About
key ctrl+t; shot table                                     # the DOF table from the menu
key Tab Tab Tab Tab; xdotool type --delay 50 Third; key Tab; shot table-thirds; key Escape
key ctrl+l; xdotool type --delay 50 '50 m'; shot plan; key Escape  # the focus planner, 50 m
key ctrl+k; xdotool type --delay 50 'sony a7'; key Tab Tab; xdotool type --delay 50 'Phone'
key Tab; xdotool type --delay 50 5.6; key Tab; xdotool type --delay 50 4.2
shot choose-camera; key Return                             # the camera chooser adds Phone
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
key F1; shot own-camera-info; key Escape                   # F1 in the camera list
key ctrl+o; sleep 1.5; shot open-photo                     # the desktop's file dialog
xdotool type --delay 20 "$(dirname "$(realpath "$0")")/../tests/scenarios/photos/only-equivalent.jpg"
key Return; shot photo; key Escape                         # the Photo form
photos=$(dirname "$(realpath "$0")")/../tests/scenarios/photos
key ctrl+o; sleep 1.5; xdotool type --delay 20 "$photos/long-lens.jpg"
key Return; shot photo-long-lens; key Escape               # a lens name wider than the screen
key ctrl+o; sleep 1.5; xdotool type --delay 20 "$photos/hostile.jpg"
key Return; shot photo-hostile; key Escape                 # escapes, no second line
key ctrl+o; sleep 1.5; xdotool type --delay 20 "$photos/DSC_0001.JPG"
key Return; shot photo-film; key Return                    # a film named as a photo
key ctrl+r; shot coc; key Escape                           # the Circle of Confusion form
key ctrl+g; shot chart                                     # the DOF chart: the sharp zone
key Down; shot chart-limits; key Escape                    # and the limits by distance
key ctrl+m; xdotool type --delay 50 '1:2'; shot closeup     # close-up at 1:2
key Tab Tab Tab Tab Tab; xdotool type --delay 50 '50'; shot closeup-stack # a stack from 50 (cm)
key shift+Tab Down Tab; xdotool type --delay 50 '30'; shot closeup-rail; key Escape # on a rail
key ctrl+j; xdotool type --delay 50 '24-105 f4'; shot choose-lens # the lens chooser
key Tab Tab Tab Tab Tab Tab Tab Tab; xdotool type --delay 50 '60'; shot choose-lens-framing
key Return; shot main-lens                                  # the lists the lens leaves
key ctrl+o; sleep 1.5; xdotool type --delay 20 "$photos/no-distance.jpg"
key Return; shot photo-zones                                # no distance: the zone table
xdotool type --delay 50 '3 m'; shot photo-typed; key Escape   # a distance typed for the photo
key ctrl+shift+o; sleep 1.5; xdotool type --delay 20 "$photos"
key Return; sleep 2; shot shoot                             # a folder of photos
key Tab Tab Down Down Down; shot shoot-row; key Return; shot shoot-photo; key Escape
key Escape
echo "screenshots in $out"
