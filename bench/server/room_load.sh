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
# The load client and the server share the machine's processors: the report
# splits each relay's delay into the server's part (up to the bytes reaching
# the receiver's socket, stamped by the kernel) and the client's own wait,
# and says how long each process waited for a processor while playing.
# QUINTARO_LOAD_PIN=1 keeps the server on the first processor and the client
# on the second; QUINTARO_LOAD_CLIENT_NICE=N and QUINTARO_LOAD_SERVER_NICE=N
# run them at niceness N (below 0 needs root).
set -euo pipefail
build=${1:-build}
rooms=${2:-${QUINTARO_LOAD_ROOMS:-2000}}
seconds=${3:-${QUINTARO_LOAD_SECONDS:-20}}
every=${4:-100}
# Each player is a socket in the load and another in the server.
ulimit -n "$(ulimit -Hn)"
need=$((rooms * 4 + 64))
[ "$(ulimit -n)" -ge "$need" ] || { echo "room_load: $need open files needed, ulimit -Hn is $(ulimit -Hn)" >&2; exit 1; }

server_on=() client_on=()
if [ "${QUINTARO_LOAD_PIN:-0}" = 1 ]; then server_on=(taskset -c 0) client_on=(taskset -c 1); fi
server_on+=(nice -n "${QUINTARO_LOAD_SERVER_NICE:-0}")
client_on+=(nice -n "${QUINTARO_LOAD_CLIENT_NICE:-0}")

tmp=$(mktemp -d)
"${server_on[@]}" "$build/quintaro-server" --listen 127.0.0.1:0 >"$tmp/server" &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 50); do [ -s "$tmp/server" ] && break; sleep 0.1; done
port=$(sed -n 's/.*:\([0-9][0-9]*\)$/\1/p' "$tmp/server")
[ -n "$port" ] || { echo "room_load: the server did not start" >&2; exit 1; }
rss() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$server/status"; }
# The server's processor time so far, in clock ticks (user + system).
cpu() { awk '{ print $14 + $15 }' "/proc/$server/stat"; }
# Nanoseconds a process has run and has waited, ready, for a processor.
ran() { awk '{ print $1 }' "/proc/$1/schedstat"; }
waited() { awk '{ print $2 }' "/proc/$1/schedstat"; }
turns() { awk '{ print $3 }' "/proc/$1/schedstat"; }
before=$(rss)

"${client_on[@]}" "$build/bench_tools/room_load" "$port" "$rooms" "$seconds" "$every" >"$tmp/load" &
load=$!
while kill -0 "$load" 2>/dev/null && ! grep -qs '^READY' "$tmp/load"; do sleep 0.05; done
open=$(rss)
cpu_open=$(cpu)
server_ran=$(ran "$server") server_waited=$(waited "$server") server_turns=$(turns "$server")
status=0
wait "$load" || status=$?
cpu_played=$(( $(cpu) - cpu_open ))
server_ran=$(( $(ran "$server") - server_ran )) server_waited=$(( $(waited "$server") - server_waited ))
server_turns=$(( $(turns "$server") - server_turns ))
grep -v '^READY' "$tmp/load"
echo "server memory: $before kB idle, $open kB with $rooms rooms open, $(rss) kB after play;" \
     "$(( (open - before) * 1024 / rooms )) bytes per room"
echo "server processor time while playing: $((cpu_played * 100 / $(getconf CLK_TCK) / seconds))% of one core"
ms() { echo $(( $1 / 1000000 )); }
echo "while playing the server ran $(ms "$server_ran") ms and waited $(ms "$server_waited") ms for a processor," \
     "$(( server_waited / 1000 / (server_turns > 0 ? server_turns : 1) )) us on average each of $server_turns times" \
     "(load average $(cut -d' ' -f1 /proc/loadavg))"
kill -TERM "$server"
wait "$server" || { echo "room_load: the server did not end cleanly" >&2; exit 1; }
exit "$status"
