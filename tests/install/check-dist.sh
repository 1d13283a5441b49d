#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make dist` writes radioprog-VERSION.tar.gz of the committed tree, and that
# tarball, unpacked where no git checkout is, passes the format check and
# configures and builds the core library. Skipped (exit 77) outside a git
# checkout, where there is nothing to archive.
# Usage: check-dist.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1 version=$2
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-dist: $*" >&2; exit 1; }

make -s -C "$source_dir" dist DIST_DIR="$work" >/dev/null
tarball=$work/radioprog-$version.tar.gz
[[ -f $tarball ]] || fail "no radioprog-$version.tar.gz"
names=$(tar -tzf "$tarball")
for f in LICENSE NEWS.md README.md CMakeLists.txt Makefile scripts/install-deps.sh; do
  grep -qx "radioprog-$version/$f" <<<"$names" || fail "the tarball lacks $f"
done
grep -v "^radioprog-$version/" <<<"$names" && fail "files outside radioprog-$version/"
grep -E "^radioprog-$version/(\.git/|build)" <<<"$names" && fail "a checkout's or a build's files"

mkdir "$work/unpacked"
tar -xzf "$tarball" -C "$work/unpacked"
tree=$work/unpacked/radioprog-$version
make -s -C "$tree" check-format
# The core alone, unoptimised for speed; without debug information ccache finds the
# objects of earlier runs whatever the temporary folder is called.
export CCACHE_BASEDIR=$work
cmake -S "$tree" -B "$tree/build" -G Ninja -DRADIOPROG_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE=-O0 >/dev/null
cmake --build "$tree/build" -j 2 >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "the core does not build"; }
echo "check-dist: ok ($(du -h "$tarball" | cut -f1) tarball, core built)"
