#!/usr/bin/env bash
# Run as root on a Debian 12 machine: installs the .deb with apt, then, as an
# ordinary user, runs the program from its desktop entry on Qt's Wayland
# platform under weston's headless compositor (no X server at all): the main
# form, the results form, a help form and the DOF table open and close, and
# Escape in an open drop-down leaves the program running; the choice made is
# in the settings file afterwards. Removes the package again at the end.
#   tests/program/installed_wayland.sh PATH/TO/vextondof_VERSION_ARCH.deb PLUGIN_DIR
# PLUGIN_DIR holds generic/libvextondof-drive.so (tests/program/drive): the
# headless compositor has no input devices, so the keys are played into the
# program by that plugin, where Qt takes the compositor's keys.
set -euo pipefail
[ -n "${TRACE:-}" ] && set -x
source "$(dirname "$0")/installed_common.sh"
plugin=$(realpath "$2")/generic/libvextondof-drive.so
runtime=$work/runtime drive=$work/drive
dpkg-query -W -f='${Status}' qt6-wayland | grep -q 'install ok installed' ||
  { echo "qt6-wayland, which the package recommends, is not installed"; exit 1; }
mkdir -p "$runtime" "$drive/plugins/generic"
cp "$plugin" "$drive/plugins/generic/"
user_env=(env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin
          LANG=C.UTF-8 WAYLAND_DISPLAY=wayland-vextondof)
as_user() { as_nobody "${user_env[@]}" "$@"; }

# What a person does, step by step; the plugin notes each step as it takes
# it. Waiting for the main form after the drop-down's Escape proves the
# program still runs; Ctrl+Q then saves and ends it.
cat >"$drive/steps" <<'STEPS'
wait Vexton.DOF.CE
keys Tab Tab Tab
type 2
keys Tab
type meters
keys Return
wait Calculated Results
keys Escape
wait Vexton.DOF.CE
keys F1
wait Distance
keys Escape
wait Vexton.DOF.CE
keys Ctrl+T
wait DOF Table
keys Escape
wait Vexton.DOF.CE
keys Alt+Down
popup
keys Escape
wait Vexton.DOF.CE
keys Escape
wait Vexton.DOF.CE
keys Ctrl+Q
STEPS
chown -R nobody "$runtime" "$drive"
chmod 700 "$runtime"

nobody_in_background "${user_env[@]}" weston --backend=headless-backend.so \
  --socket=wayland-vextondof --idle-time=0 --width=1024 --height=768 >"$work/weston.log" 2>&1
pids+=($!)
for _ in $(seq 50); do [ -S "$runtime/wayland-vextondof" ] && break; sleep 0.1; done
[ -S "$runtime/wayland-vextondof" ] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }

# Qt's Wayland text input needs a seat, which the headless compositor
# lacks: no input method here.
status=0
as_user QT_QPA_PLATFORM=wayland QT_IM_MODULE=none QT_PLUGIN_PATH="$drive/plugins" \
  QT_QPA_GENERIC_PLUGINS="vextondofdrive:$drive/steps" timeout 60 $command \
  >"$work/run.log" 2>&1 || status=$?
if ! diff -u "$drive/steps" "$drive/steps.log" || [ "$status" -ne 0 ]; then
  echo "the program on Wayland did not take every step (exit status $status)"
  cat "$work/run.log"
  exit 1
fi
has_meters || { echo "the choice was not kept"; exit 1; }
echo "installed, ran as a user on Wayland, kept its choice"
