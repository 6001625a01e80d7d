#!/usr/bin/env bash
# The command line through the built program, with no display: the worked
# examples in English and German number settings, exit statuses, a file
# written whole, a closed pipe, the CSV read back and checked, the PDF's text,
# and no settings file ever made.
#   tests/program/command_line.sh PATH/TO/vextondof
set -u
program=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$program" "$dir/vextondof"
cp "$(dirname "$program")"/libvexton-{window,lensfun}.so "$dir/" # the modules it loads
run() { env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir" XDG_CONFIG_HOME="$dir/config" "$dir/vextondof" "$@"; }
fail() { echo "FAILED: $*"; exit 1; }

# The default choices (Nikon D70, 18.0, f/16, feet, 0.0310) at 2 ft, as the results form shows them.
expected='Near Focus Limit of Depth of Field: 1.255692 ft
Far Focus Limit of Depth of Field: 4.910961 ft
Hyperfocal Distance: 3.333542 ft
Total Depth of Field: 3.655269 ft
Circle of Confusion: 0.020289 mm
Diopter Modified Focal Length: 18.00 mm'
[ "$(LANG=C.UTF-8 run calculate --distance 2)" = "$expected" ] || fail "the default choices at 2 ft"
german=$(LANG=de_DE.UTF-8 run calculate --distance 2,5 --focal-length 200 --aperture f/2.8 \
         --unit centimeters)
grep -qx 'Hyperfokale Distanz: 69.722,485341 cm' <<<"$german" || fail "German: $german"
french=$(LC_ALL=fr_FR.UTF-8 run calculate --distance 2,5 --focal-length 200 --aperture f/2.8 \
         --unit centimeters)
grep -qx $'Distance hyperfocale : 69\u202f722,485341 cm' <<<"$french" || fail "French: $french"
# The words follow the messages' settings, the numbers the numbers': apart.
numbers=$(LANG=C.UTF-8 LC_NUMERIC=de_DE.UTF-8 run calculate --distance 2,5 --focal-length 200 \
          --aperture f/2.8 --unit centimeters)
grep -qx 'Hyperfocal Distance: 69.722,485341 cm' <<<"$numbers" || fail "German numbers alone: $numbers"
words=$(LANG=de_DE.UTF-8 LC_NUMERIC=C run calculate --distance 2)
grep -qx 'Hyperfokale Distanz: 3.333542 ft' <<<"$words" || fail "German words alone: $words"
# A script under LC_ALL=C sees English, whatever else is set.
[ "$(LANG=de_DE.UTF-8 LANGUAGE=fr LC_ALL=C run calculate --distance 2)" = "$expected" ] ||
  fail "LC_ALL=C is English"
LANGUAGE=fr:de LANG=de_DE.UTF-8 run calculate --distance 2 --aperture f/99x 2>"$dir/err"
grep -qx $'vextondof: l\u2019ouverture "f/99x" n\u2019est pas dans la liste et n\u2019est pas un nombre ; les plus proches : f/45, f/64' "$dir/err" ||
  fail "LANGUAGE's first: $(cat "$dir/err")"
grep -qx "Voir 'vextondof calculate --help'." "$dir/err" || fail "the French pointer to the help"
LANG=de_DE.UTF-8 run --help | head -1 | grep -qx 'Aufruf: vextondof \[Qt-Optionen\]' ||
  fail "the German help"
# What is for programs is the same in every language, a photo's sentences too.
[ "$(LANG=de_DE.UTF-8 run table --format csv --distance 3)" = \
  "$(LC_ALL=C run table --format csv --distance 3)" ] || fail "the CSV in German"
cp "$(dirname "$program")"/vextondof-photo-reader "$dir/" # run beside the program
photo=$(dirname "$(realpath "$0")")/../scenarios/photos/absurd.jpg
LANG=fr_FR.UTF-8 run photo --format csv "$photo" >"$dir/fr.csv" || fail "a photo's CSV in French"
LC_ALL=C run photo --format csv "$photo" | cmp -s - "$dir/fr.csv" || fail "the photo's CSV in French"
grep -q 'which is not used' "$dir/fr.csv" || fail "the photo's sentences in the CSV"
LANG=fr_FR.UTF-8 run photo "$photo" | grep -qx $'Remarque : La photo enregistre un nombre d\u2019ouverture de 1000 (Exif.Photo.FNumber), qui n\u2019est pas utilis\u00e9.' ||
  fail "the photo's notes in French, through the reader"

# Exit statuses: refused 1, not understood 2; messages on standard error only.
out=$(run calculate --distance 0 2>"$dir/err"); status=$?
[ $status -eq 1 ] && [ -z "$out" ] || fail "a refused distance exits 1 ($status)"
grep -qx 'Validation Error: You must enter a non-zero, positive distance to the subject.' "$dir/err" ||
  fail "the refusal's words"
run calculate --camera "Canon 2000x" --distance 2 >/dev/null 2>"$dir/err"; [ $? -eq 2 ] || fail "no such camera exits 2"
grep -q 'nearest: Canon 20D, Canon 350D/Digital Rebel XT' "$dir/err" || fail "the nearest cameras"
run table --format xls >/dev/null 2>&1; [ $? -eq 2 ] || fail "an unknown format exits 2"

# A file is written whole or not at all; a folder that is not there is said.
run table --format csv --output "$dir/table.csv" || fail "the CSV to a file"
run table --format csv --output "$dir/nowhere/table.csv" 2>"$dir/err"; [ $? -ne 0 ] || fail "no folder"
grep -q 'was not found' "$dir/err" || fail "the missing folder named"
[ ! -e "$dir/nowhere" ] || fail "a folder was made"

# The CSV read back: the header, then each line's numbers agree with themselves.
head -n 1 "$dir/table.csv" | tr -d '\r' |
  grep -qx 'distance,aperture,f_number,near,far,total,in_front,behind,hyperfocal,airy_disc_mm,coc_mm,unit' ||
  fail "the CSV header"
awk -F, 'NR > 1 {
    gsub(/\r/, "");
    if (NF != 12) { print "fields: " $0; bad = 1 }
    if ($5 != "inf" && ($5 - $4 - $6 > 0.0000015 || $4 + $6 - $5 > 0.0000015)) { print "total: " $0; bad = 1 }
    if ($1 - $4 - $7 > 0.0000015 || $4 + $7 - $1 > 0.0000015) { print "in front: " $0; bad = 1 }
    if ($10 - 2.44 * 0.00055 * $3 > 0.0000006 || 2.44 * 0.00055 * $3 - $10 > 0.0000006) { print "airy: " $0; bad = 1 }
    rows++
  } END { exit bad || rows < 7 }' "$dir/table.csv" || fail "the CSV's numbers"
