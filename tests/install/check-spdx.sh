#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/spdx.sh on a small tree: the check lists exactly the files that lack the
# licence identifier, adding puts it where each kind of file needs it, keeps the
# rest of the file and its mode, and a second run changes nothing.
# Usage: check-spdx.sh SOURCE_DIR
set -euo pipefail
script=$1/scripts/spdx.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() { echo "check-spdx: $*" >&2; exit 1; }
tag="SPDX-License-Identifier: GPL-3.0-or-later"

mkdir -p "$tree/src/sub" "$tree/build-x" "$tree/.git"
printf '#include <x>\nint a;\n' >"$tree/src/a.cpp"
: >"$tree/src/sub/empty.h"
printf 'project(x)\n' >"$tree/CMakeLists.txt"
printf 'set(A 1)' >"$tree/src/no-newline.cmake"
printf '#!/bin/sh\necho hi\n' >"$tree/run.sh"
chmod 755 "$tree/run.sh"
printf '#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\n"""Doc."""\n' >"$tree/tool.py"
printf '// %s\nint done;\n' "$tag" >"$tree/src/done.cpp"
printf 'int skipped;\n' >"$tree/build-x/skipped.cpp"
printf 'int skipped;\n' >"$tree/.git/skipped.h"
printf 'not a source\n' >"$tree/notes.txt"

rc=0
listed=$(bash "$script" --check "$tree") || rc=$?
expected=$(printf '%s\n' CMakeLists.txt run.sh src/a.cpp src/no-newline.cmake src/sub/empty.h tool.py | sed "s|^|$tree/|")
[[ $rc == 1 && $listed == "$expected" ]] || fail "check listed (exit $rc):"$'\n'"$listed"

bash "$script" "$tree" >/dev/null
want() { [[ $(cat "$tree/$1") == "$2" ]] || fail "$1 became:"$'\n'"$(cat "$tree/$1")"; }
want src/a.cpp "// $tag"$'\n#include <x>\nint a;'
want src/sub/empty.h "// $tag"
want CMakeLists.txt "# $tag"$'\nproject(x)'
want src/no-newline.cmake "# $tag"$'\nset(A 1)'
want run.sh $'#!/bin/sh\n'"# $tag"$'\necho hi'
want tool.py $'#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\n'"# $tag"$'\n"""Doc."""'
want src/done.cpp "// $tag"$'\nint done;'
want build-x/skipped.cpp 'int skipped;'
want notes.txt 'not a source'
[[ -x $tree/run.sh ]] || fail "run.sh lost its mode"

before=$(cd "$tree" && find . -type f | sort | xargs sha256sum)
bash "$script" "$tree" >/dev/null
[[ $(cd "$tree" && find . -type f | sort | xargs sha256sum) == "$before" ]] || fail "a second run changed files"
bash "$script" --check "$tree" >/dev/null || fail "the check still finds files lacking the identifier"
echo "check-spdx: ok"
