#!/bin/sh
# Measures the program's power, sine and cosine against 113-bit values and
# against the C library's functions used before (tools/ext_math_check.cpp).
#
#     tools/check_ext_math.sh [ARGUMENTS]     (per exponent, 1000000)
set -e
cd "$(dirname "$0")/.."
out=${TMPDIR:-/tmp}/ext_math_check.$$
g++ -std=c++20 -O2 -ffp-contract=off -I. tools/ext_math_check.cpp runtime/ext_math.cpp runtime/ext_math_tables.cpp \
  -lquadmath -o "$out"
"$out" "${1:-1000000}"
rm -f "$out"
