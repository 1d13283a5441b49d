#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence identifier at the top of every source, build and script file:
# .cpp, .h, CMakeLists.txt, .cmake, .sh and .py. It goes on the first line, or
# after the "#!" line of a script (and after a Python coding line that follows
# it). A file that already has it is left as it is, so running again changes
# nothing.
#
#   spdx.sh [PATH...]           adds it (default: the whole source tree)
#   spdx.sh --check [PATH...]   lists the files that lack it; exit 1 when one does
#
# A PATH is a file or a folder; folders named build* and .git are skipped.
set -euo pipefail

readonly tag="SPDX-License-Identifier: GPL-3.0-or-later"

check=0
if [[ ${1:-} == --check ]]; then
  check=1
  shift
elif [[ ${1:-} == -* ]]; then
  echo "usage: spdx.sh [--check] [PATH...]" >&2
  exit 2
fi
(($# > 0)) || set -- "$(cd "$(dirname "$0")/.." && pwd)"

# The files under the paths given, one per line.
list_files() {
  find "$@" \( -type d \( -name 'build*' -o -name .git \) -prune \) -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh' -o -name '*.py' \) \
    -print | LC_ALL=C sort
}

comment_of() {
  case $1 in
    *.cpp | *.h) echo "// $tag" ;;
    *) echo "# $tag" ;;
  esac
}

# Whether the file carries the identifier in its first three lines (the places
# where this script puts it).
has_tag() { head -n 3 -- "$1" | grep -qF -- "$tag"; }

add_tag() {
  local file=$1 tmp
  tmp=$(mktemp "$file.XXXXXX")
  awk -v line="$(comment_of "$file")" '
    NR == 1 && /^#!/ { print; after_shebang = 1; next }
    NR == 2 && after_shebang && /^#.*coding[:=]/ { print; next }
    !done { print line; done = 1 }
    { print }
    END { if (!done) print line }
  ' "$file" >"$tmp"
  chmod --reference="$file" "$tmp"
  mv -- "$tmp" "$file"
}

lacking=0
for path in "$@"; do
  [[ -e $path ]] || { echo "spdx: no such file or folder: $path" >&2; exit 2; }
done
while IFS= read -r file; do
  has_tag "$file" && continue
  if ((check)); then
    echo "$file"
    lacking=1
  else
    add_tag "$file"
    echo "spdx: $file"
  fi
done < <(list_files "$@")
exit $lacking
