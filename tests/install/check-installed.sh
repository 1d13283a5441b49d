#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix, makes the prefix read-only, and checks
# what a user meets: the files are in place and valid, the installed tool and the
# installed application work from another folder with an empty home folder, and
# the application starts again after the user's Program.ini is deleted.
# Usage: check-installed.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
prefix=$work/prefix
cleanup() { chmod -R u+w "$work"; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "check-installed: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in bin/radioprog bin/radioprog-cli libexec/radioprog/radioprog-cli-whole share/radioprog/Program.ini share/radioprog/English.qm \
  share/radioprog/Chinese.qm share/radioprog/help/en/index.html share/radioprog/help/zh/index.html \
  share/applications/org.radioprog.radioprog.desktop share/metainfo/org.radioprog.radioprog.metainfo.xml \
  share/icons/hicolor/48x48/apps/radioprog.png share/icons/hicolor/scalable/apps/radioprog.svg \
  share/man/man1/radioprog.1.gz share/man/man1/radioprog-cli.1.gz share/bash-completion/completions/radioprog-cli \
  share/doc/radioprog/copyright share/doc/radioprog/changelog.gz; do
  [[ -e $prefix/$f ]] || fail "missing $f"
done

desktop-file-validate "$share/applications/org.radioprog.radioprog.desktop"
appstreamcli validate --pedantic --no-net "$share/metainfo/org.radioprog.radioprog.metainfo.xml" >/dev/null ||
  { appstreamcli validate --pedantic --no-net "$share/metainfo/org.radioprog.radioprog.metainfo.xml"; fail "metainfo"; }
for page in radioprog radioprog-cli; do
  warnings=$(zcat "$share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [[ -z $warnings ]] || fail "$page.1: $warnings"
done
grep -q '^\.SS set' <<<"$(zcat "$share/man/man1/radioprog-cli.1.gz")" || fail "radioprog-cli.1 lacks the commands"

# The completion offers commands, options and get/set keys.
completion=$share/bash-completion/completions/radioprog-cli
bash -n "$completion"
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _radioprog_cli; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$completion" "$@"
}
# (Each answer is taken whole before grep looks at it: grep -q ending early would
# break the pipe under pipefail.)
offers() {
  local answer
  answer=$(complete_words "${@:2}")
  grep -q -- "$1" <<<"$answer"
}
offers '^set$' radioprog-cli se || fail "completion: commands"
offers '^--port$' radioprog-cli read --p || fail "completion: options"
offers '^optional\.[a-z_]*=$' radioprog-cli set radio.dat optional. || fail "completion: keys"

# The prefix read-only; the programs run from another folder with an empty home.
ini_sum=$(sha256sum "$prefix/share/radioprog/Program.ini")
chmod -R a-w "$prefix"
mkdir -p "$work/home" "$work/elsewhere"
cd "$work/elsewhere"
export HOME=$work/home
unset XDG_CONFIG_HOME
"$prefix/bin/radioprog-cli" new -o doc.dat
table=$("$prefix/bin/radioprog-cli" show doc.dat --all)
grep -q '^Fr' <<<"$table" || fail "show prints no table"
settings=$("$prefix/bin/radioprog-cli" get doc.dat product)
grep -q '^product.model' <<<"$settings" || fail "get product"
# The radio commands are the whole tool's, found from the installed radioprog-cli.
"$prefix/bin/radioprog-cli" --help | grep -q '^  read ' || fail "the whole tool does not answer"

# --help answers without a display.
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/radioprog" --help)
grep -q '^Usage: radioprog' <<<"$usage" || fail "radioprog --help"

if [[ ${RADIOPROG_CHECK_GUI:-1} == 1 ]]; then
  export QT_QPA_PLATFORM=offscreen
  user_ini=$HOME/.config/radioprog/Program.ini
  "$prefix/bin/radioprog" --no-splash --quit-after-start doc.dat || fail "the application did not start"
  grep -q '^Language=English' "$user_ini" || fail "no user Program.ini after the first start"
  rm "$user_ini"
  "$prefix/bin/radioprog" --no-splash --quit-after-start doc.dat || fail "no start without the user's Program.ini"
  : >"$user_ini"
  "$prefix/bin/radioprog" --no-splash --quit-after-start || fail "no start with an empty Program.ini"
  grep -q '^Language=English' "$user_ini" || fail "the empty Program.ini was not completed"
fi
[[ $(sha256sum "$prefix/share/radioprog/Program.ini") == "$ini_sum" ]] || fail "the shipped Program.ini was written"
echo "check-installed: ok"
