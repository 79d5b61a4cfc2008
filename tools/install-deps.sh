#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the demo and the tests need;
# with "windows", also those of the Windows build and its tests under Wine;
# with "package", those that make and check the Debian package; with
# "signing", the signing tool alone.
# Only what is missing is installed; runs apt-get as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libzint-dev zbar-tools
  libgtest-dev libcups2-dev
  fonts-liberation fonts-liberation2 glabels-data
  poppler-utils
  cups cups-client cups-bsd cups-filters ghostscript
  xvfb xauth time python3 desktop-file-utils
)
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev lintian desktop-file-utils fakeroot)
fi
if [ "${1:-}" = signing ]; then
  packages=(osslsigncode)
fi
if [ "${1:-}" = windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools googletest
             wine64 zip unzip xz-utils wixl msitools
             dpkg-dev)  # dpkg-source, for zint's source package
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Hace falta ser root (o tener sudo) para instalar: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "Instalando: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
