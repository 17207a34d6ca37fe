#!/usr/bin/env bash
# Sums the GoogleTest XML reports in the given folders into one closing line.
# Fails when a suite left no report (it crashed or never ran).
passed=0 failed=0 skipped=0 status=0
for dir in "$@"; do
    reports=("$dir"/*.xml)
    if [ ! -e "${reports[0]}" ]; then echo "no test report in $dir" >&2; status=1; continue; fi
    for f in "${reports[@]}"; do
        line=$(grep -m1 '<testsuites ' "$f")
        t=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$line")
        fl=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$line")
        d=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$line")
        e=$(sed -n 's/.* errors="\([0-9]*\)".*/\1/p' <<<"$line")
        s=$(grep -c '<skipped' "$f")
        echo "$(basename "$f" .xml): $((t - d - s)) run, ${fl:-0} failed"
        passed=$((passed + t - d - s - fl - e)); failed=$((failed + fl + e)); skipped=$((skipped + s))
    done
done
[ "$failed" -eq 0 ] || status=1
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status
