#!/usr/bin/env bash
# Builds the application (installing missing Debian packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target orvantel orvantel-dia
exec build/release/src/orvantel "$@"
