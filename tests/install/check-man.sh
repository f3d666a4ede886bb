#!/usr/bin/env bash
# Renders each manual page with man and fails on any warning from the
# formatter, or on a page without its NAME and SYNOPSIS.
#   check-man.sh PAGE.1...
set -uo pipefail
failures=0
for page in "$@"; do
  if ! text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"${TMPDIR:-/tmp}/man-warnings.$$"); then
    echo "FAIL: man could not render $page"; failures=$((failures + 1)); continue
  fi
  if [ -s "${TMPDIR:-/tmp}/man-warnings.$$" ]; then
    echo "FAIL: $page:"; cat "${TMPDIR:-/tmp}/man-warnings.$$"; failures=$((failures + 1))
  fi
  for section in NAME SYNOPSIS DESCRIPTION; do
    grep -q "^$section" <<<"$text" || { echo "FAIL: $page has no $section"; failures=$((failures + 1)); }
  done
done
rm -f "${TMPDIR:-/tmp}/man-warnings.$$"
[ "$failures" -eq 0 ] && echo "The manual pages render cleanly."
exit "$failures"
