#!/usr/bin/env bash
# The built tallyvane run as a script runs it: what reaches standard output,
# standard error and the exit status, and what main.cpp takes from the
# platform (the locale's grouping, the documents folder, UTF-8 arguments).
#   tallyvane_run_test.sh BINARY REPORT [wine]
# With "wine" the Windows program runs under Wine; the Linux-only checks of
# the documents folder and the C locale are left out.
set -uo pipefail
binary=$1 report=$2 runner=${3:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/install/junit.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample=$root/data/sample/CurRates.dat

# Runs the program; its output, status and error text land in $out, $status, $err.
tallyvane() {
    if [ "$runner" = wine ]; then
        out=$(wine "$binary" "$@" 2>"$work/err" | tr -d '\r')
        status=${PIPESTATUS[0]}
    else
        out=$("$binary" "$@" 2>"$work/err")
        status=$?
    fi
    err=$(tr -d '\r' <"$work/err")
}

# The run succeeded with exactly $1 on standard output and nothing else.
answered() {
    [ "$status" = 0 ] || { echo "exit status $status, said: $err"; return 1; }
    [ -z "$err" ] || { echo "standard error: $err"; return 1; }
    [ "$out" = "$1" ] || { echo "printed '$out', not '$1'"; return 1; }
}

prints_the_number_alone() {
    tallyvane convert 100 F C && answered 37.7778 || return 1
    tallyvane base 255 && answered $'255\nFF\n377\n11111111'
}

a_mistake_is_one_line_and_status_2() {
    tallyvane convert 1 km m/s
    [ "$status" = 2 ] || { echo "exit status $status"; return 1; }
    [ -z "$out" ] || { echo "standard output: $out"; return 1; }
    [ "$(wc -l <<<"$err")" = 1 ] && grep -q '^tallyvane: convert: .*Length, Astronomical' <<<"$err" ||
        { echo "standard error: $err"; return 1; }
}

# convert - over a file: the answers in order, a bad line's empty, its reason
# on standard error, status 1.
a_batch_answers_every_line() {
    printf '5 ft m\n# a comment\n1 furlong m\n212 \xC2\xB0F \xC2\xB0C\n' >"$work/lines"
    tallyvane convert - <"$work/lines"
    [ "$status" = 1 ] && [ "$out" = $'1.5240\n\n100.0000' ] &&
        [ "$err" = "tallyvane: line 3: no unit 'furlong' in any category; tallyvane units CATEGORY lists them" ] ||
        { echo "status $status, printed '$out', said '$err'"; return 1; }
}

# Each answer is out before the next line comes: another program can hold a
# conversation with it.
answers_a_line_at_a_time() {
    local answer
    coproc converter { ${runner:+$runner} "$binary" convert - 2>/dev/null; }
    for value in 1 2; do
        echo "$value km m" >&"${converter[1]}"
        IFS= read -r -t 20 answer <&"${converter[0]}" && [ "${answer%$'\r'}" = "${value}000.0000" ] ||
            { echo "no answer to line $value: '$answer'"; return 1; }
    done
    exec {converter[1]}>&-
    wait "$converter_PID"
}

help_succeeds() {
    tallyvane --help
    [ "$status" = 0 ] && [ -z "$err" ] && grep -q '^usage: tallyvane' <<<"$out" ||
        { echo "status $status, printed: $out $err"; return 1; }
}

utf8_unit_names() {
    tallyvane convert 1 "m²" "cm²" && answered 10000.0000 || return 1
    tallyvane units Area
    [ "$(head -n1 <<<"$out")" = "cm²" ] || { echo "the first unit of Area printed as '$(head -n1 <<<"$out")'"; return 1; }
}

rates_named_on_the_command_line() {
    local path=$sample
    [ "$runner" = wine ] && path=$(winepath -w "$sample" 2>/dev/null)
    tallyvane currency 100 EUR USD --rates "$path" && answered 108.98
}

grouping_of_the_locale() {
    # Wine's user locale is English (United States); Linux's C locale does not group.
    LC_ALL=C tallyvane convert 1234567.5 m mm --category Length --group --decimals 2 && answered 1,234,567,500.00
}

grouping_of_a_grouping_locale() {
    LC_ALL=en_US.UTF-8 tallyvane currency 1234.5 EUR EUR --rates "$sample" --group && answered 1,234.50
}

rates_in_xdg_documents_dir() {
    mkdir -p "$work/xdg docs" && cp "$sample" "$work/xdg docs/CurRates.dat"
    XDG_DOCUMENTS_DIR="$work/xdg docs" HOME="$work/nowhere" tallyvane currency 100 EUR USD && answered 108.98
}

rates_in_home_documents() {
    mkdir -p "$work/home/Documents" && cp "$sample" "$work/home/Documents/CurRates.dat"
    (unset XDG_DOCUMENTS_DIR; HOME="$work/home" tallyvane currency 100 EUR USD && answered 108.98) || return 1
    # Without the file the message names where it was looked for.
    (unset XDG_DOCUMENTS_DIR; HOME="$work/empty" tallyvane currency 1 EUR USD
     [ "$status" = 2 ] && grep -qF "$work/empty/Documents/CurRates.dat" <<<"$err") ||
        { echo "a missing default rate file was not named"; return 1; }
}

junit_begin "TallyvaneRun${runner:+Wine}" "$report"
check PrintsTheNumberAlone prints_the_number_alone
check AMistakeIsOneLineAndStatus2 a_mistake_is_one_line_and_status_2
check ABatchAnswersEveryLine a_batch_answers_every_line
check AnswersALineAtATime answers_a_line_at_a_time
check HelpSucceeds help_succeeds
check Utf8UnitNames utf8_unit_names
check RatesNamedOnTheCommandLine rates_named_on_the_command_line
check GroupingOfTheLocale grouping_of_the_locale
if [ "$runner" != wine ]; then
    check GroupingOfAGroupingLocale grouping_of_a_grouping_locale
    check RatesInXdgDocumentsDir rates_in_xdg_documents_dir
    check RatesInHomeDocuments rates_in_home_documents
fi
junit_end
