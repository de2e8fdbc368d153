#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The frame path in WebAssembly (under node: V8, as in Chromium) against the
# same path native, in one run (make web-bench); also the WebAssembly
# without the instrumentation that lets the program wait in a page.
#   bench/web/frame_path_ratio.sh NATIVE_BUILD WEB_OBJ_BUILD [FRAMES]
set -euo pipefail
native=$1/bench_tools/frame_path_native
wasm=$2/frame_path_wasm.js
plain=$2/frame_path_wasm_plain.js
frames=${3:-20000}
ns() { sed -n 's/^frame_path_ns \([0-9]*\).*/\1/p'; }
# node reads the module from disk only without its experimental fetch.
run_wasm() { node --no-experimental-fetch "$1" "$frames" | ns; }
# Alternating runs, the best of five each: the machine's other load falls
# on all of them alike.
best() { [ "$1" -eq 0 ] || [ "$2" -lt "$1" ] && echo "$2" || echo "$1"; }
n=0 w=0 p=0
for _ in 1 2 3 4 5; do
  n=$(best "$n" "$("$native" "$frames" | ns)")
  w=$(best "$w" "$(run_wasm "$wasm")")
  [ -f "$plain" ] && p=$(best "$p" "$(run_wasm "$plain")")
done
echo "frame path per frame: native ${n} ns, WebAssembly ${w} ns (without the waiting instrumentation ${p} ns)"
awk -v w="$w" -v n="$n" -v p="$p" 'BEGIN {
  printf "ratio wasm/native %.2f (target <= 3)\n", w / n
  if (p > 0) printf "ratio instrumented/plain wasm %.2f\n", w / p }'
