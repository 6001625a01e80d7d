# What the installed-package checks share; sourced, as root, with the .deb's
# path as $1. Installs the package with apt (purged again at the end), reads
# the desktop entry's command, and makes a work folder with a home for the
# ordinary user the program runs as. Processes started go into `pids`, to be
# ended at the end, whether the check passed or failed; `as_nobody` runs a
# command as that user in place (no process of its own between), so that
# each pid is the process's own.
deb=$(realpath "$1")
entry=/usr/share/applications/org.example.vextondof.desktop
work=$(mktemp -d)
home=$work/home
pids=()
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
# The same in the background, the process in place of the subshell that
# starts it: `$!` is then the process's own pid, and ending it ends it.
nobody_in_background() { (exec setpriv --reuid=65534 --regid=65534 --clear-groups "$@") & }
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  apt-get purge -y -qq vextondof >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

apt-get install -y -qq "$deb" >/dev/null
[ -x /usr/bin/vextondof ] || { echo "not installed"; exit 1; }
desktop-file-validate "$entry"
# The command as a launcher runs it from the menu, with no file: the file
# field codes (%f %F %u %U) then stand for nothing.
command=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuU]//g')

chmod 755 "$work" # the user reaches their home through it
mkdir -p "$home"
chown nobody "$home"

# The settings file holds the unit "meters" (UTF-16LE).
has_meters() { od -An -tx1 -v "$home/.config/vextondof/vextondof.ini" | tr -d ' \n' |
               grep -q '6d00650074006500720073'; }
