#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How many rooms of four one server process holds: starts quintaro-server on
# a free port of 127.0.0.1, opens ROOMS rooms with bench_tools/room_load,
# plays turns in all of them for SECONDS, and prints the relay latency and
# the server's memory per room (resident memory with every room open, less
# the memory before the first, over the rooms).
#   bench/server/room_load.sh BUILD-DIR [ROOMS] [SECONDS] [INPUT_EVERY_MS]
# ROOMS and SECONDS default to $QUINTARO_LOAD_ROOMS and $QUINTARO_LOAD_SECONDS,
# else 2000 and 20 (make bench); CI runs 10 rooms for 1 s.
set -euo pipefail
build=${1:-build}
rooms=${2:-${QUINTARO_LOAD_ROOMS:-2000}}
seconds=${3:-${QUINTARO_LOAD_SECONDS:-20}}
every=${4:-100}
# Each player is a socket in the load and another in the server.
ulimit -n "$(ulimit -Hn)"
need=$((rooms * 4 + 64))
[ "$(ulimit -n)" -ge "$need" ] || { echo "room_load: $need open files needed, ulimit -Hn is $(ulimit -Hn)" >&2; exit 1; }

tmp=$(mktemp -d)
"$build/quintaro-server" --listen 127.0.0.1:0 >"$tmp/server" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do [ -s "$tmp/server" ] && break; sleep 0.1; done
port=$(sed -n 's/.*:\([0-9][0-9]*\)$/\1/p' "$tmp/server")
[ -n "$port" ] || { echo "room_load: the server did not start" >&2; exit 1; }
rss() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$server/status"; }
# The server's processor time so far, in clock ticks (user + system).
cpu() { awk '{ print $14 + $15 }' "/proc/$server/stat"; }
before=$(rss)

"$build/bench_tools/room_load" "$port" "$rooms" "$seconds" "$every" >"$tmp/load" &
load=$!
while kill -0 "$load" 2>/dev/null && ! grep -qs '^READY' "$tmp/load"; do sleep 0.05; done
open=$(rss)
cpu_open=$(cpu)
status=0
wait "$load" || status=$?
cpu_played=$(( $(cpu) - cpu_open ))
grep -v '^READY' "$tmp/load"
echo "server memory: $before kB idle, $open kB with $rooms rooms open, $(rss) kB after play;" \
     "$(( (open - before) * 1024 / rooms )) bytes per room"
echo "server processor time while playing: $((cpu_played * 100 / $(getconf CLK_TCK) / seconds))% of one core"
kill -TERM "$server"
wait "$server" || { echo "room_load: the server did not end cleanly" >&2; exit 1; }
exit "$status"
