#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes NEWS.md as a Debian changelog, the form the package carries in
# /usr/share/doc/radioprog/changelog.gz. NEWS.md's releases are headed
# "## VERSION (YYYY-MM-DD)"; under one, "### Heading" starts a group, "- " an
# item (indented lines continue it) and any other line a paragraph. A group
# becomes a "  * Heading:" entry with its items as "    - " lines; items and
# paragraphs outside a group become "  * " entries; every entry is wrapped
# within 79 columns.
#
#   changelog-from-news.sh NEWS.md PACKAGE "NAME <ADDRESS>" > changelog
set -euo pipefail
(($# == 3)) || { echo "usage: changelog-from-news.sh NEWS.md PACKAGE 'NAME <ADDRESS>'" >&2; exit 2; }
news=$1 package=$2 maintainer=$3

# Each release's date in the changelog's form: "Mon, 07 Dec 2026 00:00:00 +0000".
# Releases of one day take its hours in their order (the first 00:00, the next
# 01:00, ...): every entry must be newer than the one before it.
dates=$(sed -n 's/^## [^ ]* (\([0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\))[[:space:]]*$/\1/p' "$news")
[[ -n $dates ]] || { echo "changelog-from-news: $news has no release heading '## VERSION (YYYY-MM-DD)'" >&2; exit 1; }
stamps=$(tac <<<"$dates" | awk '{ print $0, seen[$0]++ }' |
  while read -r day hour; do LC_ALL=C date -u -R -d "$day $hour:00" || exit 1; done | tac)

LC_ALL=C awk -v package="$package" -v maintainer="$maintainer" -v stamps="$stamps" '
  function fail(message) { print "changelog-from-news: line " NR ": " message > "/dev/stderr"; failed = 1; exit 1 }
  # Prints the pending entry: its first line after lead, the others after indent.
  function flush(   n, words, i, line) {
    if (entry == "") return
    n = split(entry, words, " ")
    line = lead
    for (i = 1; i <= n; i++) {
      if (line != lead && length(line) + 1 + length(words[i]) > 79) { print line; line = indent }
      line = line (line == lead || line == indent ? "" : " ") words[i]
    }
    print line
    entry = ""
  }
  function start(text, first, rest, what) { flush(); entry = text; lead = first; indent = rest; kind = what }
  function close_release() {
    if (!releases) return
    flush()
    print ""
    print " -- " maintainer "  " stamp[releases]
  }
  BEGIN { split(stamps, stamp, "\n") }
  /^## / {
    close_release()
    if ($0 !~ /^## [0-9][0-9A-Za-z.+~]* \([0-9-]+\)[ \t]*$/) fail("a release heading is \"## VERSION (YYYY-MM-DD)\"")
    if (releases) print ""
    releases++
    print package " (" $2 ") unstable; urgency=medium"
    print ""
    group = 0
    next
  }
  !releases { next }
  /^### / { start(substr($0, 5) ":", "  * ", "    ", "group"); group = 1; next }
  /^- / {
    if (group) start(substr($0, 3), "    - ", "      ", "item")
    else start(substr($0, 3), "  * ", "    ", "item")
    next
  }
  /^[ \t]*$/ { flush(); kind = ""; next }
  /^[ \t]/ { if (entry == "") fail("an indented line continues no item"); entry = entry " " $0; next }
  # A paragraph: its lines join into one entry outside any group.
  kind == "para" { entry = entry " " $0; next }
  { start($0, "  * ", "    ", "para"); group = 0 }
  END { if (!failed) close_release() }
' "$news"
