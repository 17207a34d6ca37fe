#!/usr/bin/env bash
# The fuzz targets of tests/fuzz (see targets.txt), built with clang in a
# tree of their own.
#   fuzz.sh build BUILD            configures and builds BUILD
#   fuzz.sh run BUILD SECONDS      runs each target for SECONDS from its
#                                  committed corpus, FUZZ_JOBS at a time (default
#                                  1), new inputs kept under BUILD/scratch; fails
#                                  on any finding, which is left in BUILD/findings
#   fuzz.sh replay BUILD REPORT    runs each target once over its committed
#                                  corpus; REPORT is a GoogleTest-style XML report
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:?command}
build=${2:?build folder}
mkdir -p "$build"
build=$(cd "$build" && pwd)

targets() { grep -v '^#' "$root/tests/fuzz/targets.txt" | grep -v '^$'; }

# Configured once: the build itself configures again when a CMakeLists.txt changes.
build_targets() {
    { [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DTV_FUZZ=ON -DCMAKE_BUILD_TYPE= \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null; } &&
        cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1 ||
        { cat "$build/build.log" >&2; echo "fuzz: the build failed" >&2; return 1; }
}

# One target for $seconds: prints its executions and findings, fails on a finding.
run_target() {
    local name=$1 max_len=$2 seconds=$3
    local scratch=$build/scratch/$name findings=$build/findings/$name log=$build/logs/$name.log
    rm -rf "$findings"
    mkdir -p "$scratch" "$findings" "$build/logs"
    # A finding ends the run; the exit status alone is not trusted.
    nice -n 19 "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len="$max_len" \
        -rss_limit_mb=2048 -malloc_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$scratch" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1
    local status=$?
    local runs found
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    found=$(find "$findings" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    [ "$status" -eq 0 ] || [ "$found" -gt 0 ] || found=1  # it stopped without saying why
    printf '%-18s %12s executions  %d findings\n' "$name" "${runs:-?}" "$found"
    if [ "$found" -gt 0 ]; then
        grep -m1 -E 'ERROR|check failed|runtime error' "$log" | sed 's/^/    /'
        echo "    log: $log; inputs: $findings"
        return 1
    fi
}

# One target once over each file of its committed corpus.
replay_target() {
    local name=$1 corpus=$root/tests/fuzz/corpus/$1 out
    local files=("$corpus"/*)
    [ -e "${files[0]}" ] || { echo "no corpus in $corpus"; return 1; }
    out=$("$build/tests/fuzz/${name}_fuzz" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 "${files[@]}" 2>&1) ||
        { grep -E 'Running:|ERROR|check failed|runtime error|SUMMARY' <<<"$out" | tail -8; return 1; }
}

case $command in
    build) build_targets ;;
    run)
        seconds=${3:?seconds}
        build_targets || exit 1
        export -f run_target
        export build root
        targets | xargs -P "${FUZZ_JOBS:-1}" -L 1 bash -c 'run_target "$0" "$1" '"$seconds"
        status=$?
        [ "$status" -eq 0 ] || echo "fuzz: findings (see above)" >&2
        exit "$status"
        ;;
    replay)
        report=${3:?report}
        . "$root/tests/install/junit.sh"
        build_targets || exit 1
        # Every target at once, one process over its whole corpus; then each result in turn.
        mkdir -p "$build/replay"
        export -f replay_target
        export build root
        targets | cut -d' ' -f1 | xargs -P "$(nproc)" -I{} bash -c \
            'replay_target {} >"$build/replay/{}.log" 2>&1; echo $? >"$build/replay/{}.status"'
        replayed() { cat "$build/replay/$1.log"; return "$(cat "$build/replay/$1.status")"; }
        junit_begin FuzzCorpus "$report"
        while read -r name _; do check "$name" replayed "$name"; done < <(targets)
        junit_end
        ;;
    *) echo "fuzz.sh: unknown command $command" >&2; exit 2 ;;
esac
