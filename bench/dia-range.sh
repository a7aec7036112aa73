#!/usr/bin/env bash
# Whole-process wall time and peak memory of orvantel-dia writing every day of a range, median of
# 5 runs after one warm-up, for two ranges: 2000-2016, and every year the data directory lists in
# cal.txt (2000-2099 for the shipped data). A range the program refuses (its years are narrower
# than the data's) is reported as refused.
# Usage: bench/dia-range.sh path/to/orvantel-dia [data-dir] [tsv|json|ics]
#   data-dir defaults to data/, the format to tsv.
set -euo pipefail
dia=${1:?path to orvantel-dia}
datos=${2:-$(dirname "$0")/../data/}
formato=${3:-tsv}
runs=5
format_option=() # tsv is the default, and the only format of the builds before --formato
[ "$formato" = tsv ] || format_option=(--formato "$formato")

# The last year cal.txt lists: columns 41-42 of its lines hold the two-digit years.
last=$(awk '{ y = substr($0, 41, 2); if (y ~ /^[0-9][0-9]$/ && y + 0 > max) max = y + 0 }
            END { printf "20%02d", max }' "$datos/cal.txt")

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

bench() {
    local hasta=$1 times wall peak status
    times=$(mktemp)
    for ((i = 0; i <= runs; i++)); do
        status=0
        /usr/bin/time -f '%e %M' -o "$times.run" "$dia" --datos "$datos" "${format_option[@]}" \
            --desde 2000-01-01 --hasta "$hasta-12-31" >/dev/null 2>&1 || status=$?
        if ((status != 0)); then
            echo "2000-$hasta: refused or failed (exit status $status)"
            rm -f "$times" "$times.run"
            return
        fi
        ((i == 0)) || tail -n 1 "$times.run" >>"$times" # the first run warms up
    done
    wall=$(cut -d' ' -f1 "$times" | median)
    peak=$(cut -d' ' -f2 "$times" | median)
    echo "2000-$hasta ($formato): wall ${wall} s, peak $((peak / 1024)) MB (median of $runs)"
    rm -f "$times" "$times.run"
}

bench 2016
[ "$last" = 2016 ] || bench "$last"
