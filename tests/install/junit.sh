# Sourced by the shell-driven tests: runs their checks one by one and writes
# the results as a GoogleTest-style XML report, which scripts/test-summary.sh
# counts with the others.
#   junit_begin SUITE REPORT
#   check NAME FUNCTION [ARGS...]   FUNCTION fails by returning non-zero; what
#                                   it printed is the failure's message
#   skip NAME REASON                a check that cannot run here, and why
#   junit_end                       writes REPORT; fails when a check failed

junit_begin() {
    junit_suite=$1 junit_report=$2
    junit_cases="" junit_count=0 junit_failures=0 junit_skipped=0
    junit_started=$(date +%s.%N)
    junit_output=$(mktemp)
}

junit_escape() {
    local s=$1
    s=${s//&/&amp;}; s=${s//</&lt;}; s=${s//>/&gt;}; s=${s//\"/&quot;}
    printf '%s' "$s"
}

check() {
    local name=$1 start end message
    shift
    start=$(date +%s.%N)
    if "$@" >"$junit_output" 2>&1; then
        message=""
    else
        message=$(cat "$junit_output")
        [ -n "$message" ] || message="$1 failed"
    fi
    end=$(date +%s.%N)
    local seconds
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    junit_count=$((junit_count + 1))
    junit_cases+="    <testcase name=\"$name\" status=\"run\" result=\"completed\" time=\"$seconds\" classname=\"$junit_suite\""
    if [ -z "$message" ]; then
        echo "[       OK ] $junit_suite.$name (${seconds} s)"
        junit_cases+=" />"$'\n'
    else
        junit_failures=$((junit_failures + 1))
        echo "[  FAILED  ] $junit_suite.$name (${seconds} s)"
        sed 's/^/    /' <<<"$message"
        junit_cases+=">"$'\n'"      <failure message=\"$(junit_escape "${message%%$'\n'*}")\" type=\"\">"
        junit_cases+="$(junit_escape "$message")</failure>"$'\n'"    </testcase>"$'\n'
    fi
}

skip() {
    local name=$1 reason="skipped: $2"
    junit_count=$((junit_count + 1)) junit_skipped=$((junit_skipped + 1))
    echo "[ SKIPPED  ] $junit_suite.$name: $reason"
    junit_cases+="    <testcase name=\"$name\" status=\"run\" result=\"skipped\" time=\"0\" classname=\"$junit_suite\">"$'\n'
    junit_cases+="      <skipped message=\"$(junit_escape "$reason")\" />"$'\n'"    </testcase>"$'\n'
}

junit_end() {
    local seconds
    seconds=$(awk -v a="$junit_started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
    rm -f "$junit_output"
    mkdir -p "$(dirname "$junit_report")"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo "<testsuites tests=\"$junit_count\" failures=\"$junit_failures\" disabled=\"0\" errors=\"0\" time=\"$seconds\" name=\"AllTests\">"
        echo "  <testsuite name=\"$junit_suite\" tests=\"$junit_count\" failures=\"$junit_failures\" disabled=\"0\" skipped=\"$junit_skipped\" errors=\"0\" time=\"$seconds\">"
        printf '%s' "$junit_cases"
        echo "  </testsuite>"
        echo "</testsuites>"
    } >"$junit_report"
    echo "$junit_suite: $junit_count checks, $junit_failures failed, $junit_skipped skipped, ${seconds} s"
    [ "$junit_failures" -eq 0 ]
}
