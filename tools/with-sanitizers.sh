#!/bin/sh
# tools/with-sanitizers.sh COMMAND [ARG...]: runs a command of the sanitized
# tree (build-asan/) with the sanitizer settings, which live here and
# nowhere else; tools/test-sanitized.sh runs the whole suite through it.
# By hand, for one suite:
#     tools/with-sanitizers.sh build-asan/tests/frame/frame_core_tests
#
# Every finding ends the process that made it (UBSan would otherwise go on
# after its report). AddressSanitizer and LeakSanitizer write their reports,
# with the stack, to files in build-asan/sanitizer-reports/ named after the
# program and its process id: the files catch the programs that tests start
# as child processes too, whose stderr and exit code a test may not look at.
# UBSan writes to stderr only (GCC's runtime ignores log_path beside ASan);
# the driver harness fails a test whose program reported there.
#
# Findings inside Qt, fontconfig or other system libraries may be suppressed
# in tools/sanitizers/lsan.supp and ubsan.supp, each entry with its reason;
# never a finding in our own code.
set -e
tools="$(cd "$(dirname "$0")" && pwd)"
reports="$(dirname "$tools")/build-asan/sanitizer-reports"
mkdir -p "$reports"
# Run as root, the tests start some programs as nobody (the input method's,
# a second user's): their reports must land here too.
if [ "$(id -u)" = 0 ]; then chmod 1777 "$reports"; fi
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/asan:log_exe_name=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$tools/sanitizers/ubsan.supp"
export LSAN_OPTIONS="suppressions=$tools/sanitizers/lsan.supp:print_suppressions=0"
exec "$@"
