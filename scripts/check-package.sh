#!/usr/bin/env bash
# Checks a built orvik-console package: lintian finds no error in it; unpacked into a scratch
# root (dpkg -x), its orvik-cli and orvik-sim answer --help, its programs find every library,
# each manual page renders without a warning and its completion loads.
#
# usage: scripts/check-package.sh orvik-console_VERSION_ARCH.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
    echo "check-package: $*" >&2
    exit 1
}

dpkg-deb --field "$deb" Package Version Depends
lintian --fail-on error "$deb" || fail "lintian found errors"

dpkg -x "$deb" "$root"
for program in orvik-cli orvik-sim; do
    usage=$("$root/usr/bin/$program" --help) || fail "the installed $program --help failed"
    [[ $usage == Usage:* ]] || fail "the installed $program --help prints no usage"
done
for program in orvik-cli orvik-sim orvik-console; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is missing"
    if ldd "$root/usr/bin/$program" | grep 'not found'; then
        fail "$program lacks libraries"
    fi
done

pages=0
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    pages=$((pages + 1))
done
[ "$pages" -eq 3 ] || fail "$pages manual pages instead of 3"

for program in orvik-cli orvik-sim; do
    bash -c 'source "$1" && complete -p "$2" >/dev/null' check \
        "$root/usr/share/bash-completion/completions/$program" "$program" ||
        fail "the completion of $program does not load"
done
echo "check-package: $(basename "$deb") is sound"
