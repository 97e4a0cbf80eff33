#!/bin/sh
# tools/tests-under-load.sh [RUNS]: runs ./run-tests RUNS times (3 unless
# given) with one busy loop per core running beside it, as on a machine that
# is doing other work, and prints for each run whether it passed, the tests
# passed of all in each tree (build/, build-asan/) and how long it took.
# Each run's output is kept in build/tests-under-load/run-N.log.
# Exits non-zero when any run failed.
set -u
cd "$(dirname "$0")/.."
runs="${1:-3}"
case "$runs" in
  '' | *[!0-9]*) echo "usage: tools/tests-under-load.sh [RUNS]" >&2; exit 2 ;;
esac

loops=""
stop_loops() {
  for pid in $loops; do kill "$pid" 2>/dev/null; done
  loops=""
}
trap stop_loops EXIT
trap 'exit 130' INT TERM
cores="$(nproc)"
for _ in $(seq "$cores"); do
  sh -c 'while :; do :; done' &
  loops="$loops $!"
done
echo "$cores busy loops running beside ./run-tests, $runs runs"

# "T" of ctest's "N% tests passed, F tests failed out of T" as passed/T, in
# the order the trees ran; "not run" for a tree the run did not reach.
tree_counts() {
  sed -n 's/.*tests passed, \([0-9]*\) tests* failed out of \([0-9]*\).*/\1 \2/p' "$1" |
    awk '{ printf "%s%d/%d", (NR > 1 ? " " : ""), $2 - $1, $2 } END { if (NR == 0) printf "-" }'
}

failed=0
for run in $(seq "$runs"); do
  mkdir -p build/tests-under-load
  log="build/tests-under-load/run-$run.log"
  start="$(date +%s)"
  if ./run-tests >"$log" 2>&1; then result=pass; else result=FAIL; failed=1; fi
  seconds=$(($(date +%s) - start))
  set -- $(tree_counts "$log")
  printf 'run %d: %s  build %s  build-asan %s  %dm%02ds\n' "$run" "$result" "${1:--}" "${2:-not run}" \
    $((seconds / 60)) $((seconds % 60))
  if [ "$result" = FAIL ]; then
    grep -E '^ *[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception|Not Run)\)|^Sanitizer report' "$log" | sed 's/^/    /'
  fi
done
stop_loops
exit "$failed"
