#!/bin/sh
# tools/build.sh [TARGET...]: configures and builds into build/ the named
# targets (a program, say, with only what it links), or everything.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Each name becomes "--target NAME".
for target in "$@"; do set -- "$@" --target "$target"; shift; done
cmake --build build -j"$(nproc)" "$@"
