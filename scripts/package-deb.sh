#!/usr/bin/env bash
# Builds the Debian package build/package/orvantel_<version>_<arch>.deb from a Release build,
# installing the Debian packages the build and dpkg-shlibdeps need first.
#   bash scripts/package-deb.sh
#   sudo apt install ./build/package/orvantel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed"; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq dpkg-dev
fi

cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
# Everything, so that the install step of cpack, which builds every target, finds nothing left.
cmake --build build/package -j"$(nproc)"
rm -f build/package/orvantel_*.deb
(cd build/package && cpack -G DEB)
ls build/package/orvantel_*.deb
