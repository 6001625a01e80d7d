#!/usr/bin/env bash
# Fails when a source file includes across the allowed direction:
#   app/ -> calc/ cameras/ lists/ settings/ forms/ -> framework/ -> std, Qt
# Among the subsystems, cameras/ builds on calc/, lists/ on cameras/ and
# calc/, settings/ on cameras/; resources/ is data any of them may name.
set -u
cd "$(dirname "$0")/.."
declare -A allowed=(
  [framework]="framework"
  [resources]="resources framework"
  [calc]="calc framework resources"
  [cameras]="cameras calc framework resources"
  [lists]="lists cameras calc framework resources"
  [settings]="settings cameras framework resources"
  [forms]="forms framework resources"
  [app]="app calc cameras lists settings forms framework resources"
)
status=0
for folder in "${!allowed[@]}"; do
  while IFS= read -r file; do
    while IFS= read -r included; do
      case $included in
        */../*|../*) echo "$file: climbs out of its folder: \"$included\""; status=1; continue ;;
        */*) ;;
        *) continue ;; # beside the file itself
      esac
      target=${included%%/*}
      case " ${allowed[$folder]} " in
        *" $target "*) ;;
        *) echo "$file: $folder/ may not include $target/ (\"$included\")"; status=1 ;;
      esac
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sort)
done
[ $status -eq 0 ] && echo "every include runs the allowed way"
exit $status
