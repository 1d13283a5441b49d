#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/install-deps.sh runs a package manager only when a package is missing.
# It runs against stand-ins for dpkg-query, apt-get, sudo and id that log every
# call, then once for real in check mode: on a machine where `make test` has just
# installed everything, nothing may be missing.
# Usage: check-install-deps.sh SOURCE_DIR
set -euo pipefail
script=$1/scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install-deps: $*" >&2; exit 1; }

fake=$work/bin
mkdir -p "$fake"
# dpkg-query answers for every package asked about, except those in $ABSENT, which
# it does not know, and those in $REMOVED, whose files were removed.
cat >"$fake/dpkg-query" <<'EOF'
#!/usr/bin/env bash
echo "dpkg-query $*" >>"$LOG"
for p in "${@:3}"; do
  if [[ " $ABSENT " == *" $p "* ]]; then echo "dpkg-query: no packages found matching $p" >&2
  elif [[ " $REMOVED " == *" $p "* ]]; then echo "$p deinstall ok config-files"
  else echo "$p install ok installed"; fi
done
EOF
for tool in apt-get sudo; do
  printf '#!/usr/bin/env bash\necho "%s $*" >>"$LOG"\n' "$tool" >"$fake/$tool"
done
printf '#!/usr/bin/env bash\necho "$FAKE_UID"\n' >"$fake/id"
chmod +x "$fake"/*

# run UID ARGS...: the script with the stand-ins; its output in $out, status in $rc.
run() {
  : >"$work/log"
  rc=0
  out=$(FAKE_UID=$1 LOG=$work/log PATH=$fake:$PATH bash "$script" "${@:2}" 2>&1) || rc=$?
}
called() { grep -q "^$1 " "$work/log"; }

export ABSENT="" REMOVED=""
run 1000
[[ $rc == 0 ]] || fail "everything installed: exit $rc ($out)"
! called apt-get && ! called sudo || fail "everything installed, yet: $(cat "$work/log")"

export ABSENT="lintian" REMOVED="xvfb"
run 1000 --check
[[ $rc == 1 && $out == *"missing xvfb lintian"* ]] || fail "check mode: exit $rc ($out)"
! called apt-get && ! called sudo || fail "check mode ran: $(cat "$work/log")"

run 1000
grep -q '^sudo apt-get install .* xvfb lintian$' "$work/log" || fail "a user's install: $(cat "$work/log")"
run 0
grep -q '^apt-get install .* xvfb lintian$' "$work/log" && ! called sudo || fail "root's install: $(cat "$work/log")"

run 0 --install-everything
[[ $rc == 2 ]] && ! called apt-get || fail "an unknown argument: exit $rc"

# This machine, for real.
bash "$script" --check || fail "packages are missing (run scripts/install-deps.sh)"
echo "check-install-deps: ok"
