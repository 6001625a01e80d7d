#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and nothing
# that is already there. Safe to run again; quiet when everything is present.
set -euo pipefail

packages=(cmake make g++ clang clang-format libclang-rt-14-dev qt6-base-dev libgl-dev fonts-dejavu-core
          googletest libgtest-dev libgmock-dev libbenchmark-dev locales
          xvfb xauth)

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
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "setup: generating de_DE.UTF-8"
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
