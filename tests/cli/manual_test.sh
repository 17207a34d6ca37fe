#!/usr/bin/env bash
# The manual page and the bash completion beside the built tallyvane: the
# page renders without a warning, has its sections and names every command
# and option --help lists; the completion, sourced in a bare bash with the
# built program first on PATH, completes a table of command lines.
#   manual_test.sh BINARY REPORT
set -uo pipefail
binary=$1 report=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"
page=$root/cli/tallyvane.1
completion=$root/cli/tallyvane.bash-completion

# The page as man shows it, 80 columns, tabs expanded.
rendered() { MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null | expand; }

# The words of the tag lines (indented 7) of the page's section $1, one a line.
tag_words() {
    rendered | awk -v section="$1" '
        /^[A-Z]/ { inside = ($0 == section); next }
        inside && /^       [^ ]/ { n = split($0, w, /[ ,|]+/); for (i = 1; i <= n; i++) if (w[i] != "") print w[i] }'
}

page_renders_cleanly() {
    command -v man >/dev/null || { echo "man is missing (packages man-db, groff-base: scripts/setup.sh)"; return 1; }
    local warnings text section status=0
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "man warns:"; echo "$warnings"; status=1; }
    text=$(rendered)
    for section in NAME SYNOPSIS DESCRIPTION COMMANDS OPTIONS 'INPUT FORMS' BATCH 'EXIT STATUS' FILES EXAMPLES 'SEE ALSO'; do
        grep -qx "$section" <<<"$text" || { echo "no section $section"; status=1; }
    done
    return $status
}

page_covers_the_help() {
    local help commands options name tags status=0
    help=$("$binary" --help) || { echo "tallyvane --help failed"; return 1; }
    # Commands start the lines indented 2 ("perm N K | comb N K | fact N" names three).
    commands=$(awk '/^  [a-z]/ { sub(/\[.*/, ""); n = split($0, part, "|")
                                 for (i = 1; i <= n; i++) { split(part[i], w, " "); print w[1] } }' <<<"$help")
    options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
    [ -n "$commands" ] && [ -n "$options" ] || { echo "found no commands or options in --help:"; echo "$help"; return 1; }
    tags=$(tag_words COMMANDS)
    for name in $commands; do
        grep -qx -- "$name" <<<"$tags" || { echo "COMMANDS does not name $name"; status=1; }
    done
    tags=$(tag_words OPTIONS)
    for name in $options; do
        grep -qx -- "$name" <<<"$tags" || { echo "OPTIONS does not name $name"; status=1; }
    done
    return $status
}

# What Tab offers after the words "$@" (the last one being typed), sorted,
# on one line: the completion sourced in a bash without start-up files, the
# function called with the arguments bash gives it.
completions() {
    PATH="$(dirname "$binary"):$PATH" bash --norc --noprofile -c '
        source "$1" && shift
        COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
        cur=${COMP_WORDS[COMP_CWORD]} quotes="\"'\''"
        cur=${cur#["$quotes"]}
        _tallyvane tallyvane "$cur" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@" | LC_ALL=C sort | paste -sd ' '
}

completion_table() {
    local status=0
    expect() {
        local want=$1 got
        shift
        got=$(completions tallyvane "$@")
        [ "$got" = "$want" ] || { echo "tallyvane $* <Tab> gave '$got', not '$want'"; status=1; }
    }
    expect 'convert' con
    expect '--decimals' convert --dec
    expect '--from --group --help' base 1 --
    expect 'shortest' convert 1 m --decimals s
    expect 'bin dec hex oct' base ff --from ''
    expect 'hex' base ff --from = h
    expect 'Length' units Le
    expect 'gal\ \(UK\)' convert 1 'gal\ \(U'
    expect 'gal (UK)' convert 1 '"gal (U'
    expect 'm mi mm' convert 1 km --category = Length m
    expect '' convert - m
    return $status
}

junit_begin Manual "$report"
check PageRendersCleanly page_renders_cleanly
check PageCoversTheHelp page_covers_the_help
check CompletionTable completion_table
junit_end
