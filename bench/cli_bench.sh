#!/usr/bin/env bash
# tallyvane beside Debian's units, measured in the same run: many conversions
# through one process reading standard input, and one conversion as a whole
# process. Each figure is a ratio to units, printed beside its goal.
#   bench/cli_bench.sh TALLYVANE [CONVERSIONS] [CALLS]
set -euo pipefail
tallyvane=$1 conversions=${2:-100000} calls=${3:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same conversions for both, in names both know.
pairs=("ft m" "mile km" "lb kg" "gallon l" "inch cm" "psi Pa" "acre m2")
for ((i = 0; i < conversions; i++)); do
    pair=${pairs[i % ${#pairs[@]}]}
    echo "$((i % 997)).5 $pair"
done >"$work/tallyvane.txt"
awk '{ print $1 " " $2; print $3 }' "$work/tallyvane.txt" >"$work/units.txt"

now() { date +%s%N; }
# The least of three runs of a command, in nanoseconds: the others had company.
least_of_three() {
    local best=0 start took
    for _ in 1 2 3; do
        start=$(now)
        "$@" >/dev/null
        took=$(($(now) - start))
        ((best == 0 || took < best)) && best=$took
    done
    echo "$best"
}

batch() { "$tallyvane" convert - <"$work/tallyvane.txt"; }
units_batch() { units -t <"$work/units.txt"; }
calls_of() { for ((i = 0; i < calls; i++)); do "$@" >/dev/null; done; }

# Both answer every line: a wrong name would time only error messages.
[ "$(batch | grep -c .)" = "$conversions" ] || { echo "cli_bench: tallyvane left lines unanswered" >&2; exit 1; }
[ "$(units_batch | grep -c .)" = "$conversions" ] || { echo "cli_bench: units left lines unanswered" >&2; exit 1; }

ours=$(least_of_three batch)
theirs=$(least_of_three units_batch)
one=$(least_of_three calls_of "$tallyvane" convert 5 ft m)
their_one=$(least_of_three calls_of units -t '5 ft' m)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
ms() { awk -v n="$1" 'BEGIN { printf "%.1f ms", n / 1e6 }'; }
echo "tallyvane convert - ($conversions conversions): $(ms "$ours") against units' $(ms "$theirs"):" \
     "ratio $(ratio "$ours" "$theirs"), goal at most 0.2"
echo "tallyvane convert, one call ($calls calls): $(ms "$one") against units -t's $(ms "$their_one"):" \
     "ratio $(ratio "$one" "$their_one"), goal at most 1.0"
