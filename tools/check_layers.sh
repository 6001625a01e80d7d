#!/usr/bin/env bash
# Fails when a source file includes what its target does not link to.
#
#   tools/check_layers.sh BUILD/layers.txt
#
# The build writes layers.txt from the CMake targets (see vexton_layer in the
# top-level CMakeLists.txt): a line a target, TARGET|FOLDER|DEPENDENCIES|SOURCES.
# A file belongs to the target that compiles it; a header to the target that
# compiles the source of the same name beside it, else to the first target
# of its folder (a subsystem's logic comes before its forms). Every include
# must name, by its path from the repository's root, a file of the same
# target or of one it links to, directly or not: so logic never reaches Qt's
# half of the framework, and nothing reaches the program above it. The
# README's table of folders must say the same of what each builds on.
set -u
layers=$1
cd "$(dirname "$0")/.."

declare -A folder_of deps_of owner
targets=()
while IFS='|' read -r target folder deps sources; do
  [ -n "$target" ] || continue
  targets+=("$target")
  folder_of[$target]=$folder
  deps_of[$target]=$deps
  for source in $sources; do owner[$folder/$source]=$target; done
done <"$layers"

# Headers and included data files: beside the source of the same name, or
# the folder's first target.
for target in "${targets[@]}"; do
  folder=${folder_of[$target]}
  while IFS= read -r file; do
    [ -n "${owner[$file]:-}" ] && continue
    stem=${file%.*}
    owner[$file]=${owner[$stem.cpp]:-$target}
  done < <(find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.inc' \) | sort)
done

# What a target may reach: itself and everything it links to, worked out
# once for all targets (each pass adds what the dependencies reach).
declare -A reach
for target in "${targets[@]}"; do reach[$target]=" $target "; done
changed=1
while [ $changed = 1 ]; do
  changed=0
  for target in "${targets[@]}"; do
    for dep in ${deps_of[$target]}; do
      for reached in ${reach[$dep]:-$dep}; do
        case ${reach[$target]} in
          *" $reached "*) ;;
          *) reach[$target]+="$reached "; changed=1 ;;
        esac
      done
    done
  done
done
reaches() { echo "${reach[$1]:- $1 }"; }

status=0
for file in "${!owner[@]}"; do
  target=${owner[$file]}
  allowed=$(reaches "$target")
  while IFS= read -r included; do
    if [[ $included != */* ]]; then
      echo "$file: name \"$included\" by its path from the repository's root"; status=1; continue
    fi
    if [ ! -f "$included" ]; then
      echo "$file: \"$included\" is no file at that path"; status=1; continue
    fi
    by=${owner[$included]:-}
    if [ -z "$by" ]; then
      echo "$file: \"$included\" belongs to no program target"; status=1
    elif [[ $allowed != *" $by "* ]]; then
      echo "$file ($target) may not include \"$included\" ($by): it does not link to it"; status=1
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
done

# The README's table: the folders each folder builds on, as the targets say.
top() { echo "${1%%/*}"; }
declare -A builds_on
for target in "${targets[@]}"; do
  own=$(top "${folder_of[$target]}")
  for dep in ${deps_of[$target]}; do
    other=$(top "${folder_of[$dep]}")
    [ "$other" = "$own" ] || builds_on[$own]+=" $other"
  done
done
folders=$(for t in "${targets[@]}"; do top "${folder_of[$t]}"; done | sort -u)
declare -A described
while IFS='|' read -r _ name _ said _; do
  name=$(sed -nE 's/^ *`([a-z]+)\/` *$/\1/p' <<<"$name")
  [ -n "$name" ] && grep -qx "$name" <<<"$folders" || continue
  described[$name]=1
  expected=$(tr ' ' '\n' <<<"${builds_on[$name]:-}" | grep . | sort -u | paste -sd' ')
  if [[ $said =~ ^\ *all\ *$ ]]; then
    said=$(grep -vx "$name" <<<"$folders" | paste -sd' ')
  else
    said=$(tr -c 'a-z\n' '\n' <<<"$said" | grep -x -F "$folders" | sort -u | paste -sd' ')
  fi
  if [ "$said" != "$expected" ]; then
    echo "README.md: $name/ builds on \"$expected\", the table says \"$said\""; status=1
  fi
done < <(grep -E '^\| `[a-z]+/` \|' README.md)
for name in $folders; do
  [ -n "${described[$name]:-}" ] || { echo "README.md: the table has no row for $name/"; status=1; }
done

[ $status -eq 0 ] && echo "every include runs the allowed way; the README's table agrees"
exit $status
