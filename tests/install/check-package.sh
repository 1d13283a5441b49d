#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and checks what a distribution
# looks at: lintian finds no error and at most two warnings; the control fields,
# the licence, the changelog, the menu entry and the AppStream file are right;
# and every place that states a version states the project's.
# Usage: check-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/radioprog_"$version"_*.deb)
[[ -f ${debs[0]} ]] || fail "no radioprog_${version}_*.deb: $(ls "$work/out")"
deb=${debs[0]}

# lintian, with its reasons shown for whatever it reports.
report=$(lintian --info --tag-display-limit 0 "$deb" 2>&1) || true
echo "$report"
grep -q '^E: ' <<<"$report" && fail "lintian reports errors"
warnings=$(grep -c '^W: ' <<<"$report" || true)
((warnings <= 2)) || fail "lintian reports $warnings warnings"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Version) == "$version" ]] || fail "package version $(field Version)"
[[ $(field Section) == hamradio ]] || fail "section $(field Section)"
maintainer=$(field Maintainer)
[[ $maintainer == *"<"*"@"*">" && $maintainer != *localhost* ]] || fail "maintainer '$maintainer'"
depends=$(field Depends)
for needed in libqt6core6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

root=$work/root
dpkg-deb --extract "$deb" "$root"
doc=$root/usr/share/doc/radioprog
grep -q '^License: GPL-3+' "$doc/copyright" || fail "copyright names no GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3' "$doc/copyright" || fail "copyright does not point to the licence text"
zcat "$doc/changelog.gz" >"$work/changelog"
[[ $(dpkg-parsechangelog -l "$work/changelog" -S Version) == "$version" ]] || fail "changelog's newest entry"

desktop-file-validate "$root/usr/share/applications/org.radioprog.radioprog.desktop"
metainfo=$root/usr/share/metainfo/org.radioprog.radioprog.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" || fail "metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "metainfo names no licence"
release=$(grep -o '<release [^>]*>' "$metainfo" | head -n 1)
[[ $release == *"version=\"$version\""* && $release =~ date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\" ]] ||
  fail "newest AppStream release: $release"
[[ $release == *"date=\"$(date -u +%F -d "$(dpkg-parsechangelog -l "$work/changelog" -S Date)")\""* ]] ||
  fail "AppStream and changelog dates differ: $release"

# The programs as packaged say the package's version.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
[[ $("$root/usr/bin/radioprog-cli" --version) == "radioprog-cli $version" ]] || fail "radioprog-cli --version"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/radioprog" --version) == "radioprog $version" ]] ||
  fail "radioprog --version"
echo "check-package: ok ($(basename "$deb"), $warnings lintian warnings)"
