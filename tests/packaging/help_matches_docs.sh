#!/usr/bin/env bash
# Checks that `orvik-cli --help` and `orvik-sim --help` agree with the manual page sources and
# the bash completion, both ways: every verb, option, profile and control line of a program's
# help appears in its manual page, and nothing the manual page lists as one is missing from the
# help; the completion offers exactly the help's verbs, options and profiles, the COM names of
# `orvik-cli ports`, and files for print-receipt.
#
# usage: help_matches_docs.sh ORVIK_CLI ORVIK_SIM SOURCE_DIR
set -uo pipefail
cli=$1
sim=$2
src=$3
man_dir=$src/packaging/man
completion_dir=$src/packaging/completion
failures=0

# Compares two newline-separated sets; prints what each lacks.
same_set() {
    local what=$1 left_name=$2 left=$3 right_name=$4 right=$5 missing
    missing=$(comm -23 <(sort -u <<<"$left" | sed '/^$/d') <(sort -u <<<"$right" | sed '/^$/d'))
    if [ -n "$missing" ]; then
        echo "FAIL: $what in $left_name but not in $right_name:" $missing
        failures=$((failures + 1))
    fi
    missing=$(comm -13 <(sort -u <<<"$left" | sed '/^$/d') <(sort -u <<<"$right" | sed '/^$/d'))
    if [ -n "$missing" ]; then
        echo "FAIL: $what in $right_name but not in $left_name:" $missing
        failures=$((failures + 1))
    fi
}

