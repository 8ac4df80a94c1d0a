#!/usr/bin/env bash
# Renders each manual page the build made with man -l and fails on any warning of groff or man
# (a Markdown slip that pandoc turned into bad roff shows here before the package is made).
#
# usage: manual_pages_render.sh MAN_DIR
set -uo pipefail
pages=0
for page in "$1"/*.1; do
    [ -e "$page" ] || break
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "FAIL: $(basename "$page"): $warnings"
        exit 1
    fi
    pages=$((pages + 1))
done
[ "$pages" -gt 0 ] || { echo "FAIL: no manual pages in $1"; exit 1; }
echo "$pages manual pages render without warnings"
