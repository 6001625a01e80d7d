#!/usr/bin/env bash
# The real program, started with a FIFO where its settings file belongs,
# reaches its event loop (showing the file-error report) instead of blocking
# in open() for ever, and leaves the FIFO as it was.
set -u
program=$1
dir=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cp "$program" "$dir/vextondof"
cp "$(dirname "$program")"/libvexton-{window,lensfun}.so "$dir/" # the modules it loads
mkfifo "$dir/vextondof.ini"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$dir/config" "$dir/vextondof" 2>/dev/null &
pid=$!
state=
for _ in $(seq 100); do
  sleep 0.1
  state=$(cat "/proc/$pid/wchan" 2>/dev/null) || { echo "the program ended"; exit 1; }
  case $state in *poll*) break ;; esac
done
case $state in
  *poll*) ;;
  *) echo "the program is not waiting for a person but in $state"; exit 1 ;;
esac
[ -p "$dir/vextondof.ini" ] || { echo "the FIFO was replaced"; exit 1; }
echo "waiting for a person, FIFO untouched"
