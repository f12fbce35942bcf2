#!/usr/bin/env bash
# Checks that the program's folders stay floors: a folder includes only from its own floor or
# the ones below (platform; core and menus; conversions, documents and editor; projects,
# publish, tags, search and design, each from itself and below only; app on top), only src/app and
# main.cpp know the main window (frmh.h), and no code looks its widgets up by name
# (findChild). Usage: scripts/check_floors.sh [SRC_FOLDER]; exits 1 and names each breach.
set -uo pipefail
src="${1:-$(dirname "$0")/../src}"
cd "$src" || exit 2

{
  grep -rnoE --include='*.h' --include='*.cpp' '^#include "[a-z]+/[a-z0-9_]+\.h"' . | sed 's/^/I:/' || true
  grep -rnE --include='*.h' --include='*.cpp' 'findChild' . | sed 's/^/F:/' || true
} | awk '
  function floor(folder) {
    if (folder == "platform") return 0
    if (folder == "core" || folder == "menus") return 1
    if (folder == "conversions" || folder == "documents" || folder == "editor") return 2
    if (folder == "projects" || folder == "publish" || folder == "tags" || folder == "search" ||
        folder == "design") return 3
    if (folder == "app") return 4
    return 9
  }
  {
    kind = substr($0, 1, 1)
    rest = substr($0, 3)
    split(rest, part, ":")
    file = part[1]; sub(/^\.\//, "", file); line = part[2]
    n = split(file, path, "/")
    folder = (n > 1) ? path[1] : ""
    own = (n > 1) ? floor(folder) : 5
    if (kind == "F") { print file ":" line " looks a widget up by name (findChild)"; breaches++; next }
    included = rest; sub(/^[^"]*"/, "", included); sub(/"$/, "", included)
    split(included, target, "/")
    if (floor(target[1]) > own) { print file ":" line " reaches up to " included; breaches++ }
    else if (own == 3 && floor(target[1]) == 3 && target[1] != folder) {
      print file ":" line " reaches sideways to " included; breaches++
    }
    if (included ~ /\/frmh\.h$/ && folder != "app" && file != "main.cpp") {
      print file ":" line " knows the main window (" included ")"; breaches++
    }
  }
  END {
    if (breaches > 0) { print "floors: " breaches " breach(es)"; exit 1 }
    print "floors: kept"
  }'
