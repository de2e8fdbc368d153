#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The driver with --follow runs each line as it is written: the state dump
# asked for arrives before the next line is written, and the run goes on.
exe=$1
coproc DRIVER { "$exe" - --follow; }
printf 'epoch 1700000000\nstart\nwait 5000\nstate\n' >&"${DRIVER[1]}"
got=
while read -r -t 20 line <&"${DRIVER[0]}"; do
  case $line in *" state {"*) got=1; break ;; esac
done
[ -n "$got" ] || { echo "no state dump before the next line was written"; exit 1; }
printf 'menu 32786\nwait 500\nstate\nquit\n' >&"${DRIVER[1]}"
rest=$(cat <&"${DRIVER[0]}")
wait
case $rest in *'"screen":4'*) ;; *) echo "the lines written later did not run: $rest"; exit 1 ;; esac
