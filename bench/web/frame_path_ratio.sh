#!/usr/bin/env bash
# The frame path in WebAssembly (under node, V8 as in Chromium; node fetches
# the module from disk only without its experimental fetch) against the
# same path native, in one run: make web-bench.
#   bench/web/frame_path_ratio.sh NATIVE_BUILD WEB_OBJ_BUILD [FRAMES]
set -euo pipefail
native=$1/bench_tools/frame_path_native
wasm=$2/frame_path_wasm.js
frames=${3:-20000}
ns() { sed -n 's/^frame_path_ns \([0-9]*\).*/\1/p'; }
# Alternating runs, the best of three each: the machine's other load falls
# on both alike.
best_native=0 best_wasm=0
for _ in 1 2 3; do
  n=$("$native" "$frames" | ns); w=$(node --no-experimental-fetch "$wasm" "$frames" | ns)
  { [ "$best_native" -eq 0 ] || [ "$n" -lt "$best_native" ]; } && best_native=$n
  { [ "$best_wasm" -eq 0 ] || [ "$w" -lt "$best_wasm" ]; } && best_wasm=$w
done
echo "frame path native ${best_native} ns, wasm ${best_wasm} ns per frame"
awk -v w="$best_wasm" -v n="$best_native" 'BEGIN { printf "ratio wasm/native %.2f (target <= 3)\n", w / n }'
