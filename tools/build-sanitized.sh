#!/bin/sh
# Configures and builds the sanitized tree into build-asan/: everything but
# the benchmarks, with AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_SANITIZERS=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
