#!/usr/bin/env bash
# Builds the application (installing missing Debian packages first) and starts it; its arguments
# go to the program (`bash scripts/start.sh --version` needs no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target orvantel orvantel-dia
# CMake writes where it put the program, wherever the source tree places it.
exec "$(cat build/release/program-path-Release.txt)" "$@"
