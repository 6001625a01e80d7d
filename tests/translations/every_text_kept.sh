#!/usr/bin/env bash
# The catalogues hold every text the sources mark for translation: each kept
# catalogue, brought up to date from every source of the program into a copy
# of its own, gains no text to translate. A text added without running the
# update_translations target (or a folder whose texts are not collected)
# fails here, naming the text.
set -eu
lupdate=$1 sources=$2 kept=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$kept"/*.ts; do
    copy=$work/$(basename "$catalogue")
    cp "$catalogue" "$copy"
    "$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=TR_NOOP,translate+=Tr \
        -no-obsolete -locations none "@$sources" -ts "$copy" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    missing=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$missing" != 0 ]; then
        echo "$(basename "$catalogue"): $missing texts the sources mark are not translated:"
        grep -B3 'type="unfinished"' "$copy" | grep '<source>' | head -20
        status=1
    fi
done
exit $status
