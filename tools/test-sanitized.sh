#!/bin/sh
# Runs every test of the sanitized tree (build-asan/, built by
# tools/build-sanitized.sh) headless, with the settings of
# tools/with-sanitizers.sh. Fails when a test fails or when any process,
# a program started by a test included, left a sanitizer report.
set -e
cd "$(dirname "$0")/.."
reports=build-asan/sanitizer-reports
rm -rf "$reports"
status=0
(cd build-asan && QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  ../tools/with-sanitizers.sh ctest --output-on-failure -j"$(nproc)") || status=$?
for report in "$reports"/*; do
  [ -e "$report" ] || continue
  echo "Sanitizer report $report:"
  cat "$report"
  status=1
done
exit "$status"
