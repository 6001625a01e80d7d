#!/usr/bin/env bash
# Installs on Debian 12 what one need asks for, and nothing that is already
# there. Safe to run again; quiet when everything is present.
#
#   tools/setup.sh run       building and running the program
#   tools/setup.sh test      ... and its tests
#   tools/setup.sh bench     ... and its benchmarks
#   tools/setup.sh package   ... and its Debian package
#   tools/setup.sh ci        everything continuous integration does, clang included
set -euo pipefail

run=(cmake make g++ pkgconf qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev fonts-dejavu-core liblensfun-dev libglib2.0-dev liblensfun-data-v1
     libexiv2-dev)
test=(googletest libgtest-dev libgmock-dev locales desktop-file-utils appstream poppler-utils)
bench=(libbenchmark-dev xvfb xauth qt6-gtk-platformtheme exiv2)
package=(dpkg-dev file debhelper lintian)
ci=(clang clang-format libclang-rt-14-dev xvfb xauth openbox xdotool x11-utils libglib2.0-bin weston ccache procps
    python3)

case "${1:-run}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  bench) packages=("${run[@]}" "${bench[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  ci) packages=("${run[@]}" "${test[@]}" "${bench[@]}" "${package[@]}" "${ci[@]}") ;;
  *) echo "setup: unknown need '$1' (run, test, bench, package or ci)" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The locale tests switch the C library to German number conventions.
if [ "${1:-run}" = test ] || [ "${1:-run}" = ci ]; then
  if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "setup: generating de_DE.UTF-8"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
fi
