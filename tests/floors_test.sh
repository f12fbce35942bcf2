#!/usr/bin/env bash
# The floor check passes on the program as it is, and catches each kind of breach planted in
# a scratch copy: an upward include, one between two subsystems of the upper floor, the main
# window known outside the top floor, a widget looked up by name.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
check="$here/../scripts/check_floors.sh"
src="$here/../src"
failed=0

expect() { # expect PASS|FAIL DESCRIPTION FOLDER
  if "$check" "$3" >/dev/null; then outcome=PASS; else outcome=FAIL; fi
  if [ "$outcome" != "$1" ]; then
    echo "floors_test: $2: the check gave $outcome, expected $1"
    failed=1
  fi
}

expect PASS "the program" "$src"

planted() { # planted FILE LINE: a scratch copy of src with LINE added to FILE
  scratch=$(mktemp -d)
  cp -r "$src" "$scratch/src"
  echo "$2" >>"$scratch/src/$1"
  echo "$scratch/src"
}

for case in \
  "core/collection.cpp|#include \"documents/documentstate.h\"|core reaching a subsystem" \
  "platform/paths.cpp|#include \"core/progprops.h\"|platform reaching core" \
  "documents/opencommands.cpp|#include \"projects/projectcommands.h\"|documents reaching projects" \
  "editor/editorevents.cpp|#include \"tags/phtbar.h\"|the editor reaching the tags" \
  "search/searchcommands.cpp|#include \"tags/tagcommands.h\"|the search reaching the tags" \
  "editor/editorevents.cpp|#include \"app/frmh.h\"|a subsystem knowing the main window" \
  "menus/menucaption.cpp|auto* found = parent->findChild<QMenu*>();|a lookup by name"; do
  IFS='|' read -r file line description <<<"$case"
  copy=$(planted "$file" "$line")
  expect FAIL "$description" "$copy"
  rm -rf "$(dirname "$copy")"
done

exit $failed
