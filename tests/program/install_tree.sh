#!/usr/bin/env bash
# A DESTDIR install puts exactly the expected files under the prefix; the
# desktop entry and the metainfo pass their validators; the installed program
# answers --version and --help without a window and without a settings file.
set -eu
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
expected='usr/bin/vextondof
usr/share/applications/org.example.vextondof.desktop
usr/share/bash-completion/completions/vextondof
usr/share/doc/vextondof/LICENSE
usr/share/icons/hicolor/scalable/apps/org.example.vextondof.svg
usr/share/man/de/man1/vextondof.1.gz
usr/share/man/fr/man1/vextondof.1.gz
usr/share/man/man1/vextondof.1.gz
usr/share/metainfo/org.example.vextondof.metainfo.xml'
actual=$(cd "$dest" && find . -type f -o -type l | sed 's|^\./||' |
         grep -v '/vextondof/\(libvexton-[a-z]*\.so\|vextondof-photo-reader\)$' | sort)
# The modules, where the installed program takes them from: its library
# folder's vextondof/, named in the program as an absolute path (the prefix
# the build was configured for).
module=$(cd "$dest" && find . -name libvexton-printing.so | sed 's|^\./||')
[ "$(echo "$module" | grep -c .)" -eq 1 ] || { echo "printing's module: '$module'"; exit 1; }
strings "$dest/usr/bin/vextondof" | grep -q "/$(dirname "${module#usr/}")$" ||
  { echo "the program does not name its modules' folder ($(dirname "$module"))"; exit 1; }
[ "$(cd "$dest/$(dirname "$module")" && ls)" = 'libvexton-lensfun.so
libvexton-printing.so
libvexton-svg.so
libvexton-window.so
vextondof-photo-reader' ] || { echo "the modules' folder holds: $(ls "$dest/$(dirname "$module")")"; exit 1; }
[ -x "$dest/$(dirname "$module")/vextondof-photo-reader" ] || { echo "the photo reader cannot run"; exit 1; }
if [ "$actual" != "$expected" ]; then
  echo "installed files differ:"; diff <(echo "$expected") <(echo "$actual") || true; exit 1
fi
desktop-file-validate "$dest/usr/share/applications/org.example.vextondof.desktop"
appstreamcli validate --pedantic --no-net "$dest/usr/share/metainfo/org.example.vextondof.metainfo.xml"

home="$dest/home"
mkdir -p "$home"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" \
          "$dest/usr/bin/vextondof" --version)
[ "$version" = "Vexton.DOF.CE 1.1" ] || { echo "--version printed: $version"; exit 1; }
# One version everywhere: the metainfo's newest release and the manual page say the same.
grep -q '<release version="1.1"' "$dest/usr/share/metainfo/org.example.vextondof.metainfo.xml" ||
  { echo "the metainfo names another version"; exit 1; }
for page in man1 de/man1 fr/man1; do
  zcat "$dest/usr/share/man/$page/vextondof.1.gz" | grep -q '"Vexton.DOF.CE 1.1"' ||
    { echo "the manual page $page names another version"; exit 1; }
done
env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C HOME="$home" "$dest/usr/bin/vextondof" --help |
  grep -q '^Usage: vextondof'
# The installed program carries its translations.
env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL LANGUAGE=fr LANG=de_DE.UTF-8 HOME="$home" \
    "$dest/usr/bin/vextondof" --help | head -n 1 | grep -q '^Usage : vextondof' ||
  { echo "the installed program speaks no French"; exit 1; }
# The program, installed elsewhere than its build expects, finds its photo
# reader where the install put it relative to the program.
env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    "$dest/usr/bin/vextondof" photo --unit m "$build/tests/photos/d70.jpg" |
  grep -q '^Near Focus Limit of Depth of Field: 1' || { echo "the installed program read no photo"; exit 1; }
if [ -n "$(find "$dest" -name vextondof.ini)" ]; then
  echo "--version or --help touched a settings file"; exit 1
fi
echo "installed as expected"
