#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation
  clang-format desktop-file-utils appstream
  poppler-utils) # pdfinfo, pdftotext, pdffonts and pdftoppm: the tests read back the month sheets
missing=()
packages+=(qt6-translations-l10n) # Qt's own messages in Spanish (orvantel-dia's option parser)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
