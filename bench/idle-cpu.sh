#!/usr/bin/env bash
# CPU used by the running window over 10 seconds of idleness, under a virtual X display.
# Usage: bench/idle-cpu.sh path/to/orvantel
set -euo pipefail
app=${1:?path to orvantel}
export HOME=$(mktemp -d)
Xvfb :91 -screen 0 800x400x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=:91 "$app" 2>/dev/null &
pid=$!
sleep 2
before=$(awk '{print $14 + $15}' /proc/$pid/stat)
sleep 10
after=$(awk '{print $14 + $15}' /proc/$pid/stat)
kill $pid
ticks=$((after - before))
echo "CPU over 10 s: $ticks ticks of $(getconf CLK_TCK) a second ($((ticks * 100 / (10 * $(getconf CLK_TCK))))% of one core)"
