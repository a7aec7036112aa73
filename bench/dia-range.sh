#!/usr/bin/env bash
# Whole-process time and peak memory of orvantel-dia printing every day of 2000-2016
# (6,210 rows; every day re-reads its data files).
# Usage: bench/dia-range.sh path/to/orvantel-dia [data-dir]   (data-dir defaults to data/)
set -euo pipefail
dia=${1:?path to orvantel-dia}
datos=${2:-$(dirname "$0")/../data/}
/usr/bin/time -v "$dia" --datos "$datos" --desde 2000-01-01 --hasta 2016-12-31 2>&1 >/dev/null |
    grep -E 'Elapsed \(wall clock\)|User time|System time|Maximum resident set size|Exit status'
