#!/usr/bin/env bash
# The real program among other people's files, as root and as an ordinary
# user: a portable copy's settings file made by root is not every user's; a
# user's configuration folder is never made root's; another user's link on
# the way to an export is never followed; exports are whole or nothing, and
# what killed ones leave is cleaned away; the terminal answers for the
# person's own choices or says so; a mistyped verb opens no window; paper
# holds what it prints. The checks that play other users need root.
#   tests/program/others_files.sh PATH/TO/vextondof
set -u
program=$(realpath "$1")
dir=$(mktemp -d)
chmod 755 "$dir"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do { kill -9 "$pid"; wait "$pid"; } 2>/dev/null; done
  mountpoint -q "$dir/small" && umount "$dir/small"
  rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }
nobody=65534
as_nobody() { setpriv --reuid=$nobody --regid=$nobody --clear-groups "$@"; }
headless() { env -u DISPLAY -u WAYLAND_DISPLAY LANG=C.UTF-8 "$@"; }

# A settings file's record: the text as length-prefixed UTF-16.
record() {
  printf "\xff\xfe\xff\\x$(printf %02x ${#1})"
  local i
  for ((i = 0; i < ${#1}; i++)); do printf '%s\0' "${1:i:1}"; done
}
settings() { record "$1"; record "$2"; record "$3"; record "$4"; record "$5"; }

# Waits up to ten seconds for a file.
appears() { for _ in $(seq 100); do [ -e "$1" ] && return 0; sleep 0.1; done; return 1; }

# Starts the window offscreen in the background (a command of programs, no
# functions, so that the program is what ends at the end).
window() { env QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1 & pids+=($!); }
as_nobody_cmd=(setpriv --reuid=$nobody --regid=$nobody --clear-groups)

mkdir -p "$dir/bin" "$dir/home"
cp "$program" "$dir/bin/vextondof"
cp "$(dirname "$program")"/libvexton-{window,lensfun}.so "$dir/bin/" # the modules it loads
portable="$dir/bin/vextondof"

# A mistyped verb: the nearest verb named, exit 2, no window, with a display or without.
out=$(headless HOME="$dir/home" "$portable" calcuate --distance 3 2>&1); status=$?
[ $status -eq 2 ] && grep -q 'did you mean calculate?' <<<"$out" || fail "calcuate, no display ($status): $out"
out=$(DISPLAY=:97 timeout 10 "$portable" tabel 2>&1); status=$?
[ $status -eq 2 ] && grep -q 'did you mean table?' <<<"$out" || fail "tabel with a display ($status): $out"
[ ! -e "$dir/bin/vextondof.ini" ] || fail "a mistyped verb wrote the settings"

# Answers that cannot be written exit non-zero.
for args in --help --version --list-cameras "table --help"; do
  # shellcheck disable=SC2086
  headless "$portable" $args >/dev/full 2>/dev/null && fail "$args into a full device exits 0"
done

# Stored choices held by another copy: waited for, then read.
settings "Canon 20D" "50.0" "f/5.6" "meters" "0.0300" >"$dir/bin/vextondof.ini"
flock -o "$dir/bin" sleep 3 & pids+=($!)
sleep 0.2
out=$(headless HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" "$portable" calculate --distance 3 2>&1)
grep -qx 'Near Focus Limit of Depth of Field: 2.666292 m' <<<"$out" || fail "choices held 3 s: $out"
flock -o "$dir/bin" sleep 30 & holder=$!; pids+=($holder)
sleep 0.2
out=$(headless HOME="$dir/home" "$portable" calculate --distance 3 2>&1); status=$?
[ $status -eq 1 ] && grep -q 'holds your settings' <<<"$out" || fail "choices held 30 s ($status): $out"
out=$(headless "$portable" calculate --camera "canon 20" --focal-length 50 --aperture f/5.6 --unit m \
      --cofc 0.03 --distance 3 2>&1) || fail "every choice given, while held: $out"
kill $holder; wait $holder 2>/dev/null

# --output: standard output, nothing, a folder, the null device.
[ "$(headless "$portable" table --format csv --output - | head -c 8)" = "distance" ] || fail "--output -"
headless "$portable" table --output '' >/dev/null 2>&1; [ $? -eq 2 ] || fail "--output ''"
out=$(headless "$portable" table --output "$dir" 2>&1); [ $? -eq 1 ] && grep -q "$dir is a folder" <<<"$out" ||
  fail "a folder as --output: $out"
headless "$portable" table --format csv --output /dev/null || fail "/dev/null as --output"
out=$(headless "$portable" table --output /proc/x.csv 2>&1); grep -q "Access to /proc/x.csv was denied" <<<"$out" || fail "/proc: $out"

# Paper: a distance too long to print is refused, the rest printed.
out=$(headless "$portable" table --format pdf --distances "1e300 2" --output "$dir/t.pdf" 2>&1)
[ $? -eq 1 ] && grep -qx 'Validation Error: The distance is too large to calculate with.' <<<"$out" ||
  fail "1e300 on paper: $out"
pdftotext -layout "$dir/t.pdf" - | grep -q '^ *2 \?m  ' || fail "the 2 m row on the page"

# A killed export leaves a locked file that the next export cleans away.
headless "$portable" table --format csv --output "$dir/big.csv" || fail "a first export"
old=$(md5sum <"$dir/big.csv")
env -u DISPLAY -u WAYLAND_DISPLAY "$portable" table --format csv \
  --distances "$(printf '1e300 %.0s' {1..20000})" --output "$dir/big.csv" &
writer=$!
for _ in $(seq 100); do compgen -G "$dir/.big.csv.saving-*" >/dev/null && break; sleep 0.05; done
kill -9 $writer; wait $writer 2>/dev/null
[ "$(md5sum <"$dir/big.csv")" = "$old" ] || fail "a killed export tore the file"
headless "$portable" table --format csv --output "$dir/big.csv" || fail "the export after"
! compgen -G "$dir/.big.csv.saving-*" >/dev/null || fail "a killed export's leftover stayed"

# A second name of the file keeps what it had.
ln "$dir/big.csv" "$dir/other-name.csv"
headless "$portable" table --format csv --unit m --output "$dir/big.csv" || fail "an export over a linked file"
[ "$(md5sum <"$dir/other-name.csv")" = "$old" ] || fail "the other name was written"

if [ "$(id -u)" -ne 0 ]; then
  echo "the checks of other users need root: skipped"
  exit 0
fi

# A full file system: refused, the old file whole, nothing left.
mkdir "$dir/small"
if mount -t tmpfs -o size=64k tmpfs "$dir/small" 2>/dev/null; then
  head -c 40000 /dev/zero | tr '\0' x >"$dir/small/t.csv"
  headless "$portable" table --format csv --distances "$(seq -s ' ' 1 400)" --output "$dir/small/t.csv" \
    2>"$dir/err" && fail "a full file system exits 0"
  grep -q 'Disk full' "$dir/err" || fail "a full disk said: $(cat "$dir/err")"
  [ "$(wc -c <"$dir/small/t.csv")" -eq 40000 ] || fail "the old file on a full file system"
  [ "$(ls -A "$dir/small")" = t.csv ] || fail "left on a full file system: $(ls -A "$dir/small")"
  umount "$dir/small"
fi

# Another user's link into root's private folder, on the way to an export.
mkdir -m 1777 "$dir/drop"
mkdir -m 700 "$dir/private"
echo "root's" >"$dir/private/s.txt"
ln -s "$dir/private" "$dir/drop/reports"
chown -h 4242:4242 "$dir/drop/reports"
headless "$portable" table --output "$dir/drop/reports/s.txt" 2>/dev/null && fail "through another user's link"
[ "$(cat "$dir/private/s.txt")" = "root's" ] || fail "root's file replaced"

# As another user, into a folder that user may not write: refused, never in place.
echo "root's table" >"$dir/shared.txt"
chmod 666 "$dir/shared.txt"
as_nobody env -u DISPLAY HOME=/nonexistent "$portable" table --output "$dir/shared.txt" 2>/dev/null &&
  fail "into a folder the user may not write"
[ "$(cat "$dir/shared.txt")" = "root's table" ] || fail "a file rewritten in place"

# Root's portable copy, then another user's run of it: root's file stays
# root's, and the user's choices are the user's.
rm -f "$dir/bin/vextondof.ini"
settings "Canon 20D" "50.0" "f/5.6" "meters" "0.0300" >"$dir/bin/vextondof.ini"
mkdir -p "$dir/nobody"
chown $nobody:$nobody "$dir/nobody"
out=$(as_nobody env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir/nobody" XDG_CONFIG_HOME="$dir/nobody/.config" \
      "$portable" calculate --distance 3)
grep -q ' ft$' <<<"$out" || fail "another user read root's choices: $out"
window "${as_nobody_cmd[@]}" env HOME="$dir/nobody" XDG_CONFIG_HOME="$dir/nobody/.config" "$portable"
appears "$dir/nobody/.config/vextondof/vextondof.ini" || fail "the user's choices kept in the user's folder"
[ "$(stat -c %U "$dir/nobody/.config/vextondof/vextondof.ini")" = nobody ] || fail "the user's file"

# Root with the user's HOME, the program's folder unusable: nothing made there.
chmod 777 "$dir/bin"
rm -rf "$dir/nobody/.config"
out=$(headless HOME="$dir/nobody" XDG_CONFIG_HOME= "$portable" calculate --distance 3 2>&1 >/dev/null) ||
  fail "root with the user's HOME exits non-zero"
grep -q 'is not yours' <<<"$out" || fail "root with the user's HOME said: $out"
window env HOME="$dir/nobody" XDG_CONFIG_HOME= "$portable"
sleep 2
[ ! -e "$dir/nobody/.config" ] || fail "root made the user's .config"
chmod 755 "$dir/bin"

# Code another user could have planted is never run, even by root: a photo
# reader and an SVG module of the user's beside root's copy, then root's own
# in a folder of the user's; the photo and the chart are refused in a sentence.
planted() {
  printf '#!/bin/sh\ntouch %s/ran\n' "$dir" >"$1/vextondof-photo-reader"
  chmod 755 "$1/vextondof-photo-reader"
  cp "$(dirname "$program")/libvexton-svg.so" "$1/"
}
photo=$(dirname "$(realpath "$0")")/../scenarios/photos/d70.jpg
refused_planted() {
  out=$(headless HOME="$dir/home" "$1" photo "$photo" 2>&1) && fail "a planted reader: $out"
  grep -qx 'vextondof: Reading photos is not available: vextondof-photo-reader is not loaded, since another user could have changed it.' <<<"$out" ||
    fail "a planted reader said: $out"
  out=$(headless HOME="$dir/home" "$1" chart --distance 3 --output "$dir/home/c.svg" 2>&1) &&
    fail "a planted SVG module: $out"
  grep -q 'is not available: libvexton-\(svg\|window\).so is not loaded, since another user could have changed it.' <<<"$out" ||
    fail "a planted SVG module said: $out"
  [ ! -e "$dir/home/c.svg" ] || fail "an SVG that could not be made left a file"
  [ ! -e "$dir/ran" ] || fail "the planted reader ran"
}
planted "$dir/bin"
chown $nobody:$nobody "$dir/bin/vextondof-photo-reader" "$dir/bin/libvexton-svg.so"
refused_planted "$portable"
rm -f "$dir/bin/vextondof-photo-reader" "$dir/bin/libvexton-svg.so"
mkdir -p "$dir/users/bin"
cp "$program" "$dir/users/bin/vextondof"
cp "$(dirname "$program")"/libvexton-{window,lensfun}.so "$dir/users/bin/"
planted "$dir/users/bin"
chown $nobody:$nobody "$dir/users" "$dir/users/bin"
refused_planted "$dir/users/bin/vextondof"
echo "nobody else's files untouched"
