#!/bin/sh
# Shows that the program's own power, sine and cosine (runtime/ext_math.cpp)
# store the very same singles as the C library's (2^(y · log2 x), sinl, cosl),
# step for step: builds the solvers' test suites and the solve probe twice,
# both with every stored single counted into a checksum
# (RT_TRACE_STORED_SINGLES), once with each kind of function
# (RT_C_LIBRARY_MATH), then
#   1. runs each solver test suite in both builds and compares the count and
#      checksum of every single the suite stored (and where they differ,
#      counts the singles that do);
#   2. runs tools/compare_solvers.py on both probes, which compares each
#      probe run's outputs and its checksum of stored singles.
#
#     tools/compare_stored_singles.sh [COUNT]     (inputs per solver, 10000)
#
# The builds go to build-trace-library/ and build-trace-tables/.
set -e
cd "$(dirname "$0")/.."
count=${1:-10000}
targets="solve open_channel_solver_tests compound_solver_tests culvert_solver_tests"
for kind in library tables; do
  flags="-DRT_TRACE_STORED_SINGLES"
  [ "$kind" = library ] && flags="$flags -DRT_C_LIBRARY_MATH"
  cmake -S . -B "build-trace-$kind" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" >/dev/null
  # shellcheck disable=SC2086
  cmake --build "build-trace-$kind" -j4 --target $targets >/dev/null
done

status=0
for suite in tests/open_channel/open_channel_solver_tests tests/compound/compound_solver_tests \
             tests/culvert/culvert_solver_tests; do
  for kind in library tables; do
    rm -f "build-trace-$kind/stored_singles.txt"
    RT_STORED_SINGLES_FILE="$PWD/build-trace-$kind/stored_singles.txt" "build-trace-$kind/$suite" >/dev/null
  done
  library=$(cat build-trace-library/stored_singles.txt)
  tables=$(cat build-trace-tables/stored_singles.txt)
  if [ "$library" = "$tables" ]; then
    echo "$(basename "$suite"): the same $library"
  else
    # Count the singles that differ, from a dump of every one in order.
    for kind in library tables; do
      RT_STORED_SINGLES_DUMP="$PWD/build-trace-$kind/stored_singles.bin" "build-trace-$kind/$suite" >/dev/null
    done
    differing=$(cmp -l build-trace-library/stored_singles.bin build-trace-tables/stored_singles.bin |
                awk '{print int(($1 - 1) / 4)}' | uniq | wc -l)
    echo "$(basename "$suite"): DIFFERENT in $differing singles ($library / $tables);" \
         "build-trace-*/stored_singles.bin hold them all, four bytes each, in order"
    status=1
  fi
done

RT_STORED_SINGLES_FILE=/dev/stderr tools/compare_solvers.py --with-stderr --count "$count" \
  build-trace-library/solve build-trace-tables/solve || status=1
exit $status