# Every --option named anywhere in a text.
options_in() { grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$1" | sort -u; }
# A manual page source without its comments.
man_text() { sed '/<!--/,/-->/d' "$1"; }
# Every bold **--option** of a manual page source.
man_options() { man_text "$1" | grep -oE -- '\*\*--[a-z0-9][a-z0-9-]*' | sed 's/^\*\*//' | sort -u; }
# The first word of each definition term at the start of a line in one section (# HEADING) of
# a manual page source, subsections included.
man_terms() {
    awk -v heading="# $2" '
        /^# / { inside = ($0 == heading) }
        inside && /^\*\*[a-z0-9]/ { sub(/^\*\*/, ""); sub(/[* ].*/, ""); print }' \
        <(man_text "$1") | sort -u
}
# The first word of each line indented by exactly two spaces, from the line matching $2 to the
# line matching $3.
help_terms() {
    awk -v from="$2" -v to="$3" '
        $0 ~ from { inside = 1; next }
        inside && $0 ~ to { exit }
        inside && /^  [a-z0-9]/ { print $1 }' <<<"$1" | sort -u
}

# Runs a completion function on a command line whose last word is being completed; prints one
# candidate per line.
complete_line() {
    local script=$1 function=$2
    shift 2
    bash -c '
        source "$1"
        function=$2
        shift 2
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        "$function"
        printf "%s\n" "${COMPREPLY[@]}"' complete_line "$script" "$function" "$@"
}

cli_help=$("$cli" --help) || { echo "FAIL: orvik-cli --help failed"; exit 1; }
sim_help=$("$sim" --help) || { echo "FAIL: orvik-sim --help failed"; exit 1; }

# orvik-cli: the manual page.
cli_verbs=$(help_terms "$cli_help" '^Verbs:' '^Options:')
[ -n "$cli_verbs" ] || { echo "FAIL: no verbs found in orvik-cli --help"; exit 1; }
cli_options=$(options_in "$cli_help")
cli_man=$man_dir/orvik-cli.1.md
same_set "verbs" "orvik-cli --help" "$cli_verbs" "$cli_man" "$(man_terms "$cli_man" VERBS)"
same_set "options" "orvik-cli --help" "$cli_options" "$cli_man" "$(man_options "$cli_man")"

# orvik-cli: the completion, verbs and options (global ones and each verb's own).
cli_completion=$completion_dir/orvik-cli
same_set "verbs" "orvik-cli --help" "$cli_verbs" "the completion" \
    "$(complete_line "$cli_completion" _orvik_cli orvik-cli '')"
completed_options=$(complete_line "$cli_completion" _orvik_cli orvik-cli -)
for verb in $cli_verbs; do
    completed_options+=$'\n'$(complete_line "$cli_completion" _orvik_cli orvik-cli --port COM1 \
        "$verb" -)
done
same_set "options" "orvik-cli --help" "$cli_options" "the completion" "$completed_options"

# orvik-cli: --port completes what `orvik-cli ports` lists, found through the program typed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORVIK_PORTS_DIR=$work/ports
mkdir -m 0700 "$ORVIK_PORTS_DIR"
ln -s /dev/tty "$ORVIK_PORTS_DIR/COM17"
# A register's name with blanks completes as one word, its blanks escaped.
export ORVIK_REGISTERS=$work/registers.conf
printf '[Магазин на Садовой]\naddress = rfc2217://127.0.0.1:7001\n' >"$ORVIK_REGISTERS"
listed=$("$cli" ports)
grep -qx COM17 <<<"$listed" || { echo "FAIL: orvik-cli ports does not list COM17"; exit 1; }
same_set "ports" "orvik-cli ports" "$(sed 's/ /\\ /g' <<<"$listed")" "the completion of --port" \
    "$(complete_line "$cli_completion" _orvik_cli "$cli" --port '')"
same_set "ports starting COM1" "orvik-cli ports" "$(grep '^COM1' <<<"$listed")" \
    "the completion of --port COM1" \
    "$(complete_line "$cli_completion" _orvik_cli "$cli" --port COM1)"

# orvik-cli: the verbs that read a file complete file names, and print-receipt its options'
# values.
touch "$work/lunch.check" "$work/lunch.txt" "$work/other.check"
for verb in print-receipt set-logo set-footer-lines apply-profile read-profile; do
    same_set "files" "the folder" "$work/lunch.check"$'\n'"$work/lunch.txt" \
        "the completion of $verb" \
        "$(complete_line "$cli_completion" _orvik_cli orvik-cli --port COM1 "$verb" "$work/lun")"
done
same_set "barcode types" "orvik-cli --help" "A"$'\n'"B"$'\n'"C" "the completion" \
    "$(complete_line "$cli_completion" _orvik_cli orvik-cli --port COM1 print-receipt \
        "$work/lunch.check" --barcode-type '')"

# orvik-sim: the manual page.
sim_options=$(options_in "$sim_help")
sim_profiles=$(help_terms "$sim_help" '^Profiles' '^The last one')
[ -n "$sim_profiles" ] || { echo "FAIL: no profiles found in orvik-sim --help"; exit 1; }
sim_controls=$(help_terms "$sim_help" '^Control lines' '^$')
[ -n "$sim_controls" ] || { echo "FAIL: no control lines found in orvik-sim --help"; exit 1; }
sim_man=$man_dir/orvik-sim.1.md
same_set "options" "orvik-sim --help" "$sim_options" "$sim_man" "$(man_options "$sim_man")"
same_set "profiles" "orvik-sim --help" "$sim_profiles" "$sim_man" \
    "$(man_terms "$sim_man" PROFILES)"
same_set "control lines" "orvik-sim --help" "$sim_controls" "$sim_man" \
    "$(man_terms "$sim_man" 'CONTROL LINES')"

# orvik-sim: the completion, options once each and profiles in both forms.
sim_completion=$completion_dir/orvik-sim
same_set "options" "orvik-sim --help" "$sim_options" "the completion" \
    "$(complete_line "$sim_completion" _orvik_sim orvik-sim '')"
same_set "options" "orvik-sim --help less --port" "$(grep -vx -- --port <<<"$sim_options")" \
    "the completion after --port COM1" \
    "$(complete_line "$sim_completion" _orvik_sim orvik-sim --port COM1 '')"
same_set "profiles" "orvik-sim --help" "$sim_profiles" "the completion of --profile" \
    "$(complete_line "$sim_completion" _orvik_sim orvik-sim --profile '')"
same_set "profiles starting f1" "orvik-sim --help" "$(grep '^f1' <<<"$sim_profiles")" \
    "the completion of --profile=f1" \
    "$(complete_line "$sim_completion" _orvik_sim orvik-sim --profile = f1)"

if [ "$failures" -ne 0 ]; then
    echo "$failures mismatches: add the verb or option to --help, packaging/man and" \
        "packaging/completion alike"
    exit 1
fi
echo "orvik-cli and orvik-sim: --help, manual pages and completion agree"