# The same numbers as calculate for the same distance and aperture.
near=$(run calculate --distance 2 --aperture f/16 | sed -n 's/^Near Focus Limit of Depth of Field: \(.*\) ft$/\1/p')
grep -q "^2.000000,f/16,16.000000,$near," "$dir/table.csv" || fail "the CSV and calculate agree ($near)"

# A closed pipe is a write error, not a crash.
run table --format csv --distances "$(seq -s ' ' 1 3000)" 2>"$dir/err" | head -c 10 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" -eq 1 ] || fail "a closed pipe exits 1 ($status)"
grep -q 'cannot write the output' "$dir/err" || fail "a closed pipe said"

# The PDF: refused on a terminal, its text readable when written.
run table --format pdf --paper letter --output "$dir/table.pdf" || fail "the PDF"
pdfinfo "$dir/table.pdf" | grep -q 'letter' || fail "Letter paper"
pdftotext "$dir/table.pdf" - | grep -q 'Beyond f/' || fail "the PDF's text"
script -qec "$dir/vextondof table --format pdf" /dev/null >/dev/null 2>&1; [ $? -ne 0 ] || fail "a PDF to a terminal"

# The planner from the terminal: where to focus for 1.5 m to infinity at 24 mm.
plan=$(LANG=C.UTF-8 run plan --camera "35 mm" --focal-length 24 --unit m --cofc 0.03 --near 5)
grep -qx 'Focus at: 10.00 m' <<<"$plan" && grep -qx 'Aperture needed: f/2 (f/1.9 needed)' <<<"$plan" ||
  fail "plan: $plan"
run plan --near 3 --far 2 >/dev/null 2>&1; [ $? -eq 1 ] || fail "a refused plan exits 1"

# The verbs load no library of Qt's, lensfun's or glib's: the window and the
# drawing are a module of their own, lensfun another, read once and kept.
loaded() { LD_DEBUG=files run "$@" 2>&1 >/dev/null | sed -n 's/.*file=\([^ ]*\).*/\1/p' | sort -u; }
for verb in "calculate --distance 2" "table --format csv --distance 3" "plan --near 3" \
            "coc --pixels 6000" "closeup --magnification 1" "--help"; do
  # shellcheck disable=SC2086
  libraries=$(loaded $verb)
  [ -n "$libraries" ] || fail "no libraries seen for $verb"
  ! grep -q 'Qt6\|lensfun\|glib\|vexton-window' <<<"$libraries" || fail "$verb loaded: $libraries"
done
group=$(dirname "$(realpath "$0")")/../scenarios/photos/group.jpg
grep -q 'lensfun.so' <<<"$(XDG_CACHE_HOME="$dir/cache" loaded photo --format csv "$group")" ||
  fail "lensfun's database read without lensfun"
libraries=$(XDG_CACHE_HOME="$dir/cache" loaded photo --format csv "$group")
! grep -q 'lensfun\|glib\|Qt6' <<<"$libraries" || fail "a photo of lensfun's camera, read again: $libraries"
grep -q 'libQt6Gui' <<<"$(loaded table --format pdf --output "$dir/again.pdf")" ||
  fail "a PDF drawn without the window module"
# Without its window module the program says so, and draws nothing.
mkdir "$dir/alone"
cp "$program" "$dir/alone/vextondof"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir" "$dir/alone/vextondof" 2>&1); status=$?
[ $status -eq 1 ] && [ "$out" = 'vextondof: The window is not available: libvexton-window.so could not be loaded.' ] ||
  fail "no window module ($status): $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir" "$dir/alone/vextondof" table --format pdf \
      --output "$dir/alone/t.pdf" 2>&1); status=$?
[ $status -eq 1 ] && grep -q 'libvexton-window.so could not be loaded' <<<"$out" &&
  [ ! -e "$dir/alone/t.pdf" ] || fail "a PDF without the window module ($status): $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir" LANGUAGE=de LANG=de_DE.UTF-8 \
      "$dir/alone/vextondof" 2>&1)
[ "$out" = 'vextondof: Das Fenster ist nicht verfügbar: libvexton-window.so konnte nicht geladen werden.' ] ||
  fail "no window module, in German: $out"

# Nothing of the settings was made, and --help describes each verb.
[ -z "$(find "$dir" -name vextondof.ini)" ] || fail "a settings file was made"
run calculate --help | grep -q '^Usage: vextondof calculate' || fail "calculate --help"
run --help | grep -q 'vextondof table' || fail "--help lists the verbs"
echo "the command line answers as the forms do"
