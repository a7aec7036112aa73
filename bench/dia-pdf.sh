#!/usr/bin/env bash
# Whole-process wall time and peak memory of orvantel-dia writing the month sheets as a PDF: one
# month (December 2026) and one year (2027), median of 5 runs after one warm-up, the PDF thrown
# away. Usage: bench/dia-pdf.sh path/to/orvantel-dia [data-dir]   (data-dir defaults to data/)
set -euo pipefail
dia=${1:?path to orvantel-dia}
datos=${2:-$(dirname "$0")/../data/}
runs=5

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

bench() {
    local what=$1 desde=$2 hasta=$3 times wall peak
    times=$(mktemp)
    for ((i = 0; i <= runs; i++)); do
        /usr/bin/time -f '%e %M' -o "$times.run" "$dia" --datos "$datos" --formato pdf \
            --desde "$desde" --hasta "$hasta" >/dev/null
        ((i == 0)) || tail -n 1 "$times.run" >>"$times" # the first run warms up
    done
    wall=$(cut -d' ' -f1 "$times" | median)
    peak=$(cut -d' ' -f2 "$times" | median)
    echo "$what (pdf): wall ${wall} s, peak $((peak / 1024)) MB (median of $runs)"
    rm -f "$times" "$times.run"
}

bench "a month, 2026-12" 2026-12-01 2026-12-31
bench "a year, 2027" 2027-01-01 2027-12-31
