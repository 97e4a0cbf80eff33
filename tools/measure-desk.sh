#!/bin/sh
# tools/measure-desk.sh [BEFORE_REF [MEASUREMENT...]]: builds the programs at
# BEFORE_REF (a git commit, HEAD~1 by default) and in this tree, then measures
# both side by side on real X servers (Xvfb and openbox): idle CPU of every
# program, the wait of a menu command after 計算 in quorvel, the Enter taps
# velmora sees by their length, and how long quorvel lives on after 終了 at
# the end of a whole case worked under fcitx5 with mozc. MEASUREMENT names
# some of them (idle, latency, taps, quit); all by default. Needs what ./run-tests installs.
set -e
cd "$(dirname "$0")/.."
ref="${1:-HEAD~1}"
if [ $# -gt 0 ]; then shift; fi
before=$(mktemp -d)
trap 'git worktree remove --force "$before/src" >/dev/null 2>&1; rm -rf "$before"' EXIT
git worktree add --detach "$before/src" "$ref" >/dev/null
cmake -S "$before/src" -B "$before/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$before/build" -j"$(nproc)" --target velmora drasin quorvel mestra palwick soberin >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target velmora drasin quorvel mestra palwick soberin desk_measure >/dev/null
build/tests/xserver/desk_measure "$before/build" build "$@"
