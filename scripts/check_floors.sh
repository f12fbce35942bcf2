#!/usr/bin/env bash
# Checks that the program's folders stay floors: a folder includes only from its own floor or
# the ones below (platform; core and menus; the subsystems; app on top), only src/app and
# main.cpp know the main window (frmh.h), and no code looks its widgets up by name
# (findChild). Usage: scripts/check_floors.sh [SRC_FOLDER]; exits 1 and names each breach.
set -uo pipefail
src="${1:-$(dirname "$0")/../src}"

floor() {
  case "$1" in
    platform) echo 0 ;;
    core | menus) echo 1 ;;
    conversions | documents | editor | design) echo 2 ;;
    app) echo 3 ;;
    *) echo 9 ;;
  esac
}

breaches=0
while IFS= read -r file; do
  relative="${file#"$src"/}"
  folder="${relative%%/*}"
  [ "$folder" = "$relative" ] && own=4 || own=$(floor "$folder")
  while IFS=: read -r line included; do
    target="${included%%/*}"
    if [ "$(floor "$target")" -gt "$own" ]; then
      echo "$relative:$line reaches up to $included"
      breaches=$((breaches + 1))
    fi
    if [ "${included##*/}" = "frmh.h" ] && [ "$folder" != app ] && [ "$relative" != main.cpp ]; then
      echo "$relative:$line knows the main window ($included)"
      breaches=$((breaches + 1))
    fi
  done < <(grep -noE '^#include "[a-z]+/[a-z0-9_]+\.h"' "$file" | sed -E 's/:#include "/:/; s/"$//')
  while IFS=: read -r line _; do
    echo "$relative:$line looks a widget up by name (findChild)"
    breaches=$((breaches + 1))
  done < <(grep -n 'findChild' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \))

if [ "$breaches" -gt 0 ]; then
  echo "floors: $breaches breach(es)"
  exit 1
fi
echo "floors: kept"
